#pragma once

#include "LoggedInWindow.h"
#include "UiHelpers.h"

#include "link/EquipComm.h"
#include "ui/common/Screen.h"

#include <QLineEdit>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Tables of typed entries for settings screens whose every commit checks all their boxes: a box's
// k-th entry goes into commit k, so one commit tries an entry of every box, the refused ones beside
// the accepted ones.
namespace SettingRounds {

struct TCase {
    const char* box;
    const char* typed;
    int reg;
    int value;           // on the device; -1: refused
    const char* message; // when refused
};

inline std::vector<std::vector<TCase>> Rounds(const std::vector<TCase>& cases) {
    std::vector<std::vector<TCase>> rounds;
    std::map<std::string, std::size_t> seen;
    for (const TCase& c : cases) {
        const std::size_t k = seen[c.box]++;
        if (rounds.size() <= k)
            rounds.resize(k + 1);
        rounds[k].push_back(c);
    }
    return rounds;
}

// Types every entry of the round, commits once, and checks the device, the messages, the boxes of
// refused entries (back to what they showed) and that only the changed registers travelled.
inline void CheckRound(TLoggedInWindow& w, const std::vector<TCase>& round) {
    auto box = [&w](const char* name) { return Find<QLineEdit>(w.Window().ShownScreen(), name); };
    std::map<int, std::optional<std::uint16_t>> before;
    std::map<std::string, QString> shownBefore;
    for (const TCase& c : round) {
        before[c.reg] = w.Device(static_cast<std::uint16_t>(c.reg));
        shownBefore[c.box] = box(c.box)->text();
        box(c.box)->setText(c.typed);
    }
    w.prompts.shown.clear();
    std::set<int> confirmed; // a framed commit reads back exactly what it wrote
    w.Window().Session().SetValueObserver([&confirmed](int reg, std::uint16_t) { confirmed.insert(reg); });
    w.TypeAndCommit(round.back().box, round.back().typed);
    w.Window().Session().SetValueObserver({});

    QStringList messages;
    std::set<int> changed;
    for (const TCase& c : round) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        const auto now = w.Device(static_cast<std::uint16_t>(c.reg));
        if (c.value < 0) {
            messages << QString("error: ") + c.message;
            EXPECT_EQ(now, before[c.reg]);
            EXPECT_EQ(box(c.box)->text(), shownBefore[c.box]);
        } else {
            EXPECT_EQ(now, c.value);
            if (before[c.reg] != c.value)
                changed.insert(c.reg);
        }
    }
    QStringList shown = w.prompts.shown;
    std::sort(messages.begin(), messages.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, messages);
    EXPECT_EQ(confirmed, changed);
}

} // namespace SettingRounds
