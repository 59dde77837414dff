#include "firmware/loaded_firmware.h"

#include "base/hex_text.h"
#include "base/translation.h"
#include "firmware/bootloader_frames.h"
#include "library/firmware_image.h"
#include "library/resource_store.h"

namespace kx {

static_assert(kMaxImageBytes == kMaxFirmwareImageBytes,
              "the image checks and the flash layout agree on where the record's page begins");

std::optional<int> firmware_number(const QString& item_text) {
    if (item_text.isEmpty() || !item_text.back().isDigit())
        return std::nullopt;
    const int digit = item_text.back().digitValue();
    return digit >= 0 ? std::optional<int>(digit) : std::nullopt;
}

Result<LoadedFirmware> load_firmware_image(const ResourceStore& store, const QString& item_text) {
    if (item_text.isEmpty())
        return Error{ui_text("Firmware", kMessageNoFirmwareChosen)};
    const std::optional<QByteArray> bytes = store.raw(item_text);
    if (!bytes)
        return Error{ui_text("Library", kErrorLoadingResource) +
                     ResourceStore::missing_text(item_text)};
    if (const Status firmware = check_firmware_image(item_text, *bytes); !firmware)
        return firmware.failure();
    return LoadedFirmware{item_text, firmware_number(item_text).value_or(0), *bytes,
                          bytes_to_hex(*bytes)};
}

Status check_firmware_fits(const LoadedFirmware& image) {
    const qsizetype size = image.bytes.size();
    if (size == 0)
        return Error{ui_text("Firmware", kMessageFirmwareEmpty).arg(image.name)};
    if (size > qsizetype(kMaxChunks) * kChunkBytes)
        return Error{
            ui_text("Firmware", kMessageTooManyChunks).arg(image.name).arg(size).arg(kMaxChunks)};
    if (size > kMaxImageBytes)
        return Error{ui_text("Firmware", kMessageReachesRecord)
                         .arg(image.name)
                         .arg(size)
                         .arg(kMaxImageBytes)};
    if (!firmware_record(image.number))
        return Error{ui_text("Firmware", kMessageNoRecord).arg(image.name).arg(image.number)};
    return {};
}

FirmwareChunks split_into_chunks(const QByteArray& image, const QString& hex) {
    FirmwareChunks chunks;
    chunks.full = int(image.size() / kChunkBytes);
    chunks.last = int(image.size() % kChunkBytes);
    const int count = chunks.full + (chunks.last > 0 ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        chunks.bytes.append(image.mid(qsizetype(i) * kChunkBytes, kChunkBytes));
        chunks.hex.append(hex.mid(qsizetype(i) * 2 * kChunkBytes, 2 * kChunkBytes));
    }
    return chunks;
}

QStringList chunk_log_lines(const FirmwareChunks& chunks) {
    QStringList lines{QString::fromLatin1(kLogNumOfChunks) + QString::number(chunks.full),
                      QString::fromLatin1(kLogNumBytesLastChunk) + QString::number(chunks.last)};
    for (int i = 0; i < chunks.count(); ++i) {
        if (i == chunks.full)
            lines << QString::fromLatin1(kLogNumBytesLastChunk) + QString::number(chunks.last);
        lines << QString::fromLatin1(kLogChunkFromString) + QString::number(i) +
                     QStringLiteral(": ")
              << chunks.hex[i]
              << QStringLiteral("chunk %1 size: %2").arg(i).arg(chunks.bytes[i].size()) << QString()
              << QString();
    }
    return lines;
}

} // namespace kx
