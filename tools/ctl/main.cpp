#include "CtlOptions.h"
#include "CtlRunner.h"

#include "model/DeviceIdentity.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
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
