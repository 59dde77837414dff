// The impulse responses the editor keeps: the WAV file with its notes, read back to the same
// image bytes, and the folder of last imports (newest first, a number per table, a damaged
// file set aside and told once).
#include "ir_fixtures.h"

#include "base/log.h"
#include "ir/ir_import.h"
#include "ir/ir_response.h"
#include "ir/kept_imports.h"
#include "ir/response_import.h"
#include "ir/wav_chunks.h"
#include "library/resource_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;
using namespace ir_fixtures;

namespace {

const QString kBasic = QStringLiteral("Basic IR Loader");

struct Import {
    ResourceStore store;
    MemoryLog log;
    Result<IrImport> run(const QByteArray& bytes, const QString& effect, const IrTools& tools) {
        MemorySource source(bytes);
        return import_ir({QStringLiteral("cab.wav"), source, effect, tools}, store, log,
                         [](const QString&) { return true; });
    }
};

IrResponse made(const QString& effect, const QDateTime& when,
                const QString& source = QStringLiteral("cab.wav")) {
    Import import;
    const auto result = import.run(read(kCanonical), effect, {});
    return response_of_import(result.value(), effect, source, {}, when);
}

QString words_of(const QList<qint32>& values) {
    QString text;
    for (qint32 v : values)
        text += QString::number(quint32(v), 16).toUpper().rightJustified(8, QLatin1Char('0'));
    return text;
}

QStringList names_in(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestIrResponse : public QObject {
    Q_OBJECT
private slots:
    void kept_response_gives_the_same_image_data();
    void kept_response_gives_the_same_image();
    void notes_read_back_data();
    void notes_read_back();
    void a_plain_wav_file_is_a_response_too();
    void kept_imports_by_table_newest_first();
    void damaged_kept_import_is_told_once_and_set_aside();
};

void TestIrResponse::kept_response_gives_the_same_image_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<bool>("tools");
    QTest::newRow("24-bit, tools off") << kCanonical << kBasic << false;
    QTest::newRow("24-bit, every tool") << kCanonical << "Halcyon + IR Loader" << true;
    QTest::newRow("32-bit: the lowest byte was dropped") << "pcm32-mono-48k.wav" << kBasic << false;
    QTest::newRow("44.1 kHz, resampled") << "pcm16-mono-44k1.wav"
                                         << "IR Loader + EQ" << true;
}

// The response written for an import, imported again with the tools off, makes the same image.
void TestIrResponse::kept_response_gives_the_same_image() {
    QFETCH(QString, fixture);
    QFETCH(QString, effect);
    QFETCH(bool, tools);
    IrTools used;
    if (tools) {
        used.trim = true;
        used.normalise_db = -3.0;
        used.fade_ms = 4.0;
    }
    Import import;
    const auto first = import.run(read(fixture), effect, used);
    QVERIFY2(first.ok(), qPrintable(first.error()));
    const QDateTime when = QDateTime(QDate(2026, 12, 11), QTime(12, 0), Qt::UTC);
    const IrResponse response = response_of_import(*first, effect, fixture, used, when);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("My Preset.wav"));
    QVERIFY(write_ir_response_file(path, response).ok());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto chunks = read_wav_chunks(bytes);
    QVERIFY(chunks.ok());
    QCOMPARE(int(chunks->channels), 1);
    QCOMPARE(int(chunks->sample_rate), 48000);
    QCOMPARE(int(chunks->bits_per_sample), 24);

    const auto read_back = read_ir_response(bytes);
    QVERIFY2(read_back.ok(), qPrintable(read_back.error()));
    QCOMPARE(read_back->samples, first->coefficients);
    QVERIFY(read_back->described);
    QCOMPARE(read_back->notes.effect_name, effect);
    QCOMPARE(read_back->notes.source_name, fixture);
    QCOMPARE(read_back->notes.imported, when);
    QCOMPARE(read_back->notes.tools, used);
    QCOMPARE(read_back->notes.summary, first->summary.split(QStringLiteral("\r\n")));

    MemoryLog log;
    const auto again = import_response_file(path, effect, import.store, log, [](const QString&) {
        QTest::qFail("a kept response is at the pedal's rate: nothing to ask", __FILE__, __LINE__);
        return false;
    });
    QVERIFY2(again.ok(), qPrintable(again.error()));
    QCOMPARE(again->import.image, first->image);
    QCOMPARE(again->response.notes.source_name, fixture);
}

