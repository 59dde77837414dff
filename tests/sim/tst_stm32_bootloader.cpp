#include "sim/pedal_rig.h"

#include "sim/microcontroller_flash.h"

#include <QtTest>

using namespace kx;
using namespace kx::sim;
using namespace kx::sim::test;

namespace {

const QByteArray kAckByte(1, char(0x79));
const QByteArray kNackByte(1, char(0x1F));

// A pedal in its bootloader, synchronised.
struct BootloaderRig : PedalRig {
    BootloaderRig() : PedalRig(true, true) {
        if (exchange(hex("7F")) != kAckByte)
            qFatal("the bootloader did not acknowledge the synchronisation");
    }
};

// The frames of a Write Memory command for `data` at `address`.
QByteArray write_memory(quint32 address, const QByteArray& data) {
    QByteArray frame = hex("31 CE");
    quint8 sum = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        frame.append(char(address >> shift));
        sum ^= quint8(address >> shift);
    }
    frame.append(char(sum));
    sum = quint8(data.size() - 1);
    frame.append(char(sum));
    for (char byte : data)
        sum ^= quint8(byte);
    return frame + data + char(sum);
}

// Writes a firmware that reports `version`: vector table, then the version record at 0x140.
QByteArray write_firmware(quint32 version) {
    QByteArray image(0x200, char(0x5A));
    image.replace(0, 8, hex("00500020 51010008"));
    image.replace(0x140, 8, QByteArray("KXFW") + char(version) + QByteArray(3, '\0'));
    return write_memory(0x08000000, image.left(256)) + write_memory(0x08000100, image.mid(256));
}

} // namespace

class TestStm32Bootloader : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void written_flash_reads_back_and_refuses_a_second_write();
    void go_starts_what_the_flash_holds_data();
    void go_starts_what_the_flash_holds();
    void injected_nack_stops_its_command();
    void second_sync_is_taken_as_a_command();
    void footswitch_selects_the_bootloader();
};

void TestStm32Bootloader::commands_data() {
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("get") << hex("00 FF") << hex("79 07 22 00 01 02 11 21 31 43 79");
    QTest::newRow("get version") << hex("01 FE") << hex("79 22 00 00 79");
    QTest::newRow("get id") << hex("02 FD") << hex("79 01 04 10 79");
    QTest::newRow("bad complement") << hex("00 00") << hex("1F");
    QTest::newRow("extended erase not offered") << hex("44 BB") << hex("1F");
    QTest::newRow("read the vector table")
        << hex("11 EE 08000000 08 03 FC") << hex("79 79 79 00500020");
    QTest::newRow("read, address checksum") << hex("11 EE 08000000 09") << hex("79 1F");
    QTest::newRow("read, no memory there") << hex("11 EE 00000000 00") << hex("79 1F");
    QTest::newRow("read past the flash") << hex("11 EE 0801FFFF 09 01 FE") << hex("79 79 1F");
    QTest::newRow("read, count complement") << hex("11 EE 08000000 08 03 00") << hex("79 79 1F");
    QTest::newRow("write onto programmed flash")
        << write_memory(0x08000000, hex("AABB")) << hex("79 79 1F");
    QTest::newRow("write erased flash") << write_memory(0x08001000, hex("AABB")) << hex("79 79 79");
    QTest::newRow("write, data checksum") << hex("31 CE 08001000 18 01 AABB 11") << hex("79 79 1F");
    QTest::newRow("write the bootloader's RAM")
        << write_memory(0x20000000, hex("AABB")).left(7) << hex("79 1F");
    QTest::newRow("write free RAM") << write_memory(0x20000200, hex("AABB")) << hex("79 79 79");
    QTest::newRow("global erase") << hex("43 BC FF 00") << hex("79 79");
    QTest::newRow("global erase, checksum") << hex("43 BC FF 01") << hex("79 1F");
    QTest::newRow("erase pages 0 and 1") << hex("43 BC 01 00 01 00") << hex("79 79");
    QTest::newRow("erase page 128") << hex("43 BC 00 80 80") << hex("79 1F");
    QTest::newRow("erase, checksum") << hex("43 BC 00 05 00") << hex("79 1F");
    QTest::newRow("go, address checksum") << hex("21 DE 08000000 00") << hex("79 1F");
}

