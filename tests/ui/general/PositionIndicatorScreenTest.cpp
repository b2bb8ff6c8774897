#include "FramedClient.h"
#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/general/GeneralScreen.h"

#include <QDate>
#include <QLabel>
#include <QTableWidget>

namespace {

using TLink = TLoggedInWindow::TLink;

QStringList Rows(TLoggedInWindow& w) {
    const auto* grid = Find<QTableWidget>(w.General(), "sgMedidas");
    QStringList rows;
    for (int r = 1; r <= 5; ++r)
        rows << grid->item(r, 1)->text();
    return rows;
}

bool OutputButtonShown(TLoggedInWindow& w) {
    return Find<QWidget>(&w.Window(), "imgConfSaidaCorrente2")->isVisible();
}

TEST(PositionIndicatorScreen, ConnectsOverBothLinksAndShowsTheDevice) {
    for (TLink link : {TLink::Tcp, TLink::Serial}) {
        SCOPED_TRACE(link == TLink::Tcp ? "tcp" : "serial");
        TLoggedInWindow w({"--model", "C", "--set", "1015=7"}, Family::kPositionIndicator);
        EXPECT_FALSE(OutputButtonShown(w));
        ASSERT_TRUE(w.Connect(link)) << w.prompts.shown.join("\n").toStdString();
        EXPECT_TRUE(OutputButtonShown(w));
        // 7 positions of 10.0 ohms; 4..20 mA over positions 1..33.
        EXPECT_EQ(Rows(w), (QStringList{"7.0 ohms", "7.000 mA", "7", "7", "Sem falha"}));
        w.General()->Timer1Timer();
        EXPECT_EQ(Rows(w), (QStringList{"7.0 ohms", "7.000 mA", "7", "7", "Sem falha"}));
        EXPECT_TRUE(
            Find<QLabel>(w.General(), "pnRelogio")->text().contains(QDate::currentDate().toString("/yyyy")));
        EXPECT_FALSE(Find<QLabel>(w.General(), "imgRele7")->pixmap().isNull());

        Click(w.General(), "bbConectar"); // disconnects
        EXPECT_EQ(Rows(w), QStringList(5, QString()));
        EXPECT_TRUE(Find<QLabel>(w.General(), "pnRelogio")->text().isEmpty());
        EXPECT_TRUE(Find<QLabel>(w.General(), "imgRele7")->pixmap().isNull());
        EXPECT_TRUE(Find<QLabel>(w.General(), "lblRele7")->isVisible()); // captions stay
    }
}

TEST(PositionIndicatorScreen, OutputButtonFollowsTheConnectionNotTheLogin) {
    TLoggedInWindow w({"--model", "C"}, Family::kPositionIndicator);
    EXPECT_FALSE(w.Connect(TLink::Tcp, "NOPE"));
    EXPECT_EQ(w.prompts.shown.back(), "error: Senha incorreta");
    EXPECT_TRUE(OutputButtonShown(w));
    w.Window().SetFamilySelector(Family::kThermal);
    EXPECT_FALSE(OutputButtonShown(w));
}

TEST(PositionIndicatorScreen, OtherModelsSwitchOrAreRefused) {
    struct Case {
        const char* model;
        TLink link;
        int family; // where the main window ends up
        const char* message;
    };
    const Case cases[] = {
        {"T", TLink::Serial, Family::kThermal,
         "error: Assinatura do equipamento é do QEL880T. O seletor no topo da janela será trocado para "
         "QEL880T."},
        {"P", TLink::Tcp, Family::kParallelism,
         "error: Assinatura do equipamento é do QEL880P. O seletor no topo da janela será trocado para "
         "QEL880P."},
        {"R", TLink::Serial, Family::kPositionIndicator, "error: Assinatura do equipamento inválida."},
        {"IRR", TLink::Tcp, Family::kPositionIndicator, "error: Assinatura do equipamento inválida."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model}, Family::kPositionIndicator);
        EXPECT_FALSE(w.Connect(c.link));
        w.prompts.dialogs.clear(); // refused before the password
        EXPECT_EQ(w.prompts.shown.back(), c.message);
        EXPECT_EQ(w.Window().Session().Family(), c.family);
        EXPECT_FALSE(OutputButtonShown(w));
    }
}

