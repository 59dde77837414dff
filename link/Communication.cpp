#include "link/Communication.h"

#include "base/clock.h"
#include "base/hex_text.h"
#include "base/log.h"
#include "base/translation.h"
#include "link/D2XXUnit.h"
#include "link/value_reply.h"

#include <algorithm>
#include <utility>

namespace kx {

namespace {

constexpr quint32 kBaudRate = 115200;
constexpr quint8 kWordLength8 = 8;
constexpr quint8 kOneStopBit = 0;
constexpr quint8 kNoParity = 0;
constexpr char kBootloaderSync = 0x7F;
constexpr char kBootloaderNack = 0x1F;
constexpr char kBootloaderAck = 0x79;
// No command of the running firmware (which drops a lone unknown byte), nor the complement of
// the synchronisation byte; as a frame's length it asks for a short frame: a data frame of
// 6 + 1 bytes and its checksum, which the fillers then make wrong.
constexpr char kBootloaderFiller = 0x06;
// Enough to end the longest frame the bootloader can be inside when the check begins: a data
// frame of 256 bytes whose length came before the check (257 bytes with its checksum), of
// which the synchronisation byte and one filler took two.
constexpr int kFrameFillers = 257;
// Single fillers after them, to end a command pair that one of them began.
constexpr int kSettleFillers = 3;
constexpr char kLogBootloaderFound[] = "bootloader found: ";
// The bootloader answers a byte within a millisecond; the chip's latency timer and a loaded
// machine add the rest.
constexpr int kFillerTimeoutMs = 100;
constexpr char kLogBootloaderSilent[] =
    "no answer to the synchronisation byte: checking for a bootloader already synchronised";

// The answers to a block of filler bytes: as many as come until the line is quiet, within the
// block's time on the wire and a bootloader's answer time.
ReplyRequest filler_block_reply() {
    ReplyRequest request{ui_text("Link", "answer to the filler bytes"), 0, 0, 2 * kFillerTimeoutMs};
    request.short_ok = true;
    return request;
}

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// Marks the wait in the chip access for as long as it runs, so nothing else can use the chip.
class WaitMark {
public:
    explicit WaitMark(D2XXUnit& d2xx) : m_d2xx(d2xx) { m_d2xx.set_wait_running(true); }
    ~WaitMark() { m_d2xx.set_wait_running(false); }
    WaitMark(const WaitMark&) = delete;
    WaitMark& operator=(const WaitMark&) = delete;

private:
    D2XXUnit& m_d2xx;
};

bool reply_complete(const ReplyRequest& request, const QByteArray& bytes) {
    if (request.expected_bytes > 0 && bytes.size() >= request.expected_bytes)
        return true;
    return request.expected_lines > 0 && count_reply_lines(bytes) >= request.expected_lines;
}

// The running firmware answers in text; refusal bytes alone come from a bootloader that an
// earlier upgrade left synchronised (a fresh one stays silent).
bool refused_by_bootloader(const ReplyRequest& request, const QByteArray& bytes) {
    return request.expected_lines > 0 && !bytes.isEmpty() &&
           std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return byte == kBootloaderNack; });
}

// Whether nothing follows the last line or byte asked for.
bool ends_where_complete(const ReplyRequest& request, const QByteArray& bytes) {
    if (request.expected_bytes > 0)
        return bytes.size() <= request.expected_bytes;
    qsizetype end = -1;
    for (int line = 0; line < request.expected_lines; ++line) {
        end = bytes.indexOf('\n', end + 1);
        if (end < 0)
            return true;
    }
    return end + 1 == bytes.size();
}

// Whether the wait goes on after the reply's last line for the rest of its burst.
bool follows_burst(const ReplyRequest& request) {
    return request.exact && request.expected_lines > 0;
}

constexpr char kLogExtraLines[] = "%1: %2 lines where %3 were asked for";

} // namespace

ReplyRequest information_reply(int timeout_ms) {
    return {ui_text("Link", "effect information reply"), 4, 0, timeout_ms, true};
}

ReplyRequest parameter_reply(int control_count, int timeout_ms) {
    ReplyRequest request{ui_text("Link", "parameter state reply"), 4 * control_count + 22, 0,
                         timeout_ms, true};
    request.extra_lines_ok = true;
    return request;
}

