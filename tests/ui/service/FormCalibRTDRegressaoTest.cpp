#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "model/Pt100.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/IniDocument.h"
#include "ui/common/Screen.h"
#include "ui/service/FormCalibRTDRegressao.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <cmath>
#include <memory>
#include <optional>

namespace {

using TLink = TLoggedInWindow::TLink;
using TAnswer = TUserPrompts::TAnswer;
constexpr int kThermal = 0;
constexpr int kRegulator = 2;
constexpr int kSerial = 880001; // the simulator's
const QString kNotSaved =
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";

// A window logged in to a simulated device; the dialog opened on its context.
struct TRtdDialog {
    explicit TRtdDialog(QStringList sim = {"--model", "T"}, int family = kThermal) : w(sim, family) {
        connected = w.Connect(TLink::Tcp);
    }
    std::unique_ptr<TFormCalibRTDRegressao> Open(int language = 0) {
        return std::make_unique<TFormCalibRTDRegressao>(w.Window().Context(), language, &w.Window());
    }
    std::optional<float> DeviceFloat(int reg) {
        const auto low = w.Device(static_cast<std::uint16_t>(reg));
        const auto high = w.Device(static_cast<std::uint16_t>(reg + 1));
        if (!low || !high)
            return std::nullopt;
        return NumberRules::FloatFromWords(*low, *high);
    }
    bool SetDeviceFloat(int reg, float value) {
        const auto [low, high] = NumberRules::WordsFromFloat(value);
        return w.SetDevice(static_cast<std::uint16_t>(reg), static_cast<std::uint16_t>(low)) &&
               w.SetDevice(static_cast<std::uint16_t>(reg + 1), static_cast<std::uint16_t>(high));
    }
    void EmptyFirstRtd() {
        TCalibrationRecord& record = w.Window().Context().calibration;
        record.Load(kSerial);
        record.rtds[0].points = 0;
        record.Save(kSerial);
    }
    std::string RecordPath() const {
        return (w.Folder() + "calib" + QString::number(kSerial) + ".ini").toStdString();
    }
    std::optional<std::string> Record(const std::string& section, const std::string& key) const {
        TIniDocument d;
        d.Load(RecordPath());
        return d.Value(section, key);
    }

    TLoggedInWindow w;
    bool connected = false;
};

QString Panel(const QWidget& d, const char* name) {
    return Find<QLabel>(&d, name)->text();
}

QStringList FitPanels(const QWidget& d) {
    return {Panel(d, "pnCoefAng"), Panel(d, "pnCoefLin"), Panel(d, "pnCorrelacao")};
}

// The cells of the grid's data rows.
QList<QStringList> Rows(const QWidget& d) {
    auto* grid = Find<QTableWidget>(&d, "sgValores");
    QList<QStringList> rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << grid->item(r, c)->text();
        rows << cells;
    }
    return rows;
}

void AddPoint(QWidget& d, const QString& measured, const QString& expected, int unit = 0) {
    Find<QComboBox>(&d, "cbUnidade")->setCurrentIndex(unit);
    Find<QLineEdit>(&d, "edMedido")->setText(measured);
    Find<QLineEdit>(&d, "edEsperado")->setText(expected);
    Click(&d, "bbAdicionar");
}

// Selects data row `row` (1-based) and clicks Remove.
void RemoveRow(QWidget& d, int row) {
    Find<QTableWidget>(&d, "sgValores")->selectRow(row - 1);
    Click(&d, "bbRemover");
}

