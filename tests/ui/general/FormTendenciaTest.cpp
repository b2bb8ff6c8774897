#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/general/FormTendencia.h"
#include "ui/general/GeneralScreen.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace {

using TLink = TLoggedInWindow::TLink;
constexpr int kThermal = 0;

// The thermal general screen logged in, its polling driven by the test.
struct TTrendScreen {
    TTrendScreen() : w({"--model", "T", "--hold-live"}, kThermal) {
        connected = w.Connect(TLink::Tcp);
        // Only the test's ticks count, from an empty trend.
        Screen().Timer()->stop();
        Trend().Restart();
    }
    TGeneralScreen& Screen() { return *w.General(); }
    TFormTendencia& Trend() { return *Screen().Trend(); }
    QChart* Chart() { return Find<QChartView>(&Trend(), "chTendencia")->chart(); }
    QLineSeries* Line(int i) { return qobject_cast<QLineSeries*>(Chart()->series().value(i)); }
    // Values the polls bring in, over this many ticks.
    int Poll(int ticks) {
        int values = 0;
        w.Window().Session().SetValueObserver([&](int, std::uint16_t) { ++values; });
        for (int i = 0; i < ticks; ++i) {
            QThread::msleep(2); // each sample a moment of its own
            Screen().RunTick();
        }
        w.Window().Session().SetValueObserver({});
        return values;
    }

    TLoggedInWindow w;
    bool connected = false;
};

TEST(Trend, RecordsTheScreensPollsWithoutReadingMore) {
    TTrendScreen t;
    ASSERT_TRUE(t.connected);
    const int closed = t.Poll(3);
    EXPECT_EQ(t.Trend().Buffer().Size(), 3U);
    Click(&t.Screen(), "bbTendencia");
    EXPECT_TRUE(t.Trend().isVisible());
    EXPECT_FALSE(t.Trend().isModal());
    // Open, the window draws what was recorded and what comes, with the same polls as before.
    EXPECT_EQ(t.Poll(3), closed);
    EXPECT_EQ(t.Trend().Buffer().Size(), 6U);
    // The simulator's thermal monitor: six RTDs and three windings (temperature and current).
    ASSERT_EQ(t.Chart()->series().size(), 12);
    EXPECT_EQ(t.Line(0)->name(), "RTD 1 (ºC)");
    EXPECT_EQ(t.Line(11)->name(), "Corrente 3 (A)");
    EXPECT_EQ(t.Line(0)->count(), 6);
    const double oil = (t.w.Device(510).value_or(0) - 1500) / 10.0;
    EXPECT_DOUBLE_EQ(t.Line(0)->at(5).y(), oil);
    t.Trend().close();
    EXPECT_EQ(t.Poll(2), closed * 2 / 3);

    // The language of the screen reaches the window.
    t.w.Window().ApplyLanguage(1);
    EXPECT_EQ(t.Trend().windowTitle(), "Trend");
    EXPECT_EQ(t.Line(11)->name(), "Current 3 (A)");
    EXPECT_TRUE(t.w.prompts.shown.isEmpty()) << t.w.prompts.shown.join("; ").toStdString();
}

TEST(Trend, LegendTogglesALineAndPauseHoldsThePlot) {
    TTrendScreen t;
    ASSERT_TRUE(t.connected);
    Click(&t.Screen(), "bbTendencia");
    t.Poll(2);
    QLegendMarker* marker = t.Chart()->legend()->markers(t.Line(1)).value(0);
    ASSERT_NE(marker, nullptr);
    emit marker->clicked();
    EXPECT_FALSE(t.Line(1)->isVisible());
    EXPECT_TRUE(marker->isVisible());
    emit marker->clicked();
    EXPECT_TRUE(t.Line(1)->isVisible());

    auto* pause = Find<QPushButton>(&t.Trend(), "sbPausa");
    pause->click();
    t.Poll(2);
    EXPECT_EQ(t.Line(0)->count(), 2);
    EXPECT_EQ(t.Trend().Buffer().Size(), 4U); // recording goes on
    pause->click();
    EXPECT_EQ(t.Line(0)->count(), 4);
}

TEST(Trend, ExportsTheBufferAsCsv) {
    TTrendScreen t;
    ASSERT_TRUE(t.connected);
    t.Poll(3);
    Click(&t.Screen(), "bbTendencia");
    const QString path = t.w.Folder() + "trend.csv";
    t.w.prompts.files.push_back(path);
    Click(&t.Trend(), "bbExportarCsv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("time,RTD 1 (ºC),RTD 2 (ºC),")) << lines[0].toStdString();
    EXPECT_EQ(lines[0].count(','), 12);
    EXPECT_EQ(lines[3].count(','), 12);
    EXPECT_TRUE(lines[1].contains(QString::asprintf(",%.1f,", (t.w.Device(510).value_or(0) - 1500) / 10.0)))
        << lines[1].toStdString();

    // A file that cannot be written is said.
    t.w.prompts.files.push_back(t.w.Folder() + "missing/trend.csv");
    Click(&t.Trend(), "bbExportarCsv");
    EXPECT_EQ(t.w.prompts.shown, QStringList({"save: Exportar Tendência", "information: Tendência exportada.",
                                              "save: Exportar Tendência", "error: Erro ao gravar o arquivo."}));
}

} // namespace
