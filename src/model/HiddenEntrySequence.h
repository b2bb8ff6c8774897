#pragma once

#include <string>

// The secret key sequence that reveals the service entry, fed with Windows virtual-key codes.
class THiddenEntrySequence {
public:
    explicit THiddenEntrySequence(std::string sequence = "TidewaterQuorum")
        : sequence_(std::move(sequence)) {}

    // True once the whole sequence has been typed (and from then on).
    bool Feed(int virtualKey, bool shift);
    bool Revealed() const { return position_ >= sequence_.size(); }

private:
    std::string sequence_;
    std::size_t position_ = 0;
};

// The Windows virtual-key code of a Qt key (letters 65..90 whatever the case, digits 48..57, the
// numeric keypad 96..111, F-keys from 112, punctuation from 186); 0 for keys without one.
int VirtualKeyOf(int qtKey, bool keypad);
