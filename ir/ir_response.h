#pragma once

#include "base/byte_source.h"
#include "base/outside_file.h"
#include "base/result.h"
#include "ir/ir_tools.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

struct IrImport;

// An impulse response as the editor keeps it, beside a preset or among its last imports: a
// mono WAV file at the pedal's rate whose 24-bit samples are exactly the coefficients an
// import wrote. Importing it again, with the tools off, gives the same words and so the same
// image. Its comment (LIST/INFO "ICMT") says where the samples came from:
//
//   Kestrel X impulse response
//   effect: Basic IR Loader        the effect imported for
//   file: cab.wav                  the file imported
//   imported: 2026-12-11T12:00:00Z
//   trim: on | off
//   normalise: -1.0 dB | off
//   fade: 5.0 ms | off
//   summary: <line>                the import's summary, a line each
//
// A WAV file without that first line is a response all the same, with nothing known of it.
struct IrResponseNotes {
    QString effect_name;
    QString source_name;
    QDateTime imported; // UTC
    IrTools tools;
    QStringList summary;
};

struct IrResponse {
    IrResponseNotes notes;
    QList<qint32> samples; // -2^23 .. 2^23-1, at the pedal's rate
    int sample_rate = 0;
    int bits = 0; // of an integer file; 0 for float samples
    // Whether the file carries the notes above (written by the editor).
    bool described = false;
};

inline constexpr char kResponseExtension[] = ".wav";
// A kept response holds one table: a few KiB. Far more is not one of ours.
inline constexpr FileFormat kResponseFileFormat{"an impulse response", 4 * 1024 * 1024};
// The longest response read: more samples than any table holds.
inline constexpr int kMaxResponseSamples = 65536;

// The notes as the comment text, and read back. Lines that cannot be read are left out.
QString response_notes_text(const IrResponseNotes& notes);
IrResponseNotes parse_response_notes(QStringView text, bool* described = nullptr);

// The response of an import: its coefficients and how it was made.
IrResponse response_of_import(const IrImport& import, const QString& effect_name,
                              const QString& source_name, const IrTools& tools,
                              const QDateTime& when);

// The WAV file's bytes (libsndfile writes them).
Result<QByteArray> response_wav_bytes(const IrResponse& response);

// Reads a response from a WAV file's bytes: its first channel's samples, rounded to 24 bits
// unless they are 24-bit already, and its notes. Refuses a file that is no WAV, holds no
// samples or more than kMaxResponseSamples.
Result<IrResponse> read_ir_response(ByteSource& file);
Result<IrResponse> read_ir_response(QByteArrayView bytes);

// The same on disk; writing goes through a temporary file, so a failed write leaves what was
// there. Errors name the file.
Result<IrResponse> read_ir_response_file(const QString& path);
Status write_ir_response_file(const QString& path, const IrResponse& response);

// Whether a response fits the table of `effect_name`: empty when it does, else why not, for
// the user ("it holds 700 samples, Basic IR Loader needs 912").
QString response_misfit(const IrResponse& response, const QString& effect_name);

} // namespace kx
