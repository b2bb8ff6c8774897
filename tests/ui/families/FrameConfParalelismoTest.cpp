#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"

#include <QLineEdit>

#include <set>
#include <vector>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kParallelism = 1;
constexpr int kParallelismScreen = 6;

struct TParallelism {
    explicit TParallelism(const QStringList& sim) : w(QStringList{"--model", "P"} + sim, kParallelism) {
        connected = w.Connect(TLink::Tcp);
        Watch();
        w.Window().SelectScreen(kParallelismScreen);
    }
    QWidget* Screen() { return w.Window().ShownScreen(); }
    QString Box(const char* name) { return Find<QLineEdit>(Screen(), name)->text(); }
    TRadioGroup* Group(const char* name) { return Find<TRadioGroup>(Screen(), name); }
    // Every register a reply carries from now on, in order.
    void Watch() {
        seen.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { seen.push_back(reg); });
    }
    std::set<int> Seen() const { return {seen.begin(), seen.end()}; }

    TLoggedInWindow w;
    bool connected = false;
    std::vector<int> seen;
};

TEST(ParallelismSettings, ShowsTheEntriesOfTheUnitsOwnAddress) {
    TParallelism s({"--set", "1951=3", "--set", "24=4", "--set", "44=20", "--set", "64=125", "--set", "124=9",
                    "--set", "164=2", "--set", "201=2"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Seen(), std::set<int>({4, 24, 44, 64, 84, 104, 124, 144, 164, 201}));
    EXPECT_EQ(s.Box("edEndereco"), "3");
    EXPECT_EQ(s.Box("edTamanhoBus"), "4");
    EXPECT_EQ(s.Box("edNumPosicoes"), "20");
    EXPECT_EQ(s.Box("edResistPosicao"), "12.5");
    EXPECT_EQ(s.Box("edTempoErroParal"), "10");
    EXPECT_EQ(s.Group("rgConfRele7")->ItemIndex(), 9);
    EXPECT_EQ(s.Group("rgConfRele8")->ItemIndex(), 0);
    EXPECT_EQ(s.Group("rgConfRele9")->ItemIndex(), 2);
    EXPECT_EQ(s.Group("rgLeituraPosicao")->ItemIndex(), 2);
}

TEST(ParallelismSettings, EachSettingKeepsItsLimitsAndOnlyChangesTravel) {
    TParallelism s({});
    ASSERT_TRUE(s.connected);
    struct Case {
        const char* box;
        const char* typed;
        int reg;   // the entry of bus address 1
        int value; // -1: refused with the message
        const char* message;
    };
    const char* const bus = "error: Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16";
    const char* const positions = "error: Número de posições inválido. Deve ser um inteiro entre 2 e 50";
    const char* const resistance =
        "error: Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0";
    const char* const parallelism =
        "error: Tempo de erro de paralelismo inválido. Deve ser um inteiro entre 10 e 100";
    const char* const configuration =
        "error: Tempo de erro de configuração inválido. Deve ser um inteiro entre 10 e 100";
    const Case cases[] = {
        {"edTamanhoBus", "16", 22, 16, nullptr},
        {"edTamanhoBus", "17", 22, -1, bus},
        {"edTamanhoBus", "0", 22, -1, bus},
        {"edTamanhoBus", "1.5", 22, -1, bus},
        {"edNumPosicoes", "2", 42, 2, nullptr},
        {"edNumPosicoes", "50", 42, 50, nullptr},
        {"edNumPosicoes", "51", 42, -1, positions},
        {"edResistPosicao", "12,5", 62, 125, nullptr},
        {"edResistPosicao", "3.05", 62, 30, nullptr},
        {"edResistPosicao", "20.0", 62, 200, nullptr},
        {"edResistPosicao", "2,9", 62, -1, resistance},
        {"edResistPosicao", "20.04", 62, -1, resistance},
        {"edTempoErroParal", "100", 82, 100, nullptr},
        {"edTempoErroParal", "9", 82, -1, parallelism},
        {"edTempoErroConf", "10", 102, 10, nullptr},
        {"edTempoErroConf", "101", 102, -1, configuration},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        const auto before = s.w.Device(static_cast<std::uint16_t>(c.reg));
        s.w.prompts.shown.clear();
        s.Watch();
        s.w.TypeAndCommit(c.box, c.typed);
        if (c.value < 0) {
            EXPECT_EQ(s.w.prompts.shown, QStringList({c.message}));
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), before);
            // The refill puts the device's value back, also into the box just typed in.
            EXPECT_NE(Find<QLineEdit>(s.Screen(), c.box)->text(), c.typed);
        } else {
            EXPECT_EQ(s.w.prompts.shown, QStringList());
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), c.value);
            // What was written is read back, then the address; nothing else travels. (Focusing the box
            // left the previous one: a commit of nothing, which reads the address too.)
            if (before != c.value) {
                std::vector<int> seen = s.seen;
                while (seen.size() > 2 && seen.front() == 1951)
                    seen.erase(seen.begin());
                EXPECT_EQ(seen, std::vector<int>({c.reg, 1951}));
            }
        }
    }
}

