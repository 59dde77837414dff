#include "cli/session.h"
#include "cli/await.h"

#include "cli/exit_codes.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/pedal_drivers.h"
#include "session/pedal_session.h"

namespace kx::cli {

namespace {
constexpr char kNoPedal[] = "No pedal found: connect it, or name its port with --port.";
constexpr char kNoSuchSerial[] = "No chip with serial number %1 is attached (found: %2).";
// The longest the last messages may take to leave for the pedal before the port closes.
constexpr int kSentLimitMs = 1000;
constexpr char kNotOpened[] = "The pedal's chip %1 could not be opened.";
// A bootloader ignores the firmware's commands, so silence is all kestrel-x can see of one.
constexpr char kSilent[] =
    "The pedal did not answer: if it was powered up with its footswitch held, it is in its "
    "bootloader, which takes only 'kestrel-x firmware upgrade' (%1)";
} // namespace

Session::Session(const SessionOptions& options)
    : m_options(options), m_log(options.verbose),
      m_drivers(std::make_unique<PedalDrivers>(options.virtual_pedal, options.ports)) {
    m_stack.build(m_drivers->driver(), m_ui, m_log, m_clock, m_store);
}

Session::~Session() {
    // Before the drivers it uses.
    m_stack.clear();
}

void Session::report_port_problems() {
    for (const QString& problem : m_drivers->take_port_problems())
        print_note(problem);
}

Status Session::connect(bool bootloader) {
    // As the editor starts: list the chips, then the pedal's line settings (115200 8N1).
    // A chip whose listing failed is not there to connect to: the serial numbers below say so.
    (void)comm().list_devices();
    comm().init_line_settings();
    // Why a port given by path is not there belongs to the one line that says no pedal.
    const QStringList problems = m_drivers->take_port_problems();
    QStringList serials;
    for (quint32 i = 0; i < d2xx().device_count; ++i)
        if (const auto serial = d2xx().GetFTDeviceSerialNo(i))
            serials << *serial;
    if (serials.isEmpty()) {
        QString message = QString::fromLatin1(kNoPedal);
        if (!problems.isEmpty())
            message += QStringLiteral(" (%1)").arg(problems.join(QStringLiteral("; ")));
        return Error{message, ErrorKind::NoPedal};
    }
    for (const QString& problem : problems)
        print_note(problem);
    if (!m_options.serial.isEmpty()) {
        if (!serials.contains(m_options.serial))
            return Error{QString::fromLatin1(kNoSuchSerial)
                             .arg(m_options.serial, serials.join(QStringLiteral(", "))),
                         ErrorKind::NoPedal};
        comm().device_serial_number = m_options.serial;
    }
    // The bootloader check runs at connection, as with the editor's Upgrade Mode.
    if (const Status mode = pedal().set_upgrade_mode(bootloader); !mode)
        return mode;
    // A failed bootloader check leaves the chip open: the session's link state tells.
    if (const Status connected = finish(comm().connect_device()); !comm().connected()) {
        QString message = QString::fromLatin1(kNotOpened).arg(comm().device_serial_number);
        // Why the open failed, and why no port could be opened at all (a missing module).
        QStringList reasons = m_drivers->take_port_problems();
        if (!connected)
            reasons.prepend(connected.error());
        if (!reasons.isEmpty())
            message += QStringLiteral(" (%1)").arg(reasons.join(QStringLiteral("; ")));
        return Error{message, ErrorKind::NoPedal};
    }
    return {};
}

Result<PedalEffect> Session::connect_to_effect() {
    if (const Status connected = connect(); !connected)
        return connected.failure();
    auto effect = finish(pedal().open_running_effect());
    if (!effect && effect.error_kind() == ErrorKind::TimedOut)
        return Error{QString::fromLatin1(kSilent).arg(effect.error()), ErrorKind::TimedOut};
    return effect;
}

Status Session::finish_sending() {
    return finish(comm().wait_until_sent(kSentLimitMs));
}

int Session::fail(const Error& error) {
    // Where this program words the failure its own way, the core's text stays in the log.
    if (cli_message(error) != error.message)
        m_log.print_line(error.message);
    return report(error);
}

} // namespace kx::cli
