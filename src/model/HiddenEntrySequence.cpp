#include "model/HiddenEntrySequence.h"

#include <Qt>

#include <cctype>

bool THiddenEntrySequence::Feed(int virtualKey, bool shift) {
    // Codes below 'A' (Shift, digits, Enter, space, cursor keys) and above 'z' are ignored.
    if (Revealed() || virtualKey < 65 || virtualKey > 122)
        return Revealed();
    const char wanted = sequence_[position_];
    const bool upper = std::isupper(static_cast<unsigned char>(wanted)) != 0;
    if (virtualKey == std::toupper(static_cast<unsigned char>(wanted)) && shift == upper)
        ++position_;
    else
        position_ = 0;
    return Revealed();
}

namespace {

// The numeric keypad's own codes; 0 for a key it does not have.
int KeypadKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

// Editing, modifier and cursor keys; 0 for any other.
int ControlKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        return 0;
    }
}

// A punctuation key's code, whichever of its two characters Qt reports; 0 for any other key.
int PunctuationKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

} // namespace

int VirtualKeyOf(int qtKey, bool keypad) {
    if (keypad) {
        if (const int code = KeypadKeyOf(qtKey); code != 0)
            return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt, like Windows, uses the upper-case code
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (const int code = ControlKeyOf(qtKey); code != 0)
        return code;
    return PunctuationKeyOf(qtKey);
}
