#pragma once

#include "sim/link_timing.h"
#include "sim/pedal_state.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

namespace kx::sim {

// Answers of the running firmware: 17 bytes each for an upload, and the first line of the
// information reply.
inline constexpr char kUploadLoadedReply[] = "Upload complete\r\n";
inline constexpr char kUploadRejectedReply[] = "Upload rejected\r\n";
inline constexpr char kProductLine[] = "Kestrel X";

// A message left unfinished, or one with an unknown command, is dropped once the line has been
// quiet this long; the next byte then starts a new message.
inline constexpr qint64 kQuietGap_us = 50000;

// Processor times of the running firmware (none when the pedal is instant).
inline constexpr qint64 kInfoReplyWork_us = 1000;
inline constexpr qint64 kParameterReplyWork_us = 2000;
inline constexpr qint64 kStoreSettingsWork_us = 30000; // a page of the microcontroller's flash
inline constexpr qint64 kUploadRejectWork_us = 1000;
// Loading an image writes it to the signal processor and its boot memory over I2C.
inline constexpr qint64 kUploadLoadWork_us = 20000;
inline constexpr qint64 kUploadLoadWorkPerByte_ns = 22500;

inline constexpr int kParameterMemoryWordCount = 1024;

// The effect the signal processor runs.
struct RunningEffect {
    int number = 0; // 0: the factory "empty" effect
    int version = 0;
    int control_count = 0;
    int readback_count = 0;
    QList<quint16> parameter_addresses; // one per control
    QList<quint32> parameter_memory;    // kParameterMemoryWordCount words
    Assignments assignments;

    // Parameter address of control i (an absent control reads word 0, as its table entry does).
    quint16 address_of(int control) const {
        return control < parameter_addresses.size() ? parameter_addresses[control] : 0;
    }
};

// The pedal's running firmware: reads command messages byte by byte and answers them.
//
//   first byte  length   message
//   0x00        L        effect image, its 3-byte length field L first (the image includes it)
//   0x01        7        parameter write: address (2), value word (4)
//   0x02        2        parameter request: control count N -> 4N + 22 decimal lines
//   0x03        2        store settings for N controls
//   0x04        23       assignments: 16 controls, 4 readbacks, bypass, preset
//   0x05        2        information request -> 4 lines
//   0x07        2        MIDI channel: 0 = omni, 1..16
//   0x0D        2        bypass: 0x00 engages it, 0x01 releases it
class PedalFirmware {
public:
    PedalFirmware(PedalStorage& storage, PedalContext& context);

    // Power-up: boots the effect kept in storage with its stored settings.
    void start(quint32 firmware_version);
    void receive(const TimedByte& byte, std::vector<PendingReply>& replies);

    // The pedal's own control `code` moved to `value`; see VirtualPedal::turn_control.
    int turn_control(int code, int value, qint64 at_us);

    const RunningEffect& effect() const { return m_effect; }
    bool bypassed() const { return m_bypassed; }
    quint32 firmware_version() const { return m_firmware_version; }

private:
    int message_length() const;
    void execute(qint64 at_us, std::vector<PendingReply>& replies);
    void answer(qint64 at_us, qint64 work_us, const QByteArray& bytes,
                std::vector<PendingReply>& replies);
    void drop_message(qint64 at_us, const QString& why);

    void upload(const QByteArray& image, qint64 at_us, std::vector<PendingReply>& replies);
    bool load_image(const QByteArray& image, QStringList* errors);
    void apply_stored_settings();
    QByteArray parameter_reply(int control_count) const;
    QByteArray information_reply() const;
    void store_settings(int control_count);
    void write_parameter(quint16 address, quint32 word, qint64 at_us);
    void set_assignments(const QByteArray& codes);

    PedalStorage& m_storage;
    PedalContext& m_context;
    RunningEffect m_effect;
    bool m_bypassed = false;
    quint32 m_firmware_version = 0;

    QByteArray m_message;
    bool m_discarding = false;
    qint64 m_last_byte_us = 0;
    qint64 m_busy_until_us = 0;
};

} // namespace kx::sim
