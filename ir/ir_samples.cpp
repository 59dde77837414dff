#include "ir/ir_samples.h"

#include "ir/resample.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

constexpr double kFullScale24 = 8388608.0; // 2^23
constexpr qint32 kMax24 = (1 << 23) - 1;
constexpr qint32 kMin24 = -(1 << 23);

// Rounds to 24 bits; counts a sample beyond full scale in *clipped.
qint32 to_24_bits(double sample, int* clipped) {
    const double scaled = std::nearbyint(sample * kFullScale24);
    if (scaled > kMax24 || scaled < kMin24) {
        ++*clipped;
        return scaled > 0 ? kMax24 : kMin24;
    }
    return qint32(scaled);
}

} // namespace

qsizetype resample_input_frames(int word_count, double ratio) {
    return qsizetype(std::ceil(2.0 * word_count * std::max(ratio, 0.0))) + kResampleMargin;
}

namespace {
// The file's frames a trim may skip: kMaxTrim_ms as the pedal plays them, and as the file
// holds them.
qsizetype trim_frames(int sample_rate_hz) {
    return qsizetype(std::max(sample_rate_hz, kPedalSampleRate_hz)) * kMaxTrim_ms / 1000;
}
} // namespace

qsizetype frames_to_keep(int word_count, int sample_rate_hz, bool trim) {
    const double ratio = double(sample_rate_hz) / kPedalSampleRate_hz;
    // As they are: the coefficients and the picture's twice as many; resampled: what that
    // needs, whatever the answer to the question will be.
    return std::max<qsizetype>(
               2 * qsizetype(word_count),
               can_resample(sample_rate_hz) ? resample_input_frames(word_count, ratio) : 0) +
           (trim ? trim_frames(sample_rate_hz) : 0);
}

Result<IrSamples> load_ir_samples(const WavFile& wav, int word_count, bool resample,
                                  const IrTools& tools) {
    IrSamples loaded;
    loaded.resampled = resample && wav.sample_rate != kPedalSampleRate_hz;
    QList<double> resampled;
    bool cut = false;
    if (loaded.resampled) {
        // Only the start is used: resample what it needs, with a margin that keeps the end of
        // the input far from it.
        const double ratio = double(wav.sample_rate) / kPedalSampleRate_hz;
        const qsizetype input = std::min<qsizetype>(
            wav.first_channel.size(), resample_input_frames(word_count, ratio) +
                                          (tools.trim ? trim_frames(wav.sample_rate) : 0));
        cut = input < wav.frames;
        auto result =
            resample_samples(wav.first_channel.first(input), wav.sample_rate, kPedalSampleRate_hz);
        if (!result)
            return result.failure();
        resampled = std::move(*result);
    }
    const QList<double>& source = loaded.resampled ? resampled : wav.first_channel;
    // A cut input leaves far more than the start; its whole length counts.
    if (!loaded.resampled)
        loaded.available = wav.frames;
    else
        loaded.available = cut ? resampled_length(wav.frames, wav.sample_rate, kPedalSampleRate_hz)
                               : source.size();
    // The pedal plays the loaded samples at its rate, resampled or not: the tools' times count
    // at that rate.
    const qsizetype offset =
        tools.trim ? first_peak_index(source, qsizetype(kPedalSampleRate_hz) * kMaxTrim_ms / 1000)
                   : 0;
    loaded.trimmed = offset;
    loaded.available = std::max<qsizetype>(0, loaded.available - offset);
    loaded.source_offset =
        loaded.resampled
            ? std::min<qsizetype>(resampled_length(offset, kPedalSampleRate_hz, wav.sample_rate),
                                  wav.first_channel.size())
            : offset;
    const qsizetype count = std::min<qsizetype>(word_count, source.size() - offset);
    loaded.source_frames =
        loaded.resampled
            ? std::min<qsizetype>(resampled_length(count, kPedalSampleRate_hz, wav.sample_rate),
                                  wav.first_channel.size() - loaded.source_offset)
            : count;

    // Integer samples, as read, are n / 2^31 exactly; a change of level rounds them anew.
    const bool exact = !loaded.resampled && wav.integer_bits != 0 && !tools.shapes_level();
    loaded.bits = exact && wav.integer_bits == 32 ? 32 : 24;
    double gain = 1.0;
    if (tools.normalise_db) {
        double peak = 0.0;
        for (qsizetype i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(source[offset + i]));
        // The peak reaches the level of the largest 24-bit value, so 0 dB does not clip.
        if (peak > 0.0) {
            gain = std::pow(10.0, *tools.normalise_db / 20.0) * (kMax24 / kFullScale24) / peak;
            loaded.gain_db = 20.0 * std::log10(gain);
        }
    }
    loaded.faded = fade_length(tools.fade_ms, kPedalSampleRate_hz, int(count));
    const qsizetype fade_from = count - loaded.faded;
    loaded.values.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const double sample = source[offset + i];
        if (exact) {
            const qint32 whole = qint32(std::ldexp(sample, 31));
            loaded.values << (loaded.bits == 32 ? whole : whole >> 8);
        } else {
            const double faded = i >= fade_from ? fade_gain(int(i - fade_from), loaded.faded) : 1.0;
            loaded.values << to_24_bits(sample * gain * faded, &loaded.clipped);
        }
    }

    const qsizetype shown = std::min<qsizetype>(2 * qsizetype(word_count), source.size() - offset);
    loaded.shown.reserve(shown);
    for (qsizetype i = 0; i < shown; ++i) {
        if (i < count) {
            const qint32 value = loaded.bits == 32 ? loaded.values[i] >> 8 : loaded.values[i];
            loaded.shown << double(value) / kFullScale24;
        } else {
            loaded.shown << source[offset + i] * gain;
        }
    }
    return loaded;
}

} // namespace kx
