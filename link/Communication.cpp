#include "link/Communication.h"

#include "base/clock.h"
#include "base/dialogs.h"
#include "base/log.h"
#include "library/hex_text.h"
#include "link/D2XXUnit.h"
#include "link/value_reply.h"

#include <QCoreApplication>

#include <algorithm>

namespace kx {

namespace {

using Control = ConnectionUi::Control;

constexpr quint32 kBaudRate = 115200;
constexpr quint8 kWordLength8 = 8;
constexpr quint8 kOneStopBit = 0;
constexpr quint8 kNoParity = 0;
constexpr char kBootloaderSync = 0x7F;

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

} // namespace

ReplyRequest information_reply(int timeout_ms) {
    return {QStringLiteral("effect information reply"), 4, 0, timeout_ms};
}

ReplyRequest parameter_reply(int control_count, int timeout_ms) {
    return {QStringLiteral("parameter state reply"), 4 * control_count + 22, 0, timeout_ms};
}

ReplyRequest bootloader_reply(int timeout_ms) {
    return {QStringLiteral("bootloader answer"), 0, 1, timeout_ms};
}

Communication::Communication(D2XXUnit& d2xx, ConnectionUi& ui, Dialogs& dialogs, Log& log,
                             Clock& clock)
    : m_d2xx(d2xx), m_ui(ui), m_dialogs(dialogs), m_log(log), m_clock(clock) {}

bool Communication::waiting() const {
    return m_d2xx.wait_running();
}

bool Communication::exchange_allowed(const QString& action) {
    if (!waiting())
        return true;
    m_log.print_line(latin1(kLogRefusedBusy) + action);
    return false;
}

void Communication::init_line_settings() {
    m_d2xx.line_settings = {kBaudRate, kWordLength8, kOneStopBit, kNoParity};
}

void Communication::list_devices() {
    if (m_d2xx.GetFTDeviceCount() != FT_OK)
        return;
    for (quint32 i = 0; i < m_d2xx.device_count; ++i) {
        QString serial;
        if (m_d2xx.GetFTDeviceSerialNo(i, serial) == FT_OK) {
            m_ui.append_serial_number_text(serial);
            device_serial_number = serial;
        }
        QString description;
        if (m_d2xx.GetFTDeviceDescription(i, description) == FT_OK)
            m_ui.set_device_name_text(description == latin1(kTextFactoryDescription)
                                          ? latin1(kTextPedalName)
                                          : description);
    }
}

void Communication::menuScanClick() {
    scan_devices();
}

void Communication::menuConnectClick() {
    if (!connect_device())
        return;
    m_ui.set_control_enabled(Control::menuFirmwareUpgradeMode, false);
    m_ui.set_control_enabled(Control::btnOpenEffect, true);
}

void Communication::menuDisconnectClick() {
    disconnect_device();
}

void Communication::scan_devices() {
    if (!exchange_allowed(QStringLiteral("Scan")))
        return;
    m_ui.set_device_name_text(latin1(kTextDeviceNameDefault));
    const int status = m_d2xx.GetFTDeviceCount();
    const quint32 count = status == FT_OK ? m_d2xx.device_count : 0;
    m_log.print_line(latin1(kLogDeviceCount) + QString::number(count));
    if (count == 0) {
        m_dialogs.message(latin1(kTextNoDevice));
        m_ui.set_device_name_text(latin1(kTextNoDevice));
        return;
    }
    for (quint32 i = 0; i < count; ++i) {
        QString serial;
        if (m_d2xx.GetFTDeviceSerialNo(i, serial) == FT_OK) {
            m_log.print_line(latin1(kLogDeviceString) + serial);
            device_serial_number = serial;
        }
        QString description;
        if (m_d2xx.GetFTDeviceDescription(i, description) == FT_OK) {
            m_ui.set_device_name_text(description);
            m_dialogs.message(description + latin1(kTextFoundClickConnect));
        }
    }
}

bool Communication::connect_device() {
    if (!exchange_allowed(QStringLiteral("Connect")))
        return false;
    m_log.print_line(latin1(kLogSerialNumber) + device_serial_number);
    if (m_d2xx.Open_USB_Device_By_Serial_Number(device_serial_number) != FT_OK)
        return false; // the open's failure has been shown; nothing else changes
    m_ui.set_device_name_text(m_ui.device_name_text() + latin1(kTextConnectedSuffix));
    m_d2xx.SetFTDeviceBaudRate();
    m_d2xx.SetFTDeviceDataCharacteristics();
    m_log.print_line(
        latin1(kLogHandle) +
        QStringLiteral("%1").arg(m_d2xx.device_handle, 8, 16, QLatin1Char('0')).toUpper());
    m_log.print_line(latin1(kLogBaudRate) + QString::number(m_d2xx.line_settings.baud_rate));
    m_ui.set_control_enabled(Control::btnUpload, true);
    m_ui.set_control_enabled(Control::btnRequest, true);
    m_ui.set_control_enabled(Control::chkFirmwareUpgradeMode, false);
    m_ui.set_control_enabled(Control::menuScan, false);
    m_ui.set_control_enabled(Control::menuConnect, false);
    m_ui.set_control_enabled(Control::menuDisconnect, true);
    if (firmware_upgrade_mode)
        check_bootloader();
    return true;
}

void Communication::check_bootloader() {
    m_d2xx.send_buffer()[0] = kBootloaderSync;
    if (m_d2xx.WriteFTDevice(1) != 1)
        return; // the write's failure has been shown; no answer can come
    const auto text = receive_text(bootloader_reply());
    if (!text) {
        // The wait has said what went wrong; the user still learns the check's outcome.
        m_dialogs.message(latin1(kTextBootloaderFailed));
        return;
    }
    m_log.print_line(latin1(kLogReceivedByte) + QString::fromLatin1(*text));
    if (*text == kTextBootloaderAck) {
        m_dialogs.message(latin1(kTextBootloaderOk));
        m_ui.set_control_enabled(Control::menuStartFirmwareUpgrade, true);
        m_ui.set_control_enabled(Control::btnRequest, false);
        m_ui.set_control_enabled(Control::btnUpload, false);
    } else {
        m_dialogs.message(latin1(kTextBootloaderFailed));
    }
}

bool Communication::disconnect_device() {
    if (!exchange_allowed(QStringLiteral("Disconnect")))
        return false;
    if (m_d2xx.CloseFTDevice() != FT_OK)
        return false;
    enter_not_connected_state();
    return true;
}

void Communication::enter_not_connected_state() {
    QString name = m_ui.device_name_text();
    name.remove(latin1(kTextConnected));
    m_ui.set_device_name_text(name);
    m_ui.set_control_enabled(Control::menuScan, true);
    m_ui.set_control_enabled(Control::menuConnect, true);
    for (const Control control :
         {Control::menuDisconnect, Control::btnUpload, Control::btnOpenEffect, Control::btnRequest,
          Control::btnAssign, Control::btnStoreSettingsOnPedal})
        m_ui.set_control_enabled(control, false);
    if (m_ui.parameters_window_visible())
        m_ui.EnableDisableControls(false);
}

void Communication::link_lost() {
    m_d2xx.forget_device();
    m_log.print_line(latin1(kLogLinkLost));
    enter_not_connected_state();
}

Reply Communication::collect_reply(const ReplyRequest& request) {
    Reply reply;
    if (!exchange_allowed(request.name))
        return reply;
    {
        const WaitMark mark(m_d2xx);
        const qint64 start_ms = m_clock.now_ms();
        qint64 last_byte_ms = start_ms;
        for (;;) {
            // Window events run here; anything they try on the chip is refused meanwhile.
            QCoreApplication::processEvents();
            if (m_d2xx.GetFTDeviceQueueStatus() != FT_OK) {
                reply.end = ReplyEnd::LinkLost;
                break;
            }
            if (m_d2xx.queued_byte_count > 0) {
                const quint32 n = m_d2xx.ReadFTDevice();
                if (m_d2xx.last_read_status != FT_OK) {
                    reply.end = ReplyEnd::LinkLost;
                    break;
                }
                reply.bytes.append(m_d2xx.receive_buffer(), n);
                last_byte_ms = m_clock.now_ms();
                if (reply_complete(request, reply.bytes)) {
                    reply.end = ReplyEnd::Complete;
                    break;
                }
            }
            const qint64 now_ms = m_clock.now_ms();
            if (!reply.bytes.isEmpty() && now_ms - last_byte_ms >= kQuietGapMs) {
                reply.end = ReplyEnd::Quiet;
                break;
            }
            const qint64 left_ms = request.timeout_ms - (now_ms - start_ms);
            if (left_ms <= 0) {
                reply.end = ReplyEnd::TimedOut;
                break;
            }
            const qint64 quiet_left_ms =
                reply.bytes.isEmpty() ? left_ms : kQuietGapMs - (now_ms - last_byte_ms);
            m_d2xx.driver().wait_for_data(
                m_d2xx.device_handle, static_cast<int>(std::min<qint64>(
                                          {kPollMs, left_ms, std::max<qint64>(quiet_left_ms, 1)})));
        }
    }
    if (reply.end == ReplyEnd::LinkLost)
        link_lost();
    else if (reply.end == ReplyEnd::TimedOut)
        m_dialogs.message(QString::fromLatin1(kMessageNoReply)
                              .arg(request.name, QString::number(request.timeout_ms / 1000.0)));
    return reply;
}

std::optional<QByteArray> Communication::receive_text(const ReplyRequest& request) {
    const Reply reply = collect_reply(request);
    if (!reply.ok())
        return std::nullopt;
    m_log.print_line(latin1(kLogBytesReceived) + QString::number(reply.bytes.size()));
    m_d2xx.PurgeFTDeviceRX();
    if (firmware_upgrade_mode)
        return bytes_to_hex(reply.bytes.first(1)).toLatin1();
    return reply.bytes;
}

bool Communication::receive_values(const ReplyRequest& request) {
    const Reply reply = collect_reply(request);
    if (!reply.ok())
        return false;
    m_d2xx.PurgeFTDeviceTX();
    const bool parsed = parse_values(reply.bytes, request.expected_lines);
    m_d2xx.PurgeFTDeviceRX();
    return parsed;
}

bool Communication::parse_values(const QByteArray& reply, int expected_count) {
    const ValueParse parse = parse_value_lines(reply);
    if (parse.failed) {
        m_dialogs.message(QString::fromLatin1(kMessageBadValue)
                              .arg(parse.bad_line + 1)
                              .arg(QString::fromLatin1(parse.bad_text)));
        return false;
    }
    m_log.print_line(latin1(kLogBytesReceived) + QString::number(parse.values.size()));
    if (parse.values.isEmpty() || parse.values.size() < expected_count) {
        m_dialogs.message(QString::fromLatin1(kMessageShortReply)
                              .arg(parse.values.size())
                              .arg(std::max(expected_count, 1)));
        return false;
    }
    received_values = parse.values;
    m_log.print_line(latin1(kLogArraySize) + QString::number(received_values.size()));
    for (qsizetype i = 0; i < received_values.size(); ++i)
        m_log.print_line(QStringLiteral("%1: %2")
                             .arg(i)
                             .arg(static_cast<quint8>(received_values[i]), 2, 16, QLatin1Char('0'))
                             .toUpper());
    return true;
}

} // namespace kx
