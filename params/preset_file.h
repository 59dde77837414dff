#pragma once

#include "base/result.h"
#include "base/translation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kx {

struct FXParametersState;

// A preset file: UTF-8 with a byte-order mark, then one upper-case hexadecimal number a line,
// zero-padded to its field's width, each line ended by a lone CR (the last one too):
//
//   line                     field                                       digits
//   1                        effect number                               4
//   2                        effect version                              2
//   3                        number of controls N                        2
//   4 .. 3+N                 value of control i, 32-bit two's complement 8
//   4+N .. 3+2N              assignment code of control i (FF: none)     2
//   4+2N .. 3+2N+R           assignment code of readback j (FF: none)    2
//
// A file that ends after the values (its assignment lines lost, or left out by hand) still
// loads, marked as such. Load takes back the first N + 3 lines into the running effect. The
// assignments go back to the pedal only when a preset of another effect is applied with its
// upload; otherwise they are kept for the reader.

inline constexpr char kPresetExtension[] = ".txt";
inline constexpr int kEffectNumberDigits = 4;
inline constexpr int kEffectVersionDigits = 2;
inline constexpr int kControlCountDigits = 2;
inline constexpr int kValueDigits = 8;
inline constexpr int kAssignmentDigits = 2;
// A preset of 255 controls and 4 readbacks takes about 5 KiB; anything much longer is not one.
inline constexpr qint64 kMaxPresetFileBytes = 16 * 1024;
inline constexpr char kNoteAssignmentsMissing[] =
    QT_TRANSLATE_NOOP("Params", "The preset holds no assignments: the pedal's stay as they are.");

struct Preset {
    int effect_number = 0;
    int effect_version = 0;
    QList<int> values; // one per control: N is values.size()
    QList<quint8> control_assignments;
    QList<quint8> readback_assignments;
    // The file ends after its values: the assignment lists are empty, and whoever applies the
    // preset leaves the pedal's assignments as they are.
    bool assignments_missing = false;

    int control_count() const { return static_cast<int>(values.size()); }
};

// Characters 7-8, 5-6, 3-4 and 1-2 of `text`, in that order; missing characters count as
// empty, so "abcd" gives "cdab" and a two-character text comes back unchanged.
QString swap_hex_bytes(QStringView text);

// The preset of the open effect: the first `control_count` values and control assignments
// and the first `readback_count` readback assignments of the parameters window's state.
// Controls past the assignment slots are written as unassigned. Fails when there is no
// control or the values list holds fewer than `control_count` values.
Result<Preset> preset_from_state(int effect_number, int effect_version,
                                 const FXParametersState& state, int control_count,
                                 int readback_count);

// The file's text after the byte-order mark: each line ended by CR.
Result<QString> preset_text(const Preset& preset);

// The file's bytes: byte-order mark, then the text in UTF-8.
QByteArray preset_file_bytes(const QString& text);

// Appends ".txt" to a chosen path that does not already end in it (letter case counts).
QString with_preset_extension(const QString& path);

// The lines of a preset file's bytes: the byte-order mark skipped, split at CR, LF or CR LF.
QStringList preset_lines(const QByteArray& file_bytes);

// The lines joined again, each followed by CR LF: the text the log shows.
QString joined_preset_text(const QStringList& lines);

// Reads the lines back. Every line must be exactly as wide as Save writes it and hold only
// hexadecimal digits (either case); empty lines at the end are ignored. The error names the
// line (counted from 1) and what it should hold.
Result<Preset> parse_preset(const QStringList& lines);

// Writes the file through a temporary file that replaces `path` only once it is complete, so
// a failed or interrupted write leaves the old file as it was. The error is the system's text.
Status write_preset_file(const QString& path, const QString& text);

// The lines of a preset file. A file longer than kMaxPresetFileBytes, or anything that is not a
// regular file, is refused unread; the error names the file.
Result<QStringList> read_preset_file(const QString& path);

} // namespace kx