ReplyRequest bootloader_reply(int timeout_ms) {
    return {ui_text("Link", "bootloader answer"), 0, 1, timeout_ms, false};
}

LinkClaim::LinkClaim(LinkClaim&& other) noexcept
    : m_comm(std::exchange(other.m_comm, nullptr)), m_action(std::move(other.m_action)),
      m_id(other.m_id) {}

LinkClaim::~LinkClaim() {
    if (m_comm && m_comm->m_claim_id == m_id)
        m_comm->m_claim_id = 0;
}

Communication::Communication(D2XXUnit& d2xx, ConnectionUi& ui, Log& log, Clock& clock)
    : m_d2xx(d2xx), m_ui(ui), m_log(log), m_clock(clock) {
    m_d2xx.set_lost_handler([this](const QString& message) { link_lost(message); });
}

Communication::~Communication() {
    m_d2xx.set_lost_handler({});
}

bool Communication::waiting() const {
    return m_d2xx.wait_running();
}

bool Communication::connected() const {
    return m_d2xx.device_open();
}

bool Communication::exchange_allowed(const QString& action, const LinkClaim* claim) {
    const bool held_by_other = claimed() && (!claim || claim->m_id != m_claim_id);
    if (!waiting() && !held_by_other)
        return true;
    m_log.print_line(latin1(kLogRefusedBusy) + action);
    m_ui.show_status_text(ui_text("Link", kMessageBusy).arg(action));
    return false;
}

Result<LinkClaim> Communication::claim(const QString& action) {
    if (!exchange_allowed(action))
        return Error{ui_text("Link", kMessageBusy).arg(action), ErrorKind::Busy};
    m_claim_id = ++m_last_claim_id;
    return LinkClaim(*this, action, m_claim_id);
}

void Communication::state_changed() {
    if (m_state_handler)
        m_state_handler();
}

void Communication::init_line_settings() {
    m_d2xx.line_settings = {kBaudRate, kWordLength8, kOneStopBit, kNoParity};
}

Status Communication::list_devices() {
    // A failing call does not stop the listing: it goes on with what it has, an empty text or
    // the count of the last listing.
    Status first;
    const auto keep = [&first](const Error& error) {
        if (first)
            first = error;
    };
    if (const Status count = m_d2xx.GetFTDeviceCount(); !count)
        keep(count.failure());
    for (quint32 i = 0; i < m_d2xx.device_count; ++i) {
        const auto serial = m_d2xx.GetFTDeviceSerialNo(i);
        if (!serial)
            keep(serial.failure());
        const QString serial_text = serial ? *serial : QString();
        m_ui.append_serial_number_text(serial_text);
        device_serial_number = serial_text;
        const auto description = m_d2xx.GetFTDeviceDescription(i);
        if (!description)
            keep(description.failure());
        const QString text = description ? *description : QString();
        m_ui.set_device_name_text(text == latin1(kTextFactoryDescription) ? latin1(kTextPedalName)
                                                                          : text);
    }
    return first;
}

Result<QStringList> Communication::scan_devices() {
    if (!exchange_allowed(QStringLiteral("Scan")))
        return Error{ui_text("Link", kMessageBusy).arg(ui_text("Link", "Scan")), ErrorKind::Busy};
    m_ui.set_device_name_text(ui_text("Link", kTextDeviceNameDefault));
    if (const Status count = m_d2xx.GetFTDeviceCount(); !count)
        return count.failure();
    const quint32 count = m_d2xx.device_count;
    m_log.print_line(latin1(kLogDeviceCount) + QString::number(count));
    if (count == 0) {
        m_ui.set_device_name_text(ui_text("Link", kTextNoDevice));
        return Error{ui_text("Link", kTextNoDevice), ErrorKind::NoPedal};
    }
    QStringList found;
    for (quint32 i = 0; i < count; ++i) {
        const auto serial = m_d2xx.GetFTDeviceSerialNo(i);
        if (!serial)
            return serial.failure();
        m_log.print_line(latin1(kLogDeviceString) + *serial);
        device_serial_number = *serial;
        const auto description = m_d2xx.GetFTDeviceDescription(i);
        if (!description)
            return description.failure();
        m_ui.set_device_name_text(*description);
        found << *description;
    }
    return found;
}

