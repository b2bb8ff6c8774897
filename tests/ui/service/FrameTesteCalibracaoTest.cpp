#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "persistence/CalibrationRecord.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <set>
#include <vector>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;
constexpr int kServiceScreen = 5;

// The window logged in and showing the service screen.
struct TServiceScreen {
    explicit TServiceScreen(const QStringList& sim, int language = 0, TLink link = TLink::Tcp,
                            int family = kThermal)
        : w(sim, family) {
        w.Window().ApplyLanguage(language);
        connected = w.Connect(link);
        w.prompts.dialogNames.clear(); // the connection's own
        w.Window().SelectScreen(kServiceScreen);
    }
    TScreen* Screen() { return w.Window().ShownScreen(); }
    QString Box(const QString& name) { return Find<QLineEdit>(Screen(), name)->text(); }
    TRadioGroup* TestMode() { return Find<TRadioGroup>(Screen(), "rgModoTesteCalibracao"); }
    // The registers the device confirms from now on (a framed commit reads back what it wrote).
    void Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }
    std::vector<int> Device(const std::vector<int>& regs) {
        std::vector<int> values;
        for (int reg : regs)
            values.push_back(w.Device(static_cast<std::uint16_t>(reg)).value_or(-1));
        return values;
    }
    TCalibrationRecord& Record() { return w.Window().Context().calibration; }
    QStringList RecordFiles() { return QDir(w.Folder()).entryList({"calib*.ini"}, QDir::Files, QDir::Name); }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

TEST(ServiceScreen, ShowsTheDeviceOnEitherOutputBoard) {
    {
        // The standard board, forced at 20.0006 mA.
        TServiceScreen s({"--model", "T", "--set", "2101=31251", "--serial-number", "880001"});
        ASSERT_TRUE(s.connected);
        EXPECT_EQ(s.Box("edSaidaCorrente"), "20.001");
        EXPECT_EQ(s.Box("edCalib127"), "100.00");
        EXPECT_EQ(s.Box("edNumSerie"), "880001");
        EXPECT_EQ(Find<QLabel>(s.Screen(), "lblSaidaCorrente")->text(), "Saída de Corrente (0-32mA)");
        EXPECT_EQ(Find<QLabel>(s.Screen(), "pnTamanhoParametros")->text(),
                  "Tamanho dos Parâmetros Salvos: 512 bytes");
        EXPECT_EQ(s.TestMode()->ItemIndex(), 0);
        EXPECT_FALSE(Find<QCheckBox>(s.Screen(), "cbDesativaCalib")->isChecked());
        EXPECT_TRUE(Find<QPushButton>(s.Screen(), "bbSimulaMedidas")->isEnabled());

        // A box the user is in keeps what is typed there when the screen refills.
        QApplication::setActiveWindow(&s.w.Window());
        auto* resistor = Find<QLineEdit>(s.Screen(), "edCalib127");
        resistor->setFocus();
        resistor->setText("12");
        s.w.Window().Session().StoreRegister(2530, 12700);
        s.w.Window().Session().StoreRegister(2501, 7);
        s.w.Window().Session().StoreRegister(2502, 0);
        s.Screen()->FillControls();
        EXPECT_EQ(s.Box("edCalib127"), "12");
        EXPECT_EQ(s.Box("edNumSerie"), "7");
    }

    // The low-range board; the top bit of the serial number's high word is not part of it.
    TServiceScreen low({"--model", "T", "--set", "2660=2", "--set", "2101=41667", "--set", "2100=1", "--set",
                        "2105=1", "--set", "2501=4464", "--set", "2502=32769"},
                       1);
    ASSERT_TRUE(low.connected);
    EXPECT_EQ(low.Box("edSaidaCorrente"), "1.2500");
    EXPECT_EQ(Find<QLabel>(low.Screen(), "lblSaidaCorrente")->text(), "Current Output (0-1.5mA)");
    EXPECT_EQ(low.Box("edNumSerie"), "70000");
    EXPECT_EQ(low.TestMode()->ItemIndex(), 1);
    EXPECT_TRUE(Find<QCheckBox>(low.Screen(), "cbDesativaCalib")->isChecked());
}

