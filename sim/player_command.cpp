#include "sim/player_command.h"

#include <QList>

namespace kx::sim {

PlayerCommand parse_player_line(const QByteArray& line) {
    const QList<QByteArray> words = line.simplified().split(' ');
    PlayerCommand command;
    if (words.size() == 1 && words.first().isEmpty())
        return command;
    command.kind = PlayerCommand::Kind::Invalid;
    if (words.first() != "turn") {
        command.error = "unknown command; try: turn <control 0..11> <value 0..1023>";
        return command;
    }
    bool code_ok = false;
    bool value_ok = false;
    const int code = words.value(1).toInt(&code_ok);
    const int value = words.value(2).toInt(&value_ok);
    if (words.size() != 3 || !code_ok || !value_ok || code < 0 || code >= kPedalControlCodes ||
        value < 0 || value > kMaxControlValue) {
        command.error = "turn needs a control 0..11 and a value 0..1023";
        return command;
    }
    command.kind = PlayerCommand::Kind::Turn;
    command.code = code;
    command.value = value;
    return command;
}

} // namespace kx::sim
