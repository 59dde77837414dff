// The pedal's replies reach the session through the exchange, here a byte a read as a chip
// with a short latency timer passes them on, with any bytes of the input on their way in
// front of them. Whatever those bytes are, a parameter state reply that is taken gives every
// control a value from 0 to 1023, and an information reply that is taken has its four lines
// and nothing else.

#include "fuzz/fuzz_check.h"
#include "fuzz/sim_link.h"
#include "link/pedal_commands.h"
#include "params/parameter_messages.h"
#include "tests/support/await.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kx;
    if (size > 4096)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    sim::VirtualPedal pedal(true, false);
    kx::fuzz::SimLink link(pedal);
    link.driver.one_byte_reads = true;
    KX_FUZZ_CHECK(test::done(link.comm.connect_device()).ok());

    // The factory's pedal runs effect 0, which has no controls; one is asked for all the same,
    // and the pedal answers what it has.
    link.driver.stray = input;
    const auto values =
        test::done(link.comm.receive_values(parameter_request_message(1), parameter_reply(1)));
    if (values) {
        const auto reply = read_parameter_reply(*values, 1, 0);
        if (reply)
            for (const std::optional<int>& value : reply->values)
                KX_FUZZ_CHECK(value && *value >= 0 && *value <= kMaxControlValue);
    }

    link.driver.stray = input;
    const auto text =
        test::done(link.comm.receive_text(effect_information_message(), information_reply()));
    if (text) {
        KX_FUZZ_CHECK(text->count('\n') == 4);
        KX_FUZZ_CHECK(text->endsWith('\n'));
    }
    return 0;
}
