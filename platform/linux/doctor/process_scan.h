#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kx::doctor {

struct ProcessInfo {
    qint64 pid = 0;
    // The program's file name (from its command line; its short kernel name when it has none).
    QString name;
    // The device nodes it holds open ("/dev/..."), as the kernel names them.
    QStringList open_devices;
};

struct ProcessScan {
    QList<ProcessInfo> processes;
    // How many processes' open files could not be read (those of other users, unless root).
    int unreadable = 0;

    // The processes that hold `node` open.
    QList<ProcessInfo> holders_of(const QString& node) const;
    // The running processes called `name`.
    QList<ProcessInfo> named(const QString& name) const;
};

// Every process under the proc tree at `proc_root`, with the device nodes it holds open.
ProcessScan scan_processes(const QString& proc_root);

} // namespace kx::doctor
