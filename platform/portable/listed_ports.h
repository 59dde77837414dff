#pragma once

#include "platform/platform.h"

namespace kx::platform {

// Every serial port QSerialPortInfo lists. It asks the system about each port, which can take
// a while: not for the window thread to do often.
QList<ListedPort> listed_ports();

} // namespace kx::platform
