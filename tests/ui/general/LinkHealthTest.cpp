#include "LoggedInWindow.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/common/Screen.h"
#include "ui/general/FormTendencia.h"
#include "ui/general/GeneralScreen.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

namespace {

using TLink = TLoggedInWindow::TLink;

QString Message(TGeneralScreen* screen) {
    auto* message = screen->findChild<QLabel*>("pnMensagem");
    return message && message->isVisible() ? message->text() : QString();
}

// The device stops answering, its link kept open. Before, the regulator and the position
// indicator over a serial link never noticed, and a TCP device looked live for ever.
TEST(LinkHealth, ASilentDeviceIsShownLostOnEveryLink) {
    struct Case {
        const char* model;
        int family;
        TLink link;
        const char* reading; // a grid cell that the polls fill
    };
    const Case cases[] = {
        {"R", Family::kRegulator, TLink::Serial, "sgMedidas"},
        {"C", Family::kPositionIndicator, TLink::Serial, "sgMedidas"},
        {"T", Family::kThermal, TLink::Tcp, "sgMedidas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model, "--silent-after", "2"}, c.family);
        ASSERT_TRUE(w.Connect(c.link));
        TGeneralScreen* screen = w.General();
        auto* grid = Find<QTableWidget>(screen, c.reading);
        ASSERT_TRUE(WaitUntil([&] { return !grid->item(1, 1)->text().isEmpty(); }, 3000));
        // The first unanswered poll blanks the readings: nothing on them is what the device just sent.
        EXPECT_TRUE(WaitUntil([&] { return grid->item(1, 1)->text().isEmpty(); }, 6000));
        EXPECT_TRUE(w.Window().Session().IsConnected());
        // Five in a row: the link is given up and reopened.
        EXPECT_TRUE(WaitUntil([&] { return Message(screen) == "Conexão perdida, reconectando…"; }, 20000));
        EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Não Conectado");
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
        Click(screen, "bbConectar"); // stops reconnecting
        EXPECT_TRUE(Message(screen).isEmpty());
    }
}

// A click on "Disconnect" during a poll's wait for a silent serial device ends the link there and
// then; the poll that was waiting is not taken for a lost link.
TEST(LinkHealth, DisconnectTakesEffectInsideAPollsWait) {
    TLoggedInWindow w({"--model", "T", "--silent-after", "2"}, Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Serial));
    TGeneralScreen* screen = w.General();
    screen->Timer()->stop();
    WaitUntil([] { return false; }, 2100);
    bool clicked = false;
    QTimer::singleShot(300, screen, [&] {
        clicked = w.Window().Session().IsPending(); // the poll is waiting for its reply
        Click(screen, "bbConectar");
    });
    QElapsedTimer tick;
    tick.start();
    screen->RunTick();
    // The wait ended at the click, long before the reply time-out of 2 s.
    EXPECT_LT(tick.elapsed(), 1500);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(w.Window().Session().IsConnected());
    screen->RunTick();
    EXPECT_TRUE(Message(screen).isEmpty());
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
    EXPECT_EQ(Find<QAbstractButton>(screen, "bbConectar")->text(), "Conectar Serial");
}

// A screen chosen while the general screen's poll waits for a slow serial device is read at once,
// the poll giving way: no "busy" box, no blank fields.
TEST(LinkHealth, AScreenChosenDuringAPollIsReadAtOnce) {
    constexpr int kOutputScreen = 3;
    TLoggedInWindow w({"--model", "T", "--delay-ms", "400"}, Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Serial));
    TGeneralScreen* general = w.General();
    general->Timer()->stop();
    QTimer::singleShot(100, general, [&] { w.Window().SelectScreen(kOutputScreen); });
    general->RunTick();
    auto* screen = qobject_cast<TScreen*>(w.Window().ShownScreen());
    ASSERT_NE(screen, general);
    EXPECT_FALSE(screen->Unread());
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
    int filled = 0;
    for (QLineEdit* edit : screen->findChildren<QLineEdit*>())
        filled += edit->isEnabled() && !edit->text().isEmpty() ? 1 : 0;
    EXPECT_GT(filled, 0);
    EXPECT_TRUE(w.Window().Session().IsConnected());
}

