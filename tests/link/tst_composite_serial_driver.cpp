#include "base/clock.h"
#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/qt_serial_driver.h"
#include "support/scripted_serial_driver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace kx;

class TestCompositeSerialDriver : public QObject {
    Q_OBJECT
private slots:
    void lists_drivers_in_order();
    void routes_handles_to_their_driver();
    void same_serial_opens_the_chip_listed_last();
    void each_listing_asks_every_driver_again();
};

namespace {
struct Fixture {
    InstantClock clock;
    ScriptedSerialDriver virtual_pedal{clock};
    ScriptedSerialDriver usb{clock};
    CompositeSerialDriver driver{{&virtual_pedal, &usb}};
    Fixture() {
        virtual_pedal.chips = {{"V1", "virtual"}};
        usb.chips = {{"U1", "first"}, {"U2", "second"}};
    }
};
} // namespace

namespace {
QStringList listing(SerialDriver& driver) {
    quint32 count = 0;
    if (driver.device_count(count) != FT_OK)
        return {"<listing failed>"};
    QStringList listed;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray serial;
        driver.serial_number(i, serial);
        listed << QString::fromLatin1(serial);
    }
    return listed;
}
} // namespace

void TestCompositeSerialDriver::lists_drivers_in_order() {
    Fixture f;
    quint32 count = 0;
    QCOMPARE(f.driver.device_count(count), int(FT_OK));
    QCOMPARE(count, 3u);
    QStringList listed;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray serial, description;
        QCOMPARE(f.driver.serial_number(i, serial), int(FT_OK));
        QCOMPARE(f.driver.description(i, description), int(FT_OK));
        listed << QString::fromLatin1(serial + "/" + description);
    }
    QCOMPARE(listed, (QStringList{"V1/virtual", "U1/first", "U2/second"}));
    QByteArray text;
    QCOMPARE(f.driver.serial_number(3, text), int(FT_DEVICE_NOT_FOUND));
}

void TestCompositeSerialDriver::routes_handles_to_their_driver() {
    Fixture f;
    FtHandle v = 0, u = 0;
    QCOMPARE(f.driver.open_by_serial("V1", v), int(FT_OK));
    QCOMPARE(f.driver.open_by_serial("U2", u), int(FT_OK));
    QVERIFY(v != u);
    quint32 written = 0;
    QCOMPARE(f.driver.write(u, "ab", 2, written), int(FT_OK));
    QCOMPARE(f.usb.writes, QList<QByteArray>{"ab"});
    QVERIFY(f.virtual_pedal.writes.isEmpty());
    f.virtual_pedal.queue_bytes("xyz");
    quint32 queued = 0;
    QCOMPARE(f.driver.queue_status(v, queued), int(FT_OK));
    QCOMPARE(queued, 3u);
    QCOMPARE(f.driver.close(v), int(FT_OK));
    QCOMPARE(f.driver.close(v), int(FT_INVALID_HANDLE));
    QCOMPARE(f.driver.queue_status(v, queued), int(FT_INVALID_HANDLE));
    QCOMPARE(f.driver.open_by_serial("nowhere", v), int(FT_DEVICE_NOT_FOUND));
}

void TestCompositeSerialDriver::same_serial_opens_the_chip_listed_last() {
    Fixture f;
    f.virtual_pedal.chips = {{"U1", "virtual"}};
    FtHandle handle = 0;
    QCOMPARE(f.driver.open_by_serial("U1", handle), int(FT_OK));
    QVERIFY(f.usb.open_handle != 0);
    QCOMPARE(f.virtual_pedal.open_handle, FtHandle(0));
}

void TestCompositeSerialDriver::each_listing_asks_every_driver_again() {
    // The virtual pedal, then a port given by path whose pseudo-terminal comes and goes.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        QSKIP("no pseudo-terminals on this machine");
    QTemporaryDir folder;
    const QString path = folder.filePath("pedal");
    InstantClock clock;
    ScriptedSerialDriver virtual_pedal{clock};
    virtual_pedal.chips = {{"V1", "virtual"}};
    QtSerialDriver ports{QStringList{path}};
    quint32 usb_chips = 0;
    QtSerialDriver().device_count(usb_chips);
    if (usb_chips != 0)
        QSKIP("USB serial chips are attached; their listing would mix in");
    CompositeSerialDriver driver{{&virtual_pedal, &ports}};

    QCOMPARE(listing(driver), QStringList{"V1"});
    QVERIFY(QFile::link(QString::fromLocal8Bit(ptsname(master)), path));
    QCOMPARE(listing(driver), (QStringList{"V1", "pedal"}));
    FtHandle handle = 0;
    QCOMPARE(driver.open_by_serial("pedal", handle), int(FT_OK));
    QCOMPARE(driver.close(handle), int(FT_OK));
    QVERIFY(QFile::remove(path));
    QCOMPARE(listing(driver), QStringList{"V1"});
    QByteArray text;
    QCOMPARE(driver.serial_number(1, text), int(FT_DEVICE_NOT_FOUND));
    ::close(master);
}

QTEST_GUILESS_MAIN(TestCompositeSerialDriver)
#include "tst_composite_serial_driver.moc"
