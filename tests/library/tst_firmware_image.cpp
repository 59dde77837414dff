// Which files the firmware upgrade takes: the shipped image, and none of the files a user may
// pick by mistake or a damaged copy of the image.
#include "library/firmware_image.h"
#include "library/resource_store.h"

#include <QFile>
#include <QtTest>

using namespace kx;

namespace {

QByteArray shipped_firmware() {
    return ResourceStore().raw(QStringLiteral("FIRMWARE_1")).value_or(QByteArray());
}

QByteArray with_word(QByteArray image, int offset, quint32 word) {
    for (int i = 0; i < 4; ++i)
        image[offset + i] = char((word >> (8 * i)) & 0xFF);
    return image;
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(KX_FIXTURES_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFirmwareImage : public QObject {
    Q_OBJECT

private slots:
    void files_the_upgrade_takes_data();
    void files_the_upgrade_takes();
};

void TestFirmwareImage::files_the_upgrade_takes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("why"); // empty: taken

    const QByteArray shipped = shipped_firmware();
    QVERIFY(shipped.size() > 0x200);
    QTest::newRow("the shipped image") << shipped << "";
    QTest::newRow("as large as fits below the record")
        << shipped + QByteArray(kMaxFirmwareImageBytes - shipped.size(), '\xFF') << "";
    QTest::newRow("stack just above the RAM's base") << with_word(shipped, 0, kRamBase + 4) << "";

    QTest::newRow("impulse response WAV")
        << fixture("ir/pcm16-mono-48k.wav") << "it starts with 0x46464952";
    QTest::newRow("empty") << QByteArray() << "it is empty";
    QTest::newRow("one byte into the record's page")
        << shipped + QByteArray(kMaxFirmwareImageBytes + 1 - shipped.size(), '\xFF')
        << "more than the 130048";
    QTest::newRow("cut inside the vector table") << shipped.left(64) << "too few";
    QTest::newRow("cut before the version number") << shipped.left(0x146) << "too few";
    QTest::newRow("cut before its reset handler")
        << shipped.left(0x150) << "reset address 0x08000151";
    QTest::newRow("erased flash") << QByteArray(4096, '\xFF') << "it starts with 0xFFFFFFFF";
    QTest::newRow("stack at the RAM's base")
        << with_word(shipped, 0, kRamBase) << "it starts with 0x20000000";
    QTest::newRow("stack past the RAM's top")
        << with_word(shipped, 0, kRamBase + kRamSize + 4) << "it starts with 0x20005004";
    QTest::newRow("stack not word-aligned")
        << with_word(shipped, 0, kRamBase + kRamSize - 2) << "it starts with 0x20004FFE";
    QTest::newRow("even reset vector")
        << with_word(shipped, 4, kFlashBase + 0x150) << "reset address 0x08000150";
    QTest::newRow("reset vector in RAM")
        << with_word(shipped, 4, kRamBase + 0x101) << "reset address 0x20000101";
    QTest::newRow("reset vector below the flash")
        << with_word(shipped, 4, kFlashBase - 0xFF) << "reset address 0x07FFFF01";
    QTest::newRow("without the version mark")
        << with_word(shipped, kFirmwareVersionOffset, 0) << "lacks the KXFW mark at 0x140";
}

void TestFirmwareImage::files_the_upgrade_takes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, why);
    const Status checked = check_firmware_image(QStringLiteral("pick.bin"), bytes);
    QVERIFY2(checked.ok() == why.isEmpty(), qPrintable(checked.error()));
    if (checked)
        return;
    QCOMPARE(checked.error_kind(), ErrorKind::BadInput);
    // What to do first, then the file and why it is not one, in one sentence.
    QVERIFY2(checked.error().startsWith(
                 QLatin1String("Choose a firmware file made for the Kestrel X: pick.bin is not "
                               "one (")),
             qPrintable(checked.error()));
    QVERIFY2(checked.error().contains(why), qPrintable(checked.error()));
    QCOMPARE(checked.error().count(QLatin1Char('.')), 2); // "pick.bin" and the end
}

QTEST_GUILESS_MAIN(TestFirmwareImage)
#include "tst_firmware_image.moc"