Task<Status> Communication::connect_device() {
    if (!exchange_allowed(QStringLiteral("Connect")))
        co_return Error{ui_text("Link", kMessageBusy).arg(ui_text("Link", "Connect")),
                        ErrorKind::Busy};
    m_log.print_line(latin1(kLogSerialNumber) + device_serial_number);
    if (const Status open = m_d2xx.Open_USB_Device_By_Serial_Number(device_serial_number); !open) {
        // Nothing else changes. A chip that is not there is no pedal to the user.
        co_return Error{open.error(), m_d2xx.last_status == FT_DEVICE_NOT_FOUND
                                          ? ErrorKind::NoPedal
                                          : open.error_kind()};
    }
    m_ui.set_device_name_text(m_ui.device_name_text() + ui_text("Link", kTextConnectedSuffix));
    Status result;
    if (const Status baud = m_d2xx.SetFTDeviceBaudRate(); !baud)
        result = baud;
    if (const Status characteristics = m_d2xx.SetFTDeviceDataCharacteristics();
        !characteristics && result)
        result = characteristics;
    if (!connected())
        co_return result; // lost while setting it up; that has been announced
    m_log.print_line(
        latin1(kLogHandle) +
        QStringLiteral("%1").arg(m_d2xx.device_handle, 8, 16, QLatin1Char('0')).toUpper());
    m_log.print_line(latin1(kLogBaudRate) + QString::number(m_d2xx.line_settings.baud_rate));
    bootloader_ready = false;
    if (firmware_upgrade_mode) {
        const Status check = co_await check_bootloader();
        // No bootloader answered: what the chip leads to is the pedal's firmware, which the
        // editor stays connected to, usable, rather than waiting for an upgrade it cannot do.
        if (!check && check.error_kind() == ErrorKind::BootloaderSilent)
            firmware_upgrade_mode = false;
        if (!check && result)
            result = check;
    }
    state_changed();
    co_return result;
}

Task<Status> Communication::check_bootloader() {
    const auto failed = [](const QString& reason) {
        return Error{ui_text("Link", kTextBootloaderFailed) + QStringLiteral(": ") + reason,
                     ErrorKind::BootloaderSilent};
    };
    const auto found = [this](const QString& what) {
        if (!what.isEmpty())
            m_log.print_line(latin1(kLogBootloaderFound) + what);
        bootloader_ready = true;
        return Status{};
    };
    const auto reply = co_await receive_text(QByteArray(1, kBootloaderSync), bootloader_reply());
    if (!reply && reply.error_kind() != ErrorKind::TimedOut)
        co_return reply.error_kind() == ErrorKind::LinkLost ? reply.failure()
                                                            : failed(reply.error());
    if (reply) {
        const QString first = bytes_to_hex(reply->first(1));
        m_log.print_line(latin1(kLogReceivedByte) + first);
        // A refusal is a bootloader in step that was inside a command (one byte of a pair, or
        // the last of a frame): 7F completed it, and it waits for a command now.
        if (first == latin1(kTextBootloaderNack))
            co_return found(ui_text("Link", "inside a command, which the synchronisation byte "
                                            "ended"));
        if (first != latin1(kTextBootloaderAck))
            co_return failed(ui_text("Link", "it answered %1").arg(first));
        co_return found({}); // synchronised now, as after every power-up
    }
    // The bootloader answers only the first synchronisation byte after its reset; one that is
    // in step already took the byte into whatever it waited for: the first byte of a command
    // pair (an earlier connect), or a frame a stopped upgrade left it in, where 7F may even be
    // a frame's length and ask for 128 more bytes. Filler bytes end every such frame, and the
    // bootloader must refuse it (see kBootloaderFiller); after a refusal it waits for a
    // command. The running firmware ignores fillers.
    m_log.print_line(latin1(kLogBootloaderSilent));
    // A bootloader answers within milliseconds or not at all: the next byte need not wait out
    // the whole time limit for a late answer.
    m_late_until_ms = m_clock.now_ms() + kFillerTimeoutMs;
    // The common case first: one filler completes the command pair begun by 7F.
    const auto single = co_await send_filler();
    if (!single)
        co_return single.error_kind() == ErrorKind::LinkLost ? single.failure()
                                                             : failed(single.error());
    if (*single == kBootloaderNack)
        co_return found({}); // in step already, and waiting for a command
    // Inside a longer frame: fillers enough for the longest one go out at once (a byte at a
    // time would take seconds), and every answer they bring is read until the line is quiet.
    const auto block =
        co_await receive_text(QByteArray(kFrameFillers, kBootloaderFiller), filler_block_reply());
    if (!block && block.error_kind() == ErrorKind::LinkLost)
        co_return block.failure();
    if (!block && block.error_kind() != ErrorKind::TimedOut)
        co_return failed(block.error());
    if (!block && *single == 0)
        co_return failed(ui_text("Link", "no answer to the synchronisation byte nor to %1 filler "
                                         "bytes: the pedal is not in its bootloader")
                             .arg(kFrameFillers + 1));
    if (block) {
        m_log.print_line(latin1(kLogReceivedByte) + bytes_to_hex(block->left(8)));
        const bool answers_only = std::all_of(block->begin(), block->end(), [](char byte) {
            return byte == kBootloaderNack || byte == kBootloaderAck;
        });
        if (!answers_only)
            co_return failed(ui_text("Link", "it answered the filler bytes with %1")
                                 .arg(bytes_to_hex(block->left(8))));
    }
    // The fillers after the refusal went in pairs, each refused as a command; an odd one may
    // wait for its partner. Single fillers end that, with a refusal that proves the state.
    for (int i = 0; i < kSettleFillers; ++i) {
        const auto settle = co_await send_filler();
        if (!settle)
            co_return settle.error_kind() == ErrorKind::LinkLost ? settle.failure()
                                                                 : failed(settle.error());
        if (*settle == kBootloaderNack)
            co_return found(ui_text("Link", "inside a frame a stopped upgrade left, which filler "
                                            "bytes ended"));
    }
    co_return failed(ui_text("Link", "it answered the filler bytes but refused none of the last "
                                     "%1, so it is not known to wait for a command")
                         .arg(kSettleFillers));
}

