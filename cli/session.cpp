#include "cli/session.h"

#include "cli/exit_codes.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/pedal_drivers.h"

namespace kx::cli {

namespace {
constexpr char kNoPedal[] = "No pedal found: connect it, or name its port with --port.";
constexpr char kNoSuchSerial[] = "No chip with serial number %1 is attached (found: %2).";
constexpr char kNotOpened[] = "The pedal's chip %1 could not be opened.";
} // namespace

Session::Session(const SessionOptions& options)
    : m_options(options), m_log(options.verbose),
      m_drivers(std::make_unique<PedalDrivers>(options.virtual_pedal, options.ports)),
      m_d2xx(std::make_unique<D2XXUnit>(m_drivers->driver(), m_log)),
      m_comm(std::make_unique<Communication>(*m_d2xx, m_ui, m_log, m_clock)) {}

Session::~Session() {
    // The connection refers to the chip access, which closes the chip through the drivers.
    m_comm.reset();
    m_d2xx.reset();
}

void Session::report_port_problems() {
    for (const QString& problem : m_drivers->take_port_problems())
        print_note(problem);
}

int Session::connect(bool bootloader) {
    // As the editor starts: list the chips, then the pedal's line settings (115200 8N1).
    // A chip whose listing failed is not there to connect to: the serial numbers below say so.
    (void)m_comm->list_devices();
    m_comm->init_line_settings();
    // Why a port given by path is not there belongs to the one line that says no pedal.
    const QStringList problems = m_drivers->take_port_problems();
    QStringList serials;
    for (quint32 i = 0; i < m_d2xx->device_count; ++i)
        if (const auto serial = m_d2xx->GetFTDeviceSerialNo(i))
            serials << *serial;
    if (serials.isEmpty()) {
        QString message = QString::fromLatin1(kNoPedal);
        if (!problems.isEmpty())
            message += QStringLiteral(" (%1)").arg(problems.join(QStringLiteral("; ")));
        return no_pedal_error(message);
    }
    for (const QString& problem : problems)
        print_note(problem);
    if (!m_options.serial.isEmpty()) {
        if (!serials.contains(m_options.serial))
            return no_pedal_error(QString::fromLatin1(kNoSuchSerial)
                                      .arg(m_options.serial, serials.join(QStringLiteral(", "))));
        m_comm->device_serial_number = m_options.serial;
    }
    // The bootloader check runs at connection, as with the editor's Upgrade Mode.
    m_comm->firmware_upgrade_mode = bootloader;
    // A failed bootloader check leaves the chip open: bootloader_answered() tells.
    if (const Status connected = m_comm->connect_device(); !m_comm->connected()) {
        QString message = QString::fromLatin1(kNotOpened).arg(m_comm->device_serial_number);
        if (!connected)
            message += QStringLiteral(" (%1)").arg(connected.error());
        return no_pedal_error(message);
    }
    return kExitOk;
}

bool Session::bootloader_answered() const {
    return m_comm->connected() && m_comm->bootloader_ready;
}

Result<RunningEffect> Session::running_effect(bool with_description) {
    const auto reply = m_comm->receive_text(effect_information_message(), information_reply());
    if (!reply)
        return reply.failure();
    const auto info = parse_effect_info(*reply);
    if (!info)
        return Error{info.error(), ErrorKind::BadReply};
    for (const QString& line : effect_info_log_lines(*info))
        m_log.print_line(line);
    m_selection.pedal_effect_number = info->pedal_effect_number;
    m_selection.pedal_effect_version = info->pedal_effect_version;
    m_selection.pedal_firmware_version = info->pedal_firmware_version;
    if (const auto error = identify_pedal_effect(m_selection, m_store, m_log))
        return Error{*error, ErrorKind::BadReply};

    RunningEffect effect;
    effect.info = *info;
    effect.name = m_selection.pedal_effect_name;
    if (!with_description)
        return effect;
    QString error;
    const auto description = read_control_description(effect.name, m_store, m_log, &error);
    if (!description)
        return Error{error, ErrorKind::BadReply};
    effect.description = *description;
    return effect;
}

Result<RunningEffect> Session::connect_to_effect(bool with_description) {
    // connect() has said why it found no pedal.
    if (const int status = connect(); status != kExitOk)
        return Error{QString(), ErrorKind::NoPedal};
    auto effect = running_effect(with_description);
    if (!effect) {
        (void)fail(effect.failure());
        return effect.failure();
    }
    return effect;
}

int Session::fail(const Error& error) {
    return report(error);
}

} // namespace kx::cli
