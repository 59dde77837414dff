#pragma once

namespace kx::cli {

// What scripts read from kestrel-x's exit status.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // the pedal refused or the work failed
    kExitUsage = 2,   // the command line or a file given on it is wrong
    kExitNoPedal = 3, // no pedal to talk to
};

} // namespace kx::cli
