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
    // The start of the first channel, full scale 1.0; integer samples are exact (n / 2^31 of
    // the sample left-aligned to 32 bits). At most the frames asked for: `frames` counts them
    // all.
    QList<double> first_channel;
    // Sum of the squares of the whole first channel, kept samples or not.
    double energy = 0.0;
    // The file's comment (a LIST/INFO "ICMT" text), as UTF-8; empty when it has none.
    QString comment;
};

// Reads a WAV file: read_wav_chunks() first, for the reasons to refuse a file, then libsndfile
// for the samples (every PCM and float format, WAVE_FORMAT_EXTENSIBLE, compressed formats it
// knows). The samples are streamed from `file` in blocks: only the first `kept_frames` of the
// first channel stay in memory, so a long recording takes no more than a short one.
Result<WavFile> read_wav(ByteSource& file, qsizetype kept_frames);
Result<WavFile> read_wav(QByteArrayView file, qsizetype kept_frames);

} // namespace kx
