#include "library/effect_image_builder.h"

#include "library/effect_image.h"

#include <QHash>
#include <QRegularExpression>

namespace kx {

namespace {

// Register values of the boot sequence. The first write of the core control register halts
// the processor while it is loaded; the last one starts it.
constexpr quint8 kCoreControlHalt[] = {0x00, 0x00};
constexpr quint8 kCoreControlRun[] = {0x00, 0x1C};

class ImageWriter {
public:
    QByteArray bytes;

    void u8(int value) { bytes.append(char(value & 0xFF)); }
    void u16(int value) {
        u8(value >> 8);
        u8(value);
    }
    void u32(quint32 value) {
        u16(int(value >> 16));
        u16(int(value & 0xFFFF));
    }
    void write_header(quint16 address, int data_bytes) {
        u8(kMessageWrite);
        u16(3 + data_bytes);
        u8(kDeviceByte);
        u16(address);
    }
    void write(quint16 address, QByteArray data) {
        write_header(address, int(data.size()));
        bytes.append(data);
    }
    void put16(int offset, int value) {
        bytes[offset] = char((value >> 8) & 0xFF);
        bytes[offset + 1] = char(value & 0xFF);
    }
};

QByteArray zeros(int count) {
    return QByteArray(count, '\0');
}

QByteArray from(const quint8* data, int count) {
    return QByteArray(reinterpret_cast<const char*>(data), count);
}

} // namespace

std::optional<QByteArray> build_effect_image(const EffectImageDescription& d, QStringList* errors) {
    QStringList problems;
    const int n = int(d.controls.size());
    if (n > kMaxImageControls)
        problems << QStringLiteral("%1 controls, more than the %2 address slots of the header")
                        .arg(n)
                        .arg(kMaxImageControls);
    if (d.readback_count < 0 || d.readback_count > kMaxReadbacks)
        problems << QStringLiteral("readback count %1 is outside 0..%2")
                        .arg(d.readback_count)
                        .arg(kMaxReadbacks);
    if (d.effect_number < 0 || d.effect_number > 255 || d.version < 0 || d.version > 255)
        problems << QStringLiteral("effect number and version must each fit in one byte");
    if (d.parameter_memory.size() > kParameterMemoryWords)
        problems << QStringLiteral("%1 parameter words, more than the %2 of the memory")
                        .arg(d.parameter_memory.size())
                        .arg(kParameterMemoryWords);
    if (d.program.size() > kProgramMemoryInstructions)
        problems << QStringLiteral("%1 instructions, more than the %2 of the program memory")
                        .arg(d.program.size())
                        .arg(kProgramMemoryInstructions);

    QList<quint32> memory = d.parameter_memory;
    QHash<int, int> owner; // parameter word -> first control on it
    for (int i = 0; i < n; ++i) {
        const ImageControl& c = d.controls.at(i);
        if (c.address >= memory.size()) {
            problems << QStringLiteral("control %1: address %2 is outside the parameter memory "
                                       "of %3 words")
                            .arg(i)
                            .arg(c.address)
                            .arg(memory.size());
            continue;
        }
        const auto it = owner.constFind(c.address);
        if (it != owner.constEnd() && d.controls.at(*it).starting_value != c.starting_value) {
            problems << QStringLiteral("controls %1 and %2 share word %3 but start at different "
                                       "values")
                            .arg(*it)
                            .arg(i)
                            .arg(c.address);
            continue;
        }
        owner.insert(c.address, i);
        memory[c.address] = c.starting_value;
    }
    if (!problems.isEmpty()) {
        if (errors)
            *errors = problems;
        return std::nullopt;
    }

    ImageWriter w;
    w.bytes = zeros(kImageHeaderSize);
    for (int i = 0; i < n; ++i) {
        const int offset = i < kAddressTableSlots
                               ? kAddressTableOffset + 2 * i
                               : kExtraAddressOffset + 2 * (i - kAddressTableSlots);
        w.put16(offset, d.controls.at(i).address);
    }
    w.bytes[kReadbackCountOffset] = char(d.readback_count);
    w.bytes[kVersionOffset] = char(d.version);
    w.bytes[kEffectNumberOffset] = char(d.effect_number);
    w.bytes[kControlCountOffset] = char(n);

    w.write(0x081C, from(kCoreControlHalt, 2));
    w.bytes.append(QByteArray(18, char(kMessageNoOperation)));
    w.write(0x0800, zeros(32));

    w.write_header(kParameterMemoryRegister, kParameterWordBytes * int(memory.size()));
    for (quint32 word : memory)
        w.u32(word);
    w.write_header(kProgramMemoryRegister, kInstructionBytes * int(d.program.size()));
    for (quint64 instruction : d.program) {
        w.u8(int(instruction >> 32));
        w.u32(quint32(instruction & 0xFFFFFFFFu));
    }

    w.write(0x081C, zeros(2));
    w.write(0x081D, zeros(1));
    w.write(0x081E, zeros(2));
    w.write(0x081F, zeros(1));
    w.write(0x0820, zeros(3));
    w.write(0x0821, zeros(3));
    w.write(0x0822, zeros(2));
    w.write(0x0823, zeros(2));
    w.write(0x0824, zeros(2));
    w.write(0x0825, zeros(2));
    w.write(0x0826, zeros(2));
    w.write(0x0827, zeros(2));
    w.write(0x081C, from(kCoreControlRun, 2));
    w.u8(kMessageEnd);

    const int padded =
        (int(w.bytes.size()) + kImageAlignment - 1) / kImageAlignment * kImageAlignment;
    w.bytes.append(zeros(padded - int(w.bytes.size())));
    w.bytes[0] = char((padded >> 16) & 0xFF);
    w.put16(1, padded & 0xFFFF);

    // The layout rules live in the validator; a description that passes the checks above but
    // still makes a bad image is a fault of this builder, reported rather than shipped.
    const QStringList invalid = validate_effect_image(w.bytes);
    if (!invalid.isEmpty()) {
        if (errors)
            *errors = invalid;
        return std::nullopt;
    }
    if (errors)
        errors->clear();
    return w.bytes;
}

namespace {

std::optional<qint64> parse_number(const QString& text, qint64 max) {
    bool ok = false;
    const qint64 value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                             ? text.mid(2).toLongLong(&ok, 16)
                             : text.toLongLong(&ok, 10);
    if (!ok || value < 0 || value > max)
        return std::nullopt;
    return value;
}

std::optional<quint64> parse_hex(const QString& text, int digits) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (text.size() != digits || !hex.match(text).hasMatch())
        return std::nullopt;
    return text.toULongLong(nullptr, 16);
}

} // namespace

