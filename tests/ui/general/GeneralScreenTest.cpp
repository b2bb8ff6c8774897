#include "FramedClient.h"
#include "LoggedInWindow.h"
#include "ModbusPeer.h"
#include "PtyPair.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "persistence/Cp1252.h"
#include "ui/common/ClickableLabel.h"
#include "ui/general/FrameConfGeral.h"
#include "ui/general/RelayIndicator.h"
#include "ui/shell/FormEntraIP.h"
#include "ui/shell/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <unistd.h>

namespace {

// Answers the network dialog with an address and a port, as a technician would type them.
TScriptedPrompts::TDialogScript ByAddress(const QString& host, std::uint16_t port) {
    return [=](QDialog& d) {
        Find<QLineEdit>(&d, "edEndereco")->setText(host);
        Find<QLineEdit>(&d, "edDominioPorta")->setText(QString::number(port));
        Click(&d, "bbOkEndereco");
        return d.result();
    };
}

TScriptedPrompts::TDialogScript Password(const QString& typed) {
    return [=](QDialog& d) {
        Find<QLineEdit>(&d, "edSenha")->setText(typed);
        return static_cast<int>(QDialog::Accepted);
    };
}

TScriptedPrompts::TDialogScript SerialPort(const QString& path) {
    return [=](QDialog& d) {
        Find<QComboBox>(&d, "cbPortaCom")->setEditText(path);
        Click(&d, "bbOk");
        return d.result();
    };
}

class GeneralScreen : public ::testing::Test {
protected:
    void Start() {
        window = std::make_unique<TFormMain>(prompts, dir.path().toStdString() + "/");
        window->show();
        screen = dynamic_cast<TFrameConfGeral*>(window->ShownScreen());
        ASSERT_NE(screen, nullptr);
    }
    bool ConnectTcp(const TSimProcess& sim, const QString& password = "JUXT") {
        prompts.dialogs = {ByAddress("localhost", sim.Port()), Password(password)};
        Click(screen, "bbConectarIP");
        return window->Session().IsConnected();
    }
    bool ConnectSerial(const QString& path, const QString& password = "JUXT") {
        prompts.dialogs = {SerialPort(path), Password(password)};
        Click(screen, "bbConectar");
        return window->Session().IsConnected();
    }
    QString Cell(const char* grid, int row, int column) {
        return Find<QTableWidget>(screen, grid)->item(row, column)->text();
    }

