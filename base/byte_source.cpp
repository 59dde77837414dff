#include "base/byte_source.h"

#include <algorithm>
#include <cstring>

namespace kx {

QByteArray ByteSource::bytes_at(qint64 offset, qint64 count) {
    const qint64 available = std::clamp<qint64>(size() - offset, 0, std::max<qint64>(count, 0));
    QByteArray bytes(available, Qt::Uninitialized);
    qint64 got = 0;
    while (got < available) {
        const qint64 n = read_at(offset + got, bytes.data() + got, available - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

qint64 MemorySource::read_at(qint64 offset, char* out, qint64 count) {
    if (offset < 0 || count < 0)
        return -1;
    const qint64 n = std::clamp<qint64>(m_bytes.size() - offset, 0, count);
    if (n > 0)
        std::memcpy(out, m_bytes.data() + offset, size_t(n));
    return n;
}

} // namespace kx
