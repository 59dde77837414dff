// A player's line to the served virtual pedal comes from anyone's keyboard or script. Whatever
// the bytes, it is blank, refused with a hint, or a turn inside the pedal's ranges.

#include "fuzz/fuzz_check.h"
#include "sim/player_command.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray line =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    using kx::sim::PlayerCommand;
    const PlayerCommand command = kx::sim::parse_player_line(line);
    switch (command.kind) {
    case PlayerCommand::Kind::Blank:
        KX_FUZZ_CHECK(line.trimmed().isEmpty());
        break;
    case PlayerCommand::Kind::Invalid:
        KX_FUZZ_CHECK(!command.error.isEmpty());
        break;
    case PlayerCommand::Kind::Turn:
        KX_FUZZ_CHECK(command.code >= 0 && command.code < kx::sim::kPedalControlCodes);
        KX_FUZZ_CHECK(command.value >= 0 && command.value <= kx::sim::kMaxControlValue);
        // Nothing but the words of a turn: no NUL or other byte hides a second part.
        KX_FUZZ_CHECK(!line.contains('\0'));
        break;
    }
    return 0;
}
