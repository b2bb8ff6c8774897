#include "LoggedInWindow.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "ui/families/Form_QEL880IRR_Manual.h"
#include "ui/general/GeneralScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kIrrigation = 3;

// The irrigation general screen logged in; the manual dialog opened from it on demand.
struct TManual {
    explicit TManual(QStringList sim)
        : w((sim << "--model"
                 << "IRR"),
            kIrrigation) {
        connected = w.Connect(TLink::Tcp);
    }
    // Clicks bbManual and runs `script` while the dialog is shown.
    void Open(const std::function<void(TForm_QEL880IRR_Manual&)>& script) {
        w.prompts.dialogs = {[script](QDialog& d) {
            auto* manual = dynamic_cast<TForm_QEL880IRR_Manual*>(&d);
            EXPECT_NE(manual, nullptr) << d.objectName().toStdString();
            if (manual) {
                d.show();
                QApplication::setActiveWindow(&d);
                script(*manual);
                d.hide();
            }
            return static_cast<int>(QDialog::Rejected);
        }};
        Click(w.General(), "bbManual");
    }

    TLoggedInWindow w;
    bool connected = false;
};

QCheckBox* Box(QWidget& d, const QString& name) {
    return Find<QCheckBox>(&d, name);
}

// Types into the duration box and presses Enter, which commits it once.
void TypeDuration(QWidget& d, const QString& text) {
    auto* box = Find<QLineEdit>(&d, "edDuracao");
    box->setFocus();
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

// The checked boxes among the cycle branches, the pump and the valves, by name.
QStringList Checked(QWidget& d) {
    QStringList names;
    for (const QCheckBox* box : d.findChildren<QCheckBox*>())
        if (box->isChecked())
            names << box->objectName();
    names.sort();
    return names;
}

TEST(ManualDialog, OpensOverTheGeneralScreenWithTheDeviceSettings) {
    TManual m({"--set", "210=45", "--set", "211=5", "--set", "212=37"});
    ASSERT_TRUE(m.connected);
    QTimer* timer1 = m.w.General()->Timer();
    ASSERT_TRUE(timer1->isActive());
    const QPoint corner = m.w.General()->mapToGlobal(QPoint(50, 50));
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        EXPECT_EQ(d.pos(), corner);
        EXPECT_FALSE(timer1->isActive()); // the dialog polls on its own
        auto* timer = d.findChild<QTimer*>("TimerUpdate");
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 3500);
        EXPECT_EQ(Find<QLineEdit>(&d, "edDuracao")->text(), "45");
        EXPECT_EQ(Checked(d), QStringList({"cbCicloValvula1", "cbCicloValvula3", "cbManualBomba",
                                           "cbValvula2", "cbValvula5"}));
    });
    EXPECT_EQ(m.w.prompts.dialogNames.last(), "Form_QEL880IRR_Manual");
    const qsizetype shown = m.w.prompts.dialogNames.size();
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(m.w.General()->findChild<TForm_QEL880IRR_Manual*>(), nullptr);
    EXPECT_TRUE(m.w.prompts.shown.isEmpty());

    // Not connected, the button opens nothing (an unscripted dialog would fail the test).
    Click(m.w.General(), "bbConectarUsb");
    ASSERT_FALSE(m.w.Window().Session().IsConnected());
    Click(m.w.General(), "bbManual");
    EXPECT_EQ(m.w.prompts.dialogNames.size(), shown);
}

TEST(ManualDialog, EachChangeIsWrittenAsItIsMade) {
    TManual m({"--set", "211=0", "--set", "212=0"});
    ASSERT_TRUE(m.connected);
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        // Pump, valve 2 and valve 5 by hand.
        for (const char* name : {"cbManualBomba", "cbValvula2", "cbValvula5"})
            Box(d, name)->click();
        EXPECT_EQ(m.w.Device(212), 1 + 4 + 32);
        Box(d, "cbValvula2")->click();
        EXPECT_EQ(m.w.Device(212), 1 + 32);
        // The manual cycle's branches 2 and 4, then its duration.
        Box(d, "cbCicloValvula2")->click();
        Box(d, "cbCicloValvula4")->click();
        EXPECT_EQ(m.w.Device(211), 2 + 8);
        const std::pair<const char*, int> durations[] = {{"90", 90}, {" 0 ", 0}, {"1440", 1440}};
        for (const auto& [typed, minutes] : durations) {
            TypeDuration(d, typed);
            EXPECT_EQ(m.w.Device(210), minutes) << typed;
        }
        EXPECT_EQ(m.w.Device(211), 2 + 8);
        EXPECT_EQ(m.w.Device(212), 1 + 32);
    });
    EXPECT_TRUE(m.w.prompts.shown.isEmpty()) << m.w.prompts.shown.join("; ").toStdString();
}

