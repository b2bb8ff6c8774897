#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/common/Screen.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;
constexpr int kEventScreen = 4;

// The window logged in and showing the event screen.
struct TEventScreen {
    TEventScreen(const QStringList& sim, TLink link = TLink::Tcp) : w(sim, kThermal) {
        connected = w.Connect(link);
        w.Window().SelectScreen(kEventScreen);
    }
    QWidget* Screen() { return w.Window().ShownScreen(); }
    // Downloads into `name` in the fixture's folder; the file's lines, each checked for its CR LF.
    QStringList Download(const QString& name = "events.txt") {
        const QString path = w.Folder() + name;
        w.prompts.files = {path};
        Click(Screen(), "bbBaixarEventos");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {"(no file)"};
        const QString text = QString::fromLatin1(file.readAll());
        QStringList lines = text.split("\r\n");
        EXPECT_EQ(lines.takeLast(), "") << "the last line has no CR LF";
        EXPECT_FALSE(text.contains(QRegularExpression("[^\r]\n")));
        return lines;
    }
    QString Progress() { return Find<QLabel>(Screen(), "pnMensagem")->text(); }

    TLoggedInWindow w;
    bool connected = false;
};

TEST(EventScreen, DownloadsTheLogBlockByBlockWithItsProgress) {
    TEventScreen s({"--model", "T", "--events", "25", "--set", "1020=1", "--set", "1003=2"});
    ASSERT_TRUE(s.connected);
    EXPECT_TRUE(s.Screen()->findChild<QTimer*>("timerUpdate")->isActive());
    EXPECT_EQ(Find<QLabel>(s.Screen(), "pnNumEventos")->text(), "Num. Eventos Gravados: 25");
    // Each block's selector as the device confirms it, with the progress shown at that moment.
    QStringList selectors;
    s.w.Window().Session().SetValueObserver([&](int reg, std::uint16_t value) {
        if (reg == 801)
            selectors << QString("%1 %2").arg(value).arg(s.Progress());
    });
    const QStringList lines = s.Download();
    EXPECT_EQ(selectors, QStringList({"24 Baixando... (0 / 25)", "14 Baixando... (10 / 25)",
                                      "4 Baixando... (20 / 25)"}));
    EXPECT_EQ(s.Progress(), "Baixando... (25 / 25)");
    EXPECT_FALSE(Find<QWidget>(s.Screen(), "FormNotificacao")->isVisible());
    EXPECT_EQ(s.w.prompts.shown, QStringList({"save: Salvar Eventos", "information: Download Concluído"}));
    ASSERT_EQ(lines.size(), 25);
    // One winding and two RTDs: only their temperatures before the relay bits.
    const QRegularExpression line(
        R"(^\d\d/\d\d/\d\d \d\d:\d\d:\d\d:\d{3}  Enr1: -?\d+\.\d RTD1: -?\d+\.\d RTD2: -?\d+\.\d Rele:( [01]){10}$)");
    for (const QString& l : lines)
        EXPECT_TRUE(line.match(l).hasMatch()) << l.toStdString();
    EXPECT_EQ(QString::fromStdString(s.w.Window().Settings().lastEventLogPath), s.w.Folder() + "events.txt");
    s.w.Window().SelectScreen(0);
    EXPECT_FALSE(s.w.Window().findChild<QTimer*>("timerUpdate")->isActive());
}

TEST(EventScreen, AnEmptyLogGivesAnEmptyFile) {
    TEventScreen s({"--model", "T", "--events", "0"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Download(), QStringList());
    EXPECT_EQ(s.w.prompts.shown.last(), "information: Download Concluído");
}

TEST(EventScreen, ADroppedBlockReplyOverThePtyIsTriedAgain) {
    TEventScreen s({"--model", "T", "--events", "25", "--drop-first", "1810"}, TLink::Usb);
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Download().size(), 25);
    EXPECT_EQ(s.w.prompts.shown.last(), "information: Download Concluído");
}

TEST(EventScreen, ALinkLostMidwayKeepsTheLinesAlreadyRead) {
    // The connection closes on the second block's selector.
    TEventScreen s({"--model", "T", "--events", "25", "--close-on", "801=14"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Download().size(), 10);
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"save: Salvar Eventos", "error: Erro no download dos eventos do equipamento"}));
}

TEST(EventScreen, AFileThatCannotBeWrittenIsAnError) {
    TEventScreen s({"--model", "T", "--events", "3"});
    ASSERT_TRUE(s.connected);
    s.w.prompts.files = {s.w.Folder() + "no such folder/events.txt"};
    Click(s.Screen(), "bbBaixarEventos");
    EXPECT_EQ(s.w.prompts.shown, QStringList({"save: Salvar Eventos", "error: Erro ao salvar o arquivo."}));
}

