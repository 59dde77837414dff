#include "ir/ir_coefficients.h"

#include "base/hex_text.h"
#include "base/translation.h"

namespace kx {

namespace {

constexpr char kMessageBits[] = QT_TRANSLATE_NOOP(
    "Ir", "Samples of %1 bits cannot become coefficients: only 24 and 32 bits can.");
constexpr char kMessageSamplesEnd[] =
    QT_TRANSLATE_NOOP("Ir", "The samples end after %1 of the %2 coefficients the effect needs.");
constexpr char kMessageNotHex[] =
    QT_TRANSLATE_NOOP("Ir", "The sample text is damaged at character %1.");
constexpr char kMessageImageShort[] = QT_TRANSLATE_NOOP(
    "Ir", "The effect image has %1 characters, too few to hold %2 coefficients from byte %3.");
constexpr char kMessageWordCount[] =
    QT_TRANSLATE_NOOP("Ir", "%1 coefficient characters do not make the %2 words of the table.");

} // namespace

Result<QString> convert_ir_samples(QStringView sample_text, int bits_per_sample, int word_count) {
    if (bits_per_sample != 24 && bits_per_sample != 32)
        return Error{ui_text("Ir", kMessageBits).arg(bits_per_sample)};
    const int bytes = bits_per_sample / 8;
    const qsizetype needed = qsizetype(word_count) * 2 * bytes;
    if (sample_text.size() < needed)
        return Error{ui_text("Ir", kMessageSamplesEnd)
                         .arg(sample_text.size() / (2 * bytes))
                         .arg(word_count)};
    for (qsizetype i = 0; i < needed; ++i)
        if (hex_nibble(sample_text[i]) < 0)
            return Error{ui_text("Ir", kMessageNotHex).arg(i + 1)};

    QString words;
    words.reserve(qsizetype(word_count) * kCoefficientWordChars);
    for (int i = 0; i < word_count; ++i) {
        const QStringView sample = sample_text.mid(qsizetype(i) * 2 * bytes, 2 * bytes);
        // The three most significant bytes, most significant first.
        const QStringView b3_or_b2 = sample.mid(2 * (bytes - 1), 2);
        const bool negative = hex_nibble(b3_or_b2[0]) >= 8;
        words += negative ? QLatin1String("FF") : QLatin1String("00");
        for (int b = bytes - 1; b >= bytes - 3; --b)
            words += sample.mid(2 * b, 2).toString().toUpper();
    }
    return words;
}

QString ir_sample_text(const QList<qint32>& samples, int bits_per_sample) {
    const int bytes = bits_per_sample / 8;
    QByteArray raw;
    raw.reserve(samples.size() * bytes);
    for (qint32 sample : samples)
        for (int b = 0; b < bytes; ++b)
            raw += char(quint32(sample) >> (8 * b));
    return bytes_to_hex(raw);
}

qint32 coefficient_value(QStringView word) {
    quint32 value = 0;
    for (QChar c : word.first(kCoefficientWordChars))
        value = value << 4 | quint32(hex_nibble(c) & 0xF);
    return qint32(value);
}

Result<QString> patch_ir_image(const QString& image_text, const IrTarget& target,
                               const QString& words) {
    if (words.size() != qsizetype(target.word_count) * kCoefficientWordChars)
        return Error{ui_text("Ir", kMessageWordCount).arg(words.size()).arg(target.word_count)};
    if (image_text.size() < target.rest_from())
        return Error{ui_text("Ir", kMessageImageShort)
                         .arg(image_text.size())
                         .arg(target.word_count)
                         .arg(target.first_byte)};
    return image_text.left(target.head_chars()) + words + image_text.mid(target.rest_from());
}

} // namespace kx
