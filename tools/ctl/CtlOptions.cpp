#include "CtlOptions.h"

#include "persistence/SmallFile.h"

#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <string>
#include <utility>

const char* const kCtlUsage =
    "usage: qel880ctl (--serial PATH [--baud N] [--format 8N1|8E1|8O1|8N2] [--address N]\n"
    "                 | --tcp HOST[:PORT] [--local IP])\n"
    "                 [--family N] [--password ABCD | --password-file FILE|-] COMMAND ...\n"
    "       qel880ctl --help | --version\n"
    "Options may stand before, between or after the command's words. COMMAND is one of:\n"
    "  read FIRST [COUNT]        one line per register: \"REGISTER VALUE\"\n"
    "  write REGISTER VALUE...   write one register or a run, verified (needs --password)\n"
    "  command CODE              send a command code to register 3000 (needs --password)\n"
    "  identify                  signature, family, firmware, minimum program version, serial number\n"
    "  save-conf FILE            read the device's settings and save them to a configuration file\n"
    "  load-conf FILE [--defaults-for-missing]\n"
    "                            load a configuration file into the device (needs --password); a file\n"
    "                            that lacks keys is refused unless they may take their defaults\n"
    "  diff-conf FILE            the settings a load of FILE would change: \"SECTION KEY DEVICE FILE\" per\n"
    "                            line; exit 0 when none, 3 when some differ; nothing is written\n"
    "  report FILE               a commissioning report of the device into FILE (HTML): identity,\n"
    "                            every setting of its configuration file, readings, calibration points\n"
    "  events FILE               thermal: the event log into FILE, one line per event, CR LF, as the\n"
    "                            event screen writes it (date \"dd/mm/yy hh:nn:ss:zzz\" with \"/\" and "
    "\":\",\n"
    "                            temperatures with \".\"); a download cut short keeps the lines read\n"
    "  erase-events              thermal: erase the event log, then read the count (needs --password)\n"
    "  maxima                    thermal: one line per maximum: name, value, time stamp (ISO 8601)\n"
    "  records FILE              irrigation: the last 50 records of the card into FILE, as the records\n"
    "                            screen saves them (the header line in Portuguese, CR LF, Windows-1252)\n"
    "  erase-records             irrigation: erase the record card (needs --password)\n"
    "  clock                     the device clock as YYYY-MM-DD HH:MM:SS\n"
    "  clock set now|\"YYYY-MM-DD HH:MM:SS\"\n"
    "                            set the device clock (needs --password)\n"
    "  password set ABCD         a new password of four letters A..Z (needs --password, the current one)\n"
    "  watch FIRST COUNT [--interval S] [--csv]\n"
    "                            read COUNT registers from FIRST every S seconds (default 1, 0.1 to\n"
    "                            3600) and print a line per sample: the local ISO 8601 time and the\n"
    "                            values; --csv: comma-separated with a header. Runs until interrupted\n"
    "                            (Ctrl+C: exit 0); a sample the device does not answer is said on\n"
    "                            standard error and the watch goes on\n"
    "A command of one family (events, erase-events, maxima: the thermal monitor; records, erase-records:\n"
    "the irrigation controller) takes that family when --family is not given, and is refused for another.\n";

namespace {

struct TParseError {
    QString text;
};

int ParseInt(const QString& text, int low, int high, const QString& what) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high)
        throw TParseError{QStringLiteral("%1 must be a number from %2 to %3: \"%4\"")
                              .arg(what)
                              .arg(low)
                              .arg(high)
                              .arg(text)};
    return value;
}

void ParseFormat(const QString& text, TLineSettings& line) {
    static const std::array<std::pair<const char*, std::pair<std::uint8_t, std::uint8_t>>, 4> kFormats{{
        {"8N1", {0, 0}},
        {"8E1", {1, 0}},
        {"8O1", {2, 0}},
        {"8N2", {0, 2}},
    }};
    for (const auto& [name, codes] : kFormats) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            line.parity = codes.first;
            line.stopBits = codes.second;
            return;
        }
    }
    throw TParseError{QStringLiteral("unknown format \"%1\" (8N1, 8E1, 8O1 or 8N2)").arg(text)};
}

void ParseTcp(const QString& text, TCtlOptions& options) {
    const int colon = text.lastIndexOf(':');
    options.host = colon < 0 ? text : text.left(colon);
    if (colon >= 0)
        options.port = static_cast<std::uint16_t>(ParseInt(text.mid(colon + 1), 1, 65535, "port"));
    if (options.host.isEmpty())
        throw TParseError{QStringLiteral("--tcp needs a host")};
}

