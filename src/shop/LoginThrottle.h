#pragma once
// Wrong passwords in a row: the first three cost nothing; after that, the
// next try is accepted only after a delay that doubles with each further
// wrong one (1 s, 2 s, 4 s ... up to a minute). A right password ends the
// run. Guessing by hand stays possible for the person who mistyped, guessing
// by the thousand does not.
#include <QtGlobal>
#include <functional>

class LoginThrottle {
public:
    // Milliseconds from any fixed start, never going back.
    using Clock = std::function<qint64()>;
    static constexpr int kFreeTries = 3;
    static constexpr qint64 kFirstDelayMs = 1000;
    static constexpr qint64 kLongestDelayMs = 60000;

    // The steady clock of the machine unless another is given.
    explicit LoginThrottle(Clock clock = {});

    // Milliseconds until the next try is accepted; 0 when it is accepted now.
    qint64 waitBeforeNextTry() const;
    void failed();
    void succeeded();
    int failuresInARow() const { return m_failures; }

private:
    Clock m_clock;
    int m_failures = 0;
    qint64 m_acceptedFrom = 0;  // on m_clock
};
