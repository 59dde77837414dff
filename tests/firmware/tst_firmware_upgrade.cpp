// The firmware window and its upgrade against the virtual pedal's bootloader, in-process with
// instant timing: the whole sequence, every kind of fault, and a retry after each.
#include "upgrade_rig.h"

#include "firmware/upgrade_operation.h"
#include "link/Operation.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>

using namespace kx;
using namespace kx::test;

namespace {

// Short limits, so that a silent pedal ends a test in a fraction of a second.
const BootloaderTimeouts kShortTimeouts{300, 300, 300, 100};

void expect_upgraded(UpgradeRig& rig, const QByteArray& image) {
    QCOMPARE(rig.dialogs.messages, QStringList{kTextUpgradeComplete});
    QCOMPARE(rig.flash(kImageAddress, int(image.size())), image);
    QCOMPARE(rig.flash(kRecordAddress, 8), hex("00 00 00 00 00 00 00 01"));
    QCOMPARE(rig.pedal().mode(), sim::PedalMode::Firmware);
    QCOMPARE(rig.pedal().firmware_version(), 12u);
    QVERIFY(!rig.comm->firmware_upgrade_mode);
    QVERIFY(!rig.form->btnUpgradeFirmware->isEnabled());
    QVERIFY(!rig.comm->claimed());
}

} // namespace

class TestFirmwareUpgrade : public QObject {
    Q_OBJECT
private slots:
    void upgrade_writes_reads_back_records_and_starts();
    void fault_ends_in_a_clear_failure_and_a_retry_succeeds_data();
    void fault_ends_in_a_clear_failure_and_a_retry_succeeds();
    void unplug_names_the_step_and_leaves_the_editor_not_connected();
    void refused_before_anything_is_sent_data();
    void refused_before_anything_is_sent();
    void nothing_else_comes_between_its_bytes();
};

void TestFirmwareUpgrade::upgrade_writes_reads_back_records_and_starts() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    const QByteArray image = firmware_1();
    QCOMPARE(image.size(), 35868);
    QSignalSpy upgraded(rig.form.get(), &TformFirmwareUpgrade::firmware_upgraded);
    QSignalSpy progress(&rig.form->operation(), &FirmwareUpgradeOperation::chunk_progress);

    rig.choose_firmware_1();
    QCOMPARE(rig.log.lines, (QStringList{"Firmware Version: 1", "Firmware_1"}));
    rig.form->show();
    rig.form->btnUpgradeFirmware->click();

    expect_upgraded(rig, image);
    QCOMPARE(rig.wire(), expected_wire(image));
    QCOMPARE(upgraded.size(), 1);
    QVERIFY(!rig.form->isVisible());
    // The bar shows the chunk being written, then its end.
    QCOMPARE(progress.size(), 142);
    for (int k = 0; k <= 141; ++k)
        QCOMPARE(progress[k], (QVariantList{qMin(k, 141), 141}));
    QCOMPARE(rig.form->ProgressBar1->maximum(), 141);
    QCOMPARE(rig.form->ProgressBar1->value(), 141);
    const QStringList& log = rig.log.lines;
    for (const char* line :
         {"Firmware num of bytes: 35868", "num of chunks: 140", "num of bytes last chunk: 28",
          "Start Erase Command", "Start Write Command", "Address: 08008C00", "N_byte: 1B",
          "Address: 0801FC00", "address checksum: F5", "SEND GO COMMAND", "address checksum: 08"})
        QVERIFY2(log.contains(QLatin1String(line)), line);
    QCOMPARE(log.count(QStringLiteral("read back matches, bytes: 256")), 140);
    QVERIFY(log.contains(QStringLiteral("read back matches, bytes: 28")));
    QVERIFY(!log.contains(QStringLiteral("NOT ACK")));
    QCOMPARE(rig.form->operation().state(), Operation::State::Succeeded);
}

