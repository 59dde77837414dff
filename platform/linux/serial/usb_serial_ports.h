#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>

namespace kx {

using platform::UsbSerialPort;

// The serial ports whose USB chip has vendor `vendor_id`, in the order of their port names,
// read from the kernel's device tree under `sys_root`. Only the tty class's links are read, and
// only the few files of the matching chips are opened, never every tty node (a desktop has a
// hundred or more). Empty, with `available` false, where that tree does not exist.
QList<UsbSerialPort> list_usb_serial_ports(quint16 vendor_id, bool* available = nullptr,
                                           const QString& sys_root = QStringLiteral("/sys"),
                                           const QString& dev_root = QStringLiteral("/dev"));

} // namespace kx
