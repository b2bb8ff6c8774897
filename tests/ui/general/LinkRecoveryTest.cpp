#include "LoggedInWindow.h"
#include "SimProcess.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "model/SharedRegisters.h"
#include "ui/general/GeneralScreen.h"

#include <QLabel>
#include <QTableWidget>

#include <memory>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;

QString Message(TGeneralScreen* screen) {
    auto* message = screen->findChild<QLabel*>("pnMensagem");
    return message && message->isVisible() ? message->text() : QString();
}

TEST(LinkRecovery, TheSameDeviceIsFoundAgainOverEitherLink) {
    for (TLink link : {TLink::Serial, TLink::Tcp}) {
        SCOPED_TRACE(link == TLink::Serial ? "pty" : "tcp");
        // The device's links go two seconds after the start and come back two seconds later:
        // the pty at the same path, the listener on the same port.
        TLoggedInWindow w({"--model", "T", "--vanish-after", "2", "--return-after", "2"}, kThermal);
        ASSERT_TRUE(w.Connect(link));
        const auto language = w.Device(SharedRegisters::kLanguage);
        ASSERT_TRUE(language);
        TGeneralScreen* screen = w.General();
        EXPECT_TRUE(WaitUntil([&] { return Message(screen) == "Conexão perdida, reconectando…"; }, 8000));
        EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Não Conectado");
        // A change made meanwhile is said not to be sent, and is not sent when the link returns.
        Click(screen, language == 1 ? "rgIdioma_0" : "rgIdioma_1");
        EXPECT_EQ(w.prompts.shown,
                  QStringList({"error: A alteração não foi enviada: a conexão está sendo restabelecida."}));
        w.prompts.shown.clear();
        ASSERT_TRUE(WaitUntil([&] { return w.Window().Session().IsConnected() && Message(screen).isEmpty(); },
                              10000));
        // Logged in again with the password typed at the connection, and polling: no dialog, no box.
        EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Num. Serie: 880001");
        EXPECT_EQ(w.prompts.dialogNames.count("FormSenha"), 1);
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
        EXPECT_EQ(w.Device(SharedRegisters::kLanguage), language);
        const auto oil = w.Device(510);
        ASSERT_TRUE(oil);
        EXPECT_TRUE(WaitUntil(
            [&] {
                return Find<QTableWidget>(screen, "sgMedidas")->item(1, 1)->text() ==
                       QString::asprintf("%.1fºC", (*w.Device(510) - 1500) / 10.0);
            },
            4000));
    }
}

TEST(LinkRecovery, AnotherDeviceOnTheLinkStopsIt) {
    TLoggedInWindow w({"--model", "T", "--vanish-after", "2"}, kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    TGeneralScreen* screen = w.General();
    ASSERT_TRUE(WaitUntil([&] { return Message(screen) == "Conexão perdida, reconectando…"; }, 8000));
    // Another monitor answers on the same address and port.
    TSimProcess other({"--model", "T", "--serial-number", "880002"}, w.Sim().Port());
    ASSERT_TRUE(other.IsReady());
    ASSERT_TRUE(WaitUntil([&] { return !w.prompts.shown.isEmpty(); }, 10000));
    EXPECT_EQ(w.prompts.shown, QStringList({"error: Outro equipamento responde nesta conexão (número de série "
                                            "880002). A reconexão foi interrompida."}));
    EXPECT_FALSE(w.Window().Session().IsConnected());
    EXPECT_TRUE(Message(screen).isEmpty());
    EXPECT_TRUE(Find<QWidget>(screen, "bbConectarIP")->isEnabled());
}

} // namespace