void TestIrResponse::notes_read_back_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("described");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<double>("level"); // 1: none
    QTest::addColumn<double>("fade");
    const QString title = QStringLiteral("Kestrel X impulse response\n");
    QTest::newRow("not ours") << "recorded in a hall\nfile: x.wav" << false << "" << false << 1.0
                              << 0.0;
    QTest::newRow("all fields") << title + "file: a.wav\ntrim: on\nnormalise: -2.5 dB\nfade: 3.0 ms"
                                << true << "a.wav" << true << -2.5 << 3.0;
    QTest::newRow("CR LF, blanks, unknown keys")
        << title + "file:  b c.wav \r\nowner: me\r\ntrim: off\r\n"
        << true << "b c.wav" << false << 1.0 << 0.0;
    QTest::newRow("numbers out of range are kept in range")
        << title + "normalise: 12 dB\nfade: 900 ms" << true << "" << false << 0.0 << 20.0;
    QTest::newRow("numbers that are not")
        << title + "normalise: loud dB\nfade: nan ms\nfade" << true << "" << false << 1.0 << 0.0;
}

void TestIrResponse::notes_read_back() {
    QFETCH(QString, text);
    QFETCH(bool, described);
    QFETCH(QString, source);
    QFETCH(bool, trim);
    QFETCH(double, level);
    QFETCH(double, fade);
    bool ours = !described;
    const IrResponseNotes notes = parse_response_notes(text, &ours);
    QCOMPARE(ours, described);
    QCOMPARE(notes.source_name, source);
    QCOMPARE(notes.tools.trim, trim);
    QCOMPARE(notes.tools.normalise_db.value_or(1.0), level);
    QCOMPARE(notes.tools.fade_ms, fade);
}

// Any WAV file beside a preset is its response: taken as an import takes it.
void TestIrResponse::a_plain_wav_file_is_a_response_too() {
    const auto response = read_ir_response(read(kCanonical));
    QVERIFY2(response.ok(), qPrintable(response.error()));
    QVERIFY(!response->described);
    QCOMPARE(response->samples.size(), kCanonicalFrames);
    QCOMPARE(words_of(response->samples.first(912)), canonical_words(912));
    QCOMPARE(response_misfit(*response, kBasic), QString());
    QCOMPARE(response_misfit(*read_ir_response(canonical_prefix(911)), kBasic),
             QStringLiteral("it holds 911 samples, Basic IR Loader needs 912"));
    QVERIFY(!read_ir_response(QByteArray("RIFF....WAVEnothing")).ok());
}

void TestIrResponse::kept_imports_by_table_newest_first() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Impulse Responses"));
    const QDateTime start(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < kKeptImportsPerTable + 2; ++i) {
        const auto kept = keep_import(
            folder, made(kBasic, start.addSecs(60 * i), QStringLiteral("cab %1.wav").arg(i)));
        QVERIFY2(kept.ok(), qPrintable(kept.error()));
    }
    QVERIFY(keep_import(folder, made(QStringLiteral("IR Loader + EQ"), start)).ok());

    const KeptImports basic = kept_imports(folder, kBasic);
    QVERIFY(basic.problems.isEmpty());
    QCOMPARE(basic.imports.size(), kKeptImportsPerTable);
    QCOMPARE(basic.imports.first().response.notes.source_name,
             QStringLiteral("cab %1.wav").arg(kKeptImportsPerTable + 1));
    QCOMPARE(basic.imports.last().response.notes.source_name, QStringLiteral("cab 2.wav"));
    QCOMPARE(names_in(folder).size(), kKeptImportsPerTable + 1);
    // "IR Loader + EQ" has the table of the row "IR Loader 1".
    QCOMPARE(kept_imports(folder, QStringLiteral("IR Loader 1")).imports.size(), 1);
    QCOMPARE(kept_imports(folder, QStringLiteral("Fenwick + IR Loader")).imports.size(), 0);
}

void TestIrResponse::damaged_kept_import_is_told_once_and_set_aside() {
    QTemporaryDir dir;
    const QString folder = dir.path();
    QVERIFY(keep_import(folder, made(kBasic, QDateTime::currentDateTimeUtc())).ok());
    QFile damaged(dir.filePath(QStringLiteral("damaged.wav")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(read(kCanonical).left(30));
    damaged.close();
    QFile short_one(dir.filePath(QStringLiteral("short.wav")));
    QVERIFY(short_one.open(QIODevice::WriteOnly));
    IrResponse cut = made(kBasic, QDateTime::currentDateTimeUtc());
    cut.samples.resize(100);
    short_one.write(response_wav_bytes(cut).value());
    short_one.close();

    const KeptImports first = kept_imports(folder, kBasic);
    QCOMPARE(first.imports.size(), 1);
    QCOMPARE(first.problems.size(), 2);
    QVERIFY2(first.problems.join('\n').contains(QLatin1String("damaged.wav: ")),
             qPrintable(first.problems.join('\n')));
    QVERIFY2(first.problems.join('\n').contains(
                 QLatin1String("short.wav: it holds 100 samples, Basic IR Loader needs 912")),
             qPrintable(first.problems.join('\n')));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("damaged.wav.unreadable"))));
    const KeptImports second = kept_imports(folder, kBasic);
    QCOMPARE(second.imports.size(), 1);
    QVERIFY(second.problems.isEmpty());
}

QTEST_MAIN(TestIrResponse)
#include "tst_ir_response.moc"
