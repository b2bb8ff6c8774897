#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/IniDocument.h"
#include "ui/service/FormCalibEntrCorrRegressao.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <memory>
#include <optional>
#include <set>

namespace {

using TLink = TLoggedInWindow::TLink;
using TAnswer = TUserPrompts::TAnswer;
constexpr int kThermal = 0;
constexpr int kRegulator = 2;
const QString kNotSaved =
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";
const QString kSaved = "information: Calibração salva com sucesso";

// A window logged in to a simulated device; the dialog opened on its context. Every register a
// reply carries is collected, so that what a save sent can be told.
struct TCurrentDialog {
    explicit TCurrentDialog(QStringList sim, int family) : w(sim, family) {
        connected = w.Connect(TLink::Tcp);
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
    }
    std::unique_ptr<TFormCalibEntrCorrRegressao> Open(int language = 0) {
        return std::make_unique<TFormCalibEntrCorrRegressao>(w.Window().Context(), language, &w.Window());
    }
    // The two words of a float on the device, low first.
    QList<int> Words(int reg) {
        return {w.Device(static_cast<std::uint16_t>(reg)).value_or(-1),
                w.Device(static_cast<std::uint16_t>(reg + 1)).value_or(-1)};
    }
    std::optional<std::string> Record(const std::string& section, const std::string& key) const {
        TIniDocument d;
        d.Load((w.Folder() + "calib880001.ini").toStdString());
        return d.Value(section, key);
    }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

QList<int> Words(float value) {
    const auto [low, high] = NumberRules::WordsFromFloat(value);
    return {low, high};
}

QString Panel(const QWidget& d, const char* name) {
    return Find<QLabel>(&d, name)->text();
}

QString Heading(const QWidget& d, int column) {
    return Find<QTableWidget>(&d, "sgValores")->horizontalHeaderItem(column)->text();
}

void AddPoint(QWidget& d, const QString& measured, const QString& expected) {
    Find<QLineEdit>(&d, "edMedido")->setText(measured);
    Find<QLineEdit>(&d, "edEsperado")->setText(expected);
    Click(&d, "bbAdicionar");
}

TEST(CurrentRegressionDialog, ThreeInputsEachSavedToItsOwnRegisters) {
    TCurrentDialog s({"--model", "T", "--hold-live"}, kThermal);
    ASSERT_TRUE(s.connected);
    const auto d = s.Open();
    EXPECT_EQ(d->windowTitle(), "Calibração da Entrada de Corrente por Regressão");
    EXPECT_EQ(Find<QTableWidget>(d.get(), "sgValores")->columnCount(), 3);
    QStringList inputs{Panel(*d, "pnEntrada")};
    for (int i = 0; i < 3; ++i) {
        Click(d.get(), "bbProximo");
        inputs << Panel(*d, "pnEntrada");
    }
    Click(d.get(), "bbAnterior");
    inputs << Panel(*d, "pnEntrada") << Heading(*d, 2);
    EXPECT_EQ(inputs, QStringList({"Entrada 1", "Entrada 2", "Entrada 3", "Entrada 1", "Entrada 3",
                                   "Esperado (Arms)"}));

    // The live current of input 3, in thousandths of an ampere.
    const auto raw = s.w.Device(2652);
    ASSERT_TRUE(raw);
    d->TimerUpdateTimer();
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"), QString::asprintf("%.3f Arms", *raw / 1000.0));
    Click(d.get(), "bbLerValor");
    EXPECT_EQ(Find<QLineEdit>(d.get(), "edMedido")->text(), QString::asprintf("%.3f", *raw / 1000.0));

    AddPoint(*d, "1", "2.5");
    AddPoint(*d, "2", "4.5");
    EXPECT_EQ(s.Record("CalibEntrCorr3", "NumPontos"), "2");
    s.confirmed.clear();
    EXPECT_TRUE(d->bbSalvarCalibracaoClick());
    EXPECT_EQ(s.w.prompts.shown, QStringList({kSaved}));
    EXPECT_EQ(s.Words(2604), Words(2.0f));
    EXPECT_EQ(s.Words(2614), Words(0.5f));
    EXPECT_EQ(s.Words(2600), Words(1.0f));
    EXPECT_EQ(s.confirmed, std::set<int>({2604, 2605, 2614, 2615}));
    EXPECT_EQ(Panel(*d, "pnCalibAtual"), "Atual   Ganho:2.000  Offset:0.500");
    EXPECT_EQ(s.Record("CalibEntrCorr3", "Ganho"), "2");
    EXPECT_EQ(s.Record("CalibEntrCorr3", "Offset"), "0.5");
    // Saved: leaving asks nothing, and the points come back with the input.
    Click(d.get(), "bbProximo");
    Click(d.get(), "bbAnterior");
    EXPECT_EQ(Find<QTableWidget>(d.get(), "sgValores")->rowCount(), 2);
    EXPECT_EQ(Panel(*d, "pnCoefAng"), "a = 2.0000");
    EXPECT_EQ(s.w.prompts.shown, QStringList({kSaved}));
}

TEST(CurrentRegressionDialog, TheRegulatorHasACurrentAndAVoltageInput) {
    TCurrentDialog s({"--model", "R", "--hold-live"}, kRegulator);
    ASSERT_TRUE(s.connected);
    const auto d = s.Open();
    EXPECT_EQ(Heading(*d, 2), "Esperado (Arms)");
    Click(d.get(), "bbProximo");
    EXPECT_EQ(Panel(*d, "pnEntrada"), "Entrada 2");
    EXPECT_EQ(Heading(*d, 2), "Esperado (Vrms)");
    // The voltage in tenths of a volt.
    const auto volts = s.w.Device(2651);
    ASSERT_TRUE(volts);
    d->TimerUpdateTimer();
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"), QString::asprintf("%.1f Vrms", *volts / 10.0));
    Click(d.get(), "bbLerValor");
    EXPECT_EQ(Find<QLineEdit>(d.get(), "edMedido")->text(), QString::asprintf("%.1f", *volts / 10.0));

    AddPoint(*d, "100", "101");
    AddPoint(*d, "120", "121.5");
    s.confirmed.clear();
    EXPECT_TRUE(d->bbSalvarCalibracaoClick());
    EXPECT_EQ(s.Words(2604), Words(static_cast<float>(20.5 / 20)));
    EXPECT_EQ(s.Words(2614), Words(static_cast<float>(101 - 100 * 20.5 / 20)));
    EXPECT_EQ(s.Words(2602), Words(1.0f));
    EXPECT_EQ(s.confirmed.count(2682), 0U) << "the voltage input writes no mark";
    EXPECT_EQ(s.Record("CalibEntrCorr2", "NumPontos"), "2");

    Click(d.get(), "bbProximo");
    EXPECT_EQ(Panel(*d, "pnEntrada"), "Entrada 1");
    const auto amps = s.w.Device(2650);
    ASSERT_TRUE(amps);
    d->TimerUpdateTimer();
    EXPECT_EQ(Panel(*d, "pnMedidaAtual"), QString::asprintf("%.3f Arms", *amps / 1000.0));
    AddPoint(*d, "1", "1");
    AddPoint(*d, "2", "3");
    s.confirmed.clear();
    EXPECT_TRUE(d->bbSalvarCalibracaoClick());
    EXPECT_EQ(s.Words(2600), Words(2.0f));
    EXPECT_EQ(s.Words(2610), Words(-1.0f));
    EXPECT_EQ(s.Words(2682), QList<int>({0xCCCD, 0x42C7}));
    EXPECT_TRUE(s.confirmed.count(2682) == 1 && s.confirmed.count(2683) == 1);
    // Saved again unchanged: only the mark travels.
    s.confirmed.clear();
    EXPECT_TRUE(d->bbSalvarCalibracaoClick());
    EXPECT_EQ(s.confirmed, std::set<int>({2682, 2683}));
    EXPECT_EQ(s.w.prompts.shown, QStringList({kSaved, kSaved, kSaved}));
}

TEST(CurrentRegressionDialog, AnUnsavedLineIsAskedAboutOnNavigationAndOnClose) {
    TCurrentDialog s({"--model", "T"}, kThermal);
    ASSERT_TRUE(s.connected);
    struct TCase {
        TAnswer answer;
        QString inputAfter;
        QList<int> gainAfter;
    };
    // Each case starts where the one before left the device: with the gain it holds.
    const TCase cases[] = {
        {TAnswer::Cancel, "Entrada 1", Words(1.0f)},
        {TAnswer::No, "Entrada 2", Words(1.0f)},
        {TAnswer::Yes, "Entrada 2", Words(3.0f)},
    };
    for (const TCase& c : cases) {
        TCalibrationRecord& record = s.w.Window().Context().calibration;
        record.currentInputs[0].points = 0;
        record.Save(880001);
        const auto d = s.Open();
        AddPoint(*d, "1", "3");
        AddPoint(*d, "2", "6");
        s.w.prompts.shown.clear();
        s.w.prompts.answers = {c.answer};
        Click(d.get(), "bbProximo");
        QStringList shown{"question: " + kNotSaved};
        if (c.answer == TAnswer::Yes)
            shown << kSaved;
        EXPECT_EQ(s.w.prompts.shown, shown) << static_cast<int>(c.answer);
        EXPECT_EQ(Panel(*d, "pnEntrada"), c.inputAfter) << static_cast<int>(c.answer);
        EXPECT_EQ(s.Words(2600), c.gainAfter) << static_cast<int>(c.answer);
    }
    // Closing: Yes saves and closes.
    TCalibrationRecord& record = s.w.Window().Context().calibration;
    record.currentInputs[0].points = 0;
    record.Save(880001);
    const auto d = s.Open();
    d->show();
    AddPoint(*d, "1", "5");
    AddPoint(*d, "2", "9");
    s.w.prompts.shown.clear();
    s.w.prompts.answers = {TAnswer::Yes};
    d->reject();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(s.w.prompts.shown, QStringList({"question: " + kNotSaved, kSaved}));
    EXPECT_EQ(s.Words(2600), Words(4.0f));
    EXPECT_EQ(s.Words(2610), Words(1.0f));
}

TEST(CurrentRegressionDialog, Languages) {
    TCurrentDialog s({"--model", "R"}, kRegulator);
    ASSERT_TRUE(s.connected);
    const QStringList names{"bbAnterior",  "pnEntrada",   "bbProximo", "lblMedido",          "bbLerValor",
                            "lblEsperado", "bbAdicionar", "bbRemover", "bbSalvarCalibracao", "pnCalibAtual"};
    const QStringList expected[] = {
        {"Calibração da Entrada de Corrente por Regressão", "Anterior", "Entrada 2", "Próximo",
         "Valor Medido:", "Copia Medida", "Valor Esperado:", "Adicionar", "Remover", "Salvar Calibração",
         "Atual   Ganho:1.000  Offset:0.000", "Medido", "Esperado (Vrms)", "Esperado (Arms)",
         "error: Valor inválido no campo \"Valor Medido\"",
         "error: Valor inválido no campo \"Valor Esperado\""},
        {"Current Input Calibration with Regression", "Previous", "Input 2", "Next",
         "Measured Value:", "Copy Measurement", "Expected Value:", "Add", "Remove", "Save Calibration",
         "Current   Gain:1.000  Offset:0.000", "Measured", "Expected (Vrms)", "Expected (Arms)",
         "error: Invalid value on \"Measured Value\"", "error: Invalid value on \"Expected Value\""},
        {"Calibración de la Entrada de Corriente con Regresión", "Anterior", "Entrada 2", "Siguiente",
         "Valor Medido:", "Copiar Medida", "Valor Esperado:", "Añadir", "Retirar", "Guardar Calibración",
         "Actual   Ganancia:1.000  Offset:0.000", "Medido", "Esperado (Vrms)", "Esperado (Arms)",
         "error: Valor inválido en el campo \"Valor Medido\"",
         "error: Valor inválido en el campo \"Valor Esperado\""},
    };
    for (int language : {1, 2, 0}) {
        const auto d = s.Open(language);
        Click(d.get(), "bbProximo");
        QStringList texts{d->windowTitle()};
        for (const QString& name : names) {
            const QWidget* w = Find<QWidget>(d.get(), name);
            if (auto* b = qobject_cast<const QAbstractButton*>(w))
                texts << b->text();
            else if (auto* l = qobject_cast<const QLabel*>(w))
                texts << l->text();
        }
        texts << Heading(*d, 1) << Heading(*d, 2);
        Click(d.get(), "bbProximo");
        texts << Heading(*d, 2);
        s.w.prompts.shown.clear();
        AddPoint(*d, "x", "1");
        AddPoint(*d, "1", "x");
        texts << s.w.prompts.shown;
        EXPECT_EQ(texts, expected[language]) << language;
    }
}

} // namespace