void TestFirmwareUpgrade::fault_ends_in_a_clear_failure_and_a_retry_succeeds_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("record_written");
    // Acknowledgements counted from the first: the erase has two, each chunk six (three to
    // write it, three to read it back), the record three, Go two.
    const auto nack = [](const char* name, int k, const char* step, const char* message,
                         bool record = false) {
        QTest::newRow(name) << "nack" << k << step << message << record;
    };
    nack("NACK to the erase command", 1, "erase_flash",
         "erasing the flash: the bootloader refused the erase command (NACK)");
    nack("NACK to the global erase", 2, "erase_flash",
         "erasing the flash: the bootloader refused the global erase (NACK)");
    nack("NACK to Write Memory, first chunk", 3, "write_image",
         "writing chunk 1 of 141 at 0x08000000: the bootloader refused the Write Memory command");
    nack("NACK to a write address", 4 + 6, "write_image",
         "writing chunk 2 of 141 at 0x08000100: the bootloader refused the write address (NACK)");
    nack("NACK to the last chunk's data", 5 + 6 * 140, "write_image",
         "writing chunk 141 of 141 at 0x08008C00: the bootloader refused the data (NACK)");
    nack("NACK to Read Memory (read protection)", 6 + 6 * 2, "read_back",
         "reading back chunk 3 of 141 at 0x08000200: the bootloader refused to read the flash "
         "back (NACK to Read Memory; the flash may be read-protected), so the firmware written "
         "cannot be verified");
    nack("NACK to a read address", 7 + 6 * 2, "read_back",
         "reading back chunk 3 of 141 at 0x08000200: the bootloader refused the read address");
    nack("NACK to a read count", 8 + 6 * 2, "read_back",
         "reading back chunk 3 of 141 at 0x08000200: the bootloader refused the read count");
    nack("NACK to the record's Write Memory", 3 + 6 * 141, "write_record",
         "writing the firmware record at 0x0801FC00: the bootloader refused the Write Memory");
    nack("NACK to the record", 5 + 6 * 141, "write_record",
         "writing the firmware record at 0x0801FC00: the bootloader refused the record (NACK)");
    nack("NACK to Go", 6 + 6 * 141, "go_to_application",
         "starting the new firmware at 0x08000000: the bootloader refused the Go command", true);
    nack("NACK to Go's address", 7 + 6 * 141, "go_to_application",
         "starting the new firmware at 0x08000000: the bootloader refused the Go address", true);
    QTest::newRow("silence") << "silence" << 0 << "erase_flash"
                             << "erasing the flash: the bootloader did not answer the erase "
                                "command within 0.3 s"
                             << false;
    QTest::newRow("answers too late") << "slow" << 450 << "erase_flash"
                                      << "erasing the flash: the bootloader did not answer the "
                                         "erase command within 0.3 s"
                                      << false;
    QTest::newRow("garbage") << "garbage" << 0 << "erase_flash"
                             << "erasing the flash: the bootloader answered the erase command "
                                "with the byte 55 instead of an acknowledgement"
                             << false;
    QTest::newRow("every answer twice") << "twice" << 0 << "erase_flash"
                                        << "erasing the flash: the bootloader answered the erase "
                                           "command with 2 bytes where one acknowledgement belongs"
                                        << false;
    QTest::newRow("a flash cell that keeps its erased value")
        << "dead cell" << 0x08000A10 << "read_back"
        << "reading back chunk 11 of 141 at 0x08000A00: the flash at 0x08000A10 reads back FF "
           "where E4 was written"
        << false;
}

// The upgrade stops at the fault: the user reads the step, chunk and address, nothing is
// reported as done, Go is never sent, and pressing the button again starts over and succeeds.
void TestFirmwareUpgrade::fault_ends_in_a_clear_failure_and_a_retry_succeeds() {
    QFETCH(QString, fault);
    QFETCH(int, at);
    QFETCH(QString, step);
    QFETCH(QString, message);
    QFETCH(bool, record_written);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    rig.form->operation().set_timeouts(kShortTimeouts);
    sim::VirtualPedal& pedal = rig.pedal();
    if (fault == QLatin1String("nack"))
        pedal.inject_nack_at_step(at);
    else if (fault == QLatin1String("silence"))
        pedal.inject_silence(true);
    else if (fault == QLatin1String("slow"))
        pedal.inject_extra_delay_us(qint64(at) * 1000);
    else if (fault == QLatin1String("garbage"))
        pedal.inject_garbage(hex("55"));
    else if (fault == QLatin1String("twice"))
        pedal.inject_garbage(hex("79 79"));
    else
        pedal.inject_dead_flash_cell(quint32(at));
    QSignalSpy upgraded(rig.form.get(), &TformFirmwareUpgrade::firmware_upgraded);
    rig.choose_firmware_1();

    rig.form->btnUpgradeFirmwareClick();
    QCOMPARE(rig.dialogs.messages.size(), 1);
    const QString shown = rig.dialogs.messages[0];
    QVERIFY2(shown.startsWith(QStringLiteral("The firmware upgrade stopped while ") + message),
             qPrintable(shown));
    QVERIFY2(shown.endsWith(QLatin1String("Press Upgrade Firmware to start again.")),
             qPrintable(shown));
    QCOMPARE(rig.form->operation().step(), step);
    QCOMPARE(rig.form->operation().state(), Operation::State::Failed);
    QCOMPARE(upgraded.size(), 0);
    QCOMPARE(pedal.mode(), sim::PedalMode::Bootloader);
    QCOMPARE(rig.flash(kRecordAddress, 8) == hex("00 00 00 00 00 00 00 01"), record_written);
    QVERIFY(rig.comm->firmware_upgrade_mode);
    QVERIFY(rig.comm->connected());
    QVERIFY(!rig.comm->claimed());
    QVERIFY(rig.form->btnUpgradeFirmware->isEnabled());
    // The bar keeps the chunk where it stopped.
    const QRegularExpressionMatch chunk = QRegularExpression("chunk (\\d+) of").match(message);
    QCOMPARE(rig.form->ProgressBar1->text(),
             chunk.hasMatch() ? QStringLiteral("Chunk %1 failed").arg(chunk.captured(1))
                              : QStringLiteral("Upgrade failed"));

    pedal.clear_faults();
    rig.dialogs.messages.clear();
    rig.form->btnUpgradeFirmwareClick();
    expect_upgraded(rig, firmware_1());
    QCOMPARE(upgraded.size(), 1);
    QCOMPARE(pedal.flash().size(), qsizetype(kFlashSize));
}

