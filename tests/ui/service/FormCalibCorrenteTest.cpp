#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"
#include "ui/common/RadioGroup.h"
#include "ui/general/GeneralScreen.h"
#include "ui/service/FormCalibCorrente.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <memory>

namespace {

using TLink = TLoggedInWindow::TLink;
using TAnswer = TUserPrompts::TAnswer;
constexpr int kThermal = 0;
constexpr int kSerial = 1234;
const QString kUnsaved =
    "question: A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";

// A thermal monitor of serial number 1234, logged in; the dialog opened on it on demand.
struct TOutputs {
    explicit TOutputs(QStringList sim = {})
        : w(sim << "--model"
                << "T"
                << "--set" << QString("2501=%1").arg(kSerial) << "--set"
                << "2502=0",
            kThermal) {
        connected = w.Connect(TLink::Tcp);
    }
    TCalibrationRecord& Record() { return w.Window().Context().calibration; }
    TFormCalibCorrente& Open(int language = 0) {
        dialog = std::make_unique<TFormCalibCorrente>(w.Window().Context(), language, &w.Window());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return *dialog;
    }
    QTableWidget* Grid() { return Find<QTableWidget>(dialog.get(), "sgValores"); }
    QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
    QStringList Rows() {
        QStringList rows;
        for (int r = 1; r < Grid()->rowCount(); ++r)
            rows << Cell(r, 0) + " / " + Cell(r, 1);
        return rows;
    }
    QString Panel(const char* name) { return Find<QLabel>(dialog.get(), name)->text(); }
    QLineEdit* Editor() { return Find<QLineEdit>(dialog.get(), "edVal"); }
    void Edit(int row, int column, const QString& text, Qt::Key key = Qt::Key_Return) {
        dialog->sgValoresMouseDown(row, column);
        Editor()->setText(text);
        QTest::keyClick(Editor(), key);
    }
    void Points(const QString& count) {
        auto* box = Find<QLineEdit>(dialog.get(), "edNumPontos");
        box->setFocus();
        box->setText(count);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Types the points as desired / obtained pairs.
    void Type(const std::vector<std::pair<const char*, const char*>>& points) {
        Points(QString::number(points.size()));
        for (std::size_t i = 0; i < points.size(); ++i) {
            Edit(static_cast<int>(i) + 1, 0, points[i].first);
            // An empty text leaves the cell empty.
            if (*points[i].second)
                Edit(static_cast<int>(i) + 1, 1, points[i].second);
        }
    }
    float DeviceFloat(int reg) {
        return NumberRules::FloatFromWords(w.Device(static_cast<std::uint16_t>(reg)).value_or(0),
                                           w.Device(static_cast<std::uint16_t>(reg + 1)).value_or(0));
    }

    TLoggedInWindow w;
    bool connected = false;
    std::unique_ptr<TFormCalibCorrente> dialog;
};

TEST(CurrentOutputCalibration, OpensOnOneRowOf12mAOrOnTheStoredPointsUpTo20) {
    TOutputs o;
    ASSERT_TRUE(o.connected);
    o.Open();
    EXPECT_EQ(o.Rows(), QStringList({"12 mA / 12 mA"}));
    EXPECT_EQ(Find<QLineEdit>(o.dialog.get(), "edNumPontos")->text(), "0");
    EXPECT_EQ(Find<QComboBox>(o.dialog.get(), "cbIndexSaida")->currentText(), "1");
    EXPECT_EQ(Find<TRadioGroup>(o.dialog.get(), "rgEscala")->ItemIndex(), 0);
    EXPECT_EQ(o.Panel("pnCalibAtual"), "Atual   Ganho:1.000  Offset:0.000");
    EXPECT_EQ(o.Panel("pnCoefAng"), "a = 1.0000");
    EXPECT_EQ(o.Panel("pnCoefLin"), "b = 0.0000");
    EXPECT_EQ(o.Panel("pnCorr"), "corr = 0.00000 %");
    o.dialog.reset();

    // Output 2 of the low-range board holds three points; output 1 a hand-edited 30. The device's
    // own calibration of output 2 on that board is shown.
    TCalibrationLine& low = o.Record().currentOutputs[1].lowRange;
    low.points = 3;
    low.x = {0.11f, 0.52f, 1.03f};
    low.y = {0.1f, 0.5f, 1.0f};
    o.Record().currentOutputs[0].standard.points = 30;
    ASSERT_TRUE(o.Record().Save(kSerial));
    const auto [gainLow, gainHigh] = NumberRules::WordsFromFloat(0.975f);
    ASSERT_TRUE(o.w.SetDevice(2622, static_cast<std::uint16_t>(gainLow)));
    ASSERT_TRUE(o.w.SetDevice(2623, static_cast<std::uint16_t>(gainHigh)));
    TFormCalibCorrente& d = o.Open();
    EXPECT_EQ(o.Grid()->rowCount(), 21);
    EXPECT_EQ(Find<QLineEdit>(&d, "edNumPontos")->text(), "20");
    d.cbIndexSaidaChange(1);
    d.rgEscalaClick(1);
    EXPECT_EQ(o.Rows(), QStringList({"0.100 mA / 0.110 mA", "0.500 mA / 0.520 mA", "1.000 mA / 1.030 mA"}));
    EXPECT_EQ(Find<QLineEdit>(&d, "edNumPontos")->text(), "3");
    EXPECT_EQ(o.Panel("pnCalibAtual"), "Atual   Ganho:0.975  Offset:0.000");
    EXPECT_EQ(o.Panel("pnCoefAng"), "a = 0.9783");
    EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
}

TEST(CurrentOutputCalibration, FitsDesiredOnObtainedOverTheGrid) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> points; // desired, obtained
        const char* obtained2;                                   // typed over row 2's afterwards
        const char *a, *b, *corr;
    };
    const Case cases[] = {
        {{{"4", "4.1"}, {"20", "20.3"}}, nullptr, "a = 0.9877", "b = -0.0494", "corr = 100.00000 %"},
        {{{"2", "1"}, {"4", "2"}}, nullptr, "a = 2.0000", "b = 0.0000", "corr = 100.00000 %"},
        {{{"4", "4"}, {"12", "12.5"}, {"20", "20"}},
         nullptr,
         "a = 0.9987",
         "b = -0.1508",
         "corr = 99.86996 %"},
        // Equal obtained currents keep the line before.
        {{{"4", "4.1"}, {"20", "20.3"}}, "4.1", "a = 0.9877", "b = -0.0494", "corr = 100.00000 %"},
        // A row that does not parse is left out.
        {{{"4", "4.1"}, {"20", "20.3"}, {"8", ""}},
         nullptr,
         "a = 0.9877",
         "b = -0.0494",
         "corr = 100.00000 %"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points.size());
        TOutputs o;
        ASSERT_TRUE(o.connected);
        o.Open();
        o.Type(c.points);
        if (c.obtained2)
            o.Edit(2, 1, c.obtained2);
        EXPECT_EQ(o.Panel("pnCoefAng").toStdString(), c.a);
        EXPECT_EQ(o.Panel("pnCoefLin").toStdString(), c.b);
        EXPECT_EQ(o.Panel("pnCorr").toStdString(), c.corr);
    }
}

