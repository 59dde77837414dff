#pragma once

// Work with the pedal runs as coroutines on the window thread: a wait for the pedal or a pause
// suspends the work and returns to the event loop, which then serves windows and timers; the
// work goes on when the bytes or the time come. Nothing nests an event loop.

#include <qcoro/qcorotask.h>
#include <qcoro/qcorotimer.h>

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace kx {

// Beware, with GCC 12: write `const bool ok = co_await f(); if (!ok)`, never `if (!co_await
// f())` nor a co_await in a && or || operand: a co_await inside a condition may resume into a
// frame that is gone.
// Beware: `co_return x;` with an lvalue `x` of another type than T (a member, a reference)
// moves from it in QCoro's promise; co_return a copy of anything that must live on.
template <typename T = void> using Task = QCoro::Task<T>;

// Resumes after `ms` milliseconds of the event loop's precise timer (at once for 0 or less, as
// soon as the loop runs again).
inline Task<> after_ms(int ms) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(std::max(ms, 0));
    co_await timer;
}

// Resumes once `signal` of `sender` has been emitted, or after `timeout_ms` (never when it is
// negative), always from the event loop; true when the signal came. However often the signal
// comes, the work resumes once, and nothing is left behind for a sender or a wait that is gone.
// (QCoro's own signal awaiter queues a call per emission, which may outlive the wait.)
template <typename Sender, typename Signal>
Task<bool> signal_or_timeout(Sender* sender, Signal signal, int timeout_ms) {
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    bool fired = false;
    const QMetaObject::Connection connection =
        QObject::connect(sender, signal, &wake, [&wake, &fired] {
            fired = true;
            wake.start(0);
        });
    wake.start(timeout_ms < 0 ? std::numeric_limits<int>::max() : timeout_ms);
    co_await wake;
    QObject::disconnect(connection);
    co_return fired;
}

} // namespace kx
