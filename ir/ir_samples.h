#pragma once

#include "base/result.h"
#include "ir/ir_tools.h"
#include "ir/wav_reader.h"

#include <QList>

#include <optional>

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
    // What the tools did: samples trimmed from the start (at the rate loaded), the gain of the
    // normalisation in dB (none when off or silent), samples faded out before the cut.
    qsizetype trimmed = 0;
    std::optional<double> gain_db;
    int faded = 0;
    // The file's frame that the loaded part starts at.
    qsizetype source_offset = 0;
    // The start of the first channel at the rate loaded, up to twice word_count, full scale
    // 1.0, for the picture; its first samples are the loaded ones as converted.
    QList<double> shown;
};

// Input samples resampled beyond those the start needs: many times the resampling filter's
// reach, so the cut end does not touch the start.
inline constexpr qsizetype kResampleMargin = 8192;

// The file's frames that resampling `word_count` samples and the picture's as many again needs,
// with the margin, for a rate `ratio` times the pedal's.
qsizetype resample_input_frames(int word_count, double ratio);

// The frames of a file at `sample_rate_hz` that read_wav() must keep for load_ir_samples() to
// take `word_count` samples, whether it resamples or not; with `trim`, the silence it may skip
// as well.
qsizetype frames_to_keep(int word_count, int sample_rate_hz, bool trim = false);

// Takes the first channel's first `word_count` samples, resampled to the pedal's rate first
// when `resample` is true. Integer samples keep their bits: a 24-bit sample is its coefficient
// exactly, a 32-bit one its top 24 bits, a 16-bit one the top 16 bits of the coefficient.
// Float samples, and resampled ones, are rounded to 24 bits and clamped to full scale.
// `tools` then shape them: a trim moves the start past the silence, and normalising or fading
// makes every sample a rounded 24-bit value. With the tools off the samples stay exact.
// `wav` must hold frames_to_keep() frames of its start (or all it has).
Result<IrSamples> load_ir_samples(const WavFile& wav, int word_count, bool resample,
                                  const IrTools& tools = {});

} // namespace kx
