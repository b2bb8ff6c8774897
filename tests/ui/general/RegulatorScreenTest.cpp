#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/general/GeneralScreen.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kRegulator = 2;

QString Cell(TLoggedInWindow& w, const char* grid, int row) {
    return Find<QTableWidget>(w.General(), grid)->item(row, 1)->text();
}

bool OutputButtonShown(TLoggedInWindow& w) {
    return w.Window().findChild<QWidget*>("imgConfSaidaCorrente2")->isVisibleTo(&w.Window());
}

TEST(RegulatorScreen, ConnectsOverTcpAndSerialAndShowsTheReadings) {
    for (TLink link : {TLink::Tcp, TLink::Serial}) {
        SCOPED_TRACE(link == TLink::Tcp ? "tcp" : "serial");
        TLoggedInWindow w({"--model", "R", "--serial-number", "4242", "--tap", "7", "--tap-extremes", "3,12",
                           "--commutations", "3"},
                          kRegulator);
        ASSERT_TRUE(w.Connect(link)) << w.prompts.shown.join("\n").toStdString();
        w.General()->Timer1Timer();
        EXPECT_EQ(Find<QLabel>(w.General(), "pnNumSerie")->text(), "Num. Serie: 4242");
        EXPECT_EQ(Find<QAbstractButton>(w.General(), "bbConectar")->text(), "Desconectar");
        // Fixed by the simulated line: a 23º lag and the first regulation set.
        EXPECT_EQ(Cell(w, "sgMedidas", 6), "23.0º");
        EXPECT_EQ(Cell(w, "sgMedidas", 7), "0.921");
        EXPECT_EQ(Cell(w, "sgMedidas", 8), "1");
        EXPECT_EQ(Cell(w, "sgMedidas", 9), "7");
        EXPECT_EQ(Cell(w, "sgMedidas2", 7), "3");
        EXPECT_EQ(Cell(w, "sgMedidas2", 8), "12");
        EXPECT_EQ(Cell(w, "sgMedidas2", 9), "3 milhões");
        struct Moving {
            const char* grid;
            int row;
            const char* pattern;
        };
        const Moving moving[] = {
            {"sgMedidas", 1, "^\\d+\\.\\d V$"},    {"sgMedidas", 2, "^\\d+\\.\\d\\d A$"},
            {"sgMedidas", 3, "^\\d+\\.\\d kV$"},   {"sgMedidas", 4, "^\\d+ A$"},
            {"sgMedidas", 5, "^\\d+\\.\\d kV$"},   {"sgMedidas2", 1, "^\\d+\\.\\d MVA$"},
            {"sgMedidas2", 2, "^\\d+\\.\\d MW$"},  {"sgMedidas2", 3, "^\\d+\\.\\d MVAr$"},
            {"sgMedidas2", 4, "^\\d+\\.\\d %$"},   {"sgMedidas2", 5, "^\\d+\\.\\d %$"},
            {"sgMedidas2", 6, "^-?\\d+\\.\\d %$"},
        };
        for (const Moving& m : moving)
            EXPECT_TRUE(QRegularExpression(m.pattern).match(Cell(w, m.grid, m.row)).hasMatch())
                << m.grid << " row " << m.row << ": " << Cell(w, m.grid, m.row).toStdString();
        // The clock of this family is at 601..606.
        EXPECT_TRUE(
            Find<QLabel>(w.General(), "pnRelogio")->text().contains(QDate::currentDate().toString("/yyyy ")));
        EXPECT_FALSE(Find<QLabel>(w.General(), "imgRele1")->pixmap().isNull());
        EXPECT_TRUE(OutputButtonShown(w)); // all three outputs fitted

        Click(w.General(), "bbConectar");
        EXPECT_FALSE(w.Window().Session().IsConnected());
        EXPECT_TRUE(Cell(w, "sgMedidas", 9).isEmpty());
        EXPECT_TRUE(Cell(w, "sgMedidas2", 9).isEmpty());
        EXPECT_TRUE(Find<QLabel>(w.General(), "imgRele1")->pixmap().isNull());
    }
}

