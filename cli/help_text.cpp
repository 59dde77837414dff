#include "cli/help_text.h"

#include "cli/terminal.h"
#include "kx_version.h"

namespace kx::cli {

namespace {

QString option_synopsis(const OptionHelp& option) {
    QStringList forms;
    for (const QString& name : option.names)
        forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = forms.join(QStringLiteral(", "));
    if (!option.value_name.isEmpty())
        text += QLatin1Char(' ') + option.value_name;
    return text;
}

QString option_lines(const QList<OptionHelp>& options) {
    QString text;
    for (const OptionHelp& option : options)
        text +=
            QStringLiteral("  %1%2\n").arg(option_synopsis(option), -24).arg(option.description);
    return text;
}

QString usage_line(const CommandHelp& command) {
    QString line = QStringLiteral("%1 [OPTIONS] %2").arg(QLatin1String(kProgram), command.name);
    if (!command.arguments.isEmpty())
        line += QLatin1Char(' ') + command.arguments;
    return line;
}

// Backslashes and leading dots mean something to troff.
QString troff(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString troff_options(const QList<OptionHelp>& options) {
    QString text;
    for (const OptionHelp& option : options)
        text += QStringLiteral(".TP\n.B %1\n%2\n")
                    .arg(troff(option_synopsis(option)), troff(option.description));
    return text;
}

} // namespace

const QList<OptionHelp>& common_options() {
    static const QList<OptionHelp> options = {
        {{QStringLiteral("port")},
         QStringLiteral("PATH"),
         QStringLiteral("Also offer the serial port PATH (may be repeated).")},
        {{QStringLiteral("virtual-pedal")},
         {},
         QStringLiteral("Talk to the built-in virtual pedal.")},
        {{QStringLiteral("serial")},
         QStringLiteral("NUMBER"),
         QStringLiteral("Use the chip with this serial number (default: the one listed last).")},
        {{QStringLiteral("verbose")},
         {},
         QStringLiteral("Print the editor's log lines on stderr.")},
        {{QStringLiteral("json")}, {}, QStringLiteral("Print data as JSON.")},
        {{QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("Show help and exit.")},
    };
    return options;
}

const QList<CommandHelp>& commands() {
    static const QList<CommandHelp> list = {
        {QStringLiteral("list"),
         {},
         QStringLiteral("List the pedal chips and ports, with serial numbers."),
         QStringLiteral("Lists the chips and ports the editor would offer: one line each, its "
                        "serial number and its description."),
         {},
         0,
         0},
        {QStringLiteral("info"),
         {},
         QStringLiteral("Show the running effect and the firmware version."),
         QStringLiteral("Asks the pedal which effect it runs and prints the effect's number, "
                        "catalogue name and version, and the firmware version."),
         {},
         0,
         0},
        {QStringLiteral("effects"),
         QStringLiteral("[CATEGORY]"),
         QStringLiteral("List the effect catalogue, or one category of it."),
         QStringLiteral("Prints the effects the editor carries, by category. Needs no pedal."),
         {},
         0,
         1},
        {QStringLiteral("get"),
         {},
         QStringLiteral("Show the running effect's values and assignments."),
         QStringLiteral("Reads the pedal's parameter state and prints each control by name with "
                        "its value (0-1023, on/off, or the chosen option) and the pedal control "
                        "assigned to it, then the readbacks, bypass and preset assignments."),
         {},
         0,
         0},
        {QStringLiteral("set"),
         QStringLiteral("CONTROL VALUE"),
         QStringLiteral("Set one control of the running effect."),
         QStringLiteral("CONTROL is a control's name or index (from 0). VALUE is 0-1023, on or "
                        "off for a switch, or the text of a selector's option."),
         {},
         2,
         2},
        {QStringLiteral("assign"),
         QStringLiteral("CONTROL KNOB"),
         QStringLiteral("Assign a pedal control or light to a control or readback."),
         QStringLiteral("CONTROL is a control's or readback's name or index, or bypass or "
                        "preset. KNOB is KI-KV, B1-B3, FS, FL, RMT or EXP for a control, SX, DX, "
                        "RED or GREEN for a readback, or none."),
         {},
         2,
         2},
        {QStringLiteral("store"),
         {},
         QStringLiteral("Store the running effect's settings on the pedal."),
         QStringLiteral("Makes the pedal keep its current values and assignments for the running "
                        "effect."),
         {},
         0,
         0},
        {QStringLiteral("midi"),
         QStringLiteral("CHANNEL"),
         QStringLiteral("Set the pedal's MIDI receive channel."),
         QStringLiteral("CHANNEL is 1-16, or omni to receive on every channel."),
         {},
         1,
         1},
        {QStringLiteral("upload"),
         QStringLiteral("EFFECT"),
         QStringLiteral("Upload an effect to the pedal and show its answer."),
         QStringLiteral("EFFECT is a name from the catalogue (see effects). An impulse response "
                        "effect needs --ir with the WAV file to load into it."),
         {{{QStringLiteral("ir")},
           QStringLiteral("FILE.wav"),
           QStringLiteral("The impulse response to load (24- or 32-bit WAV).")}},
         1,
         1},
        {QStringLiteral("preset"),
         QStringLiteral("save|load FILE"),
         QStringLiteral("Save the running effect's settings to a preset file, or load one."),
         QStringLiteral("save reads the pedal's state and writes the editor's preset file; load "
                        "sends a preset's values to the pedal, which must run its effect."),
         {},
         2,
         2},
        {QStringLiteral("firmware"),
         QStringLiteral("upgrade [FILE]"),
         QStringLiteral("Write new firmware through the bootloader and verify it."),
         QStringLiteral("The pedal must be in its bootloader (powered up with the footswitch "
                        "held). FILE is a binary firmware image; without it, the firmware the "
                        "editor carries. The written firmware is read back and checked."),
         {},
         1,
         2},
        {QStringLiteral("diagnose"),
         {},
         QStringLiteral("Say whether a pedal can be connected, and what to do if not."),
         QStringLiteral("Prints the connection doctor's report; exits 0 when a pedal is ready."),
         {},
         0,
         0},
    };
    return list;
}

const CommandHelp* find_command(const QString& name) {
    for (const CommandHelp& command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

QString program_help() {
    QString text = QStringLiteral("Usage: %1 [OPTIONS] COMMAND [ARGUMENTS]\n"
                                  "The Kestrel X pedal from the command line.\n\nCommands:\n")
                       .arg(QLatin1String(kProgram));
    for (const CommandHelp& command : commands())
        text += QStringLiteral("  %1%2\n").arg(command.name, -10).arg(command.summary);
    text += QStringLiteral("\nOptions:\n") + option_lines(common_options());
    text += QStringLiteral("\n%1 COMMAND --help shows a command's help.\n"
                           "Exit status: 0 done, 1 the pedal refused or failed, 2 usage error, "
                           "3 no pedal.\n")
                .arg(QLatin1String(kProgram));
    return text;
}

QString command_help(const CommandHelp& command) {
    QString text = QStringLiteral("Usage: %1\n%2\n").arg(usage_line(command), command.description);
    if (!command.options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + option_lines(command.options);
    text += QStringLiteral("\nCommon options:\n") + option_lines(common_options());
    return text;
}

QString man_page() {
    QString text = QStringLiteral(".TH KESTREL\\-X 1 \"\" \"kestrel-x %1\" \"User Commands\"\n"
                                  ".SH NAME\nkestrel\\-x \\- the Kestrel X pedal from the command "
                                  "line\n.SH SYNOPSIS\n.B kestrel\\-x\n[\\fIOPTIONS\\fR] "
                                  "\\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n.SH COMMANDS\n")
                       .arg(QLatin1String(KX_VERSION_TEXT));
    for (const CommandHelp& command : commands()) {
        text += QStringLiteral(".TP\n.B %1\n%2\n")
                    .arg(troff(command.name + (command.arguments.isEmpty()
                                                   ? QString()
                                                   : QLatin1Char(' ') + command.arguments)),
                         troff(command.description));
        if (!command.options.isEmpty())
            text +=
                QStringLiteral(".RS\n") + troff_options(command.options) + QStringLiteral(".RE\n");
    }
    text += QStringLiteral(".SH OPTIONS\n") + troff_options(common_options());
    text += QStringLiteral(".SH EXIT STATUS\n0 done, 1 the pedal refused or failed, 2 usage "
                           "error, 3 no pedal.\n.SH SEE ALSO\n.BR kestrel\\-x\\-editor (1)\n");
    return text;
}

} // namespace kx::cli
