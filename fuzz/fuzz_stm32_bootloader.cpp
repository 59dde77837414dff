// The virtual pedal's bootloader reads whatever a host writes after powering up with the
// footswitch held. The input is one host write; a Go command hands the rest to the program it
// starts. The flash keeps its size whatever is written or erased.

#include "fuzz/pedal_run.h"
#include "sim/stm32_bootloader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Instant: erase and write times would only stretch the run.
    kx::sim::VirtualPedal pedal(/*instant=*/true, /*start_in_bootloader=*/true);
    pedal.set_history_enabled(false);
    kx::fuzz::run_to_quiet(pedal, bytes, 0);
    KX_FUZZ_CHECK(pedal.flash().size() == qsizetype(kx::kFlashSize));
    return 0;
}
