#include "link/pedal_commands.h"

#include "base/hex_text.h"
#include "base/translation.h"

#include <algorithm>

namespace kx {

namespace {

constexpr int kMidiChannels = 16;
constexpr int kInfoLines = 4;

QByteArray two_bytes(char command, int argument) {
    QByteArray message(2, '\0');
    message[0] = command;
    message[1] = static_cast<char>(argument & 0xFF);
    return message;
}

} // namespace

QByteArray parameter_request_message(int control_count) {
    return two_bytes(kCommandParameterRequest, control_count);
}

QByteArray store_settings_message(int control_count) {
    return two_bytes(kCommandStoreSettings, control_count);
}

QByteArray effect_information_message() {
    return two_bytes(kCommandEffectInformation, 0);
}

QStringList midi_channel_items() {
    QStringList items{QString::fromLatin1(kTextMidiOmni)};
    for (int channel = 1; channel <= kMidiChannels; ++channel)
        items << QString::number(channel);
    return items;
}

Result<QByteArray> midi_channel_message(const QString& caption) {
    if (caption == QLatin1String(kTextMidiOmni))
        return two_bytes(kCommandMidiChannel, 0);
    bool ok = false;
    const int channel = caption.toInt(&ok);
    if (!ok || channel < 1 || channel > kMidiChannels || caption != QString::number(channel))
        return Error{ui_text("Link", kMessageBadMidiChannel).arg(caption)};
    return two_bytes(kCommandMidiChannel, channel);
}

QString message_hex(const QByteArray& message) {
    return bytes_to_hex(message);
}

Result<EffectInfo> parse_effect_info(const QByteArray& reply) {
    // Each line ends in CR LF; a reply of fewer lines than four is not the one asked for.
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (lines.size() < kInfoLines) {
        const qsizetype cr = reply.indexOf('\r', start);
        if (cr < 0)
            break;
        lines << reply.mid(start, cr - start);
        start = cr + 2;
    }
    if (lines.size() < kInfoLines)
        return Error{ui_text("Link", kMessageInfoLines).arg(lines.size())};
    int numbers[3] = {};
    for (int i = 1; i < kInfoLines; ++i) {
        bool ok = false;
        const QByteArray line = lines[i];
        const int number = line.toInt(&ok);
        // Only plain decimal digits, as the pedal writes them.
        const bool digits = !line.isEmpty() && std::all_of(line.begin(), line.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        if (!ok || !digits)
            return Error{ui_text("Link", kMessageInfoNumber)
                             .arg(i + 1)
                             .arg(QString::fromLatin1(line.left(40)))};
        numbers[i - 1] = number;
    }
    return EffectInfo{numbers[0], numbers[1], numbers[2]};
}

QStringList effect_info_log_lines(const EffectInfo& info) {
    return {
        QString::fromLatin1(kLogEffectNumberDec) + QString::number(info.pedal_effect_number),
        QString::fromLatin1(kLogEffectNumberHex) +
            QStringLiteral("%1")
                .arg(static_cast<quint32>(info.pedal_effect_number), 8, 16, QLatin1Char('0'))
                .toUpper(),
        QString::fromLatin1(kLogEffectVersion) + QString::number(info.pedal_effect_version),
        QString::fromLatin1(kLogFirmwareVersion) + QString::number(info.pedal_firmware_version),
    };
}

} // namespace kx
