#pragma once

#include "base/byte_source.h"
#include "base/result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace kx {

// What a file is meant to hold, for the refusal of one that cannot be it: `name` completes
// "... but %1 is at most N bytes" ("a preset"), and `max_bytes` is the most the format can
// take.
struct FileFormat {
    const char* name;
    qint64 max_bytes;
};

// A file from outside the editor (chosen by the user, named on the command line, or found in
// the settings folder), open for reading. Opening never blocks and refuses anything that is
// not a regular file (a folder, a pipe, a device) and any file longer than its format can be,
// so that nothing hangs on a pipe or reads a device without end. Every refusal names the file
// ("PATH: it is a folder, not a file."); callers put their own prefix before it.
class OutsideFile final : public ByteSource {
public:
    static Result<std::unique_ptr<OutsideFile>> open(const QString& path, FileFormat format);

    qint64 size() const override { return m_size; }
    qint64 read_at(qint64 offset, char* out, qint64 count) override;

    // The whole file, refused when it has grown past its format's limit since it was opened.
    Result<QByteArray> read_all();
    // The refusal of a read that failed part way: the path and the system's reason.
    QString read_error() const;

private:
    OutsideFile(const QString& path, FileFormat format) : m_path(path), m_format(format) {}

    QString m_path;
    FileFormat m_format;
    QFile m_file;
    qint64 m_size = 0;
};

// The system's own small text files that the connection doctor reads (/proc, /sys, /etc).
inline constexpr FileFormat kSystemFileFormat{"a system file", 1024 * 1024};

// OutsideFile::open(path, format), then read_all().
Result<QByteArray> read_outside_file(const QString& path, FileFormat format);

// Whether `path` may be opened by a reader that does not guard itself (QSettings): a regular
// file within `format`'s size, checked without a blocking open. A missing file passes.
Status check_outside_file(const QString& path, FileFormat format);

// Moves an unusable file of the editor's own out of the way, to "<path>.unreadable" (or
// "<path>.unreadable-2", ... when that is taken), so that the next write makes a fresh file and
// nothing of the old one is lost. Returns the new path.
Result<QString> set_aside_file(const QString& path);

// The refusal of a file of `size` bytes that is longer than `format` can be.
QString too_long_text(const QString& path, qint64 size, FileFormat format);

} // namespace kx
