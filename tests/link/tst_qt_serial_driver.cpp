#include "base/clock.h"
#include "base/log.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"
#include "support/await.h"
#include "support/pseudo_terminal.h"
#include "support/recording_connection_ui.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kx;

namespace {

// The far end of a pseudo-terminal stands in for the pedal.
struct PtyPeer : test::PseudoTerminal {
    void send(const QByteArray& bytes) { QVERIFY(PseudoTerminal::send(bytes)); }
};

struct Fixture {
    // The driver is given the pedal's path, or `port` when it is not empty.
    explicit Fixture(const QString& port = {})
        : driver{QStringList{port.isEmpty() ? pedal.path() : port}} {}

    PtyPeer pedal;
    QtSerialDriver driver;
    MemoryLog log;
    RealClock clock;
    D2XXUnit d2xx{driver, log};
    RecordingConnectionUi ui;
    Communication comm{d2xx, ui, log, clock};
    // What the lost handler announced.
    QStringList lost;
    const bool hooked = [this] {
        comm.set_lost_handler([this](const Error& error) { lost << error.message; });
        return true;
    }();
};

// The ports a driver lists beyond the attached USB chips, as "serial/description".
QStringList listed_ports(QtSerialDriver& driver) {
    quint32 usb_chips = 0;
    QtSerialDriver().device_count(usb_chips);
    quint32 count = 0;
    if (driver.device_count(count) != FT_OK)
        return {"<listing failed>"};
    QStringList listed;
    for (quint32 i = usb_chips; i < count; ++i) {
        QByteArray serial, description;
        driver.serial_number(i, serial);
        driver.description(i, description);
        listed << QString::fromLatin1(serial + "/" + description);
    }
    return listed;
}

} // namespace

class TestQtSerialDriver : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lists_port_after_usb_chips();
    void lists_a_path_only_as_a_character_device_data();
    void lists_a_path_only_as_a_character_device();
    void finds_a_port_that_appears_later();
    void exchange_through_port();
    void each_write_leaves_at_once();
    void hang_up_during_wait_leaves_not_connected();
    void a_write_nobody_reads_ends_at_its_limit_without_blocking();
};

void TestQtSerialDriver::init() {
    if (!PtyPeer().ok())
        QSKIP("no pseudo-terminals on this machine");
}

void TestQtSerialDriver::lists_port_after_usb_chips() {
    Fixture f;
    QVERIFY(f.comm.list_devices());
    QCOMPARE(f.comm.device_serial_number, QFileInfo(f.pedal.path()).fileName());
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X"));
    QVERIFY(f.ui.serial_menu.endsWith(QFileInfo(f.pedal.path()).fileName()));
}

void TestQtSerialDriver::lists_a_path_only_as_a_character_device_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem"); // with %1 for the path; empty: listed
    QTest::newRow("missing") << "missing"
                             << "Port %1 does not exist.";
    QTest::newRow("under a file") << "under a file"
                                  << "Port %1 does not exist.";
    QTest::newRow("regular file") << "file"
                                  << "Port %1 is not a serial port (not a character device).";
    QTest::newRow("folder") << "folder"
                            << "Port %1 is not a serial port (not a character device).";
    QTest::newRow("pseudo-terminal") << "pty"
                                     << "";
    QTest::newRow("link to a pseudo-terminal") << "link"
                                               << "";
}

void TestQtSerialDriver::lists_a_path_only_as_a_character_device() {
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    PtyPeer pty;
    QString path = folder.filePath("port");
    if (kind == "under a file" || kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == "under a file")
            path += "/port";
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "pty") {
        path = pty.path();
    } else if (kind == "link") {
        QVERIFY(QFile::link(pty.path(), path));
    }

    QtSerialDriver driver{QStringList{path}};
    const QStringList listed = listed_ports(driver);
    const QStringList problems = driver.take_problems();
    if (problem.isEmpty()) {
        QCOMPARE(listed, QStringList{QFileInfo(path).fileName() + "/FT230X Basic UART"});
        QCOMPARE(problems, QStringList{});
        QCOMPARE(driver.take_problems(), QStringList{});
    } else {
        QCOMPARE(listed, QStringList{});
        QCOMPARE(problems, QStringList{problem.arg(path)});
        // Handed out once per listing; the open looks again and finds the same.
        QCOMPARE(driver.take_problems(), QStringList{});
        FtHandle handle = 0;
        QCOMPARE(driver.open_by_serial(QFileInfo(path).fileName().toLatin1(), handle),
                 int(FT_DEVICE_NOT_FOUND));
        QCOMPARE(driver.take_problems(), QStringList{problem.arg(path)});
    }
}

