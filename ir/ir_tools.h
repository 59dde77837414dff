#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace kx {

// What the import may do to the samples before the cut. All off is the import as it always
// was: the samples become coefficients exactly.
struct IrTools {
    // Starts the loaded part at the first sample that is not silence (see first_peak_index).
    bool trim = false;
    // Scales the loaded part so that its largest sample reaches this level (dB below full
    // scale, at most 0).
    std::optional<double> normalise_db;
    // Fades the loaded part out over its last milliseconds, ending in silence at the cut.
    double fade_ms = 0.0;

    bool shapes_level() const { return normalise_db.has_value() || fade_ms > 0.0; }
    bool any() const { return trim || shapes_level(); }
    bool operator==(const IrTools&) const = default;
};

// A sample counts as silence when it is this far below the largest sample of the start.
inline constexpr double kTrimThreshold_db = -60.0;
// Silence is looked for in this much of the start at most: a longer wait is no lead-in.
inline constexpr int kMaxTrim_ms = 1000;
// The levels and lengths the tools take.
inline constexpr double kMinNormalise_db = -24.0;
inline constexpr double kMaxFade_ms = 20.0;

// The index of the first of `samples` (full scale 1.0) whose magnitude reaches kTrimThreshold_db
// of the largest magnitude among the first `search` samples; 0 when they are all silent.
qsizetype first_peak_index(const QList<double>& samples, qsizetype search);

// Samples a fade of `fade_ms` covers at `rate_hz`, at most `count`.
int fade_length(double fade_ms, int rate_hz, int count);
// The gain of the k-th of `length` faded samples: half a cosine from just below 1 down to 0,
// which the last sample reaches.
double fade_gain(int k, int length);

// The summary's words for what the tools did (empty lines are left out by the caller).
QString trim_summary(qsizetype trimmed, int rate_hz);
QString normalise_summary(const IrTools& tools, std::optional<double> gain_db);
QString fade_summary(const IrTools& tools, int faded, int rate_hz);

} // namespace kx
