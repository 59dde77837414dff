// The coefficient words, the tables they go to in the four impulse response images, the
// shortening of long log lines and the magnitude response of the picture.
#include "ir/ir_analysis.h"
#include "ir/ir_coefficients.h"
#include "ir/ir_import.h"
#include "ir/ir_targets.h"
#include "library/effect_image.h"
#include "library/resource_store.h"

#include <QTest>

#include <cmath>

using namespace kx;

class TestIrCoefficients : public QObject {
    Q_OBJECT
private slots:
    void words_from_samples_data();
    void words_from_samples();
    void conversion_refusals_data();
    void conversion_refusals();
    void sample_text_round_trip_data();
    void sample_text_round_trip();
    void targets_data();
    void targets();
    void patch_replaces_only_the_table_data();
    void patch_replaces_only_the_table();
    void patch_refuses_a_short_image();
    void long_log_lines_data();
    void long_log_lines();
    void magnitude_response_data();
    void magnitude_response();
};

void TestIrCoefficients::words_from_samples_data() {
    QTest::addColumn<QString>("samples");
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("words");
    QTest::newRow("24: positive") << "563412" << 24 << "00123456";
    QTest::newRow("24: lowest") << "000080" << 24 << "FF800000";
    QTest::newRow("24: highest") << "FFFF7F" << 24 << "007FFFFF";
    QTest::newRow("24: minus one") << "FFFFFF" << 24 << "FFFFFFFF";
    QTest::newRow("32: drops the low byte") << "9A785634" << 32 << "00345678";
    QTest::newRow("32: lowest") << "00000080" << 32 << "FF800000";
    QTest::newRow("32: minus one") << "FFFFFFFF" << 32 << "FFFFFFFF";
    QTest::newRow("32: rounds toward minus infinity") << "FF000080" << 32 << "FF800000";
    QTest::newRow("lower case in, upper case out") << "abcdef" << 24 << "FFEFCDAB";
    QTest::newRow("two samples in file order") << "563412000080" << 24 << "00123456FF800000";
}

void TestIrCoefficients::words_from_samples() {
    QFETCH(QString, samples);
    QFETCH(int, bits);
    QFETCH(QString, words);
    const auto converted = convert_ir_samples(samples, bits, int(words.size() / 8));
    QVERIFY2(converted.ok(), qPrintable(converted.error()));
    QCOMPARE(*converted, words);
    for (qsizetype i = 0; i < words.size(); i += 8)
        QCOMPARE(coefficient_value(QStringView(*converted).mid(i, 8)),
                 qint32(words.mid(i, 8).toUInt(nullptr, 16)));
}

void TestIrCoefficients::conversion_refusals_data() {
    QTest::addColumn<QString>("samples");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message_part");
    QTest::newRow("16 bits") << "3412" << 16 << 1 << "only 24 and 32 bits";
    QTest::newRow("one sample short") << "563412563412" << 24 << 3 << "after 2 of the 3";
    QTest::newRow("a byte short") << "5634125634" << 24 << 2 << "after 1 of the 2";
    QTest::newRow("not hex") << "5634G2" << 24 << 1 << "character 5";
}

void TestIrCoefficients::conversion_refusals() {
    QFETCH(QString, samples);
    QFETCH(int, bits);
    QFETCH(int, count);
    QFETCH(QString, message_part);
    const auto converted = convert_ir_samples(samples, bits, count);
    QVERIFY(!converted.ok());
    QVERIFY2(converted.error().contains(message_part), qPrintable(converted.error()));
}

void TestIrCoefficients::sample_text_round_trip_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<QList<qint32>>("samples");
    QTest::addColumn<QList<qint32>>("coefficients");
    QTest::newRow("24") << 24 << QList<qint32>{0x123456, -0x800000, 0x7FFFFF, -1}
                        << QList<qint32>{0x123456, -0x800000, 0x7FFFFF, -1};
    QTest::newRow("32") << 32 << QList<qint32>{0x12345678, qint32(0x80000000), -1, 0xFF}
                        << QList<qint32>{0x123456, -0x800000, -1, 0};
}

