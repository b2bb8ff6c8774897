#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "persistence/ProgramMainConf.h"
#include "ui/general/GeneralScreen.h"
#include "ui/shell/StartOptions.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QProcess>

namespace {

using TAction = TStartParse::TAction;

TEST(StartOptions, CommandLines) {
    struct Case {
        QStringList args;
        TAction action;
    };
    const Case cases[] = {
        {{}, TAction::Run},
        {{"--model", "irr", "--language", "EN"}, TAction::Run},
        {{"--tcp", "plant-7:5000", "--local", "10.0.0.2"}, TAction::Run},
        {{"--serial", "/dev/ttyUSB0", "--baud", "115200", "--format", "8e1", "--address", "7", "--usb"},
         TAction::Run},
        {{"--help"}, TAction::Help},
        {{"--version"}, TAction::Version},
        {{"--model", "X"}, TAction::Error},
        {{"--language", "de"}, TAction::Error},
        {{"--tcp", "a", "--serial", "b"}, TAction::Error},
        {{"--baud", "9600"}, TAction::Error}, // serial settings without a serial port
        {{"--local", "10.0.0.2"}, TAction::Error},
        {{"--tcp", ":43101"}, TAction::Error},
        {{"--tcp", "host:70000"}, TAction::Error},
        {{"--serial", "p", "--format", "7N1"}, TAction::Error},
        {{"--serial", "p", "--address", "0"}, TAction::Error},
        {{"--bogus"}, TAction::Error},
        {{"stray"}, TAction::Error},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseStartArguments(c.args).action, c.action) << c.args.join(' ').toStdString();

    const TStartOptions tcp = ParseStartArguments({"--tcp", "plant-7:5000", "--model", "C"}).options;
    EXPECT_EQ(tcp.link, TStartOptions::TLink::Tcp);
    EXPECT_EQ(tcp.host, "plant-7");
    EXPECT_EQ(tcp.port, 5000);
    EXPECT_EQ(tcp.family, 4);
    const TStartOptions serial =
        ParseStartArguments({"--serial", "/dev/ttyUSB0", "--format", "8N2", "--usb", "--language", "es"})
            .options;
    EXPECT_EQ(serial.format, 3);
    EXPECT_TRUE(serial.usb);
    EXPECT_EQ(serial.language, 2);
    EXPECT_EQ(serial.baudRate, 9600);
}

TEST(StartOptions, BadOptionExitsWithoutAWindow) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY"); // a window would fail to open: the exit code must come first
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(QEL880_PATH, {"--model", "Z"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("usage: qel880"));
    program.start(QEL880_PATH, {"--version"});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().trimmed(), "qel880 1.2.6");
}

TEST(StartOptions, ConnectsAsTheButtonsDo) {
    TLoggedInWindow fixture({"--model", "T"}, 1);
    ASSERT_TRUE(fixture.Sim().IsReady());
    fixture.prompts.dialogs = {[](QDialog& d) {
        Find<QLineEdit>(&d, "edSenha")->setText("JUXT");
        return static_cast<int>(QDialog::Accepted);
    }};
    const TStartParse parse = ParseStartArguments({"--model", "T", "--language", "en", "--tcp",
                                                   QStringLiteral("localhost:%1").arg(fixture.Sim().Port())});
    ASSERT_EQ(parse.action, TAction::Run);
    fixture.Window().StartWith(parse.options);
    EXPECT_TRUE(fixture.Window().Session().IsConnected());
    EXPECT_EQ(fixture.Window().Language(), 1);
    const TConnectionSettings& saved = fixture.Window().Settings().connection[0];
    EXPECT_EQ(saved.address, "localhost");
    EXPECT_EQ(saved.deviceIp, "127.0.0.1");
    EXPECT_EQ(saved.ipPort, fixture.Sim().Port());

    // A wrong password is refused with the screen's own message.
    Click(fixture.General(), "bbConectar");
    fixture.prompts.dialogs = {[](QDialog& d) {
        Find<QLineEdit>(&d, "edSenha")->setText("NOPE");
        return static_cast<int>(QDialog::Accepted);
    }};
    fixture.Window().StartWith(parse.options);
    EXPECT_FALSE(fixture.Window().Session().IsConnected());
    EXPECT_EQ(fixture.prompts.shown.back(), "error: Password wrong");
}

} // namespace