void TestStm32Bootloader::commands() {
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, answer);
    BootloaderRig rig;
    QCOMPARE(rig.exchange(sent).toHex(' '), answer.toHex(' '));
    // After an answer, refused or not, the next command is understood.
    QCOMPARE(rig.exchange(hex("02 FD")), hex("79 01 04 10 79"));
}

void TestStm32Bootloader::written_flash_reads_back_and_refuses_a_second_write() {
    BootloaderRig rig;
    QByteArray chunk(256, '\0');
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = char(i * 7);
    QCOMPARE(rig.exchange(hex("43 BC 00 00 00")), hex("79 79"));
    QCOMPARE(rig.exchange(write_memory(0x08000000, chunk)), hex("79 79 79"));
    QCOMPARE(rig.exchange(hex("11 EE 08000000 08 FF 00")), hex("79 79 79") + chunk);
    QCOMPARE(rig.exchange(write_memory(0x08000000, QByteArray(256, '\xFF'))), hex("79 79 1F"));
    QCOMPARE(rig.pedal.flash().left(256), chunk);
    // The erase kept to its page.
    QCOMPARE(rig.pedal.flash().mid(1024, 4), hex("FFFFFFFF"));
}

void TestStm32Bootloader::go_starts_what_the_flash_holds_data() {
    QTest::addColumn<QByteArray>("frames");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("information");
    QTest::newRow("new firmware") << hex("43 BC FF 00") + write_firmware(12)
                                  << int(PedalMode::Firmware)
                                  << QByteArray("Kestrel X\r\n0\r\n0\r\n12\r\n");
    QTest::newRow("firmware without version")
        << hex("43 BC FF 00") + write_memory(0x08000000, hex("00500020 51010008"))
        << int(PedalMode::Firmware) << QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n");
    QTest::newRow("erased flash") << hex("43 BC FF 00") << int(PedalMode::Halted) << QByteArray();
}

void TestStm32Bootloader::go_starts_what_the_flash_holds() {
    QFETCH(QByteArray, frames);
    QFETCH(int, mode);
    QFETCH(QByteArray, information);
    BootloaderRig rig;
    rig.exchange(frames);
    QCOMPARE(rig.exchange(hex("21 DE 08000000 08")), hex("79 79"));
    QCOMPARE(int(rig.pedal.mode()), mode);
    QCOMPARE(rig.exchange(hex("05 00")), information);
}

void TestStm32Bootloader::injected_nack_stops_its_command() {
    BootloaderRig rig;
    rig.exchange(hex("43 BC 00 04 04"));
    rig.pedal.inject_nack_at_step(2); // the address of the next write
    const QByteArray write = write_memory(0x08001000, hex("0102"));
    QCOMPARE(rig.exchange(write.left(7)), hex("79 1F"));
    // The rest of the frame (01, 01 02, checksum 02) is read as two commands and refused.
    QCOMPARE(rig.exchange(write.mid(7)), hex("1F 1F"));
    QCOMPARE(rig.exchange(write), hex("79 79 79"));
    QCOMPARE(rig.pedal.flash().mid(0x1000, 2), hex("0102"));
}

void TestStm32Bootloader::second_sync_is_taken_as_a_command() {
    BootloaderRig rig;
    // A host that reconnects sends 0x7F again: it is a command byte awaiting its complement,
    // and a second one fails that check.
    QCOMPARE(rig.exchange(hex("7F")), QByteArray());
    QCOMPARE(rig.exchange(hex("7F")), kNackByte);
    QCOMPARE(rig.exchange(hex("01 FE")), hex("79 22 00 00 79"));
}

void TestStm32Bootloader::footswitch_selects_the_bootloader() {
    PedalRig rig;
    rig.pedal.power_cycle(0, true);
    QCOMPARE(rig.pedal.mode(), PedalMode::Bootloader);
    QCOMPARE(rig.exchange(hex("05 00")), QByteArray()); // not synchronised: ignored
    QCOMPARE(rig.exchange(hex("7F")), kAckByte);
    rig.pedal.power_cycle(rig.now_us);
    QCOMPARE(rig.exchange(hex("05 00")), QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
    QCOMPARE(rig.pedal.flash(), factory_flash());
}

QTEST_GUILESS_MAIN(TestStm32Bootloader)
#include "tst_stm32_bootloader.moc"
