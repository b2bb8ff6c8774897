// Link transaction costs against real peers, printed as a table:
//   RTU ReadRegisters of 100 registers against a libmodbus slave on a socat pty pair, at once and
//   with the reply held back as long as a real line takes;
//   framed FlushReads of the 38-register measurement batch against a loopback server in its own thread;
//   the thermal refresh and save of a configuration file over the same server.
#include "FramedPeer.h"
#include "ModbusPeer.h"
#include "PtyPair.h"

#include "link/EquipComm.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct TResult {
    const char* name;
    int runs = 0;
    int failures = 0;
    double medianUs = 0;
    double p90Us = 0;
    double cpuUs = 0; // program thread CPU per transaction
};

TResult Measure(const char* name, int runs, const std::function<bool()>& transaction) {
    TResult result{name, runs};
    std::vector<double> wall;
    const double cpuStart = ThreadCpuSeconds();
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!transaction())
            ++result.failures;
        wall.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    result.cpuUs = (ThreadCpuSeconds() - cpuStart) * 1e6 / runs;
    std::sort(wall.begin(), wall.end());
    result.medianUs = wall[wall.size() / 2];
    result.p90Us = wall[wall.size() * 9 / 10];
    return result;
}

// A pty passes bytes at once; the delayed run stands for the 18 ms that a 205-byte reply takes
// on a 115200-baud line, so that the CPU spent while waiting shows.
TResult BenchRtu(const char* name, int replyDelayMs, int runs) {
    TPtyPair pty;
    TModbusPeer peer(pty.DeviceEnd().toLocal8Bit().constData(), 115200, 'N', 1);
    peer.SetReplyDelay(replyDelayMs);
    TEquipComm session;
    if (!pty.IsReady() || !peer.IsReady() ||
        !session.OpenSerial(pty.ProgramEnd(), TLineSettings{115200, 0, 0}, true))
        return {"RTU [open failed]", 0};
    return Measure(name, runs, [&] { return session.ReadRegisters(1, 100); });
}

// The framed peer runs in a thread of its own so that its work is not counted as the program's.
class TPeerThread {
public:
    TPeerThread() {
        thread_ = QThread::create([this] {
            TFramedPeer peer;
            QEventLoop loop;
            port_ = peer.Port();
            loop_ = &loop;
            ready_ = true;
            loop.exec();
        });
        thread_->start();
        while (!ready_)
            QThread::msleep(1);
    }
    ~TPeerThread() {
        QMetaObject::invokeMethod(loop_, "quit", Qt::QueuedConnection);
        thread_->wait();
        delete thread_;
    }
    bool Connect(TEquipComm& session) const {
        session.OpenTcp("127.0.0.1", "", port_);
        while (session.IsConnecting())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return session.IsConnected();
    }

private:
    QThread* thread_ = nullptr;
    QEventLoop* loop_ = nullptr;
    std::atomic<std::uint16_t> port_ = 0;
    std::atomic<bool> ready_ = false;
};

TResult BenchFramed() {
    TPeerThread peer;
    TEquipComm session;
    TResult result{"framed FlushReads, 38-register batch", 0};
    if (peer.Connect(session)) {
        result = Measure(result.name, 2000, [&] {
            session.ReadRegisters(1500, 1, true);
            session.ReadRegisters(401, 6, true);
            session.ReadRegisters(501, 21, true);
            session.ReadRegisters(601, 10, true);
            return session.FlushReads(0.1);
        });
    }
    session.Close();
    return result;
}

TResult BenchFramedSave() {
    TPeerThread peer;
    TEquipComm session;
    session.SetNetworkPortFlag(true);
    QTemporaryDir dir;
    const std::string path = dir.filePath("bench.conf").toStdString();
    TResult result{"framed thermal refresh + save", 0};
    if (peer.Connect(session)) {
        result = Measure(result.name, 50, [&] {
            return RefreshConfiguration(session) && ConfFile::SaveConfFile(session, path);
        });
    }
    session.Close();
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const TResult results[] = {
        BenchRtu("RTU ReadRegisters(100), pty", 0, 200),
        BenchRtu("RTU ReadRegisters(100), reply +18 ms", 18, 50),
        BenchFramed(),
        BenchFramedSave(),
    };
    std::printf("| %-38s | %5s | %5s | %12s | %12s | %14s | %9s |\n", "transaction", "runs", "fails",
                "median wall", "p90 wall", "CPU per trans.", "CPU/wall");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(7, '-').c_str(),
                std::string(7, '-').c_str(), std::string(14, '-').c_str(), std::string(14, '-').c_str(),
                std::string(16, '-').c_str(), std::string(11, '-').c_str());
    for (const TResult& r : results) {
        std::printf("| %-38s | %5d | %5d | %9.1f us | %9.1f us | %11.1f us | %8.1f%% |\n", r.name, r.runs,
                    r.failures, r.medianUs, r.p90Us, r.cpuUs,
                    r.medianUs > 0 ? 100.0 * r.cpuUs / r.medianUs : 0.0);
    }
    return 0;
}
