#pragma once

#include "base/result.h"
#include "base/task.h"
#include "base/translation.h"
#include "link/connection_ui.h"
#include "link/serial_driver.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

namespace kx {

class Clock;
class D2XXUnit;
class Log;

// Time limit for a reply of the running firmware and for the bootloader check, counted from the
// end of the request's write, however the reply's bytes arrive.
inline constexpr int kReplyTimeoutMs = 2000;
// A reply without a known length, or one that stops short of it, ends once the link has been
// quiet this long after its last byte: well above the chip's 16 ms latency timer, which flushes
// a partial USB packet.
inline constexpr int kQuietGapMs = 50;
// A reply of known lines is followed this long after its last line, for bytes of the same
// burst: the chip flushes a partial USB packet after its 16 ms latency timer, so a burst that
// goes on shows within it. A line that came in front of the reply (on its way when the request
// was written) then shows as a line too many instead of pushing the reply's last line out.
inline constexpr int kBurstTailMs = 20;
// Longest single wait on the driver before the link looks at the chip again.
inline constexpr int kPollMs = 10;

inline constexpr char kTextDeviceNameDefault[] = QT_TRANSLATE_NOOP("Link", "Device Name");
inline constexpr const char* kTextFactoryDescription = kChipFactoryDescription;
inline constexpr char kTextPedalName[] = "Kestrel X";
inline constexpr char kTextNoDevice[] = QT_TRANSLATE_NOOP("Link", "No device found");
inline constexpr char kTextFoundClickConnect[] = QT_TRANSLATE_NOOP("Link", " found, click Connect");
inline constexpr char kTextConnectedSuffix[] = QT_TRANSLATE_NOOP("Link", " connected");
inline constexpr char kTextConnected[] = QT_TRANSLATE_NOOP("Link", "connected");
inline constexpr char kTextBootloaderOk[] =
    QT_TRANSLATE_NOOP("Link", "Connection to bootloader succeeded, ready for firmware upgrade");
inline constexpr char kTextBootloaderFailed[] =
    QT_TRANSLATE_NOOP("Link", "Connection to bootloader failed");
inline constexpr char kTextBootloaderAck[] = "79";
inline constexpr char kTextBootloaderNack[] = "1F";

inline constexpr char kLogDeviceCount[] = "FT device count: ";
inline constexpr char kLogDeviceString[] = "FT_Device_String: ";
inline constexpr char kLogSerialNumber[] = "serial number: ";
inline constexpr char kLogHandle[] = "FT_HANDLE: 0x";
inline constexpr char kLogBaudRate[] = "baud rate = ";
inline constexpr char kLogReceivedByte[] = "received Byte: ";
inline constexpr char kLogBytesReceived[] = "num of bytes received: ";
inline constexpr char kLogArraySize[] = "receive array size: ";
inline constexpr char kLogLinkLost[] = "connection lost: the chip was closed";
inline constexpr char kLogChipUnplugged[] = "connection lost: the chip was unplugged";

inline constexpr char kLogLateReplyDropped[] = "late reply dropped, bytes: ";
inline constexpr char kLogStrayBytesDropped[] = "stray bytes dropped before the request, bytes: ";

inline constexpr char kMessageNoReply[] =
    QT_TRANSLATE_NOOP("Link", "The pedal did not send its %1 within %2 s.");
inline constexpr char kMessageUnfinished[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal did not finish its %1 within %2 s: %3 bytes came, still without its end.");
inline constexpr char kMessageBadValue[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal's reply cannot be read: line %1 (\"%2\") is not a number from 0 to 255.");
inline constexpr char kMessageShortReply[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal's reply is incomplete: it holds %1 values where %2 were expected.");
inline constexpr char kMessageLongReply[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal's reply does not fit: it holds %1 values where %2 were expected.");
inline constexpr char kMessageIncomplete[] =
    QT_TRANSLATE_NOOP("Link", "The pedal's %1 is incomplete: it stopped after %2 bytes.");
inline constexpr char kMessageOverlong[] =
    QT_TRANSLATE_NOOP("Link", "The pedal's %1 is longer than it can be.");
inline constexpr char kMessageBootloaderRefused[] = QT_TRANSLATE_NOOP(
    "Link",
    "Start a firmware upgrade, or power the pedal up without holding the footswitch: the pedal "
    "is in its bootloader, which refused to send its %1.");
inline constexpr char kMessageLinkLost[] = QT_TRANSLATE_NOOP(
    "Link", "The connection to the pedal was lost (%1). Plug it in again and choose Connect.");

// The longest line a reply of the running firmware may hold, CR LF included: a reply that
// runs past its lines times this is not the one asked for.
inline constexpr int kMaxReplyLineBytes = 32;
// Writes longer than this go out in pieces, with the event loop served between them, so
// that a long message (an effect image is most of a second of wire) does not freeze the
// windows. The bootloader's longest frame (N - 1, 256 data bytes, checksum) still goes out
// in one write.
inline constexpr quint32 kWritePieceBytes = 258;
// The event loop runs between pieces only while at least this much wire time is written ahead
// of the line: a slow event then cannot leave the pedal a silence mid-message, which it would
// take for the message's end.
inline constexpr qint64 kWriteLeadMs = 100;

// What a wait for the pedal expects. A reply is complete at `expected_lines` lines or
// `expected_bytes` bytes; with neither, it ends once the link has been quiet for kQuietGapMs
// after its last byte. Whatever arrives, the wait ends `timeout_ms` after it began. `name` says
// in messages which reply it is. An `exact` reply is taken at the end of its burst
// (kBurstTailMs after its last line); more lines than asked for in that burst mean it was not
// the reply asked for, unless `extra_lines_ok` (the parameter state reply, whose reader tells
// from their form which lines are the reply). Bytes that come after it are dropped, and
// logged, by the next exchange.
struct ReplyRequest {
    QString name;
    int expected_lines = 0;
    int expected_bytes = 0;
    int timeout_ms = kReplyTimeoutMs;
    bool exact = false;
    // Whether a reply that goes quiet before its count is returned as it is (the upload's
    // answer is shown whatever its length).
    bool short_ok = false;
    // A reply asked for again and again (following the pedal) logs no lines of its values: it
    // would fill the log several times a second. What goes wrong is logged all the same.
    bool quiet = false;
    bool extra_lines_ok = false;
};

// The four-line effect information reply.
ReplyRequest information_reply(int timeout_ms = kReplyTimeoutMs);
// The parameter state reply for `control_count` controls: 4N + 22 lines.
ReplyRequest parameter_reply(int control_count, int timeout_ms = kReplyTimeoutMs);
// The first byte the bootloader sends (acknowledgement or refusal).
ReplyRequest bootloader_reply(int timeout_ms = kReplyTimeoutMs);

class Communication;

// Held by work that takes several exchanges (an upload, the firmware upgrade): while it
// lives, every exchange without it is refused, so no other pedal action can come between.
class LinkClaim {
public:
    LinkClaim(LinkClaim&& other) noexcept;
    LinkClaim& operator=(LinkClaim&&) = delete;
    LinkClaim(const LinkClaim&) = delete;
    ~LinkClaim();
    const QString& action() const { return m_action; }

private:
    friend class Communication;
    LinkClaim(Communication& comm, QString action, quint64 id)
        : m_comm(&comm), m_action(std::move(action)), m_id(id) {}
    Communication* m_comm;
    QString m_action;
    quint64 m_id;
};

// Discovery and connection of the pedal's chip, and the exchanges with it. Runs on the window
// thread; a wait suspends its work and returns to the event loop, and while it runs every
// other exchange with the pedal is refused with a log line and a status text the user sees.
//
// No step shows a box: each returns what happened, and its caller (the main window, the
// command line) decides what the user reads. A lost chip is announced once, through the lost
// handler, whatever call finds it, and the link goes to the not-connected state.
class Communication {
public:
    Communication(D2XXUnit& d2xx, ConnectionUi& ui, Log& log, Clock& clock);
    ~Communication();
    Communication(const Communication&) = delete;
    Communication& operator=(const Communication&) = delete;

    // Start-up: list the chips, then fill the line settings (115200 8N1). A failing driver
    // call does not stop the listing, which goes on with what it has; the first is returned.
    Status list_devices();
    void init_line_settings();

    // Lists the chips again: the description of each (the device name shows the last). No
    // chip gives NoPedal with kTextNoDevice.
    Result<QStringList> scan_devices();
    // Opens the chip of device_serial_number; in firmware-upgrade mode then checks the
    // bootloader. An error when the chip could not be opened (connected() is false; NoPedal
    // when the chip is not there), and also when it was opened but a line setting failed
    // (DriverFailed) or the bootloader check failed (BootloaderSilent, kTextBootloaderFailed
    // with the reason): connected() is true then.
    Task<Status> connect_device();
    // Closes the chip; on success the link goes to the not-connected state.
    Status disconnect_device();
    bool connected() const;
    // The connected chip was unplugged while nothing waited for it (the pedal watcher saw it
    // go): closes the handle, logs, and goes to the not-connected state without announcing a
    // lost link; the caller tells the user in the status line.
    void chip_unplugged();

    // ---- exchanges
    // The one exchange primitive: drops what a late earlier reply may still bring, empties
    // both queues, writes the message and collects its reply.
    // `written` runs once the message is out, before the wait (for progress and log lines).
    // Every wait of these suspends the caller's work and returns to the event loop; the
    // arguments are taken by value, as they must outlive the caller's statement.
    Task<Result<QByteArray>> exchange(QByteArray message, ReplyRequest reply,
                                      const LinkClaim* claim = nullptr,
                                      std::function<void()> written = {});
    // Writes a message that has no reply (parameter writes, a bootloader byte).
    Task<Status> send_message(QByteArray message, const LinkClaim* claim = nullptr);
    // Collects a reply to bytes already written.
    Task<Result<QByteArray>> collect_reply(ReplyRequest request, const LinkClaim* claim = nullptr);
    // A fixed pause between messages; pedal actions tried meanwhile are refused, as during a
    // wait for a reply. It runs on `clock` when given (the caller's own), else on the link's.
    Task<> pause(int ms, Clock* clock = nullptr);
    // Blocks until the bytes written have left for the chip, at most `timeout_ms`: for a
    // program that ends right after a message.
    Task<Status> wait_until_sent(int timeout_ms);
    // Sets the chip's latency timer, for work of many short answers (the bootloader's); the
    // value is the timer it had, to be set again afterwards. An error where the system cannot
    // set it; nothing has changed then.
    Result<quint8> set_latency_timer(quint8 ms, const LinkClaim* claim = nullptr);
    // Told of each piece of a long message as the chip takes it: bytes taken so far, and all.
    void set_write_progress(std::function<void(quint32 written, quint32 total)> progress) {
        m_write_progress = std::move(progress);
    }

    // A text reply (information, upload answer) to `message`, with its log line.
    Task<Result<QByteArray>> receive_text(QByteArray message, ReplyRequest request,
                                          const LinkClaim* claim = nullptr);
    // A parameter state reply to `message`: fills received_values and returns them.
    Task<Result<QByteArray>> receive_values(QByteArray message, ReplyRequest request,
                                            const LinkClaim* claim = nullptr);
    // Fills received_values from the reply's lines, which must give exactly `expected_count`
    // values (0: any non-empty count), or at least that many with `extra_ok`. On failure
    // received_values is unchanged.
    Result<QByteArray> parse_values(const QByteArray& reply, int expected_count, bool quiet = false,
                                    bool extra_ok = false);

    // Claims the link for work of several exchanges; an error when another claim or a wait
    // runs (the user has been told).
    Result<LinkClaim> claim(const QString& action);
    // False, with a log line and a status text naming `action`, while a wait for the pedal or
    // another claim runs: callers check it before they start an exchange of their own.
    bool exchange_allowed(const QString& action, const LinkClaim* claim = nullptr);
    bool waiting() const;
    bool claimed() const { return m_claim_id != 0; }

    // Called whenever connected(), firmware_upgrade_mode's effect or bootloader_ready change
    // (the pedal session follows the link through it).
    void set_state_handler(std::function<void()> handler) { m_state_handler = std::move(handler); }
    // Called once when an exchange or a step finds the chip gone (LinkLost, with the driver's
    // words), after the link has gone to the not-connected state.
    void set_lost_handler(std::function<void(const Error&)> handler) {
        m_lost_handler = std::move(handler);
    }

    QString device_serial_number;
    bool firmware_upgrade_mode = false;
    // The bootloader acknowledged the check of the last connect in upgrade mode.
    bool bootloader_ready = false;
    QByteArray received_values;

private:
    friend class LinkClaim;
    Task<Status> check_bootloader();
    // One filler byte and the bootloader's answer to it: ACK, NACK, or 0 for none.
    Task<Result<char>> send_filler();
    void enter_not_connected_state();
    void link_lost(const QString& message);
    void state_changed();
    // Waits out a reply that may still come for an earlier request that gave up on it.
    Task<Status> drop_late_reply();
    // Reads and logs what arrived unasked since the last exchange, before the purge drops it.
    Status drop_stray_bytes();
    Task<Status> write_pieces(quint32 count);

    D2XXUnit& m_d2xx;
    ConnectionUi& m_ui;
    Log& m_log;
    Clock& m_clock;
    std::function<void()> m_state_handler;
    std::function<void(const Error&)> m_lost_handler;
    quint64 m_claim_id = 0; // of the claim that holds the link; 0: none
    quint64 m_last_claim_id = 0;
    // Until then a reply that came too late for its request may still arrive.
    qint64 m_late_until_ms = -1;
    std::function<void(quint32, quint32)> m_write_progress;
};

} // namespace kx
