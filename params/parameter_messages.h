#pragma once

#include "base/result.h"
#include "base/translation.h"

#include "params/control_description.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace kx {

// The messages that change the running effect's parameters and assignments, and the decoding
// of the pedal's parameter state reply. Every function here is pure: the window sends what they
// build and shows what they decode.

inline constexpr char kLogDataSentPot[] = "data sent pot ";
inline constexpr char kLogDataSentSwitch[] = "data sent switch ";
inline constexpr char kLogDataSentMultiSwitch[] = "data sent multiswitch ";
inline constexpr char kLogBypassAssignment[] = "BypassAssignment: ";
inline constexpr char kLogPresetAssignment[] = "PresetAssignment: ";

// Every control kind sends a value of 0 to 1023.
inline constexpr int kMaxControlValue = 1023;
// A value word is the value times 8192: a fixed-point number with 23 fraction bits.
inline constexpr int kValueWordScale = 8192;
inline constexpr int kMultiSwitchSpan = 1024;

inline constexpr quint8 kUnassignedCode = 0xFF;
inline constexpr int kParameterWriteBytes = 7;
inline constexpr int kBypassMessageBytes = 2;
inline constexpr int kAssignmentMessageBytes = 23;

// ---- values sent

// A slider position as a value: rounded to the nearest integer, halves to the even neighbour,
// and kept inside 0..1023.
int pot_value(double slider_position);
// 1023 when on, 0 when off.
int switch_value(bool on);
// Option k of K evenly spaced: k * (1024 div K).
int multi_switch_value(int option_index, int option_count);
// The 4-byte value word of a value, most significant byte first.
QByteArray value_word(int value);

// ---- messages

QByteArray parameter_write_message(quint16 address, int value);
QByteArray bypass_message();

// The codes the assignment message carries. Controls beyond the 16 slots and readbacks beyond
// the 4 slots are not sent; absent slots go out as unassigned.
struct AssignmentCodes {
    QList<quint8> controls;  // control-index order
    QList<quint8> readbacks; // readback-index order
    quint8 bypass = kUnassignedCode;
    quint8 preset = kUnassignedCode;
};
QByteArray assignment_message(const AssignmentCodes& codes);

// "data sent pot 0: 01000300400000", and likewise for switches and multi switches.
QString parameter_log_line(ControlKind kind, int control_index, QByteArrayView message);

// A parameter address as the image holds it: exactly four hexadecimal digits.
std::optional<quint16> parse_address_text(QStringView text);

// ---- the pedal's parameter state reply

// The value of a received value word: signed, divided by 8192, truncated toward zero.
int value_from_word(quint32 word);

enum class SwitchState { Off, On, Unchanged };
// 0 is off, above 0 on; a negative value leaves the switch as it is.
SwitchState switch_state_from_value(int value);
// The option a value selects: value div (1024 div K), one less when that reaches K; a value
// beyond every option (negative, or past K after that) selects none: -1.
int multi_switch_option_from_value(int value, int option_count);

// What the pedal sent for each part of its state; a part that the reply is too short to hold
// is std::nullopt, and the window keeps what it showed before.
struct ParameterReply {
    int expected_count = 0; // 4N + 22
    int received_count = 0;
    QList<std::optional<int>> values;           // N, control index order
    QList<std::optional<quint8>> control_codes; // the first 16 controls at most
    std::optional<quint8> bypass_code;
    std::optional<quint8> preset_code;
    QList<std::optional<quint8>> readback_codes; // R

    bool complete() const { return received_count >= expected_count; }
    // Indexes of the controls whose value, or assignment, is missing.
    QList<int> missing_values() const;
    QList<int> missing_control_codes() const;
    QList<int> missing_readback_codes() const;
};

// Decodes `received_values` (one number 0-255 a byte) for an effect of `control_count`
// controls and `readback_count` readbacks; never reads past the end of a short reply.
ParameterReply decode_parameter_reply(QByteArrayView received_values, int control_count,
                                      int readback_count);

// The parameter state reply of an effect of `control_count` controls and `readback_count`
// readbacks, from `received_values`, refused unless it is that reply whole: 4N + 22 numbers
// and every control's value from 0 to 1023. With more numbers than that (a stray line that
// came in front of the reply, or numbers a pedal adds behind it), the reply is the first or
// the last 4N + 22 of them, whichever of the two alone is such a reply; when both are and they
// differ, nothing tells which is the pedal's state and the reply is refused.
Result<ParameterReply> read_parameter_reply(QByteArrayView received_values, int control_count,
                                            int readback_count);

inline constexpr char kMessageReplyShort[] = QT_TRANSLATE_NOOP(
    "Params",
    "The pedal's parameter state reply is incomplete: it holds %1 values where %2 were expected.");
inline constexpr char kMessageReplyValue[] = QT_TRANSLATE_NOOP(
    "Params",
    "The pedal's parameter state reply cannot be right: control %1 reads %2, outside 0 to 1023.");
inline constexpr char kMessageReplyAmbiguous[] = QT_TRANSLATE_NOOP(
    "Params",
    "The pedal's parameter state reply cannot be told from a stray line: it holds %1 values "
    "where %2 were expected.");

// ---- assignment boxes

// The three kinds of box: a control's, a readback's, and the bypass and preset boxes, which
// offer the control list's "FS", "FL" and "RMT" under their own codes 8 to 10. Each list ends
// with "--", unassigned.
enum class AssignmentBox { Control, Readback, BypassOrPreset };

QStringList assignment_box_items(AssignmentBox box);
// The item a code selects: the unassigned code selects "--"; a code with no item gives -1.
int assignment_box_item(AssignmentBox box, quint8 code);
// The code of an item: "--" and no selection (-1) are unassigned.
quint8 assignment_code(AssignmentBox box, int item);

// Two upper-case hexadecimal digits, as codes are logged.
QString code_text(quint8 code);

} // namespace kx
