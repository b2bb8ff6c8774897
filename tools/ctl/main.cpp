#include "CtlOptions.h"
#include "CtlRunner.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const TCtlParse parsed = ParseCtlArguments(app.arguments().mid(1));
    if (!parsed.options) {
        err << "qel880ctl: " << parsed.error << "\n" << kCtlUsage;
        return 2;
    }
    TCtlRunner runner(*parsed.options, out, err);
    return runner.Run();
}
