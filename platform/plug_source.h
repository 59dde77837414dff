#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace kx {

// A USB serial chip as the system reports it arriving or leaving.
struct PlugDevice {
    // What stays the same from arrival to departure (the kernel's device path).
    QString key;
    quint16 vendor = 0;
    quint16 product = 0;
    QByteArray serial;
    QString devnode; // "/dev/ttyUSB0"; may be empty on departure
};

// Where the pedal watcher learns that chips come and go: the udev monitor, a once-a-second
// look at the USB devices, or a test's own events. A source reports serial ports only, of any
// vendor; the watcher picks the pedal's chip.
class PlugSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts watching and returns the chips present now; false in `ok` when the source cannot
    // watch on this machine (the caller then takes another).
    virtual QList<PlugDevice> start(bool& ok) = 0;
    // A few words for the log: which source watches.
    virtual QString name() const = 0;

signals:
    void added(const kx::PlugDevice& device);
    void removed(const kx::PlugDevice& device);
};

// A source whose events a test emits by hand.
class InjectedPlugSource : public PlugSource {
    Q_OBJECT
public:
    using PlugSource::PlugSource;

    QList<PlugDevice> initial;
    QList<PlugDevice> start(bool& ok) override {
        ok = true;
        return initial;
    }
    QString name() const override { return QStringLiteral("injected events"); }
    void add(const PlugDevice& device) { emit added(device); }
    void remove(const PlugDevice& device) { emit removed(device); }
};

} // namespace kx
