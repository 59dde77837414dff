// The main window against the in-process virtual pedal, in real time: listing at start-up,
// the "Connection" menu and the bootloader check, as a user sees them.
#include "editor_fixture.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"

#include <QAction>
#include <QLabel>
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
const ControlStates kConnected{true, true, true, false, false, true, false, false};
const ControlStates kNotConnectedAfter{false, false, false, true, true, false, false, false};
const ControlStates kBootloader{false, false, true, false, false, true, false, true};

} // namespace

class TestMainLink : public QObject {
    Q_OBJECT
private slots:
    void connect_disconnect_reconnect();
    void bootloader_check_data();
    void bootloader_check();
    void real_port_is_listed_after_the_virtual_pedal();
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

    // The disconnect keeps the blank before "connected", so each round adds one.
    QString name = "Kestrel X";
    for (int round = 0; round < 2; ++round) {
        w.menuConnect->trigger();
        name += " connected";
        QCOMPARE(w.lblDeviceName->text(), name);
        expect(w, kConnected, "connected");
        QCOMPARE(pedal.pedal().mode(), sim::PedalMode::Firmware);

        w.menuDisconnect->trigger();
        name.chop(int(strlen("connected")));
        QCOMPARE(w.lblDeviceName->text(), name);
        expect(w, kNotConnectedAfter, "disconnected");
    }
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(" | ")));
}

void TestMainLink::bootloader_check_data() {
    QTest::addColumn<bool>("in_bootloader");
    QTest::addColumn<QString>("message");
    QTest::newRow("bootloader answers 79")
        << true << "Connection to bootloader succeeded, ready for firmware upgrade";
    QTest::newRow("running firmware stays silent") << false << "Connection to bootloader failed";
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
    QVERIFY(w.communication().firmware_upgrade_mode);
    w.menuConnect->trigger();

    QVERIFY2(!f.dialogs.messages.isEmpty(), "no message shown");
    QCOMPARE(f.dialogs.messages.last(), message);
    if (in_bootloader) {
        expect(w, kBootloader, "bootloader");
    } else {
        // The chip stays open: the window is in the connected state.
        expect(w, kConnected, "bootloader silent");
    }
}

void TestMainLink::real_port_is_listed_after_the_virtual_pedal() {
    // A pseudo-terminal stands for a pedal on a real port, given with --port.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString port = QString::fromLocal8Bit(ptsname(master));

    EditorFixture f;
    f.real_time = true;
    f.documents.setAutoRemove(true);
    kx::set_documents_folder(f.documents.path());
    f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
    f.context->link_options = {true, {port}};
    f.windows = std::make_unique<EditorWindows>(*f.context);
    TformMain& w = f.main();

    QVERIFY(f.context->link->virtual_pedal());
    // Both are listed, the real port last: it is the one Connect opens.
    QVERIFY2(w.menuSerialNumber->text().startsWith("Device Serial: KXV00001"),
             qPrintable(w.menuSerialNumber->text()));
    QCOMPARE(w.communication().device_serial_number, QFileInfo(port).fileName());
    w.menuConnect->trigger();
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join(" | ")));
    QVERIFY(w.lblDeviceName->text().endsWith(" connected"));
    f.stop();
    ::close(master);
}

QTEST_MAIN(TestMainLink)
#include "tst_main_link.moc"
