#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/common/RadioGroup.h"
#include "ui/families/FrameConfQEL880IRR.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr int kIrrigation = 3;
constexpr int kEquipScreen = 7;

// The window logged in to an irrigation controller and showing its settings.
struct TIrrigation {
    explicit TIrrigation(const QStringList& sim, int language = 0) : w(sim, kIrrigation) {
        w.Window().ApplyLanguage(language);
        connected = w.Connect(TLoggedInWindow::TLink::Tcp);
        w.Window().SelectScreen(kEquipScreen);
    }
    TFrameConfQEL880IRR* Screen() { return dynamic_cast<TFrameConfQEL880IRR*>(w.Window().ShownScreen()); }
    QString Box(const QString& name) { return Find<QLineEdit>(Screen(), name)->text(); }
    void ChooseCycle(int index) {
        auto* list = Find<QComboBox>(Screen(), "cbCiclo");
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Types into several boxes and leaves the last with Enter: one commit covers them all.
    void TypeAll(const std::vector<std::pair<QString, QString>>& typed) {
        for (std::size_t i = 0; i + 1 < typed.size(); ++i)
            Find<QLineEdit>(Screen(), typed[i].first)->setText(typed[i].second);
        w.TypeAndCommit(typed.back().first, typed.back().second);
    }
    // The registers the device confirms from now on (a framed commit reads back what it wrote).
    void Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }
    int Device(int reg) { return w.Device(static_cast<std::uint16_t>(reg)).value_or(-1); }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

std::set<int> RunOfSix(int first) {
    std::set<int> run;
    for (int reg = first; reg < first + 6; ++reg)
        run.insert(reg);
    return run;
}

TEST(IrrigationSettingsScreen, EveryFieldKeepsItsLimitsAndRoundsHalvesToEven) {
    TIrrigation s({"--model", "IRR"});
    ASSERT_TRUE(s.connected);
    struct Case {
        const char* box;
        const char* typed;
        int reg;
        int value; // on the device; -1: refused with "Valor inválido: " and the text
    };
    const Case cases[] = {
        {"edDuracao", "0", 11, 0},
        {"edDuracao", "1440", 11, 1440},
        {"edDuracao", "1441", 11, -1},
        {"edDuracao", "abc", 11, -1},
        {"edDuracao", "2.5", 11, -1},
        {"edHidrometroMax", "10000", 31, 10000},
        {"edHidrometroMax", "0", 31, 0},
        {"edHidrometroMax", "10001", 31, -1},
        {"edAtrasoRamal1", "0", 40, 0},
        {"edAtrasoRamal5", "3600", 44, 3600},
        {"edAtrasoRamal3", "3601", 42, -1},
        {"edAtrasoRamal2", "-1", 41, -1},
        {"edManualDuracao", "1440", 210, 1440},
        {"edManualDuracao", "0", 210, 0},
        {"edManualDuracao", "1441", 210, -1},
        {"edPressaoFundoEscala", "2,5", 102, 25},
        {"edPressaoFundoEscala", "1", 102, 10},
        {"edPressaoFundoEscala", "20", 102, 200},
        {"edPressaoFundoEscala", "0.5", 102, -1},
        {"edPressaoFundoEscala", "21", 102, -1},
        {"edPressaoFundoEscala", "0.96", 102, -1},
        {"edPressaoFundoEscala", "2.25", 102, 22},
        {"edPressaoFundoEscala", "2.35", 102, 24},
        {"edPressaoMaxima", "1", 103, 10},
        {"edPressaoMaxima", "10", 103, 100},
        {"edPressaoMaxima", "10.1", 103, -1},
        {"edPressaoMinima", "1,0", 104, 10},
        {"edPressaoMinima", "0", 104, -1},
        {"edTimerPressaoMaxima", "120", 105, 120},
        {"edTimerPressaoMaxima", "0", 105, 0},
        {"edTimerPressaoMaxima", "121", 105, -1},
        {"edTimerPressaoMinima", "120", 106, 120},
        {"edTimerPressaoMinima", "", 106, -1},
        {"edHidrometroFator", "0.01", 203, 1},
        {"edHidrometroFator", "100", 203, 10000},
        {"edHidrometroFator", "0.005", 203, -1},
        {"edHidrometroFator", "100.01", 203, -1},
        {"edHidrometroFator", "0.125", 203, 12},
        {"edHidrometroFator", "0,135", 203, 14},
        {"edPluviometroFator", "0.125", 205, 12},
        {"edPluviometroFator", "100", 205, 10000},
        {"edPluviometroFator", "0", 205, -1},
        {"edPluviometroMaximo", "2000", 206, 20000},
        {"edPluviometroMaximo", "0.25", 206, 2},
        {"edPluviometroMaximo", "2000.1", 206, -1},
        {"edPluviometroPeriodo", "744", 207, 744},
        {"edPluviometroPeriodo", "0", 207, 0},
        {"edPluviometroPeriodo", "745", 207, -1},
        {"edPluvMaxRamal1", "2000", 220, 20000},
        {"edPluvMaxRamal4", "0.05", 223, 0},
        {"edPluvMaxRamal2", "0.15", 221, 2},
        {"edPluvMaxRamal5", "2000.1", 224, -1},
    };
    // Cases of different boxes share a commit: every commit checks every box.
    std::vector<std::vector<const Case*>> rounds;
    for (const Case& c : cases) {
        auto round = std::find_if(rounds.begin(), rounds.end(), [&](const auto& r) {
            return std::none_of(r.begin(), r.end(), [&](const Case* o) { return QString(o->box) == c.box; });
        });
        if (round == rounds.end())
            round = rounds.insert(rounds.end(), std::vector<const Case*>{});
        round->push_back(&c);
    }
    for (const auto& round : rounds) {
        std::map<int, int> before;
        std::vector<std::pair<QString, QString>> typed;
        QStringList messages;
        for (const Case* c : round) {
            before[c->reg] = s.Device(c->reg);
            typed.emplace_back(c->box, c->typed);
            if (c->value < 0)
                messages << QString("error: Valor inválido: ") + c->typed;
        }
        s.w.prompts.shown.clear();
        s.Watch();
        s.TypeAll(typed);
        QStringList shown = s.w.prompts.shown;
        shown.sort();
        messages.sort();
        EXPECT_EQ(shown.join("\n").toStdString(), messages.join("\n").toStdString());
        std::set<int> changed;
        for (const Case* c : round) {
            SCOPED_TRACE(std::string(c->box) + " " + c->typed);
            const int expected = c->value < 0 ? before[c->reg] : c->value;
            EXPECT_EQ(s.Device(c->reg), expected);
            if (expected != before[c->reg])
                changed.insert(c->reg);
            // The refill shows the device's value again, also after a refusal.
            if (c->value < 0) {
                EXPECT_NE(s.Box(c->box), c->typed);
            }
        }
        // Only what changed travelled, a run of six whenever one of its boxes did.
        std::set<int> travelled;
        for (int reg : changed) {
            const std::set<int> run = reg >= 220              ? RunOfSix(220)
                                      : reg >= 40 && reg < 46 ? RunOfSix(40)
                                                              : std::set{reg};
            travelled.insert(run.begin(), run.end());
        }
        EXPECT_EQ(s.confirmed, travelled);
    }
    EXPECT_FALSE(Find<QLineEdit>(s.Screen(), "edPluviometroMaximo")->isVisibleTo(s.Screen()));
}

TEST(IrrigationSettingsScreen, TheDeviceValuesAreShownInTheirFormats) {
    TIrrigation s({"--model", "IRR", "--set", "1=7", "--set", "102=25", "--set", "203=5", "--set", "206=7",
                   "--set", "223=1234"});
    ASSERT_TRUE(s.connected);
    const std::pair<const char*, const char*> shown[] = {
        {"edInicioH", "00"},
        {"edInicioM", "07"},
        {"edDuracao", "30"},
        {"edHidrometroMax", "1000"},
        {"edAtrasoRamal2", "5"},
        {"edPressaoFundoEscala", "2.5"},
        {"edPressaoMaxima", "6.0"},
        {"edHidrometroFator", "0.05"},
        {"edPluviometroFator", "0.02"},
        {"edPluviometroMaximo", "0.7"},
        {"edPluviometroPeriodo", "24"},
        {"edPluvMaxRamal4", "123.4"},
        {"edManualDuracao", "10"},
    };
    for (const auto& [box, text] : shown)
        EXPECT_EQ(s.Box(box), text) << box;
}

TEST(IrrigationSettingsScreen, StartTimeAndBranchesOfTheChosenCycle) {
    TIrrigation s({"--model", "IRR", "--set", "5=1439"});
    ASSERT_TRUE(s.connected);
    // Cycle 2 starts at 18:00 for 20 minutes with branches 1 and 2; choosing it writes nothing.
    s.Watch();
    s.ChooseCycle(1);
    EXPECT_TRUE(s.confirmed.empty());
    EXPECT_EQ(QStringList({s.Box("edInicioH"), s.Box("edInicioM"), s.Box("edDuracao")}),
              QStringList({"18", "00", "20"}));
    for (int b = 1; b <= 5; ++b)
        EXPECT_EQ(Find<QCheckBox>(s.Screen(), QString("cbRamal%1").arg(b))->isChecked(), b <= 2) << b;

    struct Case {
        const char* hours;
        const char* minutes;
        int value;           // register 2
        const char* message; // or nothing
    };
    const Case cases[] = {
        {"06", "30", 390, nullptr},
        {"23", "59", 1439, nullptr},
        {"24", "00", 1439, "error: Valor inválido: 24"},
        {"12", "75", 1439, "error: Valor inválido: 75"},
        {"x", "75", 1439, "error: Valor inválido: x"}, // the minutes are not looked at
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hours) + ":" + c.minutes);
        s.w.prompts.shown.clear();
        s.TypeAll({{"edInicioH", c.hours}, {"edInicioM", c.minutes}});
        EXPECT_EQ(s.w.prompts.shown, c.message ? QStringList({c.message}) : QStringList());
        EXPECT_EQ(s.Device(2), c.value);
    }
    EXPECT_EQ(s.Device(1), 360);

    Click(s.Screen(), "cbRamal2");
    Click(s.Screen(), "cbRamal3");
    EXPECT_EQ(s.Device(22), 5);
    EXPECT_EQ(s.Device(21), 0x1F);

    // A cycle index beyond the list is the last cycle.
    emit Find<QComboBox>(s.Screen(), "cbCiclo")->activated(9);
    EXPECT_EQ(QStringList({s.Box("edInicioH"), s.Box("edInicioM")}), QStringList({"23", "59"}));
    // Showing the screen again starts at cycle 1.
    s.w.Window().SelectScreen(kEquipScreen);
    EXPECT_EQ(Find<QComboBox>(s.Screen(), "cbCiclo")->currentText(), "1");
    EXPECT_EQ(s.Box("edInicioH"), "06");
}

