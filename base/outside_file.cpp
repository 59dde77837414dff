#include "base/outside_file.h"
#include "base/translation.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kx {

namespace {

constexpr char kFolder[] = QT_TRANSLATE_NOOP("Base", "%1: it is a folder, not a file.");
constexpr char kPipe[] = QT_TRANSLATE_NOOP("Base", "%1: it is a pipe, not a file.");
constexpr char kDevice[] = QT_TRANSLATE_NOOP("Base", "%1: it is a device, not a file.");
constexpr char kNotAFile[] = QT_TRANSLATE_NOOP("Base", "%1: it is not a regular file.");
constexpr char kTooLong[] =
    QT_TRANSLATE_NOOP("Base", "%1: it is %2 bytes long, but %3 is at most %4 bytes.");
constexpr char kGrew[] =
    QT_TRANSLATE_NOOP("Base", "%1: it grew while it was read, past the %2 bytes that %3 can have.");
constexpr char kSystem[] = "%1: %2";

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

Error refusal(const char* text, const QString& path) {
    return Error{ui_text("Base", text).arg(shown(path))};
}

} // namespace

QString too_long_text(const QString& path, qint64 size, FileFormat format) {
    return ui_text("Base", kTooLong)
        .arg(shown(path))
        .arg(size)
        .arg(QString::fromLatin1(format.name))
        .arg(format.max_bytes);
}

Result<std::unique_ptr<OutsideFile>> OutsideFile::open(const QString& path, FileFormat format) {
    std::unique_ptr<OutsideFile> file(new OutsideFile(path, format));
    // Resources compiled into the program (":/...") are no pipe or device, and only Qt can open
    // them.
    const bool compiled_in = path.startsWith(u':');
#ifndef Q_OS_WIN
    if (!compiled_in) {
        // Without O_NONBLOCK, opening a pipe waits for a writer that may never come; the type is
        // then checked on what was opened, not on the path, which could change in between.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return Error{QString::fromLatin1(kSystem).arg(shown(path), qt_error_string(errno))};
        struct stat info {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            const mode_t mode = info.st_mode;
            ::close(fd);
            if (S_ISDIR(mode))
                return refusal(kFolder, path);
            if (S_ISFIFO(mode))
                return refusal(kPipe, path);
            if (S_ISCHR(mode) || S_ISBLK(mode))
                return refusal(kDevice, path);
            return refusal(kNotAFile, path);
        }
        file->m_size = info.st_size;
        if (!file->m_file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                               QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return Error{QString::fromLatin1(kSystem).arg(shown(path), file->m_file.errorString())};
        }
    } else
#endif
    {
        // Windows (and the compiled-in store) opens no pipe or device through a path that names
        // a file; the type is checked before opening.
        (void)compiled_in;
        const QFileInfo info(path);
        if (info.isDir())
            return refusal(kFolder, path);
        if (info.exists() && !info.isFile())
            return refusal(kNotAFile, path);
        file->m_file.setFileName(path);
        if (!file->m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return Error{QString::fromLatin1(kSystem).arg(shown(path), file->m_file.errorString())};
        file->m_size = file->m_file.size();
    }
    if (file->m_size > format.max_bytes)
        return Error{too_long_text(path, file->m_size, format)};
    return file;
}

qint64 OutsideFile::read_at(qint64 offset, char* out, qint64 count) {
    if (offset < 0 || count < 0 || !m_file.seek(offset))
        return -1;
    return m_file.read(out, count);
}

QString OutsideFile::read_error() const {
    return QString::fromLatin1(kSystem).arg(shown(m_path), m_file.errorString());
}

Result<QByteArray> OutsideFile::read_all() {
    // Up to one byte past the limit, which tells a file that grew since it was opened.
    const qint64 limit = m_format.max_bytes + 1;
    QByteArray bytes;
    bytes.reserve(std::min(m_size, m_format.max_bytes) + 1);
    if (!m_file.seek(0))
        return Error{read_error()};
    char block[16 * 1024];
    while (bytes.size() < limit) {
        const qint64 n = m_file.read(block, std::min<qint64>(sizeof block, limit - bytes.size()));
        if (n < 0)
            return Error{read_error()};
        if (n == 0)
            break;
        bytes.append(block, n);
    }
    if (bytes.size() > m_format.max_bytes)
        return Error{ui_text("Base", kGrew)
                         .arg(shown(m_path))
                         .arg(m_format.max_bytes)
                         .arg(QString::fromLatin1(m_format.name))};
    return bytes;
}

Status check_outside_file(const QString& path, FileFormat format) {
    // A dangling link or nothing at all is no file to refuse: the reader starts empty.
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return {};
    auto file = OutsideFile::open(path, format);
    if (!file)
        return file.failure();
    return {};
}

Result<QString> set_aside_file(const QString& path) {
    // An older file set aside is kept too: the first free name is taken.
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".unreadable-%1").arg(n);
    // A plain rename moves a pipe, a link or a folder as well as a file, and opens none of them.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        return Error{QString::fromLatin1(kSystem).arg(shown(path), qt_error_string(errno))};
    return aside;
}

Result<QByteArray> read_outside_file(const QString& path, FileFormat format) {
    auto file = OutsideFile::open(path, format);
    if (!file)
        return file.failure();
    return (*file)->read_all();
}

} // namespace kx
