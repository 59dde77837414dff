#include "ir/ir_tools.h"

#include "base/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx {

namespace {
constexpr char kTrimmed[] =
    QT_TRANSLATE_NOOP("Ir", "Trimmed %1 samples (%2 ms) of silence before the first peak");
constexpr char kNothingTrimmed[] =
    QT_TRANSLATE_NOOP("Ir", "Not trimmed: the first peak comes at once");
constexpr char kNormalised[] =
    QT_TRANSLATE_NOOP("Ir", "Normalised to a peak of %1 dB (gain %2 dB)");
constexpr char kNotNormalised[] =
    QT_TRANSLATE_NOOP("Ir", "Not normalised: the loaded samples are silent");
constexpr char kFaded[] = QT_TRANSLATE_NOOP("Ir", "Faded out over the last %1 ms (%2 samples)");

QString decimal(double value) {
    return QString::number(value, 'f', 1);
}
} // namespace

qsizetype first_peak_index(const QList<double>& samples, qsizetype search) {
    search = std::min(search, samples.size());
    double peak = 0.0;
    for (qsizetype i = 0; i < search; ++i)
        peak = std::max(peak, std::abs(samples[i]));
    if (!(peak > 0.0))
        return 0;
    const double threshold = peak * std::pow(10.0, kTrimThreshold_db / 20.0);
    for (qsizetype i = 0; i < search; ++i)
        if (std::abs(samples[i]) >= threshold)
            return i;
    return 0;
}

int fade_length(double fade_ms, int rate_hz, int count) {
    if (!(fade_ms > 0.0))
        return 0;
    return std::clamp(int(std::lround(fade_ms * rate_hz / 1000.0)), 0, count);
}

double fade_gain(int k, int length) {
    return 0.5 * (1.0 + std::cos(std::numbers::pi * (k + 1) / length));
}

QString trim_summary(qsizetype trimmed, int rate_hz) {
    if (trimmed == 0)
        return ui_text("Ir", kNothingTrimmed);
    return ui_text("Ir", kTrimmed).arg(trimmed).arg(decimal(1000.0 * trimmed / rate_hz));
}

QString normalise_summary(const IrTools& tools, std::optional<double> gain_db) {
    if (!tools.normalise_db)
        return QString();
    if (!gain_db)
        return ui_text("Ir", kNotNormalised);
    const QString gain = (*gain_db >= 0 ? QStringLiteral("+") : QString()) + decimal(*gain_db);
    return ui_text("Ir", kNormalised).arg(decimal(*tools.normalise_db), gain);
}

QString fade_summary(const IrTools& tools, int faded, int rate_hz) {
    if (!(tools.fade_ms > 0.0))
        return QString();
    return ui_text("Ir", kFaded).arg(decimal(1000.0 * faded / rate_hz)).arg(faded);
}

} // namespace kx
