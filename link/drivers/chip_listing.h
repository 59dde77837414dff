#pragma once

#include "base/translation.h"
#include "link/serial_driver.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

// Description under which a port given by path is listed, as a chip fresh from the factory.
inline constexpr const char* kPortPathDescription = kChipFactoryDescription;
// USB vendor of the chip maker.
inline constexpr quint16 kFtdiVendorId = 0x0403;
// Why a port given by path is not listed; %1 is the path.
inline constexpr char kPortMissing[] = QT_TRANSLATE_NOOP("Link", "Port %1 does not exist.");
inline constexpr char kPortNotCharDevice[] =
    QT_TRANSLATE_NOOP("Link", "Port %1 is not a serial port (not a character device).");
inline constexpr char kPortUnreadable[] =
    QT_TRANSLATE_NOOP("Link", "Port %1 cannot be examined: %2.");

// A chip as the serial drivers list it.
struct ChipEntry {
    QByteArray serial;
    QByteArray description;
    QString port; // port name or path to open
};

// The FTDI chips as the system lists them without QtSerialPort (on Linux, from the kernel's
// device tree); none where there is no such listing (platform/platform.h).
std::optional<QList<ChipEntry>> chips_in_device_tree();

// The ports given by path, each while it is a character device (a serial port or a
// pseudo-terminal, also through a link), listed under its file name; why each other one is left
// out is added to `problems`.
QList<ChipEntry> chips_given_by_path(const QStringList& paths, QStringList& problems);

// A list text as the driver's 64-byte list buffer holds it.
QByteArray list_buffer(const QByteArray& text);

} // namespace kx
