#include "CtlOptions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace {

QStringList Split(const char* text) {
    return QString(text).split(' ', Qt::SkipEmptyParts);
}

TEST(CtlOptions, AcceptedCommandLines) {
    auto parsed =
        ParseCtlArguments(Split("--serial /dev/ttyUSB0 --baud 19200 --format 8E1 --address 7 read 1500 4"));
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->serialPath, "/dev/ttyUSB0");
    EXPECT_EQ(parsed.options->line.baudRate, 19200);
    EXPECT_EQ(parsed.options->line.parity, 1);
    EXPECT_EQ(parsed.options->address, 7);
    EXPECT_EQ(parsed.options->command, TCtlCommand::Read);
    EXPECT_EQ(parsed.options->first, 1500);
    EXPECT_EQ(parsed.options->count, 4);

    parsed = ParseCtlArguments(Split("--tcp 10.0.0.5:5000 --family 1 --password juxt write 65535 0"));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->host, "10.0.0.5");
    EXPECT_EQ(parsed.options->port, 5000);
    EXPECT_EQ(parsed.options->family, 1);
    EXPECT_EQ(parsed.options->values, std::vector<int>{0});
    EXPECT_TRUE(parsed.options->ChangesDevice());

    parsed = ParseCtlArguments(Split("--tcp h load-conf a.conf --defaults-for-missing"));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->file, "a.conf");
    EXPECT_TRUE(parsed.options->defaultsForMissing);

    parsed = ParseCtlArguments(Split("--tcp device identify"));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->port, 43101);
    EXPECT_EQ(parsed.options->line.baudRate, 9600);
    EXPECT_EQ(parsed.options->address, 1);
    EXPECT_EQ(parsed.options->family, 0);
}

// A password on the command line is visible to every user in the process list: it may come from a
// file (its first line) or from the environment instead; the command line wins, then the file.
TEST(CtlOptions, PasswordFromAFileOrTheEnvironment) {
    QTemporaryDir dir;
    const QString file = dir.filePath("password");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("JUXT  \r\nsecond line\n");
    out.close();
    qputenv("QEL880_PASSWORD", "ENVX");
    struct Case {
        QStringList arguments;
        std::optional<QString> password;
    };
    const Case cases[] = {
        {{"--password", "ABCD"}, "ABCD"},
        {{"--password-file", file}, "JUXT"},
        {{"--password-file", file, "--password", "ABCD"}, "ABCD"},
        {{}, "ENVX"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseCtlArguments(QStringList{"--tcp", "h", "command", "5"} + c.arguments);
        ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
        EXPECT_EQ(parsed.options->password, c.password) << c.arguments.join(' ').toStdString();
    }
    qunsetenv("QEL880_PASSWORD");
    EXPECT_EQ(ParseCtlArguments(Split("--tcp h command 5")).options->password, std::nullopt);
    const auto missing =
        ParseCtlArguments(QStringList{"--tcp", "h", "--password-file", dir.filePath("none")});
    EXPECT_FALSE(missing.options);
    EXPECT_EQ(missing.error, "cannot read the password from " + dir.filePath("none"));
}

// Options may stand before, between or after the command's words.
TEST(CtlOptions, WatchTakesItsIntervalAndCsv) {
    auto parsed = ParseCtlArguments(Split("--tcp h watch 510 4 --interval 0.25 --csv"));
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->command, TCtlCommand::Watch);
    EXPECT_EQ(parsed.options->first, 510);
    EXPECT_EQ(parsed.options->count, 4);
    EXPECT_EQ(parsed.options->intervalMs, 250);
    EXPECT_TRUE(parsed.options->csv);
    parsed = ParseCtlArguments(Split("--tcp h watch 1500 1"));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->intervalMs, 1000);
    EXPECT_FALSE(parsed.options->csv);
}

TEST(CtlOptions, OptionsAnywhereOnTheLine) {
    for (const char* line : {
             "--serial /dev/x --address 7 --password juxt write 1500 4 5",
             "write 1500 4 5 --serial /dev/x --address 7 --password juxt",
             "--serial /dev/x write 1500 --address 7 4 --password juxt 5",
         }) {
        SCOPED_TRACE(line);
        const auto parsed = ParseCtlArguments(Split(line));
        ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
        EXPECT_EQ(parsed.options->serialPath, "/dev/x");
        EXPECT_EQ(parsed.options->address, 7);
        EXPECT_EQ(parsed.options->password, "juxt");
        EXPECT_EQ(parsed.options->command, TCtlCommand::Write);
        EXPECT_EQ(parsed.options->first, 1500);
        EXPECT_EQ(parsed.options->values, (std::vector<int>{4, 5}));
    }
}

// Help and version need no link or command, and win over a complete command line.
TEST(CtlOptions, HelpAndVersion) {
    const std::pair<const char*, TCtlRequest> kCases[] = {
        {"--help", TCtlRequest::Help},
        {"-h", TCtlRequest::Help},
        {"--serial /dev/x identify --help", TCtlRequest::Help},
        {"--version", TCtlRequest::Version},
        {"read 1 --version --tcp h", TCtlRequest::Version},
    };
    for (const auto& [line, request] : kCases) {
        const auto parsed = ParseCtlArguments(Split(line));
        EXPECT_EQ(parsed.request, request) << line;
        EXPECT_FALSE(parsed.options) << line;
    }
    EXPECT_EQ(ParseCtlArguments(Split("--tcp h identify")).request, TCtlRequest::Run);
}

TEST(CtlOptions, RefusedCommandLines) {
    for (const char* line : {
             "",
             "identify",                               // no link
             "--serial /dev/x --tcp h identify",       // two links
             "--serial /dev/x read",                   // missing FIRST
             "--serial /dev/x read 65536",             // register out of range
             "--serial /dev/x read 65535 2",           // past the last register
             "--serial /dev/x read 1 0",               // no registers
             "--serial /dev/x write 1",                // no value
             "--serial /dev/x write 1 65536",          // value out of range
             "--serial /dev/x write 65535 1 2",        // run past the last register
             "--serial /dev/x write -1 5",             // negative register
             "--serial /dev/x --address 256 identify", // address out of range
             "--serial /dev/x --format 7N1 identify",  // unknown format
             "--serial /dev/x --family 5 identify",    // unknown family
             "--serial /dev/x --baud fast identify",   // not a number
             "--tcp host:0 identify",                  // port out of range
             "--tcp :43101 identify",                  // no host
             "--serial /dev/x command",                // missing code
             "--serial /dev/x identify now",           // extra argument
             "--serial /dev/x erase",                  // unknown command
             "--serial /dev/x --verbose identify",     // unknown option
             "--serial",                               // option without value
             "--tcp h --defaults-for-missing read 1",  // load-conf only
             "--tcp h watch 510",                      // missing COUNT
             "--tcp h watch 510 2 --interval 0.05",    // faster than 0.1 s
             "--tcp h watch 510 2 --interval x",       // not a number
             "--tcp h read 510 --csv",                 // watch only
         }) {
        const auto parsed = ParseCtlArguments(Split(line));
        EXPECT_FALSE(parsed.options) << line;
        EXPECT_FALSE(parsed.error.isEmpty()) << line;
    }
}

} // namespace
