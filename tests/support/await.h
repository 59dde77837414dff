#pragma once

// Tests (and the fuzz targets) wait for a pedal operation here: one that has already ended
// gives its result at once, without an event loop; one that waits runs the test's event loop
// until it ends.

#include "base/task.h"

#include <QEventLoop>

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace kx::test {

template <typename T> T done(Task<T> task) {
    // A Task<> ends with nothing to give; the wait is the same.
    using Kept = std::conditional_t<std::is_void_v<T>, std::monostate, T>;
    std::optional<Kept> result;
    QEventLoop* loop = nullptr;
    auto run = [&]() -> Task<> {
        if constexpr (std::is_void_v<T>) {
            co_await std::move(task);
            result.emplace();
        } else {
            result.emplace(co_await std::move(task));
        }
        if (loop)
            loop->quit();
    };
    auto running = run();
    if (!result) {
        QEventLoop wait;
        loop = &wait;
        wait.exec();
    }
    if constexpr (!std::is_void_v<T>)
        return std::move(*result);
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
