#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

namespace kx {

// Every pause of the editor goes through a Clock, so unit tests can run without waiting
// while end-to-end tests keep real timing.
class Clock {
public:
    virtual ~Clock() = default;
    // Blocks the calling thread for the given time (the UI does not process events).
    virtual void sleep_ms(int ms) = 0;
    // Monotonic milliseconds, for time limits.
    virtual qint64 now_ms() const = 0;
};

class RealClock : public Clock {
public:
    RealClock() { m_timer.start(); }
    void sleep_ms(int ms) override;
    qint64 now_ms() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

// Sleeps return at once and only advance the clock's own time.
class InstantClock : public Clock {
public:
    void sleep_ms(int ms) override {
        m_now += ms;
        ++sleeps;
        slept_ms += ms;
    }
    qint64 now_ms() const override { return m_now; }

    int sleeps = 0;
    qint64 slept_ms = 0;

private:
    qint64 m_now = 0;
};

} // namespace kx
