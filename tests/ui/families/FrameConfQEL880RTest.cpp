#include "LoggedInWindow.h"
#include "SettingRounds.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/common/RadioGroup.h"
#include "ui/families/FrameConfQEL880R.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <set>
#include <tuple>
#include <vector>

namespace {

using SettingRounds::TCase;
constexpr int kEquipScreen = 7;

// The window logged in to a regulator and showing its equipment settings.
struct TEquip {
    explicit TEquip(const QStringList& presets = {}) : w(Args(presets), Family::kRegulator) {
        connected = w.Connect(TLoggedInWindow::TLink::Tcp);
        w.Window().SelectScreen(kEquipScreen);
    }
    static QStringList Args(const QStringList& presets) {
        QStringList args{"--model", "R"};
        for (const QString& p : presets)
            args << "--set" << p;
        return args;
    }
    QWidget* Screen() { return w.Window().ShownScreen(); }
    QLineEdit* Box(const char* name) { return Find<QLineEdit>(Screen(), name); }
    TRadioGroup* Group(const char* name) { return Find<TRadioGroup>(Screen(), name); }
    // The registers the device confirms from now on (a framed commit reads back what it wrote).
    void Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

TEST(RegulatorEquipScreen, EveryBoxKeepsItsLimitsAndRoundsHalvesToEven) {
    TEquip s;
    ASSERT_TRUE(s.connected);
    const char* const ur = "Valor Ur inválido. Deve ser um valor entre -25.0 e 25.0.";
    const char* const ux = "Valor Ux inválido. Deve ser um valor entre -25.0 e 25.0.";
    const char* const z = "Valor de Z inválido. Deve ser um valor entre 0.0 e 15.0.";
    const char* const comp = "Compensação Máxima inválida. Deve ser um inteiro entre 0 e 25.";
    const char* const lag = "Defasagem Tensão/Corrente inválida. Deve ser um inteiro entre 0 e 359.";
    const char* const pt = "Relação TP inválida. Deve ser um inteiro entre 1 e 9999.";
    const char* const ct = "Relação TC inválida. Deve ser um inteiro entre 1 e 9999.";
    const char* const current = "Corrente nominal inválida. Deve ser um valor entre 0.1 e 10.0.";
    const char* const under = "Valor de Subtensão inválida. Deve ser um inteiro entre 10 e 99.";
    const char* const over = "Valor de Sobretensão inválida. Deve ser um inteiro entre 10 e 99.";
    const char* const overCurrent = "Valor de Sobrecorrente inválida. Deve ser um inteiro entre 10 e 99.";
    const char* const resistance =
        "Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.";
    const char* const positions = "Número de posições inválido. Deve ser um inteiro entre 2 e 50.";
    const char* const neutral = "Posição neutra inválida. Deve ser um inteiro entre 1 e 50.";
    const char* const low = "Posição Mínima inválida. Deve ser um inteiro entre 1 e 50.";
    const char* const high = "Posição Máxima inválida. Deve ser um inteiro entre 1 e 50.";
    const char* const pulse = "Duração do pulso inválido. Deve ser um inteiro entre 1 e 10.";
    const std::vector<TCase> cases{
        {"edUR", "-25", 202, 0, nullptr},
        {"edUR", "25", 202, 500, nullptr},
        {"edUR", "-0.25", 202, 248, nullptr},
        {"edUR", "1,35", 202, 264, nullptr},
        {"edUR", "-25.1", 202, -1, ur},
        {"edUR", "25.05", 202, -1, ur},
        {"edUR", "-25.04", 202, 0, nullptr},
        {"edUR", "abc", 202, -1, ur},
        {"edUX", "25.04", 203, 500, nullptr},
        {"edUX", "-25.05", 203, -1, ux},
        {"edUX", "0", 203, 250, nullptr},
        {"edZ", "15.04", 204, 150, nullptr},
        {"edZ", "15.05", 204, -1, z},
        {"edZ", "0.25", 204, 2, nullptr},
        {"edZ", "0.35", 204, 4, nullptr},
        {"edZ", "-0.05", 204, -1, z},
        {"edZ", "-0.04", 204, 0, nullptr},
        {"edMaxComp", "0", 205, 0, nullptr},
        {"edMaxComp", "25", 205, 25, nullptr},
        {"edMaxComp", "26", 205, -1, comp},
        {"edMaxComp", "2.5", 205, -1, comp},
        {"edDefasagem", "359", 401, 359, nullptr},
        {"edDefasagem", "360", 401, -1, lag},
        {"edDefasagem", "0", 401, 0, nullptr},
        {"edDefasagem", "-1", 401, -1, lag},
        {"edRelacaoTP", "1", 403, 1, nullptr},
        {"edRelacaoTP", "9999", 403, 9999, nullptr},
        {"edRelacaoTP", "0", 403, -1, pt},
        {"edRelacaoTP", "10000", 403, -1, pt},
        {"edRelacaoTC", "9999", 404, 9999, nullptr},
        {"edRelacaoTC", "1", 404, 1, nullptr},
        {"edRelacaoTC", "10000", 404, -1, ct},
        {"edRelacaoTC", "0", 404, -1, ct},
        {"edCorrenteNominal", "0.0998", 405, 1, nullptr},
        {"edCorrenteNominal", "10.04", 405, 100, nullptr},
        {"edCorrenteNominal", "0.0997", 405, -1, current},
        {"edCorrenteNominal", "10.05", 405, -1, current},
        {"edCorrenteNominal", "0.25", 405, 2, nullptr},
        {"edCorrenteNominal", "5,5", 405, 55, nullptr},
        {"edSubtensao", "10", 501, 10, nullptr},
        {"edSubtensao", "99", 501, 99, nullptr},
        {"edSubtensao", "9", 501, -1, under},
        {"edSubtensao", "100", 501, -1, under},
        {"edSobretensao", "99", 502, 99, nullptr},
        {"edSobretensao", "10", 502, 10, nullptr},
        {"edSobretensao", "100", 502, -1, over},
        {"edSobretensao", "9", 502, -1, over},
        {"edSobrecorrente", "10", 503, 10, nullptr},
        {"edSobrecorrente", "99", 503, 99, nullptr},
        {"edSobrecorrente", "150", 503, -1, overCurrent},
        {"edSobrecorrente", "9", 503, -1, overCurrent},
        {"edResPorPos", "2.96", 701, 30, nullptr},
        {"edResPorPos", "20.04", 701, 200, nullptr},
        {"edResPorPos", "2.95", 701, -1, resistance},
        {"edResPorPos", "20.05", 701, -1, resistance},
        {"edResPorPos", "12.25", 701, 122, nullptr},
        {"edNumPos", "2", 702, 2, nullptr},
        {"edNumPos", "50", 702, 50, nullptr},
        {"edNumPos", "1", 702, -1, positions},
        {"edNumPos", "51", 702, -1, positions},
        // Positions are not checked against each other.
        {"edNumPos", "20", 702, 20, nullptr},
        {"edPosNeutra", "1", 704, 1, nullptr},
        {"edPosNeutra", "50", 704, 50, nullptr},
        {"edPosNeutra", "0", 704, -1, neutral},
        {"edPosNeutra", "51", 704, -1, neutral},
        {"edPosNeutra", "40", 704, 40, nullptr},
        {"edPosMin", "50", 705, 50, nullptr},
        {"edPosMin", "1", 705, 1, nullptr},
        {"edPosMin", "51", 705, -1, low},
        {"edPosMin", "0", 705, -1, low},
        {"edPosMax", "1", 706, 1, nullptr},
        {"edPosMax", "50", 706, 50, nullptr},
        {"edPosMax", "0", 706, -1, high},
        {"edPosMax", "51", 706, -1, high},
        {"edTempoPulso", "10", 708, 10, nullptr},
        {"edTempoPulso", "1", 708, 1, nullptr},
        {"edTempoPulso", "11", 708, -1, pulse},
        {"edTempoPulso", "0", 708, -1, pulse},
    };
    for (const auto& round : SettingRounds::Rounds(cases))
        SettingRounds::CheckRound(s.w, round);
}

TEST(RegulatorEquipScreen, BoxesShowTheDeviceScaled) {
    TEquip s({"202=0", "203=245", "204=150", "405=1", "701=125", "503=150", "702=7"});
    ASSERT_TRUE(s.connected);
    const std::pair<const char*, const char*> shown[] = {
        {"edUR", "-25.0"},       {"edUX", "-0.5"},           {"edZ", "15.0"},   {"edCorrenteNominal", "0.1"},
        {"edResPorPos", "12.5"}, {"edSobrecorrente", "150"}, {"edNumPos", "7"}, {"edRelacaoTP", "100"},
    };
    for (const auto& [box, text] : shown)
        EXPECT_EQ(s.Box(box)->text(), text) << box;
    EXPECT_EQ(s.Group("rgTipoLdc")->ItemIndex(), 0);
    EXPECT_EQ(s.Group("rgTipoConexao")->ItemIndex(), 0);
    EXPECT_EQ(s.Group("rgDesligaMedida")->ItemIndex(), 0);
}

TEST(RegulatorEquipScreen, RadioGroupsWriteTheirRegisterAlone) {
    TEquip s;
    ASSERT_TRUE(s.connected);
    const std::tuple<const char*, int, int> clicks[] = {{"rgTipoLdc", 1, 201},
                                                        {"rgTipoConexao", 2, 402},
                                                        {"rgTipoConexao", 1, 402},
                                                        {"rgDesligaMedida", 1, 707}};
    for (const auto& [group, item, reg] : clicks) {
        SCOPED_TRACE(group);
        s.Watch();
        Click(s.Group(group), QString("%1_%2").arg(group).arg(item));
        EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(reg)), item);
        EXPECT_EQ(s.confirmed, std::set<int>({reg}));
        EXPECT_EQ(s.Group(group)->ItemIndex(), item);
    }
    EXPECT_TRUE(s.w.prompts.shown.isEmpty());
}

