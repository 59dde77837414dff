#pragma once

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

// The kinds of the command line's own errors, as --json names them.
inline constexpr char kKindUsage[] = "usage";
inline constexpr char kKindNoPedal[] = "no_pedal";
inline constexpr char kKindFailed[] = "failed";

// The one place where a core error becomes an exit status and the kind --json names.
int exit_code_of(const Error& error);
QString kind_of(const Error& error);

// Each prints one line on standard error (an object under --json) and returns the exit status.
int report(const Error& error);
int usage_error(const QString& message);
int no_pedal_error(const QString& message);
int failed_error(const QString& message);

} // namespace kx::cli
