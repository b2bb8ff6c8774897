#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "ui/general/GeneralScreen.h"
#include "ui/service/FormCalibRTD.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <memory>
#include <set>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;
constexpr int kRegulator = 2;

std::pair<int, int> Words(float value) {
    return NumberRules::WordsFromFloat(value);
}

// The simulator's presets of a float pair.
QStringList SetFloat(int reg, float value) {
    const auto [low, high] = Words(value);
    return {"--set", QString("%1=%2").arg(reg).arg(low), "--set", QString("%1=%2").arg(reg + 1).arg(high)};
}

// A device whose readings hold still, logged in; the dialog opened on it on demand.
struct TRtds {
    explicit TRtds(QStringList sim, const char* model = "T", int family = kThermal)
        : w(sim << "--hold-live"
                << "--model" << model,
            family) {
        connected = w.Connect(TLink::Tcp);
    }
    TFormCalibRTD& Open(int language = 0) {
        dialog = std::make_unique<TFormCalibRTD>(w.Window().Context(), language, &w.Window());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return *dialog;
    }
    QTableWidget* Grid() { return Find<QTableWidget>(dialog.get(), "sgValores"); }
    QStringList Row(int row) {
        QStringList cells;
        for (int c = 1; c < 5; ++c)
            cells << Grid()->item(row, c)->text();
        return cells;
    }
    QLineEdit* Editor() { return Find<QLineEdit>(dialog.get(), "edVal"); }
    void Edit(int row, int column, const QString& text) {
        dialog->sgValoresMouseDown(row, column);
        Editor()->setText(text);
        QTest::keyClick(Editor(), Qt::Key_Return);
    }
    std::pair<int, int> DeviceWords(int reg) {
        return {w.Device(static_cast<std::uint16_t>(reg)).value_or(-1),
                w.Device(static_cast<std::uint16_t>(reg + 1)).value_or(-1)};
    }
    bool SetDeviceFloat(int reg, int low, int high) {
        return w.SetDevice(static_cast<std::uint16_t>(reg), static_cast<std::uint16_t>(low)) &&
               w.SetDevice(static_cast<std::uint16_t>(reg + 1), static_cast<std::uint16_t>(high));
    }
    // The registers the device confirms from now on (a framed write reads back what it wrote).
    void Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }

    TLoggedInWindow w;
    bool connected = false;
    std::unique_ptr<TFormCalibRTD> dialog;
    std::set<int> confirmed;
};

