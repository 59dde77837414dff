#pragma once

#include <QString>

#include <optional>

namespace kx {

// Where an impulse response effect's image holds its coefficient table: N words of 4 bytes
// from a fixed byte of the image, inside its parameter-memory write.
struct IrTarget {
    QString row_name; // the table's row: "IR Loader + EQ" is served by "IR Loader 1"
    int word_count = 0;
    int first_byte = 0;

    // Hex characters of the image before the first word, and the first character after the
    // table (counted from 0).
    int head_chars() const { return 2 * first_byte; }
    int rest_from() const { return head_chars() + 8 * word_count; }
};

// The coefficient table of an impulse response effect, by its display name (exact, case
// sensitive); std::nullopt for an effect without one.
std::optional<IrTarget> ir_target_for(const QString& effect_name);

} // namespace kx
