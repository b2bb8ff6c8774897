#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class TGridCellEditor;

// The measurement simulation window: the device measures the values typed here instead of its
// inputs. One exists for the whole run, shown beside the other windows.
class TFormTesteValores : public QDialog {
    Q_OBJECT
public:
    explicit TFormTesteValores(const TScreenContext& context, QWidget* parent = nullptr);
    ~TFormTesteValores() override;
    TFormTesteValores(const TFormTesteValores&) = delete;
    TFormTesteValores& operator=(const TFormTesteValores&) = delete;

    // Reads what the device simulates and shows it, in the language given; the caller shows the window.
    void Prepare(int language);
    // The row labels follow the family of the session as well as the language.
    void ApplyLanguage(int language);
    // Sends the mode of the button pressed (1 "Send", 2 "Send 2"; 0 while the test is off) and the values.
    void Send(int mode);
    // A click on a value cell opens its editor.
    void sgValoresMouseDown(int row, int column);

private:
    QString Text(int id) const;
    TEquipComm& Session() const { return context_.session; }
    void FillControls();

    TScreenContext context_;
    int language_ = 0;
    QWidget* pnBack_;
    QCheckBox* cbAtiva_ = nullptr;
    QTableWidget* sgValores_ = nullptr;
    std::unique_ptr<TGridCellEditor> editor_;
    QPushButton* bbEnvia_ = nullptr;
    QPushButton* bbEnvia2_ = nullptr;
    QLabel* lblInfo_ = nullptr;
};
