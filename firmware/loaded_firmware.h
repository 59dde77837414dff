#pragma once

#include "base/outside_file.h"
#include "base/result.h"
#include "base/translation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

class ResourceStore;

inline constexpr char kLogFirmwareNumBytes[] = "Firmware num of bytes: ";
inline constexpr char kLogNumOfChunks[] = "num of chunks: ";
inline constexpr char kLogNumBytesLastChunk[] = "num of bytes last chunk: ";
inline constexpr char kLogChunkFromString[] = "chunk from string ";

inline constexpr char kMessageNoFirmwareChosen[] = QT_TRANSLATE_NOOP(
    "Firmware", "Choose a firmware in the list first. Nothing was sent to the pedal.");
inline constexpr char kMessageFirmwareEmpty[] =
    QT_TRANSLATE_NOOP("Firmware", "The firmware %1 is empty. Nothing was sent.");
inline constexpr char kMessageTooManyChunks[] = QT_TRANSLATE_NOOP(
    "Firmware",
    "The firmware %1 cannot be written: it has %2 bytes, more than %3 chunks of 256 bytes. "
    "Nothing was sent.");
inline constexpr char kMessageReachesRecord[] = QT_TRANSLATE_NOOP(
    "Firmware",
    "The firmware %1 cannot be written: its %2 bytes would reach the firmware record at "
    "0x0801FC00 (at most %3 bytes fit below it). Nothing was sent.");
inline constexpr char kMessageNoRecord[] = QT_TRANSLATE_NOOP(
    "Firmware",
    "The firmware %1 cannot be written: there is no firmware record for number %2. Nothing was "
    "sent.");

// A firmware file read from disk: no image can be longer than the chip's flash (128 KiB);
// check_firmware_fits() then says why one that long still does not fit.
inline constexpr FileFormat kFirmwareFileFormat{"a firmware image", 128 * 1024};

// The firmware image chosen in the firmware window, as the upgrade writes it.
struct LoadedFirmware {
    QString name;   // the list item's text, which is also the resource's name
    int number = 0; // from the name's last character
    QByteArray bytes;
    QString hex; // upper-case, two characters a byte
};

// The firmware number of a list item: its last character as a decimal digit.
std::optional<int> firmware_number(const QString& item_text);

// The raw data resource named by the item, with its hex text. The error is the store's
// "Error loading resource: " text, the no-choice message for an empty name, or why the
// resource is not a firmware image (check_firmware_image).
Result<LoadedFirmware> load_firmware_image(const ResourceStore& store, const QString& item_text);

// Refuses, before anything is sent, an image that is empty, needs more chunks than the upgrade
// holds, would overwrite the record's page, or has no record for its number.
Status check_firmware_fits(const LoadedFirmware& image);

// The image cut into chunks of 256 bytes, the last holding what remains (1 to 256 bytes).
struct FirmwareChunks {
    QList<QByteArray> bytes;
    QStringList hex;
    int full = 0; // size / 256
    int last = 0; // size % 256
    int count() const { return int(bytes.size()); }
};
FirmwareChunks split_into_chunks(const QByteArray& image, const QString& hex);

// What the log shows of a split: the counts, then each chunk's hex text and size.
QStringList chunk_log_lines(const FirmwareChunks& chunks);

} // namespace kx
