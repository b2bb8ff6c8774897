#include "LoggedInWindow.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "persistence/ProgramMainConf.h"
#include "ui/general/GeneralScreen.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kIrrigation = 3;
const QString kDisconnected = "error: Equipamento desconectado";

QString Cell(TLoggedInWindow& w, int row) {
    return Find<QTableWidget>(w.General(), "sgMedidas")->item(row, 1)->text();
}

bool LampLit(TLoggedInWindow& w, int output) {
    return Find<QLabel>(w.General(), QStringLiteral("spRele%1").arg(output))->styleSheet().contains("red");
}

TEST(IrrigationScreen, ConnectsOverTcpAndUsbAndShowsTheReadings) {
    for (TLink link : {TLink::Tcp, TLink::Usb}) {
        SCOPED_TRACE(link == TLink::Tcp ? "tcp" : "usb");
        TLoggedInWindow w({"--model", "IRR", "--serial-number", "77", "--rain", "70196", "--water", "1234",
                           "--last-cycle-water", "56", "--inputs", "5", "--temperature", "1750", "--status",
                           "9"},
                          kIrrigation);
        EXPECT_FALSE(Find<QWidget>(w.General(), "bbConectar")->isVisibleTo(w.General()));
        ASSERT_TRUE(w.Connect(link)) << w.prompts.shown.join("\n").toStdString();
        w.General()->Timer1Timer();
        EXPECT_EQ(Find<QLabel>(w.General(), "pnNumSerie")->text(), "Num. Serie: 77");
        const QStringList rows = {"7019.6 mm/m2",
                                  "1234 l",
                                  "56 l",
                                  "0.0 bar",
                                  "1: 1  2: 0  3: 1  4: 0  5: 0  6: 0  7: 0  8: 0  9: 0  10: 0  11: 0  ",
                                  "25.0 ºC",
                                  ">Sem água<>Pressão baixa<"};
        for (int row = 1; row <= rows.size(); ++row)
            EXPECT_EQ(Cell(w, row), rows[row - 1]) << row;
        EXPECT_TRUE(Cell(w, 8).isEmpty());
        EXPECT_FALSE(Find<QLabel>(w.General(), "pnRelogio")->text().isEmpty());
        auto* usb = Find<QAbstractButton>(w.General(), "bbConectarUsb");
        EXPECT_EQ(usb->text(), "Desconectar");
        EXPECT_TRUE(usb->isEnabled());
        EXPECT_FALSE(Find<QWidget>(w.General(), "bbConectarIP")->isEnabled());
        EXPECT_TRUE(Find<QWidget>(w.General(), "edRele2")->isVisibleTo(w.General()));
        EXPECT_TRUE(Find<QWidget>(w.General(), "bbManual")->isEnabled());

        Click(w.General(), "bbConectarUsb"); // the USB button disconnects, whatever the link
        EXPECT_FALSE(w.Window().Session().IsConnected());
        EXPECT_EQ(usb->text(), "Conectar USB");
        EXPECT_TRUE(Find<QWidget>(w.General(), "bbConectarIP")->isEnabled());
        EXPECT_TRUE(Cell(w, 1).isEmpty());
        EXPECT_TRUE(Cell(w, 7).isEmpty());
        EXPECT_FALSE(Find<QWidget>(w.General(), "edRele2")->isVisibleTo(w.General()));
        EXPECT_FALSE(Find<QWidget>(w.General(), "lblRele1")->isVisibleTo(w.General()));
        EXPECT_FALSE(w.prompts.shown.contains(kDisconnected));
    }
}

TEST(IrrigationScreen, OtherModelsSwitchTheSelectorOrAreRefused) {
    struct Case {
        const char* model;
        TLink link;
        int family;
        const char* named; // the model the message names; none: invalid signature
    };
    const Case cases[] = {
        {"T", TLink::Tcp, 0, "QEL880T"},
        {"R", TLink::Tcp, 2, "QEL880R"},
        {"P", TLink::Tcp, 1, "QEL880P"},
        {"C", TLink::Tcp, kIrrigation, nullptr},
        {"T-membrane", TLink::Usb, kIrrigation, nullptr},
        {"R", TLink::Usb, 2, "QEL880R"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model}, kIrrigation);
        EXPECT_FALSE(w.Connect(c.link));
        w.prompts.dialogs.clear(); // refused before the password
        const QString expected =
            c.named
                ? QStringLiteral("error: Assinatura do equipamento é do %1. O seletor no topo da janela será "
                                 "trocado para %1.")
                      .arg(c.named)
                : QStringLiteral("error: Assinatura do equipamento inválida.");
        EXPECT_EQ(w.prompts.shown, QStringList{expected});
        EXPECT_EQ(w.Window().Session().Family(), c.family);
    }
}

