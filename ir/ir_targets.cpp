#include "ir/ir_targets.h"

#include <array>

namespace kx {

namespace {

struct TargetRow {
    const char* row_name;
    int word_count;
    int first_byte;
};

// "IR Loader 1" names no effect of the catalogue; its place (882 words from byte 230) is where
// the image of "IR Loader + EQ" holds its table, which is why that effect uses this row.
constexpr std::array<TargetRow, 4> kTargets{{
    {"IR Loader 1", 882, 230},
    {"Fenwick + IR Loader", 703, 362},
    {"Halcyon + IR Loader", 703, 370},
    {"Basic IR Loader", 912, 230},
}};

constexpr char kServedByIrLoader1[] = "IR Loader + EQ";

} // namespace

std::optional<IrTarget> ir_target_for(const QString& effect_name) {
    const QString row = effect_name == QLatin1String(kServedByIrLoader1)
                            ? QStringLiteral("IR Loader 1")
                            : effect_name;
    for (const TargetRow& target : kTargets)
        if (row == QLatin1String(target.row_name))
            return IrTarget{row, target.word_count, target.first_byte};
    return std::nullopt;
}

} // namespace kx
