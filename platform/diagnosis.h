#pragma once

#include "platform/doctor_sources.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kx::doctor {

enum class Severity { Ok, Note, Problem };

// One thing the doctor sees, in plain words, with what to do about it.
struct Finding {
    Severity severity = Severity::Note;
    QString subject; // what it is about: a chip, a port, a service
    QString text;    // what the editor sees
    QString advice;  // what to do; empty when nothing
    QString command; // a command line to copy for it; empty when none
};

struct Diagnosis {
    QList<Finding> findings;
    // Whether the editor can connect to a pedal now.
    bool ready = false;
    // Whether the pedal's chip is refused and the editor's udev rule, not yet installed,
    // would give the access: the window offers to install it.
    bool rule_would_help = false;

    int count(Severity severity) const;
    QString summary() const;
};

// Looks at the USB chips, their ports, who may open them and who holds them, the ports given
// by path and the virtual pedal. How far it sees depends on the system (platform/platform.h):
// the Linux build also looks at groups, udev rules and the services known to take such chips;
// the portable one at what QSerialPortInfo lists and whether each port opens.
Diagnosis diagnose(const DoctorSources& sources);

// What gives the user access to the pedal's chip for good, offered when a diagnosis finds that
// it would help (rule_would_help): on Linux, the editor's udev rule. A command line for a
// terminal, and the program and arguments that run it with the administrator's password; all
// empty where the system needs none.
QString rule_install_command();
QString rule_install_program();
QStringList rule_install_arguments();

// The diagnosis as text for a terminal.
QString report_text(const Diagnosis& diagnosis);

} // namespace kx::doctor
