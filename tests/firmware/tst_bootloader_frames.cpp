// The bootloader's frames and the image's chunks: pure functions over bytes.
#include "firmware/bootloader_frames.h"
#include "firmware/loaded_firmware.h"
#include "library/resource_store.h"

#include <QtTest>

using namespace kx;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Bytes 0, 1, 2, ... (mod 256): every chunk differs from its neighbours.
QByteArray counting_image(qsizetype size) {
    QByteArray image(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        image[i] = char(i * 7 + i / 256);
    return image;
}

LoadedFirmware firmware_of(qsizetype size, int number = 1) {
    const QByteArray bytes = counting_image(size);
    return {QStringLiteral("Firmware_%1").arg(number), number, bytes,
            QString::fromLatin1(bytes.toHex().toUpper())};
}

} // namespace

class TestBootloaderFrames : public QObject {
    Q_OBJECT
private slots:
    void address_frames_data();
    void address_frames();
    void data_frames_data();
    void data_frames();
    void frames_refuse_sizes_outside_a_chunk();
    void answers_data();
    void answers();
    void only_firmware_1_has_a_record();
    void chunks_data();
    void chunks();
    void split_log_names_the_last_chunk_once_more();
    void images_that_cannot_be_written_data();
    void images_that_cannot_be_written();
    void firmware_numbers_data();
    void firmware_numbers();
    void firmware_1_loads_from_the_store();
};

void TestBootloaderFrames::address_frames_data() {
    QTest::addColumn<quint32>("address");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("image start") << kImageAddress << hex("08 00 00 00 08");
    QTest::newRow("record") << kRecordAddress << hex("08 01 FC 00 F5");
    QTest::newRow("last chunk of FIRMWARE_1") << quint32(0x08008C00) << hex("08 00 8C 00 84");
}

void TestBootloaderFrames::address_frames() {
    QFETCH(quint32, address);
    QFETCH(QByteArray, frame);
    QCOMPARE(address_frame(address), frame);
    QCOMPARE(address_checksum(address), quint8(frame.back()));
}

void TestBootloaderFrames::data_frames_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("one byte") << hex("AB") << hex("00 AB AB");
    QTest::newRow("record of firmware 1")
        << *firmware_record(1) << hex("07 00 00 00 00 00 00 00 01 06");
    QByteArray full(256, '\0');
    quint8 sum = 0xFF;
    for (int i = 0; i < 256; ++i) {
        full[i] = char(255 - i);
        sum ^= quint8(255 - i);
    }
    QTest::newRow("full chunk") << full << hex("FF") + full + QByteArray(1, char(sum));
}

void TestBootloaderFrames::data_frames() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, frame);
    QCOMPARE(data_frame(data), frame);
}

void TestBootloaderFrames::frames_refuse_sizes_outside_a_chunk() {
    QVERIFY(data_frame({}).isEmpty());
    QVERIFY(data_frame(QByteArray(257, 'x')).isEmpty());
    QVERIFY(read_count_frame(0).isEmpty());
    QVERIFY(read_count_frame(257).isEmpty());
    QCOMPARE(read_count_frame(256), hex("FF 00"));
    QCOMPARE(read_count_frame(28), hex("1B E4"));
    QCOMPARE(command_frame(kReadMemory), hex("11 EE"));
}

void TestBootloaderFrames::answers_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("ACK") << hex("79") << int(BootloaderAnswer::Ack) << "79";
    QTest::newRow("NACK") << hex("1F") << int(BootloaderAnswer::Nack) << "1F";
    QTest::newRow("sync echoed") << hex("7F") << int(BootloaderAnswer::Other) << "7F";
    QTest::newRow("ACK then more: the first byte counts")
        << hex("79 1F") << int(BootloaderAnswer::Ack) << "79";
    QTest::newRow("nothing") << QByteArray() << int(BootloaderAnswer::None) << "";
}

void TestBootloaderFrames::answers() {
    QFETCH(QByteArray, reply);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QCOMPARE(int(classify_answer(reply)), answer);
    QCOMPARE(answer_text(reply), text);
}

void TestBootloaderFrames::only_firmware_1_has_a_record() {
    QCOMPARE(firmware_record(1), std::optional<QByteArray>(hex("00 00 00 00 00 00 00 01")));
    for (const int number : {0, 2, 9})
        QVERIFY2(!firmware_record(number), qPrintable(QString::number(number)));
}

void TestBootloaderFrames::chunks_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("count");
    QTest::newRow("FIRMWARE_1's size") << 35868 << 140 << 28 << 141;
    QTest::newRow("two full chunks") << 512 << 2 << 0 << 2;
    QTest::newRow("one byte") << 1 << 0 << 1 << 1;
    QTest::newRow("below the record") << int(kMaxImageBytes) << 508 << 0 << 508;
}

