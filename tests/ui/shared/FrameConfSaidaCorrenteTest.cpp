#include "FramedClient.h"
#include "LoggedInWindow.h"
#include "SimProcess.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"
#include "ui/general/GeneralScreen.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kOutputScreen = 3;
constexpr int kEnglish = 1;

QStringList Args(const char* model, const QStringList& presets = {}) {
    QStringList args{"--model", model};
    for (const QString& p : presets)
        args << "--set" << p;
    return args;
}

// The window on the outputs screen of a device connected over TCP.
void ShowOutputs(TLoggedInWindow& w, int language = 0) {
    w.Window().ApplyLanguage(language);
    ASSERT_TRUE(w.Connect(TLink::Tcp)) << w.prompts.shown.join("\n").toStdString();
    w.Window().SelectScreen(kOutputScreen);
}

TScreen* Screen(TLoggedInWindow& w) {
    return w.Window().ShownScreen();
}

QComboBox* List(TLoggedInWindow& w, int output) {
    return Find<QComboBox>(Screen(w), QStringLiteral("cbSaidaAssociada%1").arg(output));
}

QStringList Items(TLoggedInWindow& w, int output) {
    QStringList items;
    QComboBox* list = List(w, output);
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// The user picks a position in an output's list.
void Choose(TLoggedInWindow& w, int output, int position) {
    QComboBox* list = List(w, output);
    list->setCurrentIndex(position);
    emit list->activated(position);
}

bool Shown(TLoggedInWindow& w, const QString& name) {
    return Find<QWidget>(Screen(w), name)->isVisibleTo(Screen(w));
}

// Which of the screen's controls are shown, in one text: "rgEscala edFundoEscala ...".
QString ShownControls(TLoggedInWindow& w) {
    QStringList shown;
    for (const char* name :
         {"rgEscala", "pnEscala0_1ma", "edFundoEscala", "edFundoEscalaCorrente", "cbSaidaAssociada0",
          "cbSaidaAssociada1", "cbSaidaAssociada2", "cbSaidaAssociada3"})
        if (Shown(w, name))
            shown << name;
    return shown.join(' ');
}

int Range(TLoggedInWindow& w) {
    return Find<TRadioGroup>(Screen(w), "rgEscala")->ItemIndex();
}

QString Error(const char* text) {
    return QString("error: ") + text;
}

TEST(FrameConfSaidaCorrente, ThermalChannelsFromWindingsAndRtds) {
    TLoggedInWindow w(Args("T", {"1020=2", "1003=4", "1021=4"}), Family::kThermal);
    ShowOutputs(w, kEnglish);
    const QStringList names{"Oil", "Winding 1", "Winding 2", "RTD 2", "RTD 3", "RTD 4"};
    for (int output = 0; output < 4; ++output)
        EXPECT_EQ(Items(w, output), names) << output;
    const int codes[] = {0, 1, 2, 4, 5, 6};
    for (int position = 5; position >= 0; --position) {
        Choose(w, 3, position);
        EXPECT_EQ(w.Device(313), codes[position]) << position;
    }
    EXPECT_EQ(w.Device(310), 0); // the other outputs untouched
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

TEST(FrameConfSaidaCorrente, ThermalCountsFromTheDeviceAreBounded) {
    struct Case {
        QStringList presets;
        int entries;
        const char* last;
        const char* shown;
    };
    const Case cases[] = {
        {{"1020=9", "1003=60000", "1021=60000"},
         9,
         "RTD 6",
         "rgEscala edFundoEscala cbSaidaAssociada0 cbSaidaAssociada1 cbSaidaAssociada2 cbSaidaAssociada3"},
        {{"1020=0", "1003=0", "1021=0"}, 1, "Oil", "rgEscala edFundoEscala cbSaidaAssociada0"},
        {{"1020=1", "1003=1", "1021=2"},
         2,
         "Winding 1",
         "rgEscala edFundoEscala cbSaidaAssociada0 cbSaidaAssociada1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presets.join(' ').toStdString());
        TLoggedInWindow w(Args("T", c.presets), Family::kThermal);
        ShowOutputs(w, kEnglish);
        EXPECT_EQ(List(w, 0)->count(), c.entries);
        EXPECT_EQ(Items(w, 0).value(c.entries - 1), c.last);
        EXPECT_EQ(ShownControls(w), c.shown);
    }
}

TEST(FrameConfSaidaCorrente, MembraneDeviceHasOnlyTheOil) {
    TLoggedInWindow w(Args("T-membrane", {"1020=3", "1003=6", "1021=4"}), Family::kThermal);
    w.Window().ApplyLanguage(kEnglish);
    ASSERT_TRUE(w.Connect(TLink::Serial));
    w.Window().SelectScreen(kOutputScreen);
    EXPECT_EQ(Items(w, 0), QStringList{"Oil"});
    EXPECT_EQ(ShownControls(w), "rgEscala edFundoEscala cbSaidaAssociada0");
}

// Another device on the same window shows its own channels only, and a channel code its list does
// not have is neither shown as some other channel nor written back.
TEST(FrameConfSaidaCorrente, ADeviceWithFewerChannelsAfterOneWithMore) {
    TLoggedInWindow w(Args("T", {"1020=3", "1003=6"}), Family::kThermal);
    ShowOutputs(w, kEnglish);
    ASSERT_EQ(List(w, 0)->count(), 9);
    Choose(w, 0, 8);
    EXPECT_EQ(w.Device(310), 8); // RTD 6

    TSimProcess second(Args("T", {"1020=1", "1003=2", "310=8", "311=1"}));
    ASSERT_TRUE(second.IsReady());
    w.Window().SelectScreen(0);
    w.General()->Disconnect();
    w.prompts.dialogs = {[](QDialog& d) {
        Find<QLineEdit>(&d, "edSenha")->setText("JUXT");
        return static_cast<int>(QDialog::Accepted);
    }};
    ASSERT_TRUE(w.General()->ConnectNetwork("127.0.0.1", "", second.Port()));
    w.Window().SelectScreen(kOutputScreen);
    EXPECT_EQ(Items(w, 0), (QStringList{"Oil", "Winding 1", "RTD 2"}));
    EXPECT_EQ(List(w, 0)->currentIndex(), -1);
    EXPECT_EQ(List(w, 1)->currentText(), "Winding 1");

    w.TypeAndCommit("edFundoEscala", "99");
    TFramedClient device;
    ASSERT_TRUE(device.Connect(second.Port()));
    const auto reply = device.Read({302, 310});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->values.at(302), 99);
    EXPECT_EQ(reply->values.at(310), 8);
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

TEST(FrameConfSaidaCorrente, UnknownChannelCodeKeepsTheSelectionUnwritten) {
    TLoggedInWindow w(Args("T", {"311=2"}), Family::kThermal);
    ShowOutputs(w, kEnglish);
    EXPECT_EQ(List(w, 1)->currentText(), "Winding 2");
    ASSERT_TRUE(w.SetDevice(311, 99));
    w.Window().SelectScreen(kOutputScreen); // read again
    EXPECT_EQ(List(w, 1)->currentText(), "Winding 2");
    w.TypeAndCommit("edFundoEscala", "12");
    EXPECT_EQ(w.Device(302), 12);
    EXPECT_EQ(w.Device(311), 99);
    Choose(w, 1, 2);
    EXPECT_EQ(w.Device(311), 2); // chosen by the user: written
}

TEST(FrameConfSaidaCorrente, RangeShownOrFixedAndWrittenOnlyWhenChosen) {
    struct Case {
        int board;
        int range;
        int shownItem; // -1: the fixed panel instead
    };
    const Case cases[] = {{1, 3, 3}, {1, 0, 0}, {1, 7, 0}, {2, 7, -1}, {2, 3, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "board " << c.board << " range " << c.range);
        TLoggedInWindow w(
            Args("T", {QStringLiteral("2660=%1").arg(c.board), QStringLiteral("301=%1").arg(c.range)}),
            Family::kThermal);
        ShowOutputs(w);
        const bool fixed = c.shownItem < 0;
        EXPECT_EQ(Shown(w, "pnEscala0_1ma"), fixed);
        EXPECT_EQ(Shown(w, "rgEscala"), !fixed);
        if (!fixed) {
            EXPECT_EQ(Range(w), c.shownItem);
        }
        w.TypeAndCommit("edFundoEscala", "200");
        EXPECT_EQ(w.Device(302), 200);
        EXPECT_EQ(w.Device(301), c.range);
        if (!fixed) {
            Click(Screen(w), "rgEscala_0");
            EXPECT_EQ(w.Device(301), 0);
        }
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
    }
}

TEST(FrameConfSaidaCorrente, FullScalesTypedAndChecked) {
    TLoggedInWindow w(Args("R"), Family::kRegulator);
    ShowOutputs(w);
    EXPECT_EQ(Find<QLineEdit>(Screen(w), "edFundoEscalaCorrente")->text(), "10.0");
    const char* current =
        "Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.";
    const char* full = "Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.";
    struct Case {
        const char* box;
        const char* text;
        int reg;
        int expected;
        const char* message;
    };
    const Case cases[] = {
        {"edFundoEscalaCorrente", "2,5", 303, 25, nullptr},
        {"edFundoEscalaCorrente", "0.9", 303, 25, current},
        {"edFundoEscalaCorrente", "10.5", 303, 25, current},
        {"edFundoEscalaCorrente", "0.96", 303, 25, current},
        {"edFundoEscalaCorrente", "10", 303, 100, nullptr},
        {"edFundoEscalaCorrente", "1.0", 303, 10, nullptr},
        {"edFundoEscala", "255", 302, 255, nullptr},
        {"edFundoEscala", "256", 302, 255, full},
        {"edFundoEscala", "-1", 302, 255, full},
        {"edFundoEscala", "0", 302, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        w.prompts.shown.clear();
        w.TypeAndCommit(c.box, c.text);
        EXPECT_EQ(w.Device(static_cast<std::uint16_t>(c.reg)), c.expected);
        EXPECT_EQ(w.prompts.shown, c.message ? QStringList{Error(c.message)} : QStringList{});
    }
    EXPECT_EQ(Find<QLineEdit>(Screen(w), "edFundoEscalaCorrente")->text(), "1.0");
}

TEST(FrameConfSaidaCorrente, RegulatorOutputsAsFitted) {
    struct Case {
        const char* calibration;
        const char* shown;
    };
    const Case cases[] = {
        {"1,1,1", "rgEscala edFundoEscala edFundoEscalaCorrente cbSaidaAssociada0 cbSaidaAssociada1 "
                  "cbSaidaAssociada2"},
        {"1,0,1", "rgEscala edFundoEscala edFundoEscalaCorrente cbSaidaAssociada0"},
        {"0,1,1", "edFundoEscala"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calibration);
        TLoggedInWindow w({"--model", "R", "--output-calibration", c.calibration, "--set", "311=9"},
                          Family::kRegulator);
        ShowOutputs(w, kEnglish);
        EXPECT_EQ(ShownControls(w), c.shown);
        EXPECT_EQ(Items(w, 0), (QStringList{"PT", "CT", "TAP"}));
        EXPECT_EQ(List(w, 3)->count(), 0);
        Choose(w, 0, 2);
        EXPECT_EQ(w.Device(310), 2);
        EXPECT_EQ(w.Device(311), 9); // no channel of that code: left alone
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
    }
}

TEST(FrameConfSaidaCorrente, PositionIndicatorRangeAndCurrentFullScale) {
    for (int board : {1, 2}) {
        SCOPED_TRACE(board);
        TLoggedInWindow w(Args("C", {"301=2", "303=50", QStringLiteral("2660=%1").arg(board)}),
                          Family::kPositionIndicator);
        ShowOutputs(w);
        EXPECT_EQ(ShownControls(w),
                  board == 2 ? "pnEscala0_1ma edFundoEscalaCorrente" : "rgEscala edFundoEscalaCorrente");
        EXPECT_EQ(Find<QLineEdit>(Screen(w), "edFundoEscalaCorrente")->text(), "5.0");
        w.TypeAndCommit("edFundoEscalaCorrente", "7,5");
        EXPECT_EQ(w.Device(303), 75);
        if (board == 1) {
            EXPECT_EQ(Range(w), 2);
            Click(Screen(w), "rgEscala_4");
            EXPECT_EQ(w.Device(301), 4);
        }
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
    }
}

TEST(FrameConfSaidaCorrente, ParallelismRangeAtTheBusAddress) {
    TLoggedInWindow w(Args("P", {"1951=3", "304=2"}), Family::kParallelism);
    ShowOutputs(w);
    EXPECT_EQ(ShownControls(w), "rgEscala");
    EXPECT_EQ(Range(w), 2);
    Click(Screen(w), "rgEscala_1");
    EXPECT_EQ(w.Device(304), 1);
    EXPECT_EQ(w.Device(301), 4);
    EXPECT_EQ(w.Device(302), 4);
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

// The device refuses a bus address beyond 15 (and such a unit is not let in), so the program's own
// copy is where one can be held.
TEST(FrameConfSaidaCorrente, ParallelismOutsideTheBusWritesNothing) {
    TLoggedInWindow w(Args("P", {"1951=3", "304=2"}), Family::kParallelism);
    ShowOutputs(w);
    w.Window().Session().StoreRegister(1951, 16);
    Screen(w)->FillControls();
    EXPECT_EQ(Range(w), -1);
    Click(Screen(w), "rgEscala_1");
    EXPECT_EQ(w.Device(304), 2);
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

TEST(FrameConfSaidaCorrente, TextsInEveryLanguage) {
    const QStringList names{"rgEscala",
                            "rgEscala_4",
                            "pnEscala0_1ma",
                            "lblFundoEscala",
                            "lblFundoEscalaCorrente",
                            "lblSaidaAssociada0",
                            "lblSaidaAssociada3"};
    struct Expected {
        QStringList texts;
        QStringList thermal;
        QStringList regulator;
        const char* voltage;
    };
    const Expected expected[] = {
        {{"Escala", "4-20 mA", "Escala: 0 - 1 mA", "Fundo de Escala", "Fundo de Escala Corrente",
          "Canal Associado à Saída 1", "Canal Associado à Saída 4"},
         {"Óleo", "Enrolamento 1", "RTD 2"},
         {"TP", "TC", "TAP"},
         "Fundo de Escala Tensão"},
        {{"Scale", "4-20 mA", "Scale: 0 - 1 mA", "Full Scale", "Current Full Scale",
          "Channel Associated to Output 1", "Channel Associated to Output 4"},
         {"Oil", "Winding 1", "RTD 2"},
         {"PT", "CT", "TAP"},
         "Voltage Full Scale"},
        {{"Escala", "4-20 mA", "Escala: 0 - 1 mA", "Fondo de Escala", "Fondo de Escala Corriente",
          "Canal Asociado a la Salida 1", "Canal Asociado a la Salida 4"},
         {"Oleo", "Devanado 1", "RTD 2"},
         {"TP", "TC", "TAP"},
         "Fondo de Escala Tensión"},
    };
    TLoggedInWindow thermal(Args("T", {"1020=1", "1003=2"}), Family::kThermal);
    ShowOutputs(thermal);
    Choose(thermal, 0, 2);
    TLoggedInWindow regulator(Args("R"), Family::kRegulator);
    ShowOutputs(regulator);
    for (int language : {1, 2, 0}) {
        SCOPED_TRACE(language);
        const Expected& e = expected[language];
        thermal.Window().ApplyLanguage(language);
        EXPECT_EQ(thermal.Texts(names), e.texts);
        EXPECT_EQ(Items(thermal, 0), e.thermal);
        EXPECT_EQ(List(thermal, 0)->currentIndex(), 2); // the choice outlives the language
        regulator.Window().ApplyLanguage(language);
        EXPECT_EQ(Items(regulator, 0), e.regulator);
        EXPECT_EQ(regulator.Texts({"lblFundoEscala"}), QStringList{e.voltage});
    }
    thermal.Window().ApplyLanguage(kEnglish);
    thermal.TypeAndCommit("edFundoEscala", "x");
    EXPECT_EQ(thermal.prompts.shown,
              QStringList{Error("Invalid Full Scale. It must be an integer between 0 and 255.")});
}

} // namespace
