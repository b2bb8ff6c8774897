#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The ten relays of a general screen, each a lamp (`spRele`n), a contact picture (`imgRele`n) and a
// caption (`lblRele`n), relays 1, 3, 5, 7, 9 above and 2, 4, 6, 8, 10 below.
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
    struct TRelay {
        QLabel* lamp = nullptr;
        QLabel* picture = nullptr;
        QLabel* caption = nullptr;
        bool shown = false;
        bool closed = false;
    };
    TRelay& Relay(int n) { return relays_[static_cast<std::size_t>(n - 1)]; }

    std::array<TRelay, kRelays> relays_{};
};
