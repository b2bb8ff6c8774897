#include "SimDevice.h"
#include "SimMaps.h"
#include "SimOptions.h"
#include "SimLinks.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char* argv[]) {
    const TSimParse parsed = ParseSimArguments(argc, argv);
    switch (parsed.request) {
    case TSimRequest::Help:
        std::printf("%s", kSimUsage);
        return 0;
    case TSimRequest::Version:
        std::printf("qel880-sim %s\n", QEL880_VERSION);
        return 0;
    case TSimRequest::Run:
        break;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "qel880-sim: %s\n%s", parsed.error.c_str(), kSimUsage);
        return 2;
    }
    const TSimOptions& options = *parsed.options;
    if (const auto reg = PresetOutsideModel(options)) {
        std::fprintf(stderr, "qel880-sim: --set: the model has no register %d\n%s", *reg, kSimUsage);
        return 2;
    }
    QCoreApplication app(argc, argv);

    // SIGINT and SIGTERM end the event loop through a socket pair, the one safe way out of a handler.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return 1;
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

    TSimDevice device(options);
    TSimLinks links(device, options);
    if (!links.Start())
        return 1;
    std::fflush(stdout);
    // A link that goes away for a while, as a pulled adapter or a rebooting device's does.
    if (options.vanishAfter > 0) {
        QTimer::singleShot(options.vanishAfter * 1000, &app, [&links, &options, &app] {
            links.Stop();
            std::printf("vanished\n");
            std::fflush(stdout);
            if (options.returnAfter > 0)
                QTimer::singleShot(options.returnAfter * 1000, &app, [&links, &app] {
                    if (!links.Start())
                        app.exit(1);
                    std::fflush(stdout);
                });
        });
    }

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&device] { device.Tick(); });
    tick.start(1000);
    app.exec();
    return 0;
}
