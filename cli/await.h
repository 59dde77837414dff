#pragma once

// kestrel-x does one command a run: while the command waits for the pedal, the program's
// event loop runs here, and nothing else can start.

#include "base/task.h"

#include <QEventLoop>

#include <optional>
#include <utility>

namespace kx::cli {

template <typename T> T finish(Task<T> task) {
    std::optional<T> result;
    QEventLoop loop;
    auto run = [&]() -> Task<> {
        result.emplace(co_await std::move(task));
        loop.quit();
    };
    auto running = run();
    if (!result)
        loop.exec();
    return std::move(*result);
}

} // namespace kx::cli
