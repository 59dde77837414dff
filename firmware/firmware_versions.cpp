#include "firmware/firmware_versions.h"

#include <QCoreApplication>

namespace kx {

QString firmware_change_text(int running, std::optional<quint32> image) {
    if (running <= 0 || !image)
        return {};
    if (quint32(running) == *image)
        return QCoreApplication::translate("FirmwareUpgrade", "The pedal already runs Firmware %1")
            .arg(running);
    return QCoreApplication::translate("FirmwareUpgrade",
                                       "This replaces Firmware %1 with Firmware %2")
        .arg(running)
        .arg(*image);
}

} // namespace kx
