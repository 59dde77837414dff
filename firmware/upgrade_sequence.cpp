#include "firmware/upgrade_sequence.h"

#include "base/clock.h"
#include "base/log.h"
#include "base/translation.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_port.h"
#include "firmware/loaded_firmware.h"

namespace kx {

namespace {

QString hex_address(quint32 address) {
    return QStringLiteral("0x") + address_text(address);
}

} // namespace

QString describe_place(const UpgradePlace& place) {
    const QString step = place.step;
    const auto chunk = [&](const char* text) {
        return ui_text("Firmware", text)
            .arg(place.chunk + 1)
            .arg(place.chunk_count)
            .arg(hex_address(place.address));
    };
    if (step == QLatin1String(kStepWriteImage))
        return chunk(QT_TRANSLATE_NOOP("Firmware", "writing chunk %1 of %2 at %3"));
    if (step == QLatin1String(kStepReadBack))
        return chunk(QT_TRANSLATE_NOOP("Firmware", "reading back chunk %1 of %2 at %3"));
    if (step == QLatin1String(kStepErase))
        return ui_text("Firmware", "erasing the flash");
    if (step == QLatin1String(kStepWriteRecord))
        return ui_text("Firmware", "writing the firmware record at %1")
            .arg(hex_address(place.address));
    if (step == QLatin1String(kStepGo))
        return ui_text("Firmware", "starting the new firmware at %1")
            .arg(hex_address(place.address));
    if (step == QLatin1String(kStepResynchronise))
        return ui_text("Firmware", "bringing the bootloader back to a known state");
    return ui_text("Firmware", "preparing the firmware image");
}

QString upgrade_failure_message(const UpgradePlace& place, const Error& error,
                                const UpgradeAdvice& advice) {
    const QString where = describe_place(place);
    // The bootloader may have jumped before its answer was lost, garbled or followed by more.
    const bool may_run = place.go_sent && error.kind != ErrorKind::BootloaderRefused;
    if (may_run)
        return ui_text("Firmware",
                       "The firmware upgrade stopped while %1: %2. The flash was written "
                       "and verified, and the pedal may have started the new firmware "
                       "already. %3")
            .arg(where,
                 error.kind == ErrorKind::LinkLost
                     ? ui_text("Firmware", "the connection to the pedal "
                                           "was lost")
                     : error.message,
                 advice.check_started);
    if (error.kind == ErrorKind::LinkLost)
        return ui_text("Firmware",
                       "The firmware upgrade stopped while %1: the connection to the pedal "
                       "was lost. The new firmware was not started. %2")
            .arg(where, advice.reconnect);
    if (error.kind == ErrorKind::Busy || place.step.isEmpty() ||
        place.step == QLatin1String(kStepSplit))
        return error.message; // nothing was sent
    return ui_text("Firmware",
                   "The firmware upgrade stopped while %1: %2. The new firmware was not "
                   "started; the pedal stays in its bootloader. %3")
        .arg(where, error.message, advice.start_again);
}

UpgradeSequence::UpgradeSequence(BootloaderPort& port, Log& log, Clock& clock,
                                 const BootloaderTimeouts& timeouts)
    : m_port(port), m_log(log), m_clock(clock), m_protocol(port, log, clock, timeouts) {}

void UpgradeSequence::enter(const char* step, int chunk, quint32 address) {
    m_place.step = QString::fromLatin1(step);
    m_place.chunk = chunk;
    m_place.address = address;
    if (on_place)
        on_place(m_place);
}

Task<Status> UpgradeSequence::run(LoadedFirmware image, bool resynchronise) {
    m_place = {};
    enter(kStepSplit, -1, kImageAddress);
    if (const Status fits = check_firmware_fits(image); !fits)
        co_return fits;
    const FirmwareChunks chunks = split_into_chunks(image.bytes, image.hex);
    for (const QString& line : chunk_log_lines(chunks))
        m_log.print_line(line);
    m_place.chunk_count = chunks.count();
    const QByteArray record = firmware_record(image.number).value_or(QByteArray());

    if (const Status begun = co_await m_port.begin(); !begun)
        co_return begun;
    if (resynchronise) {
        enter(kStepResynchronise, -1, 0);
        // The stopped attempt's answer may still come, however late: read as the retry's own,
        // it would put every later answer one behind.
        if (const Status drained = co_await m_protocol.drop_late_answers(); !drained)
            co_return drained;
        if (const Status synced = co_await m_protocol.resynchronise(); !synced)
            co_return synced;
    }

    enter(kStepErase, -1, kImageAddress);
    if (const Status erased = co_await m_protocol.erase_flash(); !erased)
        co_return erased;

    m_log.print_line(QString::fromLatin1(kLogStartWrite));
    m_log.print_line(QString());
    m_protocol.target_address = kImageAddress;
    for (int k = 0; k < chunks.count(); ++k) {
        // A stop between two chunks leaves the bootloader waiting for a command: a new run
        // starts over from the erase.
        if (cancelled && cancelled())
            co_return Error{ui_text("Firmware", kMessageUpgradeCancelled), ErrorKind::Cancelled};
        const quint32 address = m_protocol.target_address;
        const QByteArray& chunk = chunks.bytes[k];
        enter(kStepWriteImage, k, address);
        if (const Status written = co_await m_protocol.send_write_address(address); !written)
            co_return written;
        if (const Status written = co_await m_protocol.write_data(chunk); !written)
            co_return written;
        if (on_acknowledged)
            on_acknowledged(k + 1, chunks.count());
        enter(kStepReadBack, k, address);
        if (const Status same = co_await m_protocol.read_back(address, chunk); !same)
            co_return same;
        m_protocol.target_address = address + quint32(chunk.size());
        m_log.print_line(QString());
    }

    enter(kStepWriteRecord, -1, kRecordAddress);
    if (const Status recorded = co_await m_protocol.write_record(record); !recorded)
        co_return recorded;
    co_await m_clock.pause(kBeforeGoPauseMs);

    enter(kStepGo, -1, kImageAddress);
    const Status started = co_await m_protocol.go_to_application();
    m_place.go_sent = m_protocol.go_address_sent();
    if (!started)
        co_return started;
    co_return co_await m_protocol.expect_quiet(kQuietAfterGoMs);
}

} // namespace kx
