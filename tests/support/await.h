#pragma once

// Tests (and the fuzz targets) wait for a pedal operation here: one that has already ended
// gives its result at once, without an event loop; one that waits runs the test's event loop
// until it ends.

#include "base/task.h"

#include <QEventLoop>

#include <optional>
#include <utility>

namespace kx::test {

template <typename T> T done(Task<T> task) {
    std::optional<T> result;
    QEventLoop* loop = nullptr;
    auto run = [&]() -> Task<> {
        result.emplace(co_await std::move(task));
        if (loop)
            loop->quit();
    };
    auto running = run();
    if (!result) {
        QEventLoop wait;
        loop = &wait;
        wait.exec();
    }
    return std::move(*result);
}

inline void done(Task<> task) {
    bool ended = false;
    QEventLoop* loop = nullptr;
    auto run = [&]() -> Task<> {
        co_await std::move(task);
        ended = true;
        if (loop)
            loop->quit();
    };
    auto running = run();
    if (!ended) {
        QEventLoop wait;
        loop = &wait;
        wait.exec();
    }
}

} // namespace kx::test

#include "session/pedal_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace kx::test {

// Runs the event loop until every pedal operation asked so far (and what its window does with
// the result) has ended, at most `limit_ms`: a click starts an operation and returns at once.
inline void settle(int limit_ms = 30000) {
    QDeadlineTimer deadline(limit_ms);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (PedalSession::operations_pending() > 0 && !deadline.hasExpired());
    QCoreApplication::processEvents();
}

} // namespace kx::test
