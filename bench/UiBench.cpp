// The program's own costs, printed as a table: start-up to the first shown main window, resident
// memory after connecting, CPU per minute while the general screen polls a simulated device over
// TCP and over a pty, and the longest the window goes without handling its events while the general
// screen polls a serial device that has gone silent. Runs offscreen against qel880-sim.
#include "ScriptedPrompts.h"
#include "SimProcess.h"

#include "link/EquipComm.h"
#include "ui/general/FrameConfGeral.h"
#include "ui/shell/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kPollSeconds = 10;
constexpr int kSilentSeconds = 60;
constexpr int kProbeMs = 10;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void Run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TScriptedPrompts::TDialogScript Password() {
    return [](QDialog& d) {
        d.findChild<QLineEdit*>("edSenha")->setText("JUXT");
        return static_cast<int>(QDialog::Accepted);
    };
}

struct TPolling {
    long residentKb = 0;
    double cpuPerMinute = 0;
    bool connected = false;
};

void Connect(TFrameConfGeral* screen, TScriptedPrompts& prompts, const TSimProcess& sim, bool tcp) {
    if (tcp) {
        prompts.dialogs = {
            [&](QDialog& d) {
                d.findChild<QLineEdit*>("edEndereco")->setText("localhost");
                d.findChild<QLineEdit*>("edDominioPorta")->setText(QString::number(sim.Port()));
                d.findChild<QPushButton*>("bbOkEndereco")->click();
                return d.result();
            },
            Password()};
        screen->findChild<QPushButton*>("bbConectarIP")->click();
    } else {
        prompts.dialogs = {[&](QDialog& d) {
                               d.findChild<QComboBox*>("cbPortaCom")->setEditText(sim.RtuPath());
                               d.findChild<QPushButton*>("bbOk")->click();
                               return d.result();
                           },
                           Password()};
        screen->findChild<QPushButton*>("bbConectar")->click();
    }
}

TPolling Poll(TFormMain& window, TScriptedPrompts& prompts, const TSimProcess& sim, bool tcp) {
    auto* screen = dynamic_cast<TFrameConfGeral*>(window.ShownScreen());
    Connect(screen, prompts, sim, tcp);
    TPolling result;
    result.connected = window.Session().IsConnected();
    result.residentKb = ResidentKb();
    const double start = CpuSeconds();
    Run(kPollSeconds * 1000);
    result.cpuPerMinute = (CpuSeconds() - start) * 60.0 / kPollSeconds;
    screen->Disconnect();
    return result;
}

// The longest gap between two runs of a 10 ms timer, less its period, while the general screen
// polls a serial device that stops answering two seconds after the start, for 60 s.
double LongestStallMs(TFormMain& window, TScriptedPrompts& prompts) {
    TSimProcess silent({"--model", "T", "--silent-after", "2"});
    if (!silent.IsReady())
        return -1;
    auto* screen = dynamic_cast<TFrameConfGeral*>(window.ShownScreen());
    Connect(screen, prompts, silent, false);
    if (!window.Session().IsConnected())
        return -1;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    probe.start(kProbeMs);
    Run(kSilentSeconds * 1000);
    probe.stop();
    screen->Disconnect();
    return static_cast<double>(longest) / 1e6 - kProbeMs;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QElapsedTimer startup;
    startup.start();
    QApplication app(argc, argv);
    TScriptedPrompts prompts;
    TFormMain window(prompts, home.path().toStdString() + "/");
    window.show();
    QApplication::processEvents();
    const double startupMs = static_cast<double>(startup.nsecsElapsed()) / 1e6;

    TSimProcess sim({"--model", "T"});
    if (!sim.IsReady()) {
        std::fprintf(stderr, "qel880-sim did not start\n");
        return 1;
    }
    const TPolling tcp = Poll(window, prompts, sim, true);
    const TPolling rtu = Poll(window, prompts, sim, false);
    const double stallMs = LongestStallMs(window, prompts);

    std::printf("| %-46s | %14s |\n", "measure", "value");
    std::printf("|%s|%s|\n", std::string(48, '-').c_str(), std::string(16, '-').c_str());
    std::printf("| %-46s | %11.1f ms |\n", "start-up to the first shown main window", startupMs);
    std::printf("| %-46s | %11ld kB |\n", "resident memory after connecting (TCP)", tcp.residentKb);
    std::printf("| %-46s | %12.2f s |\n", "CPU per minute, polling over TCP", tcp.cpuPerMinute);
    std::printf("| %-46s | %12.2f s |\n", "CPU per minute, polling over the pty", rtu.cpuPerMinute);
    std::printf("| %-46s | %11.1f ms |\n", "longest stall, 60 s of a silent serial device", stallMs);
    if (!tcp.connected || !rtu.connected)
        std::printf("(a connection failed: %s)\n", qPrintable(prompts.shown.join("; ")));
    return 0;
}
