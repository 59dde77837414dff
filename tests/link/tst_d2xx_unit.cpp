#include "base/clock.h"
#include "base/log.h"
#include "link/D2XXUnit.h"
#include "support/scripted_serial_driver.h"

#include <QtTest>

#include <functional>

using namespace kx;

namespace {

// A unit over a scripted chip that is already open.
struct Fixture {
    InstantClock clock;
    ScriptedSerialDriver driver{clock};
    MemoryLog log;
    D2XXUnit unit{driver, log};
    QStringList lost; // what the lost-link handler was told

    Fixture() {
        driver.chips = {{"S1", "FT230X Basic UART"}};
        unit.set_lost_handler([this](const QString& message) { lost << message; });
        QVERIFY(unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S1")));
    }
    QByteArray received(int from, int to) const {
        return QByteArray(unit.receive_buffer() + from, to - from);
    }
};

} // namespace

class TestD2XXUnit : public QObject {
    Q_OBJECT
private slots:
    void failure_messages_data();
    void failure_messages();
    void listing_texts_data();
    void listing_texts();
    void read_with_empty_queue_leaves_buffer();
    void shorter_read_leaves_older_bytes_behind();
    void read_takes_at_most_the_buffer();
    void writes_send_the_buffer_as_it_stands();
    void long_serial_number_is_cut();
    void failed_open_keeps_handle();
    void long_message_is_refused_before_it_is_built();
    void hex_stops_at_first_bad_pair();
    void chip_is_closed_on_exit();
    void wait_refuses_disturbing_operations();
    void vanished_chip_ends_the_connection_once_data();
    void vanished_chip_ends_the_connection_once();
    void closed_chip_is_not_asked();
};

void TestD2XXUnit::failure_messages_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("read, I/O error") << "read" << 4 << "FT_Read - General IO error...";
    QTest::newRow("write, no dash") << "write" << 9 << "FT_Write Device not opened for write...";
    QTest::newRow("write, insufficient resources")
        << "write" << 5 << "FT_Write - Insufficient resources...";
    QTest::newRow("close, blank before dots") << "close" << 17 << "FT_Close - Other error ...";
    QTest::newRow("count, invalid handle")
        << "count" << 1 << "GetFTDeviceCount - Invalid handle...";
    QTest::newRow("unknown status shows its number") << "close" << 42 << "FT_Close - Status 42...";
    QTest::newRow("success shows nothing") << "close" << 0 << "";
}

void TestD2XXUnit::failure_messages() {
    QFETCH(QString, operation);
    QFETCH(int, status);
    QFETCH(QString, message);
    Fixture f;
    f.driver.queue_bytes("abc");
    const std::map<QString, std::function<QString()>> calls = {
        {"read",
         [&] {
             f.driver.read_status = status;
             return f.unit.ReadFTDevice().error();
         }},
        {"write",
         [&] {
             f.driver.write_status = status;
             return f.unit.WriteFTDevice(2).error();
         }},
        {"close",
         [&] {
             f.driver.close_status = status;
             return f.unit.CloseFTDevice().error();
         }},
        {"count",
         [&] {
             f.driver.count_status = status;
             return f.unit.GetFTDeviceCount().error();
         }},
    };
    QCOMPARE(calls.at(operation)(), message);
    QCOMPARE(f.unit.last_status, status);
    QVERIFY2(f.log.lines.isEmpty(), "driver failures are not logged");
}

void TestD2XXUnit::listing_texts_data() {
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<QString>("text");
    QTest::newRow("up to the NUL") << QByteArray("FT230X\0junk", 11) << "FT230X";
    QTest::newRow("64 bytes, no NUL") << QByteArray(64, 'D') << QString(64, 'D');
    QTest::newRow("longer buffer cut to 64") << QByteArray(70, 'E') << QString(64, 'E');
    QTest::newRow("8-bit text") << QByteArray("P\xE9"
                                              "dale")
                                << QString::fromLatin1("P\xE9"
                                                       "dale");
}

