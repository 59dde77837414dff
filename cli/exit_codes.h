#pragma once

#include "base/error_kind.h"
#include "base/result.h"

#include <QString>
#include <QStringList>

namespace kx::cli {

// What scripts read from kestrel-x's exit status.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // the pedal refused, the work failed, or the pedal is in the wrong state
    kExitUsage = 2,   // the command line or a file given on it is wrong; nothing was sent
    kExitNoPedal = 3, // no pedal to talk to
};

// The kind --json names for the command line's own usage errors.
inline constexpr char kKindUsage[] = "usage";

// The one place where a kind of failure becomes an exit status and the kind --json names.
ExitCode exit_code(ErrorKind kind);
QString kind_name(ErrorKind kind);
// Every kind --json may name with `exit` as the exit status, for the man page.
QStringList kind_names(ExitCode exit);
// The sentence a terminal user reads. The kind alone decides: where the shared session words
// a kind for the editor's menus and buttons, this program says it in its own words (the
// session's text goes to the log), and a lost link leads with what to do before the driver's
// words.
QString cli_message(const Error& error);

// Each prints one line on standard error (an object under --json) and returns the exit status.
int report(const Error& error);
// As report(), for a message of this program's own, or one that already says what happened
// and what to run next (the firmware upgrade's): printed as it is.
int report_worded(const Error& error);
int usage_error(const QString& message);
int no_pedal_error(const QString& message);
int failed_error(const QString& message);

} // namespace kx::cli
