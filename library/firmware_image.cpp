#include "library/firmware_image.h"

namespace kx {

std::optional<quint32> firmware_word(const QByteArray& image, int offset) {
    // Subtracting from the size cannot overflow, as adding to an offset near INT_MAX would.
    if (offset < 0 || image.size() - offset < 4)
        return std::nullopt;
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(image.at(offset + i));
    return value;
}

std::optional<quint32> firmware_version_of(const QByteArray& flash_or_image) {
    const QByteArray magic = flash_or_image.mid(kFirmwareVersionOffset, kFirmwareVersionMagicSize);
    if (magic != QByteArray(kFirmwareVersionMagic, kFirmwareVersionMagicSize))
        return std::nullopt;
    return firmware_word(flash_or_image, kFirmwareVersionOffset + kFirmwareVersionMagicSize);
}

} // namespace kx
