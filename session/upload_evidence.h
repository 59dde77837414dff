#pragma once

#include "base/translation.h"
#include <QList>
#include <QString>

#include <optional>

namespace kx::session {

// What the pedal said it ran, and with which values, on one side of an upload. An unknown
// part is std::nullopt.
struct PedalSnapshot {
    std::optional<int> effect_number; // 0: no effect
    std::optional<int> effect_version;
    std::optional<QList<int>> values;
};

inline constexpr char kMessageUploadUnproven[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal answered \"%1\", but nothing shows that it took the image: it reports the same "
    "effect with the same values as before the upload. Upload it again if it does not sound "
    "new.");

// The pedal's answer to an upload is no proof that it loaded the image: one that dropped it
// and already ran that effect answers the same before and after. A fresh load shows in what it
// reports: another effect or version than before, or values other than those it had (a loaded
// image starts from its own values, or from the ones stored for it). Empty when `after`
// differs so from `before`; otherwise the result to show instead of the answer.
QString missing_upload_evidence(const PedalSnapshot& before, const PedalSnapshot& after,
                                const QString& answer);

} // namespace kx::session
