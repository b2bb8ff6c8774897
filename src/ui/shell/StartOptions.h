#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The program's command line: the model and language to open with, and a connection to start as
// the general screen's connect buttons do.
struct TStartOptions {
    enum class TLink { None, Tcp, Serial };

    std::optional<int> family;
    std::optional<int> language;
    TLink link = TLink::None;
    QString host; // --tcp
    std::uint16_t port = 43101;
    QString localIp;
    QString serialPath; // --serial
    int baudRate = 9600;
    int format = 0; // 0 8N1, 1 8E1, 2 8O1, 3 8N2
    int address = 1;
    bool usb = false;
};

struct TStartParse {
    enum class TAction { Run, Help, Version, Error };
    TAction action = TAction::Run;
    TStartOptions options;
    QString error;
};

// Without the program name.
TStartParse ParseStartArguments(const QStringList& arguments);

extern const char* const kStartUsage;