TEST(CurrentOutputCalibration, EachRowDrivesItsDesiredCurrentWithinTheBoard) {
    struct Case {
        int board;
        const char* desired;
        int forced;        // 2101 afterwards; -1: the current is refused
        const char* shown; // the cell
    };
    const Case cases[] = {
        {1, "20", 31250, "20.000 mA"}, {1, "32", 50000, "32.000 mA"}, {1, "0", 0, "0.000 mA"},
        {1, "4,5", 7031, "4.500 mA"},  {2, "1.2", 40000, "1.200 mA"}, {2, "1,25", 41667, "1.250 mA"},
        {1, "32.01", -1, "12 mA"},     {1, "-1", -1, "12 mA"},        {2, "1.6", -1, "12 mA"},
        {2, "1.5001", -1, "12 mA"},
    };
    TOutputs o;
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.desired) + " on board " + std::to_string(c.board));
        d.rgEscalaClick(c.board - 1);
        o.w.prompts.shown.clear();
        const QString before = o.Cell(1, 0);
        d.sgValoresMouseDown(1, 0);
        ASSERT_TRUE(o.w.SetDevice(2101, 12345));
        o.Editor()->setText(c.desired);
        QTest::keyClick(o.Editor(), Qt::Key_Return);
        if (c.forced < 0) {
            EXPECT_EQ(o.w.prompts.shown, QStringList({"error: Valor de corrente inválida."}));
            EXPECT_TRUE(o.Editor()->isVisible());
            QTest::keyClick(o.Editor(), Qt::Key_Escape);
            EXPECT_EQ(o.Cell(1, 0), before);
            EXPECT_EQ(o.w.Device(2101), 12345);
            continue;
        }
        EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
        EXPECT_EQ(o.Cell(1, 0), c.shown);
        EXPECT_EQ(o.w.Device(2101), c.forced);
        // Clicking the obtained cell of that row drives it again.
        ASSERT_TRUE(o.w.SetDevice(2101, 12345));
        d.sgValoresMouseDown(1, 1);
        EXPECT_EQ(o.w.Device(2101), c.forced);
        QTest::keyClick(o.Editor(), Qt::Key_Escape);
    }
    // A stored point beyond the board (a hand-edited record) is shown but never driven.
    o.w.prompts.shown.clear();
    o.Record().currentOutputs[3].standard.points = 1;
    o.Record().currentOutputs[3].standard.y[0] = 40.0f;
    ASSERT_TRUE(o.Record().Save(kSerial));
    d.rgEscalaClick(0);
    d.cbIndexSaidaChange(3);
    EXPECT_EQ(o.Cell(1, 0), "40.000 mA");
    ASSERT_TRUE(o.w.SetDevice(2101, 12345));
    d.sgValoresMouseDown(1, 1);
    EXPECT_EQ(o.w.Device(2101), 12345);
    EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
}