    QTemporaryDir dir;
    TScriptedPrompts prompts;
    std::unique_ptr<TFormMain> window;
    TFrameConfGeral* screen = nullptr;
};

TEST_F(GeneralScreen, ConnectsOverTcpAndShowsTheDevice) {
    TSimProcess sim({"--model", "T", "--serial-number", "4242"});
    ASSERT_TRUE(sim.IsReady());
    Start();
    ASSERT_TRUE(ConnectTcp(sim, "  juxtaposed ")) << prompts.shown.join("\n").toStdString();
    EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Num. Serie: 4242");
    EXPECT_EQ(Find<QAbstractButton>(screen, "bbConectar")->text(), "Desconectar");
    EXPECT_FALSE(Find<QWidget>(screen, "bbConectarIP")->isEnabled());
    screen->Timer1Timer();
    EXPECT_TRUE(Cell("sgMedidas", 1, 1).endsWith("ºC"));
    EXPECT_TRUE(Cell("sgMedidasEnrolamento", 2, 2).endsWith(" A"));
    EXPECT_FALSE(Find<QLabel>(screen, "pnRelogio")->text().isEmpty());
    EXPECT_FALSE(Find<QLabel>(screen, "imgRele1")->pixmap().isNull());
    // Remembered for the next connection.
    EXPECT_EQ(window->Settings().connection[0].address, "localhost");

    Click(screen, "bbConectar"); // disconnects
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_TRUE(Cell("sgMedidas", 1, 1).isEmpty());
    EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Não Conectado");
}

TEST_F(GeneralScreen, RefusesWrongPasswordsAndOtherDevices) {
    TSimProcess thermal({"--model", "T"});
    ASSERT_TRUE(thermal.IsReady());
    Start();
    EXPECT_FALSE(ConnectTcp(thermal, "JUX"));
    EXPECT_FALSE(ConnectTcp(thermal, "JUXA"));
    EXPECT_EQ(prompts.shown.count("error: Senha incorreta"), 2);

    TSimProcess regulator({"--model", "R"});
    ASSERT_TRUE(regulator.IsReady());
    prompts.dialogs = {ByAddress("localhost", regulator.Port())}; // refused before the password
    Click(screen, "bbConectarIP");
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_TRUE(prompts.shown.back().contains("QEL880R")) << prompts.shown.back().toStdString();
    EXPECT_EQ(window->Session().Family(), 2); // the selector followed the device
    EXPECT_EQ(window->windowTitle(), "Controle do QEL880-R  1.2.6");
}

TEST_F(GeneralScreen, SerialConnectionFailures) {
    TSimProcess silent({"--model", "T", "--fail-register", "2002"});
    ASSERT_TRUE(silent.IsReady());
    Start();
    EXPECT_FALSE(ConnectSerial(silent.RtuPath()));
    EXPECT_TRUE(prompts.shown.back().startsWith("error: O equipamento não respondeu"));

    TSimProcess newer({"--model", "T", "--min-program", "1.3.0"});
    ASSERT_TRUE(newer.IsReady());
    EXPECT_TRUE(ConnectSerial(newer.RtuPath()));
    EXPECT_TRUE(prompts.shown.back().startsWith("warning: ") && prompts.shown.back().endsWith("1.3.0"));
}

// Root opens any port whatever its mode: for the open the test acts as nobody, with effective ids
// that root takes back afterwards.
class TActingAsNobody {
public:
    TActingAsNobody() : root_(geteuid() == 0) {
        if (root_ && (setegid(65534) != 0 || seteuid(65534) != 0))
            ADD_FAILURE() << "cannot act as nobody";
    }
    ~TActingAsNobody() {
        if (root_ && (seteuid(0) != 0 || setegid(0) != 0))
            ADD_FAILURE() << "cannot act as root again";
    }
    TActingAsNobody(const TActingAsNobody&) = delete;
    TActingAsNobody& operator=(const TActingAsNobody&) = delete;

private:
    bool root_;
};

TEST_F(GeneralScreen, RefusedSerialPortNamesTheDialoutGroup) {
    TPtyPair pty;
    ASSERT_TRUE(pty.IsReady());
    ASSERT_TRUE(QFile::setPermissions(QFileInfo(pty.ProgramEnd()).canonicalFilePath(), {})); // mode 000
    Start();
    const struct {
        const char* flag;
        const char* refused;
        const char* missing;
    } kLanguages[] = {
        {"imgPortugues", "error: O sistema não deu acesso a esta porta serial", "error: Erro de acesso"},
        {"imgIngles", "error: The system refused your user access to this serial port",
         "error: Access error"},
        {"imgEspanhol", "error: El sistema no dio acceso a este puerto serie", "error: Error de acceso"},
    };
    for (const auto& language : kLanguages) {
        SCOPED_TRACE(language.flag);
        emit Find<TClickableLabel>(window.get(), language.flag)->clicked();
        prompts.dialogs = {SerialPort(pty.ProgramEnd())};
        {
            const TActingAsNobody nobody;
            Click(screen, "bbConectar");
        }
        EXPECT_FALSE(window->Session().IsConnected());
        EXPECT_TRUE(prompts.shown.back().startsWith(QString::fromUtf8(language.refused)) &&
                    prompts.shown.back().contains("dialout"))
            << prompts.shown.back().toStdString();

        prompts.dialogs = {SerialPort("/dev/qel880-no-such-port")};
        Click(screen, "bbConectar");
        EXPECT_EQ(prompts.shown.back(), QString::fromUtf8(language.missing));
    }
}

TEST_F(GeneralScreen, MembraneVariantPollsOnlyItsRtd) {
    TPtyPair pty;
    ASSERT_TRUE(pty.IsReady());
    TModbusPeer peer(pty.DeviceEnd().toLocal8Bit().constData(), 9600, 'N', 1);
    ASSERT_TRUE(peer.IsReady());
    peer.SetRegister(2002, 15012);
    for (int i = 0; i < 4; ++i)
        peer.SetRegister(1600 + i, static_cast<std::uint16_t>("JUXT"[i]));
    Start();
    ASSERT_TRUE(ConnectSerial(pty.ProgramEnd()));
    EXPECT_TRUE(Find<QWidget>(screen, "BitBtn1")->isVisible());
    const auto before = peer.Requests().size();
    screen->Timer1Timer();
    const auto requests = peer.Requests();
    ASSERT_EQ(requests.size(), before + 1);
    EXPECT_EQ(requests.back(), (std::vector<std::uint8_t>{1, 3, 0x01, 0xFE, 0, 2})); // 510, two registers
}

TEST_F(GeneralScreen, SettingsClockDialogsAndFiles) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    TFramedClient device; // an independent look at the simulated device
    ASSERT_TRUE(device.Connect(sim.Port()));
    Start();
    ASSERT_TRUE(ConnectSerial(sim.RtuPath()));
    auto reg = [&](std::uint16_t r) { return device.Read({r})->values.at(r); };