struct TTyped {
    const char* box;
    const char* text;
    std::vector<int> values; // none: refused with `message`
    QString message;
};

// Types every case into its box and checks the device or the message; a refused value leaves the
// box's registers as they were.
void CheckTyped(TServiceScreen& s, const std::vector<TTyped>& cases) {
    auto regs = [](const QString& box) {
        return box == "edSaidaCorrente" ? std::vector<int>{2101}
               : box == "edCalib127"    ? std::vector<int>{2530}
                                        : std::vector<int>{2501, 2502};
    };
    for (const TTyped& c : cases) {
        const std::vector<int> before = s.Device(regs(c.box));
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit(c.box, c.text);
        if (c.values.empty()) {
            EXPECT_EQ(s.w.prompts.shown, QStringList({"error: " + c.message})) << c.box << " " << c.text;
            EXPECT_EQ(s.Device(regs(c.box)), before) << c.box << " " << c.text;
        } else {
            EXPECT_EQ(s.w.prompts.shown, QStringList()) << c.box << " " << c.text;
            EXPECT_EQ(s.Device(regs(c.box)), c.values) << c.box << " " << c.text;
        }
    }
}

TEST(ServiceScreen, TypedValuesOnTheStandardBoard) {
    TServiceScreen s({"--model", "T"}, 1);
    ASSERT_TRUE(s.connected);
    const QString current = "Invalid current value. It must be a value between 0.0 and 32.0";
    const QString resistor = "Invalid value for the 127 ohms resistance";
    const QString serial = "Invalid Serial Number. It must be a positive integer.";
    CheckTyped(
        s, {
               {"edSaidaCorrente", "32", {50000}, {}},    {"edSaidaCorrente", "20", {31250}, {}},
               {"edSaidaCorrente", "0.00096", {2}, {}}, // 1.5 goes up to the even 2
               {"edSaidaCorrente", "0.00032", {0}, {}}, // 0.5 goes down to the even 0
               {"edSaidaCorrente", "32.01", {}, current}, {"edSaidaCorrente", "-1", {}, current},
               {"edSaidaCorrente", "mA", {}, current},    {"edCalib127", "655.35", {65535}, {}},
               {"edCalib127", "127,5", {12750}, {}},      {"edCalib127", "655.36", {}, resistor},
               {"edCalib127", "655.354", {}, resistor},   {"edCalib127", "-1", {}, resistor},
               {"edCalib127", "ohm", {}, resistor},       {"edNumSerie", "70000", {4464, 1}, {}},
               {"edNumSerie", "0", {0, 0}, {}},           {"edNumSerie", "2147483647", {65535, 32767}, {}},
               {"edNumSerie", "-1", {}, serial},          {"edNumSerie", "2147483648", {}, serial},
               {"edNumSerie", "4294967296", {}, serial},  {"edNumSerie", "1.5", {}, serial},
           });
}

TEST(ServiceScreen, TypedCurrentsOnTheLowRangeBoard) {
    TServiceScreen s({"--model", "T", "--set", "2660=2"});
    ASSERT_TRUE(s.connected);
    const QString current = "Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5";
    CheckTyped(s, {
                      {"edSaidaCorrente", "1,25", {41667}, {}},
                      {"edSaidaCorrente", "1.5", {50000}, {}},
                      {"edSaidaCorrente", "0.0001", {3}, {}},
                      {"edSaidaCorrente", "1.51", {}, current},
                      {"edSaidaCorrente", "32", {}, current},
                  });
    EXPECT_EQ(s.Box("edSaidaCorrente"), "0.0001");
}