TEST(IrrigationScreen, StatusTextsAndServiceCommands) {
    TLoggedInWindow w({"--model", "IRR", "--status", "9", "--water", "500", "--rain", "20"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().ApplyLanguage(1);
    w.General()->Timer1Timer();
    EXPECT_EQ(Cell(w, 7), ">No water<>Pressure too low<");

    const std::pair<const char*, const char*> commands[] = {
        {"bbUnblockSystem", ">No water<"},
        {"bbEmergency", ">No water<>Emergency<"},
        {"bbResetHydrometer", ">No water<>Emergency<"},
        {"bbResetPluviometer", ">No water<>Emergency<"},
    };
    for (const auto& [button, status] : commands) {
        Click(w.General(), button);
        EXPECT_EQ(w.prompts.shown.back(), "information: Command sent") << button;
        w.General()->Timer1Timer();
        EXPECT_EQ(Cell(w, 7), status) << button;
    }
    EXPECT_EQ(Cell(w, 2), "0 l");
    EXPECT_EQ(Cell(w, 1), "0.0 mm/m2");
    EXPECT_EQ(w.Device(1004), 0);
    EXPECT_EQ(w.Device(1002), 0);

    TLoggedInWindow quiet({"--model", "IRR", "--temperature", "65535"}, kIrrigation);
    ASSERT_TRUE(quiet.Connect(TLink::Tcp));
    quiet.Window().ApplyLanguage(1);
    quiet.General()->Timer1Timer();
    EXPECT_EQ(Cell(quiet, 7), "No active valve");
    EXPECT_EQ(Cell(quiet, 6), "-----");
    ASSERT_TRUE(quiet.SetDevice(212, 0b10)); // branch 1 by hand
    ASSERT_TRUE(WaitUntil([&] { return quiet.Device(1101) == 1; }));
    quiet.General()->Timer1Timer();
    EXPECT_EQ(Cell(quiet, 7), "System OK");
    EXPECT_TRUE(LampLit(quiet, 2));
    EXPECT_FALSE(Find<QLabel>(quiet.General(), "imgRele2")->pixmap().isNull());
}

TEST(IrrigationScreen, WaterAndPressureLampsFollowTheirInputsAndPolarity) {
    struct Case {
        int inputs, waterInvert, pressostatInvert;
        bool water, pressure; // lamps 8 and 9 lit
    };
    const Case cases[] = {
        {0x180, 0, 0, true, true},   {0x180, 1, 0, false, true}, {0x180, 0, 1, true, false},
        {0x180, 1, 1, false, false}, {0x000, 1, 1, true, true},  {0x080, 0, 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("inputs %1, inversions %2 %3")
                         .arg(c.inputs)
                         .arg(c.waterInvert)
                         .arg(c.pressostatInvert)
                         .toStdString());
        TLoggedInWindow w({"--model", "IRR", "--inputs", QString::number(c.inputs)}, kIrrigation);
        ASSERT_TRUE(w.SetDevice(213, static_cast<std::uint16_t>(c.waterInvert)));
        ASSERT_TRUE(w.SetDevice(214, static_cast<std::uint16_t>(c.pressostatInvert)));
        ASSERT_TRUE(w.Connect(TLink::Tcp));
        w.General()->Timer1Timer();
        EXPECT_EQ(LampLit(w, 8), c.water);
        EXPECT_EQ(LampLit(w, 9), c.pressure);
        // Both are lamps only.
        EXPECT_EQ(w.General()->findChild<QLabel*>("imgRele8"), nullptr);
        EXPECT_EQ(w.General()->findChild<QLabel*>("imgRele9"), nullptr);
    }
}

TEST(IrrigationScreen, FourthFailedPollGivesOneBox) {
    // Every poll reads the status; the connection itself does not.
    TLoggedInWindow w({"--model", "IRR", "--fail-register", "1001"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Usb));
    for (int poll = 1; poll <= 3; ++poll)
        w.General()->Timer1Timer();
    EXPECT_TRUE(w.Window().Session().IsConnected());
    EXPECT_FALSE(w.prompts.shown.contains(kDisconnected));
    for (int poll = 4; poll <= 6; ++poll)
        w.General()->Timer1Timer();
    EXPECT_EQ(w.prompts.shown.count(kDisconnected), 1);
    EXPECT_FALSE(w.Window().Session().IsConnected());
    EXPECT_EQ(Find<QAbstractButton>(w.General(), "bbConectarUsb")->text(), "Conectar USB");
    EXPECT_TRUE(Find<QWidget>(w.General(), "bbConectarIP")->isEnabled());
    EXPECT_TRUE(Cell(w, 7).isEmpty());
}

TEST(IrrigationScreen, ADeviceThatClosesTheLinkIsSaidOnce) {
    TLoggedInWindow w({"--model", "IRR"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Sim().Stop();
    ASSERT_TRUE(WaitUntil([&] { return !w.Window().Session().IsConnected(); }));
    w.General()->Timer1Timer();
    w.General()->Timer1Timer();
    EXPECT_EQ(w.prompts.shown.count(kDisconnected), 1);
    EXPECT_EQ(Find<QAbstractButton>(w.General(), "bbConectarUsb")->text(), "Conectar USB");
}

TEST(IrrigationScreen, NoBoxAfterARefusedLoginOrAFamilySwitch) {
    TLoggedInWindow w({"--model", "IRR"}, kIrrigation);
    EXPECT_FALSE(w.Connect(TLink::Tcp, "ABCD"));
    EXPECT_EQ(w.prompts.shown.back(), "error: Senha incorreta");
    w.General()->Timer1Timer();
    w.General()->Timer1Timer();

    ASSERT_TRUE(w.Connect(TLink::Usb));
    w.prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(&w.Window(), "rgTipoEquip_0"); // leaves the family, which disconnects
    Click(&w.Window(), "rgTipoEquip_3");
    w.General()->Timer1Timer();
    w.General()->Timer1Timer();
    EXPECT_FALSE(w.prompts.shown.contains(kDisconnected)) << w.prompts.shown.join("\n").toStdString();
    EXPECT_FALSE(w.Window().Session().IsConnected());
}

TEST(IrrigationScreen, BranchNamesAreSavedAtOnce) {
    TLoggedInWindow w({"--model", "IRR"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    EXPECT_EQ(Find<QLineEdit>(w.General(), "edRele3")->text(), "Ramal 2");
    w.TypeAndCommit("edRele3", "Pomar");
    TProgramMainConf saved;
    saved.Load(w.Folder().toStdString());
    EXPECT_EQ(saved.irrigationNames[2], "Pomar");
    EXPECT_EQ(saved.irrigationNames[1], "Ramal 1");
    EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
}

TEST(IrrigationScreen, LanguageAndFileFromTheScreen) {
    TLoggedInWindow w({"--model", "IRR"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Usb));
    Click(w.General(), "rgIdioma_2");
    EXPECT_EQ(w.Device(1500), 2);

    const QString file = w.Folder() + "irrigation.conf";
    w.prompts.files = {file};
    Click(w.General(), "bbSalvarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração salva com sucesso");
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_TRUE(w.SetDevice(31, 4321)); // the water limit of a cycle
    w.prompts.files = {file};
    w.prompts.dialogs = {LoadTheDifferences};
    Click(w.General(), "bbCarregarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(w.Device(31), 1000);
    EXPECT_EQ(w.Window().Settings().connection[kIrrigation].confFile, file.toStdString());
}

TEST(GeneralScreenLanguages, IrrigationTextsInEveryLanguage) {
    TLoggedInWindow w({"--model", "IRR"}, kIrrigation);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    const QStringList names = {"bbConectarUsb",      "bbConectarIP",    "bbManual",    "bbResetHydrometer",
                               "bbResetPluviometer", "bbUnblockSystem", "bbEmergency", "lblRele1",
                               "lblRele7",           "lblRele8",        "lblRele9",    "lblRele10",
                               "rgIdioma",           "sgMedidas"};
    const QStringList expected[3] = {
        {"Desconectar",
         "Conectar IP",
         "Ciclo/Controle Manual",
         "Zerar Hidrometro",
         "Zerar Pluviometro",
         "Desbloquear Sistema",
         "Aciona Emergência",
         "Bomba",
         "Bloqueio",
         "Água",
         "Pressostato",
         "Falha",
         "Idioma do Equipamento",
         "",
         "Pluviometro",
         "Hidrometro Acuml",
         "Hidrometro Ultim Ciclo",
         "Pressão",
         "Dig In",
         "Temperatura",
         "Estado Sistema",
         "",
         "",
         ""},
        {"Disconnect",
         "Connect IP",
         "Manual Cycle/Control",
         "Reset Hydrometer",
         "Reset Pluviometer",
         "Unblock System",
         "Trigger Emergency",
         "Pump",
         "Block",
         "Water",
         "Pressure",
         "Failure",
         "Device Language",
         "",
         "Pluviometer",
         "Accum Hydrometer",
         "Last Cycle Hydrometer",
         "Pressure",
         "Dig In",
         "Temperature",
         "System Status",
         "",
         "",
         ""},
        {"Desconectar",
         "Conectar IP",
         "Ciclo/Control Manual",
         "Poner a Cero Hidrómetro",
         "Poner a Cero Pluviómetro",
         "Desbloquear Sistema",
         "Activar Emergencia",
         "Bomba",
         "Bloqueo",
         "Agua",
         "Presostato",
         "Falla",
         "Idioma del Equipo",
         "",
         "Pluviómetro",
         "Hidrómetro Acuml",
         "Hidrómetro Último Ciclo",
         "Presión",
         "Ent. Dig.",
         "Temperatura",
         "Estado Sistema",
         "",
         "",
         ""},
    };
    const char* status[3] = {"Nenhuma válvula acionada", "No active valve", "Ninguna válvula accionada"};
    for (int language : {1, 2, 0}) {
        w.Window().ApplyLanguage(language);
        // Joined, so that a difference reads as text.
        EXPECT_EQ(w.Texts(names).join(" | "), expected[language].join(" | ")) << language;
        w.General()->Timer1Timer();
        EXPECT_EQ(Cell(w, 7), status[language]);
    }
    Click(w.General(), "bbConectarUsb");
    w.Window().ApplyLanguage(1);
    EXPECT_EQ(Find<QAbstractButton>(w.General(), "bbConectarUsb")->text(), "Connect USB");
}

} // namespace
