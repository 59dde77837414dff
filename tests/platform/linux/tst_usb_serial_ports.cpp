#include "platform/linux/serial/usb_serial_ports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kx;

namespace {

// A device tree as the kernel lays it out: /sys/class/tty/<name> links into /sys/devices.
class DeviceTree {
public:
    QString root() const { return m_dir.path(); }

    // A tty on a USB chip: .../usb1/<chip>/<chip>:1.0/<name>/tty/<name>, the chip's folder
    // holding the given attributes (an empty value leaves the file out).
    void add_usb_tty(const QString& name, const QString& chip, const QByteArray& vendor,
                     const QByteArray& serial, const QByteArray& product) {
        const QString chip_folder = QStringLiteral("devices/pci0000:00/usb1/") + chip;
        const QString tty = chip_folder + QLatin1Char('/') + chip + QStringLiteral(":1.0/") + name +
                            QStringLiteral("/tty/") + name;
        write(chip_folder + QStringLiteral("/idVendor"), vendor);
        write(chip_folder + QStringLiteral("/idProduct"), "6015");
        write(chip_folder + QStringLiteral("/serial"), serial);
        write(chip_folder + QStringLiteral("/product"), product);
        link(name, tty);
    }
    // A tty that is not on USB (a built-in UART, a virtual terminal).
    void add_other_tty(const QString& name) {
        const QString tty = QStringLiteral("devices/platform/serial8250/tty/") + name;
        write(tty + QStringLiteral("/dev"), "4:64");
        link(name, tty);
    }

private:
    void write(const QString& relative, const QByteArray& value) {
        const QString path = root() + QLatin1Char('/') + relative;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (value.isEmpty())
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(value + '\n');
    }
    void link(const QString& name, const QString& device) {
        QVERIFY(QDir().mkpath(root() + QStringLiteral("/") + device));
        QVERIFY(QDir().mkpath(root() + QStringLiteral("/class/tty")));
        QVERIFY(QFile::link(QStringLiteral("../../") + device,
                            root() + QStringLiteral("/class/tty/") + name));
    }
    QTemporaryDir m_dir;
};

} // namespace

class TestUsbSerialPorts : public QObject {
    Q_OBJECT
private slots:
    void lists_only_the_vendors_chips();
    void chip_without_product_text_is_named_by_its_product_id();
    void no_device_tree();
};

void TestUsbSerialPorts::lists_only_the_vendors_chips() {
    DeviceTree tree;
    tree.add_other_tty(QStringLiteral("ttyS0"));
    tree.add_other_tty(QStringLiteral("tty1"));
    tree.add_usb_tty(QStringLiteral("ttyUSB1"), QStringLiteral("1-2"), "0403", "DK0ABC12",
                     "FT230X  Basic UART");
    tree.add_usb_tty(QStringLiteral("ttyUSB0"), QStringLiteral("1-3"), "10c4", "0001",
                     "CP2102 USB to UART");
    tree.add_usb_tty(QStringLiteral("ttyACM0"), QStringLiteral("1-4"), "0403", "A B", "Kestrel X");

    bool available = false;
    const QList<UsbSerialPort> ports =
        list_usb_serial_ports(0x0403, &available, tree.root(), QStringLiteral("/dev"));
    QVERIFY(available);
    QCOMPARE(ports.size(), 2);
    QCOMPARE(ports[0].location, QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(ports[0].serial, QByteArray("A_B")); // as udev's short serial shows a blank
    QCOMPARE(ports[0].description, QByteArray("Kestrel X"));
    QCOMPARE(ports[1].location, QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(ports[1].serial, QByteArray("DK0ABC12"));
    QCOMPARE(ports[1].description, QByteArray("FT230X Basic UART"));
}

void TestUsbSerialPorts::chip_without_product_text_is_named_by_its_product_id() {
    DeviceTree tree;
    tree.add_usb_tty(QStringLiteral("ttyUSB0"), QStringLiteral("3-1.2"), "0403", "S1", "");
    const QList<UsbSerialPort> ports = list_usb_serial_ports(0x0403, nullptr, tree.root());
    QCOMPARE(ports.size(), 1);
    QCOMPARE(ports[0].description, QByteArray("6015"));
}

void TestUsbSerialPorts::no_device_tree() {
    QTemporaryDir empty;
    bool available = true;
    QVERIFY(list_usb_serial_ports(0x0403, &available, empty.path()).isEmpty());
    QVERIFY(!available);
}

QTEST_GUILESS_MAIN(TestUsbSerialPorts)
#include "tst_usb_serial_ports.moc"
