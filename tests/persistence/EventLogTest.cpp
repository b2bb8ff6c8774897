#include "persistence/EventLog.h"
#include "model/DeviceTimestamp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(DeviceTimestamp, WordsAndDates) {
    struct Case {
        std::array<std::int32_t, 3> words;
        std::int64_t ms;
        const char* text;
    };
    const Case cases[] = {
        {{26747, 53221, 395}, 1700000000123, "14/11/23 22:13:20:123"},
        {{0, 0, 0}, 0, "01/01/70 00:00:00:000"},
        {{57344, 39590, 221}, 951782400000, "29/02/00 00:00:00:000"},      // a leap day of a century
        {{3072, 23707, 956}, 4107542400000, "01/03/00 00:00:00:000"},      // 2100 has no 29 February
        {{65535, 65535, 65535}, 281474976710655, "02/08/89 05:31:50:655"}, // the largest count: 2 August
                                                                           // 10889
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DeviceTimestamp::FromWords(c.words[0], c.words[1], c.words[2]), c.ms);
        EXPECT_EQ(DeviceTimestamp::Format(c.ms), c.text);
    }
}

TEST(EventLog, LinesShowWhatIsFitted) {
    const std::array<std::int32_t, 13> words{26747, 53221, 395, 1750, 1500, 0,     1750,
                                             1500,  0,     0,   0,    0,    0x0205};
    struct Case {
        int windings;
        int rtds;
        const char* line;
    };
    const Case cases[] = {
        {1, 2, "14/11/23 22:13:20:123  Enr1: 25.0 RTD1: 25.0 RTD2: 0.0 Rele: 1 0 1 0 0 0 0 0 0 1"},
        {3, 6,
         "14/11/23 22:13:20:123  Enr1: 25.0 Enr2: 0.0 Enr3: -150.0 RTD1: 25.0 RTD2: 0.0 RTD3: -150.0 "
         "RTD4: -150.0 RTD5: -150.0 RTD6: -150.0 Rele: 1 0 1 0 0 0 0 0 0 1"},
        // Nothing fitted (a membrane-test device): winding 1 and RTD 1 are always written.
        {0, 0, "14/11/23 22:13:20:123  Enr1: 25.0 RTD1: 25.0 Rele: 1 0 1 0 0 0 0 0 0 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(EventLog::Line(words, c.windings, c.rtds), c.line);
    }
}

TEST(EventLog, SaveEndsEveryLineWithCrLfAndReportsAFolderItCannotWrite) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("events.txt").toStdString();
    ASSERT_TRUE(EventLog::Save(path, {"a", "b"}));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("a\r\nb\r\n"));
    ASSERT_TRUE(EventLog::Save(path, {}));
    EXPECT_EQ(QFile(QString::fromStdString(path)).size(), 0);
    EXPECT_FALSE(EventLog::Save(dir.filePath("missing/events.txt").toStdString(), {"a"}));
}

} // namespace
