#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QSerialPort;

namespace kx {
class PlugSource; // platform/plug_source.h
}

// What the editor needs from the system it runs on, in one place. Two implementations define
// these: platform/linux/ (sysfs, udev, the serial driver's low-latency flag, the Connection
// Doctor's look at groups, udev rules and processes) and platform/portable/ (only what Qt shows:
// QSerialPortInfo's list, looked at each second, and whether a port opens). The build takes
// the Linux one on Linux unless KX_PORTABLE_PLATFORM is on, the portable one everywhere else.
// The Connection Doctor's part is platform/diagnosis.h and platform/doctor_sources.h.
namespace kx::platform {

// Which implementation this build has, for tests and the documentation: "linux" or "portable".
const char* name();
// Whether this build has the Linux implementation (tests of its parts skip without it).
bool has_linux_parts();

// A serial port on a USB chip, as the system lists it.
struct UsbSerialPort {
    QByteArray serial;      // the chip's serial number, as udev's short serial shows it
    QByteArray description; // the chip's USB product text, blanks folded
    QString location;       // the port to open: its device node (/dev/ttyUSB0), COM3, ...
};

// A serial port as QSerialPortInfo lists it.
struct ListedPort {
    QString location; // what QSerialPort opens: /dev/ttyUSB0, \\.\COM3, /dev/cu.usbserial-X
    quint16 vendor = 0; // 0: not a USB port, or the system does not say
    quint16 product = 0;
    QByteArray serial;
    QByteArray description;
};

// The serial ports whose USB chip has vendor `vendor_id`, from a listing cheaper than
// QtSerialPort's (Linux: the kernel's device tree, without loading QtSerialPort or udev). None
// where the system has no such listing; the caller then asks QSerialPortInfo.
std::optional<QList<UsbSerialPort>> usb_serial_ports(quint16 vendor_id);

// The chip's latency timer, through the open `port`: Linux's FTDI driver sets it to 1 ms while
// the port is marked low latency and leaves it at the chip's 16 ms otherwise. Each is false or
// none where the system gives no control of it (a pseudo-terminal, the portable build).
bool set_low_latency(QSerialPort& port, bool low);
std::optional<bool> low_latency(QSerialPort& port);
// Why the latency timer cannot be set on this build, for the log; empty where it can be.
QString latency_control_note();
// How many written bytes the system still holds for `port`; none when it cannot say (then only
// QSerialPort's own queue counts).
std::optional<int> unsent_bytes(QSerialPort& port);

// Where the pedal watcher hears of chips coming and going on this system (the Linux build:
// udev's monitor where udev runs, otherwise a look at sysfs each second; the portable build: a
// look at QSerialPortInfo's list each second).
std::unique_ptr<PlugSource> plug_source();
// What the watcher falls back on when a source cannot watch: a look each second.
std::unique_ptr<PlugSource> fallback_plug_source();

} // namespace kx::platform
