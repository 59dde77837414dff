#include "sim/player_command.h"

#include <QList>

namespace kx::sim {

namespace {

// A number as a player types it: one to four ASCII digits, nothing else (no sign, no NUL
// behind which more could hide).
int typed_number(const QByteArray& word) {
    if (word.isEmpty() || word.size() > 4)
        return -1;
    int number = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

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
    const int code = typed_number(words.value(1));
    const int value = typed_number(words.value(2));
    if (words.size() != 3 || code < 0 || code >= kPedalControlCodes || value < 0 ||
        value > kMaxControlValue) {
        command.error = "turn needs a control 0..11 and a value 0..1023";
        return command;
    }
    command.kind = PlayerCommand::Kind::Turn;
    command.code = code;
    command.value = value;
    return command;
}

} // namespace kx::sim
