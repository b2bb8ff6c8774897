#include "LoggedInWindow.h"
#include "ReportPage.h"
#include "UiHelpers.h"

#include "persistence/CalibrationRecord.h"
#include "ui/general/GeneralScreen.h"

#include <QBoxLayout>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using TLink = TLoggedInWindow::TLink;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF, not the page tree ("/Type /Pages").
int PdfPages(const QByteArray& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![a-z])")));
}

QPushButton* ReportButton(TLoggedInWindow& w) {
    return Find<QPushButton>(w.General(), "bbRelatorio");
}

TEST(ReportButton, EndsTheAdminRowInEveryLanguageAndWorksOnlyWhileConnected) {
    TLoggedInWindow w({"--model", "T"}, 0);
    QPushButton* button = ReportButton(w);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    const auto* ip = Find<QPushButton>(w.General(), "bbAlterarIP");
    QBoxLayout* row = nullptr;
    for (auto* layout : w.General()->findChildren<QBoxLayout*>())
        if (layout->indexOf(ip) >= 0)
            row = layout;
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->indexOf(button), row->count() - 1);

    ASSERT_TRUE(w.Connect(TLink::Tcp));
    EXPECT_TRUE(button->isEnabled());
    const char* const kTexts[] = {"Relatório", "Report", "Informe"};
    for (int language : {1, 2, 0}) {
        w.Window().ApplyLanguage(language);
        EXPECT_EQ(button->text(), kTexts[language]);
    }
    Click(w.General(), "bbConectar");
    EXPECT_FALSE(button->isEnabled());
}

TEST(ReportButton, WritesTheThermalReportAsHtmlAndAsPdfOfOneToThreePages) {
    TLoggedInWindow w({"--model", "T", "--serial-number", "4242"}, 0);
    // The largest calibration record: every line fitted to all its points.
    TCalibrationRecord record(w.Folder().toStdString());
    std::vector<TCalibrationLine*> lines;
    for (auto& rtd : record.rtds)
        lines.push_back(&rtd);
    for (auto& input : record.currentInputs)
        lines.push_back(&input);
    for (auto& output : record.currentOutputs)
        lines.insert(lines.end(), {&output.standard, &output.lowRange});
    for (TCalibrationLine* line : lines) {
        line->points = TCalibrationLine::kMaxPoints;
        for (std::size_t i = 0; i < TCalibrationLine::kMaxPoints; ++i)
            line->x[i] = 100.0f + 3.85f * static_cast<float>(i), line->y[i] = 10.0f * static_cast<float>(i);
    }
    ASSERT_TRUE(record.Save(4242));
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    QTemporaryDir out;
    const QString html = out.filePath("report.html");
    const QString pdf = out.filePath("report.pdf");
    w.prompts.files = {html, pdf};
    for (int i = 0; i < 2; ++i) {
        w.prompts.shown.clear();
        Click(w.General(), "bbRelatorio");
        EXPECT_EQ(w.prompts.shown, (QStringList{"save: Salvar relatório", "information: Relatório salvo"}));
    }
    const TReportPage page = ParseReport(QString::fromUtf8(ReadAll(html)));
    ASSERT_TRUE(page.wellFormed) << page.error.toStdString();
    EXPECT_EQ(page.identity.at("Número de série"), "4242");
    EXPECT_EQ(page.calibration.size(), lines.size());
    const QByteArray document = ReadAll(pdf);
    EXPECT_TRUE(document.startsWith("%PDF"));
    const int pages = PdfPages(document);
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 3);
    std::printf("thermal report: %lld bytes of HTML, %d PDF pages (%lld bytes)\n",
                static_cast<long long>(ReadAll(html).size()), pages, static_cast<long long>(document.size()));
}

TEST(ReportButton, EveryFamilyReportsItsSerialNumber) {
    const std::pair<const char*, int> kFamilies[] = {{"P", 1}, {"R", 2}, {"IRR", 3}, {"C", 4}};
    for (const auto& [model, family] : kFamilies) {
        SCOPED_TRACE(model);
        TLoggedInWindow w({"--model", model, "--serial-number", "777"}, family);
        ASSERT_TRUE(w.Connect(TLink::Tcp)) << w.prompts.shown.join("\n").toStdString();
        QTemporaryDir out;
        w.prompts.files = {out.filePath("report.html")};
        Click(w.General(), "bbRelatorio");
        const TReportPage page = ParseReport(QString::fromUtf8(ReadAll(out.filePath("report.html"))));
        ASSERT_TRUE(page.wellFormed) << page.error.toStdString();
        EXPECT_EQ(page.identity.at("Número de série"), "777");
        EXPECT_FALSE(page.readings.empty());
    }
}

TEST(ReportButton, AnUnwritableTargetIsAnError) {
    TLoggedInWindow w({"--model", "T"}, 0);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    const QString missing = w.Folder() + "no/such/folder/";
    w.prompts.files = {missing + "report.html", missing + "report.pdf"};
    for (int i = 0; i < 2; ++i) {
        w.prompts.shown.clear();
        Click(w.General(), "bbRelatorio");
        EXPECT_EQ(w.prompts.shown,
                  (QStringList{"save: Salvar relatório", "error: Erro ao salvar o relatório"}));
    }
    EXPECT_FALSE(QFile::exists(missing));
}

// A device that does not answer while the report reads it: said, and no file is asked for.
TEST(ReportButton, AFailedReadAsksForNoFile) {
    TLoggedInWindow w({"--model", "T", "--drop-first", "1"}, 0);
    ASSERT_TRUE(w.Connect(TLink::Tcp));
    w.prompts.shown.clear();
    Click(w.General(), "bbRelatorio");
    EXPECT_EQ(w.prompts.shown, (QStringList{"error: Erro na leitura da configuração do equipamento."}));
}

} // namespace
