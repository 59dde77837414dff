#include "platform/platform.h"
#include "platform/portable/qt_plug_source.h"

namespace kx::platform {

const char* name() {
    return "portable";
}

bool has_linux_parts() {
    return false;
}

QString latency_control_note() {
    return QStringLiteral("this build has no control of the chip's latency timer; its driver's "
                          "own setting stays");
}

std::unique_ptr<PlugSource> plug_source() {
    return std::make_unique<QtPlugSource>();
}

std::unique_ptr<PlugSource> fallback_plug_source() {
    return std::make_unique<QtPlugSource>();
}

} // namespace kx::platform
