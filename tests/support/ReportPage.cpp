#include "ReportPage.h"

#include <QXmlStreamReader>

namespace {

void Store(TReportPage& page, const QString& table, const QStringList& cells) {
    if (table == "identity" && cells.size() == 2)
        page.identity[cells[0]] = cells[1];
    else if (table == "readings" && !cells.isEmpty())
        page.readings.push_back(cells);
    else if (table == "calibration" && !cells.isEmpty())
        page.calibration.push_back(cells);
    else if (table == "conf")
        for (qsizetype i = 0; i + 1 < cells.size(); i += 2)
            if (!cells[i].isEmpty())
                page.conf.emplace_back(cells[i], cells[i + 1]);
}

} // namespace

TReportPage ParseReport(const QString& html) {
    TReportPage page;
    QXmlStreamReader xml(html);
    QString table;
    QStringList cells;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == u"table") {
            table = xml.attributes().value("class").toString();
        } else if (xml.isStartElement() && name == u"tr") {
            cells.clear();
        } else if (xml.isStartElement() && name == u"td") {
            cells << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement() && name == u"tr") {
            Store(page, table, cells);
        } else if (xml.isStartElement() && name == u"title") {
            page.title = xml.readElementText();
        } else if (xml.isStartElement() && name == u"h3") {
            page.sections << xml.readElementText();
        }
    }
    page.wellFormed = !xml.hasError();
    page.error = xml.errorString();
    return page;
}
