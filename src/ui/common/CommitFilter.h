#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches edit boxes: Enter moves the focus to the screen's background (so leaving the box commits
// it, once, and the Enter is not passed on); leaving a box for another control of the same window
// commits. Focus lost to a message box or a popup does not count as leaving.
class TCommitFilter : public QObject {
    Q_OBJECT
public:
    TCommitFilter(QWidget* background, std::function<void()> commit, QObject* parent);

    void Watch(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* background_;
    std::function<void()> commit_;
};
