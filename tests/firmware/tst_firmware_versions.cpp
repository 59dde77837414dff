// What a firmware upgrade says it changes: the texts from the two versions, and the version a
// pedal reported while its firmware ran, kept (by serial) for the upgrade that starts later in
// its bootloader, where nothing reports it. End to end on the virtual pedal served on a
// pseudo-terminal, reached by one port name that leads to the firmware, then to the bootloader.
#include "support/await.h"
#include "support/recording_connection_ui.h"
#include "support/served_pedal.h"

#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "firmware/firmware_versions.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"
#include "session/pedal_session.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace kx;

namespace {

// A link and a session over the port name `port`, whatever served pedal it leads to now.
struct Link {
    Link(const QString& port, const QString& memory_file)
        : driver(QStringList{port}), d2xx(driver, log), comm(d2xx, ui, log, clock),
          session(comm, store, log, clock) {
        session.set_firmware_memory_file(memory_file);
        (void)comm.list_devices();
        comm.init_line_settings();
    }
    QtSerialDriver driver;
    MemoryLog log;
    RecordingConnectionUi ui;
    RealClock clock;
    ResourceStore store;
    D2XXUnit d2xx;
    Communication comm;
    PedalSession session;
};

} // namespace

class TestFirmwareVersions : public QObject {
    Q_OBJECT
private slots:
    void change_text_data();
    void change_text();
    void the_upgrade_says_what_it_replaces();
};

void TestFirmwareVersions::change_text_data() {
    QTest::addColumn<int>("running"); // 0: never reported
    QTest::addColumn<int>("image");   // -1: the image carries no version
    QTest::addColumn<QString>("text");
    QTest::newRow("same version") << 12 << 12 << "The pedal already runs Firmware 12";
    QTest::newRow("newer") << 11 << 12 << "This replaces Firmware 11 with Firmware 12";
    QTest::newRow("older") << 13 << 12 << "This replaces Firmware 13 with Firmware 12";
    QTest::newRow("pedal never reported") << 0 << 12 << "";
    QTest::newRow("image without a version") << 11 << -1 << "";
}

void TestFirmwareVersions::change_text() {
    QFETCH(int, running);
    QFETCH(int, image);
    QFETCH(QString, text);
    const std::optional<quint32> version =
        image < 0 ? std::nullopt : std::optional<quint32>(quint32(image));
    QCOMPARE(firmware_change_text(running, version), text);
}

void TestFirmwareVersions::the_upgrade_says_what_it_replaces() {
    QTemporaryDir folder;
    const QString port = folder.filePath(QStringLiteral("kestrel"));
    const QString memory = folder.filePath(QStringLiteral("PedalFirmware.txt"));

    // The firmware answers: it reports the factory's Firmware 11, kept by the port's name.
    {
        test::ServedPedal pedal;
        QVERIFY2(pedal.start({QStringLiteral("--instant")}), qPrintable(pedal.error()));
        QVERIFY(QFile::link(pedal.path(), port));
        Link link(port, memory);
        QVERIFY(test::done(link.session.connect_pedal()));
        const auto opened = test::done(link.session.open_running_effect());
        QCOMPARE(opened.error_kind(), ErrorKind::NoEffect);
        QCOMPARE(link.session.reported_firmware_version(), 11);
        QVERIFY(test::done(link.session.disconnect_pedal()));
        QVERIFY(QFile::remove(port));
    }

    // Another run, in the bootloader, which reports nothing: the kept version speaks.
    test::ServedPedal bootloader;
    QVERIFY2(bootloader.start({QStringLiteral("--instant"), QStringLiteral("--bootloader")}),
             qPrintable(bootloader.error()));
    QVERIFY(QFile::link(bootloader.path(), port));
    Link link(port, memory);
    QVERIFY(link.session.set_upgrade_mode(true));
    QVERIFY(test::done(link.session.connect_pedal()));
    QCOMPARE(link.session.link_state(), LinkState::Bootloader);
    QCOMPARE(link.session.reported_firmware_version(), 11);
    ScriptedDialogs dialogs;
    const auto upgrade_window = [&] {
        auto form = std::make_unique<TformFirmwareUpgrade>(
            FirmwareUpgradeContext{link.session, link.log, dialogs, link.clock, link.store});
        form->show();
        form->cmbFirmwareChoose->setCurrentIndex(0);
        return form;
    };
    auto form = upgrade_window();
    const QString question = QStringLiteral(
        "Upgrade the pedal to Firmware 12 (Firmware_1)? Do not unplug the pedal or switch it off "
        "until \"Firmware Upgrade Complete\" appears.");
    form->btnUpgradeFirmware->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialogs.messages.isEmpty(), 60000);
    QCOMPARE(
        dialogs.confirmations,
        QStringList{QStringLiteral("This replaces Firmware 11 with Firmware 12. ") + question});
    QCOMPARE(dialogs.messages, QStringList{kTextUpgradeComplete});

    // The new firmware answers with its version; the same one again is still offered.
    const auto opened = test::done(link.session.open_running_effect());
    QCOMPARE(opened.error_kind(), ErrorKind::NoEffect);
    QCOMPARE(link.session.reported_firmware_version(), 12);
    form = upgrade_window();
    dialogs.confirmations.clear();
    dialogs.answers << Dialogs::Answer::No;
    form->btnUpgradeFirmware->click();
    test::settle();
    QCOMPARE(dialogs.confirmations,
             QStringList{QStringLiteral("The pedal already runs Firmware 12. ") + question});
}

QTEST_MAIN(TestFirmwareVersions)
#include "tst_firmware_versions.moc"
