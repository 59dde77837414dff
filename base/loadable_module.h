#pragma once

#include "base/result.h"

#include <QString>

namespace kx {

// A function of one of the program's loadable modules: the parts that bring in a library the
// first window does not need (the network, the serial ports), so that it stays out of the start.
// The module is looked for beside the program (the build folder), then in the program's module
// folder once installed; it stays loaded for the rest of the run. Each module is tried once: a
// second call answers as the first did. The error names what failed to load and why.
Result<void*> resolve_module_function(const char* module, const char* function);

} // namespace kx
