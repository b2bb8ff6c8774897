#include "persistence/IniDocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(IniDocument, KeepsWhatItDoesNotKnow) {
    TIniDocument d;
    d.Parse("; a note\n[Mine]\nA = 1\ngarbage line\n[Other]\nZ=9\r\n[mine]\nB=2\n");
    EXPECT_EQ(d.ReadInteger("MINE", "a", 0), 1); // names match without regard to case
    d.WriteString("Mine", "A", "5");
    d.WriteString("Mine", "C", "x");
    d.WriteString("New", "K", "v");
    EXPECT_EQ(d.Text(),
              "; a note\r\n[Mine]\r\nA=5\r\ngarbage line\r\nC=x\r\n[Other]\r\nZ=9\r\n[mine]\r\nB=2\r\n"
              "[New]\r\nK=v\r\n");
}

TEST(IniDocument, ValuesStayOnTheirLine) {
    TIniDocument d;
    d.WriteString("S", "K", "first\r\n[Injected]\nX=1");
    d.WriteString("S", "N", std::string("a\0b", 3));
    EXPECT_EQ(d.Text(), "[S]\r\nK=first\r\nN=a\r\n");
}

TEST(IniDocument, Integers) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {{"42", 42},   {" -7 ", -7},       {"0x1F", 31},
                          {"$ff", 255}, {"0xFFFFFFFF", -1}, {"2147483648", {}},
                          {"12a", {}},  {"", {}},           {"-1062731726", -1062731726},
                          {"1.5", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
    TIniDocument d;
    d.Parse("[S]\nK=abc\n");
    EXPECT_EQ(d.ReadInteger("S", "K", 9), 9);
    EXPECT_EQ(d.ReadInteger("S", "Missing", 8), 8);
}

TEST(IniDocument, SaveReplacesTheFileWhole) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("a.ini").toStdString();
    TIniDocument d;
    d.WriteInteger("S", "K", 1);
    ASSERT_TRUE(d.Save(path));
    EXPECT_EQ(ReadAll(path), "[S]\r\nK=1\r\n");
    TIniDocument loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.ReadInteger("S", "K", 0), 1);

    // A folder that cannot be written to: the save fails and the old file stays.
    EXPECT_FALSE(d.Save(dir.filePath("missing/a.ini").toStdString()));
    EXPECT_FALSE(loaded.Load(dir.filePath("none.ini").toStdString()));
    EXPECT_FALSE(loaded.HasSection("S")); // an unreadable file gives an empty document
}

} // namespace
