#pragma once

#include <QList>

namespace kx {

// `count` frequencies from `from_hz` to `to_hz`, evenly spaced on a logarithmic axis.
QList<double> log_spaced_frequencies(double from_hz, double to_hz, int count);

// The magnitude response in dB of the filter whose taps are `taps` (full scale 1.0) at
// `sample_rate_hz`, at each frequency, by a direct transform. A gain of zero gives
// kSilence_dB.
QList<double> magnitude_response_db(const QList<double>& taps, double sample_rate_hz,
                                    const QList<double>& frequencies_hz);
inline constexpr double kSilence_dB = -200.0;

// Sum of the squares of the samples.
double energy(const QList<double>& samples, qsizetype from = 0, qsizetype count = -1);

} // namespace kx
