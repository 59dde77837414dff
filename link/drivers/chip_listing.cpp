#include "link/drivers/chip_listing.h"

#include "base/translation.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace kx {

namespace {

// Empty when `path` is a character device; otherwise why it cannot be one.
QString port_path_problem(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return ui_text("Link", kPortMissing).arg(path);
        return ui_text("Link", kPortUnreadable)
            .arg(path, QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!S_ISCHR(info.st_mode))
        return ui_text("Link", kPortNotCharDevice).arg(path);
    return {};
}

} // namespace

std::optional<QList<ChipEntry>> chips_in_device_tree() {
    const auto ports = platform::usb_serial_ports(kFtdiVendorId);
    if (!ports)
        return std::nullopt;
    QList<ChipEntry> entries;
    for (const platform::UsbSerialPort& port : *ports)
        entries.append({port.serial, port.description, port.location});
    return entries;
}

QList<ChipEntry> chips_given_by_path(const QStringList& paths, QStringList& problems) {
    QList<ChipEntry> entries;
    for (const QString& path : paths) {
        const QString problem = port_path_problem(path);
        if (!problem.isEmpty()) {
            problems << problem;
            continue;
        }
        entries.append(
            {QFileInfo(path).fileName().toLatin1(), QByteArray(kPortPathDescription), path});
    }
    return entries;
}

QByteArray list_buffer(const QByteArray& text) {
    return text.left(kListTextMaxChars);
}

} // namespace kx