    Click(screen, "rgIdioma_2");
    EXPECT_EQ(reg(1500), 2);
    Click(screen, "rgFreqOperacao_1");
    EXPECT_EQ(reg(211), 1);

    prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(screen, "bbAjustarRelogioComputador");
    EXPECT_EQ(reg(406), QDate::currentDate().year() - 2000);
    EXPECT_EQ(reg(404), QDate::currentDate().day());

    prompts.dialogs = {[](QDialog& d) {
        Find<QDateEdit>(&d, "dtpData")->setDate(QDate(2031, 2, 3));
        Click(&d, "bbOk");
        return d.result();
    }};
    Click(screen, "bbAjustarRelogioManual");
    EXPECT_EQ(reg(406), 31);
    EXPECT_EQ(reg(405), 2);

    prompts.dialogs = {[](QDialog& d) {
        Find<QLineEdit>(&d, "edPort")->setText("5000");
        Find<QLineEdit>(&d, "edIp")->setText("10.1.2.3");
        Click(&d, "bbOk");
        return d.result();
    }};
    Click(screen, "bbAlterarIP");
    EXPECT_EQ(reg(1702), 5000);
    EXPECT_EQ(reg(1701), 0x0A01);
    EXPECT_EQ(reg(1700), 0x0203);

    prompts.dialogs = {[](QDialog& d) {
        auto* box = Find<QLineEdit>(&d, "edSenhaNova");
        box->setText("AB1");
        Click(&d, "bbOk"); // refused, the dialog stays
        box->setText("QELX");
        Click(&d, "bbOk");
        return d.result();
    }};
    Click(screen, "bbAlterarSenha");
    EXPECT_TRUE(prompts.shown.contains("error: Senha inválida. Deve ter 4 caracteres apenas com letras."));
    EXPECT_EQ(reg(1600), 'Q');
    EXPECT_EQ(reg(1603), 'X');

    const QString file = dir.filePath("thermal.conf");
    prompts.files = {file};
    Click(screen, "bbSalvarConf");
    EXPECT_EQ(prompts.shown.back(), "information: Configuração salva com sucesso");
    ASSERT_TRUE(QFile::exists(file));
    ASSERT_EQ(device.Write({{5, 99}})->count, 0);
    // The load first shows what it would change; cancelled, it sends nothing.
    QStringList rows;
    prompts.files = {file};
    prompts.dialogs = {[&](QDialog& d) {
        auto* grid = Find<QTableWidget>(&d, "sgDiferencas");
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << grid->item(r, c)->text();
            rows << cells.join(' ');
        }
        Click(&d, "bbCancelar");
        return d.result();
    }};
    Click(screen, "bbCarregarConf");
    EXPECT_EQ(rows, QStringList({"SetPointRTD5 ConfRele 99 80"}));
    EXPECT_EQ(reg(5), 99);
    prompts.files = {file};
    prompts.dialogs = {LoadTheDifferences};
    Click(screen, "bbCarregarConf");
    EXPECT_EQ(prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(reg(5), 80); // back to the saved set point
    prompts.files = {file};
    Click(screen, "bbCarregarConf");
    EXPECT_EQ(prompts.shown.back(),
              "information: O arquivo tem as mesmas configurações do equipamento. Nada foi enviado.");
    EXPECT_EQ(window->Settings().connection[0].confFile, file.toStdString());
}