TEST(RegulatorScreen, OtherModelsSwitchTheSelectorOrAreRefused) {
    struct Case {
        const char* model;
        TLink link;
        int family; // where the window ends
        const char* message;
    };
    const Case cases[] = {
        {"T", TLink::Tcp, 0,
         "error: Assinatura do equipamento é do QEL880T. O seletor no topo da janela será "
         "trocado para QEL880T."},
        {"P", TLink::Tcp, 1,
         "error: Assinatura do equipamento é do QEL880P. O seletor no topo da janela será "
         "trocado para QEL880P."},
        {"IRR", TLink::Tcp, kRegulator, "error: Assinatura do equipamento inválida."},
        {"T-membrane", TLink::Serial, kRegulator, "error: Assinatura do equipamento inválida."},
        {"T", TLink::Serial, 0,
         "error: Assinatura do equipamento é do QEL880T. O seletor no topo da janela será "
         "trocado para QEL880T."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model}, kRegulator);
        EXPECT_FALSE(w.Connect(c.link));
        w.prompts.dialogs.clear(); // refused before the password
        EXPECT_EQ(w.prompts.shown.value(0), c.message);
        EXPECT_EQ(w.Window().Session().Family(), c.family);
    }
}

TEST(RegulatorScreen, FittedOutputsFromTheCalibrationFloats) {
    const std::pair<const char*, bool> cases[] = {
        {"1.5,0,2", true},      // one output
        {"1,1,nan", true},      // two: a NaN counts as 0
        {"0,1,1", false},       // the first missing: none
        {"nan,1,1", false},     //
        {"0.00005,1,1", false}, // below 0.0001
        {"-0.5,1,1", true},     // the magnitude counts
    };
    for (const auto& [floats, shown] : cases) {
        SCOPED_TRACE(floats);
        TLoggedInWindow w({"--model", "R", "--output-calibration", floats}, kRegulator);
        EXPECT_FALSE(OutputButtonShown(w)); // hidden until a device says otherwise
        ASSERT_TRUE(w.Connect(TLink::Tcp));
        EXPECT_EQ(OutputButtonShown(w), shown);
    }
}

TEST(RegulatorScreen, PositionInEveryDisplayStyle) {
    TLoggedInWindow w({"--model", "R", "--tap", "7"}, kRegulator);
    const QStringList expected[] = {{"7", "-3", "3", "3L", "3R"}, {"7", "0", "0", "N", "N"}};
    const int references[] = {10, 7};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(references[i]);
        // The reference is read when connecting.
        ASSERT_TRUE(w.SetDevice(704, static_cast<std::uint16_t>(references[i])));
        ASSERT_TRUE(w.Connect(TLink::Tcp));
        for (int style : {4, 3, 2, 1, 0}) {
            Click(w.General(), QStringLiteral("rgVisualizacao_%1").arg(style));
            EXPECT_EQ(w.Device(703), style);
            w.General()->Timer1Timer();
            EXPECT_EQ(Cell(w, "sgMedidas", 9), expected[i][style]) << style;
        }
        Click(w.General(), "bbConectar");
    }
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

