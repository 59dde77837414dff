#pragma once

#include "base/task.h"

#include <QElapsedTimer>
#include <QtGlobal>

namespace kx {

// Every pause of the editor goes through a Clock, so unit tests can run without waiting
// while end-to-end tests keep real timing. No clock ever blocks the thread.
class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds, for time limits.
    virtual qint64 now_ms() const = 0;
    // A pause between messages: the work waits, the thread does not. Clocks that do not really
    // wait only count the time and end the pause at once.
    virtual Task<> pause(int ms) = 0;
};

class RealClock : public Clock {
public:
    RealClock() { m_timer.start(); }
    qint64 now_ms() const override { return m_timer.elapsed(); }
    // Resumes from the event loop once the time has passed.
    Task<> pause(int ms) override;

private:
    QElapsedTimer m_timer;
};

// Pauses end at once and only advance the clock's own time.
class InstantClock : public Clock {
public:
    qint64 now_ms() const override { return m_now_us / 1000; }
    Task<> pause(int ms) override {
        advance_ms(ms);
        co_return;
    }
    // Time passing outside the code under test (a scripted pedal taking its time) counts the
    // same as a pause.
    void advance_ms(int ms) {
        m_now_us += qint64(ms) * 1000;
        ++pauses;
        paused_ms += ms;
    }

    // Finer steps of a simulated line (a byte's time), not counted as pauses.
    void advance_us(qint64 us) { m_now_us += us; }

    int pauses = 0;
    qint64 paused_ms = 0;

private:
    qint64 m_now_us = 0;
};

} // namespace kx
