// The main window against the in-process virtual pedal, in real time: listing at start-up,
// the "Connection" menu and the bootloader check, as a user sees them.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/ElidingLabel.h"
#include "app/Main.h"
#include "app/PrintConsole.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace kx;

namespace {

struct ControlStates {
    bool upload, request, open_effect, scan, connect, disconnect, upgrade_mode, start_upgrade;
};

ControlStates states(TformMain& w) {
    return {w.btnUpload->isEnabled(),
            w.btnRequest->isEnabled(),
            w.btnOpenEffect->isEnabled(),
            w.menuScan->isEnabled(),
            w.menuConnect->isEnabled(),
            w.menuDisconnect->isEnabled(),
            w.menuFirmwareUpgradeMode->isEnabled(),
            w.menuStartFirmwareUpgrade->isEnabled()};
}

void expect(TformMain& w, ControlStates want, const char* situation) {
    const ControlStates got = states(w);
    const QString where = QString::fromLatin1(situation);
    QVERIFY2(got.upload == want.upload, qPrintable(where + ": btnUpload"));
    QVERIFY2(got.request == want.request, qPrintable(where + ": btnRequest"));
    QVERIFY2(got.open_effect == want.open_effect, qPrintable(where + ": btnOpenEffect"));
    QVERIFY2(got.scan == want.scan, qPrintable(where + ": menuScan"));
    QVERIFY2(got.connect == want.connect, qPrintable(where + ": menuConnect"));
    QVERIFY2(got.disconnect == want.disconnect, qPrintable(where + ": menuDisconnect"));
    QVERIFY2(got.upgrade_mode == want.upgrade_mode,
             qPrintable(where + ": menuFirmwareUpgradeMode"));
    QVERIFY2(got.start_upgrade == want.start_upgrade,
             qPrintable(where + ": menuStartFirmwareUpgrade"));
}

const ControlStates kNotConnectedAtStart{false, false, false, true, true, false, true, false};
// Upgrade Mode stays offered: ticking it connects again to the bootloader.
const ControlStates kConnected{true, true, true, false, false, true, true, false};
// Upgrade Mode comes back with Disconnect, whatever came before.
const ControlStates kNotConnectedAfter = kNotConnectedAtStart;
// In the bootloader only the upgrade, Disconnect and leaving Upgrade Mode are offered.
const ControlStates kBootloader{false, false, false, false, false, true, true, true};

// A pseudo-terminal standing for a pedal on a real port, given with --port.
struct PtyPort {
    PtyPort() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            path = QString::fromLocal8Bit(ptsname(master));
    }
    ~PtyPort() {
        if (master >= 0)
            ::close(master);
    }
    int master = -1;
    QString path;
};

// The editor started as from the command line, with its drivers made from `options`.
void start_with(EditorFixture& f, const LinkOptions& options) {
    f.real_time = true;
    kx::set_documents_folder(f.documents.path());
    f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
    f.context->link_options = options;
    f.windows = std::make_unique<EditorWindows>(*f.context);
    f.main().show();
}

// What the device label shows: its words, whole, or elided in the middle with the whole text as
// tooltip; "connected" stays in view either way.
void expect_label(TformMain& w, const QString& words, const char* situation) {
    const QString where = QString::fromLatin1(situation);
    QCOMPARE(w.lblDeviceName->text(), words);
    const QString shown = w.lblDeviceName->displayed_text();
    const int room = w.lblDeviceName->contentsRect().width();
    QVERIFY2(w.lblDeviceName->fontMetrics().horizontalAdvance(shown) <= room,
             qPrintable(where + ": \"" + shown + "\" is wider than the label"));
    if (shown != words) {
        QCOMPARE(w.lblDeviceName->toolTip(), words);
        QVERIFY2(shown.endsWith(words.section(QLatin1Char(' '), -1)),
                 qPrintable(where + ": \"" + shown + "\" lost its last word"));
    }
}

} // namespace

class TestMainLink : public QObject {
    Q_OBJECT
private slots:
    void connect_disconnect_reconnect();
    void bootloader_check_data();
    void bootloader_check();
    void upgrade_mode_restarts_the_built_in_pedal_in_its_bootloader_data();
    void upgrade_mode_restarts_the_built_in_pedal_in_its_bootloader();
    void real_port_is_listed_after_the_virtual_pedal();
    void device_label_after_reconnects_through_a_port();
    void missing_port_is_named_not_listed();
};

