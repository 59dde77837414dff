#pragma once

#include "base/result.h"
#include "ir/ir_targets.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace kx {

// Hex characters of one coefficient word.
inline constexpr int kCoefficientWordChars = 8;

// A coefficient word holds a 24-bit two's-complement sample sign-extended to 32 bits, written
// as 8 upper-case hex digits, most significant byte first (FF800000 to 007FFFFF).
//
// `sample_text` holds samples as a WAV file stores them, least significant byte first:
//   24 bits: b0 b1 b2     -> word  s b2 b1 b0
//   32 bits: b0 b1 b2 b3  -> word  s b3 b2 b1   (the lowest byte is dropped: rounds down)
// where s is FF when the top sample byte is 0x80 or more, else 00. Returns the first
// `word_count` words as one text, or why not: another bit count, too few samples, or a
// character that is not hexadecimal.
Result<QString> convert_ir_samples(QStringView sample_text, int bits_per_sample, int word_count);

// The sample text of `samples` with `bits_per_sample` 24 (values -2^23 .. 2^23-1) or 32
// (any value), least significant byte first.
QString ir_sample_text(const QList<qint32>& samples, int bits_per_sample);

// The value of a coefficient word, sign included.
qint32 coefficient_value(QStringView word);

// A copy of `image_text` whose coefficient table is `words` (8 characters each, word_count of
// them); everything else, the length included, stays. Refuses an image too short to hold the
// table.
Result<QString> patch_ir_image(const QString& image_text, const IrTarget& target,
                               const QString& words);

} // namespace kx
