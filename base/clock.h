#pragma once

#include "base/task.h"

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
    // As sleep_ms, for pauses shorter than a millisecond (one byte's time on the serial line).
    virtual void sleep_us(qint64 us) = 0;
    // Monotonic milliseconds, for time limits.
    virtual qint64 now_ms() const = 0;
    // A pause between messages: the work waits, the thread does not. Clocks that do not really
    // wait only count the time and end the pause at once.
    virtual Task<> pause(int ms) {
        sleep_ms(ms);
        co_return;
    }
};

class RealClock : public Clock {
public:
    RealClock() { m_timer.start(); }
    void sleep_ms(int ms) override;
    // Precise to a few microseconds: a plain sleep would often take twice as long.
    void sleep_us(qint64 us) override;
    qint64 now_ms() const override { return m_timer.elapsed(); }
    // Resumes from the event loop once the time has passed.
    Task<> pause(int ms) override;

private:
    QElapsedTimer m_timer;
};

// Sleeps return at once and only advance the clock's own time.
class InstantClock : public Clock {
public:
    void sleep_ms(int ms) override {
        m_now_us += qint64(ms) * 1000;
        ++sleeps;
        slept_ms += ms;
    }
    void sleep_us(qint64 us) override {
        m_now_us += us;
        slept_us += us;
    }
    qint64 now_ms() const override { return m_now_us / 1000; }

    // Of sleep_ms only.
    int sleeps = 0;
    qint64 slept_ms = 0;
    // Of sleep_us only.
    qint64 slept_us = 0;

private:
    qint64 m_now_us = 0;
};

} // namespace kx
