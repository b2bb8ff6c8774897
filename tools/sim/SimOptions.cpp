#include "SimOptions.h"

#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string_view>

const char* const kSimUsage =
    "usage: qel880-sim --model T|T-membrane|P|R|IRR|C\n"
    "                  [--tcp PORT] [--listen ADDR] [--rtu-link PATH | --rtu-device DEV]\n"
    "                  [--address N] [--baud N] [--format 8N1|8E1|8O1|8N2]\n"
    "                  [--password ABCD] [--serial-number N] [--firmware X.Y.Z] [--min-program X.Y.Z]\n"
    "                  [--events N] [--records N] [--seed N]\n"
    "                  [--drop-every N] [--delay-ms N] [--corrupt-crc-every N] [--split] [--stray-bytes]\n"
    "                  [--no-echo] [--close-after N] [--fail-register R] [--verbose]\n";

namespace {

struct TBad : std::runtime_error {
    using std::runtime_error::runtime_error;
};

long long Number(std::string_view text, long long low, long long high, std::string_view what) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw TBad(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ": \"" + std::string(text) + "\"");
    return value;
}

int Version(std::string_view text, std::string_view what) {
    const auto dot1 = text.find('.');
    const auto dot2 = dot1 == std::string_view::npos ? dot1 : text.find('.', dot1 + 1);
    if (dot2 == std::string_view::npos)
        throw TBad(std::string(what) + " must be X.Y.Z: \"" + std::string(text) + "\"");
    const auto major = Number(text.substr(0, dot1), 0, 15, what);
    const auto minor = Number(text.substr(dot1 + 1, dot2 - dot1 - 1), 0, 15, what);
    const auto release = Number(text.substr(dot2 + 1), 0, 255, what);
    return static_cast<int>(major << 12 | minor << 8 | release);
}

void Format(std::string_view text, TSimOptions& o) {
    if (text.size() != 3 || text[0] != '8' || std::string_view("NEO").find(text[1]) == std::string_view::npos ||
        (text[2] != '1' && text[2] != '2') || (text[1] != 'N' && text[2] == '2'))
        throw TBad("unknown format \"" + std::string(text) + "\" (8N1, 8E1, 8O1 or 8N2)");
    o.parity = text[1];
    o.stopBits = text[2] - '0';
}

void Password(std::string_view text, TSimOptions& o) {
    if (text.size() != 4)
        throw TBad("the password must be four letters A..Z");
    o.password.clear();
    for (char c : text) {
        const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (up < 'A' || up > 'Z')
            throw TBad("the password must be four letters A..Z");
        o.password.push_back(up);
    }
}

TSimOptions Parse(int argc, const char* const* argv) {
    TSimOptions o;
    bool model = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc)
                throw TBad(std::string(arg) + " needs a value");
            return argv[++i];
        };
        if (arg == "--model") {
            const auto m = ParseSimModel(value());
            if (!m)
                throw TBad("unknown model \"" + std::string(argv[i]) + "\" (T, T-membrane, P, R, IRR or C)");
            o.model = *m;
            model = true;
        } else if (arg == "--tcp") {
            o.tcpPort = static_cast<int>(Number(value(), 0, 65535, "--tcp"));
        } else if (arg == "--listen") {
            o.listen = value();
        } else if (arg == "--rtu-link") {
            o.rtuLink = value();
        } else if (arg == "--rtu-device") {
            o.rtuDevice = value();
        } else if (arg == "--address") {
            o.address = static_cast<int>(Number(value(), 1, 247, "--address"));
        } else if (arg == "--baud") {
            o.baud = static_cast<int>(Number(value(), 1, 4000000, "--baud"));
        } else if (arg == "--format") {
            Format(value(), o);
        } else if (arg == "--password") {
            Password(value(), o);
        } else if (arg == "--serial-number") {
            o.serialNumber = static_cast<std::uint32_t>(Number(value(), 0, 2147483647, "--serial-number"));
        } else if (arg == "--firmware") {
            o.firmware = Version(value(), "--firmware");
        } else if (arg == "--min-program") {
            o.minProgram = Version(value(), "--min-program");
        } else if (arg == "--events") {
            o.events = static_cast<int>(Number(value(), 0, 65535, "--events"));
        } else if (arg == "--records") {
            o.records = static_cast<int>(Number(value(), 0, 1000000, "--records"));
        } else if (arg == "--seed") {
            o.seed = static_cast<std::uint32_t>(Number(value(), 0, 4294967295LL, "--seed"));
        } else if (arg == "--drop-every") {
            o.dropEvery = static_cast<int>(Number(value(), 1, 1000000, "--drop-every"));
        } else if (arg == "--delay-ms") {
            o.delayMs = static_cast<int>(Number(value(), 0, 60000, "--delay-ms"));
        } else if (arg == "--corrupt-crc-every") {
            o.corruptCrcEvery = static_cast<int>(Number(value(), 1, 1000000, "--corrupt-crc-every"));
        } else if (arg == "--split") {
            o.split = true;
        } else if (arg == "--stray-bytes") {
            o.strayBytes = true;
        } else if (arg == "--no-echo") {
            o.noEcho = true;
        } else if (arg == "--close-after") {
            o.closeAfter = static_cast<int>(Number(value(), 1, 1000000, "--close-after"));
        } else if (arg == "--fail-register") {
            o.failRegister = static_cast<int>(Number(value(), 0, 65535, "--fail-register"));
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else {
            throw TBad("unknown option \"" + std::string(arg) + "\"");
        }
    }
    if (!model)
        throw TBad("--model is required");
    if (o.rtuLink && o.rtuDevice)
        throw TBad("give at most one of --rtu-link and --rtu-device");
    if (!o.tcpPort && !o.rtuLink && !o.rtuDevice) {
        o.tcpPort = 43101;
        o.rtuLink = "";
    }
    return o;
}

} // namespace

TSimParse ParseSimArguments(int argc, const char* const* argv) {
    try {
        return {Parse(argc, argv), {}};
    } catch (const TBad& bad) {
        return {std::nullopt, bad.what()};
    }
}