TEST(ServiceScreen, OnlyWhatTheUserChangedIsWritten) {
    // 20.001 as shown would be 31252; test mode 5 shows as on.
    TServiceScreen s({"--model", "T", "--set", "2101=31251", "--set", "2100=5"});
    ASSERT_TRUE(s.connected);
    s.Watch();
    for (const char* box : {"edSaidaCorrente", "edCalib127", "edNumSerie"})
        s.w.TypeAndCommit(box, s.Box(box));
    EXPECT_EQ(s.confirmed, std::set<int>());
    EXPECT_EQ(s.w.prompts.shown, QStringList());

    Click(s.Screen(), "cbDesativaCalib");
    EXPECT_EQ(s.confirmed, std::set<int>({2105}));
    EXPECT_EQ(s.Device({2105, 2100, 2101}), std::vector<int>({1, 5, 31251}));

    s.Watch();
    s.TestMode()->Item(1)->click();
    EXPECT_EQ(s.confirmed, std::set<int>({2100}));
    EXPECT_EQ(s.Device({2100, 2101}), std::vector<int>({1, 31251}));
    EXPECT_EQ(s.w.prompts.shown, QStringList());
}

TEST(ServiceScreen, AClickFromInsideTheCurrentBoxCommitsTheBoxOnce) {
    TServiceScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    QApplication::setActiveWindow(&s.w.Window());
    auto* box = Find<QLineEdit>(s.Screen(), "edSaidaCorrente");
    box->setFocus();
    box->setText("16");
    int commits = 0;
    s.w.Window().Session().SetValueObserver([&](int reg, std::uint16_t) { commits += reg == 2101 ? 1 : 0; });
    Click(s.Screen(), "cbDesativaCalib");
    EXPECT_EQ(s.Device({2101, 2105}), std::vector<int>({25000, 1}));
    EXPECT_EQ(commits, 1);
    EXPECT_FALSE(box->hasFocus());
    EXPECT_EQ(s.Box("edSaidaCorrente"), "16.000");
    EXPECT_EQ(s.w.prompts.shown, QStringList());
}

TEST(ServiceScreen, TheCalibrationRecordFollowsTheSerialNumberJustRead) {
    TServiceScreen s({"--model", "T", "--serial-number", "1234"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.RecordFiles(), QStringList({"calib1234.ini"}));
    EXPECT_EQ(s.Record().serialNumber, 1234);
    EXPECT_EQ(s.Record().res127, 10000);
    s.Record().rtds[0].points = 3;
    ASSERT_TRUE(s.Record().Save(1234));

    // Another device answers now: its file gets its own record, and the first keeps its points.
    ASSERT_TRUE(s.w.SetDevice(2501, 5678));
    ASSERT_TRUE(s.w.SetDevice(2530, 12345));
    s.w.Window().SelectScreen(kServiceScreen);
    EXPECT_EQ(s.Record().serialNumber, 5678);
    EXPECT_EQ(s.Record().rtds[0].points, 0);
    EXPECT_EQ(s.RecordFiles(), QStringList({"calib1234.ini", "calib5678.ini"}));
    TCalibrationRecord first(s.w.Folder().toStdString());
    first.Load(1234);
    EXPECT_EQ(first.rtds[0].points, 3);
    EXPECT_EQ(first.res127, 10000);
    TCalibrationRecord second(s.w.Folder().toStdString());
    second.Load(5678);
    EXPECT_EQ(second.rtds[0].points, 0);
    EXPECT_EQ(second.res127, 12345);
}

TEST(ServiceScreen, NoSerialNumberNoRecord) {
    {
        // Over the pty every read runs at once, so only the serial number's fails.
        TServiceScreen s({"--model", "T", "--fail-register", "2501"}, 0, TLink::Serial);
        ASSERT_TRUE(s.connected);
        EXPECT_EQ(s.RecordFiles(), QStringList());
        EXPECT_EQ(s.Record().serialNumber, 1);
        EXPECT_EQ(Find<QLabel>(s.Screen(), "pnTamanhoParametros")->text(),
                  "Tamanho dos Parâmetros Salvos: 512 bytes");
        EXPECT_EQ(s.w.prompts.shown, QStringList());
    }
    // The serial number came, the reference value did not: the record keeps its own.
    TServiceScreen s({"--model", "T", "--fail-register", "2530", "--serial-number", "1234"}, 0,
                     TLink::Serial);
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.RecordFiles(), QStringList({"calib1234.ini"}));
    EXPECT_EQ(s.Record().res127, 12700);
}

