#pragma once

#include "link/connection_ui.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kx {

class Clock;
class D2XXUnit;
class Dialogs;
class Log;

// Time limit for a reply of the running firmware and for the bootloader check.
inline constexpr int kReplyTimeoutMs = 2000;
// A reply counts as complete once the link has been quiet this long after its last byte: well
// above the chip's 16 ms latency timer, which flushes a partial USB packet.
inline constexpr int kQuietGapMs = 50;
// Longest single wait on the driver, so that window events are still handled during a wait.
inline constexpr int kPollMs = 10;

inline constexpr char kTextDeviceNameDefault[] = "Device Name";
inline constexpr char kTextFactoryDescription[] = "FT230X Basic UART";
inline constexpr char kTextPedalName[] = "Kestrel X";
inline constexpr char kTextNoDevice[] = "No device found";
inline constexpr char kTextFoundClickConnect[] = " found, click Connect";
inline constexpr char kTextConnectedSuffix[] = " connected";
inline constexpr char kTextConnected[] = "connected";
inline constexpr char kTextBootloaderOk[] =
    "Connection to bootloader succeeded, ready for firmware upgrade";
inline constexpr char kTextBootloaderFailed[] = "Connection to bootloader failed";
inline constexpr char kTextBootloaderAck[] = "79";

inline constexpr char kLogDeviceCount[] = "FT device count: ";
inline constexpr char kLogDeviceString[] = "FT_Device_String: ";
inline constexpr char kLogSerialNumber[] = "serial number: ";
inline constexpr char kLogHandle[] = "FT_HANDLE: 0x";
inline constexpr char kLogBaudRate[] = "baud rate = ";
inline constexpr char kLogReceivedByte[] = "received Byte: ";
inline constexpr char kLogBytesReceived[] = "num of bytes received: ";
inline constexpr char kLogArraySize[] = "receive array size: ";
inline constexpr char kLogLinkLost[] = "connection lost: the chip was closed";

inline constexpr char kMessageNoReply[] = "The pedal did not send its %1 within %2 s.";
inline constexpr char kMessageBadValue[] =
    "The pedal's reply cannot be read: line %1 (\"%2\") is not a number.";
inline constexpr char kMessageShortReply[] =
    "The pedal's reply is incomplete: it holds %1 values where %2 were expected.";

// What a wait for the pedal expects. A reply is complete at `expected_lines` lines or
// `expected_bytes` bytes (0: not used), or once the link has been quiet for kQuietGapMs after
// its last byte. `name` says in the time-limit message which reply did not come.
struct ReplyRequest {
    QString name;
    int expected_lines = 0;
    int expected_bytes = 0;
    int timeout_ms = kReplyTimeoutMs;
};

// The four-line effect information reply.
ReplyRequest information_reply(int timeout_ms = kReplyTimeoutMs);
// The parameter state reply for `control_count` controls: 4N + 22 lines.
ReplyRequest parameter_reply(int control_count, int timeout_ms = kReplyTimeoutMs);
// The first byte the bootloader sends (acknowledgement or refusal).
ReplyRequest bootloader_reply(int timeout_ms = kReplyTimeoutMs);

enum class ReplyEnd {
    Complete, // expected lines or bytes arrived
    Quiet,    // bytes arrived, then the link went quiet before the expected count
    TimedOut, // nothing (or no end) within the time limit; the user has been told
    LinkLost, // the chip failed during the wait; the editor is now not connected
    Refused,  // another wait was running; nothing was read
};

struct Reply {
    ReplyEnd end = ReplyEnd::Refused;
    QByteArray bytes;
    bool ok() const { return end == ReplyEnd::Complete || end == ReplyEnd::Quiet; }
};

// Discovery and connection of the pedal's chip, and the waits that collect its replies.
// Runs on the window thread; a wait keeps window events flowing, and while it runs every
// other exchange with the pedal is refused with a log line.
class Communication {
public:
    Communication(D2XXUnit& d2xx, ConnectionUi& ui, Dialogs& dialogs, Log& log, Clock& clock);

    // Start-up: list the chips, then fill the line settings (115200 8N1).
    void list_devices();
    void init_line_settings();

    // The menu handlers of the "Connection" menu; the main window only forwards to them.
    void menuScanClick();
    void menuConnectClick();
    void menuDisconnectClick();

    void scan_devices();
    // Opens the chip of device_serial_number; in firmware-upgrade mode then checks the
    // bootloader. True when the chip was opened.
    bool connect_device();
    // Closes the chip; on success the window goes to the not-connected state.
    bool disconnect_device();

    // Collects a reply. In firmware-upgrade mode the text is the reply's first byte as two
    // hexadecimal digits. Empty when the wait failed (the user or the log has been told).
    std::optional<QByteArray> receive_text(const ReplyRequest& request);
    // Collects a parameter state reply and fills received_values; false when the wait failed
    // or the reply could not be used (received_values is then unchanged).
    bool receive_values(const ReplyRequest& request);
    // Fills received_values from the reply's lines; `expected_count` values must be there
    // (0: any non-empty count). Reports and keeps received_values on failure.
    bool parse_values(const QByteArray& reply, int expected_count);

    // The shared wait: collects the bytes of one reply in order.
    Reply collect_reply(const ReplyRequest& request);

    // False (with a log line naming `action`) while a wait for the pedal runs: callers check it
    // before they start an exchange of their own.
    bool exchange_allowed(const QString& action);
    bool waiting() const;

    QString device_serial_number;
    bool firmware_upgrade_mode = false;
    QByteArray received_values;

private:
    void check_bootloader();
    void enter_not_connected_state();
    void link_lost();

    D2XXUnit& m_d2xx;
    ConnectionUi& m_ui;
    Dialogs& m_dialogs;
    Log& m_log;
    Clock& m_clock;
};

} // namespace kx