TEST(ParallelismSettings, MovingTheUnitWritesItsSettingsAtTheOldAddressFirst) {
    TParallelism s({"--set", "1951=3"});
    ASSERT_TRUE(s.connected);
    Find<QLineEdit>(s.Screen(), "edTamanhoBus")->setText("4");
    s.Watch();
    s.w.TypeAndCommit("edEndereco", "5");
    EXPECT_EQ(s.w.prompts.shown, QStringList());
    // One write list (bus size at address 3, then the address) read back, the address read, then the
    // entries of address 5.
    EXPECT_EQ(s.seen, std::vector<int>({24, 1951, 1951, 6, 26, 46, 66, 86, 106, 126, 146, 166, 201}));
    EXPECT_EQ(s.w.Device(24), 4);
    EXPECT_EQ(s.w.Device(1951), 5);
    EXPECT_EQ(s.w.Device(26), 2);
    EXPECT_EQ(s.Box("edEndereco"), "5");
    EXPECT_EQ(s.Box("edTamanhoBus"), "2");
}

TEST(ParallelismSettings, TheAddressBoxMovesTheUnitOnlyWhenTyped) {
    // The table entry shown in the box (2 = 1 + A) disagrees with the unit's address 1.
    TParallelism s({"--set", "2=9"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Box("edEndereco"), "9");
    s.w.TypeAndCommit("edTamanhoBus", "3");
    EXPECT_EQ(s.w.Device(22), 3);
    EXPECT_EQ(s.w.Device(1951), 1);
    s.w.TypeAndCommit("edEndereco", "16");
    EXPECT_EQ(s.w.prompts.shown,
              QStringList({"error: Endereço do Dispositivo inválido. Deve ser um inteiro entre 0 e 15"}));
    EXPECT_EQ(s.w.Device(1951), 1);
}

TEST(ParallelismSettings, AnAddressBeyondTheTablesShowsNothingAndWritesNothingPerUnit) {
    TParallelism s({"--any-bus-address"});
    ASSERT_TRUE(s.connected);
    ASSERT_TRUE(s.w.SetDevice(1951, 20)); // another client moves the unit where no table reaches
    ASSERT_TRUE(s.w.Window().Session().ReadRegisters(1951, 1));
    s.w.Window().SelectScreen(0);
    s.Watch();
    s.w.Window().SelectScreen(kParallelismScreen);
    EXPECT_EQ(s.Seen(), std::set<int>({201}));
    for (const char* box : {"edEndereco", "edTamanhoBus", "edNumPosicoes", "edResistPosicao"})
        EXPECT_EQ(s.Box(box), "") << box;
    EXPECT_EQ(s.Group("rgConfRele7")->ItemIndex(), -1);
    Click(s.Group("rgLeituraPosicao"), "rgLeituraPosicao_1");
    EXPECT_EQ(s.w.prompts.shown, QStringList());
    EXPECT_EQ(s.seen, std::vector<int>({201, 201, 1951}));
    EXPECT_EQ(s.w.Device(201), 1);
    // Typing an address the tables have moves the unit back.
    s.w.TypeAndCommit("edEndereco", "2");
    EXPECT_EQ(s.w.Device(1951), 2);
    EXPECT_EQ(s.Box("edEndereco"), "2");
}

TEST(ParallelismSettings, ValuesTheGroupsCannotShowAreNotWrittenBack) {
    TParallelism s({"--set", "122=12", "--set", "201=3"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Group("rgConfRele7")->ItemIndex(), -1);
    EXPECT_EQ(s.Group("rgLeituraPosicao")->ItemIndex(), -1);
    s.w.TypeAndCommit("edNumPosicoes", "20");
    EXPECT_EQ(s.w.Device(42), 20);
    EXPECT_EQ(s.w.Device(122), 12);
    EXPECT_EQ(s.w.Device(201), 3);
    Click(s.Group("rgConfRele7"), "rgConfRele7_8");
    EXPECT_EQ(s.w.Device(122), 8);
}

TEST(ParallelismSettings, Languages) {
    TParallelism s({});
    ASSERT_TRUE(s.connected);
    const QStringList names{"lblEndereco",       "lblTamanhoBus",    "lblNumPosicoes", "lblResistPosicao",
                            "lblTempoErroParal", "lblTempoErroConf", "rgConfRele7",    "rgConfRele9",
                            "rgLeituraPosicao",  "rgConfRele8_0",    "rgConfRele8_9",  "rgLeituraPosicao_1"};
    const QStringList expected[] = {
        {"Endereço do Dispositivo", "Tamanho do BUS", "Número de Posições", "Resistência por Posição",
         "Tempo de Erro de Paralelismo", "Tempo de Erro de Configuração", "Configuração do Relé 7",
         "Configuração do Relé 9", "Leitura da Posição", "Erro de Configuração, Falha Fechado",
         "Operação Normal, Normalmente Aberto", "Entrada BCD"},
        {"Device Address", "BUS size", "Number of Positions", "Resistance per Position",
         "Parallelism Error Time", "Configuration Error Time", "Relay 7 Configuration",
         "Relay 9 Configuration", "Position Measurement", "Configuration Error, Closed Fail",
         "Normal Operation, Normally Open", "BDC Input"},
        {"Direccion del Dispositivo", "Tamaño del BUS", "Número de Posiciones", "Resistencia por Posición",
         "Tiempo de Error de Paralelismo", "Tiempo de Error de Configuración", "Configuración del Relé 7",
         "Configuración del Relé 9", "Leitura de la Posición", "Error de Configuracióm, Falla Cerrado",
         "Operación Normal, Normalmente Abierto", "Entrada BCD"},
    };
    for (int language = 0; language < 3; ++language) {
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]) << language;
    }
}

} // namespace
