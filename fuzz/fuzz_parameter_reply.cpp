// The parameter state reply arrives from the link as one number a byte, and may be shorter than
// the effect's 4N + 22. Its decoding must never read past the end, must say exactly which parts
// were missing, and must give values and options inside their ranges. The first byte picks N
// (0 to 45), the second R (0 to 4); the rest is the reply.

#include "fuzz/fuzz_check.h"
#include "params/parameter_messages.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const int n = data[0] % (kx::kMaxDescribedControls + 1);
    const int r = data[1] % (kx::kMaxReadbackCount + 1);
    // A view of the input itself, which ends where its block ends: a read past the reply is one
    // the sanitizer sees.
    const QByteArrayView received(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const qsizetype length = received.size();
    const kx::ParameterReply reply = kx::decode_parameter_reply(received, n, r);

    KX_FUZZ_CHECK(reply.expected_count == 4 * n + 22);
    KX_FUZZ_CHECK(reply.received_count == std::min<qsizetype>(length, reply.expected_count));
    KX_FUZZ_CHECK(reply.complete() == (length >= reply.expected_count));
    KX_FUZZ_CHECK(reply.values.size() == n);
    KX_FUZZ_CHECK(reply.control_codes.size() == std::min(n, kx::kAssignableControls));
    KX_FUZZ_CHECK(reply.readback_codes.size() == r);

    for (int i = 0; i < n; ++i) {
        const auto& value = reply.values.at(i);
        KX_FUZZ_CHECK(value.has_value() == (4 * i + 4 <= length));
        if (!value)
            continue;
        KX_FUZZ_CHECK(*value >= -262144 && *value <= 262143);
        for (int k = 1; k <= 16; ++k) {
            // An option, or none for a value beyond them all; every value the pedal can send
            // for a control (0..1023) selects one.
            const int option = kx::multi_switch_option_from_value(*value, k);
            KX_FUZZ_CHECK(option >= -1 && option < k);
            KX_FUZZ_CHECK(option >= 0 || *value < 0 || *value > kx::kMaxControlValue);
        }
        if (*value >= 0 && *value <= kx::kMaxControlValue) {
            // What the window shows goes back to the pedal as the same value.
            quint32 word = 0;
            for (char byte : kx::value_word(*value))
                word = word << 8 | quint8(byte);
            KX_FUZZ_CHECK(kx::value_from_word(word) == *value);
        }
    }
    const qsizetype codes = 4 * qsizetype(n);
    auto code_agrees = [&](const std::optional<quint8>& code, qsizetype at) {
        KX_FUZZ_CHECK(code.has_value() == (at < length));
        if (code)
            KX_FUZZ_CHECK(*code == quint8(received[at]));
    };
    for (int i = 0; i < int(reply.control_codes.size()); ++i)
        code_agrees(reply.control_codes.at(i), codes + i);
    code_agrees(reply.bypass_code, codes + 16);
    code_agrees(reply.preset_code, codes + 17);
    for (int j = 0; j < r; ++j)
        code_agrees(reply.readback_codes.at(j), codes + 18 + j);

    for (const auto box : {kx::AssignmentBox::Control, kx::AssignmentBox::Readback,
                           kx::AssignmentBox::BypassOrPreset}) {
        const int items = int(kx::assignment_box_items(box).size());
        for (const auto& code : reply.control_codes) {
            if (!code)
                continue;
            const int item = kx::assignment_box_item(box, *code);
            KX_FUZZ_CHECK(item >= -1 && item < items);
            if (item >= 0)
                KX_FUZZ_CHECK(kx::assignment_code(box, item) == *code);
        }
    }
    return 0;
}
