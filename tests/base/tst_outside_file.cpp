// The one way files from outside are read: anything that is not a regular file, or is longer
// than its format can be, is refused at once, naming the file, without blocking or filling the
// memory.
#include "support/hostile_files.h"

#include "base/outside_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <unistd.h>

using namespace kx;

namespace {

constexpr FileFormat kSmall{"a small thing", 100};

QString write_file(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

} // namespace

class TestOutsideFile : public QObject {
    Q_OBJECT
private slots:
    void hostile_files_are_refused_data();
    void hostile_files_are_refused();
    void regular_files_are_read_data();
    void regular_files_are_read();
    void parts_are_read_where_asked();
};

void TestOutsideFile::hostile_files_are_refused_data() {
    hostile_files::add_rows();
}

// Opened in a thread of its own, so that a reader that blocks on the pipe fails the test
// instead of hanging it.
void TestOutsideFile::hostile_files_are_refused() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("outside"));
    QVERIFY(hostile_files::make(kind, path));
    const qint64 memory_before = hostile_files::peak_memory_bytes();

    auto reading =
        std::async(std::launch::async, [&path] { return read_outside_file(path, kSmall); });
    if (reading.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        // A writer lets a blocked open() of the pipe return.
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        QFAIL("the file was not refused within a second");
    }
    const Result<QByteArray> read = reading.get();
    QVERIFY(!read.ok());
    QVERIFY2(read.error().startsWith(path + QStringLiteral(": ")), qPrintable(read.error()));
    QVERIFY2(read.error().contains(refusal), qPrintable(read.error()));
    if (kind.contains(QLatin1String("sparse")))
        QVERIFY2(read.error().contains(QLatin1String("a small thing is at most 100 bytes")),
                 qPrintable(read.error()));
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);
}

void TestOutsideFile::regular_files_are_read_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: read whole
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("short") << QByteArray("YES") << "";
    QTest::newRow("at the limit") << QByteArray(100, 'x') << "";
    QTest::newRow("one byte over")
        << QByteArray(101, 'x') << "it is 101 bytes long, but a small thing is at most 100 bytes.";
}

void TestOutsideFile::regular_files_are_read() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = write_file(dir, QStringLiteral("regular.txt"), bytes);
    QVERIFY(!path.isEmpty());
    const auto read = read_outside_file(path, kSmall);
    if (refusal.isEmpty()) {
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(*read, bytes);
    } else {
        QVERIFY(!read.ok());
        QCOMPARE(read.error(), path + QStringLiteral(": ") + refusal);
    }
    const auto missing = read_outside_file(dir.filePath(QStringLiteral("none")), kSmall);
    QVERIFY(!missing.ok());
    QVERIFY2(missing.error().startsWith(dir.filePath(QStringLiteral("none: "))),
             qPrintable(missing.error()));
}

// What a streaming reader sees: the size, and any part of the file, read where it is.
void TestOutsideFile::parts_are_read_where_asked() {
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 7);
    const QString path = write_file(dir, QStringLiteral("big.bin"), bytes);
    auto file = OutsideFile::open(path, FileFormat{"a big thing", 1 << 20});
    QVERIFY2(file.ok(), qPrintable(file.error()));
    ByteSource& source = **file;
    QCOMPARE(source.size(), bytes.size());
    QCOMPARE(source.bytes_at(65000, 100), bytes.mid(65000, 100));
    QCOMPARE(source.bytes_at(3, 5), bytes.mid(3, 5));
    QCOMPARE(source.bytes_at(69990, 100), bytes.mid(69990));
    QCOMPARE(source.bytes_at(80000, 10), QByteArray());
    QCOMPARE(*(*file)->read_all(), bytes);
}

QTEST_GUILESS_MAIN(TestOutsideFile)
#include "tst_outside_file.moc"
