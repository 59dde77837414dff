#include "session/upload_evidence.h"
#include "base/translation.h"

namespace kx::session {

namespace {

template <typename T> bool differ(const std::optional<T>& a, const std::optional<T>& b) {
    return a && b && *a != *b;
}

} // namespace

QString missing_upload_evidence(const PedalSnapshot& before, const PedalSnapshot& after,
                                const QString& answer) {
    if (differ(before.effect_number, after.effect_number) ||
        differ(before.effect_version, after.effect_version) || differ(before.values, after.values))
        return {};
    return ui_text("Session", kMessageUploadUnproven).arg(answer);
}

} // namespace kx::session
