// The pedal plugged in and out: "Connect Automatically", with chips reported by an injected
// event source over a scripted driver, and once end to end with a --port path to the served
// virtual pedal that comes and goes.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace kx;

namespace {

const QByteArray kSerial("DK0ABCDE");
const PlugDevice kPedalChip{QStringLiteral("/sys/devices/usb1/1-2/ttyUSB0"), 0x0403, 0x6015,
                            kSerial, QStringLiteral("/dev/ttyUSB0")};
const PlugDevice kSecondChip{QStringLiteral("/sys/devices/usb1/1-3/ttyUSB1"), 0x0403, 0x6015,
                             "DK0FGHIJ", QStringLiteral("/dev/ttyUSB1")};

using test::ServedPedal;

} // namespace

class TestMainHotplug : public QObject {
    Q_OBJECT
private slots:
    void connects_by_itself_data();
    void connects_by_itself();
    void unplug_while_idle_is_one_status_line();
    void port_path_comes_and_goes_end_to_end();
    void virtual_pedal_is_plugged_in_data();
    void virtual_pedal_is_plugged_in();
};

void TestMainHotplug::connects_by_itself_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("connects");
    QTest::newRow("one pedal plugged in") << "one" << true;
    QTest::newRow("Connect Automatically off") << "off" << false;
    QTest::newRow("disconnected by hand") << "by hand" << false;
    QTest::newRow("two pedals") << "two" << false;
    QTest::newRow("Upgrade Mode armed") << "upgrade" << false;
}

// The connect is the menu's own: the chip is opened and set up, and not a byte is written.
void TestMainHotplug::connects_by_itself() {
    QFETCH(QString, situation);
    QFETCH(bool, connects);
    EditorFixture f;
    f.no_chip.chips = {{kSerial, "FT230X Basic UART"}, {"DK0FGHIJ", "FT230X Basic UART"}};
    f.start();
    TformMain& main = f.main();
    if (situation == QLatin1String("two")) // both there when the watching starts
        f.plug_source->initial = {kSecondChip, kPedalChip};
    QTRY_VERIFY(f.context->watcher->started()); // once the window is up, painted
    if (situation == QLatin1String("off"))
        main.menuConnectAutomatically->trigger();
    kx::test::settle();
    if (situation == QLatin1String("by hand")) {
        main.menuConnect->trigger();
        kx::test::settle();
        main.menuDisconnect->trigger();
        kx::test::settle();
    }
    if (situation == QLatin1String("upgrade"))
        main.menuFirmwareUpgradeMode->trigger();
    kx::test::settle();
    f.no_chip.opened_serials.clear();

    f.plug_source->add(kPedalChip);
    QCOMPARE(main.communication().connected(), connects);
    QCOMPARE(f.no_chip.opened_serials, connects ? QList<QByteArray>{kSerial} : QList<QByteArray>{});
    QCOMPARE(f.no_chip.writes, QList<QByteArray>{});
    QCOMPARE(f.dialogs.messages, QStringList{});
    if (connects)
        QVERIFY(main.menuDisconnect->isEnabled());
}

void TestMainHotplug::unplug_while_idle_is_one_status_line() {
    EditorFixture f;
    f.no_chip.chips = {{kSerial, "FT230X Basic UART"}, {"DK0FGHIJ", "FT230X Basic UART"}};
    f.start();
    QTRY_VERIFY(f.context->watcher->started());
    f.plug_source->add(kPedalChip);
    QVERIFY(f.main().communication().connected());

    f.plug_source->remove(kSecondChip); // never arrived: nothing happens
    QVERIFY(f.main().communication().connected());
    f.plug_source->remove(kPedalChip);
    QVERIFY(!f.main().communication().connected());
    QCOMPARE(f.dialogs.messages, QStringList{});
    QVERIFY2(f.main().lblStatusLine->toolTip().startsWith("The pedal was unplugged."),
             qPrintable(f.main().lblStatusLine->toolTip()));
    QVERIFY(f.main().menuConnect->isEnabled());
    QVERIFY(!f.main().btnOpenEffect->isEnabled());

    // Plugged back in, it connects again by itself.
    f.plug_source->add(kPedalChip);
    QVERIFY(f.main().communication().connected());
}

