#pragma once

// Files that are not what a reader expects: each would hang a plain open() (a pipe with no
// writer), never end (a device), fail late (a folder) or fill the memory (a huge file) if read
// naively. Every reader of outside files is tested with each of them.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace hostile_files {

// Each kind with the words its refusal uses.
struct Kind {
    const char* name;
    const char* refusal;
};
inline constexpr Kind kKinds[] = {
    {"pipe", "it is a pipe, not a file"},
    {"link to /dev/zero", "it is a device, not a file"},
    {"folder", "it is a folder, not a file"},
    {"1 GB sparse file", " bytes long"},
};

// Adds a row per kind, named "<prefix><kind>", with columns "kind" and "refusal".
inline void add_rows(const char* prefix = "") {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    for (const Kind& kind : kKinds)
        QTest::addRow("%s%s", prefix, kind.name)
            << QString::fromLatin1(kind.name) << QString::fromLatin1(kind.refusal);
}

// Puts a file of `kind` at `path` (whatever was there is removed first).
inline bool make(const QString& kind, const QString& path) {
    QFile::remove(path);
    QDir(path).removeRecursively();
    const QByteArray native = QFile::encodeName(path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(native.constData(), 0600) == 0;
    if (kind == QLatin1String("link to /dev/zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    QFile file(path);
    // The size is set, not written: the file takes no room on disk and reads as zeros.
    return file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 30);
}

// The most memory the process has held so far, in bytes.
inline qint64 peak_memory_bytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// A reader that keeps what it reads to its format's size stays far below this; one that reads
// a device or a huge file whole goes far past it.
inline constexpr qint64 kMemoryBound = 64 * 1024 * 1024;

} // namespace hostile_files
