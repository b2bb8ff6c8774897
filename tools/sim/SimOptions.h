#pragma once

#include "SimModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TSimOptions {
    TSimModel model = TSimModel::Thermal;
    std::optional<int> tcpPort; // set: serve the framed protocol
    std::string listen = "127.0.0.1";
    std::optional<std::string> rtuLink;   // a new pty, symlinked here ("" : no link)
    std::optional<std::string> rtuDevice; // an existing serial device
    int address = 1;
    int baud = 9600;
    char parity = 'N';
    int stopBits = 1;
    std::string password = "JUXT";
    std::uint32_t serialNumber = 880001;
    int firmware = 0x1206;
    int minProgram = 0x1200;
    int events = 25;
    int records = 50;
    std::uint32_t seed = 1;
    // Start values of registers (measurements and states included), over the model's own.
    std::vector<std::pair<int, int>> presets;
    // Registers set once at start, and registers held against the live values: (register, value).
    std::vector<std::pair<int, int>> startValues;
    std::vector<std::pair<int, int>> heldValues;
    bool rainFalls = true;      // false once a rain total is given
    bool anyBusAddress = false; // parallelism: 1951 takes any value, as a faulty unit would
    bool holdLive = false;      // the live values stay as they start
    // Faults
    int dropEvery = 0;
    int delayMs = 0;
    int corruptCrcEvery = 0;
    bool split = false;
    bool strayBytes = false;
    bool noEcho = false;
    int closeAfter = 0;
    int failRegister = -1;
    int dropFirst = -1;                         // the first read including it goes unanswered
    std::optional<std::pair<int, int>> closeOn; // TCP: a write of this value to this register closes
    bool verbose = false;
    int vanishAfter = 0; // seconds after the start at which both links go away (0: never)
    int returnAfter = 0; // seconds after that at which they come back (0: never)
    // Seconds after the start at which the device stops answering on every link, the links kept
    // (a cable pulled with the adapter still plugged in), and after which it answers again.
    int silentAfter = 0;
    int speakAfter = 0;
};

// What the command line asks for: a device to serve, or only the help or the version.
enum class TSimRequest { Run, Help, Version };

struct TSimParse {
    TSimRequest request = TSimRequest::Run;
    std::optional<TSimOptions> options;
    std::string error;
};

TSimParse ParseSimArguments(int argc, const char* const* argv);

extern const char* const kSimUsage;
