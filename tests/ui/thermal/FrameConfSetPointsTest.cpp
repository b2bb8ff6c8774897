#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/common/RadioGroup.h"
#include "ui/thermal/FrameConfSetPoints.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <set>

namespace {

using TLink = TLoggedInWindow::TLink;
using TAnswer = TUserPrompts::TAnswer;
constexpr int kThermal = 0;
constexpr int kSetPointScreen = 1;

// The window logged in and showing the set points, with helpers to edit the grid as a user does.
struct TSetPoints {
    explicit TSetPoints(const QStringList& sim, int language = 0, TLink link = TLink::Tcp)
        : w(sim, kThermal) {
        w.Window().ApplyLanguage(language);
        connected = w.Connect(link);
        w.Window().SelectScreen(kSetPointScreen);
    }
    TFrameConfSetPoints* Screen() { return dynamic_cast<TFrameConfSetPoints*>(w.Window().ShownScreen()); }
    QString Cell(int row, int column) {
        return Find<QTableWidget>(Screen(), "sgSetPoints")->item(row, column)->text();
    }
    QLineEdit* OpenEdit(int row, int column) {
        QApplication::setActiveWindow(&w.Window());
        Screen()->sgSetPointsMouseDown(row, column);
        return Find<QLineEdit>(Screen(), "edVal");
    }
    void EditCell(int row, int column, const QString& text, Qt::Key key = Qt::Key_Return) {
        QLineEdit* box = OpenEdit(row, column);
        box->setText(text);
        QTest::keyClick(box, key);
    }
    QComboBox* OpenList(int row, int column) {
        QApplication::setActiveWindow(&w.Window());
        Screen()->sgSetPointsMouseDown(row, column);
        return Find<QComboBox>(Screen(), "cbVal");
    }
    void Choose(int row, int column, const QString& item) {
        QComboBox* list = OpenList(row, column);
        const int index = list->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // The registers the device confirms from now on (a framed commit reads back what it wrote).
    std::set<int> Watch() {
        confirmed.clear();
        w.Window().Session().SetValueObserver([this](int reg, std::uint16_t) { confirmed.insert(reg); });
        return confirmed;
    }

    TLoggedInWindow w;
    bool connected = false;
    std::set<int> confirmed;
};

TEST(SetPointScreen, GridCellsShowTheDeviceAndEachColumnKeepsItsLimits) {
    TSetPoints s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const QStringList relay1{"60", "2", "0.1", "Óleo", "Não Força", "Normal", "90", "1", "Resfriamento"};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(s.Cell(1, c), relay1[c - 1]) << c;
    EXPECT_EQ(s.Cell(5, 9), "Alarme");

    struct Case {
        int column;
        const char* typed;
        int value;         // on the device, -1: refused
        const char* shown; // the cell afterwards
    };
    const char* const limit255 = "error: Valor inválido. Deve ser um inteiro entre 0 e 255.";
    const char* const limit1to255 = "error: Valor inválido. Deve ser um inteiro entre 1 e 255.";
    const char* const delay = "error: Valor inválido. Deve ser um valor entre 0.1 e 25.5.";
    const char* const limit150 = "error: Valor inválido. Deve ser um inteiro entre 0 e 150.";
    const Case cases[] = {
        {1, "0", 0, "0"},          {1, "255", 255, "255"},      {1, "256", -1, limit255},
        {1, "-1", -1, limit255},   {1, "7.5", -1, limit255},    {2, "1", 1, "1"},
        {2, "255", 255, "255"},    {2, "0", -1, limit1to255},   {3, "0.1", 1, "0.1"},
        {3, "25.5", 255, "25.5"},  {3, "1,5", 15, "1.5"},       {3, "1.5", 15, "1.5"},
        {3, "0.25", 2, "0.2"},     {3, "0.45", 4, "0.4"},       {3, "0", -1, delay},
        {3, "25.54", -1, delay},   {3, "0.05", -1, delay},      {7, "0", 0, "0"},
        {7, "150", 150, "150"},    {7, "151", -1, limit150},    {8, "255", 255, "255"},
        {8, "0", -1, limit1to255}, {8, "abc", -1, limit1to255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " " + c.typed);
        const int reg = 20 * (c.column - 1) + 3; // relay 3
        const auto before = s.w.Device(static_cast<std::uint16_t>(reg));
        const QString cellBefore = s.Cell(3, c.column);
        s.w.prompts.shown.clear();
        s.Watch();
        s.EditCell(3, c.column, c.typed);
        if (c.value < 0) {
            EXPECT_EQ(s.w.prompts.shown, QStringList({c.shown}));
            EXPECT_EQ(s.Cell(3, c.column), cellBefore);
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(reg)), before);
        } else {
            EXPECT_EQ(s.w.prompts.shown, QStringList());
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(reg)), c.value);
            EXPECT_EQ(s.Cell(3, c.column), c.shown);
            // Only the changed setting travelled (a value already there sends nothing at all).
            if (before != c.value) {
                EXPECT_EQ(s.confirmed, std::set<int>({reg}));
            }
        }
    }
}

