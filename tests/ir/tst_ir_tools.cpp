// The tools before the cut (trim, normalise, fade): the coefficient words they give, computed
// here from the samples written into small WAV files, what the summary and the picture say,
// and that with the tools off every file still gives exactly the words it always did.
#include "ir_fixtures.h"

#include "base/log.h"
#include "ir/ir_import.h"
#include "ir/ir_targets.h"
#include "library/resource_store.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace kx;
using namespace ir_fixtures;

namespace {

const QString kEffect = QStringLiteral("Fenwick + IR Loader");
constexpr int kWords = 703;
constexpr double kMax24 = 8388607.0;

// Silence, a lead-in too quiet to count, then a response whose peak is 2^21 at its 11th
// sample; 300 samples more than the table needs after the lead-in.
constexpr int kSilence = 100;
const QList<qint32> kQuiet{5, -7, 3};
constexpr qint32 kPeak = 1 << 21;

QList<qint32> response_body() {
    QList<qint32> body;
    for (int i = 0; i < kWords + 300; ++i)
        body << qint32((i * 7919) % 4001 - 2000) * 1000;
    body[10] = kPeak;
    return body;
}

QList<qint32> fixture_samples() {
    return QList<qint32>(kSilence, 0) + kQuiet + response_body();
}

// A coefficient word written out here, independently of the import's conversion.
QString word(qint32 value) {
    return QString::number(quint32(value), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

QString words(const QList<qint32>& values) {
    QString text;
    for (qint32 v : values)
        text += word(v);
    return text;
}

// What the level and the fade do to 24-bit samples, written from their description: every
// sample scaled by the gain that brings the peak to `level_db` of the largest word (NaN: no
// gain), the last `fade_length` by half a cosine that reaches 0, then rounded once.
QList<qint32> shaped(const QList<qint32>& samples, double level_db, int fade_length) {
    double scale = 1.0;
    if (!std::isnan(level_db)) {
        qint32 peak = 0;
        for (qint32 v : samples)
            peak = std::max(peak, std::abs(v));
        scale = std::pow(10.0, level_db / 20.0) * kMax24 / peak;
    }
    QList<qint32> out;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const qsizetype k = i - (samples.size() - fade_length);
        const double fade =
            k >= 0 ? 0.5 * (1.0 + std::cos(std::numbers::pi * double(k + 1) / fade_length)) : 1.0;
        out << qint32(std::nearbyint(samples[i] * scale * fade));
    }
    return out;
}

struct Import {
    ResourceStore store;
    MemoryLog log;

    Result<IrImport> run(const QByteArray& bytes, const IrTools& tools,
                         const QString& effect = kEffect) {
        MemorySource source(bytes);
        return import_ir({QStringLiteral("ir.wav"), source, effect, tools}, store, log,
                         [](const QString&) { return false; });
    }
    QString table(const QString& image, const QString& effect = kEffect) const {
        const IrTarget target = *ir_target_for(effect);
        return image.mid(target.head_chars(), 8 * target.word_count);
    }
};

} // namespace

class TestIrTools : public QObject {
    Q_OBJECT
private slots:
    void tools_give_the_expected_words_data();
    void tools_give_the_expected_words();
    void tools_off_stay_exact_data();
    void tools_off_stay_exact();
    void silent_file_is_neither_trimmed_nor_normalised();
};

void TestIrTools::tools_give_the_expected_words_data() {
    QTest::addColumn<bool>("trim");
    QTest::addColumn<double>("level_db"); // NaN: not normalised
    QTest::addColumn<double>("fade_ms");  // 0: no fade
    QTest::addColumn<QList<qint32>>("expected");
    QTest::addColumn<QStringList>("summary"); // lines the summary holds

    const QList<qint32> all = fixture_samples();
    const QList<qint32> body = response_body().first(kWords);
    const double off = std::nan("");
    QTest::newRow("trim: starts at the first sample above -60 dB of the peak")
        << true << off << 0.0 << body
        << QStringList{"Trimmed 103 samples (2.1 ms) of silence before the first peak"};
    QTest::newRow("normalise to -6 dB: the peak reaches that level, the rest scales with it")
        << false << -6.0 << 0.0 << shaped(all.first(kWords), -6.0, 0)
        << QStringList{"Normalised to a peak of -6.0 dB (gain +6.0 dB)"};
    QTest::newRow("normalise to 0 dB: the peak is the largest word, nothing clips")
        << true << 0.0 << 0.0 << shaped(body, 0.0, 0)
        << QStringList{"Normalised to a peak of 0.0 dB (gain +12.0 dB)"};
    QTest::newRow("fade 2 ms: the last 96 samples fall to silence at the cut")
        << true << off << 2.0 << shaped(body, off, 96)
        << QStringList{"Faded out over the last 2.0 ms (96 samples)"};
    QTest::newRow("all three, in order: trim, then level, then fade")
        << true << -1.0 << 5.0 << shaped(body, -1.0, 240)
        << QStringList{"Trimmed 103 samples (2.1 ms) of silence before the first peak",
                       "Normalised to a peak of -1.0 dB (gain +11.0 dB)",
                       "Faded out over the last 5.0 ms (240 samples)"};
}

void TestIrTools::tools_give_the_expected_words() {
    QFETCH(bool, trim);
    QFETCH(double, level_db);
    QFETCH(double, fade_ms);
    QFETCH(QList<qint32>, expected);
    QFETCH(QStringList, summary);
    IrTools tools;
    tools.trim = trim;
    if (!std::isnan(level_db))
        tools.normalise_db = level_db;
    tools.fade_ms = fade_ms;

    Import import;
    const auto result = import.run(wav_24(fixture_samples()), tools);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(import.table(result->image), words(expected));
    QCOMPARE(result->coefficients, expected);
    const QStringList lines = result->summary.split(QStringLiteral("\r\n"));
    for (const QString& line : summary)
        QVERIFY2(lines.contains(line), qPrintable(result->summary));
    QVERIFY2(!result->summary.contains(QLatin1String("Clipped")), qPrintable(result->summary));
    // The picture shows the result: its loaded part is the words.
    QCOMPARE(result->picture.loaded_count, kWords);
    for (int i : {0, 10, kWords - 2, kWords - 1})
        QCOMPARE(result->picture.file_start.at(i), expected.at(i) / 8388608.0);
}

void TestIrTools::tools_off_stay_exact_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("bits");
    QTest::newRow("24-bit, Basic IR Loader") << kCanonical << "Basic IR Loader" << 24;
    QTest::newRow("24-bit, Fenwick + IR Loader") << kCanonical << "Fenwick + IR Loader" << 24;
    QTest::newRow("32-bit: the lowest byte dropped") << "pcm32-mono-48k.wav"
                                                     << "Basic IR Loader" << 32;
}