TEST_F(GeneralScreen, FilesThatCannotBeLoadedAsTheyStand) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    TFramedClient device;
    ASSERT_TRUE(device.Connect(sim.Port()));
    Start();
    ASSERT_TRUE(ConnectTcp(sim));
    auto reg = [&](std::uint16_t r) { return device.Read({r})->values.at(r); };
    const QString file = dir.filePath("cut.conf");
    prompts.files = {file};
    Click(screen, "bbSalvarConf");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray whole = saved.readAll();
    saved.close();
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write(whole.left(whole.indexOf("MaxDifTemp=")));
    saved.close();
    ASSERT_EQ(device.Write({{215, 150}})->count, 0);

    // A file that lacks keys is loaded only when the user agrees to their defaults.
    prompts.files = {file};
    prompts.answers = {TUserPrompts::TAnswer::No};
    Click(screen, "bbCarregarConf");
    ASSERT_TRUE(prompts.shown.back().startsWith("question: "));
    EXPECT_TRUE(prompts.shown.back().contains(" configurações estão ausentes do arquivo"));
    EXPECT_EQ(reg(215), 150);
    prompts.files = {file};
    prompts.answers = {TUserPrompts::TAnswer::Yes};
    prompts.dialogs = {LoadTheDifferences};
    Click(screen, "bbCarregarConf");
    EXPECT_EQ(prompts.shown.back(), "information: Configuração carregada com sucesso");
    EXPECT_EQ(reg(215), 200);

    prompts.files = {dir.path()};
    Click(screen, "bbCarregarConf");
    EXPECT_EQ(prompts.shown.back(), "error: Não foi possível ler o arquivo.");

    // The settings file keeps its texts in the single-byte code page: a name it cannot hold is refused.
    prompts.files = {dir.filePath("配置.conf")};
    Click(screen, "bbSalvarConf");
    EXPECT_TRUE(prompts.shown.back().startsWith("error: O nome deste arquivo tem caracteres"));
    EXPECT_FALSE(QFile::exists(dir.filePath("配置.conf")));
    prompts.files = {dir.filePath("configuração.conf")};
    Click(screen, "bbSalvarConf");
    EXPECT_EQ(window->Settings().connection[0].confFile,
              Cp1252::FromUnicode(dir.filePath("configuração.conf")));
}

TEST_F(GeneralScreen, ALostLinkIsRetriedQuietlyUntilDisconnected) {
    for (bool serial : {true, false}) {
        SCOPED_TRACE(serial ? "serial" : "tcp");
        TSimProcess sim({"--model", "T"});
        ASSERT_TRUE(sim.IsReady());
        if (!window)
            Start();
        ASSERT_TRUE(serial ? ConnectSerial(sim.RtuPath()) : ConnectTcp(sim));
        const auto boxes = prompts.shown.size();
        sim.Stop(); // the adapter pulled, the device's socket gone
        QTest::qWait(300);
        screen->Timer1Timer();
        screen->Timer1Timer();
        screen->Timer1Timer();
        EXPECT_FALSE(window->Session().IsConnected());
        EXPECT_EQ(Find<QLabel>(screen, "pnNumSerie")->text(), "Não Conectado");
        EXPECT_EQ(Find<QLabel>(screen, "pnMensagem")->text(), "Conexão perdida, reconectando…");
        EXPECT_TRUE(Find<QWidget>(screen, "pnMensagem")->isVisible());
        EXPECT_EQ(prompts.shown.size(), boxes); // no box per attempt
        // The connect button stops the retries.
        EXPECT_EQ(Find<QAbstractButton>(screen, "bbConectar")->text(), "Desconectar");
        Click(screen, "bbConectar");
        EXPECT_EQ(Find<QAbstractButton>(screen, "bbConectar")->text(), "Conectar Serial");
        EXPECT_TRUE(Find<QWidget>(screen, "bbConectarIP")->isEnabled());
        EXPECT_FALSE(Find<QWidget>(screen, "pnMensagem")->isVisible());
        screen->Timer1Timer();
        EXPECT_FALSE(window->Session().IsConnected());
        EXPECT_EQ(prompts.shown.size(), boxes);
    }
}