TEST(IrrigationSettingsScreen, RunsOfSixKeepTheRegisterNoBoxShows) {
    TIrrigation s({"--model", "IRR", "--set", "45=30", "--set", "225=77"});
    ASSERT_TRUE(s.connected);
    s.w.prompts.shown.clear();
    s.Watch();
    // 45 = 30 and 225 = 77: changing one delay leaves both.
    s.TypeAll({{"edAtrasoRamal1", "7"}, {"edAtrasoRamal3", "x"}, {"edPluvMaxRamal2", "1,5"}});
    EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Valor inválido: x"}));
    EXPECT_EQ(s.Device(40), 7);
    EXPECT_EQ(s.Device(42), 5);
    EXPECT_EQ(s.Device(45), 30);
    EXPECT_EQ(s.Device(221), 15);
    EXPECT_EQ(s.Device(225), 77);
    std::set<int> runs = RunOfSix(40);
    runs.merge(RunOfSix(220));
    EXPECT_EQ(s.confirmed, runs);
    EXPECT_EQ(s.Box("edAtrasoRamal3"), "5");
}

TEST(IrrigationSettingsScreen, ChoicesTheScreenCannotShowAreNotWrittenBack) {
    // A pressure sensor kind past the list, an enable flag of 3, a branch mask with a bit past branch 5.
    TIrrigation s({"--model", "IRR", "--set", "101=5", "--set", "202=3", "--set", "21=37"});
    ASSERT_TRUE(s.connected);
    auto* sensor = Find<TRadioGroup>(s.Screen(), "rgSensor");
    EXPECT_EQ(sensor->ItemIndex(), -1);
    EXPECT_TRUE(Find<QCheckBox>(s.Screen(), "cbHidrometroHabilita")->isChecked());
    s.Watch();
    s.w.TypeAndCommit("edHidrometroMax", "900");
    EXPECT_EQ(s.confirmed, std::set<int>({31}));
    EXPECT_EQ(s.Device(101), 5);
    EXPECT_EQ(s.Device(202), 3);
    EXPECT_EQ(s.Device(21), 37);

    Click(sensor, "rgSensor_0");
    EXPECT_EQ(s.Device(101), 0);
    Click(s.Screen(), "cbHidrometroHabilita");
    EXPECT_EQ(s.Device(202), 0);
    Click(s.Screen(), "cbRamal2");
    EXPECT_EQ(s.Device(21), 39);

    // Each choice writes its own register.
    const std::tuple<const char*, const char*, int, int> choices[] = {
        {"rgModo", "rgModo_1", 201, 1},
        {"rgPresencaAgua", "rgPresencaAgua_1", 213, 1},
        {"rgPressostato", "rgPressostato_1", 214, 1},
        {"rgRamosHabilita", "rgRamosHabilita_0", 209, 0},
    };
    for (const auto& [group, item, reg, value] : choices) {
        s.Watch();
        Click(Find<TRadioGroup>(s.Screen(), group), item);
        EXPECT_EQ(s.Device(reg), value) << group;
        EXPECT_EQ(s.confirmed, std::set<int>({reg})) << group;
    }
    const std::pair<const char*, int> checks[] = {{"cbBloquearConsumo", 32},
                                                  {"cbPluviometroHabilita", 204},
                                                  {"cbPt100Habilita", 208},
                                                  {"cbBuzzerHabilita", 215}};
    for (const auto& [box, reg] : checks) {
        const int before = s.Device(reg);
        Click(s.Screen(), box);
        EXPECT_EQ(s.Device(reg), before == 0 ? 1 : 0) << box;
    }
    EXPECT_TRUE(s.w.prompts.shown.isEmpty());
}

