// The firmware window and its upgrade against the virtual pedal's bootloader, in-process with
// instant timing: the whole sequence, every kind of fault, and a retry after each.
#include "support/await.h"
#include "upgrade_rig.h"

#include "firmware/upgrade_operation.h"
#include "link/Operation.h"

#include <QLabel>
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
    QVERIFY(!rig.comm.firmware_upgrade_mode);
    QVERIFY(!rig.form->btnUpgradeFirmware->isEnabled());
    QVERIFY(!rig.comm.claimed());
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
    void retry_after_a_stop_inside_write_or_read_memory_data();
    void retry_after_a_stop_inside_write_or_read_memory();
    void go_answer_says_whether_the_new_firmware_may_run_data();
    void go_answer_says_whether_the_new_firmware_may_run();
    void latency_timer_is_lowered_for_the_upgrade_and_set_back();
    void confirmation_comes_before_any_byte();
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
    kx::test::settle();

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
    kx::test::settle();
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
    QVERIFY(rig.comm.firmware_upgrade_mode);
    QVERIFY(rig.comm.connected());
    QVERIFY(!rig.comm.claimed());
    QVERIFY(rig.form->btnUpgradeFirmware->isEnabled());
    // The bar keeps the chunk where it stopped.
    const QRegularExpressionMatch chunk = QRegularExpression("chunk (\\d+) of").match(message);
    QCOMPARE(rig.form->ProgressBar1->text(),
             chunk.hasMatch() ? QStringLiteral("Chunk %1 failed").arg(chunk.captured(1))
                              : QStringLiteral("Upgrade failed"));

    pedal.clear_faults();
    rig.dialogs.messages.clear();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
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
    kx::test::settle();

    // The session announces once that the pedal is gone (the main window shows it); the
    // window says where the upgrade stopped and how to go on.
    QCOMPARE(rig.lost.size(), 1);
    QVERIFY2(rig.lost[0].startsWith(QLatin1String("FT_Write")), qPrintable(rig.lost[0]));
    QCOMPARE(rig.dialogs.messages.size(), 1);
    QVERIFY2(rig.dialogs.messages[0].startsWith(
                 QLatin1String("The firmware upgrade stopped while writing chunk 3 of 141 at "
                               "0x08000200: the connection to the pedal was lost.")),
             qPrintable(rig.dialogs.messages[0]));
    QVERIFY(rig.dialogs.messages[0].contains(QLatin1String("footswitch held")));
    QVERIFY(!rig.comm.connected());
    QVERIFY(!rig.comm.connected());
    QVERIFY(rig.form->btnUpgradeFirmware->isEnabled());

    // Plugged in again and powered up in its bootloader, the pedal takes the upgrade.
    rig.pedal_driver().replug();
    rig.pedal().power_cycle(VirtualPedalDriver::now_us(), /*footswitch_held=*/true);
    rig.dialogs.messages.clear();
    rig.connect_to_bootloader();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    expect_upgraded(rig, firmware_1());
}

void TestFirmwareUpgrade::refused_before_anything_is_sent_data() {
    // -1: no firmware chosen in the window; -2: not connected; -3: the store's firmware is a WAV
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("no firmware chosen") << -1 << 1 << kMessageNoFirmwareChosen;
    QTest::newRow("not connected") << -2 << 1 << kMessageUpgradeNotConnected;
    QTest::newRow("not a firmware image")
        << -3 << 1 << "Firmware_1 is not one (it starts with 0x46464952";
    QTest::newRow("reaches the record's page")
        << int(kMaxImageBytes) + 1 << 1 << "its 130049 bytes would reach the firmware record";
    QTest::newRow("more than 512 chunks") << 513 * 256 << 1 << "more than 512 chunks";
    QTest::newRow("a number with no record") << 256 << 3 << "no firmware record for number 3";
}