void NoArguments(const QString& name, const QStringList& args) {
    if (!args.isEmpty())
        throw TParseError{QStringLiteral("%1 takes no arguments").arg(name)};
}

QDateTime ParseClock(const QString& text) {
    QDateTime time = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The device keeps two digits of the year.
    if (!time.isValid() || time.date().year() < 2000 || time.date().year() > 2099)
        throw TParseError{
            QStringLiteral("clock set takes now or \"YYYY-MM-DD HH:MM:SS\" (2000..2099): \"%1\"").arg(text)};
    return time;
}

QString ParsePassword(const QString& text) {
    QString upper = text.toUpper();
    const bool letters = upper.size() == 4 && std::all_of(upper.begin(), upper.end(), [](QChar c) {
                             return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
                         });
    if (!letters)
        throw TParseError{QStringLiteral("the new password must be four letters A..Z: \"%1\"").arg(text)};
    return upper;
}

// The commands of the device's history, clock and password.
void ParseDeviceCommand(const QString& name, const QStringList& args, TCtlOptions& options) {
    if (name == "events" || name == "records") {
        if (args.size() != 1)
            throw TParseError{QStringLiteral("%1 takes FILE").arg(name)};
        options.command = name == "events" ? TCtlCommand::Events : TCtlCommand::Records;
        options.file = args[0];
    } else if (name == "erase-events" || name == "maxima" || name == "erase-records") {
        NoArguments(name, args);
        options.command = name == "maxima"          ? TCtlCommand::Maxima
                          : name == "erase-records" ? TCtlCommand::EraseRecords
                                                    : TCtlCommand::EraseEvents;
    } else if (name == "clock") {
        if (args.isEmpty()) {
            options.command = TCtlCommand::Clock;
        } else if (args.size() == 2 && args[0] == "set") {
            options.command = TCtlCommand::ClockSet;
            if (args[1] != "now")
                options.clock = ParseClock(args[1]);
        } else {
            throw TParseError{QStringLiteral("clock takes nothing, or set now|\"YYYY-MM-DD HH:MM:SS\"")};
        }
    } else if (name == "password") {
        if (args.size() != 2 || args[0] != "set")
            throw TParseError{QStringLiteral("password takes set ABCD")};
        options.command = TCtlCommand::PasswordSet;
        options.newPassword = ParsePassword(args[1]);
    } else {
        throw TParseError{QStringLiteral("unknown command \"%1\"").arg(name)};
    }
}

void ParseWatchOptions(const QCommandLineParser& parser, bool csv, TCtlOptions& options) {
    const bool watch = options.command == TCtlCommand::Watch;
    if ((parser.isSet("interval") || csv) && !watch)
        throw TParseError{QStringLiteral("--interval and --csv go with watch")};
    options.csv = csv;
    if (!parser.isSet("interval"))
        return;
    bool ok = false;
    const double seconds = parser.value("interval").toDouble(&ok);
    if (!ok || seconds < 0.1 || seconds > 3600)
        throw TParseError{QStringLiteral("the interval must be from 0.1 to 3600 seconds: \"%1\"")
                              .arg(parser.value("interval"))};
    options.intervalMs = static_cast<int>(std::lround(seconds * 1000));
}

void ParseCommand(const QStringList& words, TCtlOptions& options) {
    if (words.isEmpty())
        throw TParseError{QStringLiteral("no command given")};
    const QString& name = words.front();
    const auto args = words.mid(1);
    options.commandName = name;
    if (name == "read") {
        if (args.size() < 1 || args.size() > 2)
            throw TParseError{QStringLiteral("read takes FIRST [COUNT]")};
        options.command = TCtlCommand::Read;
        options.first = ParseInt(args[0], 0, 65535, "register");
        options.count = args.size() == 2 ? ParseInt(args[1], 1, 65536 - options.first, "count") : 1;
    } else if (name == "write") {
        if (args.size() < 2)
            throw TParseError{QStringLiteral("write takes REGISTER VALUE...")};
        options.command = TCtlCommand::Write;
        options.first = ParseInt(args[0], 0, 65535, "register");
        for (const QString& v : args.mid(1))
            options.values.push_back(ParseInt(v, 0, 65535, "value"));
        if (options.first + static_cast<int>(options.values.size()) - 1 > 65535)
            throw TParseError{QStringLiteral("the run of values goes past register 65535")};
    } else if (name == "command") {
        if (args.size() != 1)
            throw TParseError{QStringLiteral("command takes CODE")};
        options.command = TCtlCommand::Command;
        options.values.push_back(ParseInt(args[0], 0, 65535, "command code"));
    } else if (name == "identify") {
        if (!args.isEmpty())
            throw TParseError{QStringLiteral("identify takes no arguments")};
        options.command = TCtlCommand::Identify;
    } else if (name == "watch") {
        if (args.size() != 2)
            throw TParseError{QStringLiteral("watch takes FIRST COUNT")};
        options.command = TCtlCommand::Watch;
        options.first = ParseInt(args[0], 0, 65535, "register");
        options.count = ParseInt(args[1], 1, 65536 - options.first, "count");
    } else if (name == "save-conf" || name == "load-conf" || name == "diff-conf" || name == "report") {
        if (args.size() != 1)
            throw TParseError{QStringLiteral("%1 takes FILE").arg(name)};
        options.command = name == "save-conf"   ? TCtlCommand::SaveConf
                          : name == "load-conf" ? TCtlCommand::LoadConf
                          : name == "report"    ? TCtlCommand::Report
                                                : TCtlCommand::DiffConf;
        options.file = args[0];
    } else {
        ParseDeviceCommand(name, args, options);
    }
}

