#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
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
    ScriptedDialogs dialogs;
    MemoryLog log;
    D2XXUnit unit{driver, dialogs, log};

    Fixture() {
        driver.chips = {{"S1", "FT230X Basic UART"}};
        unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S1"));
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
};

void TestD2XXUnit::failure_messages_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("read, I/O error") << "read" << 4 << "FT_Read - General IO error...";
    QTest::newRow("write, no dash") << "write" << 9 << "FT_Write Device not opened for write...";
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
    const std::map<QString, std::function<void()>> calls = {
        {"read",
         [&] {
             f.driver.read_status = status;
             f.unit.ReadFTDevice();
         }},
        {"write",
         [&] {
             f.driver.write_status = status;
             f.unit.WriteFTDevice(2);
         }},
        {"close",
         [&] {
             f.driver.close_status = status;
             f.unit.CloseFTDevice();
         }},
        {"count",
         [&] {
             f.driver.count_status = status;
             f.unit.GetFTDeviceCount();
         }},
    };
    calls.at(operation)();
    QCOMPARE(f.dialogs.messages, message.isEmpty() ? QStringList{} : QStringList{message});
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
    QString serial, description;
    QCOMPARE(f.unit.GetFTDeviceSerialNo(0, serial), int(FT_OK));
    QCOMPARE(f.unit.GetFTDeviceDescription(0, description), int(FT_OK));
    QCOMPARE(serial, text);
    QCOMPARE(description, text);
}

void TestD2XXUnit::read_with_empty_queue_leaves_buffer() {
    Fixture f;
    f.driver.queue_bytes("HELLO");
    QCOMPARE(f.unit.ReadFTDevice(), 5u);
    QCOMPARE(f.unit.ReadFTDevice(), 0u);
    QCOMPARE(f.received(0, 5), QByteArray("HELLO"));
}

void TestD2XXUnit::shorter_read_leaves_older_bytes_behind() {
    Fixture f;
    f.driver.queue_bytes(QByteArray(30, 'o'));
    QCOMPARE(f.unit.ReadFTDevice(), 30u);
    f.driver.queue_bytes(QByteArray(10, 'n'));
    QCOMPARE(f.unit.ReadFTDevice(), 10u);
    QCOMPARE(f.received(0, 10), QByteArray(10, 'n'));
    QCOMPARE(f.received(10, 30), QByteArray(20, 'o'));
}

void TestD2XXUnit::read_takes_at_most_the_buffer() {
    Fixture f;
    QByteArray data(70000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i % 251);
    f.driver.queue_bytes(data);
    QCOMPARE(f.unit.ReadFTDevice(), 65536u);
    QCOMPARE(f.received(0, 65536), data.first(65536));
    QCOMPARE(f.unit.ReadFTDevice(), 4464u);
    QCOMPARE(f.received(0, 4464), data.sliced(65536));
}

void TestD2XXUnit::writes_send_the_buffer_as_it_stands() {
    Fixture f;
    f.unit.send_buffer()[0] = 0x05;
    f.unit.send_buffer()[1] = 0x00;
    QCOMPARE(f.unit.WriteFTDevice(2), 2u);
    f.unit.send_buffer()[1] = 0x07;
    QCOMPARE(f.unit.WriteFTDevice(2), 2u);
    QCOMPARE(f.driver.writes, (QList<QByteArray>{QByteArray("\x05\x00", 2), "\x05\x07"}));
}

void TestD2XXUnit::long_serial_number_is_cut() {
    Fixture f;
    const QByteArray serial(60, 'S');
    f.driver.chips = {{serial, "x"}};
    QCOMPARE(f.unit.Open_USB_Device_By_Serial_Number(QString::fromLatin1(serial)), int(FT_OK));
    QCOMPARE(f.driver.opened_serials.last(), serial.first(49));
}

void TestD2XXUnit::failed_open_keeps_handle() {
    Fixture f;
    const FtHandle before = f.unit.device_handle;
    f.driver.chips = {{"S2", "x", FT_DEVICE_NOT_OPENED}};
    QCOMPARE(f.unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S2")),
             int(FT_DEVICE_NOT_OPENED));
    QCOMPARE(f.unit.device_handle, before);
    QCOMPARE(f.dialogs.messages,
             QStringList{"Open_USB_Device_By_Serial_Number - Device not opened..."});
}

void TestD2XXUnit::long_message_is_refused_before_it_is_built() {
    Fixture f;
    f.unit.send_buffer()[0] = 0x42;
    QVERIFY(!f.unit.put_hex(QString(2 * 65537, QLatin1Char('0'))));
    QVERIFY(!f.unit.send_bytes(QByteArray(65537, '\0')));
    QCOMPARE(f.unit.send_buffer()[0], char(0x42));
    QVERIFY(f.driver.writes.isEmpty());
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY2(f.dialogs.messages[0].contains("65537"), qPrintable(f.dialogs.messages[0]));
    QCOMPARE(f.unit.put_hex(QString(2 * 65536, QLatin1Char('a'))), std::optional<quint32>(65536));
}

void TestD2XXUnit::hex_stops_at_first_bad_pair() {
    Fixture f;
    QCOMPARE(f.unit.put_hex(u"0d0AffG1ab"), std::optional<quint32>(3));
    QCOMPARE(QByteArray(f.unit.send_buffer(), 3), QByteArray("\x0D\x0A\xFF"));
}

void TestD2XXUnit::chip_is_closed_on_exit() {
    InstantClock clock;
    ScriptedSerialDriver driver(clock);
    ScriptedDialogs dialogs;
    NullLog log;
    driver.chips = {{"S1", "x"}};
    {
        D2XXUnit unit(driver, dialogs, log);
        unit.Open_USB_Device_By_Serial_Number(QStringLiteral("S1"));
        QCOMPARE(driver.closes, 0);
    }
    QCOMPARE(driver.closes, 1);
    QCOMPARE(driver.open_handle, FtHandle(0));
}

void TestD2XXUnit::wait_refuses_disturbing_operations() {
    Fixture f;
    f.unit.set_wait_running(true);
    QCOMPARE(f.unit.WriteFTDevice(1), 0u);
    QCOMPARE(f.unit.CloseFTDevice(), kStatusRefused);
    QCOMPARE(f.unit.PurgeFTDeviceRX(), kStatusRefused);
    f.unit.set_wait_running(false);
    QVERIFY(f.driver.writes.isEmpty());
    QCOMPARE(f.driver.closes, 0);
    QVERIFY(f.driver.purges.isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.log.lines,
             (QStringList{"pedal busy, refused: FT_Write", "pedal busy, refused: FT_Close",
                          "pedal busy, refused: FT_Purge RX"}));
}

QTEST_GUILESS_MAIN(TestD2XXUnit)
#include "tst_d2xx_unit.moc"
