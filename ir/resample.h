#pragma once

#include "base/result.h"

#include <QList>

namespace kx {

// The rate at which the pedal's signal processor runs, and so plays every coefficient table.
inline constexpr int kPedalSampleRate_hz = 48000;

// Rates that resample_samples() takes: every rate audio files use, and none so far from the
// pedal's that a short file would become millions of samples.
inline constexpr int kMinResampleRate_hz = 8000;
inline constexpr int kMaxResampleRate_hz = 768000;
bool can_resample(int rate_hz);

// How many samples `frames` become at another rate.
qsizetype resampled_length(qsizetype frames, double from_hz, double to_hz);

// The samples at `to_hz`, band-limited by libsoxr's high-quality linear-phase filter with its
// delay removed, so that sample 0 stays the start. The level is kept as it is: a gain for the
// change of rate would push the usual full-scale files past full scale.
Result<QList<double>> resample_samples(const QList<double>& samples, double from_hz, double to_hz);

} // namespace kx
