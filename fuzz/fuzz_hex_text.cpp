// Hexadecimal text carries images and link data. The conversion takes the longest prefix of
// whole hexadecimal pairs, writes no more than it is allowed, and gives back what bytes_to_hex
// wrote.

#include "base/hex_text.h"
#include "fuzz/fuzz_check.h"
#include "library/effect_image.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    // Any bytes survive the trip through their text.
    const QString hex = kx::bytes_to_hex(raw);
    KX_FUZZ_CHECK(hex.size() == 2 * raw.size());
    KX_FUZZ_CHECK(kx::hex_to_byte_array(hex) == raw);

    // Any text, read as the link reads it.
    for (const QString& text : {QString::fromLatin1(raw), QString::fromUtf8(raw)}) {
        const QByteArray bytes = kx::hex_to_byte_array(text);
        KX_FUZZ_CHECK(bytes.size() <= text.size() / 2);
        const QString prefix = text.left(2 * bytes.size());
        KX_FUZZ_CHECK(kx::bytes_to_hex(bytes) == prefix.toUpper());
        // The pair after the prefix, if whole, is not hexadecimal.
        if (text.size() >= 2 * bytes.size() + 2) {
            KX_FUZZ_CHECK(kx::hex_nibble(text[2 * bytes.size()]) < 0 ||
                          kx::hex_nibble(text[2 * bytes.size() + 1]) < 0);
        }

        // A buffer of exactly the allowed size: writing past it is an overflow.
        const qsizetype limit = size == 0 ? 0 : qsizetype(data[0] % 40);
        std::vector<char> buffer(static_cast<size_t>(limit));
        const qsizetype written = kx::hex_to_bytes(text, buffer.data(), limit);
        KX_FUZZ_CHECK(written == qMin(limit, bytes.size()));
        KX_FUZZ_CHECK(QByteArray(buffer.data(), written) == bytes.left(written));

        const kx::Result<QByteArray> strict = kx::parse_image_text(text);
        KX_FUZZ_CHECK(strict.ok() == strict.error().isEmpty());
        if (strict) {
            KX_FUZZ_CHECK(text.size() % 2 == 0);
            KX_FUZZ_CHECK(*strict == bytes && bytes.size() == text.size() / 2);
        }
    }
    return 0;
}
