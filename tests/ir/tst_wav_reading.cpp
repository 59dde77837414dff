// Real WAV files, made by sox and by hand: the coefficients they give, the header the import
// reports, the files it refuses and the resampling to 48 kHz.
#include "ir_fixtures.h"

#include "ir/ir_coefficients.h"
#include "ir/ir_samples.h"
#include "ir/ir_targets.h"
#include "ir/wav_reader.h"

#include <QTest>

#include <bit>
#include <cmath>

using namespace kx;
using namespace ir_fixtures;

namespace {

const QStringList kIrEffects{"Fenwick + IR Loader", "Halcyon + IR Loader", "Basic IR Loader",
                             "IR Loader + EQ"};

// Frames to keep for a test that wants every one of a small file.
constexpr qsizetype kAllFrames = qsizetype(1) << 24;

// The coefficient words a file gives for `count` words, or the error.
Result<QString> words_of(const QByteArray& file, int count, bool resample = false) {
    const auto wav = read_wav(file, kAllFrames);
    if (!wav)
        return wav.failure();
    const auto samples = load_ir_samples(*wav, count, resample);
    if (!samples)
        return samples.failure();
    return convert_ir_samples(ir_sample_text(samples->values, samples->bits), samples->bits, count);
}

QList<qint32> values_of(const QString& words) {
    QList<qint32> values;
    for (qsizetype i = 0; i + 8 <= words.size(); i += 8)
        values << coefficient_value(QStringView(words).mid(i, 8));
    return values;
}

} // namespace

class TestWavReading : public QObject {
    Q_OBJECT
private slots:
    void same_samples_same_coefficients_data();
    void same_samples_same_coefficients();
    void sixteen_bits_fill_the_top_of_the_word();
    void header_as_the_file_has_it_data();
    void header_as_the_file_has_it();
    void refused_files_data();
    void refused_files();
    void resampled_to_48k_data();
    void resampled_to_48k();
    void other_rate_kept_as_it_is();
    void float_beyond_full_scale_is_clamped();
    void unknown_sizes_read_to_the_end_data();
    void unknown_sizes_read_to_the_end();
    void only_the_start_is_kept();
    void wrong_riff_size_reads_the_chunks_it_has_data();
    void wrong_riff_size_reads_the_chunks_it_has();
};

void TestWavReading::same_samples_same_coefficients_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("effect");
    const QStringList files{kCanonical,
                            "junk-before-fmt.wav",
                            "list-and-long-fmt.wav",
                            "bext-and-cue.wav",
                            "extensible-24bit-mono-48k.wav",
                            "pcm32-mono-48k.wav",
                            "float32-stereo-48k.wav"};
    for (const QString& file : files)
        for (const QString& effect : kIrEffects)
            QTest::addRow("%s, %s", qPrintable(file), qPrintable(effect)) << file << effect;
}

// Whatever chunks surround them and whatever their format, the canonical samples give the
// canonical coefficients: 32-bit integers by their top 24 bits, floats scaled, a stereo file by
// its first channel.
void TestWavReading::same_samples_same_coefficients() {
    QFETCH(QString, file);
    QFETCH(QString, effect);
    const int count = ir_target_for(effect)->word_count;
    const auto words = words_of(read(file), count);
    QVERIFY2(words.ok(), qPrintable(words.error()));
    QCOMPARE(*words, canonical_words(count));
}

// sox rounds the 24-bit samples to 16 bits; they fill the top 16 bits of each word.
void TestWavReading::sixteen_bits_fill_the_top_of_the_word() {
    const auto words = words_of(read("pcm16-mono-48k.wav"), 912);
    QVERIFY2(words.ok(), qPrintable(words.error()));
    const QList<qint32> got = values_of(*words);
    const QList<qint32> canonical = values_of(canonical_words(912));
    for (int i = 0; i < 912; ++i) {
        QVERIFY2((got[i] & 0xFF) == 0, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(got[i] - canonical[i]) <= 128, qPrintable(QString::number(i)));
    }
}

