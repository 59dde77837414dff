// The version page's body comes from the network. Whatever it holds, reading it must refuse it
// with a reason, or give the digits and dots it starts with, followed by nothing but white
// space; and the comparison must order that version consistently against others.

#include "fuzz/fuzz_check.h"
#include "library/version_number.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {
int sign(int value) {
    return (value > 0) - (value < 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const kx::Result<QString> version = kx::read_version_body(body);
    if (!version) {
        KX_FUZZ_CHECK(!version.error().isEmpty());
        return 0;
    }
    KX_FUZZ_CHECK(kx::is_version_text(*version));
    KX_FUZZ_CHECK(body.startsWith(version->toLatin1()));
    for (qsizetype i = version->size(); i < body.size(); ++i)
        KX_FUZZ_CHECK(QChar::isSpace(static_cast<unsigned char>(body[i])));

    KX_FUZZ_CHECK(kx::compare_versions(*version, *version) == 0);
    QString digits = *version;
    digits.remove(QLatin1Char('.'));
    KX_FUZZ_CHECK(kx::compare_versions(digits, *version) == 0); // dots count for nothing
    for (const char* other : {"0", "1.0", "1.0.1", "1.10", "99999999999999999999"}) {
        const QString own = QString::fromLatin1(other);
        KX_FUZZ_CHECK(sign(kx::compare_versions(*version, own)) ==
                      -sign(kx::compare_versions(own, *version)));
        KX_FUZZ_CHECK(kx::is_newer_version(*version, own) ==
                      (kx::compare_versions(*version, own) > 0));
    }
    return 0;
}