TEST(CurrentOutputCalibration, ObtainedCurrentsAndTheEditor) {
    TOutputs o;
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    d.rgEscalaClick(1);
    // The obtained current is what a meter reads: up to 32 mA on either board.
    struct Case {
        const char* typed;
        const char* message; // empty: accepted
        const char* shown;
    };
    const Case cases[] = {
        {"0,25", "", "0.250 mA"},
        {"1.6", "", "1.600 mA"},
        {"32", "", "32.000 mA"},
        {"32.5", "error: Valor de corrente inválida.", "32.000 mA"},
        {"abc", "error: Valor numérico inválido.", "32.000 mA"},
        {"", "error: Valor numérico inválido.", "32.000 mA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        o.w.prompts.shown.clear();
        o.Edit(1, 1, c.typed);
        EXPECT_EQ(o.w.prompts.shown, *c.message ? QStringList({c.message}) : QStringList());
        EXPECT_EQ(o.Cell(1, 1), c.shown);
        // A refused value keeps the editor open on its cell.
        EXPECT_EQ(o.Editor()->isVisible(), *c.message != 0);
        if (o.Editor()->isVisible())
            QTest::keyClick(o.Editor(), Qt::Key_Escape);
    }
    // The editor opens with the cell's value; Esc closes it without committing.
    d.sgValoresMouseDown(1, 1);
    EXPECT_EQ(o.Editor()->text(), "32.0000");
    o.Editor()->setText("5");
    QTest::keyClick(o.Editor(), Qt::Key_Escape);
    EXPECT_FALSE(o.Editor()->isVisible());
    EXPECT_EQ(o.Cell(1, 1), "32.000 mA");
    // Opening another cell commits the one open.
    d.sgValoresMouseDown(1, 1);
    o.Editor()->setText("6");
    d.sgValoresMouseDown(1, 0);
    EXPECT_EQ(o.Cell(1, 1), "6.000 mA");
    EXPECT_EQ(o.Editor()->text(), "12.0000");
    QTest::keyClick(o.Editor(), Qt::Key_Escape);
    // The number of points: 2..20; the grid follows and the fit is of the rows shown.
    for (const char* typed : {"1", "21", "x"}) {
        o.w.prompts.shown.clear();
        o.Points(typed);
        EXPECT_EQ(o.w.prompts.shown,
                  QStringList({"error: Número inválido de pontos. Deve ser um inteiro entre 2 e 20."}));
        EXPECT_EQ(o.Grid()->rowCount(), 2);
    }
    o.Type({{"0.5", "0.4"}, {"1.5", "1.3"}, {"1", "0.2"}});
    EXPECT_NE(o.Panel("pnCoefAng"), "a = 1.1111");
    o.Points("2");
    EXPECT_EQ(o.Rows(), QStringList({"0.500 mA / 0.400 mA", "1.500 mA / 1.300 mA"}));
    EXPECT_EQ(o.Panel("pnCoefAng"), "a = 1.1111");
    o.Points("3");
    EXPECT_EQ(o.Rows(), QStringList({"0.500 mA / 0.400 mA", "1.500 mA / 1.300 mA", " / "}));
}

TEST(CurrentOutputCalibration, SaveWritesTheFitAsFloatsAndKeepsThePoints) {
    TOutputs o;
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    d.cbIndexSaidaChange(2);
    d.rgEscalaClick(1);
    o.Type({{"0.4", "0.41"}, {"1.4", "1.43"}});
    EXPECT_TRUE(d.bbSalvarCalibracaoClick());
    EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
    // Output 3 of the low-range board; the others untouched.
    EXPECT_NEAR(o.DeviceFloat(2624), 1.0 / 1.02, 1e-6);
    EXPECT_NEAR(o.DeviceFloat(2634), 0.4 - 0.41 / 1.02, 1e-6);
    EXPECT_EQ(o.DeviceFloat(2514), 1.0f);
    EXPECT_EQ(o.DeviceFloat(2622), 1.0f);
    EXPECT_EQ(o.Panel("pnCalibAtual"), "Atual   Ganho:0.980  Offset:-0.002");
    // Saved: OK closes without asking.
    d.bbAceitaClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);

    // The points are in the device's record file.
    ASSERT_TRUE(QFile::exists(o.w.Folder() + "calib1234.ini"));
    TCalibrationRecord again(o.w.Folder().toStdString());
    again.Load(kSerial);
    const TCalibrationLine& line = again.currentOutputs[2].lowRange;
    EXPECT_EQ(line.points, 2);
    EXPECT_FLOAT_EQ(line.x[1], 1.43f);
    EXPECT_FLOAT_EQ(line.y[1], 1.4f);
    EXPECT_NEAR(line.gain, 1.0 / 1.02, 1e-6);
}