Task<Result<char>> Communication::send_filler() {
    const auto answer =
        co_await receive_text(QByteArray(1, kBootloaderFiller), bootloader_reply(kFillerTimeoutMs));
    if (!answer && answer.error_kind() == ErrorKind::TimedOut)
        co_return char(0); // the filler went into the frame the bootloader waits for
    if (!answer)
        co_return answer.failure();
    const QString first = bytes_to_hex(answer->first(1));
    m_log.print_line(latin1(kLogReceivedByte) + first);
    if (answer->front() != kBootloaderAck && answer->front() != kBootloaderNack)
        co_return Error{ui_text("Link", "it answered %1").arg(first), ErrorKind::BadReply};
    co_return answer->front();
}

Status Communication::disconnect_device() {
    if (!exchange_allowed(QStringLiteral("Disconnect")))
        return Error{ui_text("Link", kMessageBusy).arg(ui_text("Link", "Disconnect")),
                     ErrorKind::Busy};
    if (const Status close = m_d2xx.CloseFTDevice(); !close)
        return close;
    enter_not_connected_state();
    return {};
}

void Communication::enter_not_connected_state() {
    QString name = m_ui.device_name_text();
    name.remove(ui_text("Link", kTextConnected));
    m_ui.set_device_name_text(name);
    bootloader_ready = false;
    state_changed();
}

void Communication::chip_unplugged() {
    if (!connected())
        return;
    m_late_until_ms = -1;
    m_d2xx.forget_device();
    m_log.print_line(latin1(kLogChipUnplugged));
    enter_not_connected_state();
}

void Communication::link_lost(const QString& message) {
    m_late_until_ms = -1;
    m_log.print_line(latin1(kLogLinkLost));
    enter_not_connected_state();
    if (m_lost_handler)
        m_lost_handler(Error{message, ErrorKind::LinkLost});
}

