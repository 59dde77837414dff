#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace kx {

// Byte layout of an effect image (multi-byte fields most significant byte first):
//
//   offset  size  content
//        0     3  L, the image length in bytes, this field included
//        3    32  address table: parameter word of controls 0..15, 0x0000 for absent controls
//       35    14  seven 16-bit words the editor does not use
//       49    74  zero, or for an effect of more than 16 controls the addresses of controls
//                 16 and on, 2 bytes each
//      123     1  R, readback count
//      124     1  effect version
//      125     1  0
//      126     1  effect number (its catalogue line)
//      127     1  N, control count
//      128        the signal processor's self-boot message stream, then zero bytes up to L
//
// The boot stream is always the same sequence of messages (write 0x01: type, count n of the
// bytes after it, device 0x00, register address, n - 3 data bytes; no-op 0x03; end 0x06):
//
//      128  write 0x081C (2 data bytes)
//      136  18 x no-op
//      154  write 0x0800 (32 data bytes)
//      192  write 0x0000, parameter memory: word k at byte 198 + 4k
//  195 + n  write 0x0400, program memory: 5 bytes per instruction
//     next  writes 0x081C..0x0827 (2, 1, 2, 1, 3, 3, 2, 2, 2, 2, 2, 2 data bytes)
//     next  write 0x081C (2 data bytes)
//     next  end
//
// The image is padded with zero bytes to a multiple of 32 and holds at most 65,536 bytes (the
// pedal link's send buffer).

inline constexpr int kImageHeaderSize = 128;
inline constexpr int kMaxImageSize = 65536;
inline constexpr int kImageAlignment = 32;

inline constexpr int kAddressTableOffset = 3;
inline constexpr int kAddressTableSlots = 16;
inline constexpr int kExtraAddressOffset = 49;
inline constexpr int kExtraAddressEnd = 123; // first byte after the extra address area
inline constexpr int kExtraAddressSlots = (kExtraAddressEnd - kExtraAddressOffset) / 2;
// Every control needs an address slot in the header: 16 in the table, 37 from byte 49.
inline constexpr int kMaxImageControls = kAddressTableSlots + kExtraAddressSlots;
inline constexpr int kMaxReadbacks = 4;

inline constexpr int kReadbackCountOffset = 123;
inline constexpr int kVersionOffset = 124;
inline constexpr int kReservedOffset = 125;
inline constexpr int kEffectNumberOffset = 126;
inline constexpr int kControlCountOffset = 127;

inline constexpr quint8 kMessageWrite = 0x01;
inline constexpr quint8 kMessageNoOperation = 0x03;
inline constexpr quint8 kMessageEnd = 0x06;
inline constexpr quint8 kDeviceByte = 0x00;
inline constexpr int kWriteOverhead = 6; // type, 2-byte count, device, 2-byte register address

inline constexpr int kParameterWriteOffset = 192;
inline constexpr int kParameterWordsOffset = kParameterWriteOffset + kWriteOverhead;
inline constexpr int kParameterWordBytes = 4;
inline constexpr int kInstructionBytes = 5;
// The signal processor holds 1024 parameter words from 0x0000 and 1024 instructions from 0x0400.
inline constexpr int kParameterMemoryWords = 1024;
inline constexpr int kProgramMemoryInstructions = 1024;
inline constexpr quint16 kParameterMemoryRegister = 0x0000;
inline constexpr quint16 kProgramMemoryRegister = 0x0400;

// Bytes of the smallest image the layout allows (no parameter words, no instructions), before
// padding.
int effect_image_overhead();

struct EffectImageInfo {
    quint32 length = 0;                 // L, bytes 0..2
    int readback_count = 0;             // byte 123
    int version = 0;                    // byte 124
    int effect_number = 0;              // byte 126
    int control_count = 0;              // byte 127
    QList<quint16> parameter_addresses; // control_count entries: slots 0..15 from byte 3,
                                        // 16.. from byte 49
    QList<quint32> parameter_words;     // the parameter-memory write's words (word k at 198+4k)
    int program_instruction_count = 0;  // 5-byte words of the program-memory write
    int program_offset = 0;             // byte of the program-memory write message
    int end_offset = 0;                 // byte of the end message
};

// Every violation of the layout, in words (empty when the image is valid).
QStringList validate_effect_image(const QByteArray& image);

// Reads the header and the memory writes; std::nullopt (with the reasons in *errors) if invalid.
std::optional<EffectImageInfo> parse_effect_image(const QByteArray& image,
                                                  QStringList* errors = nullptr);

// The stored text form of an image: upper-case hexadecimal, two digits per byte.
QString image_text(const QByteArray& bytes);

// Bytes of a hexadecimal text as the pedal link converts it: both letter cases, two digits per
// byte, stopping at the first pair that is not hexadecimal (or a lone last digit).
QByteArray image_bytes(QStringView text);

// Strict reading of an image text for tools: every character must be a hexadecimal digit and
// their count even. An error (BadInput) says where it is not.
Result<QByteArray> parse_image_text(QStringView text);

} // namespace kx