TEST(RtdRegressionDialog, OpensWithTheDeviceCalibrationAndShowsTheLiveValue) {
    TRtdDialog s({"--model", "T", "--hold-live"});
    ASSERT_TRUE(s.connected);
    ASSERT_TRUE(s.SetDeviceFloat(2540, 1.0012345f));
    ASSERT_TRUE(s.SetDeviceFloat(2560, -0.25f));
    const auto d = s.Open();
    EXPECT_EQ(d->windowTitle(), "Calibração do RTD por Regressão");
    EXPECT_EQ(Panel(*d, "pnRTD"), "RTD 1");
    EXPECT_EQ(Panel(*d, "pnCalibAtual"), "Atual   Ganho:1.001  Offset:-0.250");
    EXPECT_EQ(FitPanels(*d), QStringList({"a = 1.0000", "b = 0.0000", "corr = 0.00000 %"}));
    EXPECT_EQ(Rows(*d), QList<QStringList>({{"", "", "", ""}}));
    EXPECT_EQ(Find<QLineEdit>(d.get(), "edMedido")->text(), "0.0");
    EXPECT_EQ(Find<QLineEdit>(d.get(), "edEsperado")->text(), "0.0");
    auto* unit = Find<QComboBox>(d.get(), "cbUnidade");
    EXPECT_EQ(unit->currentIndex(), 0);
    EXPECT_EQ(QStringList({unit->itemText(0), unit->itemText(1)}), QStringList({"ohms", "ºC"}));
    auto* timer = d->findChild<QTimer*>("TimerUpdate");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 800);

    // Nothing has read the live resistance yet; one tick reads it.
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"), "0.00 ohms (-242.06 ºC)");
    const auto raw = s.w.Device(2580);
    ASSERT_TRUE(raw);
    d->TimerUpdateTimer();
    const double ohms = *raw / 100.0;
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"),
              QString::asprintf("%.2f ohms (%.2f ºC)", ohms, Pt100::Temperature(ohms)));
    Click(d.get(), "bbLerValor");
    EXPECT_EQ(Find<QLineEdit>(d.get(), "edMedido")->text(), QString::asprintf("%.3f", ohms));
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, TheLineFollowsThePoints) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    struct TCase {
        QList<std::pair<QString, QString>> points;
        int removeRow; // 0: none
        QStringList panels;
    };
    const TCase cases[] = {
        {{{"1", "1"}, {"2", "3"}}, 0, {"a = 2.0000", "b = -1.0000", "corr = 100.00000 %"}},
        // Measured as obtained, expected as desired: swapped they would give a = 1.0125.
        {{{"4.1", "4"}, {"20,3", "20"}}, 0, {"a = 0.9877", "b = -0.0494", "corr = 100.00000 %"}},
        {{{"5", "7"}}, 0, {"a = 1.0000", "b = 0.0000", "corr = 0.00000 %"}},
        {{{"1", "1"}, {"2", "3"}, {"2", "5"}}, 0, {"a = 3.0000", "b = -2.0000", "corr = 75.00000 %"}},
        // The two left have the same measured value: the line of the three stays.
        {{{"1", "1"}, {"2", "3"}, {"2", "5"}}, 1, {"a = 3.0000", "b = -2.0000", "corr = 75.00000 %"}},
        // Down to one point: the default line.
        {{{"1", "1"}, {"2", "3"}}, 2, {"a = 1.0000", "b = 0.0000", "corr = 0.00000 %"}},
    };
    for (const TCase& c : cases) {
        // Each case starts from an empty list on the first RTD.
        s.EmptyFirstRtd();
        const auto d = s.Open();
        for (const auto& [x, y] : c.points)
            AddPoint(*d, x, y);
        if (c.removeRow > 0)
            RemoveRow(*d, c.removeRow);
        EXPECT_EQ(FitPanels(*d), c.panels) << c.points.size() << " points, removed " << c.removeRow;
    }
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, AnExpectedValueInCelsiusIsKeptInOhms) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    const auto d = s.Open();
    const std::pair<const char*, QStringList> cases[] = {
        {"0", {"1", "100.000", "100.000", "0.01"}},
        {"100", {"2", "100.000", "138.505", "100.06"}},
        {"-50", {"3", "100.000", "80.306", "-49.99"}},
    };
    for (const auto& [celsius, row] : cases)
        AddPoint(*d, "100", celsius, 1);
    AddPoint(*d, "100", "138.5", 0);
    QList<QStringList> rows;
    for (const auto& [celsius, row] : cases)
        rows << row;
    rows << QStringList({"4", "100.000", "138.500", "100.05"});
    EXPECT_EQ(Rows(*d), rows);
    // The record holds ohms.
    EXPECT_FLOAT_EQ(s.w.Window().Context().calibration.rtds[0].y[1], 138.50549f);
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, TypedValuesAreCheckedAndTheListStopsAtThirtyNine) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    {
        const auto d = s.Open();
        const std::pair<const char*, const char*> refused[] = {{"abc", "1"}, {"", "1"},  {"1e3", "1"},
                                                               {"1", "x"},   {"1", " "}, {"1", "1.2.3"}};
        for (const auto& [measured, expected] : refused)
            AddPoint(*d, measured, expected);
        EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Valor inválido no campo \"Valor Medido\"",
                                                  "error: Valor inválido no campo \"Valor Medido\"",
                                                  "error: Valor inválido no campo \"Valor Medido\"",
                                                  "error: Valor inválido no campo \"Valor Esperado\"",
                                                  "error: Valor inválido no campo \"Valor Esperado\"",
                                                  "error: Valor inválido no campo \"Valor Esperado\""}));
        EXPECT_EQ(Rows(*d).size(), 1);
        EXPECT_FALSE(s.Record("CalibRTD1", "NumPontos")) << "nothing stored";
    }
    // Counts as a hand-edited file may hold them; the record clamps them to its 40 slots. Two more
    // points are tried each time.
    struct TCount {
        int stored, rows, refused;
    };
    const TCount counts[] = {{38, 39, 1}, {39, 39, 2}, {40, 40, 2}, {99, 40, 2}};
    for (const TCount& c : counts) {
        TIniDocument file;
        file.Load(s.RecordPath());
        file.WriteInteger("CalibRTD2", "NumPontos", c.stored);
        for (int i = 1; i <= 40; ++i) {
            file.WriteString("CalibRTD2", "X" + std::to_string(i), std::to_string(i));
            file.WriteString("CalibRTD2", "Y" + std::to_string(i), std::to_string(2 * i));
        }
        ASSERT_TRUE(file.Save(s.RecordPath()));
        // A new record reads the file, as in a new run.
        TCalibrationRecord record(s.w.Folder().toStdString());
        TScreenContext context{s.w.Window().Session(), s.w.Window().Context().settings, record, s.w.prompts};
        TFormCalibRTDRegressao d(context, 0, &s.w.Window());
        Click(&d, "bbProximoRTD");
        s.w.prompts.shown.clear();
        AddPoint(d, "41", "82");
        AddPoint(d, "42", "84");
        EXPECT_EQ(Rows(d).size(), c.rows) << c.stored;
        EXPECT_EQ(s.w.prompts.shown, QStringList(c.refused, "error: Número máximo de pontos atingido"))
            << c.stored;
        EXPECT_EQ(record.rtds[1].points, c.rows) << c.stored;
    }
}

