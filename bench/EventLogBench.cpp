// The event-log download of 1000 events (100 blocks) against the simulator, over TCP and over a pty
// at 115200 baud, printed next to the waits a design with fixed waits would take: 10 ms per framed
// wait, and per RTU block the 150 ms post-write delay plus the bytes on a 115200-baud wire.
#include "SimProcess.h"

#include "link/EquipComm.h"
#include "persistence/EventLog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kEvents = 1000;
constexpr int kBlocks = kEvents / 10;
constexpr int kBaud = 115200;

// Bytes of one RTU block on the wire: the selector write and its echo, the two reads and replies.
constexpr int kRtuBlockBytes = (8 + 8) + (8 + 5 + 2 * 100) + (8 + 5 + 2 * 30);

bool WaitConnected(TEquipComm& session) {
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QObject::connect(&session, &TEquipComm::linkStateChanged, &loop, [&] {
        if (session.IsConnected())
            loop.quit();
    });
    if (!session.IsConnected())
        loop.exec();
    return session.IsConnected();
}

struct TRun {
    bool ok = false;
    int lines = 0;
    double seconds = 0;
    std::uint32_t framedTransactions = 0;
};

TRun Download(TEquipComm& session) {
    TRun run;
    const std::uint32_t before = session.TransactionCounter();
    const auto t0 = std::chrono::steady_clock::now();
    const EventLog::TDownload download = EventLog::Download(
        session, [](int, int) {}, EventLog::PauseHandlingEvents);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    run.ok = download.ok;
    run.lines = static_cast<int>(download.lines.size());
    run.framedTransactions = session.TransactionCounter() - before;
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TSimProcess sim({"--model", "T", "--events", QString::number(kEvents), "--baud", QString::number(kBaud)});
    if (!sim.IsReady()) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    TEquipComm tcp;
    tcp.SetFamily(0);
    if (!tcp.OpenTcp("127.0.0.1", "", sim.Port()) || !WaitConnected(tcp)) {
        std::fprintf(stderr, "no TCP connection\n");
        return 1;
    }
    const TRun framed = Download(tcp);
    tcp.Close();

    TEquipComm rtu;
    rtu.SetFamily(0);
    if (!rtu.OpenSerial(sim.RtuPath(), TLineSettings{kBaud, 0, 0}, false)) {
        std::fprintf(stderr, "no serial link\n");
        return 1;
    }
    const TRun serial = Download(rtu);

    const double framedFloor = framed.framedTransactions * 0.010;
    const double wire = kRtuBlockBytes * 10.0 / kBaud;
    const double rtuFloor = kBlocks * (0.150 + wire);
    std::printf("| %-34s | %5s | %9s | %22s | %9s |\n", "event log, 1000 events", "lines", "wall (s)",
                "fixed-wait design (s)", "ratio");
    std::printf("| %-34s | %5d | %9.3f | %22.3f | %8.1f%% |\n", "framed TCP (loopback)", framed.lines,
                framed.seconds, framedFloor, 100.0 * framed.seconds / framedFloor);
    std::printf("| %-34s | %5d | %9.3f | %22.3f | %8.1f%% |\n", "RTU, pty at 115200 baud", serial.lines,
                serial.seconds, rtuFloor, 100.0 * serial.seconds / rtuFloor);
    std::printf("framed transactions: %u; RTU wire time per block at %d baud: %.1f ms\n",
                framed.framedTransactions, kBaud, wire * 1000);
    // A pty carries the bytes at once: over it the floor is the post-write delays alone.
    std::printf("RTU over the pty against the post-write delays alone (%.3f s): %.1f%%\n", kBlocks * 0.150,
                100.0 * serial.seconds / (kBlocks * 0.150));
    return framed.ok && serial.ok ? 0 : 1;
}
