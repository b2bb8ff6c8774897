#include "model/DeviceIdentity.h"
#include "model/RegisterImage.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceIdentity, SignaturesAndVersions) {
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(23847), 0);
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(15012), 0);
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(10146), 1);
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(58202), 2);
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(15226), 3);
    EXPECT_EQ(DeviceIdentity::FamilyOfSignature(18447), 4);
    EXPECT_FALSE(DeviceIdentity::FamilyOfSignature(0));
    EXPECT_EQ(DeviceIdentity::PackedVersionText(0x1305), "1.3.5");
    EXPECT_EQ(DeviceIdentity::PackedVersionText(0x120A), "1.2.10");
    EXPECT_EQ(DeviceIdentity::PackedVersionText(0xFFFF), "15.15.255");
}

TEST(DeviceIdentity, PasswordComparison) {
    TRegisterImage image;
    for (int i = 0; i < 4; ++i)
        image.StoreRegister(1600 + i, static_cast<std::uint16_t>("JUXT"[i]));
    struct Case {
        const char* typed;
        bool matches;
    };
    const Case cases[] = {
        {"JUXT", true}, {" juxt\t", true}, {"JuXtRA", true}, // trimmed, upper-cased, fifth letter on ignored
        {"JUX", false}, {"  JUX ", false}, {"JUXA", false},  {"", false}, {"J UXT", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceIdentity::PasswordMatches(c.typed, image), c.matches) << '"' << c.typed << '"';
}

} // namespace

namespace {

TEST(DeviceIdentity, ProgramVersionAndChecks) {
    EXPECT_EQ(DeviceIdentity::ProgramVersionText(), "1.2.6");
    EXPECT_EQ(DeviceIdentity::ProgramVersionPacked(), 0x1206);
    EXPECT_FALSE(DeviceIdentity::NeedsNewerProgram(0x1206));
    EXPECT_TRUE(DeviceIdentity::NeedsNewerProgram(0x1207));

    EXPECT_TRUE(DeviceIdentity::CheckSignature(0, 15012).accepted);
    const auto other = DeviceIdentity::CheckSignature(1, 23847);
    EXPECT_FALSE(other.accepted);
    EXPECT_EQ(other.otherFamily, 0);
    EXPECT_FALSE(DeviceIdentity::CheckSignature(2, 1234).otherFamily);

    EXPECT_TRUE(DeviceIdentity::ConfSignatureAccepted(4, 0));
    EXPECT_TRUE(DeviceIdentity::ConfSignatureAccepted(4, 18447));
    EXPECT_FALSE(DeviceIdentity::ConfSignatureAccepted(4, 58202));
    EXPECT_TRUE(DeviceIdentity::ConfSignatureAccepted(0, 15012));
}

} // namespace
