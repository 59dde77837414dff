#include "platform/linux/sysfs_plug_source.h"
#include "platform/linux/udev_plug_source.h"
#include "platform/platform.h"

namespace kx::platform {

const char* name() {
    return "linux";
}

bool has_linux_parts() {
    return true;
}

QString latency_control_note() {
    return {};
}

std::unique_ptr<PlugSource> plug_source() {
    // The library is loaded when watching starts, which falls back on a look once a second
    // should it not load.
    if (UdevPlugSource::daemon_running())
        return std::make_unique<UdevPlugSource>();
    return std::make_unique<SysfsPlugSource>();
}

std::unique_ptr<PlugSource> fallback_plug_source() {
    return std::make_unique<SysfsPlugSource>();
}

} // namespace kx::platform
