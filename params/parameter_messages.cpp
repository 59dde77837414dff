#include "params/parameter_messages.h"

#include "base/hex_text.h"
#include "base/translation.h"

#include <algorithm>
#include <cmath>

namespace kx {

namespace {

enum Command : quint8 {
    kParameterWrite = 0x01,
    kAssign = 0x04,
    kBypass = 0x0D,
};
constexpr quint8 kBypassEngage = 0x00;

constexpr int kValueWordBytes = 4;
constexpr int kAddressDigits = 4;
// The reply's fixed tail after the N value words: 16 control codes, bypass, preset, 4 readback
// codes.
constexpr int kReplyTailCount = kAssignableControls + 2 + kMaxReadbackCount;
// Bypass and preset boxes list "FS", "FL", "RMT", which are codes 8 to 10 of the control list.
constexpr int kBypassCodeOffset = 8;

const char* const kControlItems[] = {"KI", "KII", "KIII", "KIV", "KV",  "B1", "B2",
                                     "B3", "FS",  "FL",   "RMT", "EXP", "--"};
const char* const kReadbackItems[] = {"SX", "DX", "RED", "GREEN", "--"};
const char* const kBypassItems[] = {"FS", "FL", "RMT", "--"};

template <size_t n> QStringList item_list(const char* const (&items)[n]) {
    QStringList out;
    for (const char* item : items)
        out << QString::fromLatin1(item);
    return out;
}

int code_offset(AssignmentBox box) {
    return box == AssignmentBox::BypassOrPreset ? kBypassCodeOffset : 0;
}

void append_word(QByteArray& out, quint32 word) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((word >> shift) & 0xFF));
}

quint32 word_at(QByteArrayView bytes, qsizetype at) {
    quint32 word = 0;
    for (int k = 0; k < kValueWordBytes; ++k)
        word = (word << 8) | quint8(bytes[at + k]);
    return word;
}

} // namespace

int pot_value(double slider_position) {
    if (!(slider_position > 0)) // also NaN
        return 0;
    if (slider_position >= kMaxControlValue)
        return kMaxControlValue;
    // Ties to even, whatever rounding mode the floating-point unit was left in.
    const double floor = std::floor(slider_position);
    const double fraction = slider_position - floor;
    int value = int(floor);
    if (fraction > 0.5 || (fraction == 0.5 && value % 2 != 0))
        ++value;
    return value;
}

int switch_value(bool on) {
    return on ? kMaxControlValue : 0;
}

int multi_switch_value(int option_index, int option_count) {
    if (option_count < 1 || option_index < 0)
        return 0;
    return std::min(option_index, option_count - 1) * (kMultiSwitchSpan / option_count);
}

QByteArray value_word(int value) {
    QByteArray out;
    append_word(out, quint32(std::clamp(value, 0, kMaxControlValue)) * kValueWordScale);
    return out;
}

// Parameter write, 7 bytes:
//
//   offset  size  content
//   0       1     0x01
//   1       2     parameter address of the control, as the effect image holds it
//   3       4     value word: value * 8192, most significant byte first
QByteArray parameter_write_message(quint16 address, int value) {
    QByteArray out;
    out.append(char(kParameterWrite));
    out.append(char(address >> 8));
    out.append(char(address & 0xFF));
    out.append(value_word(value));
    return out;
}

// Bypass, 2 bytes:
//
//   offset  size  content
//   0       1     0x0D
//   1       1     0x00: engage the bypass
QByteArray bypass_message() {
    QByteArray out;
    out.append(char(kBypass));
    out.append(char(kBypassEngage));
    return out;
}

// Assignment, 23 bytes (readbacks before bypass and preset, the reverse of the reply):
//
//   offset  size  content
//   0       1     0x04
//   1       16    assignment code of control i at 1 + i; slots of absent controls 0xFF
//   17      4     assignment code of readback j at 17 + j; slots of absent readbacks 0xFF
//   21      1     bypass assignment code
//   22      1     preset assignment code
QByteArray assignment_message(const AssignmentCodes& codes) {
    QByteArray out;
    out.append(char(kAssign));
    for (int i = 0; i < kAssignableControls; ++i)
        out.append(char(codes.controls.value(i, kUnassignedCode)));
    for (int j = 0; j < kMaxReadbackCount; ++j)
        out.append(char(codes.readbacks.value(j, kUnassignedCode)));
    out.append(char(codes.bypass));
    out.append(char(codes.preset));
    return out;
}

QString parameter_log_line(ControlKind kind, int control_index, QByteArrayView message) {
    const char* prefix = kind == ControlKind::Pot      ? kLogDataSentPot
                         : kind == ControlKind::Switch ? kLogDataSentSwitch
                                                       : kLogDataSentMultiSwitch;
    return QLatin1String(prefix) + QString::number(control_index) + QStringLiteral(": ") +
           bytes_to_hex(message);
}

std::optional<quint16> parse_address_text(QStringView text) {
    if (text.size() != kAddressDigits)
        return std::nullopt;
    quint16 address = 0;
    for (QChar c : text) {
        const int nibble = hex_nibble(c);
        if (nibble < 0)
            return std::nullopt;
        address = quint16((address << 4) | nibble);
    }
    return address;
}

int value_from_word(quint32 word) {
    // C++ integer division truncates toward zero, as the pedal's values are read.
    return qint32(word) / kValueWordScale;
}

SwitchState switch_state_from_value(int value) {
    if (value < 0)
        return SwitchState::Unchanged;
    return value == 0 ? SwitchState::Off : SwitchState::On;
}

