#include "platform/diagnosis.h"
#include "base/outside_file.h"
#include "base/translation.h"

#include "platform/linux/doctor/access_rule.h"
#include "platform/linux/doctor/accounts.h"
#include "platform/linux/doctor/node_probe.h"
#include "platform/linux/doctor/process_scan.h"
#include "platform/linux/doctor/usb_scan.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace kx::doctor {

namespace {

// The program that serves the virtual pedal on a pseudo-terminal: it keeps the port open
// itself, which leaves the port free for the editor.
constexpr char kVirtualPedalProgram[] = "kestrel-x-virtual-pedal";
constexpr char kPseudoTerminals[] = "/dev/pts/";

// Services known to take USB serial chips when they run.
struct Service {
    const char* program;
    const char* text;
    const char* advice;
    const char* command;
};
const Service kServices[] = {
    {"ModemManager",
     QT_TRANSLATE_NOOP(
         "Link",
         "ModemManager is running. It tries new serial ports for a mobile-broadband modem and can "
         "hold the pedal's port for a few seconds after the pedal is plugged in."),
     QT_TRANSLATE_NOOP(
         "Link",
         "The editor's udev rule tells it to leave the pedal alone. Without the rule, and if this "
         "computer uses no mobile-broadband modem, stop it."),
     "sudo systemctl stop ModemManager"},
    {"brltty",
     QT_TRANSLATE_NOOP(
         "Link",
         "brltty, the braille display service, is running. It takes some USB serial chips for "
         "braille displays, and a chip it takes gets no serial port."),
     QT_TRANSLATE_NOOP(
         "Link",
         "If no braille display is attached to this computer, stop it, then unplug the pedal and "
         "plug it in again."),
     "sudo systemctl stop brltty-udev.service brltty.service"},
    {"gpsd",
     QT_TRANSLATE_NOOP(
         "Link",
         "gpsd, the GPS service, is running. It opens new USB serial ports to look for a GPS "
         "receiver."),
     QT_TRANSLATE_NOOP("Link", "If this computer uses no GPS receiver, stop it."),
     "sudo systemctl stop gpsd.socket gpsd.service"},
};

const Service* service_named(const QString& program) {
    for (const Service& service : kServices)
        if (program == QLatin1String(service.program))
            return &service;
    return nullptr;
}

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// "crw-rw----", as ls shows it.
QString mode_text(const NodeFacts& facts) {
    QString text = QLatin1String(facts.char_device ? "c" : "-");
    const char* const letters = "rwxrwxrwx";
    for (int bit = 8; bit >= 0; --bit)
        text += (facts.mode >> bit) & 1 ? QLatin1Char(letters[8 - bit]) : QLatin1Char('-');
    return text;
}

bool read_write(quint32 bits) {
    return (bits & 6) == 6;
}

// What the mode bits allow `identity`: only the owner's bits count for the owner, only the
// group's for its members.
bool mode_allows(const NodeFacts& facts, const Identity& identity) {
    if (identity.uid == 0)
        return true;
    if (facts.owner == identity.uid)
        return read_write(facts.mode >> 6);
    if (identity.groups.contains(facts.group))
        return read_write(facts.mode >> 3);
    return read_write(facts.mode);
}

QString describe(const QList<ProcessInfo>& processes) {
    QStringList parts;
    for (const ProcessInfo& process : processes)
        parts << QStringLiteral("%1 (process %2)").arg(process.name).arg(process.pid);
    return parts.join(QStringLiteral(", "));
}

QString join_sentences(const QString& a, const QString& b) {
    return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char(' ') + b;
}

bool rule_installed(const QStringList& dirs) {
    for (const QString& dir : dirs) {
        if (QFile::exists(dir + QLatin1Char('/') + QLatin1String(kRuleFileName)))
            return true;
        // An administrator's own rule for the chip counts as well.
        const QDir folder(dir);
        for (const QString& name : folder.entryList({QStringLiteral("*.rules")}, QDir::Files)) {
            const auto bytes = read_outside_file(folder.filePath(name), kSystemFileFormat);
            if (!bytes)
                continue;
            for (const QByteArray& line : bytes->split('\n'))
                if (!line.trimmed().startsWith('#') && line.contains("0403") &&
                    line.contains("6015") && line.contains("uaccess"))
                    return true;
        }
    }
    return false;
}

class Doctor {
public:
    explicit Doctor(const DoctorSources& sources)
        : m_sources(sources), m_accounts(Accounts::read(sources.etc_root)),
          m_processes(scan_processes(sources.proc_root)),
          m_rule_installed(rule_installed(sources.rule_dirs)) {}

