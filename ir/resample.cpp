#include "ir/resample.h"
#include "base/translation.h"

#include <soxr.h>

#include <QString>

#include <cmath>

namespace kx {

namespace {
constexpr char kMessageResample[] =
    QT_TRANSLATE_NOOP("Ir", "The samples could not be resampled: %1");
}

bool can_resample(int rate_hz) {
    return rate_hz >= kMinResampleRate_hz && rate_hz <= kMaxResampleRate_hz;
}

qsizetype resampled_length(qsizetype frames, double from_hz, double to_hz) {
    if (!(from_hz > 0) || !(to_hz > 0))
        return 0;
    return qsizetype(std::llround(double(frames) * to_hz / from_hz));
}

Result<QList<double>> resample_samples(const QList<double>& samples, double from_hz, double to_hz) {
    if (!can_resample(int(from_hz)) || !can_resample(int(to_hz)))
        return Error{
            ui_text("Ir", kMessageResample)
                .arg(ui_text("Ir", "a rate of %1 Hz cannot become %2 Hz").arg(from_hz).arg(to_hz))};
    QList<double> out(resampled_length(samples.size(), from_hz, to_hz));
    if (samples.isEmpty() || out.isEmpty())
        return out;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT64_I, SOXR_FLOAT64_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    size_t produced = 0;
    const soxr_error_t error =
        soxr_oneshot(from_hz, to_hz, 1, samples.constData(), size_t(samples.size()), nullptr,
                     out.data(), size_t(out.size()), &produced, &io, &quality, nullptr);
    if (error)
        return Error{ui_text("Ir", kMessageResample).arg(QString::fromLatin1(error))};
    out.resize(qsizetype(produced));
    return out;
}

} // namespace kx
