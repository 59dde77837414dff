#include "base/clock.h"

#include <QThread>

#include <chrono>
#include <thread>

namespace kx {

namespace {

// A sleep of the system overshoots by up to about this much (timer slack and wake-up); the last
// stretch is waited out on the clock instead.
constexpr std::chrono::microseconds kSleepOvershoot{80};

} // namespace

void RealClock::sleep_ms(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

Task<> RealClock::pause(int ms) {
    if (ms > 0)
        co_await after_ms(ms);
}

void RealClock::sleep_us(qint64 us) {
    if (us <= 0)
        return;
    using Steady = std::chrono::steady_clock;
    const Steady::time_point until = Steady::now() + std::chrono::microseconds(us);
    if (std::chrono::microseconds(us) > kSleepOvershoot)
        std::this_thread::sleep_for(std::chrono::microseconds(us) - kSleepOvershoot);
    while (Steady::now() < until) {
    }
}

} // namespace kx
