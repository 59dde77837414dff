#include "platform/linux/sysfs_plug_source.h"

#include "platform/linux/doctor/usb_scan.h"

namespace kx {

SysfsPlugSource::SysfsPlugSource(QString sys_root, QObject* parent)
    : PlugSource(parent), m_root(std::move(sys_root)) {
    m_timer.setInterval(kPollInterval_ms);
    connect(&m_timer, &QTimer::timeout, this, &SysfsPlugSource::poll);
}

QList<PlugDevice> SysfsPlugSource::look() const {
    QList<PlugDevice> devices;
    for (const doctor::UsbChip& chip : doctor::scan_ftdi_chips(m_root).chips) {
        // A chip counts once its serial driver has made the port it is opened through.
        for (const doctor::UsbInterface& interface : chip.interfaces) {
            if (interface.tty.isEmpty())
                continue;
            devices << PlugDevice{chip.name + QLatin1Char('/') + interface.tty, chip.vendor,
                                  chip.product, chip.serial.toLatin1(),
                                  QStringLiteral("/dev/") + interface.tty};
        }
    }
    return devices;
}

QList<PlugDevice> SysfsPlugSource::start(bool& ok) {
    ok = true;
    m_present = look();
    m_timer.start();
    return m_present;
}

void SysfsPlugSource::poll() {
    const QList<PlugDevice> now = look();
    auto holds = [](const QList<PlugDevice>& list, const QString& key) {
        return std::any_of(list.cbegin(), list.cend(),
                           [&](const PlugDevice& device) { return device.key == key; });
    };
    const QList<PlugDevice> before = std::exchange(m_present, now);
    for (const PlugDevice& device : before)
        if (!holds(now, device.key))
            emit removed(device);
    for (const PlugDevice& device : now)
        if (!holds(before, device.key))
            emit added(device);
}

} // namespace kx
