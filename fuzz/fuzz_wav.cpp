// WAV files come from anywhere: the chunk walk and libsndfile must read nothing outside the
// file, refuse with a reason, and whatever they accept must become in-range coefficients of
// the table's length, as the file is and resampled.

#include "fuzz/fuzz_check.h"
#include "ir/ir_coefficients.h"
#include "ir/ir_samples.h"
#include "ir/resample.h"
#include "ir/wav_reader.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Not copied: a read past the input is a read past libFuzzer's block.
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto chunks = kx::read_wav_chunks(file);
    // Enough for the largest table, resampled from any rate.
    const qsizetype kept = kx::frames_to_keep(912, chunks ? int(chunks->sample_rate) : 0);
    const auto wav = kx::read_wav(file, kept);
    KX_FUZZ_CHECK(chunks.ok() || !wav.ok());
    KX_FUZZ_CHECK(chunks.ok() || !chunks.error().isEmpty());
    if (chunks) {
        KX_FUZZ_CHECK(chunks->fmt_size >= 16);
        KX_FUZZ_CHECK(chunks->data_offset + chunks->data_bytes <= file.size());
    }
    if (!wav) {
        KX_FUZZ_CHECK(!wav.error().isEmpty());
        return 0;
    }
    KX_FUZZ_CHECK(wav->frames > 0 && wav->channels > 0);
    KX_FUZZ_CHECK(wav->first_channel.size() == std::min<qint64>(wav->frames, kept));
    for (double sample : wav->first_channel)
        KX_FUZZ_CHECK(std::isfinite(sample));
    KX_FUZZ_CHECK(std::isfinite(wav->energy) && wav->energy >= 0);

    // The smallest and the largest coefficient table.
    for (int count : {703, 912}) {
        for (bool resample : {false, true}) {
            if (resample && !kx::can_resample(wav->sample_rate))
                continue;
            const auto samples = kx::load_ir_samples(*wav, count, resample);
            KX_FUZZ_CHECK(samples.ok());
            const qsizetype loaded = samples->values.size();
            KX_FUZZ_CHECK(loaded == std::min<qsizetype>(count, samples->available));
            KX_FUZZ_CHECK(samples->bits == 24 || samples->bits == 32);
            KX_FUZZ_CHECK(samples->shown.size() >= loaded && samples->shown.size() <= 2 * count);
            const auto words = kx::convert_ir_samples(
                kx::ir_sample_text(samples->values, samples->bits), samples->bits, int(loaded));
            KX_FUZZ_CHECK(words.ok() && words->size() == loaded * kx::kCoefficientWordChars);
            for (qsizetype i = 0; i < loaded; ++i) {
                const qint32 value = kx::coefficient_value(QStringView(*words).mid(8 * i, 8));
                KX_FUZZ_CHECK(value >= -(1 << 23) && value < (1 << 23));
            }
        }
    }
    return 0;
}
