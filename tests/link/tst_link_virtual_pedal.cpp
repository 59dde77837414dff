#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "support/recording_connection_ui.h"

#include <QTimer>
#include <QtTest>

using namespace kx;
using Control = ConnectionUi::Control;

namespace {

// The editor's link against the in-process virtual pedal with its real timing: 115200 baud,
// USB packets of 62 bytes, the chip's 16 ms latency timer.
struct Fixture {
    explicit Fixture(bool bootloader = false)
        : pedal_driver(std::make_shared<sim::VirtualPedal>(false, bootloader)) {
        comm.list_devices();
        comm.init_line_settings();
    }
    void connect() {
        comm.menuConnectClick();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('\n')));
        log.lines.clear();
    }
    // Bytes the pedal delivered to the host since `from` in its history.
    QByteArray sent_bytes(qsizetype from = 0) const {
        QByteArray bytes;
        const auto& sent = const_cast<VirtualPedalDriver&>(pedal_driver).pedal().sent();
        for (qsizetype i = from; i < sent.size(); ++i)
            bytes.append(char(sent[i].value));
        return bytes;
    }

    VirtualPedalDriver pedal_driver;
    CompositeSerialDriver driver{{&pedal_driver}};
    ScriptedDialogs dialogs;
    MemoryLog log;
    RealClock clock;
    D2XXUnit d2xx{driver, dialogs, log};
    RecordingConnectionUi ui;
    Communication comm{d2xx, ui, dialogs, log, clock};
};

} // namespace

class TestLinkVirtualPedal : public QObject {
    Q_OBJECT
private slots:
    void list_scan_connect_disconnect_reconnect();
    void information_reply();
    void parameter_reply_of_16_controls();
    void silent_pedal_ends_at_time_limit();
    void unplug_during_wait();
    void bootloader_check_data();
    void bootloader_check();
};

void TestLinkVirtualPedal::list_scan_connect_disconnect_reconnect() {
    Fixture f;
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X"));
    QCOMPARE(f.ui.serial_menu, QStringLiteral("Device Serial: ") + kVirtualPedalSerial);
    f.comm.menuScanClick();
    QCOMPARE(f.log.lines, (QStringList{"FT device count: 1", QStringLiteral("FT_Device_String: ") +
                                                                 kVirtualPedalSerial}));
    QCOMPARE(f.dialogs.messages, QStringList{"FT230X Basic UART found, click Connect"});
    f.dialogs.messages.clear();
    for (int round = 0; round < 2; ++round) {
        f.comm.menuConnectClick();
        QVERIFY(f.ui.device_name.endsWith(QLatin1String(" connected")));
        QCOMPARE(f.ui.enabled[Control::btnOpenEffect], true);
        QCOMPARE(f.ui.enabled[Control::menuConnect], false);
        f.comm.menuDisconnectClick();
        QVERIFY(!f.ui.device_name.contains(QLatin1String("connected")));
        QCOMPARE(f.ui.enabled[Control::menuConnect], true);
        QCOMPARE(f.ui.enabled[Control::btnRequest], false);
    }
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
}

