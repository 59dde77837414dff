#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

// How the editor reaches the pedal, chosen on the command line. The pedal link builds its
// drivers from this: the in-process virtual pedal and/or serial ports given by path.
struct LinkOptions {
    bool virtual_pedal = false;
    QStringList ports;
};

struct CommandLine {
    LinkOptions link;
    bool show_help = false;
    bool show_version = false;
    // Print the connection doctor's report and exit: 0 when a pedal is ready to connect.
    bool diagnose = false;
};

// Text printed for --help and after a wrong option.
QString usage_text(const QString& program);

// Text printed for --version: the program's name and version.
QString version_text();

// Prints the connection doctor's report for the ports and pedal of `link` on standard output;
// returns the exit status: 0 when a pedal is ready to connect, 1 otherwise.
int print_diagnosis(const LinkOptions& link);

// Parses the arguments after the program name. A wrong argument fails with a message naming
// it (BadInput). --help and --version win over wrong arguments, so that they answer whatever
// else the line holds.
Result<CommandLine> parse_command_line(const QStringList& arguments);

} // namespace kx
