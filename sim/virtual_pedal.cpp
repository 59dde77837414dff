#include "sim/virtual_pedal.h"

#include "sim/microcontroller_flash.h"

#include <algorithm>

namespace kx::sim {

namespace {

// A byte has started on the line once less than a byte time is left before its arrival.
constexpr qint64 kByteTime_us = (kBitsPerByte * 1000000 + kBaudRate - 1) / kBaudRate;

// Dropping a block at a time keeps the cost of the bound small per byte.
void record(QList<TimedByte>& history, const TimedByte& byte) {
    if (history.size() >= kHistoryBytes)
        history.remove(0, kHistoryBytes / 4);
    history.append(byte);
}

} // namespace

VirtualPedal::VirtualPedal(bool instant, bool start_in_bootloader)
    : m_firmware(m_storage, m_context), m_bootloader(m_storage.flash, m_context) {
    m_storage.flash = factory_flash();
    set_instant(instant);
    // A new pedal is already powered and ready at time 0.
    boot(start_in_bootloader ? PedalMode::Bootloader : PedalMode::Firmware, 0);
    m_listening_from_us = 0;
}

void VirtualPedal::set_instant(bool instant) {
    m_context.instant = instant;
    m_host_to_pedal.set_instant(instant);
    m_pedal_to_chip.set_instant(instant);
    m_usb.set_instant(instant);
}

void VirtualPedal::set_note_sink(std::function<void(qint64, const QString&)> sink) {
    m_context.note = std::move(sink);
}

void VirtualPedal::boot(PedalMode mode, qint64 at_us) {
    if (mode == PedalMode::Bootloader) {
        m_mode = PedalMode::Bootloader;
        m_bootloader.start();
        m_listening_from_us = at_us + m_context.work_us(kBootloaderStart_us);
        m_context.tell(at_us, QStringLiteral("bootloader started"));
        return;
    }
    start_program(at_us);
}

void VirtualPedal::start_program(qint64 at_us) {
    m_listening_from_us = at_us + m_context.work_us(kFirmwareBoot_us);
    if (!has_application(m_storage.flash)) {
        m_mode = PedalMode::Halted;
        m_context.tell(at_us, QStringLiteral("no program in flash: halted"));
        return;
    }
    m_mode = PedalMode::Firmware;
    m_firmware.start(firmware_version_in(m_storage.flash));
    m_context.tell(at_us, QStringLiteral("firmware %1 started with effect %2")
                              .arg(m_firmware.firmware_version())
                              .arg(m_firmware.effect().number));
}

qsizetype VirtualPedal::host_bytes(const QByteArray& bytes, qint64 at_us) {
    advance(at_us);
    qsizetype written = 0;
    for (char value : bytes) {
        if (m_unplugged)
            break;
        if (m_unplug_countdown > 0 && --m_unplug_countdown == 0) {
            unplug(at_us);
            break;
        }
        m_input.push_back({m_host_to_pedal.push(at_us), quint8(value)});
        ++written;
    }
    advance(at_us);
    return written;
}

void VirtualPedal::advance(qint64 now_us) {
    std::vector<PendingReply> replies;
    while (!m_input.empty() && m_input.front().at_us <= now_us) {
        const TimedByte byte = m_input.front();
        m_input.pop_front();
        if (m_keep_history)
            record(m_received, byte);
        if (byte.at_us < m_listening_from_us)
            continue; // still starting up
        replies.clear();
        if (m_mode == PedalMode::Firmware) {
            m_firmware.receive(byte, replies);
        } else if (m_mode == PedalMode::Bootloader) {
            m_bootloader.receive(byte, replies);
        }
        for (const PendingReply& reply : replies)
            emit_reply(reply);
        if (m_mode == PedalMode::Bootloader) {
            if (const std::optional<GoRequest> go = m_bootloader.take_go()) {
                if (go->address == kFlashBase) {
                    start_program(go->at_us);
                } else {
                    m_mode = PedalMode::Halted;
                    m_context.tell(go->at_us, QStringLiteral("jumped outside the program: halted"));
                }
            }
        }
    }
    for (const TimedByte& byte : m_usb.deliver(now_us)) {
        if (m_unplugged)
            break;
        m_host_queue.append(char(byte.value));
        if (m_keep_history)
            record(m_sent, byte);
    }
}

void VirtualPedal::emit_reply(const PendingReply& reply) {
    if (m_unplugged)
        return;
    if (m_silent) {
        m_context.tell(reply.ready_us,
                       QStringLiteral("answer of %1 bytes withheld").arg(reply.bytes.size()));
        return;
    }
    const QByteArray& bytes = m_garbage.isEmpty() ? reply.bytes : m_garbage;
    const qsizetype room = std::max<qsizetype>(0, kMaxUnreadAnswerBytes - unread_answer_bytes());
    const qsizetype kept = std::min(room, bytes.size());
    for (qsizetype i = 0; i < kept; ++i)
        m_usb.push({m_pedal_to_chip.push(reply.ready_us), quint8(bytes[i])});
    if (kept < bytes.size()) {
        m_lost_answer_bytes += bytes.size() - kept;
        m_context.tell(reply.ready_us, QStringLiteral("%1 of %2 answer bytes lost: the host has "
                                                      "not read %3 bytes")
                                           .arg(bytes.size() - kept)
                                           .arg(bytes.size())
                                           .arg(kMaxUnreadAnswerBytes));
    }
}

QByteArray VirtualPedal::take_deliverable(qint64 now_us, qsizetype max_bytes) {
    advance(now_us);
    const qsizetype count =
        max_bytes < 0 ? m_host_queue.size() : std::min(max_bytes, m_host_queue.size());
    const QByteArray taken = m_host_queue.left(count);
    m_host_queue.remove(0, count);
    return taken;
}

qsizetype VirtualPedal::deliverable_count(qint64 now_us) {
    advance(now_us);
    return m_host_queue.size();
}

std::optional<qint64> VirtualPedal::next_delivery_us() const {
    std::optional<qint64> next = m_usb.next_packet_us();
    // The pedal reads everything queued for it by the last byte's arrival; waking then finds
    // every answer it will give to what was sent so far.
    if (!m_input.empty())
        next = next ? std::min(*next, m_input.back().at_us) : m_input.back().at_us;
    return next;
}

void VirtualPedal::purge_host_receive(qint64 now_us) {
    advance(now_us);
    m_host_queue.clear();
    m_usb.purge_received_by(now_us);
}

void VirtualPedal::purge_host_transmit(qint64 now_us) {
    advance(now_us);
    const auto not_started = [&](const TimedByte& byte) {
        return byte.at_us - kByteTime_us > now_us;
    };
    m_input.erase(std::remove_if(m_input.begin(), m_input.end(), not_started), m_input.end());
    m_host_to_pedal.restart(m_input.empty() ? now_us : m_input.back().at_us);
}

void VirtualPedal::power_cycle(qint64 at_us, bool footswitch_held) {
    advance(at_us);
    // Answers still inside the pedal are lost; what the chip holds stays there.
    m_usb.drop_arriving_after(at_us);
    m_context.tell(at_us, footswitch_held ? QStringLiteral("power cycle, footswitch held")
                                          : QStringLiteral("power cycle"));
    m_pedal_to_chip.restart(at_us);
    boot(footswitch_held ? PedalMode::Bootloader : PedalMode::Firmware, at_us);
}

quint32 VirtualPedal::parameter_word(int address) const {
    const QList<quint32>& memory = m_firmware.effect().parameter_memory;
    return address >= 0 && address < memory.size() ? memory[address] : 0;
}

int VirtualPedal::turn_control(int code, int value, qint64 at_us) {
    advance(at_us);
    if (m_mode != PedalMode::Firmware)
        return 0;
    return m_firmware.turn_control(code, value, at_us);
}

void VirtualPedal::clear_history() {
    m_received.clear();
    m_sent.clear();
}

void VirtualPedal::clear_faults() {
    m_silent = false;
    m_garbage.clear();
    m_context.nack_countdown = 0;
    m_context.answer_fault_countdown = 0;
    m_unplug_countdown = 0;
    m_context.extra_delay_us = 0;
    m_context.dead_flash_cell = -1;
    m_context.drop_next_upload = false;
}

void VirtualPedal::unplug(qint64 at_us) {
    advance(at_us);
    m_unplugged = true;
    ++m_unplug_count;
    m_input.clear();
    m_usb.clear();
    m_host_queue.clear();
    m_host_to_pedal.restart(at_us);
    m_pedal_to_chip.restart(at_us);
    m_context.tell(at_us, QStringLiteral("cable pulled"));
}

} // namespace kx::sim