TEST(SetPointScreen, EscLeavesCellAndDeviceUntouchedAndTheEditorPreloadsTheCell) {
    TSetPoints s({"--model", "T", "--set", "44=25"});
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.OpenEdit(4, 3)->text(), "2.5");
    EXPECT_EQ(s.OpenEdit(4, 1)->text(), "75");
    s.Watch();
    s.EditCell(4, 1, "99", Qt::Key_Escape);
    EXPECT_FALSE(Find<QLineEdit>(s.Screen(), "edVal")->isVisible());
    EXPECT_EQ(s.Cell(4, 1), "75");
    EXPECT_EQ(s.w.Device(4), 75);
    EXPECT_TRUE(s.confirmed.empty());
    EXPECT_TRUE(s.w.prompts.shown.isEmpty());
}

TEST(SetPointScreen, ChannelListsFollowTheFittedWindingsAndActiveRtds) {
    // Two windings, four active RTDs; relay 2's channel holds a value no list has, relay 2 is
    // forced with a value other than 1.
    TSetPoints s({"--model", "T", "--set", "1020=2", "--set", "1002=4", "--set", "62=9", "--set", "82=5"}, 1);
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(s.Cell(2, 4), "Invalid Value");
    EXPECT_EQ(s.Cell(2, 5), "Force");
    QComboBox* list = s.OpenList(1, 4);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, QStringList({"Oil", "Winding 1", "Winding 2", "RTD 2", "RTD 3", "RTD 4"}));
    EXPECT_EQ(list->currentText(), "Oil");
    s.Choose(1, 4, "RTD 3");
    EXPECT_EQ(s.w.Device(61), 5);
    EXPECT_EQ(s.OpenList(1, 4)->currentText(), "RTD 3");
    s.Choose(1, 6, "Inverse");
    EXPECT_EQ(s.w.Device(101), 1);
    // Those commits wrote every setting of the screen: the two the screen cannot show as they are
    // stayed as the device holds them.
    EXPECT_EQ(s.w.Device(62), 9);
    EXPECT_EQ(s.w.Device(82), 5);
    EXPECT_EQ(s.Cell(2, 4), "Invalid Value");
}

TEST(SetPointScreen, RedundantRtdsFollowTheActiveOnes) {
    struct Case {
        const char* active;
        bool group;
        int visibleBoxes;
        int channels; // entries of the channel list: oil, three windings, RTD 2 up
    };
    const Case cases[] = {{"1", false, 0, 4}, {"3", true, 2, 6}, {"6", true, 5, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.active);
        TSetPoints s({"--model", "T", "--set", QString("1002=") + c.active});
        ASSERT_TRUE(s.connected);
        EXPECT_EQ(Find<QGroupBox>(s.Screen(), "gbRedundante")->isVisibleTo(s.Screen()), c.group);
        // RTD 2 up to the last active one.
        auto* group = Find<QGroupBox>(s.Screen(), "gbRedundante");
        for (int r = 2; r <= 6; ++r)
            EXPECT_EQ(Find<QCheckBox>(group, QString("cbRedundante%1").arg(r))->isVisibleTo(group),
                      r <= c.visibleBoxes + 1)
                << r;
        EXPECT_EQ(s.OpenList(1, 4)->count(), c.channels);
    }
}

TEST(SetPointScreen, ADeviceCountBeyondTheListsNeverWidensThem) {
    TSetPoints s({"--model", "T", "--set", "1003=60000", "--set", "1020=9", "--set", "1002=100"});
    ASSERT_TRUE(s.connected);
    auto* group = Find<TRadioGroup>(s.Screen(), "rgNumRtd");
    EXPECT_EQ(group->findChildren<QRadioButton*>().size(), 6);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(s.OpenList(1, 4)->count(), 9);
    QLineEdit* box = s.OpenEdit(1, 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->hasFocus());
    s.EditCell(1, 1, "61");
    EXPECT_EQ(s.w.prompts.shown, QStringList());
    EXPECT_EQ(s.w.Device(1), 61);
    EXPECT_EQ(s.w.Device(1002), 100); // not shown, so not written
    Click(group, "rgNumRtd_2");
    EXPECT_EQ(s.w.Device(1002), 3);
}