void TestMainLink::connect_disconnect_reconnect() {
    VirtualPedalDriver pedal;
    EditorFixture f;
    f.driver = &pedal;
    f.real_time = true;
    f.start();
    TformMain& w = f.main();

    QCOMPARE(w.lblDeviceName->text(), QString("Kestrel X"));
    QCOMPARE(w.menuSerialNumber->text(), QString("Device Serial: KXV00001"));
    expect(w, kNotConnectedAtStart, "start-up");

    // The disconnect keeps the blank before "connected", so each round adds one to the text;
    // the label shows the words only.
    QString name = "Kestrel X";
    for (int round = 0; round < 5; ++round) {
        w.menuConnect->trigger();
        kx::test::settle();
        name += " connected";
        QCOMPARE(w.device_name_text(), name);
        expect_label(w, "Kestrel X (virtual) connected", "connected");
        expect(w, kConnected, "connected");
        QCOMPARE(pedal.pedal().mode(), sim::PedalMode::Firmware);

        w.menuDisconnect->trigger();
        kx::test::settle();
        name.chop(int(strlen("connected")));
        QCOMPARE(w.device_name_text(), name);
        expect_label(w, "Kestrel X", "disconnected");
        expect(w, kNotConnectedAfter, "disconnected");
    }
    QCOMPARE(w.device_name_text(), QString("Kestrel X     "));
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(" | ")));
}

void TestMainLink::bootloader_check_data() {
    QTest::addColumn<bool>("in_bootloader");
    QTest::addColumn<QString>("message");
    QTest::newRow("bootloader answers 79")
        << true << "Connection to bootloader succeeded, ready for firmware upgrade";
    // What to do first, then the check's own words; the firmware stays connected and usable.
    QTest::newRow("running firmware stays silent")
        << false
        << "The pedal did not answer as its bootloader, so the editor stays connected to its "
           "firmware. To upgrade it, power the pedal up with the footswitch held, then tick "
           "Upgrade Mode again. (Connection to bootloader failed: no answer to the "
           "synchronisation byte nor to 258 filler bytes: the pedal is not in its bootloader)";
}

void TestMainLink::bootloader_check() {
    QFETCH(bool, in_bootloader);
    QFETCH(QString, message);
    VirtualPedalDriver pedal(std::make_shared<sim::VirtualPedal>(false, in_bootloader));
    EditorFixture f;
    f.driver = &pedal;
    f.real_time = true;
    f.start();
    TformMain& w = f.main();

    w.menuFirmwareUpgradeMode->trigger();
    kx::test::settle();
    QVERIFY(w.communication().firmware_upgrade_mode);
    w.menuConnect->trigger();
    kx::test::settle();

    QVERIFY2(!f.dialogs.messages.isEmpty(), "no message shown");
    QCOMPARE(f.dialogs.messages.last(), message);
    if (in_bootloader) {
        expect(w, kBootloader, "bootloader");
    } else {
        // The chip stays open to the running firmware, every pedal action offered.
        expect(w, kConnected, "firmware after a failed bootloader check");
        QVERIFY(!w.menuFirmwareUpgradeMode->isChecked());
    }
}

void TestMainLink::upgrade_mode_restarts_the_built_in_pedal_in_its_bootloader_data() {
    QTest::addColumn<bool>("connected"); // ticked while connected, or before Connect
    QTest::addColumn<int>("choice");     // 0 restarts it, 1 leaves the firmware running
    QTest::newRow("connected, restarted") << true << 0;
    QTest::newRow("not connected, restarted") << false << 0;
    QTest::newRow("connected, left running") << true << 1;
}

