#include "library/effect_image.h"

#include "base/hex_text.h"

#include <array>

namespace kx {

namespace {

struct RegisterWrite {
    quint16 address;
    int data_bytes;
};

constexpr RegisterWrite kFirstCoreControl{0x081C, 2};
constexpr int kNoOperationCount = 18;
constexpr RegisterWrite kInterfaceRegisters{0x0800, 32};
constexpr std::array<RegisterWrite, 13> kClosingWrites{{{0x081C, 2},
                                                        {0x081D, 1},
                                                        {0x081E, 2},
                                                        {0x081F, 1},
                                                        {0x0820, 3},
                                                        {0x0821, 3},
                                                        {0x0822, 2},
                                                        {0x0823, 2},
                                                        {0x0824, 2},
                                                        {0x0825, 2},
                                                        {0x0826, 2},
                                                        {0x0827, 2},
                                                        {0x081C, 2}}};

QString hex_value(int value, int digits) {
    return QStringLiteral("0x") +
           QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper();
}

QString hex2(int value) {
    return hex_value(value, 2);
}
QString hex4(int value) {
    return hex_value(value, 4);
}

QString byte_range(int first, int size) {
    return size == 1 ? QStringLiteral("byte %1").arg(first)
                     : QStringLiteral("bytes %1..%2").arg(first).arg(first + size - 1);
}

// Walks an image once, collecting every violation and, when there is none, its fields.
class ImageReader {
public:
    explicit ImageReader(const QByteArray& image) : m_image(image) {}

    QStringList errors;
    EffectImageInfo info;

    void run() {
        const int size = int(m_image.size());
        if (size < kImageHeaderSize) {
            errors << QStringLiteral("the image holds %1 bytes, fewer than the %2 bytes of its "
                                     "header")
                          .arg(size)
                          .arg(kImageHeaderSize);
            return;
        }
        check_size();
        check_header();
        if (read_stream())
            check_addresses();
    }

private:
    const QByteArray& m_image;

    int size() const { return int(m_image.size()); }
    int u8(int offset) const { return quint8(m_image.at(offset)); }
    int u16(int offset) const { return (u8(offset) << 8) | u8(offset + 1); }
    quint32 u32(int offset) const {
        return (quint32(u8(offset)) << 24) | (quint32(u8(offset + 1)) << 16) |
               (quint32(u8(offset + 2)) << 8) | quint32(u8(offset + 3));
    }

    void check_size() {
        info.length = (quint32(u8(0)) << 16) | (quint32(u8(1)) << 8) | quint32(u8(2));
        if (info.length != quint32(size()))
            errors << QStringLiteral("bytes 0..2: the length field says %1 bytes, but the image "
                                     "holds %2")
                          .arg(info.length)
                          .arg(size());
        if (size() > kMaxImageSize)
            errors << QStringLiteral("the image holds %1 bytes, more than the %2 that fit the "
                                     "send buffer")
                          .arg(size())
                          .arg(kMaxImageSize);
        if (size() % kImageAlignment != 0)
            errors << QStringLiteral("the image holds %1 bytes, not a multiple of %2")
                          .arg(size())
                          .arg(kImageAlignment);
    }

    void check_header() {
        info.readback_count = u8(kReadbackCountOffset);
        info.version = u8(kVersionOffset);
        info.effect_number = u8(kEffectNumberOffset);
        info.control_count = u8(kControlCountOffset);

        if (info.readback_count > kMaxReadbacks)
            errors << QStringLiteral("byte %1: readback count %2 is more than %3")
                          .arg(kReadbackCountOffset)
                          .arg(info.readback_count)
                          .arg(kMaxReadbacks);
        if (u8(kReservedOffset) != 0)
            errors << QStringLiteral("byte %1: expected 0x00, found %2")
                          .arg(kReservedOffset)
                          .arg(hex2(u8(kReservedOffset)));
        if (info.control_count > kMaxImageControls) {
            errors << QStringLiteral("byte %1: control count %2 is more than the %3 address "
                                     "slots of the header")
                          .arg(kControlCountOffset)
                          .arg(info.control_count)
                          .arg(kMaxImageControls);
        }
        const int n = qMin(info.control_count, kMaxImageControls);

        for (int i = n; i < kAddressTableSlots; ++i) {
            const int offset = kAddressTableOffset + 2 * i;
            if (u16(offset) != 0)
                errors << QStringLiteral("%1: address of absent control %2: expected 0x0000, "
                                         "found %3")
                              .arg(byte_range(offset, 2))
                              .arg(i)
                              .arg(hex4(u16(offset)));
        }

        // Past the addresses of controls 16 and on, the area up to byte 122 stays zero.
        const int extra = qMax(0, n - kAddressTableSlots);
        const int zero_from = kExtraAddressOffset + 2 * extra;
        for (int offset = zero_from; offset < kExtraAddressEnd; ++offset) {
            if (u8(offset) == 0)
                continue;
            errors << (extra == 0
                           ? QStringLiteral("byte %1: expected 0x00 (bytes 49..122 are zero for "
                                            "an effect of up to 16 controls), found %2")
                                 .arg(offset)
                                 .arg(hex2(u8(offset)))
                           : QStringLiteral("byte %1: expected 0x00 after the addresses of "
                                            "controls 16..%2, found %3")
                                 .arg(offset)
                                 .arg(n - 1)
                                 .arg(hex2(u8(offset))));
            break;
        }

        for (int i = 0; i < n; ++i)
            info.parameter_addresses << quint16(u16(address_offset(i)));
    }