TEST(EventScreen, CancellingTheFileTalksToNothing) {
    TEventScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    s.w.Window().Settings().lastEventLogPath = "/tmp/before/events.txt";
    const std::uint32_t sent = s.w.Window().Session().TransactionCounter();
    s.w.prompts.files = {""};
    Click(s.Screen(), "bbBaixarEventos");
    EXPECT_EQ(s.w.prompts.fileFolders, QStringList({"/tmp/before"}));
    EXPECT_EQ(s.w.Window().Settings().lastEventLogPath, "/tmp/before/events.txt");
    EXPECT_EQ(s.w.Window().Session().TransactionCounter(), sent);
}

TEST(EventScreen, ErasedEventsAreCountedAgainAndDownloadEmpty) {
    TEventScreen s({"--model", "T", "--events", "25"});
    ASSERT_TRUE(s.connected);
    s.w.prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(s.Screen(), "bbApagarEventos");
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"question: Deseja apagar todos os eventos?", "information: Eventos apagados"}));
    EXPECT_EQ(Find<QLabel>(s.Screen(), "pnNumEventos")->text(), "Num. Eventos Gravados: 0");
    EXPECT_EQ(s.Download(), QStringList());
}

TEST(EventScreen, EventsErasedBehindTheScreensBackAreNotDownloaded) {
    TEventScreen s({"--model", "T", "--events", "25"});
    ASSERT_TRUE(s.connected);
    ASSERT_TRUE(s.w.SetDevice(3000, 100)); // another client erases the log
    EXPECT_EQ(s.Download(), QStringList());
    EXPECT_EQ(Find<QLabel>(s.Screen(), "pnNumEventos")->text(), "Num. Eventos Gravados: 0");
}

TEST(EventScreen, MaximaWithTheirMomentsAndTheirReset) {
    // Winding 1 at 250 ºC on 14/11/23 22:13:20.123, beyond anything the simulated load reaches.
    TEventScreen s({"--model", "T", "--set", "701=250", "--set", "1710=26747", "--set", "1711=53221", "--set",
                    "1712=395"});
    ASSERT_TRUE(s.connected);
    auto* grid = Find<QTableWidget>(s.Screen(), "sgMaximos");
    EXPECT_EQ(grid->item(1, 1)->text(), "250 ºC");
    EXPECT_EQ(grid->item(1, 2)->text(), "1700000000123");
    EXPECT_EQ(grid->item(1, 3)->text(), "14/11/23 22:13:20:123");
    s.w.prompts.answers = {TUserPrompts::TAnswer::No, TUserPrompts::TAnswer::Yes};
    Click(s.Screen(), "bbZerarMaximos");
    EXPECT_EQ(s.w.Device(701), 250);
    Click(s.Screen(), "bbZerarMaximos");
    EXPECT_EQ(s.w.prompts.shown.last(), "question: Deseja zerar os máximos?");
    // The device records a new maximum as soon as a temperature passes the reset one.
    EXPECT_LT(s.w.Device(701).value_or(250), 250);
    EXPECT_NE(s.w.Device(1712).value_or(395), 395);
}

TEST(EventScreen, EventTimerLimits) {
    TEventScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const std::pair<const char*, int> accepted[] = {{"0", 0}, {"60", 60}, {" 15 ", 15}};
    for (const auto& [typed, value] : accepted) {
        s.w.TypeAndCommit("edTimerEventos", typed);
        EXPECT_EQ(s.w.Device(214), value) << typed;
    }
    for (const char* typed : {"61", "-1", "1.5", ""}) {
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit("edTimerEventos", typed);
        EXPECT_EQ(s.w.prompts.shown,
                  QStringList({"error: Valor de timer de eventos inválido. Deve ser um valor entre 0 e 60"}))
            << typed;
        EXPECT_EQ(s.w.Device(214), 15) << typed;
    }
}

TEST(EventScreen, Languages) {
    TEventScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const QStringList names{"bbZerarMaximos", "bbBaixarEventos", "bbApagarEventos", "lblTimerEventos",
                            "sgMaximos"};
    const QStringList expected[] = {
        {"Zerar Máximos", "Baixar Eventos", "Apagar Eventos", "Timer Eventos (em min., 0 = desligado)", "",
         "Enr 1", "Enr 2", "Enr 3", "RTD 1", "RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6", "Temp. Máxima",
         "Timestamp48", "Horário"},
        {"Reset Max", "Download Events", "Erase Events", "Event Timer (in minutes, 0 = off)", "", "Wind 1",
         "Wind 2", "Wind 3", "RTD 1", "RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6", "Max Temp.", "Timestamp48",
         "Time"},
        {"Reajustar Máximos", "Descargar Eventos", "Borrar Eventos", "Timer Eventos (en min., 0 = apagado)",
         "", "Dev 1", "Dev 2", "Dev 3", "RTD 1", "RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6", "Temp. Máxima",
         "Timestamp48", "Horario"},
    };
    for (int language = 0; language < 3; ++language) {
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]) << language;
    }
    EXPECT_TRUE(Find<QLabel>(s.Screen(), "pnNumEventos")->text().startsWith("Núm. Eventos Grabados: "));
}

} // namespace
