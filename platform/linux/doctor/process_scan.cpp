#include "platform/linux/doctor/process_scan.h"

#include "base/outside_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <algorithm>
#include <climits>

namespace kx::doctor {

namespace {

QByteArray read_all(const QString& path) {
    auto bytes = read_outside_file(path, kSystemFileFormat);
    return bytes ? std::move(*bytes) : QByteArray();
}

// What an open file's link in fd/ points to, unresolved ("/dev/ttyUSB0", "socket:[123]").
QString link_target(const QString& path) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, static_cast<int>(length))) : QString();
}

QString program_name(const QString& dir) {
    // The command line's first word names the program in full; the kernel's short name is
    // cut at 15 characters, and kernel threads have only that.
    const QByteArray command_line = read_all(dir + QStringLiteral("/cmdline"));
    const QByteArray first = command_line.left(command_line.indexOf('\0'));
    if (!first.isEmpty())
        return QFileInfo(QString::fromLocal8Bit(first)).fileName();
    return QString::fromLocal8Bit(read_all(dir + QStringLiteral("/comm"))).trimmed();
}

} // namespace

QList<ProcessInfo> ProcessScan::holders_of(const QString& node) const {
    QList<ProcessInfo> holders;
    for (const ProcessInfo& process : processes)
        if (process.open_devices.contains(node))
            holders << process;
    return holders;
}

QList<ProcessInfo> ProcessScan::named(const QString& name) const {
    QList<ProcessInfo> found;
    for (const ProcessInfo& process : processes)
        if (process.name == name)
            found << process;
    return found;
}

ProcessScan scan_processes(const QString& proc_root) {
    ProcessScan scan;
    const QDir proc(proc_root);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QString dir = proc.filePath(entry);
        ProcessInfo process;
        process.pid = pid;
        process.name = program_name(dir);
        const QDir fds(dir + QStringLiteral("/fd"));
        if (!fds.isReadable()) {
            ++scan.unreadable;
        } else {
            const QStringList links =
                fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& link : links) {
                const QString target = link_target(fds.filePath(link));
                if (target.startsWith(QLatin1String("/dev/")) &&
                    !process.open_devices.contains(target))
                    process.open_devices << target;
            }
        }
        scan.processes << process;
    }
    std::sort(scan.processes.begin(), scan.processes.end(),
              [](const ProcessInfo& a, const ProcessInfo& b) { return a.pid < b.pid; });
    return scan;
}

} // namespace kx::doctor
