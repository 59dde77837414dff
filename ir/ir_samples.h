#pragma once

#include "base/result.h"
#include "ir/wav_reader.h"

#include <QList>

namespace kx {

// The samples of a file that become coefficients, in the form convert_ir_samples() reads.
struct IrSamples {
    // The first word_count samples (fewer when the file is shorter): 32-bit integer files keep
    // their samples whole, so that the conversion drops the lowest byte; everything else is
    // already 24 bits (-2^23 .. 2^23-1).
    QList<qint32> values;
    int bits = 24;
    // Samples of the first channel at the rate loaded (the pedal plays them at 48 kHz).
    qsizetype available = 0;
    // The file's own frames that the loaded samples come from.
    qsizetype source_frames = 0;
    // Loaded samples that were beyond full scale and were clamped to it.
    int clipped = 0;
    bool resampled = false;
    // The start of the first channel at the rate loaded, up to twice word_count, full scale
    // 1.0, for the picture; its first samples are the loaded ones as converted.
    QList<double> shown;
};

// Takes the first channel's first `word_count` samples, resampled to the pedal's rate first
// when `resample` is true. Integer samples keep their bits: a 24-bit sample is its coefficient
// exactly, a 32-bit one its top 24 bits, a 16-bit one the top 16 bits of the coefficient.
// Float samples, and resampled ones, are rounded to 24 bits and clamped to full scale.
Result<IrSamples> load_ir_samples(const WavFile& wav, int word_count, bool resample);

} // namespace kx
