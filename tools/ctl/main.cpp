#include "CtlOptions.h"
#include "CtlRunner.h"

#include "model/DeviceIdentity.h"

#include <QCoreApplication>
#include <QTextStream>

#include <clocale>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Qt takes the user's locale for the C library too; the files and texts formatted with printf
    // keep "." as the decimal separator whatever the desktop language.
    std::setlocale(LC_NUMERIC, "C");
    QTextStream out(stdout);
    QTextStream err(stderr);
    const TCtlParse parsed = ParseCtlArguments(app.arguments().mid(1));
    switch (parsed.request) {
    case TCtlRequest::Help:
        out << kCtlUsage;
        return 0;
    case TCtlRequest::Version:
        out << "qel880ctl " << QString::fromStdString(DeviceIdentity::ProgramVersionText()) << "\n";
        return 0;
    case TCtlRequest::Run:
        break;
    }
    if (!parsed.options) {
        err << "qel880ctl: " << parsed.error << "\n" << kCtlUsage;
        return 2;
    }
    TCtlRunner runner(*parsed.options, out, err);
    return runner.Run();
}
