// A stopped upgrade, or anything else a host sent, can leave the bootloader anywhere: inside a
// command pair, an address frame, a read count, an erase list or a data frame of up to 257
// bytes. The input is what the bootloader took after its synchronisation byte. A new run's
// check on Connect in Upgrade Mode must then find it, within its time limit, waiting for a
// command (Get ID is answered), unless those bytes started the firmware with Go.

#include "fuzz/fuzz_check.h"
#include "fuzz/pedal_run.h"
#include "fuzz/sim_link.h"
#include "tests/support/await.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kx;
    // A host's bytes of a few frames; a longer input says nothing more.
    if (size > 2048)
        return 0;
    sim::VirtualPedal pedal(true, true);
    qint64 now_us = kx::fuzz::run_to_quiet(pedal, QByteArray("\x7F"), 0);
    now_us = kx::fuzz::run_to_quiet(
        pedal, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), now_us + 1);
    if (pedal.mode() != sim::PedalMode::Bootloader)
        return 0; // Go started the firmware: no bootloader is left to find

    kx::fuzz::SimLink link(pedal);
    link.clock.advance_us(now_us + 1000);
    const qint64 started_ms = link.clock.now_ms();
    link.comm.firmware_upgrade_mode = true;
    const Status connected = test::done(link.comm.connect_device());
    KX_FUZZ_CHECK(connected.ok());
    KX_FUZZ_CHECK(link.comm.bootloader_ready);
    // Every wait of the check has its limit: seconds, not more.
    KX_FUZZ_CHECK(link.clock.now_ms() - started_ms < 10000);

    // Waiting for a command: Get ID is acknowledged and answered whole.
    ReplyRequest id{QStringLiteral("Get ID"), 0, 5, 1000};
    id.short_ok = true;
    const auto answer = test::done(link.comm.exchange(QByteArray("\x02\xFD"), id));
    KX_FUZZ_CHECK(answer.ok());
    KX_FUZZ_CHECK(*answer == QByteArray("\x79\x01\x04\x10\x79"));
    return 0;
}