Task<Status> Communication::drop_late_reply() {
    if (m_late_until_ms < 0)
        co_return Status{};
    const qint64 until_ms = std::exchange(m_late_until_ms, -1);
    // Everything that comes before the window closes belongs to the request that gave up,
    // however it is spaced: a late answer may come in bursts with quiet between them. The
    // receive purge that follows cannot catch bytes still on the wire.
    const WaitMark mark(m_d2xx);
    qint64 dropped = 0;
    for (;;) {
        const auto queued = m_d2xx.GetFTDeviceQueueStatus();
        if (!queued)
            co_return queued.failure();
        if (*queued > 0) {
            const auto n = m_d2xx.ReadFTDevice();
            if (!n)
                co_return n.failure();
            dropped += *n;
        }
        const qint64 left_ms = until_ms - m_clock.now_ms();
        if (left_ms <= 0)
            break;
        co_await m_d2xx.driver().wait_for_data(
            m_d2xx.device_handle, static_cast<int>(std::min<qint64>(kPollMs, left_ms)));
    }
    if (dropped > 0)
        m_log.print_line(latin1(kLogLateReplyDropped) + QString::number(dropped));
    co_return Status{};
}

Status Communication::drop_stray_bytes() {
    const auto queued = m_d2xx.GetFTDeviceQueueStatus();
    if (!queued)
        return queued.failure();
    qint64 dropped = 0;
    for (quint32 left = *queued; left > 0;) {
        const auto n = m_d2xx.ReadFTDevice();
        if (!n)
            return n.failure();
        if (*n == 0)
            break;
        dropped += *n;
        left -= std::min(left, *n);
    }
    if (dropped > 0)
        m_log.print_line(latin1(kLogStrayBytesDropped) + QString::number(dropped));
    return {};
}

Task<Status> Communication::wait_until_sent(int timeout_ms) {
    if (!connected())
        co_return Error{ui_text("Link", kMessageNotOpen).arg(QStringLiteral("FT_Write")),
                        ErrorKind::NotConnected};
    const int status = co_await m_d2xx.driver().wait_until_sent(m_d2xx.device_handle, timeout_ms);
    if (status != FT_OK)
        co_return Error{ui_text("Link", "The message to the pedal did not leave within %1 s.")
                            .arg(timeout_ms / 1000.0),
                        ErrorKind::DriverFailed};
    co_return Status{};
}

Result<quint8> Communication::set_latency_timer(quint8 ms, const LinkClaim* claim) {
    const QString action = QString::fromLatin1(kLabelSetLatencyTimer);
    if (!exchange_allowed(action, claim))
        return Error{ui_text("Link", kMessageBusy).arg(action), ErrorKind::Busy};
    const auto before = m_d2xx.GetFTDeviceLatencyTimer();
    if (!before)
        return before.failure();
    if (*before == ms)
        return *before;
    if (const Status set = m_d2xx.SetFTDeviceLatencyTimer(ms); !set)
        return set.failure();
    return *before;
}

Task<> Communication::pause(int ms, Clock* clock) {
    const WaitMark mark(m_d2xx);
    co_await (clock ? *clock : m_clock).pause(ms);
}

Task<Status> Communication::write_pieces(quint32 count) {
    const WaitMark mark(m_d2xx);
    const qint64 started_ms = m_clock.now_ms();
    const qint64 baud = std::max<qint64>(m_d2xx.line_settings.baud_rate, 1200);
    for (quint32 offset = 0; offset < count;) {
        const quint32 piece = std::min(count - offset, kWritePieceBytes);
        // The mark is lifted for the write itself: only what window events start is refused.
        m_d2xx.set_wait_running(false);
        const auto written = m_d2xx.WriteFTDevice(piece, offset);
        m_d2xx.set_wait_running(true);
        if (!written)
            co_return written.failure();
        // What the system could not take at once goes while the event loop runs.
        if (const Status out = co_await m_d2xx.wait_written(); !out)
            co_return out.failure();
        offset += piece;
        if (m_write_progress)
            m_write_progress(offset, count);
        // Ten bits a byte on the line; what has not gone out yet is the lead.
        const qint64 lead_ms = qint64(offset) * 10 * 1000 / baud - (m_clock.now_ms() - started_ms);
        if (offset < count && lead_ms >= kWriteLeadMs)
            co_await after_ms(0);
    }
    co_return Status{};
}

Task<Status> Communication::send_message(QByteArray message, const LinkClaim* claim) {
    if (!exchange_allowed(QStringLiteral("FT_Write"), claim))
        co_return Error{ui_text("Link", kMessageBusy).arg(QStringLiteral("FT_Write")),
                        ErrorKind::Busy};
    const auto count = m_d2xx.put_bytes(message);
    if (!count)
        co_return count.failure();
    co_return co_await write_pieces(*count);
}

