#include "ui/general/ReportExport.h"

#include "link/EquipComm.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/CommissioningReport.h"
#include "persistence/DataFolder.h"
#include "ui/common/ScreenContext.h"
#include "ui/common/UserPrompts.h"
#include "ui/general/GeneralScreenTexts.h"
#include "ui/general/ReportExportTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

constexpr double kMarginMm = 15;

} // namespace

TReportExport::TReportExport(const TScreenContext& context, int language, QWidget* parent)
    : context_(context), language_(language), parent_(parent) {}

QString TReportExport::Text(int id) const {
    return ReportExportTexts::Text(static_cast<ReportExportTexts::TId>(id), language_);
}

void TReportExport::Run() {
    using namespace ReportExportTexts;
    TEquipComm& session = context_.session;
    if (!session.IsConnected())
        return;
    if (!CommissioningReport::Read(session)) {
        context_.prompts.Error(parent_,
                               GeneralScreenTexts::Text(GeneralScreenTexts::ErrorReadingConf, language_));
        return;
    }
    const QString folder = QString::fromStdString(DataFolder());
    const QString file =
        context_.prompts.SaveFileName(parent_, {Text(SaveTitle), Text(Filter), "html", folder});
    if (file.isEmpty())
        return;
    // The record as last saved: a calibration in progress is not the device's yet.
    TCalibrationRecord record(context_.calibration.Folder());
    record.Load(session.Image().SerialNumber());
    const std::string html =
        CommissioningReport::Html(session, {language_, QDateTime::currentDateTime(), &record});
    const bool saved = file.endsWith(".pdf", Qt::CaseInsensitive)
                           ? PrintPdf(QString::fromStdString(html), file) > 0
                           : CommissioningReport::SaveHtml(html, file.toStdString());
    if (saved)
        context_.prompts.Information(parent_, Text(SavedOk));
    else
        context_.prompts.Error(parent_, Text(SaveError));
}

int TReportExport::PrintPdf(const QString& html, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("QEL880"));
        QTextDocument document;
        document.documentLayout()->setPaintDevice(&writer);
        document.setHtml(html);
        document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        document.print(&writer);
        pages = document.pageCount();
    }
    // A write the disk refused must not replace a good file with a short one.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return 0;
    }
    return file.commit() ? pages : 0;
}
