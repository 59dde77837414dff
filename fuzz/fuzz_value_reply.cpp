// The pedal's value and information replies arrive as bytes from the link. Their parsers must
// give one value per line ended by CR LF, stop at the first line that is not a number from 0
// to 255 and count lines by LF.

#include "fuzz/fuzz_check.h"
#include "link/value_reply.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView reply(reinterpret_cast<const char*>(data), qsizetype(size));
    const kx::ValueParse parse = kx::parse_value_lines(reply);
    const qsizetype lines = reply.count('\n');
    if (parse.failed) {
        KX_FUZZ_CHECK(parse.bad_line >= 0 && parse.bad_line < lines);
        KX_FUZZ_CHECK(parse.values.size() == parse.bad_line);
        KX_FUZZ_CHECK(parse.bad_text.size() <= 40);
    } else {
        KX_FUZZ_CHECK(parse.values.size() == lines);
        KX_FUZZ_CHECK(parse.bad_line == -1);
    }
    KX_FUZZ_CHECK(kx::count_reply_lines(reply) == reply.count('\n'));
    return 0;
}