// A user without a pedal tries the whole upgrade: the built-in virtual pedal is restarted in
// its bootloader, as a pedal powered up with its footswitch held, when they choose so.
void TestMainLink::upgrade_mode_restarts_the_built_in_pedal_in_its_bootloader() {
    QFETCH(bool, connected);
    QFETCH(int, choice);
    EditorFixture f;
    f.connect_by_hand_only();
    start_with(f, {true, {}});
    TformMain& w = f.main();
    QVERIFY(f.context->link->virtual_pedal());
    if (connected) {
        w.menuConnect->trigger();
        kx::test::settle();
        expect(w, kConnected, "connected");
    }
    f.dialogs.choices << choice;
    w.menuFirmwareUpgradeMode->trigger();
    QTRY_COMPARE(f.dialogs.questions.size(), 1);
    QVERIFY2(f.dialogs.questions[0].contains("Restart it in its bootloader"),
             qPrintable(f.dialogs.questions[0]));
    QTRY_COMPARE(f.context->link->virtual_pedal()->pedal().mode(),
                 choice == 0 ? sim::PedalMode::Bootloader : sim::PedalMode::Firmware);
    // The pedal's boot is waited for on the event loop; then the editor connects again.
    if (connected) {
        QTRY_VERIFY_WITH_TIMEOUT(!f.dialogs.messages.isEmpty(), 10000);
    } else {
        QTest::qWait(int(sim::kFirmwareBoot_us / 1000) + 20);
        w.menuConnect->trigger();
    }
    kx::test::settle();
    QVERIFY(!f.dialogs.messages.isEmpty());
    if (choice == 0) {
        expect(w, kBootloader, "restarted in its bootloader");
        QCOMPARE(f.dialogs.messages.last(),
                 "Connection to bootloader succeeded, ready for firmware upgrade");
    } else {
        expect(w, kConnected, "firmware left running");
    }
    f.stop();
}

void TestMainLink::real_port_is_listed_after_the_virtual_pedal() {
    PtyPort pty;
    QVERIFY(!pty.path.isEmpty());
    const QString port = pty.path;

    EditorFixture f;
    start_with(f, {true, {port}});
    TformMain& w = f.main();

    QVERIFY(f.context->link->virtual_pedal());
    // Both are listed, the real port last: it is the one Connect opens.
    QVERIFY2(w.menuSerialNumber->text().startsWith("Device Serial: KXV00001"),
             qPrintable(w.menuSerialNumber->text()));
    QCOMPARE(w.communication().device_serial_number, QFileInfo(port).fileName());
    w.menuConnect->trigger();
    kx::test::settle();
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(" | ")));
    QVERIFY(w.lblDeviceName->text().endsWith(" connected"));
    f.stop();
}

void TestMainLink::device_label_after_reconnects_through_a_port() {
    PtyPort pty;
    QVERIFY(!pty.path.isEmpty());
    EditorFixture f;
    start_with(f, {false, {pty.path}});
    TformMain& w = f.main();

    // Scan names the chip by its description, which is longer than "Kestrel X".
    w.menuScan->trigger();
    kx::test::settle();
    QCOMPARE(f.dialogs.messages, QStringList{"FT230X Basic UART found, click Connect"});
    for (int round = 0; round < 5; ++round) {
        w.menuConnect->trigger();
        kx::test::settle();
        // The window names the port it took by its path.
        expect_label(w, QStringLiteral("FT230X Basic UART (%1) connected").arg(pty.path),
                     "connected");
        w.menuDisconnect->trigger();
        kx::test::settle();
        expect_label(w, "FT230X Basic UART", "disconnected");
    }
    QCOMPARE(w.device_name_text(), QString("FT230X Basic UART     "));
    QCOMPARE(f.dialogs.messages.size(), 1);
}

void TestMainLink::missing_port_is_named_not_listed() {
    QTemporaryDir folder;
    const QString missing = folder.filePath("ttyMISSING");
    EditorFixture f;
    start_with(f, {false, {missing}});
    TformMain& w = f.main();
    const QString problem = QString("Port %1 does not exist.").arg(missing);

    // Nothing poses as a pedal; the user reads which port is missing (the label may hold
    // zero-width break chances after slashes).
    QCOMPARE(w.lblDeviceName->text(), QString("Device Name: "));
    QCOMPARE(w.menuSerialNumber->text(), QString("Device Serial: "));
    QCOMPARE(w.lblStatusLine->text().remove(QChar(0x200B)), problem);
    QVERIFY(w.lblStatusLine->isVisible());

    // Each listing says it again, in the status line and the log.
    w.show_status_text({});
    w.menuScan->trigger();
    kx::test::settle();
    QCOMPARE(f.dialogs.messages, QStringList{"No device found"});
    QCOMPARE(w.lblStatusLine->text().remove(QChar(0x200B)), problem);
    const QString log = f.windows->formPrint->Memo1->toPlainText();
    QVERIFY2(log.contains(problem), qPrintable(log));
}

QTEST_MAIN(TestMainLink)
#include "tst_main_link.moc"
