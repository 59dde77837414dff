#pragma once

#include "link/serial_driver.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <optional>

namespace kx {

class Dialogs;
class Log;

// Size of the send and receive buffers: the largest message or read the link handles at once.
inline constexpr quint32 kLinkBufferSize = 65536;
// The longest serial number the open call passes on; longer ones are cut.
inline constexpr int kOpenSerialMaxChars = 49;
// Size of the driver's list buffers for serial numbers and descriptions.
inline constexpr int kListTextMaxChars = 64;

// Returned (without a message box) by an operation refused because a wait for the pedal runs.
inline constexpr int kStatusRefused = -1;

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

inline constexpr char kMessageTooLong[] =
    "The message does not fit the send buffer and was not sent: %1 bytes, at most %2.";
inline constexpr char kLogRefusedBusy[] = "pedal busy, refused: ";

// The text a failing driver status adds to its operation's label in the failure message.
QString status_text(int status);
// The whole failure message: the label directly followed by the status text.
QString failure_message(const QString& label, int status);

// One entry of the driver's device-information list (declared for completeness; discovery
// lists chips by index).
struct FT_Device_Info_Node {
    quint32 Flags = 0;
    quint32 DeviceType = 0;
    quint32 ID = 0;
    quint32 LocID = 0;
    std::array<char, 16> SerialNumber{};
    std::array<char, 64> Description{};
    quint32 DeviceHandle = 0;
};

// Line settings in the driver's coding: stop bits 0 = one, 2 = two; parity 0 = none.
struct LineSettings {
    quint32 baud_rate = 0;
    quint8 word_length = 0;
    quint8 stop_bits = 0;
    quint8 parity = 0;
};

// The USB serial chip access: the one open chip, its line settings and the two buffers that
// every exchange with the pedal shares. Each operation calls the driver and shows a failing
// status in a modal message, then returns as usual. Bytes are never cleared from the buffers:
// a read lands at index 0 and leaves older bytes behind it.
class D2XXUnit {
public:
    D2XXUnit(SerialDriver& driver, Dialogs& dialogs, Log& log);
    // Closes the chip if it is still open.
    ~D2XXUnit();
    D2XXUnit(const D2XXUnit&) = delete;
    D2XXUnit& operator=(const D2XXUnit&) = delete;

    int GetFTDeviceCount();
    // The texts are those before the first NUL of the list buffer, at most 64 characters.
    int GetFTDeviceSerialNo(quint32 index, QString& serial_number);
    int GetFTDeviceDescription(quint32 index, QString& description);
    int Open_USB_Device_By_Serial_Number(const QString& serial_number);
    int OpenFTDevice();
    int CloseFTDevice();
    // Reads every queued byte (at most the buffer size) into the receive buffer from index 0;
    // returns the count read. Never waits for more data.
    quint32 ReadFTDevice();
    // Sends bytes 0 to count-1 of the send buffer in one call; returns the count written.
    quint32 WriteFTDevice(quint32 count);
    int ResetFTDevice();
    int SetFTDeviceBaudRate();
    int SetFTDeviceDataCharacteristics();
    int PurgeFTDeviceRX();
    int PurgeFTDeviceTX();
    int SetFTDeviceTimeouts(quint32 read_ms, quint32 write_ms);
    int GetFTDeviceQueueStatus();

    // Builds a message in the send buffer from index 0. A message longer than the buffer is
    // refused with a message before anything is written; the result is then empty. Otherwise
    // the result is the number of bytes put in (hex conversion stops at the first pair that
    // is not hexadecimal).
    std::optional<quint32> put_hex(QStringView hex);
    std::optional<quint32> put_bytes(QByteArrayView bytes);
    // put_bytes then WriteFTDevice; returns whether every byte was handed to the driver.
    bool send_bytes(QByteArrayView bytes);

    // Closes the chip without reporting a failure: for a chip that is already gone.
    void forget_device();
    bool device_open() const { return m_open; }

    // While set, every operation that would disturb the chip during a wait for the pedal
    // (open, close, write, purge, reset, settings) is refused with a log line.
    void set_wait_running(bool running) { m_wait_running = running; }
    bool wait_running() const { return m_wait_running; }

    char* send_buffer() { return m_send.get(); }
    const char* receive_buffer() const { return m_receive.get(); }
    SerialDriver& driver() { return m_driver; }

    FtHandle device_handle = 0;
    quint32 device_count = 0;
    quint32 queued_byte_count = 0;
    LineSettings line_settings;
    // Status of the last FT_Read; lets a wait tell a lost chip from an empty read.
    int last_read_status = FT_OK;
    QList<FT_Device_Info_Node> device_info_list;

private:
    int report(const char* label, int status);
    // Takes the handle of a successful open, then reports as report() does.
    int opened(const char* label, int status, FtHandle handle);
    bool refused(const char* label);

    SerialDriver& m_driver;
    Dialogs& m_dialogs;
    Log& m_log;
    std::unique_ptr<char[]> m_send;
    std::unique_ptr<char[]> m_receive;
    bool m_open = false;
    bool m_wait_running = false;
};

} // namespace kx
