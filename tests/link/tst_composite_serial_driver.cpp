#include "base/clock.h"
#include "link/drivers/composite_serial_driver.h"
#include "support/scripted_serial_driver.h"

#include <QtTest>

using namespace kx;

class TestCompositeSerialDriver : public QObject {
    Q_OBJECT
private slots:
    void lists_drivers_in_order();
    void routes_handles_to_their_driver();
    void same_serial_opens_the_chip_listed_last();
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

QTEST_GUILESS_MAIN(TestCompositeSerialDriver)
#include "tst_composite_serial_driver.moc"
