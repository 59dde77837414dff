#pragma once

#include <QByteArray>

namespace kx::sim {

// The pedal's own controls a player can turn or press: KI..KV, B1..B3, FS, FL, RMT, EXP.
inline constexpr int kPedalControlCodes = 12;
inline constexpr int kMaxControlValue = 1023;

// A line a player types to the served pedal: "turn <control> <value>".
struct PlayerCommand {
    enum class Kind { Blank, Turn, Invalid };
    Kind kind = Kind::Blank;
    int code = 0;
    int value = 0;
    QByteArray error; // for Invalid: what a correct line looks like
};

PlayerCommand parse_player_line(const QByteArray& line);

} // namespace kx::sim
