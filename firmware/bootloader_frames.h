#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace kx {

// The bytes of the microcontroller's serial bootloader that the upgrade uses.
//
//   byte(s)  name                 direction
//   7F       synchronisation      editor -> pedal, once, by the connection's bootloader check
//   79       ACK                  pedal -> editor
//   1F       NACK                 pedal -> editor
//   43 BC    Erase Memory         command and its complement
//   FF 00    global erase         erase parameter (all pages) and its checksum
//   31 CE    Write Memory         command and its complement
//   11 EE    Read Memory          command and its complement
//   21 DE    Go                   command and its complement
//   00 FF    Get                  command and its complement: version and commands
//   02 FD    Get ID               command and its complement: the chip's product ID
inline constexpr quint8 kBootloaderAck = 0x79;
inline constexpr quint8 kBootloaderNack = 0x1F;
inline constexpr quint8 kEraseMemory = 0x43;
inline constexpr quint8 kGlobalErase = 0xFF;
inline constexpr quint8 kWriteMemory = 0x31;
inline constexpr quint8 kReadMemory = 0x11;
inline constexpr quint8 kGo = 0x21;
inline constexpr quint8 kGet = 0x00;
inline constexpr quint8 kGetId = 0x02;

// Flash layout: the image from the flash base upward, one chunk of 256 bytes per Write Memory,
// and an 8-byte record in the last page.
inline constexpr quint32 kImageAddress = 0x08000000;
inline constexpr quint32 kRecordAddress = 0x0801FC00;
inline constexpr int kChunkBytes = 256;
inline constexpr int kMaxChunks = 512;
// An image must end below the record's page, which is erased with the rest and then written.
inline constexpr qsizetype kMaxImageBytes = qsizetype(kRecordAddress - kImageAddress);
inline constexpr int kRecordBytes = 8;

// A command byte followed by its complement.
QByteArray command_frame(quint8 command);

// Address frame, five bytes:
//   0..3  the address, most significant byte first
//   4     XOR of bytes 0..3
QByteArray address_frame(quint32 address);
quint8 address_checksum(quint32 address);

// Data frame of Write Memory, N + 2 bytes for N data bytes (1 to 256):
//   0      N - 1
//   1..N   the data
//   N + 1  XOR of byte 0 and all data bytes
// Empty for a size outside 1..256.
QByteArray data_frame(QByteArrayView data);
quint8 data_checksum(QByteArrayView data);

// Count frame of Read Memory for N bytes (1 to 256): N - 1, then its complement.
QByteArray read_count_frame(int count);

// The record written after the image for a firmware number; only number 1 has one.
std::optional<QByteArray> firmware_record(int firmware_number);

// What the bootloader's first answer byte says.
enum class BootloaderAnswer { Ack, Nack, Other, None };
BootloaderAnswer classify_answer(QByteArrayView reply);
// The first byte of a reply as two upper-case hex digits, empty for no reply.
QString answer_text(QByteArrayView reply);

// An 8-digit upper-case hex address, as the log writes it ("0801FC00").
QString address_text(quint32 address);
// A 2-digit upper-case hex byte ("F5").
QString byte_text(quint8 value);

} // namespace kx
