// The serial port driver loaded on first use: listing needs no module, an open loads it and
// then reaches the port, and a missing module is named where the user reads why no port opens.
#include "link/drivers/module_serial_driver.h"
#include "platform/platform.h"
#include "support/pseudo_terminal.h"

#include <QtTest>

using namespace kx;

class TestModuleSerialDriver : public QObject {
    Q_OBJECT
private slots:
    void open_loads_the_module_data();
    void open_loads_the_module();
};

void TestModuleSerialDriver::open_loads_the_module_data() {
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<bool>("opens");
    QTest::newRow("the module built beside the tests") << QByteArray(kSerialModuleName) << true;
    QTest::newRow("a module that is not there") << QByteArray("kestrel-x-no-such-module")
                                                << false;
}

void TestModuleSerialDriver::open_loads_the_module() {
    QFETCH(QByteArray, module);
    QFETCH(bool, opens);
    test::PseudoTerminal pedal;
    QVERIFY(pedal.ok());
    ModuleSerialDriver driver({pedal.path()}, module.constData());

    // The port given by path is listed, last, whether or not the module can be loaded.
    quint32 count = 0;
    QCOMPARE(driver.device_count(count), int(FT_OK));
    QVERIFY(count >= 1);
    QByteArray serial, description;
    QCOMPARE(driver.serial_number(count - 1, serial), int(FT_OK));
    QCOMPARE(driver.description(count - 1, description), int(FT_OK));
    QCOMPARE(serial, QFileInfo(pedal.path()).fileName().toLatin1());
    QCOMPARE(description, QByteArray(kChipFactoryDescription));
    // Where the system lists chips without QtSerialPort (Linux's device tree), listing has
    // loaded nothing; elsewhere only the module can list them.
    const bool listed_without_qt = platform::usb_serial_ports(0x0403).has_value();
    QCOMPARE(driver.loaded(), !listed_without_qt && opens);

    FtHandle handle = 0;
    const int opened = driver.open_by_serial(serial, handle);
    QCOMPARE(driver.loaded(), opens);
    if (!opens) {
        QCOMPARE(opened, int(FT_DEVICE_NOT_OPENED));
        const QStringList problems = driver.take_problems();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith("The serial port module of this installation cannot be "
                                        "loaded, so no port can be opened ("),
                 qPrintable(problems[0]));
        QVERIFY2(problems[0].endsWith("). Reinstall the editor."), qPrintable(problems[0]));
        QCOMPARE(driver.take_problems(), QStringList()); // said once per failed open
        quint32 queued = 0;
        QCOMPARE(driver.queue_status(1, queued), int(FT_INVALID_HANDLE));
        return;
    }
    QCOMPARE(opened, int(FT_OK));
    QCOMPARE(driver.set_baud_rate(handle, 115200), int(FT_OK));
    quint32 written = 0;
    QCOMPARE(driver.write(handle, "\x0D\x00", 2, written), int(FT_OK));
    QCOMPARE(written, 2u);
    QCOMPARE(pedal.take(), QByteArray("\x0D\x00", 2));
    QVERIFY(pedal.send("Upload complete\r\n"));
    quint32 queued = 0;
    QTRY_VERIFY((driver.queue_status(handle, queued), queued == 17));
    QByteArray answer(17, '\0');
    quint32 read = 0;
    QCOMPARE(driver.read(handle, answer.data(), 17, read), int(FT_OK));
    QCOMPARE(answer, QByteArray("Upload complete\r\n"));
    QCOMPARE(driver.close(handle), int(FT_OK));
    QCOMPARE(driver.take_problems(), QStringList());
}

QTEST_GUILESS_MAIN(TestModuleSerialDriver)
#include "tst_module_serial_driver.moc"
