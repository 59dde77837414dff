#pragma once

#include "sim/link_timing.h"
#include "sim/pedal_firmware.h"
#include "sim/pedal_state.h"
#include "sim/stm32_bootloader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace kx::sim {

enum class PedalMode {
    Firmware,   // the pedal's program runs and answers command messages
    Bootloader, // powered up with the footswitch held: the microcontroller's bootloader
    Halted,     // nothing to run (erased flash, or a jump somewhere else): silent
};

// Start-up after power-on or a jump; bytes arriving meanwhile are lost.
inline constexpr qint64 kFirmwareBoot_us = 50000;
inline constexpr qint64 kBootloaderStart_us = 1000;

// The pedal's answers that the host has not read, counting those still on the line and in the
// chip, are held up to this many bytes: the host driver's buffer (the chip itself holds 512).
// Bytes beyond it are lost, as on a real link whose reader has stopped reading.
inline constexpr qsizetype kMaxUnreadAnswerBytes = 64 * 1024;
// The inspection record keeps the most recent bytes each way, at most this many; the oldest
// quarter is dropped when it is full.
inline constexpr qsizetype kHistoryBytes = 256 * 1024;

// The whole pedal as the host sees it through its USB serial chip, driven by explicit times in
// microseconds that never go back. It has no threads and no event loop: the host hands it bytes
// with the time they were written and asks what its chip has delivered by a given time.
class VirtualPedal {
public:
    explicit VirtualPedal(bool instant = false, bool start_in_bootloader = false);

    // ---- the link
    // Bytes written by the host at `at_us`; returns how many went out (fewer when the cable
    // is pulled on the way, 0 while it is out).
    qsizetype host_bytes(const QByteArray& bytes, qint64 at_us);
    // Takes up to `max_bytes` (all if negative) of what the chip has delivered by `now_us`.
    QByteArray take_deliverable(qint64 now_us, qsizetype max_bytes = -1);
    qsizetype deliverable_count(qint64 now_us);
    // Answer bytes on their way to the host or waiting in its queue, at most
    // kMaxUnreadAnswerBytes, and how many have been lost because the host did not read them.
    qsizetype unread_answer_bytes() const { return m_usb.size() + m_host_queue.size(); }
    qint64 lost_answer_bytes() const { return m_lost_answer_bytes; }
    // Bytes written by the host that have not reached the pedal yet.
    qsizetype unreceived_host_bytes() const { return qsizetype(m_input.size()); }
    // When the next USB packet arrives, or when the pedal will have read everything it was
    // sent and may answer (a waiting host sleeps until then); nullopt when nothing is coming.
    std::optional<qint64> next_delivery_us() const;
    // Runs the pedal up to `now_us`.
    void advance(qint64 now_us);
    // The host's purges: received bytes the chip holds by `now_us`, and written bytes that
    // have not started on the line.
    void purge_host_receive(qint64 now_us);
    void purge_host_transmit(qint64 now_us);

    void set_instant(bool instant);
    bool instant() const { return m_context.instant; }
    // The chip's latency timer, as the host sets it.
    void set_latency_timer_ms(int ms) { m_usb.set_latency_timer_us(qint64(ms) * 1000); }
    int latency_timer_ms() const { return int(m_usb.latency_timer_us() / 1000); }

    // ---- power
    void power_cycle(qint64 at_us, bool footswitch_held = false);

    // ---- inspection
    PedalMode mode() const { return m_mode; }
    const RunningEffect& effect() const { return m_firmware.effect(); }
    int running_effect() const { return m_firmware.effect().number; }
    quint32 parameter_word(int address) const;
    const Assignments& assignments() const { return m_firmware.effect().assignments; }
    bool bypassed() const { return m_firmware.bypassed(); }
    int midi_channel() const { return m_storage.midi_channel; }
    quint32 firmware_version() const { return m_firmware.firmware_version(); }
    const std::map<int, StoredSettings>& stored_settings() const { return m_storage.settings; }
    const QByteArray& flash() const { return m_storage.flash; }
    bool bootloader_synchronised() const { return m_bootloader.synchronised(); }
    // What survives a power cycle; tests may seed it (then power-cycle).
    PedalStorage& storage() { return m_storage; }

