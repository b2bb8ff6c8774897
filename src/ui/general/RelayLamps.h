#pragma once

#include <QWidget>

#include <array>

class QLabel;
class TRelayIndicator;

// The ten relays of a general screen, each a lamp, a contact picture and a caption (`lblRele`n),
// relays 1, 3, 5, 7, 9 above and 2, 4, 6, 8, 10 below.
class TRelayLamps : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRelays = 10;

    explicit TRelayLamps(QWidget* parent);

    // Relay n = 1..10.
    QLabel* Caption(int n) const;
    void SetCaptionsVisible(bool visible);
    // Red lamp and closed contact, or black lamp and open contact; redrawn only when it changes.
    void Show(int n, bool closed);
    // Black lamps, no pictures, and the states shown forgotten.
    void Clear();

private:
    std::array<TRelayIndicator*, kRelays> relays_{};
    std::array<QLabel*, kRelays> captions_{};
};