void TestWavReading::header_as_the_file_has_it_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("first_chunk");
    QTest::addColumn<int>("fmt_size");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("data_size");
    QTest::newRow("canonical") << kCanonical << QByteArray("fmt ") << 16 << 1 << 1 << 48000 << 24
                               << 3000;
    QTest::newRow("JUNK first") << "junk-before-fmt.wav" << QByteArray("JUNK") << 16 << 1 << 1
                                << 48000 << 24 << 3000;
    QTest::newRow("bext first") << "bext-and-cue.wav" << QByteArray("bext") << 16 << 1 << 1 << 48000
                                << 24 << 3000;
    QTest::newRow("18-byte fmt, LIST")
        << "list-and-long-fmt.wav" << QByteArray("fmt ") << 18 << 1 << 1 << 48000 << 24 << 3000;
    QTest::newRow("extensible") << "extensible-24bit-mono-48k.wav" << QByteArray("fmt ") << 40
                                << 0xFFFE << 1 << 48000 << 24 << 3000;
    QTest::newRow("float stereo") << "float32-stereo-48k.wav" << QByteArray("fmt ") << 18 << 3 << 2
                                  << 48000 << 32 << 8000;
    QTest::newRow("96 kHz stereo") << "pcm24-stereo-96k.wav" << QByteArray("fmt ") << 40 << 0xFFFE
                                   << 2 << 96000 << 24 << 12000;
}

// The header is read from the file's own "fmt " and "data" chunks, wherever they are.
void TestWavReading::header_as_the_file_has_it() {
    QFETCH(QString, file);
    QFETCH(QByteArray, first_chunk);
    QFETCH(int, fmt_size);
    QFETCH(int, format);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, data_size);
    const QByteArray bytes = read(file);
    const auto wav = read_wav(bytes, kAllFrames);
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    const WavChunks& chunks = wav->chunks;
    QCOMPARE(chunks.riff_id, QByteArray("RIFF"));
    QCOMPARE(qint64(chunks.riff_size), qint64(bytes.size() - 8));
    QCOMPARE(chunks.first_chunk_id, first_chunk);
    QCOMPARE(int(chunks.fmt_size), fmt_size);
    QCOMPARE(int(chunks.audio_format), format);
    QCOMPARE(int(chunks.channels), channels);
    QCOMPARE(int(chunks.sample_rate), rate);
    QCOMPARE(int(chunks.bits_per_sample), bits);
    QCOMPARE(int(chunks.block_align), channels * bits / 8);
    QCOMPARE(int(chunks.byte_rate), rate * channels * bits / 8);
    QCOMPARE(int(chunks.data_size), data_size);
    QCOMPARE(wav->channels, channels);
    QCOMPARE(wav->frames, qint64(data_size / (channels * bits / 8)));
    QCOMPARE(wav->first_channel.size(), wav->frames);
}

void TestWavReading::refused_files_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message_part");
    const QByteArray fmt = chunk("fmt ", fmt_body(1, 1, 48000, 24));
    const QByteArray data = chunk("data", QByteArray(300, '\1'));
    QTest::newRow("truncated") << read("truncated.wav") << "cut short";
    QTest::newRow("AIFF named .wav") << read("aiff-named-wav.wav") << "not a WAV file";
    QTest::newRow("empty") << QByteArray() << "not a WAV file";
    QTest::newRow("text") << QByteArray("RIFF is a container format\n") << "not a WAV file";
    QTest::newRow("RIFF of another type") << QByteArray("RIFF\4\0\0\0AVI ") << "not a WAV file";
    QTest::newRow("no fmt") << riff(data) << "no \"fmt \" chunk";
    QTest::newRow("fmt only in a chunk's bytes")
        << riff(chunk("LIST", "fmt " + fmt) + data) << "no \"fmt \" chunk";
    QTest::newRow("no data") << riff(fmt + chunk("LIST", "data")) << "no \"data\" chunk";
    QTest::newRow("14-byte fmt") << riff(chunk("fmt ", fmt_body(1, 1, 48000, 24).left(14)) + data)
                                 << "has 14 bytes";
    QTest::newRow("data runs past the end") << riff(fmt + data).left(44 + 200) << "cut short";
    QByteArray huge_chunk = riff(chunk("JUNK", "x") + fmt + data);
    huge_chunk[16] = huge_chunk[17] = huge_chunk[18] = huge_chunk[19] = char(0xFF);
    QTest::newRow("chunk size near 4 GiB") << huge_chunk << "\"JUNK\" chunk at byte 12";
    QTest::newRow("no frames") << riff(fmt + chunk("data", {})) << "no samples";
    QTest::newRow("no channels") << riff(chunk("fmt ", fmt_body(1, 0, 48000, 24)) + data)
                                 << "cannot be read";
}

