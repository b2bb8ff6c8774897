#include "model/TapPosition.h"

#include <gtest/gtest.h>

namespace {

TEST(TapPosition, EveryStyleAroundTheReference) {
    struct Case {
        int style;
        int position;
        int reference;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {0, 7, 10, "7"},          {0, 0, 10, "0"},           {1, 7, 10, "-3"},  {1, 12, 10, "2"},
        {2, 7, 10, "3"},          {2, 12, 10, "-2"},         {3, 7, 10, "3L"},  {3, 12, 10, "2R"},
        {3, 10, 10, "N"},         {4, 7, 10, "3R"},          {4, 12, 10, "2L"}, {4, 10, 10, "N"},
        {5, 7, 10, std::nullopt}, {-1, 7, 10, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TapPosition::Text(c.style, c.position, c.reference), c.text)
            << c.style << " " << c.position << " " << c.reference;
}

} // namespace
