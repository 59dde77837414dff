#include "ir/ir_analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {

QList<double> log_spaced_frequencies(double from_hz, double to_hz, int count) {
    QList<double> frequencies;
    if (count <= 0)
        return frequencies;
    if (count == 1)
        return {from_hz};
    const double step = std::log(to_hz / from_hz) / double(count - 1);
    for (int i = 0; i < count; ++i)
        frequencies << from_hz * std::exp(step * i);
    return frequencies;
}

QList<double> magnitude_response_db(const QList<double>& taps, double sample_rate_hz,
                                    const QList<double>& frequencies_hz) {
    QList<double> response;
    response.reserve(frequencies_hz.size());
    for (double f : frequencies_hz) {
        // H(f) = sum h[n] e^{-i w n}, the rotation advanced by a recurrence rather than a
        // sine and cosine per tap; a few hundred taps keep its rounding far below the plot.
        const double w = 2.0 * std::numbers::pi * f / sample_rate_hz;
        const double step_re = std::cos(w);
        const double step_im = -std::sin(w);
        double rot_re = 1.0;
        double rot_im = 0.0;
        double re = 0.0;
        double im = 0.0;
        for (double tap : taps) {
            re += tap * rot_re;
            im += tap * rot_im;
            const double next_re = rot_re * step_re - rot_im * step_im;
            rot_im = rot_re * step_im + rot_im * step_re;
            rot_re = next_re;
        }
        const double magnitude = std::hypot(re, im);
        response << (magnitude > 0.0 ? std::max(20.0 * std::log10(magnitude), kSilence_dB)
                                     : kSilence_dB);
    }
    return response;
}

double energy(const QList<double>& samples, qsizetype from, qsizetype count) {
    const qsizetype begin = std::clamp<qsizetype>(from, 0, samples.size());
    const qsizetype end =
        count < 0 ? samples.size() : std::clamp<qsizetype>(begin + count, begin, samples.size());
    double sum = 0.0;
    for (qsizetype i = begin; i < end; ++i)
        sum += samples[i] * samples[i];
    return sum;
}

} // namespace kx