    Diagnosis run() {
        check_chips();
        for (const QString& port : m_sources.ports) {
            Finding finding;
            finding.subject = ui_text("Link", "Port %1 (given with --port)").arg(port);
            add_port(finding, port, false);
        }
        if (m_sources.virtual_pedal) {
            m_out.ready = true;
            m_out.findings.append({Severity::Ok,
                                   ui_text("Link", "Virtual pedal (--virtual-pedal)"),
                                   ui_text("Link", "The editor's built-in virtual pedal is "
                                                   "attached; it is always ready."),
                                   {},
                                   {}});
        }
        check_services();
        return m_out;
    }

private:
    bool other_pedals() const { return !m_sources.ports.isEmpty() || m_sources.virtual_pedal; }

    void check_chips() {
        const UsbScan usb = scan_ftdi_chips(m_sources.sys_root);
        const Severity absent = other_pedals() ? Severity::Note : Severity::Problem;
        if (!usb.readable) {
            m_out.findings.append(
                {absent,
                 ui_text("Link", "USB devices"),
                 ui_text("Link", "The list of USB devices (%1/bus/usb/devices) is missing or "
                                 "cannot be read, so no chip can be checked.")
                     .arg(m_sources.sys_root),
                 {},
                 {}});
            return;
        }
        if (usb.chips.isEmpty()) {
            m_out.findings.append(
                {absent,
                 ui_text("Link", "USB devices"),
                 ui_text("Link", "No FTDI USB chip is attached: the pedal is not plugged in, "
                                 "not switched on, or its cable carries no data."),
                 ui_text("Link", "Connect the pedal with a USB cable that carries data (some "
                                 "cables only charge), switch the pedal on, and try another USB "
                                 "socket."),
                 {}});
            return;
        }
        for (const UsbChip& chip : usb.chips)
            check_chip(chip, usb.ftdi_driver_present);
    }

    void check_chip(const UsbChip& chip, bool driver_present) {
        Finding finding;
        const QString id = QStringLiteral("FTDI %1:%2")
                               .arg(chip.vendor, 4, 16, QLatin1Char('0'))
                               .arg(chip.product, 4, 16, QLatin1Char('0'));
        finding.subject =
            ui_text("Link", "USB chip \"%1\" (%2, serial %3)")
                .arg(chip.description.isEmpty() ? QStringLiteral("?") : chip.description, id,
                     chip.serial.isEmpty() ? ui_text("Link", "none") : chip.serial);
        QString tty;
        for (const UsbInterface& interface : chip.interfaces)
            if (tty.isEmpty())
                tty = interface.tty;
        if (tty.isEmpty()) {
            explain_no_port(finding, chip, driver_present);
            m_out.findings.append(finding);
            return;
        }
        if (!chip.is_pedal_chip())
            finding.text = ui_text("Link", "This is not the pedal's type of chip (the pedal's "
                                           "FT230X reports 0403:6015), but the editor lists it "
                                           "all the same.");
        add_port(finding, QStringLiteral("/dev/") + tty, chip.is_pedal_chip());
    }

