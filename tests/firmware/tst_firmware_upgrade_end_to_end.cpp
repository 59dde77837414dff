// The firmware upgrade with real timing against the virtual pedal's bootloader, reached
// in-process and served on a pseudo-terminal through the serial port driver: the pedal then
// runs the new firmware and says so through Open FX.
#include "support/await.h"
#include "upgrade_rig.h"

#include "link/pedal_commands.h"

#include <QPushButton>

using namespace kx;
using namespace kx::test;

class TestFirmwareUpgradeEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void upgrade_then_open_fx_data();
    void upgrade_then_open_fx();
};

void TestFirmwareUpgradeEndToEnd::upgrade_then_open_fx_data() {
    QTest::addColumn<int>("transport");
    QTest::newRow("in-process") << int(UpgradeRig::Transport::InProcess);
    QTest::newRow("pseudo-terminal") << int(UpgradeRig::Transport::PseudoTerminal);
}

void TestFirmwareUpgradeEndToEnd::upgrade_then_open_fx() {
    QFETCH(int, transport);
    UpgradeRig rig{UpgradeRig::Transport(transport)};
    QVERIFY2(rig.ok(), "the served pedal did not name its port");
    rig.connect_to_bootloader();
    rig.choose_firmware_1();
    rig.form->btnUpgradeFirmware->click();
    kx::test::settle();
    QCOMPARE(rig.dialogs.messages, QStringList{kTextUpgradeComplete});
    QVERIFY(!rig.comm.firmware_upgrade_mode);
    if (transport == int(UpgradeRig::Transport::InProcess))
        QCOMPARE(rig.wire(), expected_wire(firmware_1()));

    QTest::qWait(100); // the new firmware starts
    const auto reply =
        test::done(rig.comm.receive_text(effect_information_message(), information_reply()));
    QVERIFY2(reply, qPrintable(reply.error()));
    const auto info = parse_effect_info(*reply);
    QVERIFY2(info, qPrintable(info.error()));
    QCOMPARE(info->pedal_firmware_version, 12);
}

QTEST_MAIN(TestFirmwareUpgradeEndToEnd)
#include "tst_firmware_upgrade_end_to_end.moc"