TEST(CurrentOutputCalibration, AnUnsavedFitIsAskedAboutOnSwitchesAndOk) {
    struct Case {
        const char* leave; // "output", "board" or "ok"
        TAnswer answer;
        bool leaves;
        bool saved;
    };
    const Case cases[] = {
        {"output", TAnswer::Cancel, false, false}, {"output", TAnswer::No, true, false},
        {"output", TAnswer::Yes, true, true},      {"board", TAnswer::Cancel, false, false},
        {"board", TAnswer::No, true, false},       {"board", TAnswer::Yes, true, true},
        {"ok", TAnswer::Cancel, false, false},     {"ok", TAnswer::No, true, false},
        {"ok", TAnswer::Yes, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.leave) + " " + std::to_string(static_cast<int>(c.answer)));
        TOutputs o;
        ASSERT_TRUE(o.connected);
        TFormCalibCorrente& d = o.Open();
        // Through the origin, against a device gain of 1: still not saved.
        o.Type({{"2", "1"}, {"4", "2"}});
        ASSERT_EQ(o.Panel("pnCoefLin"), "b = 0.0000");
        const QStringList rows = o.Rows();
        o.w.prompts.answers = {c.answer};
        const std::string leave = c.leave;
        if (leave == "output")
            d.cbIndexSaidaChange(3);
        else if (leave == "board")
            d.rgEscalaClick(1);
        else
            d.bbAceitaClick();
        EXPECT_EQ(o.w.prompts.shown, QStringList({kUnsaved}));
        const auto* output = Find<QComboBox>(&d, "cbIndexSaida");
        const auto* board = Find<TRadioGroup>(&d, "rgEscala");
        if (leave == "ok") {
            EXPECT_EQ(d.result() == QDialog::Accepted, c.leaves);
        } else {
            EXPECT_EQ(output->currentIndex(), leave == "output" && c.leaves ? 3 : 0);
            EXPECT_EQ(board->ItemIndex(), leave == "board" && c.leaves ? 1 : 0);
            EXPECT_EQ(o.Rows() == rows, !c.leaves);
        }
        EXPECT_FLOAT_EQ(o.DeviceFloat(2510), c.saved ? 2.0f : 1.0f);
        // Whatever the answer, output 1's points are in the record.
        EXPECT_EQ(o.Record().currentOutputs[0].standard.points, 2);
        EXPECT_FLOAT_EQ(o.Record().currentOutputs[0].standard.y[1], 4.0f);
    }
}

