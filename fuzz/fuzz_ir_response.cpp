// A response file beside a preset, or among the kept imports, may be any file: reading it must
// read nothing outside it and refuse with a reason; one accepted holds in-range samples, its
// notes stay inside their model, and written again it reads back as the same samples and tools.

#include "fuzz/fuzz_check.h"
#include "ir/ir_response.h"

#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // The notes alone, from any text.
    const kx::IrResponseNotes notes = kx::parse_response_notes(QString::fromUtf8(file));
    KX_FUZZ_CHECK(!notes.tools.normalise_db || (*notes.tools.normalise_db >= kx::kMinNormalise_db &&
                                                *notes.tools.normalise_db <= 0.0));
    KX_FUZZ_CHECK(notes.tools.fade_ms >= 0.0 && notes.tools.fade_ms <= kx::kMaxFade_ms);

    const auto response = kx::read_ir_response(file);
    if (!response) {
        KX_FUZZ_CHECK(!response.error().isEmpty());
        return 0;
    }
    KX_FUZZ_CHECK(!response->samples.isEmpty() &&
                  response->samples.size() <= kx::kMaxResponseSamples);
    for (qint32 sample : response->samples)
        KX_FUZZ_CHECK(sample >= -(1 << 23) && sample < (1 << 23));
    // The notes go out on one line each and come back as they were read.
    const auto written = kx::response_wav_bytes(*response);
    KX_FUZZ_CHECK(written.ok());
    const auto again = kx::read_ir_response(*written);
    KX_FUZZ_CHECK(again.ok() && again->described);
    KX_FUZZ_CHECK(again->samples == response->samples);
    KX_FUZZ_CHECK(again->notes.tools == response->notes.tools);
    return 0;
}
