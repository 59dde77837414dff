#pragma once

#include "platform/doctor_sources.h"

namespace kx::doctor {

// The running process's user.
Identity current_identity();

// Examines `path`; asks the system whether this process may open it when `ask_system`.
NodeFacts probe_node(const QString& path, bool ask_system);

} // namespace kx::doctor
