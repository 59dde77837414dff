#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace kx {

// Random access to bytes held elsewhere (a file, or memory), so that a reader can take the
// parts it needs instead of the whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual qint64 size() const = 0;
    // Up to `count` bytes from `offset` into `out`: how many were read (fewer at the end), or
    // -1 when reading failed.
    virtual qint64 read_at(qint64 offset, char* out, qint64 count) = 0;

    // Up to `count` bytes from `offset`; fewer at the end or after a failed read.
    QByteArray bytes_at(qint64 offset, qint64 count);
};

// Bytes in memory, which must outlive the source.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(QByteArrayView bytes) : m_bytes(bytes) {}
    qint64 size() const override { return m_bytes.size(); }
    qint64 read_at(qint64 offset, char* out, qint64 count) override;

private:
    QByteArrayView m_bytes;
};

} // namespace kx