TEST_F(GeneralScreen, RelayNamesAreKept) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    Start();
    ASSERT_TRUE(ConnectTcp(sim));
    auto* name = Find<QLineEdit>(screen, "edRele3");
    QApplication::setActiveWindow(window.get());
    name->setFocus();
    ASSERT_TRUE(name->hasFocus());
    name->setText("Fan 1");
    QTest::keyClick(name, Qt::Key_Return); // leaves the box, which commits once
    EXPECT_EQ(window->Settings().relayNames[2], "Fan 1");
    TProgramMainConf saved;
    saved.Load(dir.path().toStdString() + "/");
    EXPECT_EQ(saved.relayNames[2], "Fan 1");
}

// A family switch ends the link, so it is asked first: No changes nothing. Before, one Space on the
// selector, where the focus landed after every screen change, dropped the link unasked.
TEST_F(GeneralScreen, FamilySwitchWhileConnectedAsksFirst) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    Start();
    ASSERT_TRUE(ConnectTcp(sim));
    const QString question =
        "question: Trocar de modelo encerra a conexão com o equipamento. Deseja continuar?";
    prompts.answers = {TUserPrompts::TAnswer::No};
    Click(window.get(), "rgTipoEquip_1");
    EXPECT_EQ(prompts.shown.back(), question);
    EXPECT_TRUE(window->Session().IsConnected());
    EXPECT_EQ(window->Session().Family(), 0);
    EXPECT_TRUE(Find<QAbstractButton>(window.get(), "rgTipoEquip_0")->isChecked());

    // After a screen change the keyboard is on the screen, never on the selector.
    // A text box when the screen has one (a stray key there changes nothing until committed),
    // else the screen itself: never a button such as "Disconnect", never the selector.
    for (int index : {2, 0}) {
        window->SelectScreen(index);
        QWidget* focus = window->focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus == window->ShownScreen() || window->ShownScreen()->isAncestorOf(focus));
        EXPECT_EQ(qobject_cast<QAbstractButton*>(focus), nullptr) << focus->objectName().toStdString();
    }

    prompts.answers = {TUserPrompts::TAnswer::Yes};
    Click(window.get(), "rgTipoEquip_1");
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_EQ(window->Session().Family(), 1);
}

