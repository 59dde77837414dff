#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <map>
#include <vector>

namespace kx::sim {

inline constexpr quint8 kUnassigned = 0xFF;
inline constexpr int kAssignableControls = 16;
inline constexpr int kAssignableReadbacks = 4;

// Which of the pedal's own knobs, buttons and lights drive the running effect.
struct Assignments {
    std::array<quint8, kAssignableControls> controls;
    std::array<quint8, kAssignableReadbacks> readbacks;
    quint8 bypass = kUnassigned;
    quint8 preset = kUnassigned;

    Assignments() {
        controls.fill(kUnassigned);
        readbacks.fill(kUnassigned);
    }
    bool operator==(const Assignments&) const = default;
};

// What "store settings" keeps for one effect: the words of its controls and its assignments.
struct StoredSettings {
    std::map<quint16, quint32> words; // parameter address -> value word
    Assignments assignments;
    bool operator==(const StoredSettings&) const = default;
};

// Everything that survives a power cycle: the microcontroller's flash, the effect the signal
// processor boots (its image is kept in the processor's boot memory), the stored settings per
// effect number and the MIDI channel.
struct PedalStorage {
    QByteArray flash;
    QByteArray effect_image; // empty: the factory "empty" effect
    std::map<int, StoredSettings> settings;
    int midi_channel = 0; // 0 = omni, 1..16
};

// An answer that the pedal's processor has ready for the serial line at `ready_us`.
struct PendingReply {
    qint64 ready_us = 0;
    QByteArray bytes;
};

// What may happen to one answer on its way to the host.
enum class AnswerFault {
    Lost,    // never arrives
    Garbled, // its first byte arrives corrupted
    Doubled, // its first byte arrives twice
    Late,    // arrives, but late
};

// Timing and fault settings shared by the firmware and the bootloader.
struct PedalContext {
    bool instant = false;
    qint64 extra_delay_us = 0;
    // The k-th acknowledgement of the bootloader from now on becomes a NACK (0: none).
    int nack_countdown = 0;
    // The k-th answer of the bootloader from now on meets `answer_fault` (0: none).
    int answer_fault_countdown = 0;
    AnswerFault answer_fault = AnswerFault::Lost;
    qint64 answer_fault_late_us = 0;
    // A flash byte that keeps its erased value whatever is written to it (-1: none).
    qint64 dead_flash_cell = -1;
    // The next effect image is dropped, yet answered as loaded; the running effect goes on.
    bool drop_next_upload = false;
    // "What the pedal understood", for logs; may be empty.
    std::function<void(qint64 at_us, const QString& text)> note;

    // Time the processor takes for some work; none when the pedal is instant.
    qint64 work_us(qint64 realistic_us) const { return instant ? 0 : realistic_us; }
    void tell(qint64 at_us, const QString& text) const {
        if (note)
            note(at_us, text);
    }
};

} // namespace kx::sim
