#pragma once

// How long the window thread goes without handling its events: a precise 1 ms timer ticks
// whenever the thread handles events, and the longest gap between two ticks is the longest
// freeze a window on that thread would show.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace kx::bench {

class FreezeWatch {
public:
    FreezeWatch() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_clock.start();
        m_timer.start();
    }
    // The longest gap so far, in milliseconds, up to now.
    double longest_ms() {
        tick();
        return double(m_longest_ns) / 1e6;
    }
    void reset() {
        m_last_ns = m_clock.nsecsElapsed();
        m_longest_ns = 0;
    }

private:
    void tick() {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest_ns = std::max(m_longest_ns, now - m_last_ns);
        m_last_ns = now;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last_ns = 0;
    qint64 m_longest_ns = 0;
};

// The longest gap of a thread that does nothing but handle its events for `ms`: the floor
// that any freeze measured on this machine includes.
inline double idle_freeze_ms(int ms) {
    FreezeWatch watch;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return watch.longest_ms();
}

} // namespace kx::bench
