#pragma once

#include <QString>

#include <string>

class QWidget;
struct TFileDialogRequest;
struct TScreenContext;

// A save dialog that opens in the folder of the file last chosen (the data folder until one is) and
// remembers the new choice in the program settings; empty when cancelled. A path the settings file
// cannot hold is used but not remembered.
QString ChooseRememberedFile(TScreenContext& context, QWidget* parent, std::string& remembered,
                             TFileDialogRequest request);
