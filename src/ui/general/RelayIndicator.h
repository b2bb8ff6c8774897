#pragma once

#include <QWidget>

#include <optional>

class QHBoxLayout;
class QLabel;

// One relay or output of a general screen: a round lamp ("spRele<n>"), a contact picture
// ("imgRele<n>", where the output has one) and what the screen names it with beside them. A
// picture is replaced only when the state it shows changes.
class TRelayIndicator : public QWidget {
public:
    TRelayIndicator(int number, bool withPicture, QWidget* parent);

    // A caption or name box after the lamp and the picture.
    void AddBeside(QWidget* widget, int stretch = 0);
    // Red lamp and closed contact, or black lamp and open contact.
    void ShowState(bool closed);
    // The lamp alone, where the lamp means more than the output's state.
    void SetLamp(bool lit);
    // Black lamp, no picture, nothing remembered.
    void Clear();

private:
    QHBoxLayout* layout_;
    QLabel* lamp_;
    QLabel* picture_ = nullptr;
    std::optional<bool> shownClosed_;
};
