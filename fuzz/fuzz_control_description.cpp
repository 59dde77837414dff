// Control descriptions are read from the store as text lines. Whatever the text, the parser
// must refuse it or give a description that stays inside its data model, with the limit of 16
// controls and with the most an image header allows.

#include "fuzz/fuzz_check.h"
#include "library/resource_store.h"
#include "params/control_description.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

void check(const QStringList& lines, int control_limit) {
    const kx::Result<kx::ControlDescription> d =
        kx::parse_control_description(lines, QStringLiteral("Fuzz"), control_limit);
    KX_FUZZ_CHECK(d.ok() == d.error().isEmpty());
    if (!d)
        return;
    KX_FUZZ_CHECK(d->control_count == d->pot_count + d->switch_count + d->multi_switch_count);
    KX_FUZZ_CHECK(d->control_count >= 1 && d->control_count <= control_limit);
    KX_FUZZ_CHECK(d->readback_count >= 0 && d->readback_count <= kx::kMaxReadbackCount);
    KX_FUZZ_CHECK(d->controls.size() == d->control_count);
    KX_FUZZ_CHECK(d->readbacks.size() == d->readback_count);
    for (int i = 0; i < d->control_count; ++i) {
        const kx::ControlEntry& e = d->controls.at(i);
        KX_FUZZ_CHECK(e.raw_line == lines.at(1 + i));
        if (e.kind == kx::ControlKind::MultiSwitch)
            KX_FUZZ_CHECK(!e.options.isEmpty());
    }
    const QStringList log = kx::control_description_log_lines(*d);
    KX_FUZZ_CHECK(log.size() == 3 + (d->counts_line_has_readbacks ? 1 : 0) + d->control_count +
                                    d->readback_count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = kx::split_resource_lines(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    check(lines, kx::kAssignableControls);
    check(lines, kx::kMaxDescribedControls);
    return 0;
}
