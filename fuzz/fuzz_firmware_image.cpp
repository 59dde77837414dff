// Firmware images come from files and from the pedal's flash. The input is a 32-bit
// little-endian offset followed by the image: firmware_word must refuse every offset whose word
// is not wholly inside, whatever its size, and the version field must be read only from bytes
// that are there. The whole input is also a file offered to the upgrade: one taken must fit the
// flash, start with a stack address in RAM, and carry its version.

#include "fuzz/fuzz_check.h"
#include "library/firmware_image.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray whole =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)kx::firmware_version_of(whole);
    if (kx::check_firmware_image(QStringLiteral("fuzz"), whole)) {
        KX_FUZZ_CHECK(size > 0 && qsizetype(size) <= kx::kMaxFirmwareImageBytes);
        const quint32 stack = *kx::firmware_word(whole, 0);
        KX_FUZZ_CHECK(stack > kx::kRamBase && stack <= kx::kRamBase + kx::kRamSize);
        KX_FUZZ_CHECK(kx::firmware_version_of(whole).has_value());
    }
    if (size < 4)
        return 0;

    const quint32 raw_offset =
        quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
    const int offset = int(qint32(raw_offset));
    const QByteArray image =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 4, qsizetype(size - 4));
    const std::optional<quint32> word = kx::firmware_word(image, offset);
    const bool inside = offset >= 0 && qint64(offset) + 4 <= qint64(image.size());
    KX_FUZZ_CHECK(word.has_value() == inside);
    if (word) {
        const quint32 expected =
            quint32(quint8(image[offset])) | quint32(quint8(image[offset + 1])) << 8 |
            quint32(quint8(image[offset + 2])) << 16 | quint32(quint8(image[offset + 3])) << 24;
        KX_FUZZ_CHECK(*word == expected);
    }
    (void)kx::firmware_version_of(image);
    return 0;
}