// --password, else the first line of --password-file (standard input for "-"), else the environment's
// QEL880_PASSWORD: a password on the command line is visible to every user of the computer.
std::optional<QString> Password(const QCommandLineParser& parser) {
    if (parser.isSet("password"))
        return parser.value("password");
    if (parser.isSet("password-file")) {
        const QString path = parser.value("password-file");
        std::optional<std::string> text;
        if (path == "-") {
            std::string line;
            if (std::getline(std::cin, line))
                text = line;
        } else {
            SmallFile::TReadError error = SmallFile::TReadError::None;
            text = SmallFile::Read(path.toStdString(), error);
        }
        if (!text)
            throw TParseError{QStringLiteral("cannot read the password from %1").arg(path)};
        return QString::fromStdString(*text).section('\n', 0, 0).trimmed();
    }
    const QString fromEnvironment = qEnvironmentVariable("QEL880_PASSWORD");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return std::nullopt;
}

TCtlParse Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // The help is kCtlUsage: the parser's own texts stay unused.
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption version("version", {});
    const QCommandLineOption defaultsForMissing("defaults-for-missing", {});
    const QCommandLineOption csv("csv", {});
    parser.addOptions({help, version, defaultsForMissing, csv});
    for (const char* name : {"serial", "baud", "format", "address", "tcp", "local", "family", "password",
                             "password-file", "interval"})
        parser.addOption({name, {}, "VALUE"});
    if (!parser.parse(QStringList{"qel880ctl"} + arguments))
        throw TParseError{parser.errorText()};
    if (parser.isSet(help))
        return {TCtlRequest::Help, std::nullopt, {}};
    if (parser.isSet(version))
        return {TCtlRequest::Version, std::nullopt, {}};

    TCtlOptions options;
    // Given more than once, an option takes its last value.
    if (parser.isSet("serial"))
        options.serialPath = parser.value("serial");
    if (parser.isSet("baud"))
        options.line.baudRate = ParseInt(parser.value("baud"), 1, 4000000, "baud rate");
    if (parser.isSet("format"))
        ParseFormat(parser.value("format"), options.line);
    if (parser.isSet("address"))
        options.address = static_cast<std::uint8_t>(ParseInt(parser.value("address"), 0, 255, "address"));
    if (parser.isSet("tcp"))
        ParseTcp(parser.value("tcp"), options);
    if (parser.isSet("local"))
        options.localIp = parser.value("local");
    if (parser.isSet("family"))
        options.family = ParseInt(parser.value("family"), 0, 4, "family");
    options.password = Password(parser);
    if (parser.isSet("tcp") == !options.serialPath.isEmpty())
        throw TParseError{QStringLiteral("give exactly one of --serial and --tcp")};
    ParseCommand(parser.positionalArguments(), options);
    if (const auto family = options.CommandFamily()) {
        if (parser.isSet("family") && options.family != *family)
            throw TParseError{QStringLiteral("%1 is a command of family %2, not of family %3")
                                  .arg(parser.positionalArguments().front())
                                  .arg(*family)
                                  .arg(options.family)};
        options.family = *family;
    }
    ParseWatchOptions(parser, parser.isSet(csv), options);
    options.defaultsForMissing = parser.isSet(defaultsForMissing);
    if (options.defaultsForMissing && options.command != TCtlCommand::LoadConf)
        throw TParseError{QStringLiteral("--defaults-for-missing goes with load-conf")};
    return {TCtlRequest::Run, options, {}};
}

} // namespace

TCtlParse ParseCtlArguments(const QStringList& arguments) {
    try {
        return Parse(arguments);
    } catch (const TParseError& error) {
        return {TCtlRequest::Run, std::nullopt, error.text};
    }
}