    static int address_offset(int control) {
        return control < kAddressTableSlots
                   ? kAddressTableOffset + 2 * control
                   : kExtraAddressOffset + 2 * (control - kAddressTableSlots);
    }

    // Checks a write message's fixed fields. Returns the count field, or -1 when the message
    // does not fit in the image.
    int check_write(int offset, quint16 address, int expected_data_bytes) {
        const QString what =
            QStringLiteral("write to register %1 at byte %2").arg(hex4(address)).arg(offset);
        if (offset + kWriteOverhead > size()) {
            errors << QStringLiteral("%1 runs past the end of the image").arg(what);
            return -1;
        }
        if (u8(offset) != kMessageWrite)
            errors << QStringLiteral("byte %1: %2: expected message type %3, found %4")
                          .arg(offset)
                          .arg(what)
                          .arg(hex2(kMessageWrite))
                          .arg(hex2(u8(offset)));
        const int count = u16(offset + 1);
        if (expected_data_bytes >= 0 && count != 3 + expected_data_bytes)
            errors << QStringLiteral("%1: %2: expected byte count %3, found %4")
                          .arg(byte_range(offset + 1, 2))
                          .arg(what)
                          .arg(3 + expected_data_bytes)
                          .arg(count);
        if (u8(offset + 3) != kDeviceByte)
            errors << QStringLiteral("byte %1: %2: expected device byte %3, found %4")
                          .arg(offset + 3)
                          .arg(what)
                          .arg(hex2(kDeviceByte))
                          .arg(hex2(u8(offset + 3)));
        if (u16(offset + 4) != address)
            errors << QStringLiteral("%1: %2: expected register address %3, found %4")
                          .arg(byte_range(offset + 4, 2))
                          .arg(what)
                          .arg(hex4(address))
                          .arg(hex4(u16(offset + 4)));
        return count;
    }

    // A fixed-size write; the stream goes on at the place the fixed sequence puts the next one.
    bool fixed_write(int& offset, RegisterWrite write) {
        if (check_write(offset, write.address, write.data_bytes) < 0)
            return false;
        offset += kWriteOverhead + write.data_bytes;
        if (offset > size()) {
            errors << QStringLiteral("write to register %1 runs past the end of the image")
                          .arg(hex4(write.address));
            return false;
        }
        return true;
    }

    // A memory write of whole units; returns the unit count or -1 (then the rest of the stream
    // cannot be located).
    int memory_write(int offset, quint16 address, int unit_bytes, const char* unit_name,
                     int max_units) {
        const int count = check_write(offset, address, -1);
        if (count < 0)
            return -1;
        const int data = count - 3;
        if (data < 0 || data % unit_bytes != 0) {
            errors << QStringLiteral("%1: write to register %2 at byte %3: byte count %4 is not "
                                     "3 plus whole %5 of %6 bytes")
                          .arg(byte_range(offset + 1, 2))
                          .arg(hex4(address))
                          .arg(offset)
                          .arg(count)
                          .arg(QLatin1String(unit_name))
                          .arg(unit_bytes);
            return -1;
        }
        if (offset + 3 + count > size()) {
            errors << QStringLiteral("write to register %1 at byte %2 runs past the end of the "
                                     "image: its %3 bytes end at byte %4, the image holds %5")
                          .arg(hex4(address))
                          .arg(offset)
                          .arg(count + 3)
                          .arg(offset + 3 + count - 1)
                          .arg(size());
            return -1;
        }
        const int units = data / unit_bytes;
        if (units > max_units)
            errors << QStringLiteral("write to register %1 at byte %2 holds %3 %4, more than "
                                     "the %5 of the memory")
                          .arg(hex4(address))
                          .arg(offset)
                          .arg(units)
                          .arg(QLatin1String(unit_name))
                          .arg(max_units);
        return units;
    }