void TestD2XXUnit::listing_texts() {
    QFETCH(QByteArray, buffer);
    QFETCH(QString, text);
    Fixture f;
    f.driver.chips = {{buffer, buffer}};
    QCOMPARE(f.unit.GetFTDeviceSerialNo(0).value(), text);
    QCOMPARE(f.unit.GetFTDeviceDescription(0).value(), text);
}

void TestD2XXUnit::read_with_empty_queue_leaves_buffer() {
    Fixture f;
    f.driver.queue_bytes("HELLO");
    QCOMPARE(f.unit.ReadFTDevice().value(), 5u);
    QCOMPARE(f.unit.ReadFTDevice().value(), 0u);
    QCOMPARE(f.received(0, 5), QByteArray("HELLO"));
}

void TestD2XXUnit::shorter_read_leaves_older_bytes_behind() {
    Fixture f;
    f.driver.queue_bytes(QByteArray(30, 'o'));
    QCOMPARE(f.unit.ReadFTDevice().value(), 30u);
    f.driver.queue_bytes(QByteArray(10, 'n'));
    QCOMPARE(f.unit.ReadFTDevice().value(), 10u);
    QCOMPARE(f.received(0, 10), QByteArray(10, 'n'));
    QCOMPARE(f.received(10, 30), QByteArray(20, 'o'));
}

void TestD2XXUnit::read_takes_at_most_the_buffer() {
    Fixture f;
    QByteArray data(70000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 251);
    f.driver.queue_bytes(data);
    QCOMPARE(f.unit.ReadFTDevice().value(), 65536u);
    QCOMPARE(f.received(0, 65536), data.first(65536));
    QCOMPARE(f.unit.ReadFTDevice().value(), 4464u);
    QCOMPARE(f.received(0, 4464), data.sliced(65536));
}

void TestD2XXUnit::writes_send_the_buffer_as_it_stands() {
    Fixture f;
    f.unit.send_buffer()[0] = 0x05;
    f.unit.send_buffer()[1] = 0x00;
    QCOMPARE(f.unit.WriteFTDevice(2).value(), 2u);
    f.unit.send_buffer()[1] = 0x07;
    QCOMPARE(f.unit.WriteFTDevice(2).value(), 2u);
    QCOMPARE(f.driver.writes, (QList<QByteArray>{QByteArray("\x05\x00", 2), "\x05\x07"}));
}

void TestD2XXUnit::long_serial_number_is_cut() {
    Fixture f;
    const QByteArray serial(60, 'S');
    f.driver.chips = {{serial, "x"}};
    QVERIFY(f.unit.Open_USB_Device_By_Serial_Number(QString::fromLatin1(serial)));
    QCOMPARE(f.driver.opened_serials.last(), serial.first(49));
}

void TestD2XXUnit::failed_open_keeps_handle() {
    Fixture f;
    const FtHandle before = f.unit.device_handle;
    f.driver.chips = {{"S2", "x", FT_DEVICE_NOT_OPENED}};
    QCOMPARE(f.unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S2")).error(),
             QStringLiteral("Open_USB_Device_By_Serial_Number - Device not opened..."));
    QCOMPARE(f.unit.device_handle, before);
    QVERIFY(f.unit.device_open());
}

void TestD2XXUnit::long_message_is_refused_before_it_is_built() {
    Fixture f;
    f.unit.send_buffer()[0] = 0x42;
    const auto hex = f.unit.put_hex(QString(2 * 65537, QLatin1Char('0')));
    QVERIFY(!hex);
    QVERIFY2(hex.error().contains("65537"), qPrintable(hex.error()));
    QVERIFY(!f.unit.send_bytes(QByteArray(65537, '\0')));
    QCOMPARE(f.unit.send_buffer()[0], char(0x42));
    QVERIFY(f.driver.writes.isEmpty());
    QCOMPARE(f.unit.put_hex(QString(2 * 65536, QLatin1Char('a'))).value(), 65536u);
}

void TestD2XXUnit::hex_stops_at_first_bad_pair() {
    Fixture f;
    QCOMPARE(f.unit.put_hex(u"0d0AffG1ab").value(), 3u);
    QCOMPARE(QByteArray(f.unit.send_buffer(), 3), QByteArray("\x0D\x0A\xFF"));
}

