#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kSerialScreen = 2;

QStringList Args(const char* model, const QStringList& presets = {}) {
    QStringList args{"--model", model};
    for (const QString& p : presets)
        args << "--set" << p;
    return args;
}

QString Box(TLoggedInWindow& w, const char* name) {
    return Find<QLineEdit>(w.Window().ShownScreen(), name)->text();
}

int Chosen(TLoggedInWindow& w, const char* group) {
    return Find<TRadioGroup>(w.Window().ShownScreen(), group)->ItemIndex();
}

bool Shown(TLoggedInWindow& w, const char* name) {
    const QWidget* screen = w.Window().ShownScreen();
    return Find<QWidget>(screen, name)->isVisibleTo(screen);
}

QString Error(const char* text) {
    return QString("error: ") + text;
}

// One edit box typed and committed: the register the device then holds and the message shown, if any.
struct TTyped {
    const char* text;
    int expected;
    const char* message; // nullptr: accepted
};

void CheckTyped(TLoggedInWindow& w, const char* box, int reg, const TTyped& c) {
    SCOPED_TRACE(c.text);
    w.prompts.shown.clear();
    w.TypeAndCommit(box, c.text);
    EXPECT_EQ(w.Device(static_cast<std::uint16_t>(reg)), c.expected);
    if (c.message) {
        EXPECT_EQ(w.prompts.shown, QStringList{Error(c.message)});
    } else {
        EXPECT_TRUE(w.prompts.shown.isEmpty()) << w.prompts.shown.join("\n").toStdString();
    }
}

TEST(FrameConfSerial, ConnectedOverTheComPortNothingIsWritten) {
    struct Case {
        TLink link;
        bool locked;
    };
    for (const Case c : {Case{TLink::Serial, true}, Case{TLink::Usb, false}}) {
        SCOPED_TRACE(c.locked ? "serial" : "usb");
        TLoggedInWindow w(Args("T"), Family::kThermal);
        ASSERT_TRUE(w.Connect(c.link));
        w.Window().SelectScreen(kSerialScreen);
        EXPECT_EQ(w.Window().Session().SerialPortFlag(), c.locked);
        EXPECT_EQ(Shown(w, "lblNaoPodeModificar"), c.locked);

        Click(w.Window().ShownScreen(), "rgModo_1");
        Click(w.Window().ShownScreen(), "rgModBusBaudRate_4");
        w.TypeAndCommit("edDNP3BackoffFixed", "42");
        w.TypeAndCommit("edModBusTXDelay", "oops"); // not even checked while locked
        const int mode = c.locked ? 0 : 1;
        EXPECT_EQ(w.Device(1300), mode);
        EXPECT_EQ(w.Device(1400), c.locked ? 0 : 4);
        EXPECT_EQ(w.Device(1360), c.locked ? 20 : 42);
        // Locked, the controls go back to what the device holds.
        EXPECT_EQ(Chosen(w, "rgModo"), mode);
        EXPECT_EQ(Chosen(w, "rgModBusBaudRate"), c.locked ? 0 : 4);
        EXPECT_EQ(Box(w, "edDNP3BackoffFixed"), c.locked ? "20" : "42");
        const QStringList shown =
            c.locked ? QStringList{}
                     : QStringList{Error("Valor inválido de Delay do ModBus. Deve ser um valor entre 0.1 e "
                                         "200.0, ou 0.0 (nenhum delay).")};
        EXPECT_EQ(w.prompts.shown, shown);
    }
}

