#pragma once

// The WAV files of tests/fixtures/ir (made by make_fixtures.sh) and small WAV files built here.

#include "base/hex_text.h"
#include "ir/ir_coefficients.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstring>

namespace ir_fixtures {

inline QString path(const QString& name) {
    return QStringLiteral(KX_FIXTURES_DIR "/ir/") + name;
}

inline QByteArray read(const QString& name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline const QString kCanonical = QStringLiteral("canonical-24bit-mono-48k.wav");
// Samples in the canonical file: more than any effect needs.
inline constexpr int kCanonicalFrames = 1000;
// The canonical file has the 44-byte header: its samples start at byte 44.
inline constexpr int kCanonicalDataOffset = 44;

// The canonical file's first `count` coefficient words, read as the fixed-offset reading of
// its 44-byte header does: independent of libsndfile.
inline QString canonical_words(int count) {
    const QByteArray samples = read(kCanonical).mid(kCanonicalDataOffset);
    return kx::convert_ir_samples(kx::bytes_to_hex(samples), 24, count).value();
}

inline QByteArray le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    return id + le32(quint32(body.size())) + body + (body.size() % 2 ? QByteArray(1, '\0') : "");
}

inline QByteArray fmt_body(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 align = quint16(channels * (bits / 8));
    return le16(format) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) +
           le16(bits);
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

// A mono 24-bit file at `rate` holding `samples` (values of 24 bits).
inline QByteArray wav_24(const QList<qint32>& samples, quint32 rate = 48000) {
    QByteArray data;
    for (qint32 s : samples)
        data += le32(quint32(s)).left(3);
    return riff(chunk("fmt ", fmt_body(1, 1, rate, 24)) + chunk("data", data));
}

// The canonical file cut to its first `frames` samples, header sizes made to match.
inline QByteArray canonical_prefix(int frames) {
    const QByteArray data = read(kCanonical).mid(kCanonicalDataOffset, 3 * frames);
    return riff(chunk("fmt ", fmt_body(1, 1, 48000, 24)) + chunk("data", data));
}

} // namespace ir_fixtures