TEST(RegulatorEquipScreen, ARefillOverwritesTheBoxWithTheFocus) {
    TEquip s;
    ASSERT_TRUE(s.connected);
    QLineEdit* box = s.Box("edUR");
    QApplication::setActiveWindow(&s.w.Window());
    box->setFocus();
    box->setText("99");
    Click(s.Group("rgTipoLdc"), "rgTipoLdc_1"); // commits with the box still focused
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->text(), "0.0");
    EXPECT_EQ(s.w.Device(201), 1);
    EXPECT_EQ(s.w.Device(202), 250);
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"error: Valor Ur inválido. Deve ser um valor entre -25.0 e 25.0."}));
}

TEST(RegulatorEquipScreen, AValueNoItemStandsForShowsNoneAndIsNotWritten) {
    TEquip s({"402=3", "201=2", "707=5"});
    ASSERT_TRUE(s.connected);
    for (const char* group : {"rgTipoConexao", "rgTipoLdc", "rgDesligaMedida"})
        EXPECT_EQ(s.Group(group)->ItemIndex(), -1) << group;
    s.Watch();
    s.w.TypeAndCommit("edRelacaoTP", "250");
    EXPECT_EQ(s.w.Device(403), 250);
    EXPECT_EQ(s.confirmed, std::set<int>({403}));
    EXPECT_EQ(s.w.Device(402), 3);
    EXPECT_EQ(s.w.Device(201), 2);
    EXPECT_EQ(s.w.Device(707), 5);
    EXPECT_EQ(s.Group("rgTipoConexao")->ItemIndex(), -1);
    // Chosen by the user: written from then on.
    Click(s.Group("rgTipoConexao"), "rgTipoConexao_1");
    EXPECT_EQ(s.w.Device(402), 1);
    EXPECT_EQ(s.w.Device(201), 2);
    EXPECT_TRUE(s.w.prompts.shown.isEmpty());
}

