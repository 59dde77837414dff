#include "link/drivers/virtual_pedal_driver.h"
#include "support/await.h"

#include <QtTest>

using namespace kx;

namespace {

struct OpenChip {
    VirtualPedalDriver driver;
    FtHandle handle = 0;

    explicit OpenChip(bool instant = true) : driver(std::make_shared<sim::VirtualPedal>(instant)) {
        QCOMPARE(driver.open_by_serial(kVirtualPedalSerial, handle), int(FT_OK));
        QCOMPARE(driver.set_baud_rate(handle, 115200), int(FT_OK));
        QCOMPARE(driver.set_data_characteristics(handle, 8, 0, 0), int(FT_OK));
    }

    int send(const QByteArray& bytes) {
        quint32 written = 0;
        return driver.write(handle, bytes.constData(), quint32(bytes.size()), written);
    }

    QByteArray take() {
        quint32 queued = 0;
        if (driver.queue_status(handle, queued) != FT_OK)
            return {};
        QByteArray bytes(qsizetype(queued), '\0');
        quint32 read = 0;
        driver.read(handle, bytes.data(), queued, read);
        return bytes.left(read);
    }
};

} // namespace

class TestVirtualPedalDriver : public QObject {
    Q_OBJECT
private slots:
    void lists_one_chip();
    void opens_only_its_serial_once();
    void line_settings_must_match_the_pedal_data();
    void line_settings_must_match_the_pedal();
    void answer_arrives_through_wait_with_real_timing();
    void pulled_cable_fails_the_open_handle();
};

void TestVirtualPedalDriver::lists_one_chip() {
    VirtualPedalDriver driver;
    quint32 count = 0;
    QCOMPARE(driver.device_count(count), int(FT_OK));
    QCOMPARE(count, 1u);
    QByteArray serial, description;
    QCOMPARE(driver.serial_number(0, serial), int(FT_OK));
    QCOMPARE(serial, QByteArray(kVirtualPedalSerial));
    QCOMPARE(driver.description(0, description), int(FT_OK));
    QCOMPARE(description, QByteArray("FT230X Basic UART"));
    QCOMPARE(driver.serial_number(1, serial), int(FT_DEVICE_NOT_FOUND));
}

void TestVirtualPedalDriver::opens_only_its_serial_once() {
    VirtualPedalDriver driver;
    FtHandle handle = 0;
    QCOMPARE(driver.open_by_serial("KXV00002", handle), int(FT_DEVICE_NOT_FOUND));
    QCOMPARE(driver.open_by_serial(kVirtualPedalSerial, handle), int(FT_OK));
    QVERIFY(handle != 0);
    FtHandle second = 0;
    QCOMPARE(driver.open_first(second), int(FT_DEVICE_NOT_OPENED));
    quint32 queued = 99;
    QCOMPARE(driver.queue_status(handle + 1, queued), int(FT_INVALID_HANDLE));
    QCOMPARE(driver.close(handle), int(FT_OK));
    QCOMPARE(driver.close(handle), int(FT_INVALID_HANDLE));
    QCOMPARE(driver.queue_status(handle, queued), int(FT_INVALID_HANDLE));
    QCOMPARE(driver.open_first(second), int(FT_OK));
}

void TestVirtualPedalDriver::line_settings_must_match_the_pedal_data() {
    QTest::addColumn<quint32>("baud");
    QTest::addColumn<int>("parity");
    QTest::addColumn<bool>("answered");
    QTest::newRow("115200 8N1") << 115200u << 0 << true;
    QTest::newRow("power-on 9600") << 9600u << 0 << false;
    QTest::newRow("even parity") << 115200u << 2 << false;
}

void TestVirtualPedalDriver::line_settings_must_match_the_pedal() {
    QFETCH(quint32, baud);
    QFETCH(int, parity);
    QFETCH(bool, answered);
    OpenChip chip;
    QCOMPARE(chip.driver.set_baud_rate(chip.handle, baud), int(FT_OK));
    QCOMPARE(chip.driver.set_data_characteristics(chip.handle, 8, 0, quint8(parity)), int(FT_OK));
    QCOMPARE(chip.send(QByteArray("\x05\x00", 2)), int(FT_OK));
    QCOMPARE(chip.take().startsWith("Kestrel X\r\n"), answered);
    QCOMPARE(chip.driver.set_baud_rate(chip.handle, 0), int(FT_INVALID_BAUD_RATE));
    QCOMPARE(chip.driver.set_data_characteristics(chip.handle, 9, 0, 0), int(FT_INVALID_PARAMETER));
}

void TestVirtualPedalDriver::answer_arrives_through_wait_with_real_timing() {
    OpenChip chip(false);
    QCOMPARE(chip.send(QByteArray("\x05\x00", 2)), int(FT_OK));
    QCOMPARE(chip.take(), QByteArray()); // still on the line
    test::done(chip.driver.wait_for_data(chip.handle, 2000));
    const QByteArray reply = chip.take();
    QCOMPARE(reply, QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
    QCOMPARE(chip.driver.pedal().received().size(), 2);
}

void TestVirtualPedalDriver::pulled_cable_fails_the_open_handle() {
    OpenChip chip;
    chip.driver.pedal().inject_unplug_at_byte(2);
    quint32 written = 0;
    QCOMPARE(chip.driver.write(chip.handle, "\x05\x00", 2, written), int(FT_IO_ERROR));
    QCOMPARE(written, 1u);
    quint32 queued = 0;
    char byte = 0;
    quint32 read = 0;
    QCOMPARE(chip.driver.queue_status(chip.handle, queued), int(FT_IO_ERROR));
    QCOMPARE(chip.driver.read(chip.handle, &byte, 1, read), int(FT_IO_ERROR));
    QCOMPARE(chip.driver.write(chip.handle, "\x05", 1, written), int(FT_IO_ERROR));
    test::done(chip.driver.wait_for_data(chip.handle, 5000)); // at once: nothing can come

    quint32 count = 1;
    chip.driver.device_count(count);
    QCOMPARE(count, 0u);
    QCOMPARE(chip.driver.close(chip.handle), int(FT_OK));
    FtHandle handle = 0;
    QCOMPARE(chip.driver.open_first(handle), int(FT_DEVICE_NOT_FOUND));

    chip.driver.replug();
    QCOMPARE(chip.driver.open_first(handle), int(FT_OK));
    QCOMPARE(chip.driver.queue_status(handle, queued), int(FT_OK));
}

QTEST_GUILESS_MAIN(TestVirtualPedalDriver)
#include "tst_virtual_pedal_driver.moc"
