#include "platform/linux/doctor/usb_scan.h"

#include "base/outside_file.h"

#include <QDir>

namespace kx::doctor {

namespace {

// A sysfs attribute's text without its line end; empty when it is missing.
QString attribute(const QString& dir, const QString& name) {
    const auto bytes = read_outside_file(dir + QLatin1Char('/') + name, kSystemFileFormat);
    return bytes ? QString::fromUtf8(*bytes).trimmed() : QString();
}

// The value of KEY=value in a uevent file.
QString uevent_value(const QString& dir, QLatin1String key) {
    const QString text = attribute(dir, QStringLiteral("uevent"));
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(key) && line.mid(key.size()).startsWith(QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return {};
}

// The serial node a bound interface made: ftdi_sio puts a "ttyUSB0" folder in the interface,
// ACM-style drivers a "tty" folder holding "ttyACM0".
QString tty_of(const QDir& interface) {
    const QStringList entries = interface.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry == QLatin1String("tty")) {
            const QStringList inner =
                QDir(interface.filePath(entry)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            if (!inner.isEmpty())
                return inner.first();
        } else if (entry.startsWith(QLatin1String("tty"))) {
            return entry;
        }
    }
    return {};
}

} // namespace

QString UsbChip::usb_node() const {
    return QStringLiteral("/dev/bus/usb/%1/%2")
        .arg(bus, 3, 10, QLatin1Char('0'))
        .arg(device, 3, 10, QLatin1Char('0'));
}

UsbScan scan_ftdi_chips(const QString& sys_root) {
    UsbScan scan;
    const QDir devices(sys_root + QStringLiteral("/bus/usb/devices"));
    scan.readable = devices.exists();
    const QString driver = QLatin1String(kFtdiDriver);
    scan.ftdi_driver_present =
        QDir(sys_root + QStringLiteral("/bus/usb/drivers/") + driver).exists() ||
        QDir(sys_root + QStringLiteral("/module/") + driver).exists();
    if (!scan.readable)
        return scan;
    // Devices only: interfaces ("1-2:1.0") are looked at inside their device.
    const QStringList names = devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (name.contains(QLatin1Char(':')))
            continue;
        const QString dir = devices.filePath(name);
        bool ok = false;
        const quint16 vendor = attribute(dir, QStringLiteral("idVendor")).toUShort(&ok, 16);
        if (!ok || vendor != kFtdiVendor)
            continue;
        UsbChip chip;
        chip.name = name;
        chip.vendor = vendor;
        chip.product = attribute(dir, QStringLiteral("idProduct")).toUShort(nullptr, 16);
        chip.serial = attribute(dir, QStringLiteral("serial"));
        chip.description = attribute(dir, QStringLiteral("product"));
        chip.manufacturer = attribute(dir, QStringLiteral("manufacturer"));
        chip.bus = attribute(dir, QStringLiteral("busnum")).toInt();
        chip.device = attribute(dir, QStringLiteral("devnum")).toInt();
        const QDir device(dir);
        const QStringList interfaces = device.entryList(
            {name + QStringLiteral(":*")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& interface : interfaces) {
            const QString path = device.filePath(interface);
            chip.interfaces.append(
                {interface, uevent_value(path, QLatin1String("DRIVER")), tty_of(QDir(path))});
        }
        scan.chips.append(chip);
    }
    return scan;
}

} // namespace kx::doctor
