#pragma once

#include "persistence/IrrigationRecords.h"
#include "ui/common/Screen.h"

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

// The irrigation controller's record card: the last records into a table and a text file, and its erasure.
class TFrame_QEL880IRR_Registros : public TScreen {
    Q_OBJECT
public:
    explicit TFrame_QEL880IRR_Registros(const TScreenContext& context, QWidget* parent = nullptr);

    // Downloads the records every time, unless a download is still running.
    void ShowScreen(int language) override;

protected:
    void Retranslate() override;
    // The records are not kept in the register image: the downloads fill the table.
    void Fill() override {}

private:
    class TBusy;

    QString Text(int id) const;
    void Download();
    void ShowProgress(const IrrigationRecords::TDownload& sofar);
    void ClearRowsFrom(int row);
    void FitColumns();
    void bbArquivoClick();
    void bbApagarEventosClick();
    // The chosen file, remembered in the settings; empty when cancelled.
    QString ChooseFile();

    QWidget* background_;
    QTableWidget* sgRegistros_ = nullptr;
    QLabel* lblNumRegistrosCartao_ = nullptr;
    QLabel* pnNumRegistrosCartao_ = nullptr;
    QPushButton* bbArquivo_ = nullptr;
    QPushButton* bbApagarEventos_ = nullptr;
    QLabel* pnReading_ = nullptr;
    // What the last download read, newest first; the file is made from them in the shown language.
    std::vector<IrrigationRecords::TFields> records_;
    // A download or an erasure waits inside the event loop: nothing else starts meanwhile.
    bool busy_ = false;
};