void TestFirmwareUpgrade::confirmation_comes_before_any_byte() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    // The list names the firmware by the version it brings, and its resource.
    QCOMPARE(rig.form->cmbFirmwareChoose->itemText(0), "Firmware 12 (Firmware_1)");
    QVERIFY(rig.form->lblBootloaderHowTo->text().contains("holding its footswitch down"));
    rig.choose_firmware_1();
    rig.form->show();

    for (const Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Closed}) {
        rig.dialogs.answers << answer;
        rig.form->btnUpgradeFirmware->click();
        kx::test::settle();
        QCOMPARE(rig.dialogs.confirmations.size(), 1);
        QCOMPARE(rig.dialogs.confirmations.takeFirst(),
                 "Upgrade the pedal to Firmware 12 (Firmware_1)? Do not unplug the pedal or "
                 "switch it off until \"Firmware Upgrade Complete\" appears.");
        QCOMPARE(rig.wire(), QByteArray());
        QVERIFY(rig.dialogs.messages.isEmpty());
        QVERIFY(rig.form->btnUpgradeFirmware->isEnabled());
        QCOMPARE(rig.pedal().mode(), sim::PedalMode::Bootloader);
    }
    // Yes starts it, on the same window.
    rig.form->btnUpgradeFirmware->click();
    kx::test::settle();
    expect_upgraded(rig, firmware_1());
    QCOMPARE(rig.wire(), expected_wire(firmware_1()));
}

void TestFirmwareUpgrade::refused_before_anything_is_sent() {
    QFETCH(int, size);
    QFETCH(int, number);
    QFETCH(QString, message);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    if (size != -2)
        rig.connect_to_bootloader();
    QTemporaryDir folder;
    if (size == -3) {
        QVERIFY(QFile::copy(QStringLiteral(KX_FIXTURES_DIR "/ir/pcm16-mono-48k.wav"),
                            folder.filePath(QStringLiteral("FIRMWARE_1"))));
        rig.store = ResourceStore(folder.path());
    }
    QString error;
    if (size < 0) {
        if (size != -1)
            rig.choose_firmware_1();
        rig.form->btnUpgradeFirmwareClick();
        kx::test::settle();
        error = rig.dialogs.messages.value(0);
    } else {
        FirmwareUpgradeOperation& operation = rig.form->operation();
        const QByteArray bytes(size, '\x5A');
        operation.set_image(
            {QStringLiteral("Firmware_%1").arg(number), number, bytes, bytes.toHex().toUpper()});
        error = test::done(operation.start()).error();
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1String("Nothing was sent to the pedal.")) ||
            error.endsWith(QLatin1String("nothing was sent."), Qt::CaseInsensitive));
    QCOMPARE(rig.wire(), QByteArray());
    QVERIFY(!rig.comm.claimed());
}

// While the upgrade waits, the event loop runs: a second start and any other pedal action are
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
        QCOMPARE(test::done(operation.start()).error(),
                 QStringLiteral("Firmware upgrade is already running."));
        const auto other = test::done(rig.comm.receive_text(hex("05 00"), information_reply()));
        QCOMPARE(other.error_kind(), ErrorKind::Busy);
    });
    meddler.start();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    meddler.stop();
    QVERIFY(tries > 0);
    expect_upgraded(rig, firmware_1());
    QCOMPARE(rig.wire(), expected_wire(firmware_1()));
}

Q_DECLARE_METATYPE(sim::AnswerFault)

// An answer after the command pair, the address or the frame of Write Memory or Read Memory
// is lost, garbled, doubled or late: the upgrade stops there, and the retry brings the
// bootloader back from wherever it was left, then succeeds.
void TestFirmwareUpgrade::retry_after_a_stop_inside_write_or_read_memory_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<sim::AnswerFault>("fault");
    // Answers counted from the first: the erase has two, then each chunk six. The stop comes
    // in the second chunk.
    const struct {
        const char* phase;
        int answer;
    } phases[] = {{"Write Memory command", 9}, {"write address", 10}, {"data", 11},
                  {"Read Memory command", 12}, {"read address", 13},  {"read count", 14}};
    const struct {
        const char* name;
        sim::AnswerFault fault;
    } faults[] = {{"lost", sim::AnswerFault::Lost},
                  {"garbled", sim::AnswerFault::Garbled},
                  {"doubled", sim::AnswerFault::Doubled},
                  {"late", sim::AnswerFault::Late}};
    for (const auto& phase : phases)
        for (const auto& fault : faults)
            QTest::addRow("%s, answer %s", phase.phase, fault.name) << phase.answer << fault.fault;
}

