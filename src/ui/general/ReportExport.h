#pragma once

#include <QString>

class QWidget;
struct TScreenContext;

// The commissioning report of the connected device, written where the user chooses: the HTML page,
// or that page printed to A4 as a PDF when the chosen name ends in ".pdf".
class TReportExport {
public:
    TReportExport(const TScreenContext& context, int language, QWidget* parent);

    // Reads the device, asks for the file and writes it; every outcome is said in a box.
    void Run();

    // The page printed to a PDF file; the number of pages, 0 when the file cannot be written.
    static int PrintPdf(const QString& html, const QString& path);

private:
    QString Text(int id) const;

    const TScreenContext& context_;
    int language_;
    QWidget* parent_;
};
