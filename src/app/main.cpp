#include "persistence/DataFolder.h"
#include "ui/shell/MainForm.h"
#include "ui/shell/QtUserPrompts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("qel880");
    QApplication::setWindowIcon(QIcon(":/assets/icon.svg"));
    TQtUserPrompts prompts;
    TFormMain window(prompts, DataFolder());
    window.show();
    return app.exec();
}