TEST(RegulatorScreen, NoPositionInputLeavesThePositionEmpty) {
    TLoggedInWindow w({"--model", "R", "--tap", "7", "--position-input", "3"}, kRegulator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    for (int style : {0, 3}) {
        Click(w.General(), QStringLiteral("rgVisualizacao_%1").arg(style));
        w.General()->Timer1Timer();
        EXPECT_TRUE(Cell(w, "sgMedidas", 9).isEmpty()) << style;
    }
}

TEST(RegulatorScreen, ResetOfExtremesAndTapCommands) {
    TLoggedInWindow w({"--model", "R", "--tap", "7", "--tap-extremes", "3,12", "--commutations", "3"},
                      kRegulator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer1Timer();

    w.prompts.answers = {TUserPrompts::TAnswer::No};
    Click(w.General(), "bbResetMaxMinCom");
    EXPECT_EQ(w.Device(801), 3);
    EXPECT_EQ(w.Device(804), 3);

    w.prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(w.General(), "bbResetMaxMinCom");
    EXPECT_EQ(w.prompts.shown.back(), "information: Memória resetada");
    EXPECT_EQ(w.Device(801), 7);
    EXPECT_EQ(w.Device(802), 7);
    EXPECT_EQ(w.Device(804), 0);

    // Sent again even where the program's copy already holds the position.
    ASSERT_TRUE(w.SetDevice(801, 2));
    w.prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(w.General(), "bbResetMaxMinCom");
    EXPECT_EQ(w.Device(801), 7);

    Click(w.General(), "bbPosicaoUp");
    EXPECT_EQ(w.prompts.shown.back(), "information: Comando enviado");
    EXPECT_EQ(w.Device(1015), 8);
    Click(w.General(), "bbPosicaoDown");
    EXPECT_EQ(w.Device(1015), 7);
    EXPECT_EQ(w.Device(804), 2);
    w.General()->Timer1Timer();
    EXPECT_EQ(Cell(w, "sgMedidas2", 8), "8");
    EXPECT_EQ(Cell(w, "sgMedidas2", 9), "2 milhões");
}

TEST(RegulatorScreen, LanguageAndFileFromTheScreen) {
    TLoggedInWindow w({"--model", "R"}, kRegulator);
    ASSERT_TRUE(w.Connect(TLink::Serial));
    Click(w.General(), "rgIdioma_1");
    EXPECT_EQ(w.Device(1500), 1);

    const QString file = w.Folder() + "regulator.conf";
    w.prompts.files = {file};
    Click(w.General(), "bbSalvarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração salva com sucesso");
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_TRUE(w.SetDevice(21, 1234)); // set 1's nominal voltage
    w.prompts.files = {file};
    w.prompts.dialogs = {LoadTheDifferences};
    Click(w.General(), "bbCarregarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(w.Device(21), 1150);
    EXPECT_EQ(w.Window().Settings().connection[kRegulator].confFile, file.toStdString());
}

TEST(GeneralScreenLanguages, RegulatorTextsInEveryLanguage) {
    TLoggedInWindow w({"--model", "R", "--commutations", "3"}, kRegulator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer1Timer();
    const QStringList names = {"bbConectar",     "bbResetMaxMinCom", "bbPosicaoUp", "bbPosicaoDown",
                               "rgVisualizacao", "lblRele1",         "lblRele6",    "lblRele9",
                               "lblRele10",      "sgMedidas",        "sgMedidas2"};
    const QStringList expected[3] = {
        {"Desconectar",
         "Resetar Max/Min/Com",
         "Subir posição",
         "Baixar posição",
         "Indicação",
         "Subir",
         "Falha",
         "Pré Sin. Subir",
         "Pré Sin. Descer",
         "",
         "Tensão Sec.",
         "Corrente Sec.",
         "Tensão Linha",
         "Corrente Linha",
         "Tensão Carga",
         "Defas. Linha",
         "Fator Potência",
         "Conj. Ativo",
         "Pos. Atual",
         "Medida",
         "",
         "Pot. Aparente",
         "Pot. Ativa",
         "Pot. Reativa",
         "% Tensão Nom.",
         "% Corrente Nom.",
         "Desvio Tensão",
         "Min. Pos.",
         "Max. Pos.",
         "Num. Comut.",
         ""},
        {"Disconnect",
         "Reset Max/Min/Comm",
         "Position Up",
         "Position Down",
         "Indication",
         "Up",
         "Failure",
         "Pre Sign. Up",
         "Pre Sign. Down",
         "",
         "Sec. Volt.",
         "Sec. Curr.",
         "Line Volt.",
         "Line Curr.",
         "Load Volt.",
         "Line Lag",
         "Power Factor",
         "Active Set",
         "Curr. Pos.",
         "Measure",
         "",
         "Apparent Power",
         "Active Power",
         "Reactive Power",
         "% Nom. Volt.",
         "% Nom. Curr.",
         "Volt. Deviat.",
         "Min. Pos.",
         "Max. Pos.",
         "Num. Commut.",
         ""},
        {"Desconectar",
         "Resetear Max/Min/Conm",
         "Subir posición",
         "Bajar posición",
         "Indicación",
         "Subir",
         "Falla",
         "Pre Señal Subir",
         "Pre Señal Bajar",
         "",
         "Tensión Secun.",
         "Corriente Secun.",
         "Tensión Línea",
         "Corriente Línea",
         "Tensión Carga",
         "Desfase Línea",
         "Factor Potencia",
         "Conj. Activo",
         "Pos. Actual",
         "Medida",
         "",
         "Poten. Aparente",
         "Poten. Activa",
         "Poten. Reactiva",
         "% Tensión Nom.",
         "% Corriente Nom.",
         "Desvío Tensión",
         "Pos. Mín.",
         "Pos. Máx.",
         "Núm. Conmut.",
         ""},
    };
    const char* millions[3] = {"3 milhões", "3 millions", "3 millones"};
    for (int language : {1, 2, 0}) {
        w.Window().ApplyLanguage(language);
        // Joined, so that a difference reads as text.
        EXPECT_EQ(w.Texts(names).join(" | "), expected[language].join(" | ")) << language;
        w.General()->Timer1Timer();
        EXPECT_EQ(Cell(w, "sgMedidas2", 9), millions[language]);
    }
}

} // namespace
