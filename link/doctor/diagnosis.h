#pragma once

#include "link/doctor/doctor_sources.h"

#include <QList>
#include <QString>

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

// Looks at the USB chips, their ports, who may open them and who holds them, the services
// known to take such chips, the ports given by path and the virtual pedal.
Diagnosis diagnose(const DoctorSources& sources);

// The diagnosis as text for a terminal.
QString report_text(const Diagnosis& diagnosis);

} // namespace kx::doctor
