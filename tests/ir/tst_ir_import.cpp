// The import from a file's bytes to the new image: its log lines in order, the question about
// the rate, the summary, the refusals and the share of energy loaded.
#include "ir_fixtures.h"

#include "base/log.h"
#include "ir/ir_import.h"
#include "ir/ir_targets.h"
#include "library/resource_store.h"

#include <QTest>

using namespace kx;
using namespace ir_fixtures;

namespace {

struct Import {
    ResourceStore store;
    MemoryLog log;
    QStringList questions;
    bool answer = true;

    Result<IrImport> run(const QString& effect, const QByteArray& bytes,
                         const QString& name = QStringLiteral("ir.wav")) {
        MemorySource source(bytes);
        return import_ir({name, source, effect}, store, log, [this](const QString& question) {
            questions << question;
            return answer;
        });
    }
    QString image(const QString& effect) const {
        return store.read_file_from_stream(format_resource_name(effect))->value(0);
    }
};

QString crlf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestIrImport : public QObject {
    Q_OBJECT
private slots:
    void log_lines_in_order();
    void junk_chunk_changes_only_the_subchunk_line();
    void exact_count_works_one_less_is_refused_data();
    void exact_count_works_one_less_is_refused();
    void refusal_keeps_the_lines_written_so_far();
    void other_rate_asks_to_resample_data();
    void other_rate_asks_to_resample();
    void stereo_summary_says_which_channel();
    void large_file_log_lines_are_shortened();
    void energy_share_data();
    void energy_share();
};

void TestIrImport::log_lines_in_order() {
    Import import;
    const QByteArray bytes = read(kCanonical);
    const auto result = import.run("Basic IR Loader", bytes, kCanonical);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    const QString words = canonical_words(912);
    QStringList expected{
        QString::number(bytes.size()),
        bytes_to_hex(bytes),
        "ID: RIFF",
        "chunk size: 3036",
        "Subchunk ID: fmt ",
        "Subchink size: 16",
        "Audio format: 1",
        "Num_of_channels: 1",
        "Sample_Rate: 48000",
        "Byte_Rate: 144000",
        "Block align: 3",
        "Bits_per_sample: 24",
        "subchunk2size: 3000",
        "Audio data: " + bytes_to_hex(bytes.mid(44)),
        "irdata: " + bytes_to_hex(bytes.mid(44, 3 * 912)),
    };
    for (int i = 0; i < 912; ++i)
        expected << words.mid(8 * i, 8);
    expected << "irdata swapped endianess: " + words;
    const QString resource = import.image("Basic IR Loader");
    const QString image = resource.left(460) + words + resource.mid(7756);
    expected << image;
    QCOMPARE(import.log.lines, expected);

    QCOMPARE(result->image, image);
    QCOMPARE(result->summary,
             crlf({"Selected file data:", "Name: " + kCanonical, "Size: 3044 bytes",
                   "Sample rate: 48000", "Bits per sample: 24"}));
    QVERIFY(import.questions.isEmpty());
    QCOMPARE(result->picture.loaded_count, 912);
    QCOMPARE(result->picture.file_start.size(), kCanonicalFrames);
    QCOMPARE(result->picture.response_db.size(), result->picture.frequencies_hz.size());
}

// The other chunk is skipped by its size: the same fields and coefficients.
void TestIrImport::junk_chunk_changes_only_the_subchunk_line() {
    Import plain;
    Import junk;
    const auto a = plain.run("Fenwick + IR Loader", read(kCanonical));
    const auto b = junk.run("Fenwick + IR Loader", read("junk-before-fmt.wav"));
    QVERIFY(a.ok() && b.ok());
    QCOMPARE(b->image, a->image);
    QCOMPARE(junk.log.lines.size(), plain.log.lines.size());
    for (qsizetype i = 2; i < plain.log.lines.size(); ++i) {
        if (plain.log.lines[i].startsWith(QLatin1String("chunk size: ")))
            continue; // the file is longer by the JUNK chunk
        const QString expected = plain.log.lines[i] == QLatin1String("Subchunk ID: fmt ")
                                     ? QStringLiteral("Subchunk ID: JUNK")
                                     : plain.log.lines[i];
        QCOMPARE(junk.log.lines[i], expected);
    }
}

void TestIrImport::exact_count_works_one_less_is_refused_data() {
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("frames");
    QTest::addColumn<bool>("works");
    for (const char* effect :
         {"Fenwick + IR Loader", "Halcyon + IR Loader", "Basic IR Loader", "IR Loader + EQ"}) {
        const int n = ir_target_for(effect)->word_count;
        QTest::addRow("%s, %d", effect, n) << effect << n << true;
        QTest::addRow("%s, %d", effect, n - 1) << effect << n - 1 << false;
    }
}

void TestIrImport::exact_count_works_one_less_is_refused() {
    QFETCH(QString, effect);
    QFETCH(int, frames);
    QFETCH(bool, works);
    Import import;
    const auto result = import.run(effect, canonical_prefix(frames));
    QCOMPARE(result.ok(), works);
    if (works) {
        QCOMPARE(result->image.size(), import.image(effect).size());
        return;
    }
    const QString expected = QStringLiteral("The file holds %1 samples, but %2 needs %3.")
                                 .arg(frames)
                                 .arg(effect)
                                 .arg(frames + 1);
    QVERIFY2(result.error().startsWith(expected), qPrintable(result.error()));
}

// A refused file has logged up to its refusal and nothing after.
void TestIrImport::refusal_keeps_the_lines_written_so_far() {
    Import truncated;
    QVERIFY(!truncated.run("Basic IR Loader", read("truncated.wav")).ok());
    QCOMPARE(truncated.log.lines.size(), 2); // length and hex text: then the header failed

    Import short_file;
    const auto result = short_file.run("Basic IR Loader", read("short-700-samples.wav"));
    QVERIFY(result.error().contains(QLatin1String("holds 700 samples")));
    QVERIFY(short_file.log.lines.last().startsWith(QLatin1String("Audio data: ")));
}

void TestIrImport::other_rate_asks_to_resample_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("note");
    QTest::newRow("yes") << true << "Resampled from 44100 Hz to 48000 Hz";
    QTest::newRow("no") << false << "Not resampled: the pedal plays these samples at 48000 Hz";
}

