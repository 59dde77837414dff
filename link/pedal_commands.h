#pragma once

#include "base/result.h"
#include "base/translation.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kx {

// The command messages of the running firmware: one command byte, then its argument bytes,
// with no framing around them.
//
// | Code | Message                  | Bytes | Answer                      |
// |------|--------------------------|-------|-----------------------------|
// | 0x02 | parameter request, N     | 2     | 4N + 22 value lines         |
// | 0x03 | store settings, N        | 2     | none                        |
// | 0x05 | effect information, 0x00 | 2     | four text lines             |
// | 0x07 | MIDI channel, 0x00..0x10 | 2     | none                        |
inline constexpr char kCommandParameterRequest = 0x02;
inline constexpr char kCommandStoreSettings = 0x03;
inline constexpr char kCommandEffectInformation = 0x05;
inline constexpr char kCommandMidiChannel = 0x07;

inline constexpr char kLogStoreSettings[] = "Store settings message (HEX): ";
inline constexpr char kLogMidiChannel[] = "Midi channel: ";
inline constexpr char kLogEffectNumberDec[] = "effect number DEC: ";
inline constexpr char kLogEffectNumberHex[] = "effect number HEX: ";
inline constexpr char kLogEffectVersion[] = "effect version: ";
inline constexpr char kLogFirmwareVersion[] = "firmware version: ";
inline constexpr char kTextFirmwareVersion[] = QT_TRANSLATE_NOOP("Link", "Firmware Version: ");
inline constexpr char kTextMidiOmni[] = "OMNI";

inline constexpr char kMessageInfoLines[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal's effect information reply cannot be read: it holds %1 lines where 4 were "
            "expected.");
inline constexpr char kMessageInfoNumber[] = QT_TRANSLATE_NOOP(
    "Link",
    "The pedal's effect information reply cannot be read: line %1 (\"%2\") is not a number.");
inline constexpr char kMessageBadMidiChannel[] =
    QT_TRANSLATE_NOOP("Link", "\"%1\" is not a MIDI channel: give 1 to 16, or OMNI.");

// N is the open effect's control count, at most 255.
QByteArray parameter_request_message(int control_count);
QByteArray store_settings_message(int control_count);
QByteArray effect_information_message();

// The captions of the MIDI channel menu, in order: "OMNI", then "1" to "16".
QStringList midi_channel_items();
// The message for one of those captions; anything else is refused.
Result<QByteArray> midi_channel_message(const QString& caption);

// Upper-case hexadecimal text of a message, as the log shows it.
QString message_hex(const QByteArray& message);

// What the pedal says it runs.
struct EffectInfo {
    int pedal_effect_number = 0;
    int pedal_effect_version = 0;
    int pedal_firmware_version = 0;
};

// Reads the four-line effect information reply: line 1 is not used; lines 2 to 4 are the
// effect number, the effect version and the firmware version in decimal.
Result<EffectInfo> parse_effect_info(const QByteArray& reply);

// The log lines of a parsed reply, in order.
QStringList effect_info_log_lines(const EffectInfo& info);

} // namespace kx
