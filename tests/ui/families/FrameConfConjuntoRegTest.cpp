#include "LoggedInWindow.h"
#include "SettingRounds.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/common/RadioGroup.h"
#include "ui/families/FrameConfConjuntoReg.h"

#include <QComboBox>
#include <QLineEdit>

#include <set>
#include <vector>

namespace {

using SettingRounds::TCase;
constexpr int kEquipScreen = 7;
constexpr int kSetScreen = 8;

// The boxes in the order of a set's registers 1, 2, 5..11.
const QStringList kBoxes{"edTensaoNominal", "edDesvioMax",      "edTempoSubir",
                         "edTempoDescer",   "edTempoRepeticao", "edInicioHora",
                         "edInicioMin",     "edFimHora",        "edFimMin"};

// Set 1 and set 3 told apart in every register.
const QStringList kTwoSets{"1=1100", "2=20",  "3=0",   "4=0",     "5=11",  "6=12", "7=3",  "8=1",
                           "9=2",    "10=13", "11=14", "41=1200", "42=35", "43=1", "44=1", "45=60",
                           "46=90",  "47=5",  "48=6",  "49=30",   "50=18", "51=45"};
const QStringList kSet1Shown{"110.0", "2.0", "11", "12", "3", "1", "2", "13", "14"};
const QStringList kSet3Shown{"120.0", "3.5", "60", "90", "5", "6", "30", "18", "45"};

// The window logged in to a regulator and showing its regulation sets.
struct TSets {
    explicit TSets(const QStringList& presets = {}) : w(Args(presets), Family::kRegulator) {
        connected = w.Connect(TLoggedInWindow::TLink::Tcp);
        w.Window().SelectScreen(kSetScreen);
    }
    static QStringList Args(const QStringList& presets) {
        QStringList args{"--model", "R"};
        for (const QString& p : presets)
            args << "--set" << p;
        return args;
    }
    TFrameConfConjuntoReg* Screen() { return dynamic_cast<TFrameConfConjuntoReg*>(w.Window().ShownScreen()); }
    QComboBox* List() { return Find<QComboBox>(Screen(), "cbConjunto"); }
    TRadioGroup* Group(const char* name) { return Find<TRadioGroup>(Screen(), name); }
    // The set chosen in the list, as a user does.
    void Choose(int index) {
        List()->setCurrentIndex(index);
        emit List()->activated(index);
    }
    QStringList Boxes() {
        QStringList texts;
        for (const QString& name : kBoxes)
            texts << Find<QLineEdit>(Screen(), name)->text();
        return texts;
    }
    void Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

std::set<int> SetRegisters(int set) {
    std::set<int> regs;
    for (int j = 1; j <= 11; ++j)
        regs.insert(20 * set + j);
    return regs;
}

TEST(RegulationSetScreen, EveryBoxOfTheChosenSetKeepsItsLimits) {
    // Set 3's timing type has no item: it is never written.
    TSets s({"44=7"});
    ASSERT_TRUE(s.connected);
    s.Choose(2);
    EXPECT_EQ(s.Group("rgTemporizacao")->ItemIndex(), -1);
    const char* const voltage = "Tensão Nominal inválida. Deve ser um valor entre 80.0 e 140.0.";
    const char* const deviation = "Desvio Máximo inválido. Deve ser um valor entre 0.0 e 10.0.";
    const char* const falling = "Tempo para Descer inválido. Deve ser um inteiro entre 0 e 180.";
    const char* const rising = "Tempo para Subir inválido. Deve ser um inteiro entre 0 e 180.";
    const char* const repetition = "Tempo de Repetição inválido. Deve ser um inteiro entre 0 e 30.";
    const char* const startHour = "Hora de Início inválida. Deve ser um inteiro entre 0 e 23.";
    const char* const startMinute = "Minuto de Início inválido. Deve ser um inteiro entre 0 e 59.";
    const char* const endHour = "Hora de Fim inválida. Deve ser um inteiro entre 0 e 23.";
    const char* const endMinute = "Minuto de Fim inválido. Deve ser um inteiro entre 0 e 59.";
    const std::vector<TCase> cases{
        {"edTensaoNominal", "79.96", 41, 800, nullptr},
        {"edTensaoNominal", "140.04", 41, 1400, nullptr},
        {"edTensaoNominal", "79.9", 41, -1, voltage},
        {"edTensaoNominal", "140.05", 41, -1, voltage},
        {"edTensaoNominal", "115,25", 41, 1152, nullptr},
        {"edTensaoNominal", "115.35", 41, 1154, nullptr},
        {"edTensaoNominal", "", 41, -1, voltage},
        {"edDesvioMax", "10.04", 42, 100, nullptr},
        {"edDesvioMax", "-0.04", 42, 0, nullptr},
        {"edDesvioMax", "10.05", 42, -1, deviation},
        {"edDesvioMax", "-0.05", 42, -1, deviation},
        {"edDesvioMax", "2.25", 42, 22, nullptr},
        {"edTempoDescer", "180", 46, 180, nullptr},
        {"edTempoDescer", "0", 46, 0, nullptr},
        {"edTempoDescer", "181", 46, -1, falling},
        {"edTempoDescer", "-1", 46, -1, falling},
        {"edTempoSubir", "0", 45, 0, nullptr},
        {"edTempoSubir", "180", 45, 180, nullptr},
        {"edTempoSubir", "-1", 45, -1, rising},
        {"edTempoSubir", "181", 45, -1, rising},
        {"edTempoRepeticao", "30", 47, 30, nullptr},
        {"edTempoRepeticao", "0", 47, 0, nullptr},
        {"edTempoRepeticao", "31", 47, -1, repetition},
        {"edTempoRepeticao", "1.5", 47, -1, repetition},
        // The end may come before the start: written as typed.
        {"edInicioHora", "23", 48, 23, nullptr},
        {"edInicioHora", "0", 48, 0, nullptr},
        {"edInicioHora", "24", 48, -1, startHour},
        {"edInicioMin", "59", 49, 59, nullptr},
        {"edInicioMin", "0", 49, 0, nullptr},
        {"edInicioMin", "60", 49, -1, startMinute},
        {"edFimHora", "0", 50, 0, nullptr},
        {"edFimHora", "23", 50, 23, nullptr},
        {"edFimHora", "24", 50, -1, endHour},
        {"edFimMin", "0", 51, 0, nullptr},
        {"edFimMin", "59", 51, 59, nullptr},
        {"edFimMin", "60", 51, -1, endMinute},
    };
    for (const auto& round : SettingRounds::Rounds(cases))
        SettingRounds::CheckRound(s.w, round);
    EXPECT_EQ(s.w.Device(44), 7);
    EXPECT_EQ(s.w.Device(1), 1150); // set 1 untouched
}

TEST(RegulationSetScreen, ChoosingASetShowsItsRegistersAndWritesNothing) {
    TSets s(kTwoSets);
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.List()->currentText(), "1");
    EXPECT_EQ(s.Boxes(), kSet1Shown);
    s.Watch();
    s.Choose(2);
    EXPECT_EQ(s.confirmed, SetRegisters(2)); // read
    EXPECT_EQ(s.Boxes(), kSet3Shown);
    EXPECT_EQ(s.Group("rgComando")->ItemIndex(), 1);
    EXPECT_EQ(s.Group("rgTemporizacao")->ItemIndex(), 1);
    EXPECT_EQ(s.w.Device(41), 1200);
    EXPECT_EQ(s.w.Device(45), 60);
    EXPECT_EQ(s.w.Device(5), 11);

