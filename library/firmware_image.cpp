#include "library/firmware_image.h"
#include "base/translation.h"

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

namespace {

// The vector table's first two words, then the version mark and number.
constexpr int kResetVectorOffset = 4;
constexpr int kSmallestImage = kFirmwareVersionOffset + kFirmwareVersionMagicSize + 4;

Error not_firmware(const QString& name, const QString& why) {
    return Error{ui_text("Library", kMessageNotFirmware).arg(name, why), ErrorKind::BadInput};
}

QString hex_text(quint32 value, int digits) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, u'0');
}

} // namespace

Status check_firmware_image(const QString& name, const QByteArray& bytes) {
    const qsizetype size = bytes.size();
    if (size == 0)
        return not_firmware(name, ui_text("Library", "it is empty"));
    if (size > kMaxFirmwareImageBytes)
        return not_firmware(name, ui_text("Library", "its %1 bytes are more than the %2 that fit "
                                                     "in the pedal's flash")
                                      .arg(size)
                                      .arg(kMaxFirmwareImageBytes));
    if (size < kSmallestImage)
        return not_firmware(name, ui_text("Library", "its %1 bytes are too few for a vector table "
                                                     "and a version mark")
                                      .arg(size));
    // The core loads its stack pointer from the first word: a full descending stack starts at
    // most at the top of RAM, word-aligned.
    const quint32 stack = *firmware_word(bytes, 0);
    if (stack <= kRamBase || stack > kRamBase + kRamSize || stack % 4 != 0)
        return not_firmware(
            name, ui_text("Library", "it starts with %1, not a stack address in the pedal's RAM")
                      .arg(hex_text(stack, 8)));
    // The reset handler runs first: an even address would fault (no Thumb bit), and one past
    // the image's end runs erased flash.
    const quint32 reset = *firmware_word(bytes, kResetVectorOffset);
    const quint32 reset_code = reset & ~1u;
    if (reset % 2 == 0 || reset_code < kFlashBase || reset_code - kFlashBase >= quint32(size))
        return not_firmware(
            name, ui_text("Library", "its reset address %1 is not Thumb code inside the image")
                      .arg(hex_text(reset, 8)));
    if (!firmware_version_of(bytes))
        return not_firmware(name, ui_text("Library", "it lacks the %1 mark at %2")
                                      .arg(QLatin1String(kFirmwareVersionMagic),
                                           hex_text(kFirmwareVersionOffset, 3)));
    return {};
}

} // namespace kx
