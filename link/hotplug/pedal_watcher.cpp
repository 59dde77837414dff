#include "link/hotplug/pedal_watcher.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace kx {

namespace {

// A given port counts while it is a character device (also through a link), as the serial
// driver lists it.
bool is_port(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

bool is_pedal_chip(const PlugDevice& device) {
    return device.vendor == kPedalChipVendor && device.product == kPedalChipProduct;
}

} // namespace

PedalWatcher::PedalWatcher(std::unique_ptr<PlugSource> source, QStringList port_paths,
                           QObject* parent)
    : QObject(parent), m_source(std::move(source)), m_port_paths(std::move(port_paths)) {
    m_path_timer.setInterval(kPathPoll_ms);
    connect(&m_path_timer, &QTimer::timeout, this, &PedalWatcher::check_paths);
    // The folder's change is seen at once; the timer catches what a folder watch cannot (a
    // link whose target comes or goes).
    connect(&m_folders, &QFileSystemWatcher::directoryChanged, this, &PedalWatcher::check_paths);
}

PedalWatcher::~PedalWatcher() = default;

std::unique_ptr<PlugSource> PedalWatcher::system_source() {
    return platform::plug_source();
}

void PedalWatcher::start() {
    if (m_started)
        return;
    m_started = true;
    bool ok = false;
    QList<PlugDevice> devices = m_source ? m_source->start(ok) : QList<PlugDevice>();
    if (!ok) {
        m_source = platform::fallback_plug_source();
        devices = m_source->start(ok);
    }
    connect(m_source.get(), &PlugSource::added, this, &PedalWatcher::chip_added);
    connect(m_source.get(), &PlugSource::removed, this, &PedalWatcher::chip_removed);
    // All of the first list is in before anyone hears of it, so that a listener asking how
    // many pedals there are gets the whole answer.
    QList<PresentPedal> first;
    for (const PlugDevice& device : devices)
        if (is_pedal_chip(device) && !m_chips.contains(device.key)) {
            first << PresentPedal{device.serial, device.devnode};
            m_chips.insert(device.key, first.last());
        }
    for (const PresentPedal& pedal : first)
        emit arrived(pedal);

    if (!m_port_paths.isEmpty()) {
        QStringList folders;
        for (const QString& path : m_port_paths) {
            const QString folder = QFileInfo(path).absolutePath();
            if (!folders.contains(folder) && QFileInfo(folder).isDir())
                folders << folder;
        }
        if (!folders.isEmpty())
            m_folders.addPaths(folders);
        m_path_timer.start();
        check_paths();
    }
}

QString PedalWatcher::source_name() const {
    return m_source ? m_source->name() : QString();
}

QList<PresentPedal> PedalWatcher::present() const {
    return m_chips.values() + m_paths.values();
}

void PedalWatcher::check_paths() {
    // The list is brought up to date first, then told, as at start().
    QList<PresentPedal> came;
    QList<PresentPedal> went;
    for (const QString& path : m_port_paths) {
        const bool there = is_port(path);
        if (there == m_paths.contains(path))
            continue;
        if (there) {
            came << PresentPedal{QFileInfo(path).fileName().toLatin1(), path};
            m_paths.insert(path, came.last());
        } else {
            went << m_paths.take(path);
        }
    }
    for (const PresentPedal& pedal : went)
        emit left(pedal);
    for (const PresentPedal& pedal : came)
        emit arrived(pedal);
}

void PedalWatcher::chip_added(const PlugDevice& device) {
    if (!is_pedal_chip(device) || m_chips.contains(device.key))
        return;
    const PresentPedal pedal{device.serial, device.devnode};
    m_chips.insert(device.key, pedal);
    emit arrived(pedal);
}

void PedalWatcher::chip_removed(const PlugDevice& device) {
    // Departures are matched by key alone: a leaving device may no longer say what it was.
    if (const auto it = m_chips.constFind(device.key); it != m_chips.constEnd()) {
        const PresentPedal pedal = *it;
        m_chips.erase(it);
        emit left(pedal);
    }
}

} // namespace kx