// A --port path that comes into existence is connected within 2 s without Scan; when its
// pedal goes, that is noticed within 2 s and told without a box.
void TestMainHotplug::port_path_comes_and_goes_end_to_end() {
    QTemporaryDir links;
    const QString port = links.filePath(QStringLiteral("kestrel"));
    QtSerialDriver serial({port});
    EditorFixture f;
    f.driver = &serial;
    f.real_time = true;
    f.watched_ports = {port};
    f.start();
    QTRY_VERIFY(f.context->watcher->started());
    QVERIFY(!f.main().communication().connected());

    ServedPedal pedal;
    QVERIFY2(pedal.start(), "the server printed no path");
    QVERIFY(QFile::link(pedal.path(), port));
    QTRY_VERIFY_WITH_TIMEOUT(f.main().communication().connected(), 2000);
    QVERIFY(f.main().btnOpenEffect->isEnabled());

    pedal.stop(); // its pseudo-terminal goes, and the link points nowhere
    QTRY_VERIFY_WITH_TIMEOUT(!f.main().communication().connected(), 2000);
    QCOMPARE(f.dialogs.messages, QStringList{});
    QVERIFY(f.main().lblStatusLine->toolTip().startsWith("The pedal was unplugged."));
}

void TestMainHotplug::virtual_pedal_is_plugged_in_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("connected"); // "virtual", "port" or "none"
    QTest::newRow("alone") << "alone"
                           << "virtual";
    QTest::newRow("Connect Automatically off") << "off"
                                               << "none";
    QTest::newRow("a port pedal there from the start") << "port first"
                                                       << "port";
    QTest::newRow("a port pedal comes later") << "port later"
                                              << "port";
}

// As ./run.sh starts it (--virtual-pedal), the editor connects to the virtual pedal by itself,
// sending nothing; a real pedal, there at the start or plugged in later, wins over it.
void TestMainHotplug::virtual_pedal_is_plugged_in() {
    QFETCH(QString, situation);
    QFETCH(QString, connected);
    QTemporaryDir links;
    const QString port = links.filePath(QStringLiteral("kestrel"));
    ServedPedal served;
    if (situation.startsWith(QLatin1String("port")))
        QVERIFY2(served.start(), "the server printed no path");
    if (situation == QLatin1String("port first"))
        QVERIFY(QFile::link(served.path(), port));
    EditorFixture f;
    set_documents_folder(f.documents.path());
    if (situation == QLatin1String("off"))
        f.connect_by_hand_only();
    f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
    f.context->link_options.virtual_pedal = true;
    f.context->link_options.ports = {port};
    f.context->watcher =
        std::make_unique<PedalWatcher>(std::make_unique<InjectedPlugSource>(), QStringList{port});
    f.windows = std::make_unique<EditorWindows>(*f.context);
    f.main().show();
    Communication& link = f.main().communication();
    QTRY_VERIFY(f.context->watcher->started()); // once the window is up, painted
    if (situation == QLatin1String("port later")) {
        QCOMPARE(link.device_serial_number, QString::fromLatin1(kVirtualPedalSerial));
        QVERIFY(QFile::link(served.path(), port));
        QTRY_VERIFY_WITH_TIMEOUT(
            link.connected() && link.device_serial_number == QFileInfo(port).fileName(), 2000);
    }
    QCOMPARE(link.connected(), connected != QLatin1String("none"));
    if (connected == QLatin1String("virtual"))
        QCOMPARE(link.device_serial_number, QString::fromLatin1(kVirtualPedalSerial));
    if (connected == QLatin1String("port"))
        QCOMPARE(link.device_serial_number, QFileInfo(port).fileName());
    sim::VirtualPedal& pedal = f.context->link->virtual_pedal()->pedal();
    pedal.advance(VirtualPedalDriver::now_us());
    QCOMPARE(pedal.received().size(), 0);
    QCOMPARE(f.dialogs.messages, QStringList{});
    f.stop();
}

QTEST_MAIN(TestMainHotplug)
#include "tst_main_hotplug.moc"