TEST(RtdRegressionDialog, RemoveTakesTheSelectedLineUntilTheInputIsLeft) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    const auto d = s.Open();
    Click(d.get(), "bbRemover");
    EXPECT_EQ(s.w.prompts.shown, QStringList({"error: Selecione a linha que deseja remover"}));
    s.w.prompts.shown.clear();
    for (const char* x : {"1", "2", "3"})
        AddPoint(*d, x, x);
    RemoveRow(*d, 2);
    EXPECT_EQ(Rows(*d),
              QList<QStringList>({{"1", "1.000", "1.000", "-239.83"}, {"2", "3.000", "3.000", "-235.36"}}));
    // The record keeps the three points until the next Add or save: leaving the input brings them back.
    EXPECT_EQ(s.Record("CalibRTD1", "NumPontos"), "3");
    Click(d.get(), "bbProximoRTD");
    Click(d.get(), "bbAnteriorRTD");
    EXPECT_EQ(Rows(*d).size(), 3);
    // Of one point, the list is emptied, whichever row is selected.
    RemoveRow(*d, 3);
    RemoveRow(*d, 1);
    RemoveRow(*d, 1);
    EXPECT_EQ(Rows(*d), QList<QStringList>({{"", "", "", ""}}));
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, AnInputsPointsNeverInheritAnotherInputsLine) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    // RTD 2 holds two points of one measured value: no line of its own.
    TCalibrationRecord& record = s.w.Window().Context().calibration;
    record.Load(kSerial);
    record.rtds[1].points = 2;
    record.rtds[1].x = {5, 5};
    record.rtds[1].y = {1, 2};
    record.Save(kSerial);
    const auto d = s.Open();
    AddPoint(*d, "1", "1");
    AddPoint(*d, "2", "3");
    s.w.prompts.answers = {TAnswer::No};
    Click(d.get(), "bbProximoRTD");
    EXPECT_EQ(Rows(*d).size(), 2);
    EXPECT_EQ(FitPanels(*d), QStringList({"a = 1.0000", "b = 0.0000", "corr = 0.00000 %"}));
    // Nothing to save there: closing asks nothing.
    s.w.prompts.shown.clear();
    d->show();
    d->reject();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, NavigationWrapsAroundTheSixInputs) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    const auto d = s.Open();
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
        Click(d.get(), "bbProximoRTD");
        seen << Panel(*d, "pnRTD");
    }
    Click(d.get(), "bbAnteriorRTD");
    seen << Panel(*d, "pnRTD");
    EXPECT_EQ(seen, QStringList({"RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6", "RTD 1", "RTD 2", "RTD 1"}));
    Click(d.get(), "bbAnteriorRTD");
    EXPECT_EQ(Panel(*d, "pnRTD"), "RTD 6");
    EXPECT_EQ(d->SelectedInput(), 5);
}