Task<Result<QByteArray>> Communication::exchange(QByteArray message, ReplyRequest reply,
                                                 const LinkClaim* claim,
                                                 std::function<void()> written) {
    if (!exchange_allowed(reply.name, claim))
        co_return Error{ui_text("Link", kMessageBusy).arg(reply.name), ErrorKind::Busy};
    // The late window is waited out before the message is in the buffer, and under the wait's
    // own mark: nothing else can reach the chip meanwhile.
    if (const Status late = co_await drop_late_reply(); !late)
        co_return late.failure();
    const auto count = m_d2xx.put_bytes(message);
    if (!count)
        co_return count.failure();
    if (const Status stray = drop_stray_bytes(); !stray)
        co_return stray.failure();
    // Nothing of an earlier exchange may be taken for this one's reply.
    if (const Status purge = m_d2xx.PurgeFTDeviceRX(); !purge)
        co_return purge.failure();
    if (const Status purge = m_d2xx.PurgeFTDeviceTX(); !purge)
        co_return purge.failure();
    if (const Status sent = co_await write_pieces(*count); !sent)
        co_return sent.failure();
    if (written)
        written();
    co_return co_await collect_reply(std::move(reply), claim);
}

Task<Result<QByteArray>> Communication::collect_reply(ReplyRequest request,
                                                      const LinkClaim* claim) {
    if (!exchange_allowed(request.name, claim))
        co_return Error{ui_text("Link", kMessageBusy).arg(request.name), ErrorKind::Busy};
    const qsizetype max_bytes =
        request.expected_lines > 0
            ? qsizetype(request.expected_lines) * kMaxReplyLineBytes
            : (request.expected_bytes > 0 ? request.expected_bytes : qsizetype(kLinkBufferSize));
    QByteArray bytes;
    std::optional<Error> error;
    bool complete = false;
    const auto overlong = [&] {
        return Error{ui_text("Link", kMessageOverlong).arg(request.name), ErrorKind::BadReply};
    };
    const auto read_queued = [&]() -> bool {
        const auto n = m_d2xx.ReadFTDevice();
        if (!n) {
            error = n.failure();
            return false;
        }
        bytes.append(m_d2xx.receive_buffer(), *n);
        return true;
    };
    {
        const WaitMark mark(m_d2xx);
        const qint64 start_ms = m_clock.now_ms();
        const qint64 deadline_ms = start_ms + request.timeout_ms;
        qint64 last_byte_ms = start_ms;
        for (;;) {
            const auto queued = m_d2xx.GetFTDeviceQueueStatus();
            if (!queued) {
                error = queued.failure();
                break;
            }
            if (*queued > 0) {
                if (!read_queued())
                    break;
                last_byte_ms = m_clock.now_ms();
                if (bytes.size() > max_bytes && (request.exact || request.expected_lines > 0)) {
                    error = overlong();
                    break;
                }
                if (!complete && reply_complete(request, bytes)) {
                    complete = true;
                    // A reply of known lines is followed to the end of its burst.
                    if (!follows_burst(request))
                        break;
                }
            }
            const qint64 now_ms = m_clock.now_ms();
            const qint64 gap_ms = complete ? kBurstTailMs : kQuietGapMs;
            if (!bytes.isEmpty() && now_ms - last_byte_ms >= gap_ms)
                break;
            const qint64 left_ms = deadline_ms - now_ms;
            if (left_ms <= 0 && complete)
                break;
            if (left_ms <= 0) {
                const QString seconds = QString::number(request.timeout_ms / 1000.0);
                error = bytes.isEmpty()
                            ? Error{ui_text("Link", kMessageNoReply).arg(request.name, seconds),
                                    ErrorKind::TimedOut}
                            : Error{ui_text("Link", kMessageUnfinished)
                                        .arg(request.name, seconds)
                                        .arg(bytes.size()),
                                    ErrorKind::TimedOut};
                break;
            }
            const qint64 quiet_left_ms =
                bytes.isEmpty() ? left_ms : gap_ms - (now_ms - last_byte_ms);
            // The event loop runs here; what it starts on the chip is refused meanwhile.
            const qint64 wait_ms =
                std::min<qint64>(kPollMs, std::min(std::max<qint64>(left_ms, 1),
                                                   std::max<qint64>(quiet_left_ms, 1)));
            co_await m_d2xx.driver().wait_for_data(m_d2xx.device_handle, int(wait_ms));
        }
        // Taken at its last byte; what the chip has already passed on with it still counts.
        if (!error && complete && request.exact) {
            const auto queued = m_d2xx.GetFTDeviceQueueStatus();
            if (!queued)
                error = queued.failure();
            else if (*queued > 0)
                read_queued();
        }
        if (!error && complete && request.exact && !ends_where_complete(request, bytes)) {
            const int lines = count_reply_lines(bytes);
            if (request.extra_lines_ok && bytes.endsWith('\n'))
                m_log.print_line(QString::fromLatin1(kLogExtraLines)
                                     .arg(request.name)
                                     .arg(lines)
                                     .arg(request.expected_lines));
            else
                error = overlong();
        }
        if (!error && !complete && !request.short_ok &&
            (request.expected_lines > 0 || request.expected_bytes > 0))
            error = Error{ui_text("Link", kMessageIncomplete).arg(request.name).arg(bytes.size()),
                          ErrorKind::BadReply};
        if (error && (error->kind == ErrorKind::TimedOut || error->kind == ErrorKind::BadReply) &&
            refused_by_bootloader(request, bytes))
            error = Error{ui_text("Link", kMessageBootloaderRefused).arg(request.name),
                          ErrorKind::WrongLinkState};
    }
    if (error) {
        // The rest of this reply, or all of it, may still come: keep it from the next request.
        if (error->kind == ErrorKind::TimedOut || error->kind == ErrorKind::BadReply)
            m_late_until_ms = m_clock.now_ms() + request.timeout_ms;
        co_return *error;
    }
    co_return bytes;
}

