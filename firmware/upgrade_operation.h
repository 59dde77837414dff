#pragma once

#include "base/result.h"
#include "base/translation.h"
#include "firmware/bootloader_protocol.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_sequence.h"
#include "link/Operation.h"

namespace kx {

class Clock;
class Communication;
class Log;

// The chip's latency timer during an upgrade: each of its thousand short answers would
// otherwise wait 16 ms in the chip.
inline constexpr quint8 kUpgradeLatencyTimerMs = 1;
inline constexpr char kLogLatencyTimer[] = "latency timer (ms): ";
inline constexpr char kLogLatencyTimerKept[] = "latency timer kept: ";

inline constexpr char kMessageUpgradeNotConnected[] = QT_TRANSLATE_NOOP(
    "Firmware",
    "The firmware upgrade was not started: the pedal is not connected. Connect to its bootloader "
    "first (Upgrade Mode stays on). Nothing was sent.");

// The firmware upgrade as an operation: it holds the link for its whole length, so no other
// pedal action comes between its bytes, and its result is the first failure or a verified,
// started firmware. Started again after a failure, it begins from the erase.
class FirmwareUpgradeOperation : public Operation {
    Q_OBJECT
public:
    FirmwareUpgradeOperation(Communication& comm, Log& log, Clock& clock);

    // Set before each start.
    void set_image(LoadedFirmware image) { m_image = std::move(image); }
    void set_timeouts(const BootloaderTimeouts& timeouts) { m_timeouts = timeouts; }
    // What a stopped upgrade tells its user to do next; the editor's words by default.
    void set_advice(const UpgradeAdvice& advice) { m_advice = advice; }

    // Where the last run stands or stopped.
    const UpgradePlace& place() const { return m_place; }

signals:
    // The chunk being written (0-based) and the chunk count; position == maximum at the end.
    void chunk_progress(int position, int maximum);
    // How many chunks the bootloader has acknowledged, of how many.
    void chunks_acknowledged(int acknowledged, int count);

protected:
    Task<Status> run() override;

private:
    Communication& m_comm;
    Log& m_log;
    Clock& m_clock;
    LoadedFirmware m_image;
    BootloaderTimeouts m_timeouts;
    UpgradeAdvice m_advice;
    UpgradePlace m_place;
    // An attempt stopped after sending: the next one first resynchronises.
    bool m_stopped_midway = false;
};

} // namespace kx
