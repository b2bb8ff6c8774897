#include "LoggedInWindow.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/ProgramMainConf.h"
#include "ui/general/FrameConfGeral.h"
#include "ui/general/GeneralScreen.h"
#include "ui/service/FormDetectFalhaParam.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;

QStringList SetFloat(int reg, float value) {
    const auto [low, high] = NumberRules::WordsFromFloat(value);
    return {"--set", QString("%1=%2").arg(reg).arg(low), "--set", QString("%1=%2").arg(reg + 1).arg(high)};
}

// A membrane-test monitor, logged in over the serial link it is served on.
struct TMembrane {
    explicit TMembrane(const QStringList& sim) : w(QStringList{"--model", "T-membrane"} + sim, kThermal) {
        connected = w.Connect(TLink::Serial);
    }
    // The dialog as the general screen would create it, without the modal wait.
    TFormDetectFalhaParam& Open(int language = 0) {
        dialog = std::make_unique<TFormDetectFalhaParam>(w.Window().Context(), language, &w.Window());
        dialog->show();
        // The test drives the ticks itself.
        dialog->findChild<QTimer*>("timerUpdate")->stop();
        return *dialog;
    }
    QString Panel(const char* name) { return Find<QLabel>(dialog.get(), name)->text(); }
    QStringList Values() {
        QStringList cells;
        for (int row = 1; row <= 7; ++row)
            cells << Find<QTableWidget>(dialog.get(), "sgValores")->item(row, 1)->text();
        return cells;
    }

    TLoggedInWindow w;
    bool connected = false;
    std::unique_ptr<TFormDetectFalhaParam> dialog;
};

TEST(MembraneFailure, TheGeneralScreenOpensItWithItsOwnPollingStopped) {
    TMembrane m({"--hold-live", "--set", "1209=2"});
    ASSERT_TRUE(m.connected);
    const QString measure = QString::asprintf("Medida Atual:  %.1f", (m.w.Device(510).value_or(0) - 1500) / 10.0);
    auto* screen = dynamic_cast<TFrameConfGeral*>(m.w.General());
    ASSERT_NE(screen, nullptr);
    auto* button = Find<QPushButton>(screen, "BitBtn1");
    EXPECT_TRUE(button->isVisible());
    ASSERT_TRUE(screen->Timer()->isActive());
    bool checked = false;
    m.w.prompts.dialogs.push_back([&](QDialog& dialog) {
        checked = true;
        EXPECT_EQ(dialog.objectName(), "FormDetectFalhaParam");
        EXPECT_EQ(dialog.pos(), screen->mapToGlobal(QPoint(200, 200)));
        EXPECT_FALSE(screen->Timer()->isActive());
        auto* timer = dialog.findChild<QTimer*>("timerUpdate");
        EXPECT_TRUE(timer && timer->isActive() && timer->interval() == 1000);
        EXPECT_EQ(Find<QLabel>(&dialog, "pnEstado")->text(), "Estado:  Estímulo");
        EXPECT_EQ(Find<QLabel>(&dialog, "pnMedida")->text(), measure);
        return 0;
    });
    button->click();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(screen->Timer()->isActive());
}

TEST(MembraneFailure, ShowsTheRoutineAndSendsItsParametersInItsUnits) {
    TMembrane m(QStringList{"--hold-live", "--set", "1209=9"} + SetFloat(1210, 0.123456f));
    ASSERT_TRUE(m.connected);
    TFormDetectFalhaParam& d = m.Open(1);
    EXPECT_EQ(d.windowTitle(), "Detect Membrane Failure");
    EXPECT_EQ(m.Values(), QStringList({"60.0", "600.0", "240.0", "120.0", "10", "20", "0.5"}));
    EXPECT_EQ(m.Panel("pnResult"), "Result:  0.12346");
    EXPECT_EQ(m.Panel("pnEstado"), "Unknown State");
    d.ApplyLanguage(2);
    EXPECT_EQ(m.Panel("pnEstado"), "Estado desconocido");

    TypeInCell(d, 1, 1, "2000");
    TypeInCell(d, 2, 1, "61,2");
    TypeInCell(d, 5, 1, "1500");
    TypeInCell(d, 7, 1, "300");
    Click(&d, "bbEnvia");
    EXPECT_EQ(m.w.DeviceRun(1202, 7), std::vector<int>({1200, 51, 200, 100, 1440, 20, 2000}));
    // The first cell that is no number stops the whole send.
    TypeInCell(d, 3, 1, "abc");
    TypeInCell(d, 1, 1, "60");
    Click(&d, "bbEnvia");
    EXPECT_EQ(m.w.prompts.shown, QStringList({"error: Valor inválido: abc"}));
    EXPECT_EQ(m.w.DeviceRun(1202, 1), std::vector<int>({1200}));
}

TEST(MembraneFailure, LogsEachTickAndTheResultOnEnteringDeadTime) {
    // The routine enters Dead Time within two seconds of the start.
    TMembrane m({"--set", "1209=3"});
    ASSERT_TRUE(m.connected);
    TFormDetectFalhaParam& d = m.Open();
    auto* save = Find<QPushButton>(&d, "sbSalvar");

    // A cancelled file dialog leaves the button up.
    m.w.prompts.files.push_back("");
    save->click();
    EXPECT_FALSE(save->isChecked());

    const QString path = m.w.Folder() + "membrana.txt";
    m.w.prompts.files.push_back(path);
    save->click();
    ASSERT_TRUE(save->isChecked());
    EXPECT_EQ(QString::fromStdString(m.w.Window().Settings().detectFalhaSave), path);
    int ticks = 0;
    int changes = 0;
    int deadTimes = 0;
    int previous = m.w.Window().Session().FetchRegister(1209);
    ASSERT_TRUE(WaitUntil(
        [&] {
            d.timerUpdateTimer();
            ++ticks;
            const int state = m.w.Window().Session().FetchRegister(1209);
            changes += state != previous ? 1 : 0;
            deadTimes += state != previous && state == 5 ? 1 : 0;
            previous = state;
            QTest::qWait(200);
            return deadTimes == 1;
        },
        8000));
    d.timerUpdateTimer(); // a tick without change
    ++ticks;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), ticks + changes + deadTimes);
    const qsizetype dead = lines.indexOf("Estado:  Tempo Morto");
    ASSERT_GE(dead, 0) << lines.join(" | ").toStdString();
    const auto [low, high] = std::pair{m.w.Window().Session().FetchRegister(1210),
                                       m.w.Window().Session().FetchRegister(1211)};
    EXPECT_EQ(lines.value(dead + 1),
              QString::asprintf("Result:  %.5f", static_cast<double>(NumberRules::FloatFromWords(low, high))));
    EXPECT_TRUE(lines.value(dead + 2).startsWith("Medida Atual:  "));
    EXPECT_TRUE(lines.last().startsWith("Medida Atual:  "));

    // Released, the file keeps what it had.
    save->click();
    d.timerUpdateTimer();
    file.seek(0);
    EXPECT_EQ(file.readAll(), bytes);
    EXPECT_EQ(m.w.prompts.shown, QStringList({"save: Salvar Dados", "save: Salvar Dados"}));

    // A file that cannot be written stops the logging once, with a message, not every second.
    m.w.prompts.files.push_back(m.w.Folder() + "missing/membrana.txt");
    save->click();
    d.timerUpdateTimer();
    d.timerUpdateTimer();
    EXPECT_FALSE(save->isChecked());
    EXPECT_EQ(m.w.prompts.shown.mid(3),
              QStringList({"error: Erro ao gravar o arquivo de medidas. O registro foi interrompido."}));
}

} // namespace
