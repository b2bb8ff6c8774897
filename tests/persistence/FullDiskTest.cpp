#include "persistence/CommissioningReport.h"
#include "persistence/DeviceList.h"
#include "persistence/EventLog.h"
#include "persistence/IniDocument.h"
#include "persistence/SmallFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr rlim_t kLimit = 2000; // bytes a file may grow to in the child: a disk that fills up

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Runs `write` in a child process whose files cannot grow past the limit, as on a full disk (the
// write fails with EFBIG, SIGXFSZ ignored); the child's exit status is 0 when the writer said so.
bool ReportsTheFailure(const std::function<bool()>& write) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kLimit, kLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(write() ? 1 : 0);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every writer of the program's files replaces a good file whole or not at all. Before, a write
// the disk refused left a truncated file in place of the good one, and the save said "saved".
TEST(FullDisk, NoWriterReplacesAGoodFileWithAShortOne) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("target").toStdString();
    const std::string big(3 * kLimit, 'x');
    const std::vector<std::string> lines(200, std::string(60, 'e'));
    struct Case {
        const char* name;
        std::function<bool()> write;
    };
    const Case cases[] = {
        {"file", [&] { return SmallFile::Write(path, big); }},
        {"ini document",
         [&] {
             TIniDocument d;
             d.WriteString("Section", "Key", big);
             return d.Save(path);
         }},
        {"event file", [&] { return EventLog::Save(path, lines); }},
        {"report", [&] { return CommissioningReport::SaveHtml(big, path); }},
        {"device list",
         [&] {
             TDeviceList list(path);
             for (int i = 0; i < 100; ++i)
                 list.Append({"a device with a long name " + std::to_string(i), "10.0.0.1", "43101", "", ""});
             return list.Save();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SmallFile::Write(path, "the good file\r\n"));
        EXPECT_TRUE(ReportsTheFailure(c.write));
        EXPECT_EQ(Contents(path), "the good file\r\n");
        // Without the limit the same write goes through whole.
        EXPECT_TRUE(c.write());
        EXPECT_GT(Contents(path).size(), kLimit);
    }
}

} // namespace
