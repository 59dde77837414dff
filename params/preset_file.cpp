#include "params/preset_file.h"
#include "base/translation.h"

#include <algorithm>

#include "base/hex_text.h"
#include "base/outside_file.h"
#include "base/save_file.h"
#include "library/resource_store.h"
#include "params/parameters_state.h"

namespace kx {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr QChar kLineEnd = u'\r';
constexpr int kMaxControlCount = 0xFF; // two digits

QString hex_field(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

// A field's value as the preset format stores it: its byte pairs swapped into the order
// least significant first, then taken pair by pair into the target's bytes from the lowest up.
// For a field of hexadecimal digits this is the number the digits write.
quint32 field_value(QStringView field) {
    const QString swapped = swap_hex_bytes(field);
    quint32 value = 0;
    for (int k = 0; 2 * k + 1 < swapped.size() && k < 4; ++k) {
        const int high = hex_nibble(swapped[2 * k]);
        const int low = hex_nibble(swapped[2 * k + 1]);
        if (high < 0 || low < 0)
            break;
        value |= quint32((high << 4) | low) << (8 * k);
    }
    return value;
}

QString line_count(qsizetype count) {
    return count == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(count);
}

bool all_hex(QStringView text) {
    for (QChar c : text)
        if (hex_nibble(c) < 0)
            return false;
    return true;
}

// Shows a line in an error message without letting a huge line flood the box.
// A line as the messages quote it. The lines are the file's bytes one for one, so a byte that
// is no printable ASCII is shown by its value, and a byte-order mark (which belongs only at
// the file's start) by name: a NUL would end the message where it is shown, and the mark's
// bytes would show as "ï»¿".
QString quoted(const QString& line) {
    constexpr int kShown = 16;
    const QString mark = QString::fromLatin1(kByteOrderMark);
    QString shown;
    for (qsizetype at = 0; at < std::min<qsizetype>(line.size(), kShown); ++at) {
        if (QStringView(line).sliced(at).startsWith(mark)) {
            shown += ui_text("Params", "<byte-order mark>");
            at += mark.size() - 1;
            continue;
        }
        const ushort c = line.at(at).unicode();
        shown += c >= 0x20 && c < 0x7F ? QString(QChar(c))
                                       : QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    return QLatin1Char('"') + shown + (line.size() > kShown ? QStringLiteral("...") : QString()) +
           QLatin1Char('"');
}

// The value of line `index` (from 0), which must be `digits` hexadecimal digits.
Result<quint32> read_field(const QStringList& lines, int index, int digits, const QString& what) {
    const QString& line = lines.at(index);
    if (line.size() != digits || !all_hex(line))
        return Error{
            ui_text("Params", "line %1 holds %2, but %3 is written as %4 hexadecimal digits.")
                .arg(index + 1)
                .arg(quoted(line), what)
                .arg(digits)};
    return field_value(line);
}

} // namespace

QString swap_hex_bytes(QStringView text) {
    QString swapped;
    for (int at = 6; at >= 0; at -= 2)
        swapped += text.mid(at, 2).toString();
    return swapped;
}

Result<Preset> preset_from_state(int effect_number, int effect_version,
                                 const FXParametersState& state, int control_count,
                                 int readback_count) {
    if (control_count < 1)
        return Error{ui_text("Params", "the open effect has no controls.")};
    if (state.values.size() < control_count)
        return Error{ui_text("Params", "the values of the open effect have not been read.")};
    Preset preset;
    preset.effect_number = effect_number;
    preset.effect_version = effect_version;
    preset.values = state.values.first(control_count);
    for (int i = 0; i < control_count; ++i)
        preset.control_assignments
            << (i < int(state.control_assignments.size()) ? state.control_assignments[i]
                                                          : kUnassignedCode);
    for (int j = 0; j < readback_count && j < int(state.readback_assignments.size()); ++j)
        preset.readback_assignments << state.readback_assignments[j];
    return preset;
}

Result<QString> preset_text(const Preset& preset) {
    const int n = preset.control_count();
    if (n < 1 || n > kMaxControlCount)
        return Error{ui_text("Params", "a preset holds 1 to %1 controls, not %2.")
                         .arg(kMaxControlCount)
                         .arg(n)};
    if (preset.effect_number < 0 || preset.effect_number > 0xFFFF)
        return Error{ui_text("Params", "the effect number %1 does not fit a preset.")
                         .arg(preset.effect_number)};
    if (preset.effect_version < 0 || preset.effect_version > 0xFF)
        return Error{ui_text("Params", "the effect version %1 does not fit a preset.")
                         .arg(preset.effect_version)};

    QStringList lines;
    lines << hex_field(quint32(preset.effect_number), kEffectNumberDigits)
          << hex_field(quint32(preset.effect_version), kEffectVersionDigits)
          << hex_field(quint32(n), kControlCountDigits);
    for (int value : preset.values)
        lines << hex_field(static_cast<quint32>(value), kValueDigits);
    // A preset read without its assignments is written back as it was read.
    for (int i = 0; i < n && !preset.assignments_missing; ++i)
        lines << hex_field(preset.control_assignments.value(i, kUnassignedCode), kAssignmentDigits);
    for (quint8 code : preset.readback_assignments)
        lines << hex_field(code, kAssignmentDigits);

    QString text;
    for (const QString& line : lines)
        text += line + kLineEnd;
    return text;
}

QByteArray preset_file_bytes(const QString& text) {
    return QByteArray(kByteOrderMark) + text.toUtf8();
}

QString with_preset_extension(const QString& path) {
    return path.endsWith(QLatin1String(kPresetExtension)) ? path
                                                          : path + QLatin1String(kPresetExtension);
}

QStringList preset_lines(const QByteArray& file_bytes) {
    const QByteArray mark(kByteOrderMark);
    return split_resource_lines(file_bytes.startsWith(mark) ? file_bytes.mid(mark.size())
                                                            : file_bytes);
}

QString joined_preset_text(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

Result<Preset> parse_preset(const QStringList& file_lines) {
    QStringList lines = file_lines;
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    constexpr int kHeaderLines = 3;
    if (lines.size() < kHeaderLines)
        return Error{ui_text("Params", "the file holds %1; a preset starts with 3 lines: effect "
                                       "number, effect version, number of controls.")
                         .arg(line_count(lines.size()))};

    Preset preset;
    const auto number =
        read_field(lines, 0, kEffectNumberDigits, ui_text("Params", "the effect number"));
    if (!number)
        return number.failure();
    const auto version =
        read_field(lines, 1, kEffectVersionDigits, ui_text("Params", "the effect version"));
    if (!version)
        return version.failure();
    const auto count =
        read_field(lines, 2, kControlCountDigits, ui_text("Params", "the number of controls"));
    if (!count)
        return count.failure();
    const int n = static_cast<int>(*count);
    if (n == 0)
        return Error{ui_text("Params", "line 3 gives 0 controls; a preset holds at least one.")};
    preset.effect_number = static_cast<int>(*number);
    preset.effect_version = static_cast<int>(*version);

    if (lines.size() < kHeaderLines + n)
        return Error{ui_text("Params", "the file ends after line %1, but it announces %2 controls, "
                                       "whose values take lines 4 to %3.")
                         .arg(lines.size())
                         .arg(n)
                         .arg(kHeaderLines + n)};
    for (int i = 0; i < n; ++i) {
        const auto value = read_field(lines, kHeaderLines + i, kValueDigits,
                                      ui_text("Params", "the value of control %1").arg(i));
        if (!value)
            return value.failure();
        preset.values << static_cast<qint32>(*value);
    }

    // Then one assignment line for each control, and one for each readback (at most 4).
    const int assignments = static_cast<int>(lines.size()) - kHeaderLines - n;
    const int most = n + kMaxReadbackCount;
    if (assignments == 0) {
        preset.assignments_missing = true;
        return preset;
    }
    if (assignments < n || assignments > most)
        return Error{ui_text("Params", "the file holds %1, but a preset of %2 controls has "
                                       "%3 to %4 lines.")
                         .arg(line_count(lines.size()))
                         .arg(n)
                         .arg(kHeaderLines + 2 * n)
                         .arg(kHeaderLines + n + most)};
    for (int k = 0; k < assignments; ++k) {
        const bool control = k < n;
        const auto code =
            read_field(lines, kHeaderLines + n + k, kAssignmentDigits,
                       control ? ui_text("Params", "the assignment of control %1").arg(k)
                               : ui_text("Params", "the assignment of readback %1").arg(k - n));
        if (!code)
            return code.failure();
        (control ? preset.control_assignments : preset.readback_assignments)
            << static_cast<quint8>(*code);
    }
    return preset;
}

Status write_preset_file(const QString& path, const QString& text) {
    return save_file_atomically(path, preset_file_bytes(text));
}

Result<QStringList> read_preset_file(const QString& path) {
    const auto bytes = read_outside_file(path, FileFormat{"a preset", kMaxPresetFileBytes});
    if (!bytes)
        return bytes.failure();
    return preset_lines(*bytes);
}

} // namespace kx