    void explain_no_port(Finding& finding, const UsbChip& chip, bool driver_present) {
        finding.severity = Severity::Problem;
        QString driver;
        for (const UsbInterface& interface : chip.interfaces)
            if (driver.isEmpty())
                driver = interface.driver;
        if (driver == QLatin1String(kLibusbDriver)) {
            const QList<ProcessInfo> holders = m_processes.holders_of(chip.usb_node());
            finding.text = ui_text("Link", "It has no serial port: a program has taken the chip "
                                           "over directly (through libusb), so the serial driver "
                                           "cannot serve it.");
            if (!holders.isEmpty())
                finding.text += ui_text("Link", " The program is %1.").arg(describe(holders));
            finding.advice =
                ui_text("Link", "Close that program, then unplug the pedal and plug it in again.");
            for (const ProcessInfo& holder : holders)
                if (const Service* service = service_named(holder.name)) {
                    finding.advice = latin1(service->advice);
                    finding.command = latin1(service->command);
                }
        } else if (!driver.isEmpty()) {
            finding.text = ui_text("Link", "It has no serial port: the driver %1 holds it instead "
                                           "of the serial driver %2.")
                               .arg(driver, latin1(kFtdiDriver));
            finding.advice = ui_text("Link", "Unplug the pedal and plug it in again.");
        } else if (!driver_present) {
            finding.text = ui_text("Link", "It has no serial port: the kernel's serial driver for "
                                           "FTDI chips (%1) is not loaded.")
                               .arg(latin1(kFtdiDriver));
            finding.advice =
                ui_text("Link", "Load the driver, then unplug the pedal and plug it in again.");
            finding.command = QStringLiteral("sudo modprobe %1").arg(latin1(kFtdiDriver));
        } else {
            finding.text = ui_text("Link", "It has no serial port: the serial driver %1 is loaded "
                                           "but has not taken the chip.")
                               .arg(latin1(kFtdiDriver));
            finding.advice = ui_text("Link", "Unplug the pedal and plug it in again.");
        }
    }

    // Checks the serial port `node` for `finding` (whose text may already hold a remark) and
    // adds it; a port the editor can open makes the diagnosis ready.
    void add_port(Finding finding, const QString& node, bool pedal_chip) {
        const QString remark = finding.text;
        finding.text.clear();
        const bool ready = check_port(finding, node, pedal_chip);
        finding.severity = ready ? Severity::Ok : Severity::Problem;
        finding.text = join_sentences(finding.text, remark);
        m_out.ready = m_out.ready || ready;
        m_out.findings.append(finding);
    }

    bool check_port(Finding& finding, const QString& node, bool pedal_chip) {
        const NodeFacts facts = m_sources.probe ? m_sources.probe(node) : probe_node(node, false);
        if (!facts.exists) {
            if (!facts.error.isEmpty()) {
                finding.text = ui_text("Link", "%1 cannot be examined: %2.").arg(node, facts.error);
            } else if (pedal_chip) {
                finding.text = ui_text("Link", "Its serial port %1 is known to the kernel but "
                                               "does not exist in /dev.")
                                   .arg(node);
                finding.advice = ui_text("Link", "Unplug the pedal and plug it in again.");
            } else {
                finding.text = ui_text("Link", "%1 does not exist.").arg(node);
                finding.advice = ui_text(
                    "Link",
                    "Check the path. The virtual pedal program names a new pseudo-terminal each "
                    "time it starts.");
            }
            return false;
        }
        if (!facts.char_device) {
            finding.text =
                ui_text("Link", "%1 is not a serial port (not a character device).").arg(node);
            finding.advice =
                ui_text("Link", "Give the path of a serial port, such as /dev/ttyUSB0.");
            return false;
        }
        const bool by_mode = mode_allows(facts, m_sources.identity);
        if (!facts.system_allows.value_or(by_mode)) {
            explain_refusal(finding, node, facts, pedal_chip);
            return false;
        }

        QList<ProcessInfo> holders = m_processes.holders_of(facts.canonical);
        if (facts.canonical != node)
            holders += m_processes.holders_of(node);
        bool own = false;
        QList<ProcessInfo> servers, others;
        for (const ProcessInfo& holder : holders) {
            if (holder.pid == m_sources.own_pid)
                own = true;
            else if (holder.name == QLatin1String(kVirtualPedalProgram) &&
                     facts.canonical.startsWith(QLatin1String(kPseudoTerminals)))
                servers << holder;
            else if (std::none_of(others.begin(), others.end(),
                                  [&](const ProcessInfo& seen) { return seen.pid == holder.pid; }))
                others << holder;
        }
        if (!others.isEmpty()) {
            finding.text = ui_text("Link", "%1 is open in another program: %2. The pedal answers "
                                           "one program at a time.")
                               .arg(node, describe(others));
            finding.advice =
                ui_text("Link", "Close %1, then choose Connect again.").arg(others.first().name);
            for (const ProcessInfo& holder : others)
                if (const Service* service = service_named(holder.name)) {
                    finding.advice = latin1(service->advice);
                    finding.command = latin1(service->command);
                }
            return false;
        }
        if (own)
            finding.text = ui_text("Link", "This editor has %1 open: it is connected.").arg(node);
        else
            finding.text = ui_text("Link", "You may open %1, and no other program holds it: ready "
                                           "to connect.")
                               .arg(node);
        if (!by_mode)
            finding.text += ui_text("Link", " The desktop gives you access to it.");
        if (!servers.isEmpty())
            finding.text += ui_text("Link", " It is served by %1.").arg(describe(servers));
        return true;
    }