TEST(PositionIndicatorScreen, IndicationFollowsStyleReferenceAndMeasurementKind) {
    struct Case {
        int style;
        int kind; // 707: 2 and above, no indication
        const char* indication;
    };
    const Case cases[] = {{0, 0, "7"},  {1, 0, "-3"}, {2, 1, "3"}, {3, 0, "3L"},
                          {4, 1, "3R"}, {3, 2, ""},   {0, 5, ""},  {5, 0, ""}};
    TLoggedInWindow w({"--model", "C", "--set", "1015=7", "--set", "704=10"}, Family::kPositionIndicator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    TFramedClient device;
    ASSERT_TRUE(device.Connect(w.Sim().Port()));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " kind " << c.kind);
        ASSERT_EQ(device.Write({{703, static_cast<std::uint16_t>(c.style)}})->count, 0);
        // The measurement kind is read at connection and with the settings, not every second.
        ASSERT_EQ(device.Write({{707, static_cast<std::uint16_t>(c.kind)}})->count, 0);
        w.Window().Session().ReadRegisters(707, 1);
        w.General()->Timer1Timer();
        EXPECT_EQ(Rows(w)[3], c.indication);
        EXPECT_EQ(Rows(w)[2], "7");
    }
}

TEST(PositionIndicatorScreen, FailureShowsTheHighestOfBitsZeroToThree) {
    const std::pair<int, const char*> cases[] = {
        {0x0, "Sem falha"},
        {0x1, "Erro na medida"},
        {0x3, "Medida desconectada"},
        {0x6, "Posição acima do número de posições"},
        {0xF, "Aguardando timeout da falha anterior"},
        {0x10, "Sem falha"},
        {0x8012, "Medida desconectada"},
    };
    for (const auto& [bits, text] : cases) {
        SCOPED_TRACE(bits);
        TLoggedInWindow w({"--model", "C", "--set", QStringLiteral("1965=%1").arg(bits)},
                          Family::kPositionIndicator);
        ASSERT_TRUE(w.Connect(TLink::Serial));
        w.General()->Timer1Timer();
        EXPECT_EQ(Rows(w)[4], text);
    }
}

TEST(PositionIndicatorScreen, DeviceLanguageClockAndConfigurationFiles) {
    TLoggedInWindow w({"--model", "C"}, Family::kPositionIndicator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    Click(w.General(), "rgIdioma_2");
    EXPECT_EQ(w.Device(1500), 2);
    w.prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(w.General(), "bbAjustarRelogioComputador");
    EXPECT_EQ(w.Device(606), QDate::currentDate().year() - 2000);

    QTemporaryDir dir;
    const QString file = dir.filePath("indicator.conf");
    w.prompts.files = {file};
    Click(w.General(), "bbSalvarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração salva com sucesso");
    TFramedClient device;
    ASSERT_TRUE(device.Connect(w.Sim().Port()));
    ASSERT_EQ(device.Write({{702, 40}, {303, 150}})->count, 0);
    w.prompts.files = {file};
    w.prompts.dialogs = {LoadTheDifferences};
    Click(w.General(), "bbCarregarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(w.Device(702), 33);
    EXPECT_EQ(w.Device(303), 100);
    // Remembered for the run only.
    EXPECT_EQ(w.Window().Settings().connection[Family::kPositionIndicator].confFile, file.toStdString());
}

TEST(PositionIndicatorScreenLanguages, TextsInEveryLanguage) {
    TLoggedInWindow w({"--model", "C"}, Family::kPositionIndicator);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    const QStringList names = {"bbConectar", "bbAjustarRelogioComputador",
                               "rgIdioma",   "lblRele1",
                               "lblRele6",   "lblRele7",
                               "lblRele8",   "lblRele9",
                               "lblRele10",  "sgMedidas"};
    const QStringList expected[3] = {
        {"Desconectar", "Ajustar com relógio do PC", "Idioma do Equipamento", "EA", "ZB", "Pos. Min.",
         "Pos. Max.", "Falha", "Falha Aliment.", "", "Resistência", "Corrente", "Posição", "Indicação",
         "Falha", "Medida"},
        {"Disconnect", "Adjust with PC clock", "Device Language", "EA", "ZB", "Min. Pos.", "Max. Pos.",
         "Failure", "Power Failure", "", "Resistance", "Current", "Position", "Indication", "Failure",
         "Measure"},
        {"Desconectar", "Ajustar con reloj del PC", "Idioma del Equipo", "EA", "ZB", "Pos. Mín.", "Pos. Máx.",
         "Falla", "Falla Aliment.", "", "Resistencia", "Corriente", "Posición", "Indicación", "Falla",
         "Medida"},
    };
    for (int language : {1, 2, 0}) {
        w.Window().ApplyLanguage(language);
        EXPECT_EQ(w.Texts(names), expected[language]) << language;
    }
    w.Window().ApplyLanguage(1);
    EXPECT_EQ(Rows(w)[4], "No failure");
}

} // namespace
