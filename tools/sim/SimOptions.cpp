#include "SimOptions.h"

#include <QCommandLineParser>

#include <bit>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <vector>

const char* const kSimUsage =
    "usage: qel880-sim --model T|T-membrane|P|R|IRR|C\n"
    "                  [--tcp PORT] [--listen ADDR] [--rtu-link PATH | --rtu-device DEV]\n"
    "                  [--address N] [--baud N] [--format 8N1|8E1|8O1|8N2]\n"
    "                  [--password ABCD] [--serial-number N] [--firmware X.Y.Z] [--min-program X.Y.Z]\n"
    "                  [--events N] [--records N] [--seed N] [--set REG=VALUE]... [--any-bus-address]\n"
    "                  [--hold-live]\n"
    "                  [--tap N] [--tap-extremes MIN,MAX] [--commutations N] [--position-input N]\n"
    "                  [--output-calibration X,Y,Z]\n"
    "                  [--status N] [--rain N] [--water N] [--last-cycle-water N] [--inputs N]\n"
    "                  [--temperature N]\n"
    "                  [--drop-every N] [--delay-ms N] [--corrupt-crc-every N] [--split] [--stray-bytes]\n"
    "                  [--no-echo] [--close-after N] [--fail-register R] [--drop-first R]\n"
    "                  [--close-on REG=VALUE] [--vanish-after S [--return-after S]]\n"
    "                  [--silent-after S [--speak-after S]] [--verbose]\n"
    "       qel880-sim --help | --version\n";

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
    if (text.size() != 3 || text[0] != '8' ||
        std::string_view("NEO").find(text[1]) == std::string_view::npos ||
        (text[2] != '1' && text[2] != '2') || (text[1] != 'N' && text[2] == '2'))
        throw TBad("unknown format \"" + std::string(text) + "\" (8N1, 8E1, 8O1 or 8N2)");
    o.parity = text[1];
    o.stopBits = text[2] - '0';
}

