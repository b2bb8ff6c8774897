#include "ui/common/RememberedFile.h"

#include "persistence/Cp1252.h"
#include "persistence/DataFolder.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/ScreenContext.h"
#include "ui/common/UserPrompts.h"

#include <QFileInfo>

QString ChooseRememberedFile(TScreenContext& context, QWidget* parent, std::string& remembered,
                             TFileDialogRequest request) {
    const QString last = Cp1252::ToUnicode(remembered);
    request.directory =
        last.isEmpty() ? QString::fromStdString(DataFolder()) : QFileInfo(last).absolutePath();
    QString file = context.prompts.SaveFileName(parent, request);
    if (!file.isEmpty() && Cp1252::CanEncode(file)) {
        remembered = Cp1252::FromUnicode(file);
        context.settings.Save();
    }
    return file;
}
