#include "persistence/IniDocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <climits>
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
    const Case cases[] = {{"42", 42},
                          {" -7 ", -7},
                          {"+7", 7},
                          {"0x1F", 31},
                          {"$ff", 255},
                          {"0xFFFFFFFF", -1},
                          {"-0x10", -16},
                          {"2147483648", {}},
                          {"-2147483648", INT_MIN},
                          {"-2147483649", {}},
                          {"12a", {}},
                          {"", {}},
                          {"-", {}},
                          {"0x", {}},
                          {"-1062731726", -1062731726},
                          {"1.5", {}},
                          {"--62", {}},
                          {"+-5", {}},
                          {"0x-5", {}},
                          {"$+5", {}},
                          {"- 5", {}},
                          {"--9223372036854775808", {}},
                          {"99999999999999999999999", {}},
                          {"0x100000000", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
    TIniDocument d;
    d.Parse("[S]\nK=abc\n");
    EXPECT_EQ(d.ReadInteger("S", "K", 9), 9);
    EXPECT_EQ(d.ReadInteger("S", "Missing", 8), 8);
}

TEST(IniDocument, WhatOtherEditorsLeave) {
    TIniDocument d;
    // A byte-order mark, CR LF line ends, blank lines and blanks around names and values.
    d.Parse(
        "\xEF\xBB\xBF[GeneralConf]\r\nDeviceSignature = 10146\r\nWifiSsid= Net \r\n\r\n[Other]\r\nK=1\r\n");
    EXPECT_TRUE(d.HasSection("GeneralConf"));
    EXPECT_EQ(d.ReadInteger("GeneralConf", "DeviceSignature", 0), 10146);
    EXPECT_EQ(d.Value("GeneralConf", "WifiSsid"), " Net "); // text values keep their blanks
    // Blank lines survive a save; a new key goes before the blank line that ends its section.
    d.WriteString("GeneralConf", "New", "v");
    EXPECT_EQ(d.Text(), "[GeneralConf]\r\nDeviceSignature= 10146\r\nWifiSsid= Net \r\nNew=v\r\n\r\n"
                        "[Other]\r\nK=1\r\n");
}

TEST(IniDocument, WhatItWritesReadsBackTheSame) {
    // Found by fuzzing: a second byte-order mark, and an explicit empty first section header.
    for (const char* text :
         {"\xEF\xBB\xBF\xEF\xBB\xBF[GeneralConf]\nLanguage=1\n", "[]\n[]\nk=v\n", "a=1\n[S]\nb=2\n"}) {
        TIniDocument d;
        d.Parse(text);
        TIniDocument again;
        again.Parse(d.Text());
        EXPECT_EQ(again.Text(), d.Text()) << text;
    }
    TIniDocument d;
    d.Parse("\xEF\xBB\xBF\xEF\xBB\xBF[GeneralConf]\nLanguage=1\n");
    EXPECT_EQ(d.ReadInteger("GeneralConf", "Language", 0), 1);
}

TEST(IniDocument, OnlyRegularFilesOfASaneSizeAreRead) {
    QTemporaryDir dir;
    TIniDocument d;
    SmallFile::TReadError error = SmallFile::TReadError::None;
    EXPECT_FALSE(d.Load(dir.path().toStdString(), error));
    EXPECT_EQ(error, SmallFile::TReadError::NotAFile);
    EXPECT_FALSE(d.Load("/dev/zero", error));
    EXPECT_EQ(error, SmallFile::TReadError::NotAFile);
    const std::string large = dir.filePath("large.ini").toStdString();
    std::ofstream(large) << std::string(SmallFile::kMaxBytes + 1, ';');
    EXPECT_FALSE(d.Load(large, error));
    EXPECT_EQ(error, SmallFile::TReadError::TooLarge);
    std::ofstream(large, std::ios::trunc) << "[S]\nK=1\n";
    EXPECT_TRUE(d.Load(large, error));
    EXPECT_EQ(error, SmallFile::TReadError::None);
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
