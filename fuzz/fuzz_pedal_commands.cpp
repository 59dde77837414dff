// The virtual pedal's running firmware reads whatever a host writes. The input is one host
// write at real link timing; the pedal is then power-cycled and given the same bytes again, so
// that an image it stored is booted and the messages meet the loaded effect.

#include "fuzz/pedal_run.h"

#include <cstddef>
#include <cstdint>

namespace {

// Past the firmware's start-up after a power cycle.
constexpr qint64 kAfterBoot_us = 2 * kx::sim::kFirmwareBoot_us;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    kx::sim::VirtualPedal pedal;
    pedal.set_history_enabled(false);
    const qint64 quiet_us = kx::fuzz::run_to_quiet(pedal, bytes, 0);
    KX_FUZZ_CHECK(pedal.mode() == kx::sim::PedalMode::Firmware);

    pedal.power_cycle(quiet_us + 1);
    kx::fuzz::run_to_quiet(pedal, bytes, quiet_us + 1 + kAfterBoot_us);
    const kx::sim::RunningEffect& effect = pedal.effect();
    KX_FUZZ_CHECK(effect.parameter_memory.size() == kx::sim::kParameterMemoryWordCount);
    KX_FUZZ_CHECK(effect.parameter_addresses.size() == effect.control_count);
    KX_FUZZ_CHECK(pedal.midi_channel() >= 0 && pedal.midi_channel() <= 16);
    return 0;
}
