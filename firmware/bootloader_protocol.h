#pragma once

#include "base/result.h"
#include "base/task.h"

#include <QByteArray>
#include <QString>

namespace kx {

class BootloaderPort;
class Clock;
class Log;

inline constexpr char kLogResynchronise[] = "RESYNCHRONISE";

// Time limits of the bootloader's answers: a global erase of the whole flash takes seconds on
// some parts, one block write well under a second.
struct BootloaderTimeouts {
    int reply_ms = 1000;
    int mass_erase_ms = 35000;
    int block_write_ms = 1000;
    // For each filler byte while resynchronising.
    int resync_ms = 100;
    // Before a retry: how long the line must stay quiet before the stopped attempt's answer
    // is taken to be gone. A bootloader's answer later than this after its limit would be read
    // by the retry as one of its own.
    int late_answer_ms = 2000;
};

// What the bootloader says of itself: its version (0x22 is 2.2), the command codes it takes
// and the chip's product ID (0x0410 for an STM32F10xxx medium-density part).
struct BootloaderIdentity {
    quint8 version = 0;
    QByteArray commands;
    quint16 product_id = 0;
};
// "2.2", "0x0410".
QString bootloader_version_text(quint8 version);
QString product_id_text(quint16 product_id);

// The commands of the microcontroller's serial bootloader and the log lines of each step. Each
// command pair and each frame goes out whole in one write, and each answer is taken as soon as
// it arrives, as the bootloader's own protocol allows: it reads a frame at the line's full
// speed and answers only once the frame is complete. Every command stops at the first answer
// that is not an acknowledgement: the error says what was refused and how; link errors keep
// their codes.
class BootloaderProtocol {
public:
    BootloaderProtocol(BootloaderPort& port, Log& log, Clock& clock,
                       const BootloaderTimeouts& timeouts = {});

    // One answer byte, logged; anything but ACK is an error naming `what`.
    Task<Status> wait_for_ack(const QString& what, int timeout_ms);
    // Write Memory with its address frame, both acknowledged.
    Task<Status> send_write_address(quint32 address);
    // Erase Memory, global erase.
    Task<Status> erase_flash();
    // The data frame of one chunk (1 to 256 bytes) after send_write_address.
    Task<Status> write_data(const QByteArray& data);
    // Read Memory of `expected.size()` bytes at `address`, compared with `expected`.
    Task<Status> read_back(quint32 address, const QByteArray& expected);
    // Write Memory of the record at its address.
    Task<Status> write_record(const QByteArray& record);
    // Go to the image's start address. Once the address frame has gone out the new firmware
    // may run, whatever answer comes: go_address_sent() says so.
    Task<Status> go_to_application();
    bool go_address_sent() const { return m_go_address_sent; }
    // Get ID: the product ID of the microcontroller (0x0410 for the pedal's).
    Task<Result<quint16>> get_id();
    // Brings a bootloader that an earlier attempt left anywhere inside a command back to
    // waiting for a command, and proves it with Get ID. See the .cpp for how.
    Task<Status> resynchronise();
    // Reads and drops whatever a stopped attempt still sends, until the line has been quiet
    // for late_answer_ms; fails when it never goes quiet.
    Task<Status> drop_late_answers();
    // Fails when bytes arrived that no request asked for: a bootloader that answers twice
    // could otherwise make a later refusal look like an acknowledgement.
    Task<Status> expect_nothing_unasked();
    // Waits `quiet_ms` and fails if anything arrives.
    Task<Status> expect_quiet(int quiet_ms);
    // Get, then Get ID: asks only, writes nothing.
    Task<Result<BootloaderIdentity>> identify();

    quint32 target_address = 0;

private:
    Task<Status> send(QByteArrayView bytes);
    Task<Result<QByteArray>> receive(int bytes, int timeout_ms, const QString& what);
    // As receive(), for an answer of a known length: it goes on past a pause inside it.
    Task<Result<QByteArray>> receive_whole(int bytes, int timeout_ms, const QString& what);
    // Sends filler bytes one at a time until the bootloader refuses a frame; false when it
    // never does.
    Task<Result<bool>> fill_until_refused();
    // A command whose answer is ACK, a count byte N, N + 1 bytes and ACK: those N + 1 bytes.
    Task<Result<QByteArray>> counted_answer(quint8 command, const QString& what);

    BootloaderPort& m_port;
    Log& m_log;
    Clock& m_clock;
    BootloaderTimeouts m_timeouts;
    bool m_go_address_sent = false;
};

} // namespace kx