// The words as the fixed-offset reading of the 44-byte header gives them, as before the tools.
void TestIrTools::tools_off_stay_exact() {
    QFETCH(QString, fixture);
    QFETCH(QString, effect);
    QFETCH(int, bits);
    const QByteArray bytes = read(fixture);
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    const int n = ir_target_for(effect)->word_count;
    const QString expected = convert_ir_samples(bytes_to_hex(bytes.mid(44)), bits, n).value();
    Import import;
    const auto result = import.run(bytes, IrTools{}, effect);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(import.table(result->image, effect), expected);
    for (const char* tool : {"Trimmed", "Normalised", "Faded", "Not trimmed"})
        QVERIFY2(!result->summary.contains(QLatin1String(tool)), qPrintable(result->summary));
}

void TestIrTools::silent_file_is_neither_trimmed_nor_normalised() {
    IrTools tools;
    tools.trim = true;
    tools.normalise_db = -1.0;
    Import import;
    const auto result = import.run(wav_24(QList<qint32>(kWords, 0)), tools);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(import.table(result->image), words(QList<qint32>(kWords, 0)));
    QVERIFY2(result->summary.contains(QLatin1String("Not trimmed")), qPrintable(result->summary));
    QVERIFY2(result->summary.contains(QLatin1String("Not normalised")),
             qPrintable(result->summary));
}

QTEST_MAIN(TestIrTools)
#include "tst_ir_tools.moc"