TEST(RtdCalibration, ShowsEachRtdBeforeAndAfterItsGainAndOffset) {
    TRtds r(SetFloat(2560, 0.5f) + SetFloat(2542, 1.25f) + SetFloat(2562, -2.0f));
    ASSERT_TRUE(r.connected);
    TFormCalibRTD& d = r.Open();
    EXPECT_EQ(r.Grid()->rowCount(), 7);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(r.Grid()->item(row, 0)->text(), QString::number(row));
    // The simulator's readings follow its temperatures: the ones of the example are put in the image.
    TEquipComm& session = r.w.Window().Session();
    session.StoreRegister(2580, 10000);
    session.StoreRegister(2581, 13851);
    d.FillControls();
    EXPECT_EQ(r.Row(1), QStringList({"1.0000", "0.5000", "100.00", "100.50"}));
    EXPECT_EQ(r.Row(2), QStringList({"1.2500", "-2.0000", "138.51", "171.14"}));
    auto* timer = d.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    // Each tick reads what the device measures.
    const auto measured = r.w.Device(2580);
    ASSERT_TRUE(measured && *measured != 10000);
    d.Timer1Timer();
    const double before = *measured / 100.0;
    EXPECT_EQ(r.Row(1), QStringList({"1.0000", "0.5000", QString::asprintf("%.2f", before),
                                     QString::asprintf("%.2f", before + 0.5)}));
    EXPECT_TRUE(r.w.prompts.shown.isEmpty()) << r.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdCalibration, EachAcceptedCellIsWrittenAtOnceWithinItsRange) {
    TRtds r({});
    ASSERT_TRUE(r.connected);
    r.Open();
    const QString gainMessage = "error: Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.";
    const QString offsetMessage = "error: Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.";
    struct Case {
        int column;
        const char* typed;
        float value;     // written to RTD 3's pair
        QString message; // empty: accepted
    };
    const Case cases[] = {
        {1, "1,25", 1.25f, ""},
        {1, "0.5", 0.5f, ""},
        {1, "1.5", 1.5f, ""},
        {1, "0.49", 0, gainMessage},
        {1, "1.51", 0, gainMessage},
        {1, "1.5001", 0, gainMessage},
        {2, "-10", -10.0f, ""},
        {2, "10", 10.0f, ""},
        {2, "0.1234", 0.1234f, ""},
        {2, "10.01", 0, offsetMessage},
        {2, "-10.01", 0, offsetMessage},
        {2, "abc", 0, "error: Valor numérico inválido."},
        {2, "", 0, "error: Valor numérico inválido."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const int reg = (c.column == 1 ? 2540 : 2560) + 2 * 2;
        const auto before = r.DeviceWords(reg);
        r.w.prompts.shown.clear();
        r.Edit(3, c.column, c.typed);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(r.w.prompts.shown.isEmpty()) << r.w.prompts.shown.join("; ").toStdString();
            EXPECT_EQ(r.DeviceWords(reg), Words(c.value));
            EXPECT_EQ(r.Grid()->item(3, c.column)->text(), QString::asprintf("%.4f", c.value));
            EXPECT_FALSE(r.Editor()->isVisible());
        } else {
            EXPECT_EQ(r.w.prompts.shown, QStringList({c.message}));
            EXPECT_EQ(r.DeviceWords(reg), before);
            // The editor stays open with what was typed.
            EXPECT_TRUE(r.Editor()->isVisible());
            EXPECT_EQ(r.Editor()->text(), c.typed);
            QTest::keyClick(r.Editor(), Qt::Key_Escape);
            EXPECT_FALSE(r.Editor()->isVisible());
        }
    }
    // Only data cells of the gain and offset columns open.
    for (const auto& [row, column] : {std::pair{0, 1}, {3, 0}, {3, 3}, {3, 4}, {7, 1}}) {
        r.dialog->sgValoresMouseDown(row, column);
        EXPECT_FALSE(r.Editor()->isVisible()) << row << "," << column;
    }
}

TEST(RtdCalibration, ACellLeftAsItOpenedOrAsTheDeviceHoldsItWritesNothing) {
    // 1.0012345 opens as 1.0012: leaving it so must not round the device's gain.
    TRtds r(SetFloat(2540, 1.0012345f));
    ASSERT_TRUE(r.connected);
    TFormCalibRTD& d = r.Open();
    r.Watch();
    d.sgValoresMouseDown(1, 1);
    EXPECT_EQ(r.Editor()->text(), "1.0012");
    QTest::keyClick(r.Editor(), Qt::Key_Return);
    EXPECT_FALSE(r.Editor()->isVisible());
    // Out of range but untouched: no message either.
    ASSERT_TRUE(r.SetDeviceFloat(2542, Words(3.0f).first, Words(3.0f).second));
    ASSERT_TRUE(r.w.Window().Session().ReadRegisters(2542, 2));
    d.FillControls();
    r.Watch();
    d.sgValoresMouseDown(2, 1);
    EXPECT_EQ(r.Editor()->text(), "3.0000");
    QTest::keyClick(r.Editor(), Qt::Key_Return);
    // The value the device already holds, typed another way.
    r.Edit(3, 2, "0,0");
    EXPECT_TRUE(r.confirmed.empty());
    EXPECT_TRUE(r.w.prompts.shown.isEmpty()) << r.w.prompts.shown.join("; ").toStdString();
    EXPECT_EQ(r.DeviceWords(2540), Words(1.0012345f));
    EXPECT_EQ(r.DeviceWords(2542), Words(3.0f));
}

