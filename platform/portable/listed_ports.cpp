#include "platform/portable/listed_ports.h"

#include <QSerialPortInfo>

namespace kx::platform {

QList<ListedPort> listed_ports() {
    QList<ListedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ListedPort port;
        port.location = info.systemLocation();
        if (info.hasVendorIdentifier())
            port.vendor = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.product = info.productIdentifier();
        port.serial = info.serialNumber().toLatin1();
        port.description = info.description().toLatin1();
        ports << port;
    }
    return ports;
}

} // namespace kx::platform
