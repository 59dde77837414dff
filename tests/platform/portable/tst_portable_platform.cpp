// The portable build's platform parts: hot-plug and the Connection Doctor from what Qt lists
// (a list given by the test, or Qt's own), ports opened for real on pseudo-terminals, and no
// hold on the chip's latency timer.
#include "link/drivers/qt_serial_driver.h"
#include "link/hotplug/pedal_watcher.h"
#include "platform/diagnosis.h"
#include "platform/doctor_sources.h"
#include "platform/platform.h"
#include "platform/portable/qt_plug_source.h"
#include "support/await.h"
#include "support/pseudo_terminal.h"

#include <QMutex>
#include <QSignalSpy>
#include <QtTest>

using namespace kx;
using platform::ListedPort;

Q_DECLARE_METATYPE(kx::PlugDevice)
Q_DECLARE_METATYPE(kx::PresentPedal)

namespace {

const ListedPort kPedal{QStringLiteral("/dev/ttyUSB0"), 0x0403, 0x6015, "DK0ABCDE",
                        "FT230X Basic UART"};
const ListedPort kOtherFtdi{QStringLiteral("/dev/ttyUSB1"), 0x0403, 0x6001, "A1", "FT232R"};
const ListedPort kBuiltIn{QStringLiteral("/dev/ttyS0"), 0, 0, {}, {}}; // not on USB

// A port list the test changes while a source's thread reads it.
class Ports {
public:
    void set(QList<ListedPort> ports) {
        QMutexLocker lock(&m_mutex);
        m_ports = std::move(ports);
    }
    QtPlugSource::Lister lister() {
        return [this] {
            QMutexLocker lock(&m_mutex);
            return m_ports;
        };
    }

private:
    QMutex m_mutex;
    QList<ListedPort> m_ports;
};

} // namespace

class TestPortablePlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void this_build_is_portable();
    void looks_report_changes_data();
    void looks_report_changes();
    void watcher_hears_of_a_pedal_on_the_thread();
    void doctor_tells_what_qt_shows_data();
    void doctor_tells_what_qt_shows();
    void doctor_opens_real_ports();
    void driver_has_no_latency_control();
};

void TestPortablePlatform::initTestCase() {
    qRegisterMetaType<kx::PresentPedal>();
}

void TestPortablePlatform::this_build_is_portable() {
    QCOMPARE(QByteArray(platform::name()), QByteArray("portable"));
    QVERIFY(!platform::has_linux_parts());
    QVERIFY(!platform::usb_serial_ports(0x0403)); // the driver asks QSerialPortInfo instead
    QVERIFY(doctor::rule_install_command().isEmpty());
    QVERIFY(doctor::rule_install_program().isEmpty());
}

// Each row: the list at start, the list at the next look, and what the look reports.
void TestPortablePlatform::looks_report_changes_data() {
    QTest::addColumn<QList<ListedPort>>("before");
    QTest::addColumn<QList<ListedPort>>("after");
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("removed");
    ListedPort swapped = kPedal;
    swapped.serial = "DK0OTHER";
    QTest::newRow("pedal plugged in") << QList<ListedPort>{kOtherFtdi}
                                      << QList<ListedPort>{kOtherFtdi, kPedal} << 1 << 1 << 0;
    QTest::newRow("pedal pulled") << QList<ListedPort>{kPedal} << QList<ListedPort>{} << 1 << 0
                                  << 1;
    QTest::newRow("nothing changed")
        << QList<ListedPort>{kPedal} << QList<ListedPort>{kPedal} << 1 << 0 << 0;
    QTest::newRow("a port not on USB is no chip")
        << QList<ListedPort>{} << QList<ListedPort>{kBuiltIn} << 0 << 0 << 0;
    QTest::newRow("another chip under the same port name")
        << QList<ListedPort>{kPedal} << QList<ListedPort>{swapped} << 1 << 1 << 1;
}

