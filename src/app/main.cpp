#include "model/DeviceIdentity.h"
#include "persistence/DataFolder.h"
#include "ui/common/QtUserPrompts.h"
#include "ui/shell/MainForm.h"
#include "ui/shell/StartOptions.h"

#include <QApplication>
#include <QTimer>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The command line is read before any window exists: a bad option opens none.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TStartParse parse = ParseStartArguments(arguments);
    switch (parse.action) {
    case TStartParse::TAction::Help:
        std::fputs(kStartUsage, stdout);
        return 0;
    case TStartParse::TAction::Version:
        std::printf("qel880 %s\n", DeviceIdentity::ProgramVersionText().c_str());
        return 0;
    case TStartParse::TAction::Error:
        std::fprintf(stderr, "qel880: %s\n%s", qPrintable(parse.error), kStartUsage);
        return 2;
    case TStartParse::TAction::Run:
        break;
    }
    QApplication app(argc, argv);
    // Qt takes the user's locale for the C library too; the files and texts formatted with printf
    // keep "." as the decimal separator whatever the desktop language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("qel880");
    QApplication::setWindowIcon(QIcon(":/assets/icon.svg"));
    TQtUserPrompts prompts;
    TFormMain window(prompts, DataFolder());
    window.show();
    // Once the window is up, as if the user had chosen and clicked.
    QTimer::singleShot(0, &window, [&] { window.StartWith(parse.options); });
    return app.exec();
}
