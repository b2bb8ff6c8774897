#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QLineEdit;
class QTableWidget;
class QWidget;

// The edit box "edVal" laid over one cell of a grid: Enter moves the focus to the background, and
// leaving the box commits its text once; Esc closes it without committing. A refused text keeps
// the box open on its cell.
class TGridCellEditor : public QObject {
    Q_OBJECT
public:
    // `commit` gets the cell and the text; it returns false to keep the box open. Without one, the
    // text goes into the cell as typed (checked later, when it is sent).
    using TCommit = std::function<bool(int row, int column, const QString& text)>;

    TGridCellEditor(QTableWidget* grid, QWidget* background, TCommit commit = {});
    ~TGridCellEditor() override;
    TGridCellEditor(const TGridCellEditor&) = delete;
    TGridCellEditor& operator=(const TGridCellEditor&) = delete;

    void Open(int row, int column, const QString& text);
    // Commits an open box; false when it stays open.
    bool Leave();
    // Closes the box without committing.
    void Close();
    // The cell being edited.
    std::optional<std::pair<int, int>> Cell() const { return cell_; }
    // The text the box opened with.
    const QString& OpenedWith() const { return openedWith_; }

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* grid_;
    QWidget* background_;
    TCommit commit_;
    QLineEdit* edVal_;
    std::optional<std::pair<int, int>> cell_;
    QString openedWith_;
    bool committing_ = false;
};
