// A stopped upgrade leaves the bootloader wherever its last awaited answer went astray: inside
// an erase frame, an address frame, a data frame, or waiting for a command. Against the
// virtual pedal's bootloader, which waits inside a frame for ever as a real one does, a new
// run of the upgrade (a fresh connect in Upgrade Mode, then an upgrade with nothing known of
// the last one) must find it and finish, and so must the retry inside the program, however
// late the stopped attempt's answer comes.
#include "support/await.h"
#include "upgrade_rig.h"

#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"

#include <QLabel>

using namespace kx;
using namespace kx::test;

namespace {

const BootloaderTimeouts kShortTimeouts{300, 300, 300, 100};

// Answers counted from the first of an upgrade of firmware 1 (141 chunks): the erase has two,
// each chunk six (write: command, address, data; read: command, address, count), then the
// record's three and Go's two.
struct Point {
    const char* name;
    int answer;
    const char* step; // where the failure message says the upgrade stopped
};
constexpr Point kPoints[] = {
    {"erase command", 1, "erasing the flash"},
    {"global erase", 2, "erasing the flash"},
    {"write command", 9, "writing chunk 2 of 141"},
    {"write address", 10, "writing chunk 2 of 141"},
    {"data", 11, "writing chunk 2 of 141"},
    {"read command", 12, "reading back chunk 2 of 141"},
    {"read address", 13, "reading back chunk 2 of 141"},
    {"read count", 14, "reading back chunk 2 of 141"},
    {"record command", 849, "writing the firmware record"},
    {"record address", 850, "writing the firmware record"},
    {"record data", 851, "writing the firmware record"},
    {"Go command", 852, "starting the new firmware"},
};

void expect_running_firmware_1(UpgradeRig& rig) {
    const QByteArray image = firmware_1();
    QCOMPARE(rig.flash(kImageAddress, int(image.size())), image);
    QCOMPARE(rig.flash(kRecordAddress, 8), hex("00 00 00 00 00 00 00 01"));
    QCOMPARE(rig.pedal().mode(), sim::PedalMode::Firmware);
}

// Stops the upgrade at `answer` with `fault`; returns the message shown.
QString stop_at(UpgradeRig& rig, int answer, sim::AnswerFault fault, qint64 late_us = 0) {
    rig.connect_to_bootloader();
    rig.form->operation().set_timeouts(kShortTimeouts);
    rig.pedal().inject_answer_fault(answer, fault, late_us);
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    return rig.dialogs.messages.value(0);
}

} // namespace

Q_DECLARE_METATYPE(sim::AnswerFault)

class TestBootloaderRecovery : public QObject {
    Q_OBJECT
private slots:
    void new_run_recovers_from_every_kind_of_point_data();
    void new_run_recovers_from_every_kind_of_point();
    void retry_drops_an_answer_later_than_its_window();
};

void TestBootloaderRecovery::new_run_recovers_from_every_kind_of_point_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("step");
    QTest::addColumn<sim::AnswerFault>("fault");
    for (const Point& point : kPoints) {
        QTest::addRow("%s, answer lost", point.name)
            << point.answer << QString::fromLatin1(point.step) << sim::AnswerFault::Lost;
        QTest::addRow("%s, answer garbled", point.name)
            << point.answer << QString::fromLatin1(point.step) << sim::AnswerFault::Garbled;
    }
}

// As `kestrel-x firmware upgrade` run again: a new connect in Upgrade Mode, whose check must
// find the bootloader wherever it waits, and an upgrade that knows nothing of the last one.
void TestBootloaderRecovery::new_run_recovers_from_every_kind_of_point() {
    QFETCH(int, answer);
    QFETCH(QString, step);
    QFETCH(sim::AnswerFault, fault);
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    const QString stopped = stop_at(rig, answer, fault);
    QVERIFY2(stopped.startsWith(QStringLiteral("The firmware upgrade stopped while ") + step),
             qPrintable(stopped));
    QCOMPARE(rig.pedal().mode(), sim::PedalMode::Bootloader);

    QVERIFY(rig.comm.disconnect_device());
    rig.log.lines.clear();
    rig.comm.firmware_upgrade_mode = true;
    const Status connected = rig.connect();
    QVERIFY2(connected, qPrintable(connected.error() + " | " + rig.log.lines.join(" | ")));
    QVERIFY(rig.comm.bootloader_ready);

    ResourceStore store;
    const auto image = load_firmware_image(store, QStringLiteral("FIRMWARE_1"));
    QVERIFY2(image, qPrintable(image.error()));
    FirmwareUpgradeOperation upgrade(rig.comm, rig.log, rig.clock());
    upgrade.set_image(*image);
    upgrade.set_timeouts(kShortTimeouts);
    const Status done = kx::test::done(upgrade.start());
    QVERIFY2(done, qPrintable(done.error()));
    expect_running_firmware_1(rig);
}

// An answer far later than its limit, and than the window the link keeps for it, comes while
// the retry has begun: it is read and dropped before the retry sends anything, instead of
// being taken for one of the retry's answers.
void TestBootloaderRecovery::retry_drops_an_answer_later_than_its_window() {
    UpgradeRig rig(UpgradeRig::Transport::Instant);
    const QString stopped =
        stop_at(rig, 11, sim::AnswerFault::Late, qint64(kShortTimeouts.block_write_ms) * 5000);
    QVERIFY2(
        stopped.startsWith(QStringLiteral("The firmware upgrade stopped while writing chunk 2")),
        qPrintable(stopped));
    rig.dialogs.messages.clear();
    rig.log.lines.clear();
    rig.form->btnUpgradeFirmwareClick();
    kx::test::settle();
    QCOMPARE(rig.dialogs.messages, QStringList{kTextUpgradeComplete});
    expect_running_firmware_1(rig);
    QVERIFY2(rig.log.lines.contains(QStringLiteral("late answer dropped, bytes: 1")),
             qPrintable(rig.log.lines.join(" | ")));
}

QTEST_MAIN(TestBootloaderRecovery)
#include "tst_bootloader_recovery.moc"
