#include "base/clock.h"

#include <QThread>

namespace kx {

void RealClock::sleep_ms(int ms) {
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace kx