void TestPortablePlatform::looks_report_changes() {
    QFETCH(QList<ListedPort>, before);
    QFETCH(QList<ListedPort>, after);
    QFETCH(int, present);
    QFETCH(int, added);
    QFETCH(int, removed);
    Ports ports;
    ports.set(before);
    QtPlugSource source(ports.lister());
    QSignalSpy added_spy(&source, &PlugSource::added);
    QSignalSpy removed_spy(&source, &PlugSource::removed);
    bool ok = false;
    QCOMPARE(source.start(ok).size(), present);
    QVERIFY(ok);
    ports.set(after);
    source.poll();
    QCOMPARE(added_spy.count(), added);
    QCOMPARE(removed_spy.count(), removed);
    if (added > 0) {
        const auto device = added_spy.first().first().value<PlugDevice>();
        QCOMPARE(device.devnode, after.last().location);
        QCOMPARE(device.serial, after.last().serial);
    }
}

// The looks after the first run on the source's own thread, once a second.
void TestPortablePlatform::watcher_hears_of_a_pedal_on_the_thread() {
    Ports ports;
    PedalWatcher watcher(std::make_unique<QtPlugSource>(ports.lister()), {});
    QSignalSpy arrived(&watcher, &PedalWatcher::arrived);
    QSignalSpy left(&watcher, &PedalWatcher::left);
    watcher.start();
    QCOMPARE(watcher.source_name(),
             QStringLiteral("a look at Qt's list of serial ports each second"));
    QCOMPARE(arrived.count(), 0);

    ports.set({kBuiltIn, kPedal});
    QTRY_COMPARE_WITH_TIMEOUT(arrived.count(), 1, 3 * QtPlugSource::kPollInterval_ms);
    QCOMPARE(arrived.first().first().value<PresentPedal>(),
             (PresentPedal{kPedal.serial, kPedal.location}));
    ports.set({kBuiltIn});
    QTRY_COMPARE_WITH_TIMEOUT(left.count(), 1, 3 * QtPlugSource::kPollInterval_ms);
    QVERIFY(watcher.present().isEmpty());
}

// Each row: what Qt lists, how opening each port ends, the ports given by path, the virtual
// pedal; then whether a pedal is ready and what the first finding says.
void TestPortablePlatform::doctor_tells_what_qt_shows_data() {
    QTest::addColumn<QList<ListedPort>>("listed");
    QTest::addColumn<int>("outcome"); // doctor::PortOpening::Outcome of every open
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<bool>("virtual_pedal");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<int>("severity");
    QTest::addColumn<QString>("text");

    const int opened = doctor::PortOpening::Opened, refused = doctor::PortOpening::Refused,
              missing = doctor::PortOpening::Missing;
    const int ok = int(doctor::Severity::Ok), problem = int(doctor::Severity::Problem),
              note = int(doctor::Severity::Note);
    QTest::newRow("no chip listed") << QList<ListedPort>{kBuiltIn} << opened << QStringList{}
                                    << false << false << problem << "No FTDI USB chip";
    QTest::newRow("no chip, but the virtual pedal")
        << QList<ListedPort>{} << opened << QStringList{} << true << true << note
        << "No FTDI USB chip";
    QTest::newRow("the pedal's port opens")
        << QList<ListedPort>{kPedal} << opened << QStringList{} << false << true << ok
        << "You may open /dev/ttyUSB0, and no other program holds it";
    QTest::newRow("the pedal's port is refused")
        << QList<ListedPort>{kPedal} << refused << QStringList{} << false << false << problem
        << "/dev/ttyUSB0 cannot be opened (Permission denied)";
    QTest::newRow("another FTDI chip is listed all the same")
        << QList<ListedPort>{kOtherFtdi} << opened << QStringList{} << false << true << ok
        << "This is not the pedal's type of chip";
    // With a port given, no chip is only a note: the problem is the port's.
    QTest::newRow("a given port that is not there")
        << QList<ListedPort>{} << missing << QStringList{"/dev/kx-gone"} << false << false
        << note << "No FTDI USB chip";
}

