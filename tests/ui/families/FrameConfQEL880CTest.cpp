#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"

#include <QApplication>
#include <QLineEdit>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kIndicator = 4;
constexpr int kEquipScreen = 7;

struct TIndicator {
    explicit TIndicator(const QStringList& sim = {}) : w(QStringList{"--model", "C"} + sim, kIndicator) {
        connected = w.Connect(TLink::Tcp);
        w.Window().SelectScreen(kEquipScreen);
    }
    QWidget* Screen() { return w.Window().ShownScreen(); }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(Screen(), name); }
    TRadioGroup* Mode() { return Find<TRadioGroup>(Screen(), "rgModoLeitura"); }
    // Types into a box that has no commit of its own, then leaves the resistance box to commit.
    void TypeAndCommitWithResistance(const char* name, const QString& text) {
        QApplication::setActiveWindow(&w.Window());
        Box(name)->setFocus();
        Box(name)->setText(text);
        w.TypeAndCommit("edResPorPos", Box("edResPorPos")->text());
    }

    TLoggedInWindow w;
    bool connected = false;
};

TEST(IndicatorSettings, ShowsTheTapChangerAndMeasurementMode) {
    TIndicator s({"--set", "701=125", "--set", "707=1"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Box("edResPorPos")->text(), "12.5");
    EXPECT_EQ(s.Box("edNumPos")->text(), "33");
    EXPECT_EQ(s.Box("edPosMin")->text(), "1");
    EXPECT_EQ(s.Box("edPosMax")->text(), "33");
    EXPECT_EQ(s.Mode()->ItemIndex(), 1);
    EXPECT_FALSE(s.Box("edPosNeutra")->isVisibleTo(s.Screen()));
}

TEST(IndicatorSettings, EachBoxKeepsItsLimits) {
    TIndicator s;
    ASSERT_TRUE(s.connected);
    struct Case {
        const char* box;
        const char* typed;
        int reg;
        int value; // -1: refused with the message
        const char* message;
    };
    const char* const resistance =
        "error: Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.";
    const char* const positions = "error: Número de posições inválido. Deve ser um inteiro entre 2 e 50.";
    const char* const minimum = "error: Posição Mínima inválida. Deve ser um inteiro entre 1 e 50.";
    const char* const maximum = "error: Posição Máxima inválida. Deve ser um inteiro entre 1 e 50.";
    const Case cases[] = {
        {"edResPorPos", "20.04", 701, 200, nullptr}, {"edResPorPos", "20,05", 701, -1, resistance},
        {"edResPorPos", "2.96", 701, 30, nullptr},   {"edResPorPos", "2.95", 701, -1, resistance},
        {"edResPorPos", "12,25", 701, 122, nullptr}, {"edNumPos", "2", 702, 2, nullptr},
        {"edNumPos", "50", 702, 50, nullptr},        {"edNumPos", "51", 702, -1, positions},
        {"edNumPos", "2.5", 702, -1, positions},     {"edPosMin", "0", 705, -1, minimum},
        {"edPosMin", "50", 705, 50, nullptr},        {"edPosMax", "51", 706, -1, maximum},
        {"edPosMax", "1", 706, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        const auto before = s.w.Device(static_cast<std::uint16_t>(c.reg));
        s.w.prompts.shown.clear();
        if (std::string(c.box) == "edResPorPos")
            s.w.TypeAndCommit(c.box, c.typed);
        else
            s.TypeAndCommitWithResistance(c.box, c.typed);
        if (c.value < 0) {
            EXPECT_EQ(s.w.prompts.shown, QStringList({c.message}));
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), before);
        } else {
            EXPECT_EQ(s.w.prompts.shown, QStringList());
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), c.value);
        }
    }
}

TEST(IndicatorSettings, PositionsAreWrittenByTheNextCommitAndTheRefillOverwritesEveryBox) {
    TIndicator s;
    ASSERT_TRUE(s.connected);
    QApplication::setActiveWindow(&s.w.Window());
    s.Box("edNumPos")->setFocus();
    s.Box("edNumPos")->setText("20");
    s.Box("edPosMax")->setFocus();
    s.Box("edPosMax")->setText("abc");
    s.Box("edPosMin")->setFocus();
    EXPECT_EQ(s.w.Device(702), 33); // leaving those boxes commits nothing
    Click(s.Mode(), "rgModoLeitura_1");
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"error: Posição Máxima inválida. Deve ser um inteiro entre 1 e 50."}));
    EXPECT_EQ(s.w.Device(702), 20);
    EXPECT_EQ(s.w.Device(707), 1);
    EXPECT_EQ(s.Box("edPosMax")->text(), "33");
}

TEST(IndicatorSettings, AModeTheGroupCannotShowIsNotWrittenBack) {
    TIndicator s({"--set", "707=2"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Mode()->ItemIndex(), -1);
    s.w.TypeAndCommit("edResPorPos", "11");
    EXPECT_EQ(s.w.Device(701), 110);
    EXPECT_EQ(s.w.Device(707), 2);
}

TEST(IndicatorSettings, Languages) {
    TIndicator s;
    ASSERT_TRUE(s.connected);
    const QStringList names{"rgModoLeitura", "rgModoLeitura_0", "rgModoLeitura_1", "gbComutador",
                            "lblResPorPos",  "lblNumPos",       "lblPosMin",       "lblPosMax"};
    const QStringList expected[] = {
        {"Modo de Leitura", "Resistência", "Corrente", "Comutador", "Resistência por Posição (ohm)",
         "Num. Posições", "Pos. Min.", "Pos. Max."},
        {"Measurement Mode", "Resistance", "Current", "Tap Changer", "Resistance per Position (ohm)",
         "Num. Pos.", "Min. Pos.", "Max. Pos."},
        {"Modo de Lectura", "Resistencia", "Corriente", "Cambiador", "Resistencia por Posición (ohm)",
         "Núm. Posiciones", "Pos. Mín.", "Pos. Máx."},
    };
    for (int language = 0; language < 3; ++language) {
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]) << language;
    }
}

} // namespace
