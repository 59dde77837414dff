#include "sim/pedal_firmware.h"

#include <utility>

#include "library/effect_image.h"
#include "sim/player_command.h"

#include <algorithm>

namespace kx::sim {

namespace {

enum Command : quint8 {
    kImage = 0x00,
    kParameterWrite = 0x01,
    kParameterRequest = 0x02,
    kStoreSettings = 0x03,
    kAssign = 0x04,
    kInformation = 0x05,
    kMidiChannel = 0x07,
    kBypass = 0x0D,
};

constexpr int kImageLengthFieldBytes = 3;
constexpr int kParameterWriteLength = 7;
constexpr int kShortMessageLength = 2;
constexpr int kAssignLength = 1 + kAssignableControls + kAssignableReadbacks + 2;
constexpr int kHighestMidiChannel = 16;

quint16 be16(const QByteArray& bytes, int at) {
    return quint16((quint8(bytes[at]) << 8) | quint8(bytes[at + 1]));
}

quint32 be32(const QByteArray& bytes, int at) {
    return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
           (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
}

void append_line(QByteArray& reply, int number) {
    reply += QByteArray::number(number);
    reply += "\r\n";
}

RunningEffect empty_effect() {
    RunningEffect effect;
    effect.parameter_memory.fill(0, kParameterMemoryWordCount);
    return effect;
}

} // namespace

PedalFirmware::PedalFirmware(PedalStorage& storage, PedalContext& context)
    : m_storage(storage), m_context(context), m_effect(empty_effect()) {}

void PedalFirmware::start(quint32 firmware_version) {
    m_firmware_version = firmware_version;
    m_bypassed = false;
    m_message.clear();
    m_discarding = false;
    m_busy_until_us = 0;
    m_effect = empty_effect();
    // A boot image that no longer loads leaves the processor with the empty effect.
    if (!m_storage.effect_image.isEmpty() && !load_image(m_storage.effect_image, nullptr))
        m_effect = empty_effect();
    apply_stored_settings();
}

int PedalFirmware::message_length() const {
    switch (quint8(m_message[0])) {
    case kImage:
        if (m_message.size() < kImageLengthFieldBytes)
            return kImageLengthFieldBytes;
        return std::max<int>(kImageLengthFieldBytes, (quint8(m_message[0]) << 16) |
                                                         (quint8(m_message[1]) << 8) |
                                                         quint8(m_message[2]));
    case kParameterWrite:
        return kParameterWriteLength;
    case kAssign:
        return kAssignLength;
    case kParameterRequest:
    case kStoreSettings:
    case kInformation:
    case kMidiChannel:
    case kBypass:
        return kShortMessageLength;
    default:
        return 0;
    }
}

void PedalFirmware::drop_message(qint64 at_us, const QString& why) {
    m_context.tell(at_us, QStringLiteral("dropped %1 byte(s): %2").arg(m_message.size()).arg(why));
    m_message.clear();
    m_discarding = false;
}

void PedalFirmware::receive(const TimedByte& byte, std::vector<PendingReply>& replies) {
    if (!m_message.isEmpty() && byte.at_us - m_last_byte_us >= kQuietGap_us)
        drop_message(m_last_byte_us + kQuietGap_us,
                     m_discarding ? QStringLiteral("unknown command")
                                  : QStringLiteral("message left unfinished"));
    m_last_byte_us = byte.at_us;
    m_message.append(char(byte.value));
    if (m_discarding)
        return;
    const int length = message_length();
    if (length == 0) {
        // Without a known length nothing after this byte can be framed until the line rests.
        m_discarding = true;
        return;
    }
    if (m_message.size() == length)
        execute(byte.at_us, replies);
}

void PedalFirmware::answer(qint64 at_us, qint64 work_us, const QByteArray& bytes,
                           std::vector<PendingReply>& replies) {
    const qint64 start_us = std::max(at_us, m_busy_until_us);
    m_busy_until_us = start_us + m_context.work_us(work_us);
    if (!bytes.isEmpty())
        replies.push_back({m_busy_until_us + m_context.extra_delay_us, bytes});
}

void PedalFirmware::execute(qint64 at_us, std::vector<PendingReply>& replies) {
    QByteArray message = m_message;
    m_message.clear();
    const int argument = message.size() > 1 ? quint8(message[1]) : 0;
    switch (quint8(message[0])) {
    case kImage:
        // Exactly the image's bytes: the stored copy keeps no spare room, and a read past the
        // image is a read past its block, which the address sanitizer reports.
        message.squeeze();
        upload(message, at_us, replies);
        break;
    case kParameterWrite:
        write_parameter(be16(message, 1), be32(message, 3), at_us);
        answer(at_us, 0, {}, replies);
        break;
    case kParameterRequest:
        m_context.tell(at_us, QStringLiteral("parameter request for %1 controls").arg(argument));
        answer(at_us, kParameterReplyWork_us, parameter_reply(argument), replies);
        break;
    case kStoreSettings:
        m_context.tell(at_us, QStringLiteral("store settings of %1 controls for effect %2")
                                  .arg(argument)
                                  .arg(m_effect.number));
        store_settings(argument);
        answer(at_us, kStoreSettingsWork_us, {}, replies);
        break;
    case kAssign:
        m_context.tell(at_us, QStringLiteral("assignments %1")
                                  .arg(QString::fromLatin1(message.mid(1).toHex(' ').toUpper())));
        set_assignments(message.mid(1));
        answer(at_us, 0, {}, replies);
        break;
    case kInformation:
        m_context.tell(at_us, QStringLiteral("information request"));
        answer(at_us, kInfoReplyWork_us, information_reply(), replies);
        break;
    case kMidiChannel:
        if (argument <= kHighestMidiChannel) {
            m_storage.midi_channel = argument;
            m_context.tell(at_us, QStringLiteral("MIDI channel %1").arg(argument));
        } else {
            m_context.tell(at_us, QStringLiteral("MIDI channel %1 ignored").arg(argument));
        }
        break;
    case kBypass:
        if (argument <= 1) {
            m_bypassed = argument == 0;
            m_context.tell(at_us, m_bypassed ? QStringLiteral("bypass engaged")
                                             : QStringLiteral("bypass released"));
        } else {
            m_context.tell(at_us, QStringLiteral("bypass argument %1 ignored").arg(argument));
        }
        break;
    }
}

void PedalFirmware::upload(const QByteArray& image, qint64 at_us,
                           std::vector<PendingReply>& replies) {
    if (std::exchange(m_context.drop_next_upload, false)) {
        m_context.tell(
            at_us, QStringLiteral("injected fault: upload of %1 bytes dropped").arg(image.size()));
        answer(at_us, kUploadLoadWork_us, kUploadLoadedReply, replies);
        return;
    }
    QStringList errors;
    if (!load_image(image, &errors)) {
        m_context.tell(at_us, QStringLiteral("upload of %1 bytes rejected: %2")
                                  .arg(image.size())
                                  .arg(errors.join(QStringLiteral("; "))));
        answer(at_us, kUploadRejectWork_us, kUploadRejectedReply, replies);
        return;
    }
    m_storage.effect_image = image;
    apply_stored_settings();
    m_bypassed = false;
    m_context.tell(at_us, QStringLiteral("upload of %1 bytes: effect %2 version %3 loaded")
                              .arg(image.size())
                              .arg(m_effect.number)
                              .arg(m_effect.version));
    const qint64 work_us = kUploadLoadWork_us + image.size() * kUploadLoadWorkPerByte_ns / 1000;
    answer(at_us, work_us, kUploadLoadedReply, replies);
}

bool PedalFirmware::load_image(const QByteArray& image, QStringList* errors) {
    const std::optional<EffectImageInfo> info = parse_effect_image(image, errors);
    if (!info)
        return false;
    RunningEffect effect = empty_effect();
    effect.number = info->effect_number;
    effect.version = info->version;
    effect.control_count = info->control_count;
    effect.readback_count = info->readback_count;
    effect.parameter_addresses = info->parameter_addresses;
    const qsizetype words =
        std::min<qsizetype>(info->parameter_words.size(), kParameterMemoryWordCount);
    std::copy_n(info->parameter_words.cbegin(), words, effect.parameter_memory.begin());
    m_effect = effect;
    return true;
}

void PedalFirmware::apply_stored_settings() {
    const auto stored = m_storage.settings.find(m_effect.number);
    if (stored == m_storage.settings.end())
        return;
    for (const auto& [address, word] : stored->second.words) {
        if (address < kParameterMemoryWordCount)
            m_effect.parameter_memory[address] = word;
    }
    m_effect.assignments = stored->second.assignments;
}

// The parameter state reply, one decimal number a line:
//
//   lines       content
//   0 .. 4N-1   value word of control i at 4i .. 4i+3, most significant byte first
//   4N          16 control assignment codes
//   4N + 16     bypass assignment code
//   4N + 17     preset assignment code
//   4N + 18     4 readback assignment codes
QByteArray PedalFirmware::parameter_reply(int control_count) const {
    QByteArray reply;
    for (int i = 0; i < control_count; ++i) {
        const quint16 address = m_effect.address_of(i);
        const quint32 word =
            address < kParameterMemoryWordCount ? m_effect.parameter_memory[address] : 0;
        for (int shift = 24; shift >= 0; shift -= 8)
            append_line(reply, int((word >> shift) & 0xFF));
    }
    const Assignments& codes = m_effect.assignments;
    for (quint8 code : codes.controls)
        append_line(reply, code);
    append_line(reply, codes.bypass);
    append_line(reply, codes.preset);
    for (quint8 code : codes.readbacks)
        append_line(reply, code);
    return reply;
}

QByteArray PedalFirmware::information_reply() const {
    QByteArray reply = QByteArray(kProductLine) + "\r\n";
    append_line(reply, m_effect.number);
    append_line(reply, m_effect.version);
    append_line(reply, int(m_firmware_version));
    return reply;
}

void PedalFirmware::store_settings(int control_count) {
    StoredSettings stored;
    for (int i = 0; i < control_count; ++i) {
        const quint16 address = m_effect.address_of(i);
        if (address < kParameterMemoryWordCount)
            stored.words[address] = m_effect.parameter_memory[address];
    }
    stored.assignments = m_effect.assignments;
    m_storage.settings[m_effect.number] = stored;
}

void PedalFirmware::write_parameter(quint16 address, quint32 word, qint64 at_us) {
    if (address >= kParameterMemoryWordCount) {
        m_context.tell(
            at_us, QStringLiteral("parameter write to %1 outside the memory ignored").arg(address));
        return;
    }
    m_effect.parameter_memory[address] = word;
    m_context.tell(at_us, QStringLiteral("parameter %1 = %2")
                              .arg(address, 4, 16, QLatin1Char('0'))
                              .arg(word, 8, 16, QLatin1Char('0')));
}

int PedalFirmware::turn_control(int code, int value, qint64 at_us) {
    constexpr quint32 kValueStep = 8192; // the value word of value v is v * 8192
    if (code < 0 || code >= kPedalControlCodes || value < 0 || value > kMaxControlValue)
        return -1;
    int followed = 0;
    const int controls = std::min(m_effect.control_count, kAssignableControls);
    for (int i = 0; i < controls; ++i) {
        if (m_effect.assignments.controls[i] != code)
            continue;
        const quint16 address = m_effect.address_of(i);
        if (address < kParameterMemoryWordCount) {
            m_effect.parameter_memory[address] = quint32(value) * kValueStep;
            ++followed;
        }
    }
    m_context.tell(at_us, QStringLiteral("pedal control %1 turned to %2: %3 controls follow")
                              .arg(code)
                              .arg(value)
                              .arg(followed));
    return followed;
}

// Assignment message after its command byte (the reply has bypass and preset before the
// readbacks; the message has them after):
//
//   offset  size  content
//   0       16    control assignment codes
//   16      4     readback assignment codes
//   20      1     bypass assignment code
//   21      1     preset assignment code
void PedalFirmware::set_assignments(const QByteArray& codes) {
    Assignments assignments;
    for (int i = 0; i < kAssignableControls; ++i)
        assignments.controls[i] = quint8(codes[i]);
    for (int j = 0; j < kAssignableReadbacks; ++j)
        assignments.readbacks[j] = quint8(codes[kAssignableControls + j]);
    assignments.bypass = quint8(codes[kAssignableControls + kAssignableReadbacks]);
    assignments.preset = quint8(codes[kAssignableControls + kAssignableReadbacks + 1]);
    m_effect.assignments = assignments;
}

} // namespace kx::sim
