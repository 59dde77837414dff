#pragma once

#include "base/error_kind.h"

namespace kx::cli {

// What scripts read from kestrel-x's exit status.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // the pedal refused or the work failed
    kExitUsage = 2,   // the command line or a file given on it is wrong
    kExitNoPedal = 3, // no pedal to talk to
};

// The one place where a kind of failure becomes an exit status.
constexpr ExitCode exit_code(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::LinkLost:
    case ErrorKind::NotConnected:
    case ErrorKind::NoPedal:
        return kExitNoPedal;
    case ErrorKind::BadInput:
        return kExitUsage;
    default:
        return kExitFailed;
    }
}

} // namespace kx::cli