void TestLinkVirtualPedal::information_reply() {
    Fixture f;
    f.connect();
    QVERIFY(f.d2xx.send_bytes(QByteArray("\x05\x00", 2)));
    const auto text = f.comm.receive_text(kx::information_reply());
    QVERIFY(text);
    const QList<QByteArray> lines = text->split('\r');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[1], QByteArray("\n0"));
    QCOMPARE(lines[3], "\n" + QByteArray::number(f.pedal_driver.pedal().firmware_version()));
    QCOMPARE(*text, f.sent_bytes());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLinkVirtualPedal::parameter_reply_of_16_controls() {
    Fixture f;
    f.connect();
    // Give the reply distinct numbers: a value word at address 0, which the factory effect's
    // controls all read, and an assignment for each control and readback.
    QVERIFY(f.d2xx.send_bytes(QByteArray("\x01\x00\x00\x00\xFE\x2A\x07", 7)));
    QByteArray assign("\x04", 1);
    for (int i = 0; i < 16; ++i)
        assign.append(char(i % 12));
    assign.append(QByteArray("\x00\x01\x02\x03\x05\x07", 6));
    QVERIFY(f.d2xx.send_bytes(assign));
    QTest::qWait(100); // the pedal takes them in; they have no answer
    const qsizetype sent_before = f.pedal_driver.pedal().sent().size();

    QVERIFY(f.d2xx.send_bytes(QByteArray("\x02\x10")));
    QVERIFY(f.comm.receive_values(parameter_reply(16)));

    QByteArray expected;
    for (int i = 0; i < 16; ++i)
        expected.append(QByteArray("\x00\xFE\x2A\x07", 4));
    const sim::Assignments& codes = f.pedal_driver.pedal().assignments();
    for (const quint8 code : codes.controls)
        expected.append(char(code));
    expected.append(char(codes.bypass));
    expected.append(char(codes.preset));
    for (const quint8 code : codes.readbacks)
        expected.append(char(code));
    QCOMPARE(expected.size(), 86);
    QCOMPARE(f.comm.received_values, expected);
    QVERIFY2(f.sent_bytes(sent_before).size() > 3 * 62, "the reply spans several USB packets");
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLinkVirtualPedal::silent_pedal_ends_at_time_limit() {
    Fixture f;
    f.connect();
    f.pedal_driver.pedal().inject_silence(true);
    f.comm.received_values = "keep";
    const auto states = f.ui.enabled;
    QVERIFY(f.d2xx.send_bytes(QByteArray("\x02\x10")));
    QVERIFY(!f.comm.receive_values(parameter_reply(16, 400)));
    QCOMPARE(f.dialogs.messages,
             QStringList{"The pedal did not send its parameter state reply within 0.4 s."});
    QCOMPARE(f.comm.received_values, QByteArray("keep"));
    QCOMPARE(f.ui.enabled, states);
    QVERIFY(f.d2xx.device_open());
}

void TestLinkVirtualPedal::unplug_during_wait() {
    Fixture f;
    f.connect();
    f.ui.parameters_visible = true;
    f.pedal_driver.pedal().inject_silence(true);
    QTimer::singleShot(30, [&] { f.pedal_driver.unplug(); });
    QVERIFY(f.d2xx.send_bytes(QByteArray("\x05\x00", 2)));
    QVERIFY(!f.comm.receive_text(kx::information_reply(3000)));
    QCOMPARE(f.dialogs.messages, QStringList{"FT_GetQueueStatus - General IO error..."});
    QCOMPARE(f.ui.enabled[Control::menuConnect], true);
    QCOMPARE(f.ui.enabled[Control::btnOpenEffect], false);
    QCOMPARE(f.ui.parameter_controls_calls, QList<bool>{false});

    // Plugged in again, the pedal can be connected as before.
    f.dialogs.messages.clear();
    f.pedal_driver.replug();
    f.pedal_driver.pedal().inject_silence(false);
    f.comm.menuConnectClick();
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
    QVERIFY(f.d2xx.send_bytes(QByteArray("\x05\x00", 2)));
    QVERIFY(f.comm.receive_text(kx::information_reply()));
}

void TestLinkVirtualPedal::bootloader_check_data() {
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("byte");
    QTest::newRow("acknowledged") << false << kTextBootloaderOk << "79";
    QTest::newRow("refused") << true << kTextBootloaderFailed << "1F";
}

void TestLinkVirtualPedal::bootloader_check() {
    QFETCH(bool, refuse);
    QFETCH(QString, message);
    QFETCH(QString, byte);
    Fixture f(true);
    QTest::qWait(5); // the bootloader starts after power-on
    if (refuse)
        f.pedal_driver.pedal().inject_nack_at_step(1);
    f.comm.firmware_upgrade_mode = true;
    f.comm.menuConnectClick();
    QCOMPARE(f.dialogs.messages, QStringList{message});
    QVERIFY(f.log.lines.contains(QStringLiteral("received Byte: ") + byte));
    QCOMPARE(f.ui.enabled[Control::menuStartFirmwareUpgrade], !refuse);
    QCOMPARE(f.ui.enabled[Control::btnRequest], refuse);
}

QTEST_GUILESS_MAIN(TestLinkVirtualPedal)
#include "tst_link_virtual_pedal.moc"