// Refused with a message in words; nothing is read past the end.
void TestWavReading::refused_files() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message_part);
    const auto wav = read_wav(bytes, kAllFrames);
    QVERIFY(!wav.ok());
    QVERIFY2(wav.error().contains(message_part), qPrintable(wav.error()));
}

void TestWavReading::resampled_to_48k_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("44.1 kHz, 16 bits, mono") << "pcm16-mono-44k1.wav";
    QTest::newRow("96 kHz, 24 bits, stereo") << "pcm24-stereo-96k.wav";
}

// sox made these from the canonical file; resampled back to 48 kHz they give the canonical
// coefficients within a small error, the start in place.
void TestWavReading::resampled_to_48k() {
    QFETCH(QString, file);
    const auto wav = read_wav(read(file), kAllFrames);
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    const auto samples = load_ir_samples(*wav, 912, true);
    QVERIFY2(samples.ok(), qPrintable(samples.error()));
    QVERIFY(samples->resampled);
    QCOMPARE(samples->bits, 24);
    QVERIFY(std::abs(samples->available - kCanonicalFrames) <= 1);
    const QList<qint32> canonical = values_of(canonical_words(912));
    double error = 0;
    double signal = 0;
    for (int i = 0; i < 912; ++i) {
        error += std::pow(double(samples->values[i] - canonical[i]), 2);
        signal += std::pow(double(canonical[i]), 2);
    }
    const double error_db = 10 * std::log10(error / signal);
    QVERIFY2(error_db < -60, qPrintable(QString::number(error_db)));
}

// Kept as it is, a file said to be at 44.1 kHz gives its own samples.
void TestWavReading::other_rate_kept_as_it_is() {
    const auto words = words_of(read("relabelled-44100.wav"), 912, false);
    QVERIFY2(words.ok(), qPrintable(words.error()));
    QCOMPARE(*words, canonical_words(912));
    const auto resampled = words_of(read("relabelled-44100.wav"), 912, true);
    QVERIFY(resampled.ok());
    QVERIFY(*resampled != *words);
}

void TestWavReading::float_beyond_full_scale_is_clamped() {
    QByteArray data;
    for (float sample : {1.5f, -2.0f, 0.5f, -0.25f})
        data += le32(std::bit_cast<quint32>(sample));
    const QByteArray file = riff(chunk("fmt ", fmt_body(3, 1, 48000, 32)) + chunk("data", data));
    const auto wav = read_wav(file, kAllFrames);
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    const auto samples = load_ir_samples(*wav, 4, false);
    QCOMPARE(samples->values, (QList<qint32>{0x7FFFFF, -0x800000, 0x400000, -0x200000}));
    QCOMPARE(samples->clipped, 2);
}

void TestWavReading::unknown_sizes_read_to_the_end_data() {
    QTest::addColumn<bool>("unknown_riff");
    QTest::addColumn<bool>("unknown_data");
    QTest::addColumn<int>("cut_bytes");
    QTest::addColumn<QString>("message_part"); // empty: read, with every frame left
    QTest::newRow("RIFF and data unknown") << true << true << 0 << "";
    QTest::newRow("data unknown") << false << true << 0 << "";
    QTest::newRow("RIFF unknown") << true << false << 0 << "";
    QTest::newRow("data unknown, odd end") << true << true << 1 << "";
    QTest::newRow("RIFF unknown, data cut short") << true << false << 30 << "cut short";
    QTest::newRow("RIFF known, cut short") << false << false << 30 << "cut short";
}

