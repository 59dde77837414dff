#include "firmware/bootloader_protocol.h"

#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_port.h"

#include <algorithm>
#include <optional>

namespace kx {

namespace {

// The log lines of each step.
constexpr char kLogStartErase[] = "Start Erase Command";
constexpr char kLogSendWriteCommand[] = "SEND WRITE COMMAND";
constexpr char kLogSendAddress[] = "SEND ADDRESS + CHECKSUM";
constexpr char kLogAddress[] = "Address: ";
constexpr char kLogAddressChecksum[] = "address checksum: ";
constexpr char kLogSendData[] = "SEND N BYTE + DATA + CHECKSUM";
constexpr char kLogNByte[] = "N_byte: ";
constexpr char kLogChunkSize[] = "chunk size: ";
constexpr char kLogDataChecksum[] = "data checksum: ";
constexpr char kLogSendGo[] = "SEND GO COMMAND";
constexpr char kLogSendRead[] = "SEND READ COMMAND";
constexpr char kLogReadBackMatches[] = "read back matches, bytes: ";
constexpr char kLogProductId[] = "product ID: ";
constexpr char kLogLateAnswer[] = "late answer dropped, bytes: ";
constexpr char kLogFillerAnswers[] = "answers to the filler bytes: ";
constexpr char kLogAnswerBytes[] = "num of bytes received: ";
constexpr char kLogAnswerReceived[] = "received: ";
constexpr char kLogAck[] = "ACK";
constexpr char kLogNotAck[] = "NOT ACK";
constexpr char kLogSendGet[] = "SEND GET COMMAND";
constexpr char kLogSendGetId[] = "SEND GET ID COMMAND";

// Resynchronisation. Every frame a stopped attempt can leave the bootloader inside is refused
// when completed with this byte, so a NACK proves that it waits for a command again:
//   command pair    02 02              not a command and its complement
//   address frame   02 02 02 02 | 02   the XOR of four equal bytes is 00
//   read count      02 02              not a count and its complement
//   data, erase     02 (3 x 02) | 02   N - 1 = 2: the XOR of four equal bytes is 00
// An ACK on the way (a frame the stopped attempt had started, completed by fillers) only moves
// it on; the fillers go on until it refuses one.
constexpr quint8 kFiller = 0x02;
// Fillers sent one at a time first: they end a command pair, an address frame, a read
// count and a short frame, the places an in-program stop leaves the bootloader in.
constexpr int kLeadFillers = 6;
// Then at once: enough to end the longest frame, a data frame of 256 bytes and its checksum
// whose length came already.
constexpr int kFrameFillers = 257;
// And one at a time again, to end a command pair that one of those began.
constexpr int kSettleFillers = 3;
// Get ID after the refusal proves that nothing of the fillers is left in the bootloader; a
// late answer of the stopped attempt may spoil one round.
constexpr int kResyncRounds = 3;
constexpr quint8 kSync = 0x7F;

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

QString seconds(int ms) {
    return QString::number(ms / 1000.0);
}

// The chip ID in the Get ID command's answer: two bytes, high first.
Result<quint16> product_id_in(const QByteArray& answer) {
    if (answer.size() != 2)
        return Error{
            QStringLiteral("the bootloader gave a chip ID of %1 bytes, not 2").arg(answer.size()),
            ErrorKind::BootloaderUnexpected};
    return quint16((quint8(answer.at(0)) << 8) | quint8(answer.at(1)));
}

} // namespace

BootloaderProtocol::BootloaderProtocol(BootloaderPort& port, Log& log, Clock& clock,
                                       const BootloaderTimeouts& timeouts)
    : m_port(port), m_log(log), m_clock(clock), m_timeouts(timeouts) {}

Task<Status> BootloaderProtocol::send(QByteArrayView bytes) {
    co_return co_await m_port.send(bytes.toByteArray());
}

Task<Result<QByteArray>> BootloaderProtocol::receive(int bytes, int timeout_ms,
                                                     const QString& what) {
    auto reply = co_await m_port.receive(bytes, timeout_ms, what);
    if (!reply && reply.error_kind() == ErrorKind::TimedOut)
        co_return Error{QStringLiteral("the bootloader did not answer %1 within %2 s")
                            .arg(what, seconds(timeout_ms)),
                        ErrorKind::TimedOut};
    co_return reply;
}

Task<Result<QByteArray>> BootloaderProtocol::receive_whole(int bytes, int timeout_ms,
                                                           const QString& what) {
    // A pause inside a long answer (a busy host, a slow chip) ends one wait early; the rest
    // is waited for within the same limit. Only a refusal stands alone.
    const qint64 deadline_ms = m_clock.now_ms() + timeout_ms;
    QByteArray answer;
    while (answer.size() < bytes) {
        const int left_ms = int(std::max<qint64>(deadline_ms - m_clock.now_ms(), 0));
        const auto piece = co_await receive(bytes - int(answer.size()),
                                            answer.isEmpty() ? timeout_ms : left_ms, what);
        if (!piece) {
            if (piece.error_kind() == ErrorKind::TimedOut && !answer.isEmpty())
                break;
            co_return piece.failure();
        }
        answer += *piece;
        if (classify_answer(answer) == BootloaderAnswer::Nack || left_ms == 0)
            break;
    }
    co_return answer;
}

Task<Status> BootloaderProtocol::wait_for_ack(const QString& what, int timeout_ms) {
    const auto reply = co_await receive(1, timeout_ms, what);
    if (!reply && reply.error_kind() != ErrorKind::TimedOut)
        co_return reply.failure();
    const QByteArray bytes = reply ? *reply : QByteArray();
    m_log.print_line(latin1(kLogAnswerBytes) + QString::number(bytes.size()));
    m_log.print_line(latin1(kLogAnswerReceived) + answer_text(bytes));
    if (!reply)
        co_return reply.failure();
    switch (classify_answer(bytes)) {
    case BootloaderAnswer::Ack:
        m_log.print_line(latin1(kLogAck));
        if (bytes.size() > 1)
            co_return Error{QStringLiteral("the bootloader answered %1 with %2 bytes where one "
                                           "acknowledgement belongs")
                                .arg(what)
                                .arg(bytes.size()),
                            ErrorKind::BootloaderUnasked};
        co_return {};
    case BootloaderAnswer::Nack:
        m_log.print_line(latin1(kLogNotAck));
        co_return Error{QStringLiteral("the bootloader refused %1 (NACK)").arg(what),
                        ErrorKind::BootloaderRefused};
    case BootloaderAnswer::Other:
    case BootloaderAnswer::None:
        break;
    }
    co_return Error{QStringLiteral("the bootloader answered %1 with the byte %2 instead of an "
                                   "acknowledgement")
                        .arg(what, answer_text(bytes)),
                    ErrorKind::BootloaderUnexpected};
}

Task<Status> BootloaderProtocol::expect_nothing_unasked() {
    const auto unasked = co_await m_port.take_unasked();
    if (!unasked)
        co_return unasked.failure();
    if (unasked->isEmpty())
        co_return {};
    co_return Error{QStringLiteral("the bootloader sent %1 byte(s) nobody asked for (%2)")
                        .arg(unasked->size())
                        .arg(QString::fromLatin1(unasked->left(8).toHex(' ').toUpper())),
                    ErrorKind::BootloaderUnasked};
}

Task<Status> BootloaderProtocol::expect_quiet(int quiet_ms) {
    const auto late = co_await m_port.receive(1, quiet_ms, QStringLiteral("nothing"));
    if (!late && late.error_kind() == ErrorKind::TimedOut)
        co_return {};
    if (!late)
        co_return late.failure();
    co_return Error{QStringLiteral("the bootloader sent %1 byte(s) after its last acknowledgement")
                        .arg(late->size()),
                    ErrorKind::BootloaderUnasked};
}

Task<Status> BootloaderProtocol::send_write_address(quint32 address) {
    if (const Status quiet = co_await expect_nothing_unasked(); !quiet)
        co_return quiet;
    m_log.print_line(latin1(kLogSendWriteCommand));
    if (const Status sent = co_await send(command_frame(kWriteMemory)); !sent)
        co_return sent;
    if (const Status ack =
            co_await wait_for_ack(QStringLiteral("the Write Memory command"), m_timeouts.reply_ms);
        !ack)
        co_return ack;
    m_log.print_line(latin1(kLogSendAddress));
    m_log.print_line(latin1(kLogAddress) + address_text(address));
    m_log.print_line(latin1(kLogAddressChecksum) + byte_text(address_checksum(address)));
    if (const Status sent = co_await send(address_frame(address)); !sent)
        co_return sent;
    co_return co_await wait_for_ack(QStringLiteral("the write address"), m_timeouts.reply_ms);
}

Task<Status> BootloaderProtocol::erase_flash() {
    m_log.print_line(latin1(kLogStartErase));
    if (const Status quiet = co_await expect_nothing_unasked(); !quiet)
        co_return quiet;
    if (const Status sent = co_await send(command_frame(kEraseMemory)); !sent)
        co_return sent;
    if (const Status ack =
            co_await wait_for_ack(QStringLiteral("the erase command"), m_timeouts.reply_ms);
        !ack)
        co_return ack;
    const char global_erase[] = {char(kGlobalErase), 0x00};
    if (const Status sent = co_await send(QByteArrayView(global_erase, 2)); !sent)
        co_return sent;
    co_return co_await wait_for_ack(QStringLiteral("the global erase"), m_timeouts.mass_erase_ms);
}

Task<Status> BootloaderProtocol::write_data(const QByteArray& data) {
    const QByteArray frame = data_frame(data);
    if (frame.isEmpty())
        co_return Error{QStringLiteral("a chunk of %1 bytes cannot be written").arg(data.size()),
                        ErrorKind::BootloaderUnexpected};
    m_log.print_line(latin1(kLogSendData));
    m_log.print_line(latin1(kLogNByte) + byte_text(quint8(frame.front())));
    m_log.print_line(latin1(kLogChunkSize) + QString::number(data.size()));
    m_log.print_line(latin1(kLogDataChecksum) + byte_text(quint8(frame.back())));
    if (const Status sent = co_await send(frame); !sent)
        co_return sent;
    co_return co_await wait_for_ack(QStringLiteral("the data"), m_timeouts.block_write_ms);
}

Task<Status> BootloaderProtocol::read_back(quint32 address, const QByteArray& expected) {
    const QByteArray count_frame = read_count_frame(int(expected.size()));
    if (count_frame.isEmpty())
        co_return Error{QStringLiteral("%1 bytes cannot be read back at once").arg(expected.size()),
                        ErrorKind::BootloaderUnexpected};
    if (const Status quiet = co_await expect_nothing_unasked(); !quiet)
        co_return quiet;
    m_log.print_line(latin1(kLogSendRead));
    if (const Status sent = co_await send(command_frame(kReadMemory)); !sent)
        co_return sent;
    if (const Status ack =
            co_await wait_for_ack(QStringLiteral("the Read Memory command"), m_timeouts.reply_ms);
        !ack) {
        if (ack.error_kind() != ErrorKind::BootloaderRefused)
            co_return ack;
        co_return Error{
            QStringLiteral("the bootloader refused to read the flash back (NACK to Read "
                           "Memory; the flash may be read-protected), so the firmware "
                           "written cannot be verified"),
            ErrorKind::BootloaderReadRefused};
    }
    m_log.print_line(latin1(kLogAddress) + address_text(address));
    if (const Status sent = co_await send(address_frame(address)); !sent)
        co_return sent;
    if (const Status ack =
            co_await wait_for_ack(QStringLiteral("the read address"), m_timeouts.reply_ms);
        !ack)
        co_return ack;
    if (const Status sent = co_await send(count_frame); !sent)
        co_return sent;
    // The acknowledgement of the count, then the flash contents.
    const int wanted = int(expected.size()) + 1;
    const auto reply =
        co_await receive_whole(wanted, m_timeouts.reply_ms, QStringLiteral("the read count"));
    if (!reply)
        co_return reply.failure();
    m_log.print_line(latin1(kLogAnswerBytes) + QString::number(reply->size()));
    switch (classify_answer(*reply)) {
    case BootloaderAnswer::Ack:
        break;
    case BootloaderAnswer::Nack:
        co_return Error{QStringLiteral("the bootloader refused the read count (NACK)"),
                        ErrorKind::BootloaderRefused};
    default:
        co_return Error{QStringLiteral("the bootloader answered the read count with the byte %1 "
                                       "instead of an acknowledgement")
                            .arg(answer_text(*reply)),
                        ErrorKind::BootloaderUnexpected};
    }
    if (reply->size() != wanted)
        co_return Error{
            QStringLiteral("the bootloader sent %1 bytes of flash where %2 were asked for")
                .arg(reply->size() - 1)
                .arg(expected.size()),
            reply->size() < wanted ? ErrorKind::BootloaderUnexpected
                                   : ErrorKind::BootloaderUnasked};
    const QByteArray flash = reply->sliced(1);
    for (qsizetype i = 0; i < flash.size(); ++i) {
        if (flash[i] != expected[i])
            co_return Error{QStringLiteral("the flash at 0x%1 reads back %2 where %3 was written")
                                .arg(address_text(address + quint32(i)),
                                     byte_text(quint8(flash[i])), byte_text(quint8(expected[i]))),
                            ErrorKind::BootloaderMismatch};
    }
    m_log.print_line(latin1(kLogReadBackMatches) + QString::number(flash.size()));
    co_return {};
}

Task<Status> BootloaderProtocol::write_record(const QByteArray& record) {
    target_address = kRecordAddress;
    if (const Status address = co_await send_write_address(target_address); !address)
        co_return address;
    // No log line names the record's bytes.
    if (const Status sent = co_await send(data_frame(record)); !sent)
        co_return sent;
    co_return co_await wait_for_ack(QStringLiteral("the record"), m_timeouts.block_write_ms);
}

Task<Status> BootloaderProtocol::go_to_application() {
    m_log.print_line(QString());
    m_log.print_line(latin1(kLogSendGo));
    target_address = kImageAddress;
    m_go_address_sent = false;
    if (const Status quiet = co_await expect_nothing_unasked(); !quiet)
        co_return quiet;
    if (const Status sent = co_await send(command_frame(kGo)); !sent)
        co_return sent;
    if (const Status ack =
            co_await wait_for_ack(QStringLiteral("the Go command"), m_timeouts.reply_ms);
        !ack)
        co_return ack;
    m_log.print_line(latin1(kLogSendAddress));
    m_log.print_line(latin1(kLogAddress) + address_text(target_address));
    m_log.print_line(latin1(kLogAddressChecksum) + byte_text(address_checksum(target_address)));
    // Even a write that fails may have carried the frame out.
    m_go_address_sent = true;
    if (const Status sent = co_await send(address_frame(target_address)); !sent)
        co_return sent;
    co_return co_await wait_for_ack(QStringLiteral("the Go address"), m_timeouts.reply_ms);
}

Task<Result<quint16>> BootloaderProtocol::get_id() {
    m_log.print_line(latin1(kLogSendGetId));
    const auto id = co_await counted_answer(kGetId, QStringLiteral("the Get ID command"));
    if (!id)
        co_return id.failure();
    const auto product_id = product_id_in(*id);
    if (product_id)
        m_log.print_line(latin1(kLogProductId) + product_id_text(*product_id));
    co_return product_id;
}

Task<Result<bool>> BootloaderProtocol::fill_until_refused() {
    const char filler = char(kFiller);
    const auto one_filler = [this, filler]() -> Task<Result<QByteArray>> {
        if (const Status sent = co_await send(QByteArrayView(&filler, 1)); !sent)
            co_return sent.failure();
        const auto reply =
            co_await receive(1, m_timeouts.resync_ms, QStringLiteral("the resynchronisation"));
        if (!reply && reply.error_kind() == ErrorKind::TimedOut)
            co_return QByteArray(); // the byte went into the frame the bootloader waits for
        if (reply)
            m_log.print_line(latin1(kLogAnswerReceived) + answer_text(*reply));
        co_return reply;
    };
    // A refusal ends whatever frame it was in: the bootloader now waits for a command.
    // Anything else (an acknowledgement of a frame completed on the way, a late byte of the
    // stopped attempt) leaves it somewhere still unknown.
    for (int i = 0; i < kLeadFillers; ++i) {
        const auto reply = co_await one_filler();
        if (!reply)
            co_return reply.failure();
        if (classify_answer(*reply) == BootloaderAnswer::Nack)
            co_return true;
    }
    // Inside a longer frame (a data frame takes up to 257 bytes): enough fillers for the
    // longest go out at once, and their answers are read until the line is quiet. Past the
    // refusal they go in pairs, each refused as a command.
    if (const Status sent = co_await send(QByteArray(kFrameFillers, filler)); !sent)
        co_return sent.failure();
    const auto answers = co_await receive(kFrameFillers, 2 * m_timeouts.resync_ms,
                                          QStringLiteral("the resynchronisation"));
    if (!answers && answers.error_kind() != ErrorKind::TimedOut)
        co_return answers.failure();
    if (answers)
        m_log.print_line(latin1(kLogFillerAnswers) + QString::number(answers->size()));
    // An odd filler may wait for its partner: single ones end that with a refusal.
    for (int i = 0; i < kSettleFillers; ++i) {
        const auto reply = co_await one_filler();
        if (!reply)
            co_return reply.failure();
        if (classify_answer(*reply) == BootloaderAnswer::Nack)
            co_return true;
    }
    co_return false;
}

Task<Status> BootloaderProtocol::drop_late_answers() {
    // Answers come one at a time, so a bootloader still at work is quiet between them; ten
    // rounds of bytes without the quiet is no bootloader the retry can talk to.
    constexpr int kRounds = 10;
    qsizetype dropped = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto late = co_await m_port.receive(kFrameFillers, m_timeouts.late_answer_ms,
                                                  QStringLiteral("a late answer"));
        if (!late && late.error_kind() == ErrorKind::TimedOut) {
            if (dropped > 0)
                m_log.print_line(latin1(kLogLateAnswer) + QString::number(dropped));
            co_return {};
        }
        if (!late)
            co_return late.failure();
        dropped += late->size();
    }
    co_return Error{
        QStringLiteral("the bootloader keeps sending (%1 bytes nobody asked for)").arg(dropped),
        ErrorKind::BootloaderUnasked};
}