TEST(ManualDialog, AnInvalidDurationIsSaidAndTheOtherSettingsAreStillWritten) {
    TManual m({"--set", "210=45", "--set", "211=0", "--set", "212=0"});
    ASSERT_TRUE(m.connected);
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        for (const char* typed : {"1441", "abc", "-1", "", "12.5"}) {
            m.w.prompts.shown.clear();
            TypeDuration(d, typed);
            EXPECT_EQ(m.w.prompts.shown, QStringList({QString("error: Valor numérico inválido: ") + typed}))
                << typed;
            EXPECT_EQ(m.w.Device(210), 45) << typed;
        }
        // A box clicked while the duration is wrong: the branches and outputs still go, and the box
        // shows the device's duration again.
        m.w.prompts.shown.clear();
        Find<QLineEdit>(&d, "edDuracao")->setText("1441");
        Box(d, "cbCicloValvula5")->click();
        EXPECT_EQ(m.w.prompts.shown, QStringList({"error: Valor numérico inválido: 1441"}));
        EXPECT_EQ(Find<QLineEdit>(&d, "edDuracao")->text(), "45");
        Box(d, "cbValvula1")->click();
        EXPECT_EQ(m.w.prompts.shown.size(), 1);
        EXPECT_EQ(m.w.Device(211), 16);
        EXPECT_EQ(m.w.Device(212), 2);
        EXPECT_EQ(m.w.Device(210), 45);
    });
}

TEST(ManualDialog, TheTimerShowsWhatTheDeviceHoldsWithoutWriting) {
    TManual m({"--set", "210=45"});
    ASSERT_TRUE(m.connected);
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        ASSERT_TRUE(m.w.SetDevice(211, 16));
        ASSERT_TRUE(m.w.SetDevice(212, 6));
        d.TimerUpdateTimer();
        EXPECT_EQ(Checked(d), QStringList({"cbCicloValvula5", "cbValvula1", "cbValvula2"}));
        // What is being typed stays, and a refresh is no commit.
        auto* box = Find<QLineEdit>(&d, "edDuracao");
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        box->setText("77");
        ASSERT_TRUE(m.w.SetDevice(210, 12));
        ASSERT_TRUE(m.w.SetDevice(212, 0));
        d.TimerUpdateTimer();
        EXPECT_EQ(box->text(), "77");
        EXPECT_EQ(Checked(d), QStringList({"cbCicloValvula5"}));
        EXPECT_EQ(m.w.Device(210), 12);
        box->clearFocus(); // leaving the box commits it
        EXPECT_EQ(m.w.Device(210), 77);
    });
    EXPECT_TRUE(m.w.prompts.shown.isEmpty()) << m.w.prompts.shown.join("; ").toStdString();
}

TEST(ManualDialog, StartAndStopTheCycle) {
    // Branch 1 for five minutes; the last cycle's water is zeroed as a cycle starts.
    TManual m({"--set", "210=5", "--set", "211=1", "--last-cycle-water", "500"});
    ASSERT_TRUE(m.connected);
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        Click(&d, "bbCicloManual");
        EXPECT_EQ(m.w.prompts.shown, QStringList({"information: Comando enviado"}));
        EXPECT_EQ(m.w.Device(1006), 0);
        // The device runs the pump and valve 1 from its next second on.
        EXPECT_TRUE(WaitUntil([&] { return m.w.Device(1100) == 1 && m.w.Device(1101) == 1; }));
        Click(&d, "bbCicloManualCancelar");
        EXPECT_EQ(m.w.prompts.shown.last(), "information: Comando enviado");
        EXPECT_TRUE(WaitUntil([&] { return m.w.Device(1100) == 0 && m.w.Device(1101) == 0; }));
        // Neither button writes the cycle settings.
        EXPECT_EQ(m.w.Device(211), 1);
        EXPECT_EQ(m.w.Device(212), 0);

        m.w.Window().Session().Close();
        Click(&d, "bbCicloManual");
        EXPECT_EQ(m.w.prompts.shown.last(), "error: Erro no envio do comando");
    });
}

