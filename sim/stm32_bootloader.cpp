#include "sim/stm32_bootloader.h"

#include <algorithm>

namespace kx::sim {

namespace {

enum Command : quint8 {
    kGet = 0x00,
    kGetVersion = 0x01,
    kGetId = 0x02,
    kReadMemory = 0x11,
    kGo = 0x21,
    kWriteMemory = 0x31,
    kErase = 0x43,
};

constexpr quint8 kCommands[] = {kGet, kGetVersion, kGetId, kReadMemory, kGo, kWriteMemory, kErase};
constexpr int kAddressFrameBytes = 5;
constexpr quint8 kGlobalErase = 0xFF;

quint8 xor_of(const QByteArray& bytes, int from, int count) {
    quint8 sum = 0;
    for (int i = from; i < from + count; ++i)
        sum ^= quint8(bytes[i]);
    return sum;
}

QString hex32(quint32 value) {
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(8, '0');
}

} // namespace

Stm32Bootloader::Stm32Bootloader(QByteArray& flash, PedalContext& context)
    : m_flash(flash), m_context(context) {
    start();
}

void Stm32Bootloader::start() {
    m_ram = QByteArray(kRamSize, '\0');
    m_phase = Phase::Sync;
    m_frame.clear();
    m_frame_bytes = 0;
    m_busy_until_us = 0;
    m_go.reset();
}

std::optional<GoRequest> Stm32Bootloader::take_go() {
    std::optional<GoRequest> go = m_go;
    m_go.reset();
    return go;
}

void Stm32Bootloader::expect(Phase phase, int bytes) {
    m_phase = phase;
    m_frame.clear();
    m_frame_bytes = bytes;
}

void Stm32Bootloader::receive(const TimedByte& byte, std::vector<PendingReply>& replies) {
    if (m_phase == Phase::Sync) {
        // Until it has seen the synchronisation byte the bootloader measures the line, no more.
        if (byte.value == kSync) {
            m_context.tell(byte.at_us, QStringLiteral("synchronised"));
            if (ack(byte.at_us, 0, {}, replies))
                expect(Phase::Command, 2);
        }
        return;
    }
    m_frame.append(char(byte.value));
    if (m_frame.size() == 1 && m_phase == Phase::WriteData)
        m_frame_bytes = byte.value + 3; // N, N + 1 data bytes, checksum
    if (m_frame.size() == 1 && m_phase == Phase::EraseList)
        m_frame_bytes = byte.value == kGlobalErase ? 2 : byte.value + 3;
    if (m_frame.size() == m_frame_bytes)
        step(byte.at_us, replies);
}

bool Stm32Bootloader::ack(qint64 at_us, qint64 work_us, QByteArray&& then,
                          std::vector<PendingReply>& replies) {
    if (m_context.nack_countdown > 0 && --m_context.nack_countdown == 0) {
        nack(at_us, QStringLiteral("injected fault"), replies);
        return false;
    }
    const qint64 start_us = std::max(at_us, m_busy_until_us);
    m_busy_until_us = start_us + m_context.work_us(kBootloaderAnswer_us + work_us);
    answer({m_busy_until_us + m_context.extra_delay_us, char(kAck) + then}, replies);
    return true;
}

void Stm32Bootloader::answer(PendingReply reply, std::vector<PendingReply>& replies) {
    if (m_context.answer_fault_countdown == 0 || --m_context.answer_fault_countdown > 0) {
        replies.push_back(std::move(reply));
        return;
    }
    switch (m_context.answer_fault) {
    case AnswerFault::Lost:
        m_context.tell(reply.ready_us, QStringLiteral("injected fault: answer lost"));
        return;
    case AnswerFault::Garbled:
        m_context.tell(reply.ready_us, QStringLiteral("injected fault: answer garbled"));
        reply.bytes[0] = char(quint8(reply.bytes[0]) ^ 0x24);
        break;
    case AnswerFault::Doubled:
        m_context.tell(reply.ready_us, QStringLiteral("injected fault: answer doubled"));
        reply.bytes.prepend(reply.bytes[0]);
        break;
    case AnswerFault::Late:
        m_context.tell(reply.ready_us, QStringLiteral("injected fault: answer late"));
        reply.ready_us += m_context.answer_fault_late_us;
        break;
    }
    replies.push_back(std::move(reply));
}

void Stm32Bootloader::nack(qint64 at_us, const QString& why, std::vector<PendingReply>& replies) {
    m_context.tell(at_us, QStringLiteral("NACK: %1").arg(why));
    const qint64 start_us = std::max(at_us, m_busy_until_us);
    m_busy_until_us = start_us + m_context.work_us(kBootloaderAnswer_us);
    answer({m_busy_until_us + m_context.extra_delay_us, QByteArray(1, char(kNack))}, replies);
    expect(Phase::Command, 2);
}

std::optional<quint32> Stm32Bootloader::address_frame() const {
    if (xor_of(m_frame, 0, 4) != quint8(m_frame[4]))
        return std::nullopt;
    return (quint32(quint8(m_frame[0])) << 24) | (quint32(quint8(m_frame[1])) << 16) |
           (quint32(quint8(m_frame[2])) << 8) | quint32(quint8(m_frame[3]));
}

quint8* Stm32Bootloader::memory(quint32 address, int count, bool for_writing) {
    const auto inside = [&](quint32 base, quint32 size) {
        return address >= base && quint64(address) + quint64(count) <= quint64(base) + size;
    };
    if (inside(kFlashBase, kFlashSize))
        return reinterpret_cast<quint8*>(m_flash.data()) + (address - kFlashBase);
    if (inside(kRamBase, kRamSize) && (!for_writing || address >= kRamBase + kRamReservedBytes))
        return reinterpret_cast<quint8*>(m_ram.data()) + (address - kRamBase);
    return nullptr;
}

void Stm32Bootloader::command(qint64 at_us, std::vector<PendingReply>& replies) {
    const quint8 code = quint8(m_frame[0]);
    if ((code ^ quint8(m_frame[1])) != 0xFF) {
        nack(at_us, QStringLiteral("command %1 without its complement").arg(code, 2, 16), replies);
        return;
    }
    switch (code) {
    case kGet: {
        QByteArray list(1, char(sizeof(kCommands)));
        list.append(char(kBootloaderVersion));
        for (quint8 command : kCommands)
            list.append(char(command));
        list.append(char(kAck));
        if (ack(at_us, 0, std::move(list), replies))
            expect(Phase::Command, 2);
        return;
    }
    case kGetVersion: {
        // Version, then the two option bytes the old protocol reported (always 0).
        const char version[] = {char(kBootloaderVersion), 0, 0, char(kAck)};
        if (ack(at_us, 0, QByteArray(version, sizeof(version)), replies))
            expect(Phase::Command, 2);
        return;
    }
    case kGetId: {
        const char id[] = {1, char(kProductId >> 8), char(kProductId & 0xFF), char(kAck)};
        if (ack(at_us, 0, QByteArray(id, sizeof(id)), replies))
            expect(Phase::Command, 2);
        return;
    }
    case kReadMemory:
        if (ack(at_us, 0, {}, replies))
            expect(Phase::ReadAddress, kAddressFrameBytes);
        return;
    case kGo:
        if (ack(at_us, 0, {}, replies))
            expect(Phase::GoAddress, kAddressFrameBytes);
        return;
    case kWriteMemory:
        if (ack(at_us, 0, {}, replies))
            expect(Phase::WriteAddress, kAddressFrameBytes);
        return;
    case kErase:
        if (ack(at_us, 0, {}, replies))
            expect(Phase::EraseList, 1);
        return;
    default:
        nack(at_us, QStringLiteral("unknown command %1").arg(code, 2, 16), replies);
    }
}

void Stm32Bootloader::step(qint64 at_us, std::vector<PendingReply>& replies) {
    switch (m_phase) {
    case Phase::Sync:
        return;
    case Phase::Command:
        command(at_us, replies);
        return;
    case Phase::ReadAddress:
    case Phase::WriteAddress:
    case Phase::GoAddress: {
        const std::optional<quint32> address = address_frame();
        if (!address) {
            nack(at_us, QStringLiteral("address checksum"), replies);
            return;
        }
        if (!memory(*address, 1, m_phase == Phase::WriteAddress)) {
            nack(at_us, QStringLiteral("address %1 outside memory").arg(hex32(*address)), replies);
            return;
        }
        m_address = *address;
        const Phase phase = m_phase;
        if (!ack(at_us, 0, {}, replies))
            return;
        if (phase == Phase::ReadAddress) {
            expect(Phase::ReadCount, 2);
        } else if (phase == Phase::WriteAddress) {
            expect(Phase::WriteData, 1);
        } else {
            m_context.tell(at_us, QStringLiteral("go to %1").arg(hex32(m_address)));
            m_go = GoRequest{m_address, m_busy_until_us};
            expect(Phase::Sync, 0);
        }
        return;
    }
    case Phase::ReadCount: {
        const int count = quint8(m_frame[0]) + 1;
        if ((quint8(m_frame[0]) ^ quint8(m_frame[1])) != 0xFF) {
            nack(at_us, QStringLiteral("read count without its complement"), replies);
            return;
        }
        const quint8* source = memory(m_address, count, false);
        if (!source) {
            nack(at_us, QStringLiteral("read past the end of memory"), replies);
            return;
        }
        m_context.tell(at_us,
                       QStringLiteral("read %1 bytes at %2").arg(count).arg(hex32(m_address)));
        if (ack(at_us, 0, QByteArray(reinterpret_cast<const char*>(source), count), replies))
            expect(Phase::Command, 2);
        return;
    }
    case Phase::WriteData: {
        const int count = quint8(m_frame[0]) + 1;
        if (xor_of(m_frame, 0, count + 1) != quint8(m_frame[count + 1])) {
            nack(at_us, QStringLiteral("data checksum"), replies);
            return;
        }
        quint8* target = memory(m_address, count, true);
        if (!target) {
            nack(at_us, QStringLiteral("write past the end of memory"), replies);
            return;
        }
        const bool to_flash = m_address >= kFlashBase && m_address < kFlashBase + kFlashSize;
        if (to_flash &&
            std::any_of(target, target + count, [](quint8 b) { return b != kErasedByte; })) {
            nack(at_us, QStringLiteral("flash at %1 not erased").arg(hex32(m_address)), replies);
            return;
        }
        const qint64 work_us = to_flash ? (count + 1) / 2 * kHalfWordProgram_us : 0;
        if (!ack(at_us, work_us, {}, replies))
            return;
        std::copy_n(reinterpret_cast<const quint8*>(m_frame.constData()) + 1, count, target);
        const qint64 dead = m_context.dead_flash_cell;
        if (to_flash && dead >= qint64(m_address) && dead < qint64(m_address) + count)
            target[dead - m_address] = kErasedByte;
        m_context.tell(at_us,
                       QStringLiteral("wrote %1 bytes at %2").arg(count).arg(hex32(m_address)));
        expect(Phase::Command, 2);
        return;
    }
    case Phase::EraseList: {
        if (quint8(m_frame[0]) == kGlobalErase) {
            if (quint8(m_frame[1]) != 0x00) {
                nack(at_us, QStringLiteral("global erase checksum"), replies);
                return;
            }
            if (!ack(at_us, kMassErase_us, {}, replies))
                return;
            m_flash.fill(char(kErasedByte));
            m_context.tell(at_us, QStringLiteral("erased all pages"));
            expect(Phase::Command, 2);
            return;
        }
        const int pages = quint8(m_frame[0]) + 1;
        if (xor_of(m_frame, 0, pages + 1) != quint8(m_frame[pages + 1])) {
            nack(at_us, QStringLiteral("erase checksum"), replies);
            return;
        }
        for (int i = 1; i <= pages; ++i) {
            if (quint8(m_frame[i]) >= kFlashPages) {
                nack(at_us, QStringLiteral("page %1 does not exist").arg(quint8(m_frame[i])),
                     replies);
                return;
            }
        }
        if (!ack(at_us, pages * kPageErase_us, {}, replies))
            return;
        for (int i = 1; i <= pages; ++i)
            m_flash.replace(quint8(m_frame[i]) * kFlashPageBytes, kFlashPageBytes,
                            QByteArray(kFlashPageBytes, char(kErasedByte)));
        m_context.tell(
            at_us,
            QStringLiteral("erased %1 page(s) from page %2").arg(pages).arg(quint8(m_frame[1])));
        expect(Phase::Command, 2);
        return;
    }
    }
}

} // namespace kx::sim