TEST(RtdRegressionDialog, TheRegulatorHasOneInputAndNoNavigation) {
    TRtdDialog s({"--model", "R", "--hold-live"}, kRegulator);
    ASSERT_TRUE(s.connected);
    ASSERT_TRUE(s.SetDeviceFloat(2540, 1.5f));
    const auto d = s.Open();
    EXPECT_TRUE(Find<QWidget>(d.get(), "bbAnteriorRTD")->isHidden());
    EXPECT_TRUE(Find<QWidget>(d.get(), "bbProximoRTD")->isHidden());
    EXPECT_EQ(Panel(*d, "pnRTD"), "RTD 1");
    EXPECT_EQ(Panel(*d, "pnCalibAtual"), "Atual   Ganho:1.500  Offset:0.000");
    d->TimerUpdateTimer();
    const auto raw = s.w.Device(2580);
    ASSERT_TRUE(raw);
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"),
              QString::asprintf("%.2f ohms (%.2f ºC)", *raw / 100.0, Pt100::Temperature(*raw / 100.0)));
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, AnUnsavedLineIsAskedAboutBeforeTheInputChanges) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    struct TCase {
        float deviceGain, deviceOffset;
        QList<std::pair<QString, QString>> points;
        std::optional<TAnswer> answer; // none: no question
        QString inputAfter;
        float gainAfter;
    };
    const TCase cases[] = {
        // Through the origin, yet not what the device holds.
        {1.0f, 0.0f, {{"1", "2"}, {"2", "4"}}, TAnswer::Yes, "RTD 2", 2.0f},
        {1.0f, 0.0f, {{"1", "2"}, {"2", "4"}}, TAnswer::No, "RTD 2", 1.0f},
        {1.0f, 0.0f, {{"1", "2"}, {"2", "4"}}, TAnswer::Cancel, "RTD 1", 1.0f},
        {1.0f, 0.0f, {{"5", "7"}}, std::nullopt, "RTD 2", 1.0f},
        {2.0f, -1.0f, {{"1", "1"}, {"2", "3"}}, std::nullopt, "RTD 2", 2.0f},
        // A device gain above or below the line's by more than a millionth.
        {2.00001f, -1.0f, {{"1", "1"}, {"2", "3"}}, TAnswer::No, "RTD 2", 2.00001f},
        {1.99999f, -1.0f, {{"1", "1"}, {"2", "3"}}, TAnswer::No, "RTD 2", 1.99999f},
        {2.0f, -1.00001f, {{"1", "1"}, {"2", "3"}}, TAnswer::No, "RTD 2", 2.0f},
    };
    for (const TCase& c : cases) {
        ASSERT_TRUE(s.SetDeviceFloat(2540, c.deviceGain));
        ASSERT_TRUE(s.SetDeviceFloat(2560, c.deviceOffset));
        s.EmptyFirstRtd();
        const auto d = s.Open();
        for (const auto& [x, y] : c.points)
            AddPoint(*d, x, y);
        s.w.prompts.shown.clear();
        if (c.answer)
            s.w.prompts.answers = {*c.answer};
        Click(d.get(), "bbProximoRTD");
        const QString row =
            QString("%1 / %2, %3 points").arg(c.deviceGain).arg(c.deviceOffset).arg(c.points.size());
        QStringList shown;
        if (c.answer)
            shown << "question: " + kNotSaved;
        if (c.answer == TAnswer::Yes)
            shown << "information: Calibração salva com sucesso";
        EXPECT_EQ(s.w.prompts.shown, shown) << row.toStdString();
        EXPECT_TRUE(s.w.prompts.answers.empty()) << row.toStdString();
        EXPECT_EQ(Panel(*d, "pnRTD"), c.inputAfter) << row.toStdString();
        EXPECT_EQ(s.DeviceFloat(2540), c.gainAfter) << row.toStdString();
    }
}