TEST(RegulatorEquipScreen, ABoxLeftDuringACommitIsCommittedAfterIt) {
    TEquip s;
    ASSERT_TRUE(s.connected);
    // Runs inside the first commit's waits, as a user leaving another box meanwhile.
    QTimer::singleShot(0, &s.w.Window(), [&s] { s.w.TypeAndCommit("edRelacaoTC", "321"); });
    s.w.TypeAndCommit("edRelacaoTP", "123");
    EXPECT_EQ(s.w.Device(403), 123);
    EXPECT_EQ(s.w.Device(404), 321);
    EXPECT_EQ(s.Box("edRelacaoTP")->text(), "123");
    EXPECT_EQ(s.Box("edRelacaoTC")->text(), "321");
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("\n").toStdString();
}

TEST(RegulatorEquipScreen, Languages) {
    TEquip s;
    ASSERT_TRUE(s.connected);
    const QStringList names{"gbLDC",
                            "rgTipoLdc",
                            "lblUR",
                            "lblUX",
                            "lblZ",
                            "lblMaxComp",
                            "gbTpTc",
                            "rgTipoConexao",
                            "rgTipoConexao_0",
                            "rgTipoConexao_1",
                            "rgTipoConexao_2",
                            "lblDefasagem",
                            "lblRelacaoTP",
                            "lblRelacaoTC",
                            "lblCorrenteNominal",
                            "gbBloqueio",
                            "lblSubtensao",
                            "lblSobretensao",
                            "lblSobrecorrente",
                            "gbComutador",
                            "lblResPorPos",
                            "lblNumPos",
                            "lblPosNeutra",
                            "lblPosMin",
                            "lblPosMax",
                            "lblTempoPulso",
                            "rgDesligaMedida",
                            "rgDesligaMedida_0",
                            "rgDesligaMedida_1",
                            "rgTipoLdc_0",
                            "rgTipoLdc_1"};
    const QStringList expected[] = {
        {"Compensação LDC",
         "Tipo de LDC",
         "Ur (V)",
         "Ux (V)",
         "Comp. Z (%)",
         "Comp. Máx. (%)",
         "TC/TP",
         "Tipo Conexão",
         "Monofásico",
         "Trifásico Fase-Neutro",
         "Trifásico Fase-Fase",
         "Defasagem Tensão/Corrente (º)",
         "Relação TP",
         "Relação TC",
         "Corrente Nominal (A)",
         "Bloqueio",
         "Subtensão (%)",
         "Sobretensão (%)",
         "Sobrecorrente (%)",
         "Comutador",
         "Resistência por Posição (ohm)",
         "Num. Posições",
         "Pos. Neutra",
         "Pos. Min.",
         "Pos. Max.",
         "Duração do Pulso (s)",
         "Leitura da Posição",
         "Ativa",
         "Desativada",
         "RX",
         "Z"},
        {"LDC Compensation",
         "LDC Type",
         "Ur (V)",
         "Ux (V)",
         "Z Comp. (%)",
         "Max. Comp. (%)",
         "PT/CT",
         "Connection Type",
         "Single Phase",
         "Three Phase Phase-Neutral",
         "Three Phase Phase-Phase",
         "Volt/Current Lag (º)",
         "PT Ratio",
         "CT Ratio",
         "Rated Current (A)",
         "Block",
         "Undervoltage (%)",
         "Overvoltage (%)",
         "Overcurrent (%)",
         "Tap Changer",
         "Resistance per Position (ohm)",
         "Num. Pos.",
         "Neutral Pos.",
         "Min. Pos.",
         "Max. Pos.",
         "Pulse Duration (s)",
         "Position Measure",
         "Active",
         "Deactivated",
         "RX",
         "Z"},
        {"Compensación LDC",
         "Tipo de LDC",
         "Ur (V)",
         "Ux (V)",
         "Comp. Z (%)",
         "Comp. Máx. (%)",
         "TC/TP",
         "Tipo Conexión",
         "Monofásico",
         "Trifásico Fase-Neutro",
         "Trifásico Fase-Fase",
         "Desfase Tension/Corriente (º)",
         "Relación TP",
         "Relación TC",
         "Corriente Nominal (A)",
         "Bloqueo",
         "Subtensión (%)",
         "Sobretensión (%)",
         "Sobrecorriente (%)",
         "Cambiador",
         "Resistencia por Posición (ohm)",
         "Núm. Posiciones",
         "Pos. Neutra",
         "Pos. Mín.",
         "Pos. Máx.",
         "Duración del Pulso (s)",
         "Leitura de Posición",
         "Activa",
         "Desactivada",
         "RX",
         "Z"},
    };
    const char* const messages[] = {"error: Relação TP inválida. Deve ser um inteiro entre 1 e 9999.",
                                    "error: Invalid PT Ratio. It must be an integer between 1 and 9999.",
                                    "error: Relación TP inválida. Debe ser un entero entre 1 y 9999."};
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]);
        // Messages come in the language shown.
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit("edRelacaoTP", "0");
        EXPECT_EQ(s.w.prompts.shown, QStringList({messages[language]}));
    }
}

} // namespace
