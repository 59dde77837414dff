#include "base/save_file.h"

#include <QSaveFile>

namespace kx {

Status save_file_atomically(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a write the disk cuts short is seen here: a buffered QSaveFile
    // flushes at commit and would put the truncated file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Error{file.errorString()};
    for (qint64 at = 0; at < bytes.size();) {
        // After a short write, the next one fails with the system's reason.
        const qint64 written = file.write(bytes.constData() + at, bytes.size() - at);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return Error{reason};
        }
        at += written;
    }
    if (!file.commit())
        return Error{file.errorString()};
    return {};
}

} // namespace kx
