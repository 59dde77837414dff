#pragma once

#include "base/byte_source.h"
#include "base/outside_file.h"
#include "base/result.h"
#include "base/translation.h"
#include "ir/ir_tools.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kx {

class Log;
class ResourceStore;

inline constexpr char kWavFileFilter[] = QT_TRANSLATE_NOOP("Ir", "Wave Files (*.wav)");
inline constexpr char kSummaryTitle[] = QT_TRANSLATE_NOOP("Ir", "Selected file data:");

// Longest log line, in characters: a whole file as hex text would freeze the console.
inline constexpr int kMaxLogLineChars = 64 * 1024;

// `line` itself when it fits kMaxLogLineChars; otherwise its start and a note of how many
// characters were left out, together no longer than the limit.
QString shorten_log_line(const QString& line);
// prefix + the hex text of `bytes`, shortened as shorten_log_line() would, without building
// the text that is left out.
QString hex_log_line(const QString& prefix, QByteArrayView bytes);
// The same for the `count` bytes of `source` from `offset`, of which only those shown are read.
QString hex_log_line(const QString& prefix, ByteSource& source, qint64 offset, qint64 count);

// What the window shows of an import: the start of the file and the loaded part, both at the
// pedal's rate, and the loaded part's magnitude response.
struct IrPicture {
    QList<double> file_start; // full scale 1.0; the first loaded_count are the coefficients
    int loaded_count = 0;     // N
    QList<double> frequencies_hz;
    QList<double> response_db; // at frequencies_hz
};

struct IrImportRequest {
    QString file_name;   // shown in the summary
    ByteSource& file;    // read in parts, never whole
    QString effect_name; // `selected_effect_name`
    IrTools tools = {};  // off: the samples as they are
};

// The most a WAV file can hold: a RIFF size field counts up to 4 GiB after its first 8 bytes.
// A longer file could only be one whose size fields say "unknown", and it is refused.
inline constexpr FileFormat kWavFileFormat{"a WAV file", qint64(0xFFFFFFFF) + 8};

struct IrImport {
    QString image;       // the new `ir_image`
    QString summary;     // the summary's lines, joined by CR LF
    QString energy_line; // what share of the file's energy the loaded part holds
    IrPicture picture;
    // The coefficients written, as 24-bit values in table order.
    QList<qint32> coefficients;
};

// Asked when the file's rate is not the pedal's, with the summary and the question; true
// resamples the file to the pedal's rate, false keeps its samples as they are.
using ResampleQuestion = std::function<bool(const QString& question)>;

// The import from the file's bytes on (its length is the first line it logs): reads the WAV
// file, streaming its samples and keeping only the start it needs, takes the first channel,
// resamples it if the user wants, converts the first N samples into the coefficient words of
// `effect_name` and writes them into a fresh copy of that effect's image from `store`. Every step
// logs its lines to `log` before the next runs, so a refusal leaves the lines written up to it. A
// refusal says why in the user's words.
Result<IrImport> import_ir(const IrImportRequest& request, const ResourceStore& store, Log& log,
                           const ResampleQuestion& resample_to_pedal_rate);

} // namespace kx
