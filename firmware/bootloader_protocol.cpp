#include "firmware/bootloader_protocol.h"

#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_port.h"
#include "link/D2XXUnit.h"

namespace kx {

namespace {

// After each command and frame byte, so the bootloader has taken one before the next comes.
constexpr int kBytePauseMs = 1;
// Before each awaited acknowledgement; those of Go are given longer.
constexpr int kAnswerPauseMs = 20;
constexpr int kGoAnswerPauseMs = 100;
// After each data byte: one byte's time on the line at 115200 baud, 8N1 (86.8 us).
constexpr qint64 kByteWireTimeUs = 87;
// Enough filler bytes to complete the longest frame a stopped attempt can leave the bootloader
// waiting for (an address frame), and the pair of a command.
constexpr int kResyncFillers = 6;
constexpr quint8 kFiller = 0x00;
constexpr quint8 kSync = 0x7F;
// More than a stopped attempt can have left on its way.
constexpr int kLateAnswerBytes = 1024;

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

QString seconds(int ms) {
    return QString::number(ms / 1000.0);
}

} // namespace

BootloaderProtocol::BootloaderProtocol(BootloaderPort& port, Log& log, Clock& clock,
                                       const BootloaderTimeouts& timeouts)
    : m_port(port), m_log(log), m_clock(clock), m_timeouts(timeouts) {}

Status BootloaderProtocol::send(quint8 byte) {
    return m_port.send_byte(byte);
}

Status BootloaderProtocol::send_paced(const QByteArray& bytes, int pause_after_ms) {
    for (const char byte : bytes) {
        if (const Status sent = send(quint8(byte)); !sent)
            return sent;
        m_clock.sleep_ms(pause_after_ms);
    }
    return {};
}

Status BootloaderProtocol::send_wire_paced(const QByteArray& bytes) {
    for (const char byte : bytes) {
        if (const Status sent = send(quint8(byte)); !sent)
            return sent;
        m_clock.sleep_us(kByteWireTimeUs);
    }
    return {};
}

Result<QByteArray> BootloaderProtocol::receive(int bytes, int timeout_ms, const QString& what) {
    auto reply = m_port.receive(bytes, timeout_ms, what);
    if (!reply && reply.error_kind() == ErrorKind::TimedOut)
        return Error{QStringLiteral("the bootloader did not answer %1 within %2 s")
                         .arg(what, seconds(timeout_ms)),
                     ErrorKind::TimedOut};
    return reply;
}

Status BootloaderProtocol::wait_for_ack(const QString& what, int timeout_ms) {
    const auto reply = receive(1, timeout_ms, what);
    if (!reply && reply.error_kind() != ErrorKind::TimedOut)
        return reply.failure();
    const QByteArray bytes = reply ? *reply : QByteArray();
    m_log.print_line(latin1(kLogAnswerBytes) + QString::number(bytes.size()));
    m_log.print_line(latin1(kLogAnswerReceived) + answer_text(bytes));
    if (!reply)
        return reply.failure();
    switch (classify_answer(bytes)) {
    case BootloaderAnswer::Ack:
        m_log.print_line(latin1(kLogAck));
        if (bytes.size() > 1)
            return Error{QStringLiteral("the bootloader answered %1 with %2 bytes where one "
                                        "acknowledgement belongs")
                             .arg(what)
                             .arg(bytes.size()),
                         ErrorKind::BootloaderUnasked};
        return {};
    case BootloaderAnswer::Nack:
        m_log.print_line(latin1(kLogNotAck));
        return Error{QStringLiteral("the bootloader refused %1 (NACK)").arg(what),
                     ErrorKind::BootloaderRefused};
    case BootloaderAnswer::Other:
    case BootloaderAnswer::None:
        break;
    }
    return Error{QStringLiteral("the bootloader answered %1 with the byte %2 instead of an "
                                "acknowledgement")
                     .arg(what, answer_text(bytes)),
                 ErrorKind::BootloaderUnexpected};
}

Status BootloaderProtocol::expect_nothing_unasked() {
    const auto unasked = m_port.take_unasked();
    if (!unasked)
        return unasked.failure();
    if (unasked->isEmpty())
        return {};
    return Error{QStringLiteral("the bootloader sent %1 byte(s) nobody asked for (%2)")
                     .arg(unasked->size())
                     .arg(QString::fromLatin1(unasked->left(8).toHex(' ').toUpper())),
                 ErrorKind::BootloaderUnasked};
}

Status BootloaderProtocol::expect_quiet(int quiet_ms) {
    const auto late = m_port.receive(1, quiet_ms, QStringLiteral("nothing"));
    if (!late && late.error_kind() == ErrorKind::TimedOut)
        return {};
    if (!late)
        return late.failure();
    return Error{QStringLiteral("the bootloader sent %1 byte(s) after its last acknowledgement")
                     .arg(late->size()),
                 ErrorKind::BootloaderUnasked};
}

Status BootloaderProtocol::send_write_address(quint32 address) {
    if (const Status quiet = expect_nothing_unasked(); !quiet)
        return quiet;
    m_log.print_line(latin1(kLogSendWriteCommand));
    if (const Status sent = send_paced(command_frame(kWriteMemory), kBytePauseMs); !sent)
        return sent;
    m_clock.sleep_ms(kAnswerPauseMs);
    if (const Status ack =
            wait_for_ack(QStringLiteral("the Write Memory command"), m_timeouts.reply_ms);
        !ack)
        return ack;
    m_log.print_line(latin1(kLogSendAddress));
    m_log.print_line(latin1(kLogAddress) + address_text(address));
    m_log.print_line(latin1(kLogAddressChecksum) + byte_text(address_checksum(address)));
    if (const Status sent = send_paced(address_frame(address), kBytePauseMs); !sent)
        return sent;
    m_clock.sleep_ms(kAnswerPauseMs);
    return wait_for_ack(QStringLiteral("the write address"), m_timeouts.reply_ms);
}

Status BootloaderProtocol::erase_flash() {
    m_log.print_line(latin1(kLogStartErase));
    if (const Status quiet = expect_nothing_unasked(); !quiet)
        return quiet;
    // Here the pause comes before each byte.
    for (const char byte : command_frame(kEraseMemory)) {
        m_clock.sleep_ms(kBytePauseMs);
        if (const Status sent = send(quint8(byte)); !sent)
            return sent;
    }
    m_clock.sleep_ms(kAnswerPauseMs);
    if (const Status ack = wait_for_ack(QStringLiteral("the erase command"), m_timeouts.reply_ms);
        !ack)
        return ack;
    for (const quint8 byte : {kGlobalErase, quint8(0x00)}) {
        m_clock.sleep_ms(kBytePauseMs);
        if (const Status sent = send(byte); !sent)
            return sent;
    }
    m_clock.sleep_ms(kAnswerPauseMs);
    return wait_for_ack(QStringLiteral("the global erase"), m_timeouts.mass_erase_ms);
}

Status BootloaderProtocol::write_data(const QByteArray& data) {
    const QByteArray frame = data_frame(data);
    if (frame.isEmpty())
        return Error{QStringLiteral("a chunk of %1 bytes cannot be written").arg(data.size()),
                     ErrorKind::BootloaderUnexpected};
    m_log.print_line(latin1(kLogSendData));
    m_log.print_line(latin1(kLogNByte) + byte_text(quint8(frame.front())));
    if (const Status sent = send(quint8(frame.front())); !sent)
        return sent;
    m_clock.sleep_ms(kBytePauseMs);
    m_log.print_line(latin1(kLogChunkSize) + QString::number(data.size()));
    if (const Status sent = send_wire_paced(data); !sent)
        return sent;
    m_log.print_line(latin1(kLogDataChecksum) + byte_text(quint8(frame.back())));
    if (const Status sent = send(quint8(frame.back())); !sent)
        return sent;
    m_clock.sleep_ms(kBytePauseMs);
    return wait_for_ack(QStringLiteral("the data"), m_timeouts.block_write_ms);
}

Status BootloaderProtocol::read_back(quint32 address, const QByteArray& expected) {
    const QByteArray count_frame = read_count_frame(int(expected.size()));
    if (count_frame.isEmpty())
        return Error{QStringLiteral("%1 bytes cannot be read back at once").arg(expected.size()),
                     ErrorKind::BootloaderUnexpected};
    if (const Status quiet = expect_nothing_unasked(); !quiet)
        return quiet;
    m_log.print_line(latin1(kLogSendRead));
    if (const Status sent = send_wire_paced(command_frame(kReadMemory)); !sent)
        return sent;
    if (const Status ack =
            wait_for_ack(QStringLiteral("the Read Memory command"), m_timeouts.reply_ms);
        !ack) {
        if (ack.error_kind() != ErrorKind::BootloaderRefused)
            return ack;
        return Error{QStringLiteral("the bootloader refused to read the flash back (NACK to Read "
                                    "Memory; the flash may be read-protected), so the firmware "
                                    "written cannot be verified"),
                     ErrorKind::BootloaderReadRefused};
    }
    m_log.print_line(latin1(kLogAddress) + address_text(address));
    if (const Status sent = send_wire_paced(address_frame(address)); !sent)
        return sent;
    if (const Status ack = wait_for_ack(QStringLiteral("the read address"), m_timeouts.reply_ms);
        !ack)
        return ack;
    if (const Status sent = send_wire_paced(count_frame); !sent)
        return sent;
    // The acknowledgement of the count, then the flash contents.
    const int wanted = int(expected.size()) + 1;
    const auto reply = receive(wanted, m_timeouts.reply_ms, QStringLiteral("the read count"));
    if (!reply)
        return reply.failure();
    m_log.print_line(latin1(kLogAnswerBytes) + QString::number(reply->size()));
    switch (classify_answer(*reply)) {
    case BootloaderAnswer::Ack:
        break;
    case BootloaderAnswer::Nack:
        return Error{QStringLiteral("the bootloader refused the read count (NACK)"),
                     ErrorKind::BootloaderRefused};
    default:
        return Error{QStringLiteral("the bootloader answered the read count with the byte %1 "
                                    "instead of an acknowledgement")
                         .arg(answer_text(*reply)),
                     ErrorKind::BootloaderUnexpected};
    }
    if (reply->size() != wanted)
        return Error{QStringLiteral("the bootloader sent %1 bytes of flash where %2 were asked for")
                         .arg(reply->size() - 1)
                         .arg(expected.size()),
                     reply->size() < wanted ? ErrorKind::BootloaderUnexpected
                                            : ErrorKind::BootloaderUnasked};
    const QByteArray flash = reply->sliced(1);
    for (qsizetype i = 0; i < flash.size(); ++i) {
        if (flash[i] != expected[i])
            return Error{QStringLiteral("the flash at 0x%1 reads back %2 where %3 was written")
                             .arg(address_text(address + quint32(i)), byte_text(quint8(flash[i])),
                                  byte_text(quint8(expected[i]))),
                         ErrorKind::BootloaderMismatch};
    }
    m_log.print_line(latin1(kLogReadBackMatches) + QString::number(flash.size()));
    return {};
}

Status BootloaderProtocol::write_record(const QByteArray& record) {
    target_address = kRecordAddress;
    if (const Status address = send_write_address(target_address); !address)
        return address;
    // No log line names the record's bytes.
    if (const Status sent = send_paced(data_frame(record), kBytePauseMs); !sent)
        return sent;
    m_clock.sleep_ms(kAnswerPauseMs);
    return wait_for_ack(QStringLiteral("the record"), m_timeouts.block_write_ms);
}

Status BootloaderProtocol::go_to_application() {
    m_log.print_line(QString());
    m_log.print_line(latin1(kLogSendGo));
    target_address = kImageAddress;
    if (const Status quiet = expect_nothing_unasked(); !quiet)
        return quiet;
    if (const Status sent = send_paced(command_frame(kGo), kBytePauseMs); !sent)
        return sent;
    m_clock.sleep_ms(kGoAnswerPauseMs);
    if (const Status ack = wait_for_ack(QStringLiteral("the Go command"), m_timeouts.reply_ms);
        !ack)
        return ack;
    m_log.print_line(latin1(kLogSendAddress));
    m_log.print_line(latin1(kLogAddress) + address_text(target_address));
    m_log.print_line(latin1(kLogAddressChecksum) + byte_text(address_checksum(target_address)));
    if (const Status sent = send_paced(address_frame(target_address), kBytePauseMs); !sent)
        return sent;
    m_clock.sleep_ms(kGoAnswerPauseMs);
    return wait_for_ack(QStringLiteral("the Go address"), m_timeouts.reply_ms);
}

Status BootloaderProtocol::resynchronise() {
    m_log.print_line(latin1(kLogResynchronise));
    // An answer the stopped attempt gave up on may still come; taken for a filler's answer it
    // would end the resynchronisation too early.
    const auto late =
        m_port.receive(kLateAnswerBytes, m_timeouts.reply_ms, QStringLiteral("a late answer"));
    if (!late && late.error_kind() != ErrorKind::TimedOut)
        return late.failure();
    if (late)
        m_log.print_line(latin1(kLogLateAnswer) + QString::number(late->size()));
    const QString what = QStringLiteral("the resynchronisation");
    for (int i = 0; i <= kResyncFillers; ++i) {
        // The last try is the sync byte, for a bootloader that restarted meanwhile.
        const quint8 byte = i < kResyncFillers ? kFiller : kSync;
        if (const Status sent = send(byte); !sent)
            return sent;
        const auto reply = receive(1, m_timeouts.resync_ms, what);
        if (!reply && reply.error_kind() == ErrorKind::TimedOut)
            continue; // the byte went into the frame the bootloader was waiting for
        if (!reply)
            return reply.failure();
        const BootloaderAnswer answer = classify_answer(*reply);
        m_log.print_line(latin1(kLogAnswerReceived) + answer_text(*reply));
        // Either answer ends a command: the bootloader now waits for the next one.
        if (answer == BootloaderAnswer::Ack || answer == BootloaderAnswer::Nack)
            return {};
        return Error{QStringLiteral("the bootloader answered the resynchronisation with the byte "
                                    "%1")
                         .arg(answer_text(*reply)),
                     ErrorKind::BootloaderUnexpected};
    }
    return Error{QStringLiteral("the bootloader no longer answers"), ErrorKind::TimedOut};
}

QString bootloader_version_text(quint8 version) {
    return QStringLiteral("%1.%2").arg(version >> 4).arg(version & 0x0F);
}

QString product_id_text(quint16 product_id) {
    return QStringLiteral("0x") +
           QString::number(product_id, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

Result<QByteArray> BootloaderProtocol::counted_answer(quint8 command, const QString& what) {
    if (const Status quiet = expect_nothing_unasked(); !quiet)
        return quiet.failure();
    if (const Status sent = send_wire_paced(command_frame(command)); !sent)
        return sent.failure();
    // ACK and the count first; the rest may come in the same read.
    const auto head = receive(2, m_timeouts.reply_ms, what);
    if (!head)
        return head.failure();
    m_log.print_line(latin1(kLogAnswerReceived) + answer_text(*head));
    switch (classify_answer(*head)) {
    case BootloaderAnswer::Ack:
        break;
    case BootloaderAnswer::Nack:
        return Error{QStringLiteral("the bootloader refused %1 (NACK)").arg(what),
                     ErrorKind::BootloaderRefused};
    default:
        return Error{QStringLiteral("the bootloader answered %1 with the byte %2 instead of an "
                                    "acknowledgement")
                         .arg(what, answer_text(*head)),
                     ErrorKind::BootloaderUnexpected};
    }
    if (head->size() < 2)
        return Error{QStringLiteral("the bootloader stopped answering %1 after its "
                                    "acknowledgement")
                         .arg(what),
                     ErrorKind::BootloaderUnexpected};
    const int count = quint8(head->at(1)) + 1;
    QByteArray body = head->sliced(2);
    while (body.size() < count + 1) {
        const auto more = receive(int(count + 1 - body.size()), m_timeouts.reply_ms, what);
        if (!more)
            return more.failure();
        if (more->isEmpty())
            break;
        body += *more;
    }
    if (body.size() != count + 1 || quint8(body.back()) != kBootloaderAck)
        return Error{QStringLiteral("the bootloader's answer to %1 is not %2 bytes and an "
                                    "acknowledgement")
                         .arg(what)
                         .arg(count),
                     body.size() > count + 1 ? ErrorKind::BootloaderUnasked
                                             : ErrorKind::BootloaderUnexpected};
    return body.first(count);
}

Result<BootloaderIdentity> BootloaderProtocol::identify() {
    BootloaderIdentity identity;
    m_log.print_line(latin1(kLogSendGet));
    const auto get = counted_answer(kGet, QStringLiteral("the Get command"));
    if (!get)
        return get.failure();
    identity.version = quint8(get->front());
    identity.commands = get->sliced(1);
    m_log.print_line(latin1(kLogSendGetId));
    const auto id = counted_answer(kGetId, QStringLiteral("the Get ID command"));
    if (!id)
        return id.failure();
    if (id->size() != 2)
        return Error{
            QStringLiteral("the bootloader gave a chip ID of %1 bytes, not 2").arg(id->size()),
            ErrorKind::BootloaderUnexpected};
    identity.product_id = quint16((quint8(id->at(0)) << 8) | quint8(id->at(1)));
    return identity;
}

} // namespace kx