TEST(SetPointScreen, BoxesOutsideTheGridKeepTheirLimits) {
    TSetPoints s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    struct Case {
        const char* box;
        const char* typed;
        int reg;
        int value; // -1: refused with the message
        const char* message;
    };
    const char* const start = "error: Valor de início do resfriamento diário inválido.";
    const char* const duration =
        "error: Valor de duração do resfriamento diário inválido. Deve ser um valor entre 0 e 999";
    const char* const difference =
        "error: Valor de máxima diferença de temperatura inválido. Deve ser um valor entre 1 e 200";
    const char* const current =
        "error: Valor de corrente nominal inválido. Deve ser um valor entre 0.2 e 5.0.";
    const char* const delta = "error: Valor de delta T inválido. Deve ser um inteiro entre 0 e 99.";
    const char* const constant =
        "error: Valor da constante de tempo inválido. Deve ser um valor entre 3.0 e 20.0, ou 0.0.";
    const char* const m = "error: Valor do parâmetro M inválido. Deve ser um valor entre 0.5 e 1.0, ou 0.0.";
    const Case cases[] = {
        {"edInicioH", "23", 212, 23 * 60, nullptr},
        {"edInicioM", "59", 212, 23 * 60 + 59, nullptr},
        {"edInicioH", "24", 212, -1, start},
        {"edInicioH", "12", 212, 12 * 60 + 59, nullptr},
        {"edInicioM", "60", 212, -1, start},
        {"edDuracao", "0", 213, 0, nullptr},
        {"edDuracao", "999", 213, 999, nullptr},
        {"edDuracao", "1000", 213, -1, duration},
        {"edMaxDifTemp", "1", 215, 1, nullptr},
        {"edMaxDifTemp", "200", 215, 200, nullptr},
        {"edMaxDifTemp", "0", 215, -1, difference},
        {"edCalcCorrNom1", "0.2", 205, 2, nullptr},
        {"edCalcCorrNom2", "5.0", 206, 50, nullptr},
        {"edCalcCorrNom3", "1,5", 207, 15, nullptr},
        {"edCalcCorrNom3", "1.25", 207, 12, nullptr},
        {"edCalcCorrNom1", "0.1", 205, -1, current},
        {"edCalcCorrNom1", "5.1", 205, -1, current},
        {"edCalcDeltaT1", "0", 202, 0, nullptr},
        {"edCalcDeltaT3", "99", 204, 99, nullptr},
        {"edCalcDeltaT2", "100", 203, -1, delta},
        {"edCalcConstT", "3", 209, 30, nullptr},
        {"edCalcConstT", "20,0", 209, 200, nullptr},
        {"edCalcConstT", "0", 209, 0, nullptr},
        {"edCalcConstT", "2.5", 209, -1, constant},
        {"edCalcConstT", "25", 209, -1, constant},
        {"edCalcM", "0.5", 210, 5, nullptr},
        {"edCalcM", "1.0", 210, 10, nullptr},
        {"edCalcM", "0", 210, 0, nullptr},
        {"edCalcM", "1.1", 210, -1, m},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        const auto before = s.w.Device(static_cast<std::uint16_t>(c.reg));
        s.w.prompts.shown.clear();
        s.w.TypeAndCommit(c.box, c.typed);
        if (c.value < 0) {
            EXPECT_EQ(s.w.prompts.shown, QStringList({c.message}));
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), before);
        } else {
            EXPECT_EQ(s.w.prompts.shown, QStringList());
            EXPECT_EQ(s.w.Device(static_cast<std::uint16_t>(c.reg)), c.value);
        }
    }
}

TEST(SetPointScreen, AlternationRefusedByTheDeviceIsExplained) {
    for (TLink link : {TLink::Tcp, TLink::Usb}) {
        SCOPED_TRACE(link == TLink::Tcp ? "tcp" : "usb");
        // Relays 5 and 6 differ in their channel: the device refuses to alternate them.
        TSetPoints s({"--model", "T"}, 0, link);
        ASSERT_TRUE(s.connected);
        auto* list = Find<QComboBox>(s.Screen(), "cbReleAlternado");
        EXPECT_EQ(list->currentText(), "Desabilitado");
        list->setCurrentIndex(1);
        emit list->activated(1);
        EXPECT_EQ(
            s.w.prompts.shown,
            QStringList({"error: Erro no envio do comando.",
                         "warning: Se a configuração de Alternância de Setpoint falhou, verifique se os "
                         "seguintes valores estão iguais:\nRTD Hist(ºC), Corr Hist (%), Retar (min), Canal "
                         "Assoc e Func Assoc"}));
        EXPECT_EQ(s.w.Device(208), 0);
        EXPECT_EQ(list->currentIndex(), 0);
        // The same channel for both: accepted.
        s.w.prompts.shown.clear();
        s.Choose(6, 4, "Óleo");
        list->setCurrentIndex(1);
        emit list->activated(1);
        EXPECT_EQ(s.w.prompts.shown, QStringList());
        EXPECT_EQ(s.w.Device(208), 1);
    }
}

