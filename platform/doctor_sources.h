#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kx::doctor {

// Who asks: the user the verdicts are for.
struct Identity {
    quint32 uid = 0;
    QString name;
    // The groups this login has (the primary one included). A group the user joined after
    // logging in is listed in the group file but not here.
    QList<quint32> groups;
    // Whether this is the running process, so that the system itself can be asked whether a
    // node may be opened (which also counts access lists, as the desktop's seat rules set).
    bool is_this_process = false;
};

// What the system says about a device node.
struct NodeFacts {
    bool exists = false;
    bool char_device = false;
    quint32 owner = 0;
    quint32 group = 0;
    quint32 mode = 0; // permission bits
    // The path with its links resolved (a /dev/serial/by-id link names its ttyUSB node).
    QString canonical;
    // Whether the system lets this process open it for reading and writing; unknown unless the
    // identity is the running process.
    std::optional<bool> system_allows;
    // Why it could not be examined, when that was not for want of it.
    QString error;
};
using NodeProbe = std::function<NodeFacts(const QString& path)>;

// What an attempt to open a port for reading and writing (and close it again) found.
struct PortOpening {
    enum Outcome { Opened, Missing, Refused } outcome = Refused;
    QString reason; // the system's words, when refused
};
using PortOpener = std::function<PortOpening(const QString& port)>;

// Where the doctor reads the system from. Tests replace the trees with fixtures. The Linux
// build reads the trees, nodes and identity; the portable build the listed ports and openings.
struct DoctorSources {
    QString sys_root = QStringLiteral("/sys");
    QString proc_root = QStringLiteral("/proc");
    // The group and user files.
    QString etc_root = QStringLiteral("/etc");
    // Where an installed udev rule may lie.
    QStringList rule_dirs;
    NodeProbe probe;
    Identity identity;
    // This editor: a port it holds open is its own connection, not a rival's.
    qint64 own_pid = 0;
    // Ports given by path (--port) and whether the virtual pedal is attached.
    QStringList ports;
    bool virtual_pedal = false;
    // The serial ports QSerialPortInfo lists, and an attempt to open one.
    std::function<QList<platform::ListedPort>()> list_ports;
    PortOpener open_port;
};

// The running system as this process sees it. The environment variable KX_DIAGNOSE_ROOT puts
// the trees (sys, proc, etc, the udev rule folders) under another folder, for tests of the
// programs that diagnose; device nodes are still examined where their paths say.
DoctorSources system_sources();

} // namespace kx::doctor