TEST(RtdRegressionDialog, ClosingAsksAboutAnUnsavedLine) {
    // The gain 2.0 is written as 0, 0x4000: that write list closes the link.
    TRtdDialog s({"--model", "T", "--close-on", "2541=16384"});
    ASSERT_TRUE(s.connected);
    {
        const auto d = s.Open();
        d->show();
        d->reject();
        EXPECT_FALSE(d->isVisible()) << "the default line closes without a question";
    }
    const auto d = s.Open();
    d->show();
    AddPoint(*d, "1", "2");
    AddPoint(*d, "2", "4");
    s.w.prompts.answers = {TAnswer::Yes};
    d->reject();
    EXPECT_TRUE(d->isVisible()) << "a failed save keeps the dialog open";
    EXPECT_EQ(s.w.prompts.shown, QStringList({"question: " + kNotSaved,
                                              "error: Erro ao enviar a calibração para o equipamento."}));
    // The record was written before the device refused.
    EXPECT_EQ(s.Record("CalibRTD1", "Ganho"), "2");
    s.w.prompts.shown.clear();
    s.w.prompts.answers = {TAnswer::No};
    d->reject();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(s.w.prompts.shown, QStringList({"question: " + kNotSaved}));
}

TEST(RtdRegressionDialog, ARegressionAgainstTheSimulatorIsSavedAndResumedInALaterRun) {
    TRtdDialog s({"--model", "T", "--hold-live"});
    ASSERT_TRUE(s.connected);
    QList<QStringList> rows;
    {
        const auto d = s.Open();
        Click(d.get(), "bbProximoRTD");
        Click(d.get(), "bbProximoRTD");
        // Each RTD's reading against the true temperature it reads.
        for (int i = 0; i < 6; ++i) {
            const auto raw = s.w.Device(static_cast<std::uint16_t>(2580 + i));
            const auto temperature = s.w.Device(static_cast<std::uint16_t>(510 + 2 * i));
            ASSERT_TRUE(raw && temperature);
            AddPoint(*d, QString::asprintf("%.2f", *raw / 100.0),
                     QString::asprintf("%.1f", (*temperature - 1500) / 10.0), 1);
        }
        // The device reads true x 1.01 - 0.3: the line back is x / 1.01 + 0.297. Hundredths of an ohm
        // over the 6 ºC the held RTDs span leave the offset within a tenth.
        const TLineFit fit = d->Fit();
        EXPECT_NEAR(fit.a, 1 / 1.01, 1e-3);
        EXPECT_NEAR(fit.b, 0.3 / 1.01, 0.1);
        EXPECT_GT(fit.c, 99.9);
        EXPECT_TRUE(d->bbSalvarCalibracaoClick());
        EXPECT_EQ(s.w.prompts.shown, QStringList({"information: Calibração salva com sucesso"}));
        const auto [gainLow, gainHigh] = NumberRules::WordsFromFloat(static_cast<float>(fit.a));
        const auto [offsetLow, offsetHigh] = NumberRules::WordsFromFloat(static_cast<float>(fit.b));
        EXPECT_EQ(s.w.Device(2544), gainLow);
        EXPECT_EQ(s.w.Device(2545), gainHigh);
        EXPECT_EQ(s.w.Device(2564), offsetLow);
        EXPECT_EQ(s.w.Device(2565), offsetHigh);
        EXPECT_EQ(s.w.Device(2540), 0) << "RTD 1 keeps its gain of 1.0";
        EXPECT_EQ(Panel(*d, "pnCalibAtual"),
                  QString::asprintf("Atual   Ganho:%.3f  Offset:%.3f", fit.a, fit.b));
        EXPECT_EQ(s.Record("CalibRTD3", "NumPontos"), "6");
        EXPECT_EQ(s.Record("CalibRTD3", "Ganho"), FormatCalibrationNumber(static_cast<float>(fit.a), '.'));
        EXPECT_EQ(s.Record("CalibRTD1", "NumPontos"), "0");
        rows = Rows(*d);
        ASSERT_EQ(rows.size(), 6);
    }
    // A later run: a new window on the same data folder, connected to the same device.
    s.w.prompts.shown.clear();
    TFormMain again(s.w.prompts, s.w.Folder().toStdString());
    again.show();
    again.SetFamilySelector(kThermal);
    const std::uint16_t port = s.w.Sim().Port();
    s.w.prompts.dialogs = {[port](QDialog& dialog) {
                               Find<QLineEdit>(&dialog, "edEndereco")->setText("localhost");
                               Find<QLineEdit>(&dialog, "edDominioPorta")->setText(QString::number(port));
                               Click(&dialog, "bbOkEndereco");
                               return dialog.result();
                           },
                           [](QDialog& dialog) {
                               Find<QLineEdit>(&dialog, "edSenha")->setText("JUXT");
                               return static_cast<int>(QDialog::Accepted);
                           }};
    Click(again.ShownScreen(), "bbConectarIP");
    ASSERT_TRUE(again.Session().IsConnected());
    TFormCalibRTDRegressao d(again.Context(), 0, &again);
    Click(&d, "bbProximoRTD");
    Click(&d, "bbProximoRTD");
    EXPECT_EQ(Rows(d), rows);
    // The line the points give is the one on the device: leaving asks nothing.
    d.show();
    d.reject();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(s.w.prompts.shown.isEmpty()) << s.w.prompts.shown.join("; ").toStdString();
}