void TestFirmwareUpgrade::unplug_names_the_step_and_leaves_the_editor_not_connected() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    // Bytes written: the erase 4, each chunk 274 (265 to write, 9 to read back); the cable
    // goes with the 100th data byte of the third chunk.
    rig.pedal().inject_unplug_at_byte(4 + 2 * 274 + 8 + 100);
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmwareClick();

    // The link says once that the pedal is gone; the window says where the upgrade stopped
    // and how to go on.
    QCOMPARE(rig.dialogs.messages.size(), 2);
    QVERIFY2(rig.dialogs.messages[0].startsWith(QLatin1String("FT_Write")),
             qPrintable(rig.dialogs.messages[0]));
    QVERIFY2(rig.dialogs.messages[1].startsWith(
                 QLatin1String("The firmware upgrade stopped while writing chunk 3 of 141 at "
                               "0x08000200: the connection to the pedal was lost.")),
             qPrintable(rig.dialogs.messages[1]));
    QVERIFY(rig.dialogs.messages[1].contains(QLatin1String("footswitch held")));
    QVERIFY(!rig.comm->connected());
    QVERIFY(!rig.comm->connected());
    QVERIFY(rig.form->btnUpgradeFirmware->isEnabled());

    // Plugged in again and powered up in its bootloader, the pedal takes the upgrade.
    rig.pedal_driver().replug();
    rig.pedal().power_cycle(VirtualPedalDriver::now_us(), /*footswitch_held=*/true);
    rig.dialogs.messages.clear();
    rig.connect_to_bootloader();
    rig.form->btnUpgradeFirmwareClick();
    expect_upgraded(rig, firmware_1());
}

void TestFirmwareUpgrade::refused_before_anything_is_sent_data() {
    QTest::addColumn<int>("size"); // -1: no firmware chosen in the window; -2: not connected
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("no firmware chosen") << -1 << 1 << kMessageNoFirmwareChosen;
    QTest::newRow("not connected") << -2 << 1 << kMessageUpgradeNotConnected;
    QTest::newRow("reaches the record's page")
        << int(kMaxImageBytes) + 1 << 1 << "its 130049 bytes would reach the firmware record";
    QTest::newRow("more than 512 chunks") << 513 * 256 << 1 << "more than 512 chunks";
    QTest::newRow("a number with no record") << 256 << 3 << "no firmware record for number 3";
}

void TestFirmwareUpgrade::refused_before_anything_is_sent() {
    QFETCH(int, size);
    QFETCH(int, number);
    QFETCH(QString, message);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    if (size != -2)
        rig.connect_to_bootloader();
    QString error;
    if (size < 0) {
        if (size == -2)
            rig.choose_firmware_1();
        rig.form->btnUpgradeFirmwareClick();
        error = rig.dialogs.messages.value(0);
    } else {
        FirmwareUpgradeOperation& operation = rig.form->operation();
        const QByteArray bytes(size, '\x5A');
        operation.set_image(
            {QStringLiteral("Firmware_%1").arg(number), number, bytes, bytes.toHex().toUpper()});
        error = operation.start().error();
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1String("Nothing was sent to the pedal.")) ||
            error.endsWith(QLatin1String("Nothing was sent.")));
    QCOMPARE(rig.wire(), QByteArray());
    QVERIFY(!rig.comm->claimed());
}

// While the upgrade waits, window events run: a second start and any other pedal action are
// refused, so the pedal receives exactly one sequence.
void TestFirmwareUpgrade::nothing_else_comes_between_its_bytes() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    rig.choose_firmware_1();
    FirmwareUpgradeOperation& operation = rig.form->operation();
    int tries = 0;
    QTimer meddler;
    meddler.setInterval(1);
    QObject::connect(&meddler, &QTimer::timeout, [&] {
        if (!operation.running())
            return;
        ++tries;
        rig.form->btnUpgradeFirmwareClick();
        QCOMPARE(operation.start().error(), QStringLiteral("Firmware upgrade is already running."));
        const auto other = rig.comm->receive_text(hex("05 00"), information_reply());
        QCOMPARE(other.error_kind(), ErrorKind::Busy);
    });
    meddler.start();
    rig.form->btnUpgradeFirmwareClick();
    meddler.stop();
    QVERIFY(tries > 0);
    expect_upgraded(rig, firmware_1());
    QCOMPARE(rig.wire(), expected_wire(firmware_1()));
}

QTEST_MAIN(TestFirmwareUpgrade)
#include "tst_firmware_upgrade.moc"
