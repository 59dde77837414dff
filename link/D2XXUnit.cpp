#include "link/D2XXUnit.h"

#include "base/hex_text.h"
#include "base/log.h"
#include "base/translation.h"

#include <algorithm>
#include <cstring>

namespace kx {

namespace {

// Texts of the driver statuses 1 to 17, as they follow the operation's label.
constexpr const char* kStatusTexts[] = {
    "",
    " - Invalid handle...",
    " - Device not found...",
    " - Device not opened...",
    " - General IO error...",
    " - Insufficient resources...",
    " - Invalid parameter...",
    " - Invalid baud rate...",
    " Device not opened for erase...",
    " Device not opened for write...",
    " - Failed to write...",
    " - EEPROM read failed...",
    " - EEPROM write failed...",
    " - EEPROM erase failed...",
    " - EEPROM not present...",
    " - EEPROM not programmed...",
    " - Invalid arguments...",
    " - Other error ...",
};
constexpr int kLastKnownStatus = FT_OTHER_ERROR;

// A list buffer's text: the characters before the first NUL, at most 64, as 8-bit text.
QString list_text(const QByteArray& buffer) {
    const qsizetype limit = std::min<qsizetype>(buffer.size(), kListTextMaxChars);
    qsizetype end = 0;
    while (end < limit && buffer[end] != '\0')
        ++end;
    return QString::fromLatin1(buffer.constData(), end);
}

// Statuses with which a call on an open chip says the chip is no longer there to talk to.
bool chip_gone(int status) {
    switch (status) {
    case FT_INVALID_HANDLE:
    case FT_DEVICE_NOT_FOUND:
    case FT_DEVICE_NOT_OPENED:
    case FT_IO_ERROR:
    case FT_DEVICE_NOT_OPENED_FOR_WRITE:
    case FT_FAILED_TO_WRITE_DEVICE:
        return true;
    default:
        return false;
    }
}

} // namespace

QString status_text(int status) {
    if (status == FT_OK)
        return {};
    if (status > 0 && status <= kLastKnownStatus)
        return QString::fromLatin1(kStatusTexts[status]);
    return QStringLiteral(" - Status %1...").arg(status);
}

QString failure_message(const QString& label, int status) {
    return label + status_text(status);
}

D2XXUnit::D2XXUnit(SerialDriver& driver, Log& log) : m_driver(driver), m_log(log) {}

char* D2XXUnit::made(std::unique_ptr<char[]>& buffer) {
    if (!buffer)
        buffer = std::make_unique<char[]>(kLinkBufferSize);
    return buffer.get();
}

D2XXUnit::~D2XXUnit() {
    forget_device();
}

Status D2XXUnit::check(const char* label, int status) {
    last_status = status;
    if (status == FT_OK)
        return {};
    return Error{failure_message(QString::fromLatin1(label), status), ErrorKind::DriverFailed};
}

Status D2XXUnit::check_io(const char* label, int status) {
    Status result = check(label, status);
    if (result || !m_open || !chip_gone(status))
        return result;
    forget_device();
    if (m_on_lost)
        m_on_lost(result.error());
    return Error{result.error(), ErrorKind::LinkLost};
}

std::optional<Error> D2XXUnit::refused(const char* label, bool needs_open) {
    const QString name = QString::fromLatin1(label);
    if (m_wait_running) {
        m_log.print_line(QString::fromLatin1(kLogRefusedBusy) + name);
        return Error{ui_text("Link", kMessageBusy).arg(name), ErrorKind::Busy};
    }
    if (needs_open && !m_open)
        return Error{ui_text("Link", kMessageNotOpen).arg(name), ErrorKind::NotConnected};
    return std::nullopt;
}

Status D2XXUnit::GetFTDeviceCount() {
    quint32 count = 0;
    const int status = m_driver.device_count(count);
    if (status == FT_OK)
        device_count = count;
    return check(kLabelGetFTDeviceCount, status);
}

Result<QString> D2XXUnit::GetFTDeviceSerialNo(quint32 index) {
    QByteArray buffer;
    const Status status = check(kLabelGetFTDeviceSerialNo, m_driver.serial_number(index, buffer));
    if (!status)
        return status.failure();
    return list_text(buffer);
}

Result<QString> D2XXUnit::GetFTDeviceDescription(quint32 index) {
    QByteArray buffer;
    const Status status = check(kLabelGetFTDeviceDescription, m_driver.description(index, buffer));
    if (!status)
        return status.failure();
    return list_text(buffer);
}

Status D2XXUnit::Open_USB_Device_By_Serial_Number(const QString& serial_number) {
    if (auto error = refused(kLabelOpenBySerial, false))
        return *error;
    const QByteArray text = serial_number.toLatin1().left(kOpenSerialMaxChars);
    FtHandle handle = 0;
    const int status = m_driver.open_by_serial(text, handle);
    return opened(kLabelOpenBySerial, status, handle);
}

Status D2XXUnit::OpenFTDevice() {
    if (auto error = refused(kLabelOpen, false))
        return *error;
    FtHandle handle = 0;
    const int status = m_driver.open_first(handle);
    return opened(kLabelOpen, status, handle);
}

Status D2XXUnit::opened(const char* label, int status, FtHandle handle) {
    // A failed open leaves the handle of an earlier open as it was.
    if (status == FT_OK) {
        // Opening again replaces the chip; the old one must not stay held.
        forget_device();
        device_handle = handle;
        m_open = true;
    }
    return check(label, status);
}

Status D2XXUnit::CloseFTDevice() {
    if (auto error = refused(kLabelClose))
        return *error;
    const int status = m_driver.close(device_handle);
    if (status == FT_OK)
        m_open = false;
    return check(kLabelClose, status);
}

Result<quint32> D2XXUnit::ReadFTDevice() {
    // Reads are what a wait does, so they are never refused as busy.
    if (!m_open)
        return Error{ui_text("Link", kMessageNotOpen).arg(QLatin1String(kLabelRead)),
                     ErrorKind::NotConnected};
    quint32 queued = 0;
    if (m_driver.queue_status(device_handle, queued) != FT_OK)
        queued = 0;
    const quint32 count = std::min(queued, kLinkBufferSize);
    quint32 bytes_read = 0;
    const Status status =
        check_io(kLabelRead, m_driver.read(device_handle, made(m_receive), count, bytes_read));
    if (!status)
        return status.failure();
    return std::min(bytes_read, count);
}

Result<quint32> D2XXUnit::WriteFTDevice(quint32 count, quint32 offset) {
    if (auto error = refused(kLabelWrite))
        return *error;
    offset = std::min(offset, kLinkBufferSize);
    count = std::min(count, kLinkBufferSize - offset);
    quint32 bytes_written = 0;
    const Status status = check_io(
        kLabelWrite, m_driver.write(device_handle, made(m_send) + offset, count, bytes_written));
    if (!status)
        return status.failure();
    if (bytes_written < count)
        return Error{ui_text("Link", kMessageShortWrite).arg(bytes_written).arg(count),
                     ErrorKind::DriverFailed};
    return bytes_written;
}

Task<Status> D2XXUnit::wait_written() {
    // Called inside a wait of the link's own, so the mark that refuses window calls is not
    // asked; a chip closed meanwhile ends it.
    if (!m_open)
        co_return check(kLabelWrite, FT_DEVICE_NOT_OPENED);
    const int status = co_await m_driver.wait_written(device_handle);
    co_return check_io(kLabelWrite, status);
}

Status D2XXUnit::ResetFTDevice() {
    if (auto error = refused(kLabelReset))
        return *error;
    return check_io(kLabelReset, m_driver.reset(device_handle));
}

Status D2XXUnit::SetFTDeviceBaudRate() {
    if (auto error = refused(kLabelSetBaudRate))
        return *error;
    return check_io(kLabelSetBaudRate,
                    m_driver.set_baud_rate(device_handle, line_settings.baud_rate));
}

Status D2XXUnit::SetFTDeviceDataCharacteristics() {
    if (auto error = refused(kLabelSetDataCharacteristics))
        return *error;
    return check_io(kLabelSetDataCharacteristics,
                    m_driver.set_data_characteristics(device_handle, line_settings.word_length,
                                                      line_settings.stop_bits,
                                                      line_settings.parity));
}

Status D2XXUnit::PurgeFTDeviceRX() {
    if (auto error = refused(kLabelPurgeRX))
        return *error;
    return check_io(kLabelPurgeRX, m_driver.purge(device_handle, FT_PURGE_RX));
}

Status D2XXUnit::PurgeFTDeviceTX() {
    if (auto error = refused(kLabelPurgeTX))
        return *error;
    return check_io(kLabelPurgeTX, m_driver.purge(device_handle, FT_PURGE_TX));
}

Status D2XXUnit::SetFTDeviceTimeouts(quint32 read_ms, quint32 write_ms) {
    if (auto error = refused(kLabelSetTimeouts))
        return *error;
    return check_io(kLabelSetTimeouts, m_driver.set_timeouts(device_handle, read_ms, write_ms));
}

Status D2XXUnit::SetFTDeviceLatencyTimer(quint8 ms) {
    if (auto error = refused(kLabelSetLatencyTimer))
        return *error;
    return check_io(kLabelSetLatencyTimer, m_driver.set_latency_timer(device_handle, ms));
}

Result<quint8> D2XXUnit::GetFTDeviceLatencyTimer() {
    if (auto error = refused(kLabelGetLatencyTimer))
        return *error;
    quint8 ms = 0;
    if (const Status got =
            check_io(kLabelGetLatencyTimer, m_driver.latency_timer(device_handle, ms));
        !got)
        return got.failure();
    return ms;
}

Result<quint32> D2XXUnit::GetFTDeviceQueueStatus() {
    // Asked during waits, so never refused as busy; but there must be a chip to ask.
    if (!m_open)
        return Error{ui_text("Link", kMessageNotOpen).arg(QLatin1String(kLabelGetQueueStatus)),
                     ErrorKind::NotConnected};
    quint32 queued = 0;
    const int status = m_driver.queue_status(device_handle, queued);
    const Status checked = check_io(kLabelGetQueueStatus, status);
    if (!checked)
        return checked.failure();
    queued_byte_count = queued;
    return queued;
}

Result<quint32> D2XXUnit::put_hex(QStringView hex) {
    const qsizetype length = hex.size() / 2;
    if (length > static_cast<qsizetype>(kLinkBufferSize))
        return Error{ui_text("Link", kMessageTooLong).arg(length).arg(kLinkBufferSize),
                     ErrorKind::DriverFailed};
    return static_cast<quint32>(hex_to_bytes(hex, made(m_send), length));
}

Result<quint32> D2XXUnit::put_bytes(QByteArrayView bytes) {
    if (bytes.size() > static_cast<qsizetype>(kLinkBufferSize))
        return Error{ui_text("Link", kMessageTooLong).arg(bytes.size()).arg(kLinkBufferSize),
                     ErrorKind::DriverFailed};
    if (!bytes.isEmpty())
        std::memcpy(made(m_send), bytes.data(), static_cast<size_t>(bytes.size()));
    return static_cast<quint32>(bytes.size());
}

Status D2XXUnit::send_bytes(QByteArrayView bytes) {
    const auto count = put_bytes(bytes);
    if (!count)
        return count.failure();
    const auto written = WriteFTDevice(*count);
    if (!written)
        return written.failure();
    return {};
}

void D2XXUnit::forget_device() {
    if (!m_open)
        return;
    m_driver.close(device_handle);
    m_open = false;
}

} // namespace kx