TEST(ManualDialog, ATransactionStillWaitingForItsAnswerIsACommunicationError) {
    // Replies come late, so that the dialog's refresh is still waiting when the clicks arrive.
    TManual m({"--delay-ms", "100"});
    ASSERT_TRUE(m.connected);
    m.Open([&](TForm_QEL880IRR_Manual& d) {
        QTimer::singleShot(0, &d, [&d] { Click(&d, "bbCicloManual"); });
        d.TimerUpdateTimer();
        EXPECT_EQ(m.w.prompts.shown, QStringList({"error: Erro de comunicação com o equipamento"}));

        // A change made meanwhile does not reach the device, and the box shows so afterwards.
        m.w.prompts.shown.clear();
        QTimer::singleShot(0, &d, [&d] { Box(d, "cbManualBomba")->click(); });
        d.TimerUpdateTimer();
        EXPECT_EQ(m.w.prompts.shown, QStringList({"error: Erro de comunicação com o equipamento"}));
        EXPECT_EQ(m.w.Device(212), 0);
        EXPECT_FALSE(Box(d, "cbManualBomba")->isChecked());

        // Nothing waiting: the command goes.
        m.w.prompts.shown.clear();
        Click(&d, "bbCicloManual");
        EXPECT_EQ(m.w.prompts.shown, QStringList({"information: Comando enviado"}));
    });
}

TEST(ManualDialog, Languages) {
    TManual m({"--delay-ms", "20"});
    ASSERT_TRUE(m.connected);
    const QStringList expected[] = {
        {"Ciclo Manual",
         "Ciclo Manual",
         "Ramal 1",
         "Ramal 2",
         "Ramal 3",
         "Ramal 4",
         "Ramal 5",
         "Duração (min)",
         "Iniciar Ciclo",
         "Parar Ciclo",
         "Controle Manual",
         "Bomba",
         "Ramal 1",
         "Ramal 2",
         "Ramal 3",
         "Ramal 4",
         "Ramal 5",
         "information: Comando enviado",
         "error: Valor numérico inválido: x",
         "error: Erro de comunicação com o equipamento",
         "error: Erro no envio do comando"},
        {"Manual Cycle",
         "Manual Cycle",
         "Branch 1",
         "Branch 2",
         "Branch 3",
         "Branch 4",
         "Branch 5",
         "Duration (min)",
         "Start Cycle",
         "Stop Cycle",
         "Manual Control",
         "Pump",
         "Branch 1",
         "Branch 2",
         "Branch 3",
         "Branch 4",
         "Branch 5",
         "information: Command sent",
         "error: Invalid numeric value: x",
         "error: Communication error",
         "error: Error sending the command"},
        {"Ciclo Manual",
         "Ciclo Manual",
         "Rama 1",
         "Rama 2",
         "Rama 3",
         "Rama 4",
         "Rama 5",
         "Duración (min)",
         "Empezar Ciclo",
         "Parar Ciclo",
         "Control Manual",
         "Bomba",
         "Rama 1",
         "Rama 2",
         "Rama 3",
         "Rama 4",
         "Rama 5",
         "information: Comando enviado",
         "error: Valor numérico inválido: x",
         "error: Error de comunicacion",
         "error: Error en el envío del comando"},
    };
    for (int language = 0; language < 3; ++language) {
        m.w.Window().ApplyLanguage(language);
        m.w.prompts.shown.clear();
        QStringList texts;
        m.Open([&](TForm_QEL880IRR_Manual& d) {
            texts << d.windowTitle() << Find<QGroupBox>(&d, "gbCicloManual")->title();
            for (int n = 1; n <= 5; ++n)
                texts << Box(d, QString("cbCicloValvula%1").arg(n))->text();
            texts << Find<QLabel>(&d, "lblDuracao")->text() << Find<QPushButton>(&d, "bbCicloManual")->text()
                  << Find<QPushButton>(&d, "bbCicloManualCancelar")->text()
                  << Find<QGroupBox>(&d, "gbControleManual")->title() << Box(d, "cbManualBomba")->text();
            for (int n = 1; n <= 5; ++n)
                texts << Box(d, QString("cbValvula%1").arg(n))->text();
            // The messages: a command sent, a wrong duration, a refresh still waiting, no link.
            Click(&d, "bbCicloManualCancelar");
            TypeDuration(d, "x");
            QTimer::singleShot(0, &d, [&d] { Click(&d, "bbCicloManualCancelar"); });
            d.TimerUpdateTimer();
            m.w.General()->Disconnect();
            Click(&d, "bbCicloManual");
        });
        texts << m.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
        ASSERT_TRUE(m.w.Connect(TLink::Tcp));
    }
}

} // namespace