TEST(FrameConfSerial, ChoosingAPortShowsItsRegistersWithoutTraffic) {
    TLoggedInWindow w(Args("T", {"1301=1", "1311=3", "1321=2", "1331=10", "1341=1", "1351=7", "1361=8",
                                 "1371=9", "1381=1", "1401=2", "1411=1", "1421=17", "1431=25"}),
                      Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(kSerialScreen);
    EXPECT_TRUE(Shown(w, "cbIndice"));
    EXPECT_EQ(Box(w, "edModBusEndereco"), "1");

    auto* ports = Find<QComboBox>(w.Window().ShownScreen(), "cbIndice");
    const std::uint32_t before = w.Window().Session().TransactionCounter();
    ports->setCurrentIndex(1);
    emit ports->activated(1);
    EXPECT_EQ(w.Window().Session().TransactionCounter(), before);

    const std::pair<const char*, int> groups[] = {
        {"rgModo", 1},
        {"rgDNP3BaudRate", 3},
        {"rgDNP3Format", 2},
        {"rgDNP3AppLayerConf", 1},
        {"rgDNP3InterframeGap", 1},
        {"rgModBusBaudRate", 2},
        {"rgModBusFormat", 1},
    };
    for (const auto& [group, index] : groups)
        EXPECT_EQ(Chosen(w, group), index) << group;
    const std::pair<const char*, const char*> boxes[] = {
        {"edDNP3Endereco", "000a"},   {"edDNP3InterOctetGap", "7"}, {"edDNP3BackoffFixed", "8"},
        {"edDNP3BackoffRandom", "9"}, {"edModBusEndereco", "17"},   {"edModBusTXDelay", "2.5"},
    };
    for (const auto& [box, text] : boxes)
        EXPECT_EQ(Box(w, box), text) << box;

    // Port 2 is the one written now.
    w.TypeAndCommit("edModBusEndereco", "18");
    EXPECT_EQ(w.Device(1421), 18);
    EXPECT_EQ(w.Device(1420), 1);
}

TEST(FrameConfSerial, TypedValuesAreCheckedAndStored) {
    TLoggedInWindow w(Args("T"), Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(kSerialScreen);
    const char* delay =
        "Valor inválido de Delay do ModBus. Deve ser um valor entre 0.1 e 200.0, ou 0.0 (nenhum delay).";
    const char* dnp = "Endereço DNP3 inválido. Deve ser um hexadecimal entre 0 e FFEF";
    const char* address = "Endereço ModBus inválido. Deve ser um inteiro entre 1 e 247";
    const char* backoff = "Valor inválido de Backoff. Deve ser um inteiro entre 1 e 100";
    const char* gap = "Valor inválido de Inter-Octet Gap Máximo. Deve ser um inteiro entre 2 e 100";
    struct TBoxCases {
        const char* name;
        int reg;
        std::vector<TTyped> cases;
    };
    const TBoxCases table[] = {
        {"edModBusTXDelay",
         1430,
         {{"12,5", 125, nullptr},
          {"0", 0, nullptr},
          {"0.05", 0, delay},
          {"0.15", 2, nullptr}, // tenths, halves to even
          {"-1", 2, delay},
          {"200", 2000, nullptr},
          {"200.01", 2000, delay},
          {"0.1", 1, nullptr}}},
        {"edDNP3Endereco",
         1330,
         {{"ffef", 65519, nullptr},
          {"FFF0", 65519, dnp},
          {"100000000", 65519, dnp}, // no wrap round to 0
          {"1A", 26, nullptr},
          {"0x1", 26, dnp},
          {"", 26, dnp},
          {"0", 0, nullptr}}},
        {"edModBusEndereco", 1420, {{"247", 247, nullptr}, {"248", 247, address}, {"0", 247, address}}},
        {"edDNP3BackoffFixed", 1360, {{"1", 1, nullptr}, {"0", 1, backoff}, {"100", 100, nullptr}}},
        {"edDNP3BackoffRandom", 1370, {{"101", 50, backoff}, {"1.5", 50, backoff}}},
        {"edDNP3InterOctetGap", 1350, {{"1", 5, gap}, {"2", 2, nullptr}, {"100", 100, nullptr}}},
    };
    for (const TBoxCases& box : table) {
        SCOPED_TRACE(box.name);
        for (const TTyped& c : box.cases)
            CheckTyped(w, box.name, box.reg, c);
    }
    // The device's values in the screen's own notation.
    EXPECT_EQ(Box(w, "edDNP3Endereco"), "0000");
    EXPECT_EQ(Box(w, "edModBusTXDelay"), "0.1");
}

TEST(FrameConfSerial, OneBadBoxDoesNotStopTheOthers) {
    TLoggedInWindow w(Args("T"), Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(kSerialScreen);
    Find<QLineEdit>(w.Window().ShownScreen(), "edModBusEndereco")->setText("300");
    Find<QLineEdit>(w.Window().ShownScreen(), "edDNP3BackoffRandom")->setText("0");
    w.TypeAndCommit("edDNP3InterOctetGap", "9");
    EXPECT_EQ(w.Device(1350), 9);
    EXPECT_EQ(w.prompts.shown,
              (QStringList{Error("Endereço ModBus inválido. Deve ser um inteiro entre 1 e 247"),
                           Error("Valor inválido de Backoff. Deve ser um inteiro entre 1 e 100")}));
    EXPECT_EQ(Box(w, "edModBusEndereco"), "1");
    EXPECT_EQ(Box(w, "edDNP3BackoffRandom"), "50");
}

TEST(FrameConfSerial, ParallelismHasOnlyPortOne) {
    TLoggedInWindow w(Args("P", {"1300=1", "1301=1", "1421=9"}), Family::kParallelism);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(kSerialScreen);
    EXPECT_FALSE(Shown(w, "cbIndice"));
    EXPECT_FALSE(Shown(w, "lblIndice"));
    EXPECT_EQ(Chosen(w, "rgModo"), 1);
    // Ports 2 and 3 are never asked for.
    EXPECT_EQ(w.Window().Session().FetchRegister(1301), 0);
    EXPECT_EQ(w.Window().Session().FetchRegister(1421), 0);
    w.TypeAndCommit("edModBusEndereco", "33");
    EXPECT_EQ(w.Device(1420), 33);
    EXPECT_EQ(w.Device(1421), 9);
}

TEST(FrameConfSerial, TextsInEveryLanguage) {
    TLoggedInWindow w(Args("T"), Family::kThermal);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.Window().SelectScreen(kSerialScreen);
    const QStringList names{"lblIndice",
                            "lblNaoPodeModificar",
                            "rgModo",
                            "rgModo_0",
                            "gbModBus",
                            "rgModBusBaudRate",
                            "rgModBusBaudRate_4",
                            "rgModBusFormat",
                            "rgModBusFormat_3",
                            "lblModBusEndereco",
                            "lblModBusTXDelay",
                            "gbDNP3",
                            "lblDNP3Endereco",
                            "rgDNP3AppLayerConf",
                            "rgDNP3AppLayerConf_0",
                            "rgDNP3AppLayerConf_1",
                            "rgDNP3InterframeGap",
                            "rgDNP3InterframeGap_0",
                            "lblDNP3BackoffFixed",
                            "lblDNP3BackoffRandom",
                            "lblDNP3InterOctetGap"};
    const QStringList expected[] = {
        {"Indice da Serial",
         "Não é possível modificar a configuração da serial quando está conectado pela serial",
         "Modo",
         "ModBus",
         "ModBus",
         "BaudRate",
         "115200",
         "Formato",
         "8N2",
         "Endereço",
         "Delay de Transm. (ms)",
         "DNP3",
         "Endereço (Hexadecimal)",
         "Application Layer Confirm.",
         "Only events/multi-frag. resp.",
         "Sempre",
         "Interframe Gap",
         "Nunca",
         "Backoff Delay Fixo",
         "Backoff Delay Aleatório",
         "Inter-Octet Gap Máximo"},
        {"Serial Index",
         "It is not possible to modify the serial configuration when connected by serial",
         "Mode",
         "ModBus",
         "ModBus",
         "BaudRate",
         "115200",
         "Format",
         "8N2",
         "Address",
         "Transm. Delay (ms)",
         "DNP3",
         "Address (Hexadecimal)",
         "Application Layer Confirm.",
         "Only events/multi-frag. resp.",
         "Always",
         "Interframe Gap",
         "Never",
         "Backoff Fixed Delay",
         "Backoff Random Delay",
         "Max Inter-Octet Gap"},
        {"Indice de la Serial",
         "No es posible modificar la configuración de la serial cuando está conectado por la serial",
         "Modo",
         "ModBus",
         "ModBus",
         "BaudRate",
         "115200",
         "Formato",
         "8N2",
         "Dirección",
         "Retardo de Transm. (ms)",
         "DNP3",
         "Dirección (Hexadecimal)",
         "Application Layer Confirm.",
         "Only events/multi-frag. resp.",
         "Siempre",
         "Interframe Gap",
         "Nunca",
         "Backoff Delay Fijo",
         "Backoff Delay Aleatorio",
         "Inter-Octet Gap Máximo"},
    };
    for (int language : {1, 2, 0}) {
        SCOPED_TRACE(language);
        w.Window().ApplyLanguage(language);
        EXPECT_EQ(w.Texts(names), expected[language]);
    }
    w.Window().ApplyLanguage(1);
    w.prompts.shown.clear();
    w.TypeAndCommit("edModBusEndereco", "0");
    EXPECT_EQ(w.prompts.shown,
              QStringList{Error("Invalid ModBus address. It must be and integer integer between 1 and 247")});
}

} // namespace
