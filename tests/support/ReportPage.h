#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

// A commissioning report read back as XML: the cells of its tables by the tables' class.
struct TReportPage {
    bool wellFormed = false;
    QString error;
    QString title;
    std::map<QString, QString> identity;           // heading -> value
    std::vector<std::pair<QString, QString>> conf; // key -> value, in page order
    std::vector<QStringList> readings;             // name, value, unit, register
    std::vector<QStringList> calibration;          // line, gain, offset, points
    QStringList sections;                          // the configuration's section headings
};

TReportPage ParseReport(const QString& html);