TEST(RtdRegressionDialog, Languages) {
    TRtdDialog s;
    ASSERT_TRUE(s.connected);
    const QStringList names{"bbAnteriorRTD",      "pnRTD",       "bbProximoRTD", "lblMedido",
                            "bbLerValor",         "lblEsperado", "bbAdicionar",  "bbRemover",
                            "bbSalvarCalibracao", "pnCalibAtual"};
    const QStringList expected[] = {
        {"Calibração do RTD por Regressão", "Anterior", "RTD 1", "Próximo", "Valor Medido:", "Copia Medida",
         "Valor Esperado:", "Adicionar", "Remover", "Salvar Calibração", "Atual   Ganho:1.000  Offset:0.000",
         "Medido", "Esperado (ohms)", "Esperado (ºC)", "error: Selecione a linha que deseja remover"},
        {"RTD Calibration with Regression", "Previous", "RTD 1", "Next",
         "Measured Value:", "Copy Measurement", "Expected Value:", "Add", "Remove", "Save Calibration",
         "Current   Gain:1.000  Offset:0.000", "Measured", "Expected (ohms)", "Expected (ºC)",
         "error: Select the line to be removed"},
        {"Calibración de RTD com Regresión", "Anterior", "RTD 1", "Siguiente",
         "Valor Medido:", "Copiar Medida", "Valor Esperado:", "Añadir", "Retirar", "Guardar Calibración",
         "Actual   Ganancia:1.000  Offset:0.000", "Medido", "Esperado (ohms)", "Esperado (ºC)",
         "error: Seleccione la línea que desea retirar"},
    };
    const auto d = s.Open();
    for (int language : {1, 2, 0}) {
        d->ApplyLanguage(language);
        QStringList texts{d->windowTitle()};
        for (const QString& name : names) {
            const QWidget* w = Find<QWidget>(d.get(), name);
            if (auto* b = qobject_cast<const QAbstractButton*>(w))
                texts << b->text();
            else if (auto* l = qobject_cast<const QLabel*>(w))
                texts << l->text();
        }
        auto* grid = Find<QTableWidget>(d.get(), "sgValores");
        for (int c = 1; c < grid->columnCount(); ++c)
            texts << grid->horizontalHeaderItem(c)->text();
        s.w.prompts.shown.clear();
        Click(d.get(), "bbRemover");
        texts << s.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
    }
}

} // namespace