    // The bytes that reached the pedal and the bytes delivered to the host, with times: all of
    // them since the last clear_history(), or the most recent kHistoryBytes at least.
    const QList<TimedByte>& received() const { return m_received; }
    const QList<TimedByte>& sent() const { return m_sent; }
    void set_history_enabled(bool enabled) { m_keep_history = enabled; }
    void clear_history();
    // What the pedal understood or refused, as lines for a log.
    void set_note_sink(std::function<void(qint64 at_us, const QString& text)> sink);

    // ---- the player
    // The pedal's own control `code` (0..11: KI..KV, B1..B3, FS, FL, RMT, EXP) is turned or
    // pressed to `value` (0..1023) at `at_us`: every effect control assigned to it takes the
    // value, as the firmware does. Returns how many controls followed, -1 when the code or the
    // value is out of range.
    int turn_control(int code, int value, qint64 at_us);

    // ---- faults
    // The pedal answers nothing.
    void inject_silence(bool on) { m_silent = on; }
    // Every answer is replaced by these bytes (empty: answers are true again).
    void inject_garbage(const QByteArray& bytes) { m_garbage = bytes; }
    // The k-th acknowledgement of the bootloader from now on (1 = the next) is a NACK, and its
    // command stops there.
    void inject_nack_at_step(int k) { m_context.nack_countdown = k; }
    // The cable is pulled as the k-th byte written from now on (1 = the next) goes out: that
    // byte and all later ones are lost.
    void inject_unplug_at_byte(qint64 k) { m_unplug_countdown = k; }
    // Every answer leaves this much later.
    void inject_extra_delay_us(qint64 delay_us) { m_context.extra_delay_us = delay_us; }
    // The k-th answer of the bootloader from now on (1 = the next) is lost, garbled, doubled or
    // late by `late_us`; the bootloader itself goes on as if it had been sent.
    void inject_answer_fault(int k, AnswerFault fault, qint64 late_us = 0) {
        m_context.answer_fault_countdown = k;
        m_context.answer_fault = fault;
        m_context.answer_fault_late_us = late_us;
    }
    // The flash byte at `address` does not take what is written to it; the write is still
    // acknowledged, as a worn cell's would be.
    void inject_dead_flash_cell(quint32 address) { m_context.dead_flash_cell = address; }
    // The next effect image is answered as loaded but dropped: the effect that ran goes on,
    // with its values.
    void inject_dropped_upload() { m_context.drop_next_upload = true; }
    void clear_faults();

    // ---- the cable
    void unplug(qint64 at_us);
    void replug() { m_unplugged = false; }
    bool unplugged() const { return m_unplugged; }
    // How often the cable has been pulled; a handle opened before a pull stays dead.
    int unplug_count() const { return m_unplug_count; }

private:
    void boot(PedalMode mode, qint64 at_us);
    void start_program(qint64 at_us);
    void emit_reply(const PendingReply& reply);

    PedalStorage m_storage;
    PedalContext m_context;
    PedalFirmware m_firmware;
    Stm32Bootloader m_bootloader;
    PedalMode m_mode = PedalMode::Firmware;
    qint64 m_listening_from_us = 0;

    SerialWire m_host_to_pedal;
    SerialWire m_pedal_to_chip;
    UsbPacketizer m_usb;
    std::deque<TimedByte> m_input; // on the line to the pedal, with arrival times
    QByteArray m_host_queue;       // delivered to the host, not yet read

    qint64 m_lost_answer_bytes = 0;

    bool m_keep_history = true;
    QList<TimedByte> m_received;
    QList<TimedByte> m_sent;

    bool m_silent = false;
    QByteArray m_garbage;
    qint64 m_unplug_countdown = 0;
    bool m_unplugged = false;
    int m_unplug_count = 0;
};

} // namespace kx::sim