void TestIrImport::other_rate_asks_to_resample() {
    QFETCH(bool, answer);
    QFETCH(QString, note);
    Import import;
    import.answer = answer;
    const auto result = import.run("Basic IR Loader", read("relabelled-44100.wav"), "r.wav");
    QVERIFY2(result.ok(), qPrintable(result.error()));
    const QString file_lines = crlf({"Selected file data:", "Name: r.wav", "Size: 3044 bytes",
                                     "Sample rate: 44100", "Bits per sample: 24"});
    QCOMPARE(import.questions.size(), 1);
    QCOMPARE(import.questions[0],
             file_lines + "\r\n\r\nThe pedal plays impulse responses at 48000 Hz, this file is "
                          "sampled at 44100 Hz. Resample it to 48000 Hz first?");
    QCOMPARE(result->summary, file_lines + "\r\n" + note);
    const QString canonical_image = import.image("Basic IR Loader").left(460) +
                                    canonical_words(912) +
                                    import.image("Basic IR Loader").mid(7756);
    QCOMPARE(result->image == canonical_image, !answer);
}

void TestIrImport::stereo_summary_says_which_channel() {
    Import import;
    const auto result = import.run("Halcyon + IR Loader", read("float32-stereo-48k.wav"));
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QVERIFY2(result->summary.endsWith(
                 QLatin1String("Bits per sample: 32\r\nChannels: 2 (the first channel is loaded)")),
             qPrintable(result->summary));
}

// A 40,000-sample file is 240,000 hex characters: its two long lines are cut to the limit.
void TestIrImport::large_file_log_lines_are_shortened() {
    QList<qint32> samples;
    for (int i = 0; i < 40000; ++i)
        samples << (i * 7919) % 65536 - 32768;
    const QByteArray bytes = wav_24(samples);
    Import import;
    const auto result = import.run("Basic IR Loader", bytes);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    int shortened = 0;
    for (const QString& line : import.log.lines) {
        QVERIFY(line.size() <= kMaxLogLineChars);
        shortened += line.endsWith(QLatin1String("more characters not shown]")) ? 1 : 0;
    }
    QCOMPARE(shortened, 2);
    QVERIFY(import.log.lines[1].startsWith(bytes_to_hex(bytes.left(1000))));
}

void TestIrImport::energy_share_data() {
    QTest::addColumn<QList<qint32>>("samples");
    QTest::addColumn<QString>("line");
    const QString loaded = QStringLiteral("The loaded 703 samples (14.6 ms at 48 kHz) ");
    QTest::newRow("all of it") << QList<qint32>(703, 1000)
                               << loaded + "hold 100.0 % of the file's energy.";
    QTest::newRow("half of it") << QList<qint32>(1406, -1000)
                                << loaded + "hold 50.0 % of the file's energy.";
    QList<qint32> tail(703, 0);
    tail << QList<qint32>(703, 1000);
    QTest::newRow("none of it") << tail << loaded + "hold 0.0 % of the file's energy.";
    QTest::newRow("silent") << QList<qint32>(800, 0) << loaded + "are silent, like the whole file.";
}

void TestIrImport::energy_share() {
    QFETCH(QList<qint32>, samples);
    QFETCH(QString, line);
    Import import;
    const auto result = import.run("Fenwick + IR Loader", wav_24(samples));
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(result->energy_line, line);
}

QTEST_GUILESS_MAIN(TestIrImport)
#include "tst_ir_import.moc"
