#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace kx {

struct ImageControl {
    quint16 address = 0;        // parameter word of the control
    quint32 starting_value = 0; // written into that word
};

// What an effect image is made of; the builder lays it out with the fixed boot sequence.
struct EffectImageDescription {
    int effect_number = 0;
    int version = 0;
    int readback_count = 0;
    QList<ImageControl> controls;    // in control-index order
    QList<quint32> parameter_memory; // the whole parameter-memory write, word 0 first
    QList<quint64> program;          // 40-bit instructions of the program-memory write
};

// Builds the image bytes, zero-padded to a multiple of 32. Each control's starting value is put
// into its parameter word. Returns std::nullopt with the reasons in *errors when the description
// cannot make a valid image (too many controls or readbacks, an address outside the parameter
// memory, two controls on one word with different starting values, memories too large).
std::optional<QByteArray> build_effect_image(const EffectImageDescription& description,
                                             QStringList* errors = nullptr);

// Reads the text form of a description, one directive a line ("#" starts a comment):
//   effect N            effect number (decimal, or hexadecimal with 0x)
//   version N           effect version
//   readbacks N         readback count
//   parameter-words N   size of the parameter memory in words (all zero until set)
//   parameter K W...    parameter words from word K on, 8 hexadecimal digits each
//   control A V         the next control: parameter address A, starting value word V (hex)
//   program I...        program instructions appended, 10 hexadecimal digits each
// Errors name the line.
std::optional<EffectImageDescription> parse_image_description(const QStringList& lines,
                                                              QStringList* errors = nullptr);

} // namespace kx