void TestBootloaderFrames::chunks() {
    QFETCH(int, size);
    QFETCH(int, full);
    QFETCH(int, last);
    QFETCH(int, count);
    const LoadedFirmware image = firmware_of(size);
    const FirmwareChunks chunks = split_into_chunks(image.bytes, image.hex);
    QCOMPARE(chunks.full, full);
    QCOMPARE(chunks.last, last);
    QCOMPARE(chunks.count(), count);
    QCOMPARE(chunks.hex.size(), count);
    // Put back together, the chunks are the image; each hex text matches its bytes.
    QByteArray joined;
    for (int i = 0; i < count; ++i) {
        QCOMPARE(chunks.hex[i], QString::fromLatin1(chunks.bytes[i].toHex().toUpper()));
        QVERIFY(chunks.bytes[i].size() == 256 || i == count - 1);
        joined += chunks.bytes[i];
    }
    QCOMPARE(joined, image.bytes);
}

void TestBootloaderFrames::split_log_names_the_last_chunk_once_more() {
    const LoadedFirmware odd = firmware_of(35868);
    const QStringList lines = chunk_log_lines(split_into_chunks(odd.bytes, odd.hex));
    QCOMPARE(lines.mid(0, 2), (QStringList{"num of chunks: 140", "num of bytes last chunk: 28"}));
    QCOMPARE(lines.count(QStringLiteral("num of bytes last chunk: 28")), 2);
    const qsizetype last = lines.indexOf(QStringLiteral("chunk from string 140: "));
    QCOMPARE(lines[last - 1], QStringLiteral("num of bytes last chunk: 28"));
    QCOMPARE(lines.mid(last + 1, 4),
             (QStringList{odd.hex.right(56), "chunk 140 size: 28", "", ""}));
    QCOMPARE(lines.size(), 2 + 1 + 141 * 5);

    const LoadedFirmware even = firmware_of(512);
    const QStringList even_lines = chunk_log_lines(split_into_chunks(even.bytes, even.hex));
    QCOMPARE(even_lines.count(QStringLiteral("num of bytes last chunk: 0")), 1);
    QCOMPARE(even_lines[9], QStringLiteral("chunk 1 size: 256"));
}

void TestBootloaderFrames::images_that_cannot_be_written_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("fits below the record") << int(kMaxImageBytes) << 1 << "";
    QTest::newRow("empty") << 0 << 1 << "The firmware Firmware_1 is empty";
    QTest::newRow("one byte into the record's page")
        << int(kMaxImageBytes) + 1 << 1 << "would reach the firmware record at 0x0801FC00";
    QTest::newRow("more than 512 chunks") << 512 * 256 + 1 << 1 << "more than 512 chunks";
    QTest::newRow("no record for its number") << 1024 << 2 << "no firmware record for number 2";
}

void TestBootloaderFrames::images_that_cannot_be_written() {
    QFETCH(int, size);
    QFETCH(int, number);
    QFETCH(QString, message);
    const Status fits = check_firmware_fits(firmware_of(size, number));
    QCOMPARE(fits.ok(), message.isEmpty());
    QVERIFY2(fits.error().contains(message), qPrintable(fits.error()));
    if (!fits)
        QVERIFY(fits.error().endsWith(QLatin1String("Nothing was sent.")));
}

void TestBootloaderFrames::firmware_numbers_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("number"); // -1: none
    QTest::newRow("Firmware_1") << "Firmware_1" << 1;
    QTest::newRow("Firmware_7") << "Firmware_7" << 7;
    QTest::newRow("no digit at the end") << "Firmware_x" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestBootloaderFrames::firmware_numbers() {
    QFETCH(QString, item);
    QFETCH(int, number);
    QCOMPARE(firmware_number(item).value_or(-1), number);
}

void TestBootloaderFrames::firmware_1_loads_from_the_store() {
    const ResourceStore store;
    const auto image = load_firmware_image(store, QStringLiteral("Firmware_1"));
    QVERIFY2(image, qPrintable(image.error()));
    QCOMPARE(image->bytes.size(), 35868);
    QCOMPARE(image->number, 1);
    QCOMPARE(image->hex, QString::fromLatin1(image->bytes.toHex().toUpper()));
    QVERIFY(check_firmware_fits(*image));

    QCOMPARE(load_firmware_image(store, QString()).error(), QString(kMessageNoFirmwareChosen));
    const auto missing = load_firmware_image(store, QStringLiteral("Firmware_9"));
    QVERIFY2(missing.error().startsWith(QLatin1String("Error loading resource: ")) &&
                 missing.error().contains(QLatin1String("Firmware_9"), Qt::CaseInsensitive),
             qPrintable(missing.error()));

    // A store whose firmware is some other file: the firmware window loads through here, and
    // refuses it as kestrel-x refuses such a file.
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(KX_FIXTURES_DIR "/ir/pcm16-mono-48k.wav"),
                        folder.filePath(QStringLiteral("FIRMWARE_1"))));
    const auto other =
        load_firmware_image(ResourceStore(folder.path()), QStringLiteral("Firmware_1"));
    QVERIFY(!other);
    QCOMPARE(other.error_kind(), ErrorKind::BadInput);
    QVERIFY2(other.error().startsWith(QLatin1String(
                 "Choose a firmware file made for the Kestrel X: Firmware_1 is not one")),
             qPrintable(other.error()));
}

QTEST_GUILESS_MAIN(TestBootloaderFrames)
#include "tst_bootloader_frames.moc"
