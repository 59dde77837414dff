#pragma once

#include "base/result.h"
#include "base/translation.h"
#include "link/serial_driver.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

namespace kx {

class Log;

// Size of the send and receive buffers: the largest message or read the link handles at once.
inline constexpr quint32 kLinkBufferSize = 65536;

inline constexpr char kLabelGetFTDeviceCount[] = "GetFTDeviceCount";
inline constexpr char kLabelGetFTDeviceSerialNo[] = "GetFTDeviceSerialNo";
inline constexpr char kLabelGetFTDeviceDescription[] = "GetFTDeviceDescription";
inline constexpr char kLabelOpenBySerial[] = "Open_USB_Device_By_Serial_Number";
inline constexpr char kLabelOpen[] = "FT_Open";
inline constexpr char kLabelClose[] = "FT_Close";
inline constexpr char kLabelRead[] = "FT_Read";
inline constexpr char kLabelWrite[] = "FT_Write";
inline constexpr char kLabelReset[] = "FT_ResetDevice";
inline constexpr char kLabelSetBaudRate[] = "FT_SetBaudRate";
inline constexpr char kLabelSetDataCharacteristics[] = "FT_SetDataCharacteristics";
inline constexpr char kLabelPurgeRX[] = "FT_Purge RX";
inline constexpr char kLabelPurgeTX[] = "FT_Purge TX";
inline constexpr char kLabelSetTimeouts[] = "FT_SetTimeouts";
inline constexpr char kLabelGetQueueStatus[] = "FT_GetQueueStatus";
inline constexpr char kLabelSetLatencyTimer[] = "FT_SetLatencyTimer";
inline constexpr char kLabelGetLatencyTimer[] = "FT_GetLatencyTimer";

inline constexpr char kMessageTooLong[] = QT_TRANSLATE_NOOP(
    "Link", "The message does not fit the send buffer and was not sent: %1 bytes, at most %2.");
inline constexpr char kMessageShortWrite[] = QT_TRANSLATE_NOOP(
    "Link", "The pedal's chip took only %1 of %2 bytes; the message was not sent whole.");
inline constexpr char kLogRefusedBusy[] = "pedal busy, refused: ";
inline constexpr char kMessageBusy[] =
    QT_TRANSLATE_NOOP("Link", "%1 was not done: the editor is waiting for the pedal.");
inline constexpr char kMessageNotOpen[] =
    QT_TRANSLATE_NOOP("Link", "%1 was not done: the pedal is not connected.");

// The text a failing driver status adds to its operation's label in the failure message.
QString status_text(int status);
// The whole failure message: the label directly followed by the status text.
QString failure_message(const QString& label, int status);

// Line settings in the driver's coding: stop bits 0 = one, 2 = two; parity 0 = none.
struct LineSettings {
    quint32 baud_rate = 0;
    quint8 word_length = 0;
    quint8 stop_bits = 0;
    quint8 parity = 0;
};

// The USB serial chip access: the one open chip, its line settings and the two buffers that
// every exchange with the pedal shares. Each operation calls the driver and returns what
// happened; a failure's message is the operation's label followed by the status text. Bytes
// are never cleared from the buffers: a read lands at index 0 and leaves older bytes behind.
//
// A read, write, purge or queue query that fails because the chip vanished closes the handle
// and calls the lost-link handler once: the one place where the editor learns that the pedal
// is gone.
class D2XXUnit {
public:
    D2XXUnit(SerialDriver& driver, Log& log);
    // Closes the chip if it is still open.
    ~D2XXUnit();
    D2XXUnit(const D2XXUnit&) = delete;
    D2XXUnit& operator=(const D2XXUnit&) = delete;

    // On success the device count is updated; on failure it keeps its previous value.
    Status GetFTDeviceCount();
    // The texts are those before the first NUL of the list buffer, at most 64 characters.
    Result<QString> GetFTDeviceSerialNo(quint32 index);
    Result<QString> GetFTDeviceDescription(quint32 index);
    Status Open_USB_Device_By_Serial_Number(const QString& serial_number);
    Status OpenFTDevice();
    Status CloseFTDevice();
    // Reads every queued byte (at most the buffer size) into the receive buffer from index 0;
    // the value is the count read. Never waits for more data.
    Result<quint32> ReadFTDevice();
    // Sends bytes offset to offset+count-1 of the send buffer in one driver call; the value is
    // the count written. Writing fewer bytes than asked is a failure.
    Result<quint32> WriteFTDevice(quint32 count, quint32 offset = 0);
    // Resumes once the system has taken every byte written, within the write's time limit.
    Task<Status> wait_written();
    Status ResetFTDevice();
    Status SetFTDeviceBaudRate();
    Status SetFTDeviceDataCharacteristics();
    Status PurgeFTDeviceRX();
    Status PurgeFTDeviceTX();
    Status SetFTDeviceTimeouts(quint32 read_ms, quint32 write_ms);
    // The value is the queued byte count, also kept in queued_byte_count.
    Result<quint32> GetFTDeviceQueueStatus();
    // The chip's latency timer in milliseconds.
    Status SetFTDeviceLatencyTimer(quint8 ms);
    Result<quint8> GetFTDeviceLatencyTimer();

    // Builds a message in the send buffer from index 0. A message longer than the buffer is
    // refused before anything is written. Otherwise the value is the number of bytes put in
    // (hex conversion stops at the first pair that is not hexadecimal).
    Result<quint32> put_hex(QStringView hex);
    Result<quint32> put_bytes(QByteArrayView bytes);
    // put_bytes then WriteFTDevice of the whole message.
    Status send_bytes(QByteArrayView bytes);

    // Closes the chip without reporting a failure: for a chip that is already gone.
    void forget_device();
    bool device_open() const { return m_open; }

    // Called once each time an open chip is found gone, after its handle was closed, with the
    // failure message of the call that found it.
    void set_lost_handler(std::function<void(const QString& message)> handler) {
        m_on_lost = std::move(handler);
    }

    // While set, every operation that would disturb the chip during a wait for the pedal
    // (open, close, write, purge, reset, settings) is refused with a log line.
    void set_wait_running(bool running) { m_wait_running = running; }
    bool wait_running() const { return m_wait_running; }

    char* send_buffer() { return made(m_send); }
    const char* receive_buffer() const { return made(m_receive); }
    SerialDriver& driver() { return m_driver; }

    FtHandle device_handle = 0;
    quint32 device_count = 0;
    quint32 queued_byte_count = 0;
    LineSettings line_settings;
    // Driver status of the last call, for diagnostics and tests.
    int last_status = FT_OK;

private:
    Status check(const char* label, int status);
    // As check(), for calls on the open chip: a status that means the chip is gone ends the
    // connection.
    Status check_io(const char* label, int status);
    // Takes the handle of a successful open, then checks as check() does.
    Status opened(const char* label, int status, FtHandle handle);
    // An error when a wait for the pedal runs (logged), or when no chip is open.
    std::optional<Error> refused(const char* label, bool needs_open = true);
    // A buffer, zeroed, made when first used: an editor that never connects keeps none.
    static char* made(std::unique_ptr<char[]>& buffer);

    SerialDriver& m_driver;
    Log& m_log;
    mutable std::unique_ptr<char[]> m_send;
    mutable std::unique_ptr<char[]> m_receive;
    bool m_open = false;
    bool m_wait_running = false;
    std::function<void(const QString&)> m_on_lost;
};

} // namespace kx
