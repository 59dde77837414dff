#include "base/clock.h"

namespace kx {

Task<> RealClock::pause(int ms) {
    if (ms > 0)
        co_await after_ms(ms);
}

} // namespace kx
