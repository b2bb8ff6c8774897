#include "persistence/DataFolder.h"
#include "ui/common/QtUserPrompts.h"
#include "ui/shell/MainForm.h"

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
