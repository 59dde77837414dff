// The Linux build's plug sources: the once-a-second look at sysfs, and udev's monitor on this
// machine's own udev.
#include "link/hotplug/pedal_watcher.h"
#include "platform/linux/sysfs_plug_source.h"
#include "platform/linux/udev_plug_source.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using kx::PedalWatcher;
using kx::PlugDevice;

Q_DECLARE_METATYPE(kx::PlugDevice)

namespace {

// Writes a file of the fake sysfs tree, making its folders.
void put(const QString& root, const QString& relative, const QByteArray& text) {
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A USB device folder as the kernel shows it, with its serial port once ftdi_sio bound it.
void plug_in_sysfs(const QString& root, const QString& name, const QByteArray& product,
                   bool with_tty) {
    const QString dir = QStringLiteral("bus/usb/devices/") + name;
    put(root, dir + QStringLiteral("/idVendor"), "0403\n");
    put(root, dir + QStringLiteral("/idProduct"), product + '\n');
    put(root, dir + QStringLiteral("/serial"), "DK0SYSFS\n");
    if (with_tty)
        QVERIFY(QDir().mkpath(root + QLatin1Char('/') + dir + QLatin1Char('/') + name +
                              QStringLiteral(":1.0/ttyUSB3")));
}

} // namespace

class TestLinuxPlugSources : public QObject {
    Q_OBJECT
private slots:
    void sysfs_look_reports_changes();
    void real_udev_monitor_starts();
};

void TestLinuxPlugSources::sysfs_look_reports_changes() {
    QTemporaryDir root;
    plug_in_sysfs(root.path(), QStringLiteral("1-1"), "6001", true); // another FTDI chip
    kx::SysfsPlugSource source(root.path());
    QSignalSpy added(&source, &kx::PlugSource::added);
    QSignalSpy removed(&source, &kx::PlugSource::removed);
    bool ok = false;
    QCOMPARE(source.start(ok).size(), 1);
    QVERIFY(ok);

    // The chip counts once its serial port exists.
    plug_in_sysfs(root.path(), QStringLiteral("1-2"), "6015", false);
    source.poll();
    QCOMPARE(added.count(), 0);
    plug_in_sysfs(root.path(), QStringLiteral("1-2"), "6015", true);
    source.poll();
    QCOMPARE(added.count(), 1);
    const auto plugged = added.first().first().value<PlugDevice>();
    QCOMPARE(plugged.product, quint16(0x6015));
    QCOMPARE(plugged.serial, QByteArrayLiteral("DK0SYSFS"));
    QCOMPARE(plugged.devnode, QStringLiteral("/dev/ttyUSB3"));

    QVERIFY(QDir(root.filePath(QStringLiteral("bus/usb/devices/1-2"))).removeRecursively());
    source.poll();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().first().value<PlugDevice>().key, plugged.key);
    source.poll();
    QCOMPARE(added.count() + removed.count(), 2); // nothing new, nothing said
}

// The one run on the machine's own udev: the monitor starts and lists only described ports.
void TestLinuxPlugSources::real_udev_monitor_starts() {
    if (!kx::UdevPlugSource::available())
        QSKIP("udev does not run on this machine");
    kx::UdevPlugSource source;
    bool ok = false;
    const QList<PlugDevice> present = source.start(ok);
    QVERIFY(ok);
    for (const PlugDevice& device : present) {
        QVERIFY2(device.vendor != 0, qPrintable(device.key));
        QVERIFY2(!device.key.isEmpty(), "a port without its device path");
    }
    PedalWatcher watcher(std::make_unique<kx::UdevPlugSource>(), {});
    watcher.start();
    QCOMPARE(watcher.source_name(), QStringLiteral("udev monitor"));
}

QTEST_GUILESS_MAIN(TestLinuxPlugSources)
#include "tst_linux_plug_sources.moc"