void TestQtSerialDriver::finds_a_port_that_appears_later() {
    // The editor is started with a path whose pseudo-terminal is made afterwards.
    QTemporaryDir folder;
    const QString path = folder.filePath("pedal");
    Fixture f(path);

    const QString label = f.ui.device_name;
    QVERIFY(f.comm.list_devices());
    QCOMPARE(f.ui.device_name, label);
    QCOMPARE(f.driver.take_problems(), QStringList{"Port " + path + " does not exist."});

    QVERIFY(QFile::link(f.pedal.path(), path));
    f.comm.init_line_settings();
    const auto found = f.comm.scan_devices();
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(*found, QStringList{"FT230X Basic UART"});
    QCOMPARE(f.comm.device_serial_number, QString("pedal"));
    QVERIFY(test::done(f.comm.connect_device()));
    QCOMPARE(f.ui.device_name, QString("FT230X Basic UART connected"));
    QVERIFY(f.d2xx.device_open());
    QCOMPARE(f.driver.take_problems(), QStringList{});
}

void TestQtSerialDriver::exchange_through_port() {
    Fixture f;
    QVERIFY(f.comm.list_devices());
    f.comm.init_line_settings();
    const Status connected = test::done(f.comm.connect_device());
    QVERIFY2(connected, qPrintable(connected.error()));
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X connected"));

    // The answer comes in two pieces with a pause between them, as USB packets do.
    QTimer::singleShot(5, [&] { f.pedal.send("X\r\n5\r"); });
    QTimer::singleShot(25, [&] { f.pedal.send("\n3\r\n12\r\n"); });
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
    QCOMPARE(text.value(), QByteArray("X\r\n5\r\n3\r\n12\r\n"));
    QCOMPARE(f.pedal.take(), QByteArray("\x05\x00", 2));

    QVERIFY(f.comm.disconnect_device());
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X "));
    QVERIFY(f.lost.isEmpty());
}

void TestQtSerialDriver::each_write_leaves_at_once() {
    Fixture f;
    QVERIFY(f.comm.list_devices());
    f.comm.init_line_settings();
    QVERIFY(test::done(f.comm.connect_device()));
    // No return to the event loop between the writes: each byte must still be on its way.
    for (const char byte : {'\x31', '\xCE'}) {
        f.d2xx.send_buffer()[0] = byte;
        QCOMPARE(f.d2xx.WriteFTDevice(1).value(), 1u);
        QCOMPARE(f.pedal.take(0), QByteArray(1, byte));
    }
}

void TestQtSerialDriver::hang_up_during_wait_leaves_not_connected() {
    Fixture f;
    QVERIFY(f.comm.list_devices());
    f.comm.init_line_settings();
    QVERIFY(test::done(f.comm.connect_device()));
    QTimer::singleShot(30, [&] { f.pedal.hang_up(); });
    QCOMPARE(test::done(f.comm.receive_values(QByteArray("\x02\x10"), parameter_reply(16, 3000)))
                 .error_kind(),
             ErrorKind::LinkLost);
    QCOMPARE(f.lost.size(), 1);
    QVERIFY2(f.lost[0].startsWith(QLatin1String("FT_GetQueueStatus - ")), qPrintable(f.lost[0]));
    QVERIFY(!f.comm.connected());
    QVERIFY(!f.d2xx.device_open());
}

// The far end reads nothing: once the system's buffers are full, the write waits on the event
// loop (a timer still fires) and fails at its time limit instead of hanging. A port that takes
// nothing for that long counts as gone.
void TestQtSerialDriver::a_write_nobody_reads_ends_at_its_limit_without_blocking() {
    Fixture f;
    QVERIFY(f.comm.list_devices());
    f.comm.init_line_settings();
    QVERIFY(test::done(f.comm.connect_device()));
    QVERIFY(f.d2xx.SetFTDeviceTimeouts(0, 200));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    Status sent;
    for (int i = 0; i < 16 && sent; ++i)
        sent = test::done(f.comm.send_message(QByteArray(60000, 'x')));
    QCOMPARE(sent.error_kind(), ErrorKind::LinkLost);
    QVERIFY(!f.comm.connected());
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
}

QTEST_GUILESS_MAIN(TestQtSerialDriver)
#include "tst_qt_serial_driver.moc"
