#include "link/hotplug/pedal_watcher.h"

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

} // namespace

class TestPedalWatcher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chips_come_and_go_data();
    void chips_come_and_go();
    void pedal_present_at_start_is_reported();
    void given_port_path_appears_and_goes();
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

QTEST_GUILESS_MAIN(TestPedalWatcher)
#include "tst_pedal_watcher.moc"
