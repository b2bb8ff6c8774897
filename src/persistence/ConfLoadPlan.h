#pragma once

#include "persistence/ConfLoadReport.h"
#include "persistence/ConfSchema.h"

#include <string>
#include <variant>
#include <vector>

class TIniDocument;

// A configuration file read and checked against one family's keys, before anything is sent: the
// values to write in file order (defaults where keys are missing), or why the file is refused.
class TConfLoadPlan {
public:
    struct TItem {
        const TConfKey* key;
        std::variant<int, std::string> value;
    };

    // Fills report.outcome, errorRegister, badKey, badValue and missingKeys; the plan's items are
    // meaningful only when the outcome is Loaded.
    TConfLoadPlan(int family, bool networkPortFlag, const TIniDocument& document, TLoadReport& report);

    const std::vector<TItem>& Items() const { return items_; }

private:
    bool CheckSignature(int family, const TIniDocument& document, TLoadReport& report);
    bool CheckKey(const TConfKey& key, const TIniDocument& document, TLoadReport& report);
    bool Refuse(const TConfKey& key, const std::string& text, TLoadReport& report);

    bool networkPortFlag_;
    std::vector<TItem> items_;
};