    bool read_stream() {
        int offset = kImageHeaderSize;
        if (!fixed_write(offset, kFirstCoreControl))
            return false;
        if (offset + kNoOperationCount > size()) {
            errors << QStringLiteral("the %1 no-operation messages from byte %2 run past the end "
                                     "of the image, which holds %3 bytes")
                          .arg(kNoOperationCount)
                          .arg(offset)
                          .arg(size());
            return false;
        }
        for (int i = 0; i < kNoOperationCount; ++i, ++offset) {
            if (u8(offset) != kMessageNoOperation)
                errors << QStringLiteral("byte %1: expected no-operation message %2, found %3")
                              .arg(offset)
                              .arg(hex2(kMessageNoOperation))
                              .arg(hex2(u8(offset)));
        }
        if (!fixed_write(offset, kInterfaceRegisters))
            return false;

        const int words = memory_write(offset, kParameterMemoryRegister, kParameterWordBytes,
                                       "words", kParameterMemoryWords);
        if (words < 0)
            return false;
        for (int k = 0; k < words; ++k)
            info.parameter_words << u32(kParameterWordsOffset + kParameterWordBytes * k);
        offset = kParameterWordsOffset + kParameterWordBytes * words;

        info.program_offset = offset;
        const int instructions = memory_write(offset, kProgramMemoryRegister, kInstructionBytes,
                                              "instructions", kProgramMemoryInstructions);
        if (instructions < 0)
            return false;
        info.program_instruction_count = instructions;
        offset += kWriteOverhead + kInstructionBytes * instructions;

        for (const RegisterWrite& write : kClosingWrites) {
            if (!fixed_write(offset, write))
                return false;
        }

        if (offset >= size()) {
            errors << QStringLiteral("the image ends at byte %1 without its end message")
                          .arg(size() - 1);
            return false;
        }
        info.end_offset = offset;
        if (u8(offset) != kMessageEnd)
            errors << QStringLiteral("byte %1: expected end message %2, found %3")
                          .arg(offset)
                          .arg(hex2(kMessageEnd))
                          .arg(hex2(u8(offset)));
        check_padding(offset + 1);
        return true;
    }

    void check_padding(int from) {
        int first = -1;
        int count = 0;
        for (int offset = from; offset < size(); ++offset) {
            if (u8(offset) == 0)
                continue;
            if (first < 0)
                first = offset;
            ++count;
        }
        if (first >= 0)
            errors << QStringLiteral("bytes %1..%2 after the end message must be zero: %3 are "
                                     "not, the first at byte %4 (%5)")
                          .arg(from)
                          .arg(size() - 1)
                          .arg(count)
                          .arg(first)
                          .arg(hex2(u8(first)));
    }

    void check_addresses() {
        const int words = int(info.parameter_words.size());
        for (int i = 0; i < info.parameter_addresses.size(); ++i) {
            const int address = info.parameter_addresses.at(i);
            if (address >= words)
                errors << QStringLiteral("%1: address of control %2 is word %3, outside the "
                                         "parameter memory of %4 words")
                              .arg(byte_range(address_offset(i), 2))
                              .arg(i)
                              .arg(address)
                              .arg(words);
        }
    }
};

} // namespace

int effect_image_overhead() {
    int bytes = kImageHeaderSize + kWriteOverhead + kFirstCoreControl.data_bytes +
                kNoOperationCount + kWriteOverhead + kInterfaceRegisters.data_bytes +
                2 * kWriteOverhead + 1;
    for (const RegisterWrite& write : kClosingWrites)
        bytes += kWriteOverhead + write.data_bytes;
    return bytes;
}

QStringList validate_effect_image(const QByteArray& image) {
    ImageReader reader(image);
    reader.run();
    return reader.errors;
}

std::optional<EffectImageInfo> parse_effect_image(const QByteArray& image, QStringList* errors) {
    ImageReader reader(image);
    reader.run();
    if (errors)
        *errors = reader.errors;
    if (!reader.errors.isEmpty())
        return std::nullopt;
    return reader.info;
}

QString image_text(const QByteArray& bytes) {
    return bytes_to_hex(bytes);
}

QByteArray image_bytes(QStringView text) {
    return hex_to_byte_array(text);
}

Result<QByteArray> parse_image_text(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (hex_nibble(text[i]) < 0)
            return Error{QStringLiteral("character %1 (byte %2) is not a hexadecimal digit: %3")
                             .arg(i + 1)
                             .arg(i / 2)
                             .arg(hex4(text[i].unicode())),
                         ErrorKind::BadInput};
    }
    if (text.size() % 2 != 0)
        return Error{
            QStringLiteral("the text holds %1 hexadecimal digits, an odd number").arg(text.size()),
            ErrorKind::BadInput};
    return image_bytes(text);
}

} // namespace kx