TEST(ServiceScreen, CalibrationButtonsOpenTheirDialogsBesideTheScreen) {
    TServiceScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const std::pair<const char*, const char*> buttons[] = {
        {"bbCalibrarRTDs", "FormCalibRTD"},
        {"bbCalibrarRTDRegressao", "FormCalibRTDRegressao"},
        {"bbCalibrarEntrCorrReg", "FormCalibEntrCorrRegressao"},
    };
    for (const auto& [button, dialog] : buttons) {
        s.w.prompts.dialogNames.clear();
        s.w.prompts.dialogs = {[&s](QDialog& d) {
            EXPECT_EQ(d.pos(), s.Screen()->mapToGlobal(QPoint(10, -10)));
            EXPECT_EQ(d.parentWidget(), s.Screen());
            return static_cast<int>(QDialog::Rejected);
        }};
        Click(s.Screen(), button);
        EXPECT_EQ(s.w.prompts.dialogNames, QStringList({dialog})) << button;
    }
    // These leave the test mode alone.
    EXPECT_EQ(s.Device({2100, 2105}), std::vector<int>({0, 0}));
}

TEST(ServiceScreen, OutputCalibrationRunsInTestModeWithCalibrationDisabled) {
    TServiceScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    std::vector<int> during;
    s.w.prompts.dialogs = {[&](QDialog& d) {
        during = s.Device({2100, 2105});
        EXPECT_EQ(d.pos(), s.Screen()->mapToGlobal(QPoint(10, -10)));
        return static_cast<int>(QDialog::Rejected);
    }};
    Click(s.Screen(), "bbCalibrarSaidaCorrente");
    EXPECT_EQ(s.w.prompts.dialogNames, QStringList({"FormCalibCorrente"}));
    EXPECT_EQ(during, std::vector<int>({1, 1}));
    EXPECT_EQ(s.Device({2100, 2105}), std::vector<int>({0, 0}));
    EXPECT_EQ(s.TestMode()->ItemIndex(), 0);
    EXPECT_EQ(s.w.prompts.shown, QStringList());
}

TEST(ServiceScreen, OutputCalibrationStopsWhereTheTestModeCannotBeSwitched) {
    // Switching on fails: no dialog.
    TServiceScreen on({"--model", "T", "--close-on", "2100=1"});
    ASSERT_TRUE(on.connected);
    Click(on.Screen(), "bbCalibrarSaidaCorrente");
    EXPECT_EQ(on.w.prompts.dialogNames, QStringList());
    EXPECT_EQ(on.w.prompts.shown, QStringList({"error: Erro no envio do comando."}));

    // Switching off fails: the device stays in test mode, and says so.
    TServiceScreen off({"--model", "T", "--close-on", "2100=0"});
    ASSERT_TRUE(off.connected);
    off.w.prompts.dialogs = {[](QDialog&) { return static_cast<int>(QDialog::Rejected); }};
    Click(off.Screen(), "bbCalibrarSaidaCorrente");
    EXPECT_EQ(off.w.prompts.dialogNames, QStringList({"FormCalibCorrente"}));
    EXPECT_EQ(off.w.prompts.shown, QStringList({"error: Erro no envio do comando."}));
    EXPECT_EQ(off.Device({2100, 2105}), std::vector<int>({1, 1}));
}

// The lines of the text dialog a button shows, checked where it is placed.
QStringList MemoLines(TServiceScreen& s, const char* button) {
    QStringList lines;
    s.w.prompts.dialogs = {[&](QDialog& d) {
        EXPECT_EQ(d.pos(), s.Screen()->mapToGlobal(QPoint(50, 50)));
        EXPECT_EQ(d.windowTitle(), "");
        lines = Find<QPlainTextEdit>(&d, "Memo1")->toPlainText().split('\n');
        return static_cast<int>(QDialog::Rejected);
    }};
    Click(s.Screen(), button);
    EXPECT_EQ(s.w.prompts.dialogNames.value(s.w.prompts.dialogNames.size() - 1), "FormMemo");
    return lines;
}