void TestPortablePlatform::doctor_tells_what_qt_shows() {
    QFETCH(QList<ListedPort>, listed);
    QFETCH(int, outcome);
    QFETCH(QStringList, given);
    QFETCH(bool, virtual_pedal);
    QFETCH(bool, ready);
    QFETCH(int, severity);
    QFETCH(QString, text);
    doctor::DoctorSources sources;
    sources.list_ports = [&] { return listed; };
    QStringList tried;
    sources.open_port = [&](const QString& port) {
        tried << port;
        return doctor::PortOpening{doctor::PortOpening::Outcome(outcome),
                                   QStringLiteral("Permission denied")};
    };
    sources.ports = given;
    sources.virtual_pedal = virtual_pedal;
    const doctor::Diagnosis diagnosis = doctor::diagnose(sources);
    QCOMPARE(diagnosis.ready, ready);
    QVERIFY(!diagnosis.rule_would_help);
    QVERIFY(!diagnosis.findings.isEmpty());
    const doctor::Finding& first = diagnosis.findings.first();
    QCOMPARE(int(first.severity), severity);
    QVERIFY2(first.text.contains(text), qPrintable(first.text));
    // Every problem says what to do.
    for (const doctor::Finding& finding : diagnosis.findings)
        if (finding.severity == doctor::Severity::Problem)
            QVERIFY2(!finding.advice.isEmpty(), qPrintable(finding.text));
    // Each FTDI port listed and each given port is tried once; a port off USB is not.
    QVERIFY(!tried.contains(kBuiltIn.location));
    for (const QString& port : given)
        QCOMPARE(tried.count(port), 1);
    if (!given.isEmpty())
        QVERIFY(doctor::report_text(diagnosis).contains(
            QStringLiteral("%1 does not exist.").arg(given.first())));
}

// Without a list of its own the doctor asks Qt and opens the ports for real.
void TestPortablePlatform::doctor_opens_real_ports() {
    test::PseudoTerminal pedal;
    QVERIFY(pedal.ok());
    doctor::DoctorSources sources = doctor::system_sources();
    sources.ports = {pedal.path(), QStringLiteral("/dev/kx-no-such-port")};
    const doctor::Diagnosis diagnosis = doctor::diagnose(sources);
    QVERIFY(diagnosis.ready);
    const QString report = doctor::report_text(diagnosis);
    QVERIFY2(report.contains(QStringLiteral("[ok] Port %1 (given with --port)").arg(pedal.path())),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("[problem] Port /dev/kx-no-such-port")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("/dev/kx-no-such-port does not exist.")),
             qPrintable(report));
}

// The driver opens and lists a port given by path as on Linux, but cannot touch the latency
// timer, and the log has words for that.
void TestPortablePlatform::driver_has_no_latency_control() {
    test::PseudoTerminal pedal;
    QVERIFY(pedal.ok());
    QtSerialDriver driver({pedal.path()});
    quint32 count = 0;
    QCOMPARE(driver.device_count(count), int(FT_OK));
    QVERIFY(count >= 1);
    FtHandle handle = 0;
    QCOMPARE(driver.open_by_serial(QFileInfo(pedal.path()).fileName().toLatin1(), handle),
             int(FT_OK));
    quint8 ms = 0;
    QCOMPARE(driver.latency_timer(handle, ms), int(FT_OTHER_ERROR));
    QCOMPARE(driver.set_latency_timer(handle, 1), int(FT_OTHER_ERROR));
    QVERIFY(platform::latency_control_note().contains(QLatin1String("latency timer")));
    // Written bytes still leave: only the port's own queue is waited for.
    quint32 written = 0;
    QCOMPARE(driver.write(handle, "\x0D", 1, written), int(FT_OK));
    QCOMPARE(kx::test::done(driver.wait_until_sent(handle, 1000)), int(FT_OK));
    QCOMPARE(driver.close(handle), int(FT_OK));
}

QTEST_MAIN(TestPortablePlatform)
#include "tst_portable_platform.moc"
