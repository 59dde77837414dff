#include "platform/linux/serial/usb_serial_ports.h"

#include <QDir>
#include <QFile>

#include <dirent.h>
#include <unistd.h>

#include <climits>

namespace kx {

namespace {

// How far above a tty's own folder its USB device lies (interface, device).
constexpr int kMaxLevelsUp = 4;

QByteArray attribute(const QString& folder, const char* name) {
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(256).trimmed();
}

// Where the link `path` points, resolved against the folder it is in; empty when it is none.
QString link_target(const QString& folder, const QString& name) {
    char target[PATH_MAX];
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
    const ssize_t n = ::readlink(path.constData(), target, sizeof target - 1);
    if (n <= 0)
        return {};
    return QDir::cleanPath(folder + QLatin1Char('/') + QFile::decodeName(QByteArray(target, n)));
}

// udev's short serial: blanks and characters outside its safe set become '_'.
QByteArray udev_serial(const QByteArray& raw) {
    QByteArray serial = raw.trimmed();
    for (char& c : serial) {
        const bool safe = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                          (c >= 'a' && c <= 'z') || QByteArrayView("#+-.:=@_").contains(c);
        if (!safe)
            c = '_';
    }
    return serial;
}

} // namespace

QList<UsbSerialPort> list_usb_serial_ports(quint16 vendor_id, bool* available,
                                           const QString& sys_root, const QString& dev_root) {
    QList<UsbSerialPort> ports;
    const QString tty_class = sys_root + QStringLiteral("/class/tty");
    DIR* folder = ::opendir(QFile::encodeName(tty_class).constData());
    if (available)
        *available = folder != nullptr;
    if (!folder)
        return ports;
    const QByteArray vendor = QByteArray::number(vendor_id, 16).rightJustified(4, '0');
    // Names only: the entries are links, and listing them opens none of their targets.
    QStringList names;
    while (const dirent* entry = ::readdir(folder))
        if (entry->d_name[0] != '.')
            names << QFile::decodeName(entry->d_name);
    ::closedir(folder);
    names.sort();
    for (const QString& name : names) {
        const QString device = link_target(tty_class, name);
        if (!device.mid(sys_root.size()).contains(QStringLiteral("/usb")))
            continue; // not on a USB chip: consoles, virtual terminals, built-in UARTs
        QString chip = device;
        for (int level = 0; level <= kMaxLevelsUp && !chip.isEmpty(); ++level) {
            chip = chip.section(QLatin1Char('/'), 0, -2);
            if (::access(QFile::encodeName(chip + QStringLiteral("/idVendor")).constData(), F_OK) ==
                0)
                break;
        }
        if (attribute(chip, "idVendor").toLower() != vendor)
            continue;
        QByteArray description = attribute(chip, "product").simplified();
        if (description.isEmpty())
            description = attribute(chip, "idProduct");
        ports.append({udev_serial(attribute(chip, "serial")), description,
                      dev_root + QLatin1Char('/') + name});
    }
    return ports;
}

std::optional<QList<UsbSerialPort>> platform::usb_serial_ports(quint16 vendor_id) {
    bool available = false;
    QList<UsbSerialPort> ports = list_usb_serial_ports(vendor_id, &available);
    if (!available)
        return std::nullopt;
    return ports;
}

} // namespace kx