int multi_switch_option_from_value(int value, int option_count) {
    if (option_count < 1 || value < 0)
        return -1;
    int option = value / (kMultiSwitchSpan / option_count);
    if (option >= option_count)
        --option;
    // Clamping would show, and a later edit would send, an option the pedal does not hold.
    return option < option_count ? option : -1;
}

QList<int> ParameterReply::missing_values() const {
    QList<int> out;
    for (int i = 0; i < values.size(); ++i)
        if (!values[i])
            out << i;
    return out;
}

QList<int> ParameterReply::missing_control_codes() const {
    QList<int> out;
    for (int i = 0; i < control_codes.size(); ++i)
        if (!control_codes[i])
            out << i;
    return out;
}

QList<int> ParameterReply::missing_readback_codes() const {
    QList<int> out;
    for (int j = 0; j < readback_codes.size(); ++j)
        if (!readback_codes[j])
            out << j;
    return out;
}

// Parameter state reply, one number 0-255 per entry of `received_values`:
//
//   position     count  content
//   0            4N     value word of control i at 4i .. 4i+3, most significant first
//   4N           16     assignment code of control i at 4N + i (slots N..15 not read)
//   4N + 16      1      bypass assignment code
//   4N + 17      1      preset assignment code
//   4N + 18      4      assignment code of readback j at 4N + 18 + j (slots R..3 not read)
ParameterReply decode_parameter_reply(QByteArrayView received_values, int control_count,
                                      int readback_count) {
    const int n = std::clamp(control_count, 0, kMaxDescribedControls);
    const int r = std::clamp(readback_count, 0, kMaxReadbackCount);
    const qsizetype size = received_values.size();
    auto byte_at = [&](qsizetype at) -> std::optional<quint8> {
        if (at >= size)
            return std::nullopt;
        return quint8(received_values[at]);
    };

    ParameterReply reply;
    reply.expected_count = kValueWordBytes * n + kReplyTailCount;
    reply.received_count = int(std::min<qsizetype>(size, reply.expected_count));
    for (int i = 0; i < n; ++i) {
        const qsizetype at = qsizetype(kValueWordBytes) * i;
        if (at + kValueWordBytes <= size)
            reply.values << value_from_word(word_at(received_values, at));
        else
            reply.values << std::nullopt;
    }
    const qsizetype codes = qsizetype(kValueWordBytes) * n;
    for (int i = 0; i < std::min(n, kAssignableControls); ++i)
        reply.control_codes << byte_at(codes + i);
    reply.bypass_code = byte_at(codes + kAssignableControls);
    reply.preset_code = byte_at(codes + kAssignableControls + 1);
    for (int j = 0; j < r; ++j)
        reply.readback_codes << byte_at(codes + kAssignableControls + 2 + j);
    return reply;
}

namespace {

// Empty when every value of `reply` is one a control can have.
QString value_fault(const ParameterReply& reply) {
    for (int i = 0; i < reply.values.size(); ++i) {
        const std::optional<int>& value = reply.values.at(i);
        if (value && (*value < 0 || *value > kMaxControlValue))
            return ui_text("Params", kMessageReplyValue).arg(i + 1).arg(*value);
    }
    return {};
}

} // namespace

Result<ParameterReply> read_parameter_reply(QByteArrayView received_values, int control_count,
                                            int readback_count) {
    const ParameterReply first =
        decode_parameter_reply(received_values, control_count, readback_count);
    if (!first.complete())
        return Error{ui_text("Params", kMessageReplyShort)
                         .arg(first.received_count)
                         .arg(first.expected_count),
                     ErrorKind::BadReply};
    const QString first_fault = value_fault(first);
    const qsizetype extra = received_values.size() - first.expected_count;
    if (extra <= 0) {
        if (!first_fault.isEmpty())
            return Error{first_fault, ErrorKind::BadReply};
        return first;
    }
    const QByteArrayView tail = received_values.sliced(extra);
    const ParameterReply last = decode_parameter_reply(tail, control_count, readback_count);
    const bool first_fits = first_fault.isEmpty();
    const bool last_fits = value_fault(last).isEmpty();
    const bool same = tail == received_values.first(first.expected_count);
    if (first_fits && (!last_fits || same))
        return first;
    if (last_fits && !first_fits)
        return last;
    if (!first_fits)
        return Error{first_fault, ErrorKind::BadReply};
    return Error{ui_text("Params", kMessageReplyAmbiguous)
                     .arg(received_values.size())
                     .arg(first.expected_count),
                 ErrorKind::BadReply};
}

QStringList assignment_box_items(AssignmentBox box) {
    switch (box) {
    case AssignmentBox::Control:
        return item_list(kControlItems);
    case AssignmentBox::Readback:
        return item_list(kReadbackItems);
    case AssignmentBox::BypassOrPreset:
        break;
    }
    return item_list(kBypassItems);
}

int assignment_box_item(AssignmentBox box, quint8 code) {
    const int count = int(assignment_box_items(box).size());
    if (code == kUnassignedCode)
        return count - 1;
    const int item = int(code) - code_offset(box);
    return item >= 0 && item < count - 1 ? item : -1;
}

quint8 assignment_code(AssignmentBox box, int item) {
    const int count = int(assignment_box_items(box).size());
    if (item < 0 || item >= count - 1)
        return kUnassignedCode;
    return quint8(item + code_offset(box));
}

QString code_text(quint8 code) {
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace kx
