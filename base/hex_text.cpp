#include "base/hex_text.h"

namespace kx {

int hex_nibble(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

qsizetype hex_to_bytes(QStringView hex, char* out, qsizetype max_bytes) {
    qsizetype n = 0;
    while (n < max_bytes && 2 * n + 1 < hex.size()) {
        const int high = hex_nibble(hex[2 * n]);
        const int low = hex_nibble(hex[2 * n + 1]);
        if (high < 0 || low < 0)
            break;
        out[n++] = static_cast<char>((high << 4) | low);
    }
    return n;
}

QString bytes_to_hex(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex().toUpper());
}

QByteArray hex_to_byte_array(QStringView hex) {
    QByteArray bytes(hex.size() / 2, Qt::Uninitialized);
    bytes.resize(hex_to_bytes(hex, bytes.data(), bytes.size()));
    return bytes;
}

} // namespace kx