TEST(ServiceScreen, TestParametersAndLastErrorsAsLines) {
    TServiceScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const QStringList parameters = MemoLines(s, "bbLerParTeste");
    ASSERT_EQ(parameters.size(), 30);
    EXPECT_EQ(parameters.first(), "0: 100");
    EXPECT_EQ(parameters.last(), "29: 129");

    const QStringList errors = MemoLines(s, "bbLerUltimosErros");
    ASSERT_EQ(errors.size(), 20);
    // Error 1's high word is 0x8000.
    EXPECT_EQ(errors.mid(0, 4), QStringList({"0: 0", "1: -2147482646", "2: 1004", "3: 0"}));
    EXPECT_EQ(errors.last(), "19: 1038");
    EXPECT_EQ(s.w.prompts.shown, QStringList());
}

TEST(ServiceScreen, AFailedReadShowsNoLines) {
    for (const auto& [button, reg] :
         {std::pair{"bbLerParTeste", "2139"}, std::pair{"bbLerUltimosErros", "2209"}}) {
        TServiceScreen s({"--model", "T", "--fail-register", reg}, 1, TLink::Serial);
        ASSERT_TRUE(s.connected);
        Click(s.Screen(), button);
        EXPECT_EQ(s.w.prompts.dialogNames, QStringList()) << button;
        EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Error reading the test parameter."})) << button;
    }
}

TEST(ServiceScreen, Languages) {
    TServiceScreen s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const QStringList names{"lblNumSerie",
                            "lblCalibR127",
                            "bbCalibrarRTDs",
                            "bbCalibrarRTDRegressao",
                            "bbCalibrarEntrCorrReg",
                            "bbCalibrarSaidaCorrente",
                            "bbSimulaMedidas",
                            "pnTamanhoParametros",
                            "bbLerParTeste",
                            "bbLerUltimosErros",
                            "rgModoTesteCalibracao",
                            "rgModoTesteCalibracao_0",
                            "rgModoTesteCalibracao_1",
                            "cbDesativaCalib",
                            "lblSaidaCorrente"};
    const QStringList expected[] = {
        {"Número de Série", "Valor do resistor de 127 ohms", "Calibração RTD", "Calibração RTD por Regressão",
         "Calib. Entr. Corrente Regressão", "Calibrar Saída de Corrente", "Simular Medidas",
         "Tamanho dos Parâmetros Salvos: 512 bytes", "Ler parâmetro de teste", "Ler últimos erros",
         "Modo de Teste e Calibração", "Desligado", "Ligado", "Desativa calibração",
         "Saída de Corrente (0-32mA)"},
        {"Serial Number", "127 ohms resistor value", "RTD Calibration", "RTD Regression Calibration",
         "Current Input Regression Calib.", "Calibrate Current Output", "Simulate Measurements",
         "Size of saved parameters: 512 bytes", "Read test parameter", "Read last errors",
         "Calibration and Test Mode", "Off", "On", "Deactivate calibration", "Current Output (0-32mA)"},
        {"Número de Serie", "Valor del resistor de 127 ohms", "Calibración RTD",
         "Calibración RTD por Regresión", "Calib. Entr. Corriente Regresión", "Calibrar Salida de Corriente",
         "Simular Medidas", "Tamaño de los Parámetros Salvos: 512 bytes", "Leer parámetro de prueba",
         "Leer últimos errores", "Modo de Prueba y Calibración", "Apagado", "Activo", "Desactiva calibración",
         "Salida de Corriente (0-32mA)"},
    };
    for (int language = 0; language < 3; ++language) {
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]) << language;
    }
    s.w.TypeAndCommit("edNumSerie", "-5");
    s.w.TypeAndCommit("edSaidaCorrente", "33");
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"error: Número de serie inválido. Debe ser un entero positivo.",
                           "error: Valor inválido de corriente. Debe ser un valor entre 0.0 y 32.0"}));
}

} // namespace