    void explain_refusal(Finding& finding, const QString& node, const NodeFacts& facts,
                         bool pedal_chip) {
        const Identity& me = m_sources.identity;
        const QString owner = m_accounts.user_name(facts.owner);
        const QString group = m_accounts.group_name(facts.group);
        const bool owner_rw = read_write(facts.mode >> 6);
        const bool group_rw = read_write(facts.mode >> 3);
        QString who;
        if (owner_rw && group_rw)
            who = ui_text("Link", "only %1 and the members of %2 may read and write it")
                      .arg(owner, group);
        else if (owner_rw)
            who = ui_text("Link", "only %1 may read and write it").arg(owner);
        else if (group_rw)
            who = ui_text("Link", "only the members of %1 may read and write it").arg(group);
        else
            who = ui_text("Link", "only the administrator may read and write it");
        finding.text = ui_text("Link", "You (%1) may not open %2. It belongs to %3 and the group "
                                       "%4, with the rights %5: %6.")
                           .arg(me.name, node, owner, group, mode_text(facts), who);

        const bool in_session = me.groups.contains(facts.group);
        const bool listed = m_accounts.lists_member(facts.group, me.name);
        const QString join = ui_text("Link", "join the group %1 (%2), then log out and log in "
                                             "again")
                                 .arg(group, join_group_command(group, me.name));
        if (in_session && group_rw) {
            finding.text += ui_text("Link", " You are a member of %1, yet the system refuses it "
                                            "(an access list or a security module).")
                                .arg(group);
        } else if (in_session) {
            finding.text +=
                ui_text("Link", " You are a member of %1, but the group may not write to it.")
                    .arg(group);
        } else if (listed && group_rw) {
            finding.text += ui_text("Link", " You were added to the group %1 after this login "
                                            "began; the membership counts from the next login.")
                                .arg(group);
            finding.advice = ui_text("Link", "Log out and log in again (or restart the computer), "
                                             "then choose Connect.");
            return;
        } else {
            finding.text += ui_text("Link", " You are not a member of %1.").arg(group);
        }

        if (pedal_chip && !m_rule_installed) {
            m_out.rule_would_help = true;
            finding.advice = ui_text(
                "Link",
                "Let the user at this computer open the pedal: install the editor's udev rule "
                "with the command below (or the button \"Allow access\" of the Connection Doctor "
                "window), then choose Connect again.");
            if (group_rw && !in_session)
                finding.advice += ui_text("Link", " Or %1.").arg(join);
            finding.command = rule_install_command();
        } else if (pedal_chip) {
            finding.advice =
                ui_text(
                    "Link",
                    "The editor's udev rule is installed but has not reached this port yet: unplug "
                    "the pedal and plug it in again. The rule lets in the user logged in at the "
                    "computer's own screen; from a remote login, %1.")
                    .arg(join);
            if (group_rw && !in_session)
                finding.command = join_group_command(group, me.name);
        } else if (group_rw && !in_session) {
            finding.advice = ui_text("Link", "To open it, %1.").arg(join);
            finding.command = join_group_command(group, me.name);
        } else {
            finding.advice = ui_text(
                "Link",
                "Use a port that belongs to you, or ask the administrator to change its rights.");
        }
    }

    void check_services() {
        for (const Service& service : kServices) {
            const QList<ProcessInfo> running = m_processes.named(latin1(service.program));
            if (running.isEmpty())
                continue;
            m_out.findings.append({Severity::Note,
                                   ui_text("Link", "Service %1").arg(describe(running)),
                                   ui_text("Link", service.text), ui_text("Link", service.advice),
                                   latin1(service.command)});
        }
    }

    const DoctorSources& m_sources;
    Accounts m_accounts;
    ProcessScan m_processes;
    bool m_rule_installed;
    Diagnosis m_out;
};

} // namespace

Diagnosis diagnose(const DoctorSources& sources) {
    return Doctor(sources).run();
}

} // namespace kx::doctor
