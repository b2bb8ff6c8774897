#include "LoggedInWindow.h"

#include "UiHelpers.h"

#include "ui/general/GeneralScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

TLoggedInWindow::TLoggedInWindow(const QStringList& simArguments, int family) : sim_(simArguments) {
    // Each fixture keeps its settings in its own folder.
    qputenv("HOME", dir_.path().toLocal8Bit());
    window_ = std::make_unique<TFormMain>(prompts, dir_.path().toStdString() + "/");
    window_->show();
    window_->SetFamilySelector(family);
}

TGeneralScreen* TLoggedInWindow::General() {
    return dynamic_cast<TGeneralScreen*>(window_->ShownScreen());
}

bool TLoggedInWindow::Connect(TLink link, const QString& password) {
    if (!sim_.IsReady())
        return false;
    auto typePassword = [password](QDialog& d) {
        Find<QLineEdit>(&d, "edSenha")->setText(password);
        return static_cast<int>(QDialog::Accepted);
    };
    if (link == TLink::Tcp) {
        const std::uint16_t port = sim_.Port();
        prompts.dialogs = {[port](QDialog& d) {
                               Find<QLineEdit>(&d, "edEndereco")->setText("localhost");
                               Find<QLineEdit>(&d, "edDominioPorta")->setText(QString::number(port));
                               Click(&d, "bbOkEndereco");
                               return d.result();
                           },
                           typePassword};
        Click(window_->ShownScreen(), "bbConectarIP");
    } else {
        const QString path = sim_.RtuPath();
        prompts.dialogs = {[path](QDialog& d) {
                               Find<QComboBox>(&d, "cbPortaCom")->setEditText(path);
                               Click(&d, "bbOk");
                               return d.result();
                           },
                           typePassword};
        Click(window_->ShownScreen(), link == TLink::Usb ? "bbConectarUsb" : "bbConectar");
    }
    return window_->Session().IsConnected();
}

void TLoggedInWindow::TypeAndCommit(const QString& name, const QString& text) {
    auto* box = Find<QLineEdit>(window_->ShownScreen(), name);
    if (!box)
        return;
    QApplication::setActiveWindow(window_.get());
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

std::optional<std::uint16_t> TLoggedInWindow::Device(std::uint16_t reg) {
    if (!device_.IsConnected() && !device_.Connect(sim_.Port()))
        return std::nullopt;
    const auto reply = device_.Read({reg});
    if (!reply || !reply->values.contains(reg))
        return std::nullopt;
    return reply->values.at(reg);
}

std::vector<int> TLoggedInWindow::DeviceRun(int first, int count) {
    std::vector<int> values;
    for (int reg = first; reg < first + count; ++reg)
        values.push_back(Device(static_cast<std::uint16_t>(reg)).value_or(-1));
    return values;
}

bool TLoggedInWindow::SetDevice(std::uint16_t reg, std::uint16_t value) {
    if (!device_.IsConnected() && !device_.Connect(sim_.Port()))
        return false;
    const auto reply = device_.Write({{reg, value}});
    return reply && reply->count == 0;
}

QStringList TLoggedInWindow::Texts(const QStringList& names) {
    QStringList texts;
    const QWidget* screen = window_->ShownScreen();
    for (const QString& name : names) {
        const QWidget* w = screen->findChild<QWidget*>(name);
        if (!w) {
            texts << name + ": (none)";
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            texts << b->text();
        } else if (auto* l = qobject_cast<const QLabel*>(w)) {
            texts << l->text();
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            texts << g->title();
        } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
            texts << e->text();
        } else if (auto* t = qobject_cast<const QTableWidget*>(w)) {
            for (int r = 0; r < t->rowCount(); ++r)
                texts << t->item(r, 0)->text();
            for (int c = 1; c < t->columnCount(); ++c)
                texts << t->item(0, c)->text();
        }
    }
    return texts;
}
