#include "link/hotplug/pedal_watcher.h"
#include "link/hotplug/sysfs_plug_source.h"
#include "link/hotplug/udev_plug_source.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using kx::PedalWatcher;
using kx::PlugDevice;
using kx::PresentPedal;

Q_DECLARE_METATYPE(kx::PlugDevice)
Q_DECLARE_METATYPE(kx::PresentPedal)

namespace {

const PlugDevice kPedal{"/sys/devices/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0", 0x0403, 0x6015,
                        "DK0ABCDE", "/dev/ttyUSB0"};

PlugDevice device(quint16 vendor, quint16 product, const QString& key = QStringLiteral("k")) {
    return {key, vendor, product, "S1", QStringLiteral("/dev/ttyUSB9")};
}

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

class TestPedalWatcher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chips_come_and_go_data();
    void chips_come_and_go();
    void pedal_present_at_start_is_reported();
    void given_port_path_appears_and_goes();
    void sysfs_look_reports_changes();
    void real_udev_monitor_starts();
};

void TestPedalWatcher::initTestCase() {
    qRegisterMetaType<kx::PresentPedal>();
}

// Each row: events from the source, then the pedals present and the signals counted.
void TestPedalWatcher::chips_come_and_go_data() {
    QTest::addColumn<QList<PlugDevice>>("added");
    QTest::addColumn<QList<PlugDevice>>("removed");
    QTest::addColumn<int>("arrivals");
    QTest::addColumn<int>("departures");
    QTest::addColumn<int>("present");

    PlugDevice without_identity{kPedal.key, 0, 0, {}, {}}; // udev's remove may say no more
    QTest::newRow("pedal plugged in")
        << QList<PlugDevice>{kPedal} << QList<PlugDevice>{} << 1 << 0 << 1;
    QTest::newRow("plugged and pulled, known by its key alone")
        << QList<PlugDevice>{kPedal} << QList<PlugDevice>{without_identity} << 1 << 1 << 0;
    QTest::newRow("the same arrival twice counts once")
        << QList<PlugDevice>{kPedal, kPedal} << QList<PlugDevice>{} << 1 << 0 << 1;
    QTest::newRow("another FTDI chip")
        << QList<PlugDevice>{device(0x0403, 0x6001)} << QList<PlugDevice>{} << 0 << 0 << 0;
    QTest::newRow("another maker's port")
        << QList<PlugDevice>{device(0x1a86, 0x6015)} << QList<PlugDevice>{} << 0 << 0 << 0;
    QTest::newRow("a departure never seen arriving")
        << QList<PlugDevice>{} << QList<PlugDevice>{kPedal} << 0 << 0 << 0;
    QTest::newRow("two pedals, one pulled")
        << QList<PlugDevice>{kPedal, device(0x0403, 0x6015, QStringLiteral("other"))}
        << QList<PlugDevice>{kPedal} << 2 << 1 << 1;
}

void TestPedalWatcher::chips_come_and_go() {
    QFETCH(QList<PlugDevice>, added);
    QFETCH(QList<PlugDevice>, removed);
    QFETCH(int, arrivals);
    QFETCH(int, departures);
    QFETCH(int, present);
    auto owned = std::make_unique<kx::InjectedPlugSource>();
    kx::InjectedPlugSource* source = owned.get();
    PedalWatcher watcher(std::move(owned), {});
    QSignalSpy arrived(&watcher, &PedalWatcher::arrived);
    QSignalSpy left(&watcher, &PedalWatcher::left);
    watcher.start();
    QCOMPARE(watcher.source_name(), QStringLiteral("injected events"));
    for (const PlugDevice& device : added)
        source->add(device);
    for (const PlugDevice& device : removed)
        source->remove(device);
    QCOMPARE(arrived.count(), arrivals);
    QCOMPARE(left.count(), departures);
    QCOMPARE(watcher.present().size(), present);
    if (departures > 0) // what left is what Connect would have opened
        QCOMPARE(left.first().first().value<PresentPedal>(),
                 (PresentPedal{kPedal.serial, kPedal.devnode}));
}

void TestPedalWatcher::pedal_present_at_start_is_reported() {
    auto source = std::make_unique<kx::InjectedPlugSource>();
    source->initial = {device(0x0403, 0x6001), kPedal};
    PedalWatcher watcher(std::move(source), {});
    QSignalSpy arrived(&watcher, &PedalWatcher::arrived);
    QVERIFY(watcher.present().isEmpty()); // nothing is looked at before start()
    watcher.start();
    QCOMPARE(arrived.count(), 1);
    QCOMPARE(watcher.present(), QList<PresentPedal>({{kPedal.serial, kPedal.devnode}}));
}

// A port given by path counts while it is a character device: a link that comes to point at
// one is a pedal plugged in, and one whose target goes is a pedal pulled.
void TestPedalWatcher::given_port_path_appears_and_goes() {
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("pedal"));
    const QString not_a_port = dir.filePath(QStringLiteral("plain-file"));
    put(dir.path(), QStringLiteral("plain-file"), "not a serial port");
    PedalWatcher watcher(std::make_unique<kx::InjectedPlugSource>(), {port, not_a_port});
    QSignalSpy arrived(&watcher, &PedalWatcher::arrived);
    QSignalSpy left(&watcher, &PedalWatcher::left);
    watcher.start();
    QCOMPARE(arrived.count(), 0);

    QVERIFY(QFile::link(QStringLiteral("/dev/null"), port)); // a character device
    // The folder's watch sees it without waiting for the once-a-second look.
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, PedalWatcher::kPathPoll_ms / 2);
    QCOMPARE(arrived.first().first().value<PresentPedal>(),
             (PresentPedal{QByteArrayLiteral("pedal"), port}));

    QVERIFY(QFile::remove(port));
    QTRY_COMPARE_WITH_TIMEOUT(left.count(), 1, PedalWatcher::kPathPoll_ms * 2);
    QVERIFY(watcher.present().isEmpty());
}

void TestPedalWatcher::sysfs_look_reports_changes() {
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
void TestPedalWatcher::real_udev_monitor_starts() {
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

QTEST_GUILESS_MAIN(TestPedalWatcher)
#include "tst_pedal_watcher.moc"
