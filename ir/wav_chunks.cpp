#include "ir/wav_chunks.h"
#include "base/translation.h"

#include <QString>

namespace kx {

namespace {

constexpr char kMessageNotWav[] = QT_TRANSLATE_NOOP(
    "Ir", "This is not a WAV file: it does not begin with a RIFF header of type \"WAVE\".");
constexpr char kNoteRiffSize[] = QT_TRANSLATE_NOOP(
    "Ir", "The WAV file's header announces %1 bytes, but the file has %2; its chunks were read as "
          "they are.");
constexpr char kMessageChunkPastEnd[] = QT_TRANSLATE_NOOP(
    "Ir", "The WAV file is cut short: its \"%1\" chunk at byte %2 announces %3 bytes, but only %4 "
          "follow.");
constexpr char kMessageReadFailed[] =
    QT_TRANSLATE_NOOP("Ir", "The WAV file could not be read at byte %1.");
constexpr char kMessageNoFmt[] = QT_TRANSLATE_NOOP(
    "Ir", "The WAV file has no \"fmt \" chunk, so the format of its samples is unknown.");
constexpr char kMessageShortFmt[] = QT_TRANSLATE_NOOP(
    "Ir", "The WAV file's \"fmt \" chunk has %1 bytes, fewer than the 16 of a sample format.");
constexpr char kMessageNoData[] =
    QT_TRANSLATE_NOOP("Ir", "The WAV file has no \"data\" chunk: it holds no samples.");

constexpr qsizetype kRiffHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderSize = 8; // identifier, size
constexpr quint32 kMinFmtSize = 16;

quint32 le32(QByteArrayView bytes, qsizetype at) {
    const auto b = [&](qsizetype i) { return quint32(quint8(bytes[at + i])); };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

quint16 le16(QByteArrayView bytes, qsizetype at) {
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

} // namespace

QString chunk_id_text(QByteArrayView id) {
    QString text;
    for (char c : id)
        text += (c >= 0x20 && c < 0x7F) ? QChar::fromLatin1(c) : QLatin1Char('?');
    return text;
}

// RIFF/WAVE layout (little-endian):
//
//   offset  size  content
//        0     4  "RIFF"
//        4     4  RIFF size: the bytes after this field
//        8     4  "WAVE"
//       12        chunks: 4-byte identifier, 4-byte size, that many bytes, a pad byte if odd
//
// "fmt " chunk: audio format (2), channels (2), sample rate (4), byte rate (4), block align
// (2), bits per sample (2), then optional extension bytes.
Result<WavChunks> read_wav_chunks(ByteSource& file) {
    const qint64 size = file.size();
    const QByteArray header = file.bytes_at(0, kRiffHeaderSize + 4);
    if (header.size() < kRiffHeaderSize || !header.startsWith("RIFF") ||
        QByteArrayView(header).sliced(8, 4) != QByteArrayView("WAVE"))
        return Error{ui_text("Ir", kMessageNotWav)};

    WavChunks chunks;
    chunks.riff_id = header.first(4);
    chunks.riff_size = le32(header, 4);
    // A missing pad byte after an odd last chunk is common and harmless.
    const qint64 riff_end =
        chunks.riff_size == kUnknownChunkSize ? size : qint64(kChunkHeaderSize) + chunks.riff_size;
    // A RIFF size that does not match the file (a writer that never filled it in, or one that
    // got it wrong) costs nothing while the chunks inside are whole: they are read to the
    // file's end, and the import says so.
    if (chunks.riff_size != kUnknownChunkSize && riff_end != size && riff_end != size + 1)
        chunks.note = ui_text("Ir", kNoteRiffSize).arg(riff_end).arg(size);
    if (header.size() >= kRiffHeaderSize + 4)
        chunks.first_chunk_id = header.sliced(kRiffHeaderSize, 4);

    bool have_fmt = false;
    bool have_data = false;
    const qint64 end = size;
    qint64 at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= end) {
        const QByteArray chunk_header = file.bytes_at(at, kChunkHeaderSize);
        if (chunk_header.size() < kChunkHeaderSize)
            return Error{ui_text("Ir", kMessageReadFailed).arg(at)};
        const QByteArrayView id = QByteArrayView(chunk_header).first(4);
        const quint32 chunk_size = le32(chunk_header, 4);
        const qint64 body = at + kChunkHeaderSize;
        const bool unknown_data = id == QByteArrayView("data") && chunk_size == kUnknownChunkSize;
        if (!unknown_data && body + chunk_size > size)
            return Error{ui_text("Ir", kMessageChunkPastEnd)
                             .arg(chunk_id_text(id))
                             .arg(at)
                             .arg(chunk_size)
                             .arg(size - body)};
        if (id == QByteArrayView("fmt ") && !have_fmt) {
            have_fmt = true;
            chunks.fmt_size = chunk_size;
            if (chunk_size < kMinFmtSize)
                return Error{ui_text("Ir", kMessageShortFmt).arg(chunk_size)};
            const QByteArray fmt = file.bytes_at(body, kMinFmtSize);
            if (fmt.size() < qsizetype(kMinFmtSize))
                return Error{ui_text("Ir", kMessageShortFmt).arg(fmt.size())};
            chunks.audio_format = le16(fmt, 0);
            chunks.channels = le16(fmt, 2);
            chunks.sample_rate = le32(fmt, 4);
            chunks.byte_rate = le32(fmt, 8);
            chunks.block_align = le16(fmt, 12);
            chunks.bits_per_sample = le16(fmt, 14);
        } else if (id == QByteArrayView("data") && !have_data) {
            have_data = true;
            chunks.data_offset = body;
            chunks.data_size = chunk_size;
            chunks.data_bytes = unknown_data ? size - body : qint64(chunk_size);
        }
        // Samples of unknown length are the last chunk: nothing after them can be found.
        if (unknown_data)
            break;
        at = body + chunk_size + (chunk_size & 1);
    }
    if (!have_fmt)
        return Error{ui_text("Ir", kMessageNoFmt)};
    if (!have_data)
        return Error{ui_text("Ir", kMessageNoData)};
    return chunks;
}

Result<WavChunks> read_wav_chunks(QByteArrayView file) {
    MemorySource source(file);
    return read_wav_chunks(source);
}

} // namespace kx
