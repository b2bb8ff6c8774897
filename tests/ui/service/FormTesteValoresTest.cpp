#include "LoggedInWindow.h"
#include "UiHelpers.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "ui/common/Screen.h"
#include "ui/service/FormTesteValores.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>

#include <set>
#include <vector>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;
constexpr int kPositionIndicator = 4;
constexpr int kServiceScreen = 5;

// The window logged in on the service screen, the simulation window opened from its button.
struct TSimulation {
    TSimulation(const QStringList& sim, int family) : w(sim, family) {
        connected = w.Connect(TLink::Tcp);
        w.Window().SelectScreen(kServiceScreen);
    }
    TFormTesteValores& Open() {
        Click(w.Window().ShownScreen(), "bbSimulaMedidas");
        return *w.Window().SimulationWindow();
    }
    QTableWidget* Grid() { return Find<QTableWidget>(w.Window().SimulationWindow(), "sgValores"); }
    QStringList Column(int column) {
        QStringList cells;
        for (int row = 1; row <= 9; ++row)
            cells << Grid()->item(row, column)->text();
        return cells;
    }
    void Activate(bool on) { Find<QCheckBox>(w.Window().SimulationWindow(), "cbAtiva")->setChecked(on); }

    TLoggedInWindow w;
    bool connected = false;
};

TEST(MeasurementSimulation, OneWindowForTheRunShowsWhatTheDeviceSimulates) {
    TSimulation s({"--model", "T", "--hold-live", "--set", "2150=2", "--set", "2151=1000", "--set", "2157=150",
                   "--set", "2159=65535"},
                  kThermal);
    ASSERT_TRUE(s.connected);
    TFormTesteValores* window = s.w.Window().SimulationWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    TFormTesteValores& d = s.Open();
    EXPECT_EQ(&d, window);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(d.pos(), s.w.Window().ShownScreen()->mapToGlobal(QPoint(100, 100)));
    EXPECT_EQ(d.windowTitle(), "Testes");
    EXPECT_TRUE(Find<QCheckBox>(&d, "cbAtiva")->isChecked());
    EXPECT_EQ(s.Column(0), QStringList({"RTD1", "RTD2", "RTD3", "RTD4", "RTD5", "RTD6", "Corr1", "Corr2", "Corr3"}));
    EXPECT_EQ(s.Column(1),
              QStringList({"100.0", "0.0", "0.0", "0.0", "0.0", "0.0", "1.50", "0.00", "655.35"}));

    // A language switch in the main window reaches the open window, values untouched.
    s.w.Window().ApplyLanguage(1);
    EXPECT_EQ(d.windowTitle(), "Tests");
    EXPECT_EQ(Find<QCheckBox>(&d, "cbAtiva")->text(), "Activate measure test");
    EXPECT_EQ(s.Column(0).mid(6), QStringList({"Curr1", "Curr2", "Curr3"}));
    EXPECT_EQ(s.Column(1)[0], "100.0");
    // The screen behind stays usable, and the button shows the same window again.
    EXPECT_TRUE(s.w.Window().ShownScreen()->isEnabled());
    d.hide();
    EXPECT_EQ(&s.Open(), window);
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(MeasurementSimulation, SendsTheModeAndTheNineValuesAsOneRun) {
    TSimulation s({"--model", "T"}, kThermal);
    ASSERT_TRUE(s.connected);
    TFormTesteValores& d = s.Open();
    s.Activate(true);
    TypeInCell(d, 1, 1, "138.5");
    TypeInCell(d, 2, 1, "-5");
    TypeInCell(d, 3, 1, "7000");
    TypeInCell(d, 7, 1, "1,5");
    Click(&d, "bbEnvia");
    EXPECT_EQ(s.w.DeviceRun(2150, 10), std::vector<int>({1, 1385, 0, 65535, 0, 0, 0, 150, 0, 0}));
    // The device measures what was sent instead of its inputs.
    EXPECT_TRUE(WaitUntil([&] { return s.w.Device(511) == 1385; }, 4000));
    EXPECT_NEAR(s.w.Device(510).value_or(0), 1500 + 1000, 5); // about 100 ºC

    Click(&d, "bbEnvia2");
    EXPECT_EQ(s.w.DeviceRun(2150, 1), std::vector<int>({2}));
    // Unchecked, either button ends the test; the run travels whole even when nothing changed.
    s.Activate(false);
    Click(&d, "bbEnvia");
    std::set<int> confirmed;
    s.w.Window().Session().SetValueObserver([&](int reg, std::uint16_t) { confirmed.insert(reg); });
    Click(&d, "bbEnvia");
    EXPECT_EQ(s.w.DeviceRun(2150, 2), std::vector<int>({0, 1385}));
    for (int reg = 2150; reg < 2160; ++reg)
        EXPECT_EQ(confirmed.count(reg), 1U) << reg;

    // The first cell that is no number stops the send.
    s.Activate(true);
    TypeInCell(d, 4, 1, "x");
    TypeInCell(d, 5, 1, "y");
    Click(&d, "bbEnvia");
    EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Valor inválido: x"}));
    EXPECT_EQ(s.w.DeviceRun(2150, 1), std::vector<int>({0}));
}

TEST(MeasurementSimulation, PositionIndicatorRowsWithTheRelaysInHexadecimal) {
    TSimulation s({"--model", "C", "--hold-live", "--set", "2155=255", "--set", "2152=20", "--set", "2157=9"},
                  kPositionIndicator);
    ASSERT_TRUE(s.connected);
    TFormTesteValores& d = s.Open();
    EXPECT_EQ(s.Column(0), QStringList({"Temp", "Corr", "CorrMin", "CorrMax", "Reles", "", "", "", ""}));
    EXPECT_EQ(s.Column(1).mid(0, 5), QStringList({"0.0", "0.020", "0.0", "0.0", "$00FF"}));
    // Rows the family does not use are not edited and go out as 0.
    d.sgValoresMouseDown(6, 1);
    EXPECT_FALSE(Find<QLineEdit>(&d, "edVal")->isVisible());
    s.Activate(true);
    TypeInCell(d, 5, 1, "$0f0f");
    TypeInCell(d, 2, 1, "0.0125");
    Click(&d, "bbEnvia2");
    EXPECT_EQ(s.w.DeviceRun(2150, 10), std::vector<int>({2, 0, 12, 0, 0, 0x0F0F, 0, 0, 0, 0}));
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

} // namespace
