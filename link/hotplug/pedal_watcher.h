#pragma once

#include "platform/plug_source.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QMap>
#include <QTimer>

#include <memory>

namespace kx {

// The pedal's USB serial chip: an FTDI FT230X.
inline constexpr quint16 kPedalChipVendor = 0x0403;
inline constexpr quint16 kPedalChipProduct = 0x6015;

// A pedal that can be connected now.
struct PresentPedal {
    // What Connect opens it by: the chip's serial number, or a given port's file name.
    QByteArray serial;
    // The port: the chip's device node, or the path given with --port.
    QString port;
    bool operator==(const PresentPedal&) const = default;
};

// Keeps the list of pedals that are plugged in: chips of the pedal's kind, as a plug source
// reports them, and the ports given by path while they exist as character devices (a path
// that comes into existence counts as a pedal plugged in). Watching begins with start(), not
// with construction, so that a window can be shown first.
class PedalWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kPathPoll_ms = 1000;

    PedalWatcher(std::unique_ptr<PlugSource> source, QStringList port_paths,
                 QObject* parent = nullptr);
    ~PedalWatcher() override;

    // The system's own source (platform/platform.h): on Linux, udev's monitor where udev runs,
    // otherwise a look at the USB devices each second.
    static std::unique_ptr<PlugSource> system_source();

    // Starts the source (falling back to the once-a-second look when it cannot watch) and
    // takes the first list; arrived() is emitted for each pedal present.
    void start();
    bool started() const { return m_started; }
    // Which source watches, for the log.
    QString source_name() const;

    QList<PresentPedal> present() const;

    // One look at the given paths now (the timer's work).
    void check_paths();

signals:
    void arrived(const kx::PresentPedal& pedal);
    void left(const kx::PresentPedal& pedal);

private:
    void chip_added(const PlugDevice& device);
    void chip_removed(const PlugDevice& device);

    std::unique_ptr<PlugSource> m_source;
    QStringList m_port_paths;
    bool m_started = false;
    QMap<QString, PresentPedal> m_chips; // by the source's key
    QMap<QString, PresentPedal> m_paths; // by the given path
    QTimer m_path_timer;
    QFileSystemWatcher m_folders;
};

} // namespace kx
