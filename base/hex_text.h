#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kx {

// Binary data travels through the editor as upper-case hexadecimal text, two characters a
// byte, high nibble first; it becomes bytes only when it is sent.

// The value of one hexadecimal digit of either letter case, or -1.
int hex_nibble(QChar c);

// Converts at most `max_bytes` character pairs of `hex` into `out`. Both letter cases are
// accepted; the conversion stops at the first pair that is not hexadecimal (or at a lone last
// character). Returns the number of bytes written.
qsizetype hex_to_bytes(QStringView hex, char* out, qsizetype max_bytes);

// Upper-case hexadecimal text of `bytes`.
QString bytes_to_hex(QByteArrayView bytes);

// The bytes that `hex` encodes, up to its first pair that is not hexadecimal.
QByteArray hex_to_byte_array(QStringView hex);

} // namespace kx
