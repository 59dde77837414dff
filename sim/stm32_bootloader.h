#pragma once

#include "sim/link_timing.h"
#include "sim/pedal_state.h"

#include "library/firmware_image.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace kx::sim {

// The microcontroller: an STM32F103xB (medium density).
inline constexpr quint16 kProductId = 0x0410;
inline constexpr quint8 kBootloaderVersion = 0x22;
// Flash and RAM are where the firmware image format puts them; the flash has 1 KiB pages.
inline constexpr int kFlashPageBytes = 1024;
inline constexpr int kFlashPages = int(kFlashSize) / kFlashPageBytes;
// The bootloader keeps its own variables in the first 512 bytes of RAM.
inline constexpr int kRamReservedBytes = 512;
inline constexpr quint8 kErasedByte = 0xFF;

inline constexpr quint8 kAck = 0x79;
inline constexpr quint8 kNack = 0x1F;
inline constexpr quint8 kSync = 0x7F;

// Flash times of the part (typical figures of its data sheet).
inline constexpr qint64 kPageErase_us = 20000;
inline constexpr qint64 kMassErase_us = 40000;
inline constexpr qint64 kHalfWordProgram_us = 53;
// Time the bootloader needs to look at a frame before it answers.
inline constexpr qint64 kBootloaderAnswer_us = 20;

// Where a Go command sent the processor.
struct GoRequest {
    quint32 address = 0;
    qint64 at_us = 0; // when the jump happens (after the acknowledgement has left)
};

// The microcontroller's USART bootloader. It answers at 8N1, as the pedal's link is wired.
//
//   command      bytes after the command and its complement
//   0x00 Get          -> ACK, 7, version, the 7 command codes, ACK
//   0x01 Get Version  -> ACK, version, 0x00, 0x00, ACK
//   0x02 Get ID       -> ACK, 1, 0x04, 0x10, ACK
//   0x11 Read Memory  address frame -> ACK; N, ~N -> ACK, N + 1 bytes
//   0x21 Go           address frame -> ACK, then the jump
//   0x31 Write Memory address frame -> ACK; N, N + 1 bytes, checksum -> ACK
//   0x43 Erase        0xFF 0x00 (all pages) or N, N + 1 page numbers, checksum -> ACK
//
// An address frame is 4 address bytes, most significant first, then their XOR. Every error
// (bad complement, checksum, address or range, flash not erased) answers NACK and waits for the
// next command.
class Stm32Bootloader {
public:
    Stm32Bootloader(QByteArray& flash, PedalContext& context);

    // Reset: waits for the synchronisation byte again; RAM is lost.
    void start();
    void receive(const TimedByte& byte, std::vector<PendingReply>& replies);
    // A Go command that has been carried out since the last call.
    std::optional<GoRequest> take_go();

    bool synchronised() const { return m_phase != Phase::Sync; }

private:
    enum class Phase {
        Sync,
        Command,
        ReadAddress,
        ReadCount,
        GoAddress,
        WriteAddress,
        WriteData,
        EraseList,
    };

    void step(qint64 at_us, std::vector<PendingReply>& replies);
    void command(qint64 at_us, std::vector<PendingReply>& replies);
    // Answers ACK (or the injected NACK); false when the command must stop there.
    bool ack(qint64 at_us, qint64 work_us, QByteArray&& then, std::vector<PendingReply>& replies);
    void nack(qint64 at_us, const QString& why, std::vector<PendingReply>& replies);
    // Hands an answer to the line, through the injected answer fault if it is this one's.
    void answer(PendingReply reply, std::vector<PendingReply>& replies);
    void expect(Phase phase, int bytes);
    std::optional<quint32> address_frame() const;

    // Memory the commands may reach: a pointer to `count` bytes from `address`, or null.
    quint8* memory(quint32 address, int count, bool for_writing);

    QByteArray& m_flash;
    PedalContext& m_context;
    QByteArray m_ram;
    Phase m_phase = Phase::Sync;
    QByteArray m_frame;
    int m_frame_bytes = 0;
    quint32 m_address = 0;
    qint64 m_busy_until_us = 0;
    std::optional<GoRequest> m_go;
};

} // namespace kx::sim