TEST(GeneralScreenLanguages, ThermalTextsInEveryLanguage) {
    TLoggedInWindow fixture({"--model", "T"}, 0);
    ASSERT_TRUE(fixture.Connect(TLoggedInWindow::TLink::Tcp));
    const QStringList names = {"bbConectar",
                               "bbConectarUsb",
                               "bbConectarIP",
                               "bbSalvarConf",
                               "bbCarregarConf",
                               "bbAlterarSenha",
                               "bbAlterarIP",
                               "bbAjustarRelogioComputador",
                               "bbAjustarRelogioManual",
                               "rgVisualizacao",
                               "rgIdioma",
                               "rgFreqOperacao",
                               "sgMedidasEnrolamento"};
    const QStringList expected[3] = {
        {"Desconectar", "Conectar USB", "Conectar IP", "Salvar Conf.", "Carregar Conf.", "Alterar Senha",
         "Alterar IP", "Ajustar com relógio do PC", "Ajustar manualmente", "Indicação",
         "Idioma do Equipamento", "Frequência de Operação", "Enr.", "1", "2", "3", "Temp. (ºC)",
         "Corrente (A)", "Corrente (%)"},
        {"Disconnect", "Connect USB", "Connect IP", "Save Conf.", "Load Conf.", "Change Password",
         "Change IP", "Adjust with PC clock", "Adjust Manually", "Indication", "Device Language",
         "Operation Frequency", "Wind.", "1", "2", "3", "Temp. (ºC)", "Current (A)", "Current (%)"},
        {"Desconectar", "Conectar USB", "Conectar IP", "Guardar Conf.", "Cargar Conf.", "Cambiar Clave",
         "Cambiar IP", "Ajustar con reloj del PC", "Ajustar manualmente", "Indicación", "Idioma del Equipo",
         "Frecuencia de Operación", "Devan.", "1", "2", "3", "Temp. (ºC)", "Corriente (A)", "Corriente (%)"},
    };
    for (int language : {1, 2, 0}) {
        fixture.Window().ApplyLanguage(language);
        EXPECT_EQ(fixture.Texts(names), expected[language]) << language;
    }
    fixture.Window().ApplyLanguage(1);
    Click(fixture.General(), "bbConectar");
    EXPECT_EQ(Find<QLabel>(fixture.General(), "pnNumSerie")->text(), "Not Connected");
}

TEST(GeneralScreenGroups, AClickWritesOnlyTheGroupClicked) {
    // Indication 7 and frequency 5 have no item: shown as the last one, never written back unchosen.
    TLoggedInWindow fixture({"--model", "T", "--set", "201=7", "--set", "211=5"}, 0);
    ASSERT_TRUE(fixture.Connect(TLoggedInWindow::TLink::Tcp));
    fixture.General()->Timer1Timer();
    Click(fixture.General(), "rgIdioma_2");
    EXPECT_EQ(fixture.Device(1500), 2);
    EXPECT_EQ(fixture.Device(201), 7);
    EXPECT_EQ(fixture.Device(211), 5);
    Click(fixture.General(), "rgVisualizacao_1");
    EXPECT_EQ(fixture.Device(201), 1);
    EXPECT_EQ(fixture.Device(211), 5);
}

TEST(RelayIndicator, APictureIsReplacedOnlyWhenItsStateChanges) {
    QWidget parent;
    TRelayIndicator relay(3, true, &parent);
    auto* picture = Find<QLabel>(&relay, "imgRele3");
    relay.ShowState(true);
    const qint64 closed = picture->pixmap().cacheKey();
    relay.ShowState(true); // the screen refills every second
    EXPECT_EQ(picture->pixmap().cacheKey(), closed);
    relay.ShowState(false);
    EXPECT_NE(picture->pixmap().cacheKey(), closed);
    EXPECT_EQ(Find<QLabel>(&relay, "spRele3")->styleSheet(), "background: black; border-radius: 8px;");
    relay.Clear();
    EXPECT_TRUE(picture->pixmap().isNull());
}

TEST(GeneralScreenLanguages, NoGridTextIsCutInAnyLanguage) {
    QTemporaryDir dir;
    TScriptedPrompts prompts;
    TFormMain window(prompts, dir.path().toStdString() + "/");
    window.show();
    for (int family = 0; family < 5; ++family) {
        window.SetFamilySelector(family);
        for (int language : {0, 1, 2}) {
            window.ApplyLanguage(language);
            for (const QTableWidget* grid : window.ShownScreen()->findChildren<QTableWidget*>()) {
                for (int r = 0; r < grid->rowCount(); ++r)
                    for (int c = 0; c < grid->columnCount(); ++c) {
                        const QString text = grid->item(r, c)->text();
                        EXPECT_LE(grid->fontMetrics().horizontalAdvance(text), grid->columnWidth(c))
                            << family << " " << language << " " << text.toStdString();
                    }
            }
        }
    }
}

} // namespace
