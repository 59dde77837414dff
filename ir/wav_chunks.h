#pragma once

#include "base/byte_source.h"
#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kx {

// The chunk table of a RIFF/WAVE file, found by walking the chunks by their declared sizes.
// It gives what the import reports of a file's header and the reasons to refuse one; the
// samples themselves are decoded by libsndfile.
struct WavChunks {
    QByteArray riff_id;        // bytes 0..3
    quint32 riff_size = 0;     // bytes 4..7
    QByteArray first_chunk_id; // bytes 12..15: the chunk after the RIFF header, often not "fmt "
    quint32 fmt_size = 0;
    quint16 audio_format = 0; // 1 integer PCM, 3 float, 0xFFFE extensible, ...
    quint16 channels = 0;
    quint32 sample_rate = 0;
    quint32 byte_rate = 0;
    quint16 block_align = 0;
    quint16 bits_per_sample = 0;
    qint64 data_offset = 0; // first sample byte
    quint32 data_size = 0;  // as the chunk declares it
    qint64 data_bytes = 0;  // the sample bytes the file holds: data_size, or up to its end
    // What was odd but could be read past (a RIFF size that does not match the file), in
    // words for the user; empty when nothing was.
    QString note;
};

// The size a streaming recorder writes in a RIFF or "data" size field that it could not fill
// in: the chunk runs to the end of the file.
inline constexpr quint32 kUnknownChunkSize = 0xFFFFFFFF;

// Reads the RIFF header, then every chunk inside the RIFF size, each 8-byte chunk header
// followed by its declared size and a pad byte when that size is odd. Refuses a file that is
// not RIFF/WAVE, whose sizes run past its end, or that lacks a "fmt " (of at least 16 bytes) or
// a "data" chunk. The first "fmt " and the first "data" chunk count. A RIFF or "data" size of
// kUnknownChunkSize means "to the end of the file", as libsndfile reads it. Only the headers
// are read from `file`.
Result<WavChunks> read_wav_chunks(ByteSource& file);
Result<WavChunks> read_wav_chunks(QByteArrayView file);

// A chunk identifier as text, with bytes that are not printable ASCII shown as '?'.
QString chunk_id_text(QByteArrayView id);

} // namespace kx
