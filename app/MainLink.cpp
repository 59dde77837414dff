// The main window's start-up steps that belong to the pedal link. The link module provides
// them: listing the attached chips (serial numbers appended to menuSerialNumber, the device
// name into lblDeviceName) and filling the line settings with their defaults. Until it is
// wired in, no chip is listed and the defaults live in the link itself.
#include "app/Main.h"

namespace kx {

void TformMain::list_devices() {}

void TformMain::init_line_settings() {}

} // namespace kx