// What the import hands to the conversion gives back the samples' top 24 bits.
void TestIrCoefficients::sample_text_round_trip() {
    QFETCH(int, bits);
    QFETCH(QList<qint32>, samples);
    QFETCH(QList<qint32>, coefficients);
    const QString text = ir_sample_text(samples, bits);
    QCOMPARE(text.size(), samples.size() * bits / 4);
    const QString words = convert_ir_samples(text, bits, int(samples.size())).value();
    for (qsizetype i = 0; i < samples.size(); ++i)
        QCOMPARE(coefficient_value(QStringView(words).mid(8 * i, 8)), coefficients[i]);
}

void TestIrCoefficients::targets_data() {
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("first_byte");
    QTest::addColumn<int>("rest_from");
    QTest::newRow("IR Loader 1") << "IR Loader 1" << 882 << 230 << 7516;
    QTest::newRow("IR Loader + EQ") << "IR Loader + EQ" << 882 << 230 << 7516;
    QTest::newRow("Fenwick") << "Fenwick + IR Loader" << 703 << 362 << 6348;
    QTest::newRow("Halcyon") << "Halcyon + IR Loader" << 703 << 370 << 6364;
    QTest::newRow("Basic") << "Basic IR Loader" << 912 << 230 << 7756;
    QTest::newRow("no table") << "Tape Loom Delay" << 0 << 0 << 0;
    QTest::newRow("names are exact") << "basic ir loader" << 0 << 0 << 0;
}

void TestIrCoefficients::targets() {
    QFETCH(QString, effect);
    QFETCH(int, words);
    QFETCH(int, first_byte);
    QFETCH(int, rest_from);
    const auto target = ir_target_for(effect);
    QCOMPARE(target.has_value(), words > 0);
    if (!target)
        return;
    QCOMPARE(target->word_count, words);
    QCOMPARE(target->first_byte, first_byte);
    QCOMPARE(target->rest_from(), rest_from);
}

void TestIrCoefficients::patch_replaces_only_the_table_data() {
    QTest::addColumn<QString>("effect");
    for (const char* effect :
         {"Fenwick + IR Loader", "Halcyon + IR Loader", "Basic IR Loader", "IR Loader + EQ"})
        QTest::newRow(effect) << effect;
}

// In each shipped image the table is replaced whole, nothing else changes, and the pedal reads
// the coefficients as the parameter words from the table's first word on.
void TestIrCoefficients::patch_replaces_only_the_table() {
    QFETCH(QString, effect);
    const ResourceStore store;
    const QString image = store.read_file_from_stream(format_resource_name(effect))->value(0);
    const IrTarget target = *ir_target_for(effect);
    QList<qint32> samples;
    for (int i = 0; i < target.word_count; ++i)
        samples << (i * 9173) % (1 << 24) - (1 << 23);
    const QString words =
        convert_ir_samples(ir_sample_text(samples, 24), 24, target.word_count).value();

    const auto patched = patch_ir_image(image, target, words);
    QVERIFY2(patched.ok(), qPrintable(patched.error()));
    QCOMPARE(patched->size(), image.size());
    QCOMPARE(patched->left(target.head_chars()), image.left(target.head_chars()));
    QCOMPARE(patched->mid(target.rest_from()), image.mid(target.rest_from()));
    QCOMPARE(patched->mid(target.head_chars(), 8 * target.word_count), words);

    const QByteArray bytes = image_bytes(*patched);
    const auto info = parse_effect_image(bytes);
    QVERIFY2(info.has_value(), qPrintable(validate_effect_image(bytes).join('\n')));
    const int first_word = (target.first_byte - kParameterWordsOffset) / kParameterWordBytes;
    for (int i : {0, 1, target.word_count / 2, target.word_count - 1})
        QCOMPARE(qint32(info->parameter_words[first_word + i]), samples[i]);
}