// Wherever a stopped attempt left it (inside a command pair, an address, a count, a data or
// erase frame, or restarted and waiting for the sync byte), the bootloader is brought back to
// waiting for a command, as stm32flash does: bytes that make every frame invalid are sent one
// at a time until it refuses one. Get ID then proves that no filler is left over, so the next
// command is read as a command. A bootloader that refuses nothing has restarted; the sync
// byte synchronises it again.
Task<Status> BootloaderProtocol::resynchronise() {
    m_log.print_line(latin1(kLogResynchronise));
    std::optional<Error> last;
    for (int round = 0; round < kResyncRounds; ++round) {
        const auto refused = co_await fill_until_refused();
        if (!refused)
            co_return refused.failure();
        if (!*refused) {
            const char sync = char(kSync);
            if (const Status sent = co_await send(QByteArrayView(&sync, 1)); !sent)
                co_return sent;
            const auto reply = co_await receive(1, m_timeouts.resync_ms,
                                                QStringLiteral("the synchronisation byte"));
            if (!reply && reply.error_kind() != ErrorKind::TimedOut)
                co_return reply.failure();
            if (!reply)
                co_return Error{QStringLiteral("the bootloader no longer answers"),
                                ErrorKind::TimedOut};
            m_log.print_line(latin1(kLogAnswerReceived) + answer_text(*reply));
            if (classify_answer(*reply) != BootloaderAnswer::Ack)
                co_return Error{QStringLiteral("the bootloader answered the synchronisation byte "
                                               "with %1")
                                    .arg(answer_text(*reply)),
                                ErrorKind::BootloaderUnexpected};
        }
        // A late answer of the stopped attempt would be taken for part of Get ID's.
        const auto unasked = co_await m_port.take_unasked();
        if (!unasked)
            co_return unasked.failure();
        if (!unasked->isEmpty())
            m_log.print_line(latin1(kLogLateAnswer) + QString::number(unasked->size()));
        const auto id = co_await get_id();
        if (id)
            co_return {};
        // A refused or spoiled answer only says that this round did not end clean.
        const ErrorKind code = id.error_kind();
        if (code != ErrorKind::TimedOut && code != ErrorKind::BootloaderRefused &&
            code != ErrorKind::BootloaderUnexpected && code != ErrorKind::BootloaderUnasked)
            co_return id.failure();
        last = id.failure();
    }
    co_return Error{QStringLiteral("the bootloader could not be brought back to a known state (%1)")
                        .arg(last ? last->message : QString()),
                    ErrorKind::BootloaderUnexpected};
}

