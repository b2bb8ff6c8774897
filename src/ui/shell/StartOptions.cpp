#include "ui/shell/StartOptions.h"

#include <QCommandLineParser>

const char* const kStartUsage =
    "usage: qel880 [--model T|P|R|IRR|C] [--language pt|en|es]\n"
    "              [--tcp HOST[:PORT] [--local IP]\n"
    "               | --serial PATH [--baud N] [--format 8N1|8E1|8O1|8N2] [--address N] [--usb]]\n"
    "       qel880 --help | --version\n"
    "Opens with that model and language and starts the connection as the connect buttons do.\n";

namespace {

struct TBad {
    QString text;
};

int IndexOf(const QStringList& names, const QString& text, const char* what) {
    const int index = names.indexOf(text.toUpper());
    if (index < 0)
        throw TBad{QStringLiteral("unknown %1 \"%2\" (%3)").arg(what, text, names.join(", "))};
    return index;
}

int Number(const QString& text, int low, int high, const char* what) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high)
        throw TBad{QStringLiteral("%1 must be a number from %2 to %3: \"%4\"")
                       .arg(what)
                       .arg(low)
                       .arg(high)
                       .arg(text)};
    return value;
}

void ReadLink(const QCommandLineParser& parser, TStartOptions& o) {
    const bool tcp = parser.isSet("tcp");
    const bool serial = parser.isSet("serial");
    if (tcp && serial)
        throw TBad{"--tcp and --serial exclude each other"};
    const bool serialOnly =
        parser.isSet("baud") || parser.isSet("format") || parser.isSet("address") || parser.isSet("usb");
    if ((serialOnly && !serial) || (parser.isSet("local") && !tcp))
        throw TBad{"--baud, --format, --address and --usb go with --serial; --local with --tcp"};
    if (tcp) {
        o.link = TStartOptions::TLink::Tcp;
        const QString value = parser.value("tcp");
        const int colon = value.lastIndexOf(':');
        o.host = colon < 0 ? value : value.left(colon);
        if (colon >= 0)
            o.port = static_cast<std::uint16_t>(Number(value.mid(colon + 1), 1, 65535, "port"));
        if (o.host.isEmpty())
            throw TBad{"--tcp needs a host"};
        o.localIp = parser.value("local");
    }
    if (serial) {
        o.link = TStartOptions::TLink::Serial;
        o.serialPath = parser.value("serial");
        if (parser.isSet("baud"))
            o.baudRate = Number(parser.value("baud"), 1, 4000000, "baud rate");
        if (parser.isSet("format"))
            o.format = IndexOf({"8N1", "8E1", "8O1", "8N2"}, parser.value("format"), "format");
        if (parser.isSet("address"))
            o.address = Number(parser.value("address"), 1, 247, "address");
        o.usb = parser.isSet("usb");
    }
}

} // namespace

TStartParse ParseStartArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"model", "language", "tcp", "local", "serial", "baud", "format", "address"})
        parser.addOption(QCommandLineOption(name, QString(), "value"));
    for (const char* name : {"usb", "help", "version"})
        parser.addOption(QCommandLineOption(name));
    TStartParse result;
    if (!parser.parse(QStringList{"qel880"} + arguments)) {
        result.action = TStartParse::TAction::Error;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet("help") || parser.isSet("version")) {
        result.action = parser.isSet("help") ? TStartParse::TAction::Help : TStartParse::TAction::Version;
        return result;
    }
    try {
        if (!parser.positionalArguments().isEmpty())
            throw TBad{QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().front())};
        if (parser.isSet("model"))
            result.options.family = IndexOf({"T", "P", "R", "IRR", "C"}, parser.value("model"), "model");
        if (parser.isSet("language"))
            result.options.language = IndexOf({"PT", "EN", "ES"}, parser.value("language"), "language");
        ReadLink(parser, result.options);
    } catch (const TBad& bad) {
        result.action = TStartParse::TAction::Error;
        result.error = bad.text;
    }
    return result;
}