void TestIrCoefficients::patch_refuses_a_short_image() {
    const IrTarget target = *ir_target_for(QStringLiteral("Basic IR Loader"));
    const QString words(8 * target.word_count, QLatin1Char('0'));
    QVERIFY(!patch_ir_image(QString(target.rest_from() - 1, QLatin1Char('0')), target, words));
    QVERIFY(patch_ir_image(QString(target.rest_from(), QLatin1Char('0')), target, words));
    QVERIFY(!patch_ir_image(QString(target.rest_from(), QLatin1Char('0')), target, words.left(8)));
}

void TestIrCoefficients::long_log_lines_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("fits exactly") << QString() << kMaxLogLineChars / 2 << false;
    QTest::newRow("one byte more") << QString() << kMaxLogLineChars / 2 + 1 << true;
    QTest::newRow("prefix counts")
        << QStringLiteral("Audio data: ") << kMaxLogLineChars / 2 << true;
    QTest::newRow("a large file") << QString() << 3000000 << true;
}

// A line is never longer than the limit, says how much it left out, and the hex line built
// from bytes is the shortened full line.
void TestIrCoefficients::long_log_lines() {
    QFETCH(QString, prefix);
    QFETCH(int, bytes);
    QFETCH(bool, shortened);
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char(i * 7);
    const QString full = prefix + QString::fromLatin1(data.toHex().toUpper());
    const QString line = hex_log_line(prefix, data);
    QVERIFY(line.size() <= kMaxLogLineChars);
    QCOMPARE(line, shorten_log_line(full));
    if (!shortened) {
        QCOMPARE(line, full);
        return;
    }
    const qsizetype note = line.lastIndexOf(QLatin1String(" [... "));
    QVERIFY(note > 0);
    QVERIFY(full.startsWith(line.left(note)));
    QVERIFY2(
        line.endsWith(QStringLiteral(" %1 more characters not shown]").arg(full.size() - note)),
        qPrintable(line.mid(note)));
}

void TestIrCoefficients::magnitude_response_data() {
    QTest::addColumn<QList<double>>("taps");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("expected_db");
    const double half_db = 20 * std::log10(0.5);
    QTest::newRow("impulse, 20 Hz") << QList<double>{1.0} << 20.0 << 0.0;
    QTest::newRow("impulse, 20 kHz") << QList<double>{1.0} << 20000.0 << 0.0;
    QTest::newRow("delayed half impulse") << QList<double>{0, 0, 0, 0.5} << 7000.0 << half_db;
    // Two equal taps: |cos(pi f / fs)|.
    QTest::newRow("average, 12 kHz")
        << QList<double>{0.5, 0.5} << 12000.0 << 20 * std::log10(std::cos(M_PI / 4));
    QTest::newRow("difference, 24 kHz") << QList<double>{0.5, -0.5} << 24000.0 << 0.0;
    QTest::newRow("silence") << QList<double>{0, 0} << 1000.0 << kSilence_dB;
}

void TestIrCoefficients::magnitude_response() {
    QFETCH(QList<double>, taps);
    QFETCH(double, frequency);
    QFETCH(double, expected_db);
    const QList<double> response = magnitude_response_db(taps, 48000, {frequency});
    QCOMPARE(response.size(), 1);
    QVERIFY2(std::abs(response[0] - expected_db) < 1e-6, qPrintable(QString::number(response[0])));

    const QList<double> axis = log_spaced_frequencies(20, 20000, 400);
    QCOMPARE(axis.size(), 400);
    QVERIFY(std::abs(axis.first() - 20) < 1e-9 && std::abs(axis.last() - 20000) < 1e-6);
    QVERIFY(std::abs(axis[200] / axis[199] - axis[1] / axis[0]) < 1e-9);
}

QTEST_GUILESS_MAIN(TestIrCoefficients)
#include "tst_ir_coefficients.moc"
