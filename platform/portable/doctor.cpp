// The Connection Doctor where only Qt tells of serial ports: which FTDI chips QSerialPortInfo
// lists, and whether each port, and each port given by path, opens. Why one does not (a driver,
// the system's rights, another program) is for the user to find from Qt's words.
#include "base/translation.h"
#include "platform/diagnosis.h"
#include "platform/doctor_sources.h"
#include "platform/portable/listed_ports.h"

#include <QCoreApplication>
#include <QSerialPort>

namespace kx::doctor {

namespace {

constexpr quint16 kFtdiVendor = 0x0403;
constexpr quint16 kPedalChipProduct = 0x6015;

PortOpening try_open(const QString& port) {
    QSerialPort serial;
    serial.setPortName(port);
    if (serial.open(QIODevice::ReadWrite)) {
        serial.close();
        return {PortOpening::Opened, {}};
    }
    if (serial.error() == QSerialPort::DeviceNotFoundError)
        return {PortOpening::Missing, {}};
    return {PortOpening::Refused, serial.errorString()};
}

class Doctor {
public:
    explicit Doctor(const DoctorSources& sources)
        : m_sources(sources), m_open(sources.open_port ? sources.open_port : try_open) {}

    Diagnosis run() {
        check_chips();
        for (const QString& port : m_sources.ports) {
            Finding finding;
            finding.subject = ui_text("Link", "Port %1 (given with --port)").arg(port);
            add_port(finding, port, false);
        }
        if (m_sources.virtual_pedal) {
            m_out.ready = true;
            m_out.findings.append(
                {Severity::Ok,
                 ui_text("Link", "Virtual pedal (--virtual-pedal)"),
                 ui_text("Link", "The editor's built-in virtual pedal is attached; it is "
                                 "always ready."),
                 {},
                 {}});
        }
        return m_out;
    }

private:
    void check_chips() {
        const QList<platform::ListedPort> listed =
            m_sources.list_ports ? m_sources.list_ports() : platform::listed_ports();
        QList<platform::ListedPort> chips;
        for (const platform::ListedPort& port : listed)
            if (port.vendor == kFtdiVendor)
                chips << port;
        if (chips.isEmpty()) {
            const bool others = !m_sources.ports.isEmpty() || m_sources.virtual_pedal;
            m_out.findings.append(
                {others ? Severity::Note : Severity::Problem,
                 ui_text("Link", "USB devices"),
                 ui_text("Link",
                         "No FTDI USB chip is attached: the pedal is not plugged in, not switched "
                         "on, or its cable carries no data."),
                 ui_text("Link",
                         "Connect the pedal with a USB cable that carries data (some cables only "
                         "charge), switch the pedal on, and try another USB socket. If it is "
                         "plugged in, check that the system has a driver for FTDI chips."),
                 {}});
            return;
        }
        for (const platform::ListedPort& chip : chips) {
            Finding finding;
            const QString id = QStringLiteral("FTDI %1:%2")
                                   .arg(chip.vendor, 4, 16, QLatin1Char('0'))
                                   .arg(chip.product, 4, 16, QLatin1Char('0'));
            finding.subject =
                ui_text("Link", "USB chip \"%1\" (%2, serial %3)")
                    .arg(chip.description.isEmpty() ? QStringLiteral("?")
                                                    : QString::fromLatin1(chip.description),
                         id,
                         chip.serial.isEmpty() ? ui_text("Link", "none")
                                               : QString::fromLatin1(chip.serial));
            const bool pedal_chip = chip.product == kPedalChipProduct;
            if (!pedal_chip)
                finding.text =
                    ui_text("Link", "This is not the pedal's type of chip (the pedal's FT230X "
                                    "reports 0403:6015), but the editor lists it all the same.");
            add_port(finding, chip.location, pedal_chip);
        }
    }

    // Tries `port` for `finding` (whose text may already hold a remark) and adds it; a port that
    // opens makes the diagnosis ready.
    void add_port(Finding finding, const QString& port, bool pedal_chip) {
        const QString remark = finding.text;
        const PortOpening opening = m_open(port);
        switch (opening.outcome) {
        case PortOpening::Opened:
            finding.severity = Severity::Ok;
            finding.text =
                ui_text("Link", "You may open %1, and no other program holds it: ready to "
                                "connect.")
                    .arg(port);
            m_out.ready = true;
            break;
        case PortOpening::Missing:
            finding.severity = Severity::Problem;
            if (pedal_chip) {
                finding.text =
                    ui_text("Link", "Its serial port %1 is listed but cannot be found.").arg(port);
                finding.advice = ui_text("Link", "Unplug the pedal and plug it in again.");
            } else {
                finding.text = ui_text("Link", "%1 does not exist.").arg(port);
                finding.advice =
                    ui_text("Link", "Check the path. The virtual pedal program names a new "
                                    "pseudo-terminal each time it starts.");
            }
            break;
        case PortOpening::Refused:
            finding.severity = Severity::Problem;
            finding.text =
                ui_text("Link", "%1 cannot be opened (%2): another program may hold it (the "
                                "pedal answers one program at a time), or you may not open it.")
                    .arg(port, opening.reason);
            finding.advice =
                ui_text("Link", "Close any other program that uses the pedal, then choose "
                                "Connect again. If none does, unplug the pedal and plug it in "
                                "again.");
            break;
        }
        if (!remark.isEmpty())
            finding.text += QLatin1Char(' ') + remark;
        m_out.findings.append(finding);
    }

    const DoctorSources& m_sources;
    PortOpener m_open;
    Diagnosis m_out;
};

} // namespace

Diagnosis diagnose(const DoctorSources& sources) {
    return Doctor(sources).run();
}

DoctorSources system_sources() {
    DoctorSources sources;
    sources.own_pid = QCoreApplication::applicationPid();
    return sources;
}

// No rule to install: what gives access is the system's driver and its own settings.
QString rule_install_command() {
    return {};
}

QString rule_install_program() {
    return {};
}

QStringList rule_install_arguments() {
    return {};
}

} // namespace kx::doctor
