#include "firmware/upgrade_operation.h"

#include "base/log.h"
#include "base/translation.h"
#include "firmware/link_bootloader_port.h"
#include "link/Communication.h"
#include "platform/platform.h"

#include <algorithm>
#include <optional>

namespace kx {

namespace {

// Where the build cannot set the timer at all, the log says so beside the driver's words.
QString latency_note() {
    const QString note = platform::latency_control_note();
    return note.isEmpty() ? QString() : QStringLiteral(" (") + note + QLatin1Char(')');
}

} // namespace

FirmwareUpgradeOperation::FirmwareUpgradeOperation(Communication& comm, Log& log, Clock& clock)
    : Operation(ui_text("Firmware", "Firmware upgrade")), m_comm(comm), m_log(log), m_clock(clock) {
}

Task<Status> FirmwareUpgradeOperation::run() {
    m_place = {};
    // Nothing goes out for an image that cannot be written whole.
    if (const Status fits = check_firmware_fits(m_image); !fits)
        co_return fits;
    if (!m_comm.connected())
        co_return Error{ui_text("Firmware", kMessageUpgradeNotConnected), ErrorKind::NotConnected};
    auto claim = m_comm.claim(name());
    if (!claim)
        co_return claim.failure();
    // Lowered where the system allows it, and set back however the upgrade ends.
    const auto usual_latency = m_comm.set_latency_timer(kUpgradeLatencyTimerMs, &*claim);
    if (usual_latency)
        m_log.print_line(QString::fromLatin1(kLogLatencyTimer) +
                         QString::number(kUpgradeLatencyTimerMs));
    else if (usual_latency.error_kind() == ErrorKind::LinkLost)
        co_return usual_latency.failure();
    else
        m_log.print_line(QString::fromLatin1(kLogLatencyTimerKept) + usual_latency.error() +
                         latency_note());
    struct Restore {
        Communication& comm;
        const LinkClaim& claim;
        std::optional<quint8> ms;
        ~Restore() {
            if (ms && comm.connected())
                (void)comm.set_latency_timer(*ms, &claim);
        }
    } restore{m_comm, *claim, usual_latency ? std::optional<quint8>(*usual_latency) : std::nullopt};
    LinkBootloaderPort port(m_comm, *claim);
    UpgradeSequence sequence(port, m_log, m_clock, m_timeouts);
    sequence.on_place = [this](const UpgradePlace& place) {
        m_place = place;
        set_step(place.step);
        if (place.step == QLatin1String(kStepWriteImage)) {
            emit chunk_progress(place.chunk, place.chunk_count);
            set_progress(5 + 90 * place.chunk / std::max(place.chunk_count, 1));
        }
    };
    sequence.on_acknowledged = [this](int acknowledged, int count) {
        emit chunks_acknowledged(acknowledged, count);
    };
    sequence.cancelled = [this] { return cancel_requested(); };
    const Status result = co_await sequence.run(m_image, m_stopped_midway);
    m_place = sequence.place();
    if (!result) {
        // Only an attempt that got to send may have left the bootloader inside a command.
        m_stopped_midway = m_stopped_midway ||
                           (!m_place.step.isEmpty() && m_place.step != QLatin1String(kStepSplit));
        co_return Error{upgrade_failure_message(m_place, result.failure(), m_advice),
                        result.error_kind()};
    }
    m_stopped_midway = false;
    emit chunk_progress(m_place.chunk_count, m_place.chunk_count);
    co_return Status{};
}

} // namespace kx