void TestFirmwareUpgrade::retry_after_a_stop_inside_write_or_read_memory() {
    QFETCH(int, answer);
    QFETCH(sim::AnswerFault, fault);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    rig.form->operation().set_timeouts(kShortTimeouts);
    // Late by half a time limit more than is waited for it.
    rig.pedal().inject_answer_fault(answer, fault, qint64(kShortTimeouts.reply_ms) * 1500);
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    QCOMPARE(rig.dialogs.messages.size(), 1);
    QVERIFY2(rig.dialogs.messages[0].startsWith(
                 QLatin1String("The firmware upgrade stopped while writing chunk 2 of 141")) ||
                 rig.dialogs.messages[0].startsWith(
                     QLatin1String("The firmware upgrade stopped while reading back chunk 2 of "
                                   "141")),
             qPrintable(rig.dialogs.messages[0]));
    QCOMPARE(rig.pedal().mode(), sim::PedalMode::Bootloader);

    rig.dialogs.messages.clear();
    rig.log.lines.clear();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    expect_upgraded(rig, firmware_1());
    QVERIFY(rig.log.lines.contains(QLatin1String(kLogResynchronise)));
    QVERIFY(rig.log.lines.contains(QStringLiteral("product ID: 0x0410")));
}

// Once Go's address has gone out the pedal may run the new firmware, whatever its answer: the
// user is told so, and how to find out. Before that, it has not started.
void TestFirmwareUpgrade::go_answer_says_whether_the_new_firmware_may_run_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<sim::AnswerFault>("fault");
    QTest::addColumn<bool>("may_run");
    // The erase two answers, 141 chunks six each, the record three; then Go's two.
    const int go = 2 + 6 * 141 + 3 + 1;
    QTest::newRow("Go command garbled") << go << sim::AnswerFault::Garbled << false;
    QTest::newRow("Go address garbled") << go + 1 << sim::AnswerFault::Garbled << true;
    QTest::newRow("Go address lost") << go + 1 << sim::AnswerFault::Lost << true;
    QTest::newRow("Go address doubled") << go + 1 << sim::AnswerFault::Doubled << true;
}

void TestFirmwareUpgrade::go_answer_says_whether_the_new_firmware_may_run() {
    QFETCH(int, answer);
    QFETCH(sim::AnswerFault, fault);
    QFETCH(bool, may_run);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    rig.form->operation().set_timeouts(kShortTimeouts);
    rig.pedal().inject_answer_fault(answer, fault);
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    QCOMPARE(rig.dialogs.messages.size(), 1);
    const QString shown = rig.dialogs.messages[0];
    QVERIFY2(shown.startsWith(QLatin1String(
                 "The firmware upgrade stopped while starting the new firmware at 0x08000000")),
             qPrintable(shown));
    QCOMPARE(shown.contains(QLatin1String("may have started the new firmware already")), may_run);
    QCOMPARE(shown.contains(QLatin1String("The new firmware was not started")), !may_run);
    QCOMPARE(shown.endsWith(UpgradeAdvice().check_started), may_run);
    // The pedal did jump where the answer was spoiled after the address.
    QCOMPARE(rig.pedal().mode() == sim::PedalMode::Firmware, may_run);

    // The same stop, told to a user without the window's buttons.
    UpgradeAdvice words;
    words.check_started = QStringLiteral("Run kestrel-x info.");
    words.start_again = QStringLiteral("Run the upgrade again.");
    const QString told =
        upgrade_failure_message(rig.form->operation().place(),
                                Error{QStringLiteral("x"), ErrorKind::BootloaderUnexpected}, words);
    QVERIFY2(told.endsWith(may_run ? words.check_started : words.start_again), qPrintable(told));
    QVERIFY(!told.contains(QLatin1String("Press")));
}

// The chip's timer is 1 ms while the upgrade runs and its own again after, however it ends.
void TestFirmwareUpgrade::latency_timer_is_lowered_for_the_upgrade_and_set_back() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    rig.connect_to_bootloader();
    rig.form->operation().set_timeouts(kShortTimeouts);
    int during = 0;
    QObject::connect(&rig.form->operation(), &FirmwareUpgradeOperation::chunk_progress,
                     [&](int position, int) {
                         if (position == 1)
                             during = rig.pedal().latency_timer_ms();
                     });
    rig.pedal().inject_nack_at_step(20);
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    QCOMPARE(during, int(kUpgradeLatencyTimerMs));
    QCOMPARE(rig.pedal().latency_timer_ms(), 16);
    QVERIFY(rig.log.lines.contains(QStringLiteral("latency timer (ms): 1")));
    rig.pedal().clear_faults();
    rig.dialogs.messages.clear();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    expect_upgraded(rig, firmware_1());
    QCOMPARE(rig.pedal().latency_timer_ms(), 16);
}

QTEST_MAIN(TestFirmwareUpgrade)
#include "tst_firmware_upgrade.moc"
