#pragma once

#include "base/result.h"
#include "base/translation.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kx {

// The pedal's microcontroller: 128 KiB of flash at 0x08000000 and 20 KiB of RAM at 0x20000000.
// A firmware image is written from the start of flash, so it begins with the Cortex-M vector
// table (initial stack pointer, then the reset and exception handlers).
inline constexpr quint32 kFlashBase = 0x08000000;
inline constexpr quint32 kFlashSize = 128 * 1024;
inline constexpr quint32 kRamBase = 0x20000000;
inline constexpr quint32 kRamSize = 20 * 1024;
// The last page of flash holds the firmware record, so an image must end below it.
inline constexpr quint32 kFirmwareRecordPageBytes = 1024;
inline constexpr qsizetype kMaxFirmwareImageBytes = kFlashSize - kFirmwareRecordPageBytes;

// Past the vector table every firmware image carries "KXFW" and then its version number, a
// 32-bit little-endian value; the pedal reports that number as its firmware version.
inline constexpr int kFirmwareVersionOffset = 0x140;
inline constexpr char kFirmwareVersionMagic[] = "KXFW";
inline constexpr int kFirmwareVersionMagicSize = 4;

// The version field of a firmware image or of the pedal's flash contents (both start at the
// flash base); std::nullopt when the bytes are too short or do not carry the magic.
std::optional<quint32> firmware_version_of(const QByteArray& flash_or_image);

// The 32-bit little-endian word at a byte offset, std::nullopt past the end.
std::optional<quint32> firmware_word(const QByteArray& image, int offset);

inline constexpr char kMessageNotFirmware[] = QT_TRANSLATE_NOOP(
    "Library",
    "Choose a firmware file made for the Kestrel X: %1 is not one (%2), so nothing was sent.");

// Refuses bytes that cannot be a firmware image for the pedal's chip: empty, too large for the
// flash below the record, a first word that is no stack address in its RAM, a reset handler
// that is not Thumb code inside the image, or no version mark. `name` names it in the message
// (ErrorKind::BadInput).
Status check_firmware_image(const QString& name, const QByteArray& bytes);

} // namespace kx