QString bootloader_version_text(quint8 version) {
    return QStringLiteral("%1.%2").arg(version >> 4).arg(version & 0x0F);
}

QString product_id_text(quint16 product_id) {
    return QStringLiteral("0x") +
           QString::number(product_id, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

Task<Result<QByteArray>> BootloaderProtocol::counted_answer(quint8 command, const QString& what) {
    if (const Status quiet = co_await expect_nothing_unasked(); !quiet)
        co_return quiet.failure();
    if (const Status sent = co_await send(command_frame(command)); !sent)
        co_return sent.failure();
    // ACK and the count first; the rest may come in the same read.
    const auto head = co_await receive(2, m_timeouts.reply_ms, what);
    if (!head)
        co_return head.failure();
    m_log.print_line(latin1(kLogAnswerReceived) + answer_text(*head));
    switch (classify_answer(*head)) {
    case BootloaderAnswer::Ack:
        break;
    case BootloaderAnswer::Nack:
        co_return Error{QStringLiteral("the bootloader refused %1 (NACK)").arg(what),
                        ErrorKind::BootloaderRefused};
    default:
        co_return Error{QStringLiteral("the bootloader answered %1 with the byte %2 instead of an "
                                       "acknowledgement")
                            .arg(what, answer_text(*head)),
                        ErrorKind::BootloaderUnexpected};
    }
    if (head->size() < 2)
        co_return Error{QStringLiteral("the bootloader stopped answering %1 after its "
                                       "acknowledgement")
                            .arg(what),
                        ErrorKind::BootloaderUnexpected};
    const int count = quint8(head->at(1)) + 1;
    QByteArray body = head->sliced(2);
    while (body.size() < count + 1) {
        const auto more = co_await receive(int(count + 1 - body.size()), m_timeouts.reply_ms, what);
        if (!more)
            co_return more.failure();
        if (more->isEmpty())
            break;
        body += *more;
    }
    if (body.size() != count + 1 || quint8(body.back()) != kBootloaderAck)
        co_return Error{QStringLiteral("the bootloader's answer to %1 is not %2 bytes and an "
                                       "acknowledgement")
                            .arg(what)
                            .arg(count),
                        body.size() > count + 1 ? ErrorKind::BootloaderUnasked
                                                : ErrorKind::BootloaderUnexpected};
    co_return body.first(count);
}

Task<Result<BootloaderIdentity>> BootloaderProtocol::identify() {
    BootloaderIdentity identity;
    m_log.print_line(latin1(kLogSendGet));
    const auto get = co_await counted_answer(kGet, QStringLiteral("the Get command"));
    if (!get)
        co_return get.failure();
    identity.version = quint8(get->front());
    identity.commands = get->sliced(1);
    m_log.print_line(latin1(kLogSendGetId));
    const auto id = co_await counted_answer(kGetId, QStringLiteral("the Get ID command"));
    if (!id)
        co_return id.failure();
    const auto product_id = product_id_in(*id);
    if (!product_id)
        co_return product_id.failure();
    identity.product_id = *product_id;
    co_return identity;
}

} // namespace kx