TEST(SetPointScreen, ActiveAndRedundantRtds) {
    TSetPoints s({"--model", "T", "--set", "1006=7"});
    ASSERT_TRUE(s.connected);
    auto* group = Find<TRadioGroup>(s.Screen(), "rgNumRtd");
    EXPECT_EQ(group->ItemIndex(), 5);
    EXPECT_TRUE(Find<QCheckBox>(s.Screen(), "cbRedundante3")->isChecked());
    Click(s.Screen(), "cbRedundante2");
    EXPECT_EQ(s.w.Device(1005), 1);
    EXPECT_EQ(s.w.Device(1006), 7); // checked as the device holds it: left as it is
    Click(s.Screen(), "cbRedundante3");
    EXPECT_EQ(s.w.Device(1006), 0);
    Click(group, "rgNumRtd_1");
    EXPECT_EQ(s.w.Device(1002), 2);
    EXPECT_FALSE(Find<QCheckBox>(s.Screen(), "cbRedundante3")->isVisibleTo(s.Screen()));
}

TEST(SetPointScreen, Languages) {
    TSetPoints s({"--model", "T"});
    ASSERT_TRUE(s.connected);
    const QStringList names{"gbResfriamentoDiario",
                            "lblInicio",
                            "lblDuracao",
                            "gbConfig",
                            "lblReleAlternado",
                            "rgNumRtd",
                            "gbRedundante",
                            "lblMaxDifTemp",
                            "gbCalc",
                            "lblCorrNom",
                            "lblDeltaT",
                            "lblConstT",
                            "lblM"};
    const QStringList expected[] = {
        {"Resfriamento Diário", "Horário de Início", "Duração (min) (0 = desligado)", "Configurações",
         "Alternância de Setpoint", "RTDs Ativos", "RTDs Redundantes", "Máxima Diferença de Temperatura (ºC)",
         "Cálculo", "Corrente Nominal (A):", "Delta T (ºC):", "Constante de Tempo (min):", "Parâmetro M"},
        {"Daily Cooling", "Start Time", "Duration (min) (0 = off)", "Configuration", "Setpoint Alternate",
         "Active RTDs", "Redundant RTDs", "Max Temperature Difference (ºC)", "Calculation",
         "Nominal Current (A):", "Delta T (ºC):", "Time Constant (min):", "Parameter M"},
        {"Enfriamiento Diario", "Hora de Inicio", "Duración (min) (0 = apagado)", "Configuraciones",
         "Alternancia de Setpoint", "RTDs Activos", "RTDs Redundantes",
         "Máxima Diferencia de Temperatura (ºC)", "Cálculo",
         "Corriente Nominal (A):", "Delta T (ºC):", "Constante de Tiempo (min):", "Parámetro M"},
    };
    const QStringList headers[] = {
        {"Rele", "RTD SP (ºC)", "RTD Hist (ºC)", "Retar (min)", "Canal Assoc.", "Força", "Lógica Inv.",
         "Corr SP (%)", "Corr Hist (%)", "Func Assoc"},
        {"Relay", "RTD SP (ºC)", "RTD Hyst (ºC)", "Delay (min)", "Assoc. Ch", "Force", "Inv. Logic",
         "Curr SP (%)", "Curr Hist (%)", "Assoc. Func"},
        {"Relé", "RTD SP (ºC)", "RTD Hist (ºC)", "Retar (min)", "Canal Asoc.", "Fuerza", "Lógica Inv.",
         "Corr SP (%)", "Corr Hist (%)", "Func Asoc"},
    };
    const QStringList relay1[] = {
        {"Óleo", "Não Força", "Normal", "Resfriamento", "Reles (5 e 6) e  (7 e 8)"},
        {"Oil", "Don't Force", "Normal", "Cooling", "Relays (5 and 6) and  (7 and 8)"},
        {"Oleo", "No Fuerza", "Normal", "Enfriamiento", "Reles (5 y 6) y  (7 y 8)"}};
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        s.w.Window().ApplyLanguage(language);
        EXPECT_EQ(s.w.Texts(names), expected[language]);
        QStringList heads;
        for (int c = 0; c < 10; ++c)
            heads << s.Cell(0, c);
        EXPECT_EQ(heads, headers[language]);
        EXPECT_EQ(QStringList({s.Cell(1, 4), s.Cell(1, 5), s.Cell(1, 6), s.Cell(1, 9),
                               Find<QComboBox>(s.Screen(), "cbReleAlternado")->itemText(3)}),
                  relay1[language]);
    }
    // A list cell chosen after a switch is read in the language it was written in.
    s.Choose(1, 9, "Alarma");
    EXPECT_EQ(s.w.Device(161), 0);
}

} // namespace
