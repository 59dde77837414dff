// Effect images come from the store and, through the virtual pedal, from any host: the layout
// check must read nothing outside the image and agree with the parse.

#include "fuzz/fuzz_check.h"
#include "library/effect_image.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Not copied: a read past the input is a read past libFuzzer's block, which the address
    // sanitizer reports.
    const QByteArray image =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList errors = kx::validate_effect_image(image);
    QStringList parse_errors;
    const std::optional<kx::EffectImageInfo> info = kx::parse_effect_image(image, &parse_errors);
    KX_FUZZ_CHECK(parse_errors == errors);
    KX_FUZZ_CHECK(info.has_value() == errors.isEmpty());
    if (!info)
        return 0;
    KX_FUZZ_CHECK(qsizetype(info->length) == image.size());
    KX_FUZZ_CHECK(image.size() <= kx::kMaxImageSize && image.size() % kx::kImageAlignment == 0);
    KX_FUZZ_CHECK(info->parameter_addresses.size() == info->control_count);
    for (quint16 address : info->parameter_addresses)
        KX_FUZZ_CHECK(address < info->parameter_words.size());
    KX_FUZZ_CHECK(info->parameter_words.size() <= kx::kParameterMemoryWords);
    KX_FUZZ_CHECK(info->program_instruction_count <= kx::kProgramMemoryInstructions);
    KX_FUZZ_CHECK(info->program_offset < info->end_offset && info->end_offset < image.size());
    return 0;
}
