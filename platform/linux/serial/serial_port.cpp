// The Linux build's hold on an open port. Only what opens ports calls these (the serial port
// module, the tests' driver), so only they need QtSerialPort.
#include "platform/platform.h"

#include <QSerialPort>

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace kx::platform {

namespace {

// The serial settings of the port open as `fd`; none for a closed port or one that is not a
// serial port (a pseudo-terminal).
std::optional<serial_struct> serial_settings(int fd) {
    serial_struct serial{};
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return std::nullopt;
    return serial;
}

} // namespace

bool set_low_latency(QSerialPort& port, bool low) {
    // The kernel's FTDI driver lowers the chip's timer to 1 ms while the port is marked low
    // latency; other serial ports and pseudo-terminals refuse the request.
    const int fd = int(port.handle());
    auto serial = serial_settings(fd);
    if (!serial)
        return false;
    if (low)
        serial->flags |= ASYNC_LOW_LATENCY;
    else
        serial->flags &= ~ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &*serial) == 0;
}

std::optional<bool> low_latency(QSerialPort& port) {
    const auto serial = serial_settings(int(port.handle()));
    if (!serial)
        return std::nullopt;
    return (serial->flags & ASYNC_LOW_LATENCY) != 0;
}

std::optional<int> unsent_bytes(QSerialPort& port) {
    const int fd = int(port.handle());
    int in_system = 0;
    if (fd < 0 || ::ioctl(fd, TIOCOUTQ, &in_system) != 0)
        return std::nullopt;
    return in_system;
}

} // namespace kx::platform