std::pair<int, int> Preset(std::string_view text, const std::string& what = "--set") {
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        throw TBad(what + " must be REG=VALUE: \"" + std::string(text) + "\"");
    return {static_cast<int>(Number(text.substr(0, equals), 0, 32767, what + " register")),
            static_cast<int>(Number(text.substr(equals + 1), 0, 65535, what + " value"))};
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

// Numbers separated by commas, exactly `count` of them.
std::vector<long long> Numbers(std::string_view text, std::size_t count, long long low, long long high,
                               std::string_view what) {
    std::vector<long long> values;
    while (values.size() < count) {
        const auto comma = text.find(',');
        values.push_back(Number(text.substr(0, comma), low, high, what));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() != count || text.find(',') != std::string_view::npos)
        throw TBad(std::string(what) + " takes " + std::to_string(count) + " numbers separated by commas");
    return values;
}

// Single floats separated by commas, "nan" and "inf" included, as their two register words.
void FloatWords(std::string_view text, int first, int count, std::vector<std::pair<int, int>>& into) {
    for (int i = 0; i < count; ++i) {
        const auto comma = text.find(',');
        const std::string item(text.substr(0, comma));
        char* end = nullptr;
        const float value = std::strtof(item.c_str(), &end);
        if (item.empty() || end != item.c_str() + item.size() ||
            (comma == std::string_view::npos) != (i == count - 1))
            throw TBad("--output-calibration takes " + std::to_string(count) +
                       " numbers separated by commas");
        const auto bits = std::bit_cast<std::uint32_t>(value);
        into.emplace_back(first + 2 * i, static_cast<int>(bits & 0xFFFF));
        into.emplace_back(first + 2 * i + 1, static_cast<int>(bits >> 16));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
}

constexpr const char* kValueOptions[] = {
    "model",
    "tcp",
    "listen",
    "rtu-link",
    "rtu-device",
    "address",
    "baud",
    "format",
    "password",
    "serial-number",
    "firmware",
    "min-program",
    "events",
    "records",
    "seed",
    "set",
    "drop-every",
    "delay-ms",
    "corrupt-crc-every",
    "close-after",
    "vanish-after",
    "return-after",
    "silent-after",
    "speak-after",
    "fail-register",
    "drop-first",
    "close-on",
    "tap",
    "tap-extremes",
    "commutations",
    "position-input",
    "output-calibration",
    "status",
    "rain",
    "water",
    "last-cycle-water",
    "inputs",
    "temperature",
};

std::string Value(const QCommandLineParser& parser, const char* name) {
    return parser.value(name).toStdString();
}

// Device values a test or a demonstration sets: regulator tap, extremes, commutations, position
// input and output calibration; irrigation status, counters, inputs and temperature.
void DeviceValues(const QCommandLineParser& parser, TSimOptions& o) {
    const auto word = [&](const char* name, int reg, std::vector<std::pair<int, int>>& into) {
        if (parser.isSet(name))
            into.emplace_back(
                reg, static_cast<int>(Number(Value(parser, name), 0, 65535, std::string("--") + name)));
    };
    const auto counter = [&](const char* name, int low) {
        if (!parser.isSet(name))
            return;
        const auto v = Number(Value(parser, name), 0, 4294967295LL, std::string("--") + name);
        o.startValues.emplace_back(low, static_cast<int>(v & 0xFFFF));
        o.startValues.emplace_back(low + 1, static_cast<int>(v >> 16));
    };
    word("tap", 1015, o.startValues);
    if (parser.isSet("tap-extremes")) {
        const auto extremes = Numbers(Value(parser, "tap-extremes"), 2, 0, 65535, "--tap-extremes");
        o.startValues.emplace_back(801, static_cast<int>(extremes[0]));
        o.startValues.emplace_back(802, static_cast<int>(extremes[1]));
    }
    word("commutations", 804, o.startValues);
    word("position-input", 2670, o.startValues);
    if (parser.isSet("output-calibration"))
        FloatWords(Value(parser, "output-calibration"), 2510, 3, o.startValues);
    word("status", 1001, o.startValues);
    counter("rain", 1002);
    o.rainFalls = !parser.isSet("rain");
    counter("water", 1004);
    counter("last-cycle-water", 1006);
    word("inputs", 1008, o.heldValues);
    word("temperature", 1011, o.heldValues);
}

constexpr const char* kFlagOptions[] = {"split",   "stray-bytes",     "no-echo",
                                        "verbose", "any-bus-address", "hold-live"};

// Given more than once, an option takes its last value.
template <typename TField>
void NumberOption(const QCommandLineParser& parser, const char* name, long long low, long long high,
                  TField& field) {
    if (parser.isSet(name))
        field = static_cast<TField>(Number(Value(parser, name), low, high, std::string("--") + name));
}

void VersionOption(const QCommandLineParser& parser, const char* name, int& field) {
    if (parser.isSet(name))
        field = Version(Value(parser, name), std::string("--") + name);
}

// The model and the lines it is served on.
void LinkOptions(const QCommandLineParser& parser, TSimOptions& o) {
    if (!parser.isSet("model"))
        throw TBad("--model is required");
    const auto model = ParseSimModel(Value(parser, "model"));
    if (!model)
        throw TBad("unknown model \"" + Value(parser, "model") + "\" (T, T-membrane, P, R, IRR or C)");
    o.model = *model;
    NumberOption(parser, "tcp", 0, 65535, o.tcpPort);
    if (parser.isSet("listen"))
        o.listen = Value(parser, "listen");
    if (parser.isSet("rtu-link"))
        o.rtuLink = Value(parser, "rtu-link");
    if (parser.isSet("rtu-device"))
        o.rtuDevice = Value(parser, "rtu-device");
    NumberOption(parser, "address", 1, 247, o.address);
    NumberOption(parser, "baud", 1, 4000000, o.baud);
    if (parser.isSet("format"))
        Format(Value(parser, "format"), o);
}

// The device's password, identity, history and register presets.
void IdentityOptions(const QCommandLineParser& parser, TSimOptions& o) {
    if (parser.isSet("password"))
        Password(Value(parser, "password"), o);
    NumberOption(parser, "serial-number", 0, 2147483647, o.serialNumber);
    VersionOption(parser, "firmware", o.firmware);
    VersionOption(parser, "min-program", o.minProgram);
    NumberOption(parser, "events", 0, 65535, o.events);
    NumberOption(parser, "records", 0, 1000000, o.records);
    NumberOption(parser, "seed", 0, 4294967295LL, o.seed);
    for (const QString& preset : parser.values("set"))
        o.presets.push_back(Preset(preset.toStdString()));
}

void FaultOptions(const QCommandLineParser& parser, TSimOptions& o) {
    NumberOption(parser, "drop-every", 1, 1000000, o.dropEvery);
    NumberOption(parser, "delay-ms", 0, 60000, o.delayMs);
    NumberOption(parser, "corrupt-crc-every", 1, 1000000, o.corruptCrcEvery);
    NumberOption(parser, "close-after", 1, 1000000, o.closeAfter);
    NumberOption(parser, "vanish-after", 1, 86400, o.vanishAfter);
    NumberOption(parser, "return-after", 1, 86400, o.returnAfter);
    if (o.returnAfter > 0 && o.vanishAfter == 0)
        throw TBad("--return-after goes with --vanish-after");
    NumberOption(parser, "silent-after", 1, 86400, o.silentAfter);
    NumberOption(parser, "speak-after", 1, 86400, o.speakAfter);
    if (o.speakAfter > 0 && o.silentAfter == 0)
        throw TBad("--speak-after goes with --silent-after");
    NumberOption(parser, "fail-register", 0, 65535, o.failRegister);
    NumberOption(parser, "drop-first", 0, 65535, o.dropFirst);
    if (parser.isSet("close-on"))
        o.closeOn = Preset(Value(parser, "close-on"), "--close-on");
    o.split = parser.isSet("split");
    o.strayBytes = parser.isSet("stray-bytes");
    o.noEcho = parser.isSet("no-echo");
}

TSimOptions Options(const QCommandLineParser& parser) {
    TSimOptions o;
    LinkOptions(parser, o);
    IdentityOptions(parser, o);
    FaultOptions(parser, o);
    DeviceValues(parser, o);
    o.verbose = parser.isSet("verbose");
    o.anyBusAddress = parser.isSet("any-bus-address");
    o.holdLive = parser.isSet("hold-live");
    if (o.rtuLink && o.rtuDevice)
        throw TBad("give at most one of --rtu-link and --rtu-device");
    if (!o.tcpPort && !o.rtuLink && !o.rtuDevice) {
        o.tcpPort = 43101;
        o.rtuLink = "";
    }
    return o;
}

TSimParse Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // The help is kSimUsage: the parser's own texts stay unused.
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption version("version", {});
    parser.addOptions({help, version});
    for (const char* name : kValueOptions)
        parser.addOption({name, {}, "VALUE"});
    for (const char* name : kFlagOptions)
        parser.addOption({name, {}});
    if (!parser.parse(arguments))
        throw TBad(parser.errorText().toStdString());
    if (parser.isSet(help))
        return {TSimRequest::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {TSimRequest::Version, std::nullopt, {}};
    if (!parser.positionalArguments().isEmpty())
        throw TBad("unexpected argument \"" + parser.positionalArguments().front().toStdString() + "\"");
    return {TSimRequest::Run, Options(parser), {}};
}

} // namespace

TSimParse ParseSimArguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    try {
        return Parse(arguments);
    } catch (const TBad& bad) {
        return {TSimRequest::Run, std::nullopt, bad.what()};
    }
}
