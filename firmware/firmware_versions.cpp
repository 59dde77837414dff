#include "firmware/firmware_versions.h"

#include "base/translation.h"

namespace kx {

QString firmware_change_text(int running, std::optional<quint32> image) {
    if (running <= 0 || !image)
        return {};
    if (quint32(running) == *image)
        return ui_text("Firmware", "The pedal already runs Firmware %1").arg(running);
    return ui_text("Firmware", "This replaces Firmware %1 with Firmware %2")
        .arg(running)
        .arg(*image);
}

} // namespace kx