TEST(CurrentOutputCalibration, NoQuestionForTheDefaultFitOrOnCancel) {
    TOutputs o;
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    // One point: the default line, nothing to save.
    o.Edit(1, 0, "4");
    o.Edit(1, 1, "4.2");
    d.cbIndexSaidaChange(1);
    d.rgEscalaClick(1);
    d.bbAceitaClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);

    TFormCalibCorrente& again = o.Open();
    o.Type({{"4", "4.1"}, {"20", "20.3"}});
    Click(&again, "bbCancela");
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
    EXPECT_FLOAT_EQ(o.DeviceFloat(2510), 1.0f);
}

TEST(CurrentOutputCalibration, FailedWritesAreSaidAndKeepTheDialogOpen) {
    TOutputs o;
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    o.Type({{"4", "4.1"}, {"20", "20.3"}});
    o.w.prompts.shown.clear();
    o.w.Window().Session().Close();
    // The editor still opens, so that the obtained current can be typed.
    d.sgValoresMouseDown(2, 1);
    EXPECT_EQ(o.w.prompts.shown, QStringList({"error: Erro no comando da saída de corrente."}));
    EXPECT_TRUE(o.Editor()->isVisible());
    QTest::keyClick(o.Editor(), Qt::Key_Escape);
    o.w.prompts.answers = {TAnswer::Yes};
    d.bbAceitaClick();
    EXPECT_EQ(o.w.prompts.shown.mid(1), QStringList({kUnsaved, "error: Erro ao salvar a calibração."}));
    EXPECT_NE(d.result(), QDialog::Accepted);
    // A failed save on a switch keeps the output.
    o.w.prompts.answers = {TAnswer::Yes};
    d.cbIndexSaidaChange(1);
    EXPECT_EQ(Find<QComboBox>(&d, "cbIndexSaida")->currentIndex(), 0);
    EXPECT_EQ(o.Cell(2, 1), "20.300 mA");
}

TEST(CurrentOutputCalibration, NothingStartsInsideTheSavesWait) {
    TOutputs o({"--delay-ms", "100"});
    ASSERT_TRUE(o.connected);
    TFormCalibCorrente& d = o.Open();
    o.Type({{"4", "4.1"}, {"20", "20.3"}});
    o.w.prompts.shown.clear();
    QTimer::singleShot(0, &d, [&d] {
        d.cbIndexSaidaChange(1);
        d.sgValoresMouseDown(1, 0);
    });
    EXPECT_TRUE(d.bbSalvarCalibracaoClick());
    EXPECT_TRUE(o.w.prompts.shown.isEmpty()) << o.w.prompts.shown.join("; ").toStdString();
    EXPECT_EQ(Find<QComboBox>(&d, "cbIndexSaida")->currentIndex(), 0);
    EXPECT_FALSE(o.Editor()->isVisible());
    EXPECT_NEAR(o.DeviceFloat(2510), 0.9877, 1e-4);
}

