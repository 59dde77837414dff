// The portable build's serial parts: Qt gives no hold on the chip's latency timer nor on what
// the system still holds to send, and no listing cheaper than its own.
#include "platform/platform.h"

namespace kx::platform {

std::optional<QList<UsbSerialPort>> usb_serial_ports(quint16 /*vendor_id*/) {
    return std::nullopt;
}

bool set_low_latency(QSerialPort& /*port*/, bool /*low*/) {
    return false;
}

std::optional<bool> low_latency(QSerialPort& /*port*/) {
    return std::nullopt;
}

std::optional<int> unsent_bytes(QSerialPort& /*port*/) {
    return std::nullopt;
}

} // namespace kx::platform