std::optional<EffectImageDescription> parse_image_description(const QStringList& lines,
                                                              QStringList* errors) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    EffectImageDescription d;
    QStringList problems;
    for (int index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        const QStringList f = line.split(blanks, Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        const QString where = QStringLiteral("line %1").arg(index + 1);
        const QString& key = f.first();
        auto bad = [&](const QString& why) { problems << where + QStringLiteral(": ") + why; };
        auto single = [&](qint64 max) -> std::optional<qint64> {
            if (f.size() != 2) {
                bad(QStringLiteral("\"%1\" takes one number").arg(key));
                return std::nullopt;
            }
            const auto v = parse_number(f.at(1), max);
            if (!v)
                bad(QStringLiteral("\"%1\" is not a number from 0 to %2").arg(f.at(1)).arg(max));
            return v;
        };

        if (key == QLatin1String("effect")) {
            if (const auto v = single(255))
                d.effect_number = int(*v);
        } else if (key == QLatin1String("version")) {
            if (const auto v = single(255))
                d.version = int(*v);
        } else if (key == QLatin1String("readbacks")) {
            if (const auto v = single(kMaxReadbacks))
                d.readback_count = int(*v);
        } else if (key == QLatin1String("parameter-words")) {
            if (const auto v = single(kParameterMemoryWords))
                d.parameter_memory.resize(*v);
        } else if (key == QLatin1String("parameter")) {
            const auto first =
                f.size() >= 3 ? parse_number(f.at(1), kParameterMemoryWords - 1) : std::nullopt;
            if (!first) {
                bad(QStringLiteral("\"parameter\" takes a word number and one or more words"));
                continue;
            }
            for (int k = 2; k < f.size(); ++k) {
                const auto word = parse_hex(f.at(k), 8);
                const int at = int(*first) + k - 2;
                if (!word)
                    bad(QStringLiteral("\"%1\" is not a word of 8 hexadecimal digits")
                            .arg(f.at(k)));
                else if (at >= d.parameter_memory.size())
                    bad(QStringLiteral("word %1 is beyond the %2 parameter words declared")
                            .arg(at)
                            .arg(d.parameter_memory.size()));
                else
                    d.parameter_memory[at] = quint32(*word);
            }
        } else if (key == QLatin1String("control")) {
            const auto address = f.size() == 3 ? parse_number(f.at(1), 0xFFFF) : std::nullopt;
            const auto value = f.size() == 3 ? parse_hex(f.at(2), 8) : std::nullopt;
            if (!address || !value)
                bad(QStringLiteral("\"control\" takes an address and a starting value of 8 "
                                   "hexadecimal digits"));
            else
                d.controls << ImageControl{quint16(*address), quint32(*value)};
        } else if (key == QLatin1String("program")) {
            for (int k = 1; k < f.size(); ++k) {
                const auto instruction = parse_hex(f.at(k), 10);
                if (!instruction)
                    bad(QStringLiteral("\"%1\" is not an instruction of 10 hexadecimal digits")
                            .arg(f.at(k)));
                else
                    d.program << *instruction;
            }
        } else {
            bad(QStringLiteral("unknown directive \"%1\"").arg(key));
        }
    }
    if (errors)
        *errors = problems;
    if (!problems.isEmpty())
        return std::nullopt;
    return d;
}

} // namespace kx
