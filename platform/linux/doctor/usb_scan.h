#pragma once

#include <QList>
#include <QString>

namespace kx::doctor {

// USB vendor of the chip maker, and the product the pedal's chip (FT230X) reports.
inline constexpr quint16 kFtdiVendor = 0x0403;
inline constexpr quint16 kPedalChipProduct = 0x6015;
// The kernel's serial driver for these chips, and the name under which a program that took a
// chip over through libusb holds it.
inline constexpr char kFtdiDriver[] = "ftdi_sio";
inline constexpr char kLibusbDriver[] = "usbfs";

struct UsbInterface {
    QString name;   // "1-2:1.0"
    QString driver; // empty: no driver bound
    QString tty;    // the serial port's node name ("ttyUSB0"); empty: none
};

struct UsbChip {
    QString name; // the kernel's name for the device, "1-2"
    quint16 vendor = 0;
    quint16 product = 0;
    QString serial;
    QString description; // the product text the chip reports
    QString manufacturer;
    int bus = 0;
    int device = 0;
    QList<UsbInterface> interfaces;

    // The device's own node, through which libusb programs talk to it.
    QString usb_node() const;
    bool is_pedal_chip() const { return vendor == kFtdiVendor && product == kPedalChipProduct; }
};

struct UsbScan {
    // False when the device list itself cannot be read (no sysfs).
    bool readable = false;
    QList<UsbChip> chips;
    // Whether the kernel has its FTDI serial driver (loaded as a module or built in).
    bool ftdi_driver_present = false;
};

// The FTDI chips attached, from the sysfs tree under `sys_root`.
UsbScan scan_ftdi_chips(const QString& sys_root);

} // namespace kx::doctor
