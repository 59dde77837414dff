// Preset files come from the user's disk and may hold anything. Whatever the bytes, reading
// them must refuse them with a reason, or give a preset inside its limits that Save writes
// back as the same lines (upper case, each ended by CR) and that reads back the same.

#include "fuzz/fuzz_check.h"
#include "params/parameter_messages.h"
#include "params/preset_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList lines = kx::preset_lines(bytes);
    const kx::Result<kx::Preset> preset = kx::parse_preset(lines);
    if (!preset) {
        KX_FUZZ_CHECK(!preset.error().isEmpty());
        return 0;
    }
    const int n = preset->control_count();
    KX_FUZZ_CHECK(n >= 1 && n <= 0xFF);
    KX_FUZZ_CHECK(preset->effect_number >= 0 && preset->effect_number <= 0xFFFF);
    KX_FUZZ_CHECK(preset->effect_version >= 0 && preset->effect_version <= 0xFF);
    if (preset->assignments_missing)
        KX_FUZZ_CHECK(preset->control_assignments.isEmpty() &&
                      preset->readback_assignments.isEmpty());
    else
        KX_FUZZ_CHECK(preset->control_assignments.size() == n);
    KX_FUZZ_CHECK(preset->readback_assignments.size() <= kx::kMaxReadbackCount);

    const kx::Result<QString> text = kx::preset_text(*preset);
    KX_FUZZ_CHECK(text.ok());
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString expected;
    for (const QString& line : lines)
        expected += line.toUpper() + QLatin1Char('\r');
    KX_FUZZ_CHECK(*text == expected);

    const kx::Result<kx::Preset> again =
        kx::parse_preset(kx::preset_lines(kx::preset_file_bytes(*text)));
    KX_FUZZ_CHECK(again.ok());
    KX_FUZZ_CHECK(again->effect_number == preset->effect_number);
    KX_FUZZ_CHECK(again->effect_version == preset->effect_version);
    KX_FUZZ_CHECK(again->values == preset->values);
    KX_FUZZ_CHECK(again->control_assignments == preset->control_assignments);
    KX_FUZZ_CHECK(again->readback_assignments == preset->readback_assignments);
    KX_FUZZ_CHECK(again->assignments_missing == preset->assignments_missing);
    return 0;
}