Task<Result<QByteArray>> Communication::receive_text(QByteArray message, ReplyRequest request,
                                                     const LinkClaim* claim) {
    auto reply = co_await exchange(std::move(message), std::move(request), claim);
    if (reply)
        m_log.print_line(latin1(kLogBytesReceived) + QString::number(reply->size()));
    co_return reply;
}

Task<Result<QByteArray>> Communication::receive_values(QByteArray message, ReplyRequest request,
                                                       const LinkClaim* claim) {
    const int lines = request.expected_lines;
    const bool quiet = request.quiet;
    const bool extra_ok = request.extra_lines_ok;
    const auto reply = co_await exchange(std::move(message), std::move(request), claim);
    if (!reply)
        co_return reply.failure();
    co_return parse_values(*reply, lines, quiet, extra_ok);
}

Result<QByteArray> Communication::parse_values(const QByteArray& reply, int expected_count,
                                               bool quiet, bool extra_ok) {
    const ValueParse parse = parse_value_lines(reply);
    if (parse.failed)
        return Error{ui_text("Link", kMessageBadValue)
                         .arg(parse.bad_line + 1)
                         .arg(QString::fromLatin1(parse.bad_text)),
                     ErrorKind::BadReply};
    if (!quiet)
        m_log.print_line(latin1(kLogBytesReceived) + QString::number(parse.values.size()));
    if (parse.values.isEmpty() || parse.values.size() < expected_count)
        return Error{ui_text("Link", kMessageShortReply)
                         .arg(parse.values.size())
                         .arg(std::max(expected_count, 1)),
                     ErrorKind::BadReply};
    if (expected_count > 0 && parse.values.size() > expected_count && !extra_ok)
        return Error{
            ui_text("Link", kMessageLongReply).arg(parse.values.size()).arg(expected_count),
            ErrorKind::BadReply};
    received_values = parse.values;
    if (quiet)
        return received_values;
    m_log.print_line(latin1(kLogArraySize) + QString::number(received_values.size()));
    for (qsizetype i = 0; i < received_values.size(); ++i)
        m_log.print_line(QStringLiteral("%1: %2")
                             .arg(i)
                             .arg(static_cast<quint8>(received_values[i]), 2, 16, QLatin1Char('0'))
                             .toUpper());
    return received_values;
}

} // namespace kx