// The trend records only polls the device answered: no sample, and no CSV row, for a silent one.
TEST(LinkHealth, TheTrendHasNoSamplesForSilentPolls) {
    TLoggedInWindow w({"--model", "T", "--silent-after", "2", "--speak-after", "60"}, Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    TGeneralScreen* screen = w.General();
    screen->Timer()->stop();
    screen->Trend()->Restart();
    screen->RunTick();
    screen->RunTick();
    EXPECT_EQ(screen->Trend()->Buffer().Size(), 2U);
    WaitUntil([] { return false; }, 2100);
    for (int i = 0; i < 3; ++i)
        screen->RunTick();
    EXPECT_EQ(screen->Trend()->Buffer().Size(), 2U);
}

// A poll that finds the link held by another transaction (a download, a commit) is no failed
// poll. Before, the irrigation controller's general screen said "Equipamento desconectado" while
// its record download ran underneath.
TEST(LinkHealth, PollsOnABusyLinkAreNoFailedPolls) {
    TLoggedInWindow w({"--model", "IRR", "--delay-ms", "200"}, Family::kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    TGeneralScreen* screen = w.General();
    screen->Timer()->stop();
    screen->RunTick();
    const QString shown = Find<QTableWidget>(screen, "sgMedidas")->item(1, 1)->text();
    int polls = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, screen, [&] {
        ++polls;
        screen->RunTick();
    });
    timer.start(20);
    // Six reads held 200 ms each by the device: about sixty polls find the link busy.
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(w.Window().Session().ReadRegisters(1500, 1));
    timer.stop();
    EXPECT_GT(polls, 8);
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
    EXPECT_TRUE(w.Window().Session().IsConnected());
    EXPECT_EQ(Find<QTableWidget>(screen, "sgMedidas")->item(1, 1)->text(), shown);
}

// A screen shown while another transaction holds the link says so once and shows its inputs blank
// and disabled, never the image's zeros; shown again later, it reads and fills them.
TEST(LinkHealth, AScreenShownOnABusyLinkShowsNoValues) {
    constexpr int kOutputScreen = 3;
    TLoggedInWindow w({"--model", "T", "--delay-ms", "300"}, Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer()->stop();
    QTimer::singleShot(50, w.General(), [&] { w.Window().SelectScreen(kOutputScreen); });
    EXPECT_TRUE(w.Window().Session().ReadRegisters(1500, 1));
    auto* screen = qobject_cast<TScreen*>(w.Window().ShownScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(w.prompts.shown,
              QStringList({"error: A conexão está ocupada com outra operação; as configurações desta tela "
                           "não foram lidas e ficam em branco. Abra a tela novamente quando a operação "
                           "terminar."}));
    EXPECT_TRUE(screen->Unread());
    const auto edits = screen->findChildren<QLineEdit*>();
    ASSERT_FALSE(edits.isEmpty());
    for (QLineEdit* edit : edits) {
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
        EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
    }
    w.prompts.shown.clear();
    w.Window().SelectScreen(kOutputScreen);
    EXPECT_FALSE(screen->Unread());
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("; ").toStdString();
    int filled = 0;
    for (QLineEdit* edit : edits)
        filled += edit->isEnabled() && !edit->text().isEmpty() ? 1 : 0;
    EXPECT_GT(filled, 0);
}

// The network dialog of a device that does not answer its reads shows nothing to send. Before, it
// showed the image's zeros, and OK wrote them to the device as its address.
TEST(LinkHealth, TheNetworkDialogOfASilentDeviceSendsNothing) {
    TLoggedInWindow w({"--model", "T", "--silent-after", "2", "--speak-after", "60"}, Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer()->stop();
    WaitUntil([] { return false; }, 2100);
    QStringList texts;
    bool okEnabled = true;
    w.prompts.dialogs = {[&](QDialog& d) {
        for (const char* name : {"edIp", "edPort"}) {
            auto* box = Find<QLineEdit>(&d, name);
            texts << box->text() << (box->isEnabled() ? "enabled" : "disabled");
        }
        okEnabled = Find<QAbstractButton>(&d, "bbOk")->isEnabled();
        return static_cast<int>(QDialog::Rejected);
    }};
    Click(w.General(), "bbAlterarIP");
    EXPECT_EQ(texts, QStringList({"", "disabled", "", "disabled"}));
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(w.prompts.shown,
              QStringList({"error: O equipamento não respondeu à leitura das configurações de rede; elas "
                           "ficam em branco e não podem ser enviadas. Abra esta janela novamente para "
                           "tentar outra vez."}));
}

} // namespace
