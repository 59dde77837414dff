#include "platform/portable/qt_plug_source.h"

#include "platform/portable/listed_ports.h"

#include <algorithm>

namespace kx {

QtPlugSource::QtPlugSource(Lister lister, QObject* parent)
    : PlugSource(parent), m_lister(lister ? std::move(lister) : Lister(platform::listed_ports)) {
    m_timer.setInterval(kPollInterval_ms);
    connect(&m_timer, &QTimer::timeout, this, &QtPlugSource::ask);
}

QtPlugSource::~QtPlugSource() {
    // A look under way ends first; its answer then goes nowhere.
    m_thread.quit();
    m_thread.wait();
}

QList<PlugDevice> QtPlugSource::devices(const QList<platform::ListedPort>& ports) {
    QList<PlugDevice> out;
    for (const platform::ListedPort& port : ports) {
        if (port.vendor == 0)
            continue; // not on a USB chip
        // Keyed by serial number too: another chip that takes the same port name between two
        // looks is one leaving and one arriving.
        out << PlugDevice{port.location + QLatin1Char('|') + QString::fromLatin1(port.serial),
                          port.vendor, port.product, port.serial, port.location};
    }
    return out;
}

QList<PlugDevice> QtPlugSource::start(bool& ok) {
    ok = true;
    m_present = devices(m_lister());
    if (!m_looker) {
        auto* looker = new PortLooker(m_lister);
        looker->moveToThread(&m_thread);
        connect(&m_thread, &QThread::finished, looker, &QObject::deleteLater);
        connect(looker, &PortLooker::looked, this, [this](const QList<PlugDevice>& now) {
            m_asking = false;
            take(now);
        });
        m_looker = looker;
        m_thread.start();
    }
    m_timer.start();
    return m_present;
}

void QtPlugSource::ask() {
    // One look at a time: a slow one is not queued behind by the next tick.
    if (m_asking || !m_looker)
        return;
    m_asking = true;
    QMetaObject::invokeMethod(static_cast<PortLooker*>(m_looker), &PortLooker::look,
                              Qt::QueuedConnection);
}

void QtPlugSource::poll() {
    take(devices(m_lister()));
}

void QtPlugSource::take(const QList<PlugDevice>& now) {
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
