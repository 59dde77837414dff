#pragma once

#include "base/error_kind.h"
#include "base/result.h"

#include <QString>

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

// The one place where a kind of failure becomes an exit status, the kind --json names, and
// the sentence a terminal user reads where the core's words are the editor's window's.
ExitCode exit_code(ErrorKind kind);
QString kind_name(ErrorKind kind);
QString cli_message(const Error& error);

// Each prints one line on standard error (an object under --json) and returns the exit status.
int report(const Error& error);
int usage_error(const QString& message);
int no_pedal_error(const QString& message);
int failed_error(const QString& message);

} // namespace kx::cli
