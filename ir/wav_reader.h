#pragma once

#include "base/result.h"
#include "ir/wav_chunks.h"

#include <QByteArrayView>
#include <QList>

namespace kx {

// A WAV file's first channel as the import uses it.
struct WavFile {
    WavChunks chunks;
    int channels = 0;
    int sample_rate = 0;
    qint64 frames = 0;
    // Bits of an integer sample as stored (8, 16, 24 or 32; 16 for compressed formats), or 0
    // for float samples.
    int integer_bits = 0;
    // The first channel, full scale 1.0; integer samples are exact (n / 2^31 of the sample
    // left-aligned to 32 bits). At most kMaxKeptFrames from the start.
    QList<double> first_channel;
    // Sum of the squares of the whole first channel, kept samples or not.
    double energy = 0.0;
};

// Frames of the first channel kept in memory: far more than any coefficient table needs and
// its picture shows, so that a long recording does not fill the memory.
inline constexpr qsizetype kMaxKeptFrames = qsizetype(1) << 20;

// Reads a WAV file from memory: read_wav_chunks() first, for the reasons to refuse a file, then
// libsndfile for the samples (every PCM and float format, WAVE_FORMAT_EXTENSIBLE, compressed
// formats it knows).
Result<WavFile> read_wav(QByteArrayView file);

} // namespace kx