TEST(CurrentOutputCalibration, Languages) {
    const QStringList expected[] = {
        {"Calibração da Saída de Corrente", "Saída de Corrente", "Placa de Saída", "0 - 32mA", "0 - 1.5mA",
         "Número de pontos para regressão", "Corrente Desejada", "Corrente Obtida", "Salvar Calibração", "OK",
         "Cancelar", "Atual   Ganho:1.000  Offset:0.000", "error: Valor numérico inválido.",
         "error: Valor de corrente inválida.",
         "error: Número inválido de pontos. Deve ser um inteiro entre 2 e 20.", kUnsaved,
         "error: Erro no comando da saída de corrente.", "error: Erro ao salvar a calibração."},
        {"Current Output Calibration", "Current Output", "Output Board", "0 - 32mA", "0 - 1.5mA",
         "Number of points for regression", "Desired Current", "Obtained Current", "Save Calibration", "OK",
         "Cancel", "Current   Gain:1.000  Offset:0.000", "error: Invalid numeric value.",
         "error: Invalid current value.",
         "error: Invalid number of points. It must be an integer between 2 and 20.",
         "question: The calibration was not saved on the device. Would you like to save the calibration?",
         "error: Error sending the command to the device.", "error: Error saving the calibration."},
        {"Calibración de la Salida de Corriente", "Salida de Corriente", "Tablero de Salida", "0 - 32mA",
         "0 - 1.5mA", "Número de puntos para regresión", "Corriente Deseada", "Corriente Medida",
         "Salvar Calibración", "OK", "Cancelar", "Actual   Ganancia:1.000  Offset:0.000",
         "error: Valor numérico inválido.", "error: Valor de corriente inválido.",
         "error: Número inválido de puntos. Debe ser un entero entre 2 y 20.",
         "question: La calibración calculada no fue salvada en el equipo. ¿Le gustaría salvar la "
         "calibración?",
         "error: Error en el comando de la salida de corriente.", "error: Error al salvar la calibración."},
    };
    TOutputs o;
    ASSERT_TRUE(o.connected);
    for (int language = 0; language < 3; ++language) {
        o.dialog.reset();
        ASSERT_TRUE(o.w.Window().Session().IsConnected() || o.w.Connect(TLink::Tcp));
        o.w.prompts.shown.clear();
        TFormCalibCorrente& d = o.Open(language);
        const auto* board = Find<TRadioGroup>(&d, "rgEscala");
        QStringList texts{d.windowTitle(),        Find<QLabel>(&d, "lblIndexSaida")->text(),
                          board->title(),         board->Item(0)->text(),
                          board->Item(1)->text(), Find<QLabel>(&d, "lblNumPontos")->text(),
                          o.Cell(0, 0),           o.Cell(0, 1)};
        for (const char* name : {"bbSalvarCalibracao", "bbAceita", "bbCancela"})
            texts << Find<QPushButton>(&d, name)->text();
        texts << o.Panel("pnCalibAtual");
        // The messages: a text that is no number, a current out of range, a wrong count, the
        // question on an unsaved fit, then a drive and a save with no link.
        o.Edit(1, 1, "x");
        QTest::keyClick(o.Editor(), Qt::Key_Escape);
        o.Edit(1, 1, "33");
        QTest::keyClick(o.Editor(), Qt::Key_Escape);
        o.Points("1");
        o.Type({{"2", "1"}, {"4", "2"}});
        o.w.prompts.answers = {TAnswer::Cancel};
        d.bbAceitaClick();
        o.w.General()->Disconnect();
        d.sgValoresMouseDown(1, 0);
        QTest::keyClick(o.Editor(), Qt::Key_Escape);
        d.bbSalvarCalibracaoClick();
        texts << o.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
    }
}

} // namespace
