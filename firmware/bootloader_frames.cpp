#include "firmware/bootloader_frames.h"

namespace kx {

QByteArray command_frame(quint8 command) {
    QByteArray frame(2, '\0');
    frame[0] = char(command);
    frame[1] = char(command ^ 0xFF);
    return frame;
}

quint8 address_checksum(quint32 address) {
    return quint8((address >> 24) ^ (address >> 16) ^ (address >> 8) ^ address);
}

QByteArray address_frame(quint32 address) {
    QByteArray frame(5, '\0');
    for (int i = 0; i < 4; ++i)
        frame[i] = char(address >> (24 - 8 * i));
    frame[4] = char(address_checksum(address));
    return frame;
}

quint8 data_checksum(QByteArrayView data) {
    quint8 sum = quint8(data.size() - 1);
    for (const char byte : data)
        sum ^= quint8(byte);
    return sum;
}

QByteArray data_frame(QByteArrayView data) {
    if (data.isEmpty() || data.size() > kChunkBytes)
        return {};
    QByteArray frame;
    frame.reserve(data.size() + 2);
    frame.append(char(data.size() - 1));
    frame.append(data);
    frame.append(char(data_checksum(data)));
    return frame;
}

QByteArray read_count_frame(int count) {
    if (count < 1 || count > kChunkBytes)
        return {};
    return command_frame(quint8(count - 1));
}

std::optional<QByteArray> firmware_record(int firmware_number) {
    if (firmware_number != 1)
        return std::nullopt;
    QByteArray record(kRecordBytes, '\0');
    record[kRecordBytes - 1] = char(firmware_number);
    return record;
}

BootloaderAnswer classify_answer(QByteArrayView reply) {
    if (reply.isEmpty())
        return BootloaderAnswer::None;
    switch (quint8(reply.front())) {
    case kBootloaderAck:
        return BootloaderAnswer::Ack;
    case kBootloaderNack:
        return BootloaderAnswer::Nack;
    default:
        return BootloaderAnswer::Other;
    }
}

QString answer_text(QByteArrayView reply) {
    return reply.isEmpty() ? QString() : byte_text(quint8(reply.front()));
}

QString address_text(quint32 address) {
    return QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

QString byte_text(quint8 value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace kx
