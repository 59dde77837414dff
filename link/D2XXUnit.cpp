#include "link/D2XXUnit.h"

#include "base/dialogs.h"
#include "base/log.h"
#include "library/hex_text.h"

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

D2XXUnit::D2XXUnit(SerialDriver& driver, Dialogs& dialogs, Log& log)
    : m_driver(driver), m_dialogs(dialogs), m_log(log),
      m_send(std::make_unique<char[]>(kLinkBufferSize)),
      m_receive(std::make_unique<char[]>(kLinkBufferSize)) {}

D2XXUnit::~D2XXUnit() {
    forget_device();
}

int D2XXUnit::report(const char* label, int status) {
    if (status != FT_OK && status != kStatusRefused)
        m_dialogs.message(failure_message(QString::fromLatin1(label), status));
    return status;
}

bool D2XXUnit::refused(const char* label) {
    if (!m_wait_running)
        return false;
    m_log.print_line(QString::fromLatin1(kLogRefusedBusy) + QString::fromLatin1(label));
    return true;
}

int D2XXUnit::GetFTDeviceCount() {
    quint32 count = 0;
    const int status = m_driver.device_count(count);
    if (status == FT_OK)
        device_count = count;
    return report(kLabelGetFTDeviceCount, status);
}

int D2XXUnit::GetFTDeviceSerialNo(quint32 index, QString& serial_number) {
    QByteArray buffer;
    const int status = m_driver.serial_number(index, buffer);
    if (status == FT_OK)
        serial_number = list_text(buffer);
    return report(kLabelGetFTDeviceSerialNo, status);
}

int D2XXUnit::GetFTDeviceDescription(quint32 index, QString& description) {
    QByteArray buffer;
    const int status = m_driver.description(index, buffer);
    if (status == FT_OK)
        description = list_text(buffer);
    return report(kLabelGetFTDeviceDescription, status);
}

int D2XXUnit::Open_USB_Device_By_Serial_Number(const QString& serial_number) {
    if (refused(kLabelOpenBySerial))
        return kStatusRefused;
    const QByteArray text = serial_number.toLatin1().left(kOpenSerialMaxChars);
    FtHandle handle = 0;
    const int status = m_driver.open_by_serial(text, handle);
    return opened(kLabelOpenBySerial, status, handle);
}

int D2XXUnit::OpenFTDevice() {
    if (refused(kLabelOpen))
        return kStatusRefused;
    FtHandle handle = 0;
    const int status = m_driver.open_first(handle);
    return opened(kLabelOpen, status, handle);
}

int D2XXUnit::opened(const char* label, int status, FtHandle handle) {
    // A failed open leaves the handle of an earlier open as it was.
    if (status == FT_OK) {
        device_handle = handle;
        m_open = true;
    }
    return report(label, status);
}

int D2XXUnit::CloseFTDevice() {
    if (refused(kLabelClose))
        return kStatusRefused;
    const int status = m_driver.close(device_handle);
    if (status == FT_OK)
        m_open = false;
    return report(kLabelClose, status);
}

quint32 D2XXUnit::ReadFTDevice() {
    quint32 queued = 0;
    if (m_driver.queue_status(device_handle, queued) != FT_OK)
        queued = 0;
    const quint32 count = std::min(queued, kLinkBufferSize);
    quint32 bytes_read = 0;
    last_read_status = m_driver.read(device_handle, m_receive.get(), count, bytes_read);
    report(kLabelRead, last_read_status);
    return std::min(bytes_read, count);
}

quint32 D2XXUnit::WriteFTDevice(quint32 count) {
    if (refused(kLabelWrite))
        return 0;
    count = std::min(count, kLinkBufferSize);
    quint32 bytes_written = 0;
    report(kLabelWrite, m_driver.write(device_handle, m_send.get(), count, bytes_written));
    return bytes_written;
}

int D2XXUnit::ResetFTDevice() {
    if (refused(kLabelReset))
        return kStatusRefused;
    return report(kLabelReset, m_driver.reset(device_handle));
}

int D2XXUnit::SetFTDeviceBaudRate() {
    if (refused(kLabelSetBaudRate))
        return kStatusRefused;
    return report(kLabelSetBaudRate,
                  m_driver.set_baud_rate(device_handle, line_settings.baud_rate));
}

int D2XXUnit::SetFTDeviceDataCharacteristics() {
    if (refused(kLabelSetDataCharacteristics))
        return kStatusRefused;
    return report(kLabelSetDataCharacteristics,
                  m_driver.set_data_characteristics(device_handle, line_settings.word_length,
                                                    line_settings.stop_bits, line_settings.parity));
}

int D2XXUnit::PurgeFTDeviceRX() {
    if (refused(kLabelPurgeRX))
        return kStatusRefused;
    return report(kLabelPurgeRX, m_driver.purge(device_handle, FT_PURGE_RX));
}

int D2XXUnit::PurgeFTDeviceTX() {
    if (refused(kLabelPurgeTX))
        return kStatusRefused;
    return report(kLabelPurgeTX, m_driver.purge(device_handle, FT_PURGE_TX));
}

int D2XXUnit::SetFTDeviceTimeouts(quint32 read_ms, quint32 write_ms) {
    if (refused(kLabelSetTimeouts))
        return kStatusRefused;
    return report(kLabelSetTimeouts, m_driver.set_timeouts(device_handle, read_ms, write_ms));
}

int D2XXUnit::GetFTDeviceQueueStatus() {
    quint32 queued = 0;
    const int status = m_driver.queue_status(device_handle, queued);
    if (status == FT_OK)
        queued_byte_count = queued;
    return report(kLabelGetQueueStatus, status);
}

std::optional<quint32> D2XXUnit::put_hex(QStringView hex) {
    const qsizetype length = hex.size() / 2;
    if (length > static_cast<qsizetype>(kLinkBufferSize)) {
        m_dialogs.message(QString::fromLatin1(kMessageTooLong).arg(length).arg(kLinkBufferSize));
        return std::nullopt;
    }
    return static_cast<quint32>(hex_to_bytes(hex, m_send.get(), length));
}

std::optional<quint32> D2XXUnit::put_bytes(QByteArrayView bytes) {
    if (bytes.size() > static_cast<qsizetype>(kLinkBufferSize)) {
        m_dialogs.message(
            QString::fromLatin1(kMessageTooLong).arg(bytes.size()).arg(kLinkBufferSize));
        return std::nullopt;
    }
    if (!bytes.isEmpty())
        std::memcpy(m_send.get(), bytes.data(), static_cast<size_t>(bytes.size()));
    return static_cast<quint32>(bytes.size());
}

bool D2XXUnit::send_bytes(QByteArrayView bytes) {
    const auto count = put_bytes(bytes);
    if (!count)
        return false;
    return WriteFTDevice(*count) == *count;
}

void D2XXUnit::forget_device() {
    if (!m_open)
        return;
    m_driver.close(device_handle);
    m_open = false;
}

} // namespace kx