TEST(RtdCalibration, NaNAndInfiniteValuesFromTheDevice) {
    TRtds r({});
    ASSERT_TRUE(r.connected);
    TFormCalibRTD& d = r.Open();
    // RTD 1: gain +inf, offset 0.5; RTD 2: gain NaN; RTD 3: gain 1.1, offset -inf.
    ASSERT_TRUE(r.SetDeviceFloat(2540, 0x0000, 0x7F80));
    ASSERT_TRUE(r.SetDeviceFloat(2560, Words(0.5f).first, Words(0.5f).second));
    ASSERT_TRUE(r.SetDeviceFloat(2542, 0x0001, 0x7FC0));
    ASSERT_TRUE(r.SetDeviceFloat(2544, Words(1.1f).first, Words(1.1f).second));
    ASSERT_TRUE(r.SetDeviceFloat(2564, 0x0000, 0xFF80));
    TEquipComm& session = r.w.Window().Session();
    ASSERT_TRUE(session.ReadRegisters(2540, 12, true) && session.ReadRegisters(2560, 12, true));
    ASSERT_TRUE(session.FlushReads());
    for (int reg = 2580; reg < 2583; ++reg)
        session.StoreRegister(reg, 10000);
    d.FillControls();
    EXPECT_EQ(r.Row(1), QStringList({"inf", "0.5000", "100.00", "100.50"}));
    EXPECT_EQ(r.Row(2), QStringList({"0.0000", "0.0000", "100.00", "0.00"}));
    EXPECT_EQ(r.Row(3), QStringList({"1.1000", "-inf", "100.00", "110.00"}));
    // The editor opens on such a cell as on one that is no number.
    d.sgValoresMouseDown(1, 1);
    EXPECT_EQ(r.Editor()->text(), "0.0000");
    r.Editor()->setText("1");
    QTest::keyClick(r.Editor(), Qt::Key_Return);
    EXPECT_EQ(r.DeviceWords(2540), Words(1.0f));
    EXPECT_TRUE(r.w.prompts.shown.isEmpty()) << r.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdCalibration, TheRegulatorHasOneRtd) {
    TRtds r(SetFloat(2540, 0.99f), "R", kRegulator);
    ASSERT_TRUE(r.connected);
    TFormCalibRTD& d = r.Open();
    EXPECT_EQ(r.Grid()->rowCount(), 2);
    EXPECT_EQ(r.Row(1)[0], "0.9900");
    r.Watch();
    d.Timer1Timer();
    EXPECT_EQ(r.confirmed, std::set<int>({2580}));
    r.Edit(1, 2, "0.25");
    EXPECT_EQ(r.DeviceWords(2560), Words(0.25f));
}

TEST(RtdCalibration, Languages) {
    const QStringList expected[] = {
        {"Calibração dos RTDs", "RTD", "Ganho", "Offset", "Antes Calib.", "Depois Calib.",
         "error: Valor numérico inválido.",
         "error: Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
         "error: Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.",
         "error: Erro no envio da configuração para o equipamento."},
        {"RTD Calibration", "RTD", "Gain", "Offset", "Before Calib.", "After Calib.",
         "error: Invalid numeric value.", "error: Invalid gain. It must be a value between 0.5 and 1.5.",
         "error: Invalid offset. It must be a value between -10.0 and 10.0.",
         "error: Error sending the configuration to the device."},
        {"Calibración de RTD", "RTD", "Ganancia", "Offset", "Antes Calib.", "Después Calib.",
         "error: Valor numérico inválido.", "error: Ganancia inválida. Deve ser un valor entre 0.5 y 1.5.",
         "error: Offset inválido. Debe ser un valor entre -10.0 y 10.0.",
         "error: Error en el envío de la configuración al equipo."},
    };
    TRtds r({});
    ASSERT_TRUE(r.connected);
    for (int language = 0; language < 3; ++language) {
        r.dialog.reset();
        ASSERT_TRUE(r.w.Window().Session().IsConnected() || r.w.Connect(TLink::Tcp));
        r.w.prompts.shown.clear();
        TFormCalibRTD& d = r.Open(language);
        QStringList texts{d.windowTitle()};
        for (int c = 0; c < 5; ++c)
            texts << r.Grid()->item(0, c)->text();
        for (const auto& [column, typed] : {std::pair{1, "x"}, {1, "2"}, {2, "11"}}) {
            r.Edit(1, column, typed);
            QTest::keyClick(r.Editor(), Qt::Key_Escape);
        }
        r.w.General()->Disconnect();
        r.Edit(1, 1, "1.1");
        texts << r.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
    }
}

} // namespace
