#pragma once

#include "base/result.h"
#include "base/translation.h"
#include "firmware/bootloader_protocol.h"

#include <QString>

#include <functional>

namespace kx {

class BootloaderPort;
class Clock;
class Log;
struct LoadedFirmware;

inline constexpr char kLogStartWrite[] = "Start Write Command";

// The steps of an upgrade, as Operation::step() names them.
inline constexpr char kStepSplit[] = "split_into_chunks";
inline constexpr char kStepResynchronise[] = "resynchronise";
inline constexpr char kStepErase[] = "erase_flash";
inline constexpr char kStepWriteImage[] = "write_image";
inline constexpr char kStepReadBack[] = "read_back";
inline constexpr char kStepWriteRecord[] = "write_record";
inline constexpr char kStepGo[] = "go_to_application";

// Pause between the record and Go.
inline constexpr int kBeforeGoPauseMs = 10;
// After the last acknowledgement nothing more may come: a bootloader that answers twice would
// otherwise have had its refusal of Go taken for the earlier answer's twin.
inline constexpr int kQuietAfterGoMs = 50;
inline constexpr char kMessageUpgradeCancelled[] =
    QT_TRANSLATE_NOOP("Firmware", "you cancelled it");

// Where an upgrade stands, or where it stopped.
struct UpgradePlace {
    QString step;
    int chunk = -1; // 0-based, for write_image and read_back
    int chunk_count = 0;
    quint32 address = 0;
    // Go's address frame went out: the new firmware may run, whatever the answer said.
    bool go_sent = false;
};

// What the user is told to do after a stop, in the words of the program they use.
struct UpgradeAdvice {
    QString start_again = ui_text("Firmware", "Press Upgrade Firmware to start again.");
    QString reconnect = ui_text("Firmware", "Power the pedal up with its footswitch held, choose "
                                            "Connect, then press Upgrade Firmware to start again.");
    QString check_started = ui_text(
        "Firmware", "Press Open FX to find out: a pedal that names its firmware version runs "
                    "the new firmware; one that does not answer is still in its bootloader, "
                    "and Upgrade Firmware starts again.");
};

// The place in the user's words: "writing chunk 13 of 141 at 0x08000C00".
QString describe_place(const UpgradePlace& place);
// What the user reads when an upgrade stops: the place, the reason and what to do next.
QString upgrade_failure_message(const UpgradePlace& place, const Error& error,
                                const UpgradeAdvice& advice = {});

// The whole upgrade on one port: erase, each chunk written and read back, the record, Go. It
// stops at the first answer that is not what the bootloader must send, so it succeeds only
// when every step was acknowledged and every chunk reads back as written.
class UpgradeSequence {
public:
    UpgradeSequence(BootloaderPort& port, Log& log, Clock& clock,
                    const BootloaderTimeouts& timeouts = {});

    // Told of each step and chunk as it starts.
    std::function<void(const UpgradePlace&)> on_place;
    // Told how many chunks the bootloader has acknowledged, of how many.
    std::function<void(int acknowledged, int count)> on_acknowledged;
    // Asked before each chunk: true stops the upgrade there (ErrorKind::Cancelled).
    std::function<bool()> cancelled;

    // `resynchronise`: an earlier attempt stopped, perhaps inside a command, so the bootloader
    // is first brought back to waiting for one.
    Task<Status> run(LoadedFirmware image, bool resynchronise);
    const UpgradePlace& place() const { return m_place; }

private:
    void enter(const char* step, int chunk, quint32 address);

    BootloaderPort& m_port;
    Log& m_log;
    Clock& m_clock;
    BootloaderProtocol m_protocol;
    UpgradePlace m_place;
};

} // namespace kx