// A streaming recorder leaves 0xFFFFFFFF in the sizes it could not fill in: the samples run to
// the end of the file, however long. A declared size that the file does not reach is still a
// file cut short.
void TestWavReading::unknown_sizes_read_to_the_end() {
    QFETCH(bool, unknown_riff);
    QFETCH(bool, unknown_data);
    QFETCH(int, cut_bytes);
    QFETCH(QString, message_part);
    QList<qint32> samples;
    for (int i = 0; i < 1000; ++i)
        samples << (i * 997) % 4000 - 2000;
    QByteArray file = wav_24(samples);
    const qsizetype data_size_at = file.indexOf("data") + 4;
    if (unknown_riff)
        file.replace(4, 4, le32(0xFFFFFFFF));
    if (unknown_data)
        file.replace(data_size_at, 4, le32(0xFFFFFFFF));
    file.chop(cut_bytes);
    const auto wav = read_wav(file, kAllFrames);
    if (!message_part.isEmpty()) {
        QVERIFY(!wav.ok());
        QVERIFY2(wav.error().contains(message_part), qPrintable(wav.error()));
        return;
    }
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    const qint64 frames = (file.size() - data_size_at - 4) / 3;
    QCOMPARE(wav->frames, frames);
    QCOMPARE(wav->chunks.data_bytes, file.size() - data_size_at - 4);
    for (qsizetype i = 0; i < frames; ++i)
        QCOMPARE(std::ldexp(wav->first_channel[i], 23), double(samples[i]));
}

// A long file keeps only the start asked for, while its length and energy count every frame.
void TestWavReading::only_the_start_is_kept() {
    QList<qint32> samples(200000, 1 << 20);
    const auto wav = read_wav(wav_24(samples), frames_to_keep(912, 48000));
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    QCOMPARE(wav->frames, qint64(samples.size()));
    QCOMPARE(wav->first_channel.size(), frames_to_keep(912, 48000));
    QCOMPARE(wav->energy, samples.size() * std::pow(1.0 / 8, 2));
    const auto loaded = load_ir_samples(*wav, 912, false);
    QCOMPARE(loaded->available, qsizetype(samples.size()));
    const auto resampled = load_ir_samples(*wav, 912, true);
    QCOMPARE(resampled->available, qsizetype(samples.size()));
}

void TestWavReading::wrong_riff_size_reads_the_chunks_it_has_data() {
    QTest::addColumn<quint32>("riff_size");
    QTest::newRow("past the end") << quint32(0x7FFFFFF0);
    QTest::newRow("too small for its chunks") << quint32(4);
    QTest::newRow("one byte short") << quint32(0);
}

// The RIFF size is only the writer's word: with "fmt " and "data" whole, every frame is read,
// and a note says what was wrong.
void TestWavReading::wrong_riff_size_reads_the_chunks_it_has() {
    QFETCH(quint32, riff_size);
    QList<qint32> samples;
    for (int i = 0; i < 300; ++i)
        samples << (i * 331) % 5000 - 2500;
    QByteArray file = wav_24(samples);
    file.replace(4, 4, le32(riff_size == 0 ? quint32(file.size() - 8 - 2) : riff_size));
    const auto wav = read_wav(file, kAllFrames);
    QVERIFY2(wav.ok(), qPrintable(wav.error()));
    QCOMPARE(wav->frames, qint64(samples.size()));
    QVERIFY2(wav->chunks.note.contains(QLatin1String("announces")), qPrintable(wav->chunks.note));
}

QTEST_GUILESS_MAIN(TestWavReading)
#include "tst_wav_reading.moc"