    // A commit writes into the set shown, and only what changed.
    s.Watch();
    s.w.TypeAndCommit("edTempoSubir", "77");
    EXPECT_EQ(s.confirmed, std::set<int>({45}));
    EXPECT_EQ(s.w.Device(45), 77);
    EXPECT_EQ(s.w.Device(5), 11);
    Click(s.Group("rgComando"), "rgComando_0");
    EXPECT_EQ(s.w.Device(43), 0);
    EXPECT_EQ(s.w.Device(3), 0);

    s.Choose(0);
    EXPECT_EQ(s.Boxes(), kSet1Shown);
    EXPECT_EQ(s.Group("rgComando")->ItemIndex(), 0);
    // A set index beyond the eight is set 1.
    s.Screen()->cbConjuntoSelect(12);
    EXPECT_EQ(s.Screen()->SelectedSet(), 0);
    EXPECT_EQ(s.List()->currentText(), "1");
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("\n").toStdString();
}

TEST(RegulationSetScreen, TheChosenSetOutlivesALanguageSwitchAndIsReadAgainOnShowing) {
    TSets s(kTwoSets);
    ASSERT_TRUE(s.connected);
    s.Choose(2);
    s.w.Window().ApplyLanguage(1);
    EXPECT_EQ(s.List()->currentText(), "3");
    EXPECT_EQ(s.Boxes(), kSet3Shown);
    EXPECT_EQ(s.w.Texts({"lblTensaoNominal"}), QStringList({"Rated Voltage (V)"}));

    ASSERT_TRUE(s.w.SetDevice(41, 1300));
    ASSERT_TRUE(s.w.SetDevice(1, 1000));
    s.w.Window().SelectScreen(kEquipScreen);
    s.Watch();
    s.w.Window().SelectScreen(kSetScreen);
    EXPECT_EQ(s.confirmed, SetRegisters(2));
    EXPECT_EQ(s.List()->currentText(), "3");
    EXPECT_EQ(s.Screen()->SelectedSet(), 2);
    EXPECT_EQ(Find<QLineEdit>(s.Screen(), "edTensaoNominal")->text(), "130.0");
    EXPECT_EQ(s.w.Texts({"lblTensaoNominal"}), QStringList({"Rated Voltage (V)"}));
    s.w.TypeAndCommit("edTempoDescer", "91");
    EXPECT_EQ(s.w.Device(46), 91);
    EXPECT_EQ(s.w.Device(6), 12);
}

TEST(RegulationSetScreen, Languages) {
    TSets s;
    ASSERT_TRUE(s.connected);
    const QStringList names{"gbConjunto",       "lblTensaoNominal",
                            "lblDesvioMax",     "rgComando",
                            "rgComando_0",      "rgComando_1",
                            "rgTemporizacao",   "rgTemporizacao_0",
                            "rgTemporizacao_1", "lblTempoDescer",
                            "lblTempoSubir",    "lblTempoRepeticao",
                            "lblInicio",        "lblFim"};
    const QStringList expected[] = {
        {"Conjunto de Regulação", "Tensão Nominal (V)", "Desvio Máximo (%)", "Tipo de Comando", "Pulso",
         "Constante", "Tipo de Temporização", "Constante", "Inverso", "Tempo para Descer (s)",
         "Tempo para Subir (s)", "Tempo de Repetição (s)", "Horário de Início", "Horário de Fim"},
        {"Regulation Set", "Rated Voltage (V)", "Max. Deviation (%)", "Command Type", "Pulse", "Constant",
         "Timing Type", "Constant", "Inverse", "Falling Time (s)", "Rising Time (s)", "Repetition Time (s)",
         "Start Time", "End Time"},
        {"Conjunto Regulador", "Tensión Nominal (V)", "Desvío Máximo (%)", "Tipo de Comando", "Pulso",
         "Constante", "Tipo de Cronometraje", "Constante", "Inverso", "Tiempo para Bajar (s)",
         "Tiempo para Subir (s)", "Tiempo de Repetición (s)", "Hora de Inicio", "Hora de Fin"},
    };
    const char* const messages[] = {"error: Minuto de Fim inválido. Deve ser um inteiro entre 0 e 59.",
                                    "error: Invalid end minute. It must be an integer between 0 and 59.",
                                    "error: Minuto de Fin inválido. Debe ser un entero entre 0 y 59."};
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]);
        QStringList sets;
        for (int i = 0; i < s.List()->count(); ++i)
            sets << s.List()->itemText(i);
        EXPECT_EQ(sets, QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit("edFimMin", "60");
        EXPECT_EQ(s.w.prompts.shown, QStringList({messages[language]}));
    }
}

} // namespace
