#include "FramedClient.h"
#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/general/GeneralScreen.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

namespace {

using TLink = TLoggedInWindow::TLink;

QStringList Args(const QStringList& presets = {}) {
    QStringList args{"--model", "P"};
    for (const QString& p : presets)
        args << "--set" << p;
    return args;
}

QString Cell(TLoggedInWindow& w, int row) {
    return Find<QTableWidget>(w.General(), "sgMedidas")->item(row, 1)->text();
}

QStringList Rows(TLoggedInWindow& w, int first, int last) {
    QStringList rows;
    for (int r = first; r <= last; ++r)
        rows << Cell(w, r);
    return rows;
}

// A connection the device refuses before the password: the password dialog is never shown.
bool RefusedConnect(TLoggedInWindow& w, TLink link) {
    const bool connected = w.Connect(link);
    w.prompts.dialogs.clear();
    return connected;
}

TEST(ParallelismScreen, ConnectsOverBothLinksAndShowsItsUnit) {
    for (TLink link : {TLink::Tcp, TLink::Serial}) {
        SCOPED_TRACE(link == TLink::Tcp ? "tcp" : "serial");
        // Unit 1 is commanded, with its relays 3 and 8 on and relay 7 signalling synchronism errors.
        TLoggedInWindow w(Args({"502=11", "522=12", "603=1", "608=1", "122=7"}), Family::kParallelism);
        ASSERT_TRUE(w.Connect(link)) << w.prompts.shown.join("\n").toStdString();
        w.General()->Timer1Timer();
        EXPECT_EQ(Rows(w, 1, 8), (QStringList{"11", "12", "Comandado", "Sem Erro", "Sem Erro", "Sem Erro",
                                              "Sem Erro", "Sem Erro"}));
        EXPECT_EQ(Find<QLabel>(w.General(), "lblRele7")->text(), "Erro de Sincronismo");
        EXPECT_TRUE(Find<QLabel>(w.General(), "lblRele10")->isVisible());
        EXPECT_FALSE(Find<QLabel>(w.General(), "imgRele3")->pixmap().isNull());
        EXPECT_EQ(w.General()->findChild<QWidget*>("pnRelogio"), nullptr); // no clock on this family

        Click(w.General(), "bbConectar"); // disconnects
        EXPECT_EQ(Rows(w, 1, 8), QStringList(8, QString()));
        EXPECT_FALSE(Find<QLabel>(w.General(), "lblRele1")->isVisible());
        EXPECT_TRUE(Find<QLabel>(w.General(), "imgRele3")->pixmap().isNull());
    }
}

TEST(ParallelismScreen, OtherModelsSwitchOrAreRefused) {
    struct Case {
        const char* model;
        int family; // where the main window ends up
        const char* message;
    };
    const Case cases[] = {
        {"T", Family::kThermal,
         "error: Assinatura do equipamento é do QEL880T. O seletor no topo da janela será trocado para "
         "QEL880T."},
        {"R", Family::kRegulator,
         "error: Assinatura do equipamento é do QEL880R. O seletor no topo da janela será trocado para "
         "QEL880R."},
        {"C", Family::kParallelism, "error: Assinatura do equipamento inválida."},
        {"IRR", Family::kParallelism, "error: Assinatura do equipamento inválida."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        TLoggedInWindow w({"--model", c.model}, Family::kParallelism);
        EXPECT_FALSE(RefusedConnect(w, TLink::Serial));
        EXPECT_EQ(w.prompts.shown.back(), c.message);
        EXPECT_EQ(w.Window().Session().Family(), c.family);
    }
}

TEST(ParallelismScreen, UnitIndexChoosesTheTableEntries) {
    TLoggedInWindow w(Args({"1951=3", "504=12", "524=13", "544=2", "164=9", "163=0"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer1Timer();
    EXPECT_EQ(Rows(w, 1, 3), (QStringList{"12", "13", "Individual"}));
    EXPECT_EQ(Find<QLabel>(w.General(), "lblRele9")->text(), "Operação Normal");
}

TEST(ParallelismScreen, UnitIndexOutsideTheTablesIsRefusedSayingIt) {
    for (TLink link : {TLink::Tcp, TLink::Serial}) {
        TLoggedInWindow w(Args({"1951=16"}), Family::kParallelism);
        EXPECT_FALSE(RefusedConnect(w, link));
        EXPECT_EQ(w.prompts.shown.back(), "error: O equipamento informa a posição 16 no registro 1951; a "
                                          "posição de uma unidade vai de 0 a 15.");
        EXPECT_FALSE(w.Window().Session().IsConnected());
    }
    // Over a serial link the language is asked first: a port where nothing answers says so.
    TLoggedInWindow silent({"--model", "P", "--fail-register", "1500"}, Family::kParallelism);
    EXPECT_FALSE(RefusedConnect(silent, TLink::Serial));
    EXPECT_EQ(silent.prompts.shown.back(),
              "error: Equipamento não está respondendo. É possível que a porta COM esteja incorreta.");
}

TEST(ParallelismScreen, ErrorWordsJoinTheTextsOfTheirBits) {
    TLoggedInWindow w(Args({"1960=3", "1961=5", "1962=2", "1963=4", "1964=1"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer1Timer();
    EXPECT_EQ(Rows(w, 4, 8),
              (QStringList{"Sem resposta de 1 ou mais comandados; Outro equip. com mesmo endereço",
                           "Mais de um modo selecionado; Não há mestre", "Resistor não conectado",
                           "Sem Erro", // bit 2 means nothing
                           "Falha do oscilador interno"}));
    w.Window().ApplyLanguage(1);
    EXPECT_EQ(Cell(w, 5), "2 or more modes selected; No master");
    Click(w.General(), "bbConectar");
    EXPECT_EQ(Rows(w, 4, 8), QStringList(5, QString()));
}

TEST(ParallelismScreen, PositionCommandsAndTheirInterlocks) {
    struct Case {
        QStringList presets; // unit 1's mode, the manual relay and the error words
        const char* message; // shown by both buttons
        int up;              // unit 1's position after "up", then after "down"
        int down;
    };
    const Case cases[] = {
        {{"542=1", "603=1"}, "error: Não está no modo mestre ou individual.", 9, 9},
        {{"542=3", "603=1"}, "error: Não está no modo mestre ou individual.", 9, 9},
        {{"542=0"}, "error: O equipamento está no modo automático. O comando não será executado.", 9, 9},
        {{"542=2", "603=1", "1963=2"}, "error: Algum erro está ativo. O comando não será executado.", 9, 9},
        {{"542=0", "603=1", "1960=1"}, "error: Algum erro está ativo. O comando não será executado.", 9, 9},
        {{"542=0", "603=1", "1964=1"}, "information: Comando enviado", 10, 9},
        {{"542=2", "603=1"}, "information: Comando enviado", 10, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presets.join(' ').toStdString());
        TLoggedInWindow w(Args(c.presets), Family::kParallelism);
        ASSERT_TRUE(w.Connect(TLink::Tcp));
        Click(w.General(), "bbPosicaoUp");
        EXPECT_EQ(w.prompts.shown.back(), c.message);
        EXPECT_EQ(w.Device(502), c.up);
        Click(w.General(), "bbPosicaoDown");
        EXPECT_EQ(w.prompts.shown.back(), c.message);
        EXPECT_EQ(w.Device(502), c.down);
    }
}

// The unit moved to another place in its group after the connection (by the settings screen, a
// file or another tool): commands, interlocks and readings follow the place the device holds now.
// Before, "Position Up" checked the old place and moved a unit in commanded mode.
TEST(ParallelismScreen, CommandsFollowTheUnitTheDeviceHoldsNow) {
    // Place 3 is master, place 5 commanded.
    TLoggedInWindow w(Args({"1951=3", "544=0", "546=1", "603=1", "504=9", "506=9"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.General()->Timer()->stop();
    ASSERT_TRUE(w.SetDevice(1951, 5));
    Click(w.General(), "bbPosicaoUp");
    EXPECT_EQ(w.prompts.shown.back(), "error: Não está no modo mestre ou individual.");
    EXPECT_EQ(w.Device(504), 9);
    EXPECT_EQ(w.Device(506), 9);
    // The poll that sees the move reads the new place's entries before it shows them.
    w.General()->Timer1Timer();
    EXPECT_EQ(Cell(w, 3), "Comandado");
    // Back at place 3, the master moves.
    ASSERT_TRUE(w.SetDevice(1951, 3));
    Click(w.General(), "bbPosicaoUp");
    EXPECT_EQ(w.prompts.shown.back(), "information: Comando enviado");
    EXPECT_EQ(w.Device(504), 10);
}

TEST(ParallelismScreen, DeviceLanguageAndConfigurationFiles) {
    TLoggedInWindow w(Args({"504=12"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Serial));
    Click(w.General(), "rgIdioma_1");
    EXPECT_EQ(w.Device(1500), 1);

    QTemporaryDir dir;
    const QString file = dir.filePath("unit.conf");
    w.prompts.files = {file};
    Click(w.General(), "bbSalvarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração salva com sucesso");
    EXPECT_EQ(w.Window().Settings().connection[Family::kParallelism].confFile, file.toStdString());

    // The file moves the unit to bus address 3; its settings follow it there and the screen too.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    f.close();
    ASSERT_TRUE(text.contains("EnderecoBus=1\r\n"));
    text.replace("EnderecoBus=1\r\n", "EnderecoBus=3\r\n").replace("NumPosic=17\r\n", "NumPosic=21\r\n");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    f.close();
    w.prompts.files = {file};
    w.prompts.dialogs = {LoadTheDifferences};
    Click(w.General(), "bbCarregarConf");
    EXPECT_EQ(w.prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(w.Device(1951), 3);
    EXPECT_EQ(w.Device(44), 21);
    EXPECT_EQ(w.Device(42), 17); // unit 1's entry untouched
    w.General()->Timer1Timer();
    EXPECT_EQ(Cell(w, 1), "12");
}

TEST(ParallelismScreenLanguages, TextsInEveryLanguage) {
    TLoggedInWindow w(Args({"121=5"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    const QStringList names = {"bbConectar", "bbSalvarConf", "bbPosicaoUp", "bbPosicaoDown", "rgIdioma",
                               "lblRele1",   "lblRele2",     "lblRele3",    "lblRele4",      "lblRele5",
                               "lblRele6",   "lblRele7",     "lblRele10",   "sgMedidas"};
    const QStringList expected[3] = {
        {"Desconectar",
         "Salvar Conf.",
         "Subir posição",
         "Baixar posição",
         "Idioma do Equipamento",
         "Comando para subir",
         "Comando para descer",
         "Manual",
         "Mestre",
         "Comandado",
         "Individual",
         "Erro de Configuração",
         "Falha",
         "",
         "Posição Atual",
         "Posição Esperada",
         "Modo",
         "Erro de Comunicação",
         "Erro de Configuração",
         "Erro de Posição",
         "Erro de Sincronismo",
         "Erro Interno",
         ""},
        {"Disconnect",
         "Save Conf.",
         "Position Up",
         "Position Down",
         "Device Language",
         "Rise command",
         "Lower command",
         "Manual",
         "Master",
         "Commanded",
         "Individual",
         "Configuration Error",
         "Failure",
         "",
         "Current Position",
         "Expected Position",
         "Mode",
         "Communication Error",
         "Configuration Error",
         "Position Error",
         "Synchronism Error",
         "Internal Error",
         ""},
        {"Desconectar",
         "Guardar Conf.",
         "Subir posición",
         "Bajar posición",
         "Idioma del Equipo",
         "Commando p/ escalar",
         "Commando p/ bajar",
         "Manual",
         "Maestro",
         "Comandado",
         "Individual",
         "Error de Configuración",
         "Falla",
         "",
         "Posicion Actual",
         "Posicion Esperada",
         "Modo",
         "Error de Comunicación",
         "Error de Configuración",
         "Error de Posición",
         "Error de Sincronismo",
         "Error Interno",
         ""},
    };
    for (int language : {1, 2, 0}) {
        w.Window().ApplyLanguage(language);
        EXPECT_EQ(w.Texts(names), expected[language]) << language;
    }
    w.General()->Timer1Timer();
    w.Window().ApplyLanguage(1);
    EXPECT_EQ(Cell(w, 3), "Commanded");
    EXPECT_EQ(Find<QLabel>(w.General(), "lblRele7")->text(), "Configuration Error"); // 121 is unit 0's
}

} // namespace