TEST(IrrigationSettingsScreen, AWriteThatFailsIsOneError) {
    TIrrigation s({"--model", "IRR", "--close-on", "31=5"});
    ASSERT_TRUE(s.connected);
    s.w.prompts.shown.clear();
    s.w.TypeAndCommit("edHidrometroMax", "5");
    EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Erro no envio do comando."}));
}

TEST(IrrigationSettingsScreen, Languages) {
    TIrrigation s({"--model", "IRR"});
    ASSERT_TRUE(s.connected);
    const QStringList names{"gbCiclo",
                            "lblInicio",
                            "lblDuracao",
                            "cbRamal1",
                            "cbRamal5",
                            "lblHidrometroMax",
                            "cbBloquearConsumo",
                            "lblAtrasoRamal",
                            "gbBomba",
                            "rgSensor",
                            "rgSensor_0",
                            "rgSensor_1",
                            "lblPressaoFundoEscala",
                            "lblPressaoMaxima",
                            "lblPressaoMinima",
                            "lblTimerPressaoMaxima",
                            "lblTimerPressaoMinima",
                            "cbBuzzerHabilita",
                            "gbSensors",
                            "rgModo",
                            "rgModo_1",
                            "cbHidrometroHabilita",
                            "lblHidrometroFator",
                            "lblHidrometroFatorUnidade",
                            "cbPluviometroHabilita",
                            "lblPluviometroFator",
                            "lblPluviometroFatorUnidade",
                            "lblPluviometroMaximo",
                            "lblPluviometroPeriodo",
                            "cbPt100Habilita",
                            "rgPresencaAgua",
                            "rgPresencaAgua_0",
                            "rgPresencaAgua_1",
                            "rgPressostato",
                            "lblPluvMaxRamal",
                            "gbGeral",
                            "rgRamosHabilita",
                            "rgRamosHabilita_0",
                            "rgRamosHabilita_1",
                            "lblManualDuracao",
                            "lblPressaoMaximaUnidade",
                            "lblManualDuracaoUnidade"};
    const QStringList expected[] = {
        {"Ciclo de Irrigação",
         "Início",
         "Duração",
         "Ramal 1",
         "Ramal 5",
         "Hidrômetro Máximo",
         "Bloquear se Passar",
         "Atraso Início Ramal (s)",
         "Bomba",
         "Sensor de Pressão",
         "Rele",
         "Entrada Corrente",
         "Fundo de Escala Sensor Pressão",
         "Pressão Máxima",
         "Pressão Mínima",
         "Timer Pressão Máxima",
         "Timer Pressão Mínima",
         "Habilita Buzzer",
         "Sensores",
         "Modo de Operação",
         "Automático",
         "Habilita Hidrômetro",
         "Fator Hidrômetro",
         "L/pulso",
         "Habilita Pluviômetro",
         "Fator Pluviômetro",
         "mm/m2/pulso",
         "Pluviômetro Máximo (0 = sem limite)",
         "Período Pluviômetro",
         "Habilita Pt100",
         "Sensor de Presença de Água",
         "NF",
         "NA",
         "Pressostato",
         "Pluv. Max. Ramal (0 = sem limite)",
         "Geral",
         "Habilita Válvulas",
         "Desabilita",
         "Habilita",
         "Duração em Manual",
         "BAR",
         "min"},
        {"Irrigation Cycle",
         "Start",
         "Duration",
         "Branch 1",
         "Branch 5",
         "Max Hydrometer",
         "Block if Exceeded",
         "Branch Start Delay (s)",
         "Pump",
         "Pressure Sensor",
         "Relay",
         "Current Input",
         "Pressure Sensor Full Scale",
         "Max Pressure",
         "Min Pressure",
         "Timer Max Pressure",
         "Timer Min Pressure",
         "Enable Buzzer",
         "Sensors",
         "Operation Mode",
         "Automatic",
         "Enable Hydrometer",
         "Hydrometer Factor",
         "L/pulse",
         "Enable Pluviometer",
         "Pluviometer Factor",
         "mm/m2/pulse",
         "Max Pluviometer (0 = no limit)",
         "Pluviometer Period",
         "Enable Pt100",
         "Water Presence Sensor",
         "NC",
         "NO",
         "Pressure Sensor",
         "Max. Pluv. Branch (0 = no limit)",
         "General",
         "Enable Valves",
         "Disable",
         "Enable",
         "Manual Duration",
         "BAR",
         "min"},
        {"Ciclo de Riego",
         "Inicio",
         "Duración",
         "Ramal 1",
         "Ramal 5",
         "Hidrómetro Máximo",
         "Bloquear si Excede",
         "Retardo Inicio Ramal (s)",
         "Bomba",
         "Sensor de Presión",
         "Relé",
         "Entrada Corriente",
         "Fondo de Escala Sensor Presión",
         "Presión Máxima",
         "Presión Mínima",
         "Timer Presión Máxima",
         "Timer Presión Mínima",
         "Habilita Buzzer",
         "Sensores",
         "Modo de Operación",
         "Automático",
         "Habilita Hidrómetro",
         "Factor Hidrómetro",
         "L/pulso",
         "Habilita Pluviómetro",
         "Factor Pluviómetro",
         "mm/m2/pulso",
         "Pluviómetro Máximo (0 = sin límite)",
         "Período Pluviómetro",
         "Habilita Pt100",
         "Sensor de Presencia de Agua",
         "NC",
         "NA",
         "Presostato",
         "Pluv. Máx. Ramal (0 = sin límite)",
         "General",
         "Habilita Válvulas",
         "Deshabilita",
         "Habilita",
         "Duración en Manual",
         "BAR",
         "min"},
    };
    const char* const invalid[] = {"error: Valor inválido: 99999", "error: Invalid value: 99999",
                                   "error: Valor no válido: 99999"};
    auto* cycle = Find<QComboBox>(s.Screen(), "cbCiclo");
    s.ChooseCycle(2);
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]);
        EXPECT_EQ(cycle->count(), 5);
        EXPECT_EQ(cycle->currentText(), "3");
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit("edTimerPressaoMaxima", "99999");
        EXPECT_EQ(s.w.prompts.shown, QStringList({invalid[language]}));
    }
}

} // namespace