void TestD2XXUnit::chip_is_closed_on_exit() {
    InstantClock clock;
    ScriptedSerialDriver driver(clock);
    NullLog log;
    driver.chips = {{"S1", "x"}};
    {
        D2XXUnit unit(driver, log);
        QVERIFY(unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S1")));
        QCOMPARE(driver.closes, 0);
    }
    QCOMPARE(driver.closes, 1);
    QCOMPARE(driver.open_handle, FtHandle(0));
}

void TestD2XXUnit::wait_refuses_disturbing_operations() {
    Fixture f;
    f.unit.set_wait_running(true);
    QCOMPARE(f.unit.WriteFTDevice(1).error_kind(), ErrorKind::Busy);
    QCOMPARE(f.unit.CloseFTDevice().error_kind(), ErrorKind::Busy);
    QCOMPARE(f.unit.PurgeFTDeviceRX().error_kind(), ErrorKind::Busy);
    // The wait itself goes on reading.
    f.driver.queue_bytes("r");
    QCOMPARE(f.unit.ReadFTDevice().value(), 1u);
    f.unit.set_wait_running(false);
    QVERIFY(f.driver.writes.isEmpty());
    QCOMPARE(f.driver.closes, 0);
    QVERIFY(f.driver.purges.isEmpty());
    QVERIFY(f.lost.isEmpty());
    QCOMPARE(f.log.lines,
             (QStringList{"pedal busy, refused: FT_Write", "pedal busy, refused: FT_Close",
                          "pedal busy, refused: FT_Purge RX"}));
}

void TestD2XXUnit::vanished_chip_ends_the_connection_once_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");
    QTest::newRow("write") << "write"
                           << "FT_Write - General IO error...";
    QTest::newRow("read") << "read"
                          << "FT_Read - General IO error...";
    QTest::newRow("queue query") << "queue"
                                 << "FT_GetQueueStatus - General IO error...";
    QTest::newRow("purge") << "purge"
                           << "FT_Purge RX - General IO error...";
}

// An unplug found by any call closes the handle and is reported once; later calls are
// refused without reaching the driver, so no stream of failures follows.
void TestD2XXUnit::vanished_chip_ends_the_connection_once() {
    QFETCH(QString, operation);
    QFETCH(QString, message);
    Fixture f;
    f.driver.queue_bytes("abc");
    f.driver.unplug_at_ms = 0;
    const std::map<QString, std::function<Error()>> calls = {
        {"write", [&] { return f.unit.WriteFTDevice(2).failure(); }},
        {"read", [&] { return f.unit.ReadFTDevice().failure(); }},
        {"queue", [&] { return f.unit.GetFTDeviceQueueStatus().failure(); }},
        {"purge", [&] { return f.unit.PurgeFTDeviceRX().failure(); }},
    };
    const Error first = calls.at(operation)();
    QCOMPARE(first.message, message);
    QCOMPARE(first.kind, ErrorKind::LinkLost);
    QCOMPARE(f.lost, QStringList{message});
    QVERIFY(!f.unit.device_open());
    QCOMPARE(f.driver.closes, 1);
    for (const auto& [name, call] : calls)
        QCOMPARE(call().kind, ErrorKind::NotConnected);
    QCOMPARE(f.lost.size(), 1);
    QCOMPARE(f.driver.writes.size(), 0);
}

void TestD2XXUnit::closed_chip_is_not_asked() {
    Fixture f;
    QVERIFY(f.unit.CloseFTDevice());
    const int queries = f.driver.queue_queries;
    QCOMPARE(f.unit.WriteFTDevice(1).error(),
             QStringLiteral("FT_Write was not done: the pedal is not connected."));
    QCOMPARE(f.unit.GetFTDeviceQueueStatus().error_kind(), ErrorKind::NotConnected);
    QCOMPARE(f.driver.queue_queries, queries);
    QVERIFY(f.lost.isEmpty());
}

QTEST_GUILESS_MAIN(TestD2XXUnit)
#include "tst_d2xx_unit.moc"
