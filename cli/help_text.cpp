#include "cli/help_text.h"

#include "cli/exit_codes.h"
#include "cli/terminal.h"
#include "ir/wav_formats.h"
#include "kx_version.h"
#include "library/categories.h"
#include "library/resource_store.h"

namespace kx::cli {

namespace {

constexpr int kOptionColumn = 26;
constexpr int kCommandColumn = 12;
constexpr char kExitStatus[] =
    "0 done; 1 the pedal refused, failed or is in the wrong state; 2 usage error (the command "
    "line, or a file given on it, is wrong; nothing was sent); 3 no pedal to talk to.";
constexpr char kJsonErrors[] =
    "Under --json, standard output holds one JSON value per run and nothing else; an error is "
    "one line on standard error holding an object with \"error\" (the message) and \"kind\" "
    "(usage, no_pedal, or the kind of failure, for example timed_out or bad_reply).";

QString option_synopsis(const OptionHelp& option) {
    QStringList forms;
    for (const QString& name : option.names)
        forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = forms.join(QStringLiteral(", "));
    if (!option.value_name.isEmpty())
        text += QLatin1Char(' ') + option.value_name;
    return text;
}

// A table row: the term at two spaces, its text from `column` on (or on the next line when
// the term is wider), wrapped.
QString table_row(const QString& term, const QString& text, int column, int width) {
    const QString head = QStringLiteral("  ") + term;
    if (head.size() + 1 >= column)
        return head + QLatin1Char('\n') + wrap(text, width, column, column);
    return head + wrap(text, width, column, column).mid(head.size());
}

QString option_lines(const QList<OptionHelp>& options, int width) {
    QString text;
    for (const OptionHelp& option : options)
        text += table_row(option_synopsis(option), option.description, kOptionColumn, width);
    return text;
}

QString example_lines(const QList<Example>& examples, int width) {
    QString text;
    for (const Example& example : examples)
        text += wrap(example.note, width, 2, 2) + QStringLiteral("    ") + example.command +
                QLatin1Char('\n');
    return text;
}

QString usage_line(const CommandHelp& command) {
    QString line = QStringLiteral("%1 [OPTIONS] %2").arg(QLatin1String(kProgram), command.name);
    if (!command.arguments.isEmpty())
        line += QLatin1Char(' ') + command.arguments;
    return line;
}

QString quoted_keys(const QStringList& keys) {
    QStringList quoted;
    for (const QString& key : keys)
        quoted << QLatin1Char('"') + key + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

QString json_text(const JsonShape& shape) {
    QString text = shape.array ? QStringLiteral("An array of objects with ")
                               : QStringLiteral("An object with ");
    text += quoted_keys(shape.keys) + QLatin1Char('.');
    if (!shape.note.isEmpty())
        text += QLatin1Char(' ') + shape.note;
    return text;
}

QString common_option_names() {
    QStringList names;
    for (const OptionHelp& option : common_options())
        names << option_synopsis(option).split(QStringLiteral(", ")).constLast();
    return names.join(QStringLiteral(", "));
}

// Backslashes, dashes and leading dots mean something to troff.
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

QString troff_example(const Example& example) {
    return QStringLiteral(".PP\n%1\n.PP\n.RS\n.EX\n%2\n.EE\n.RE\n")
        .arg(troff(example.note), troff(example.command));
}

OptionHelp option(QStringList names, QString value_name, QString description) {
    return {std::move(names), std::move(value_name), std::move(description)};
}

} // namespace

QString wrap(const QString& text, int width, int indent, int first_indent) {
    QString out;
    QString line(first_indent, QLatin1Char(' '));
    int line_start = first_indent;
    bool empty = true;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!empty && line.size() + 1 + word.size() > width) {
            out += line + QLatin1Char('\n');
            line = QString(indent, QLatin1Char(' '));
            line_start = indent;
            empty = true;
        }
        if (!empty)
            line += QLatin1Char(' ');
        line += word;
        empty = false;
    }
    if (!empty || line_start == first_indent)
        out += line + QLatin1Char('\n');
    return out;
}

const QStringList& control_json_keys() {
    static const QStringList keys = {QStringLiteral("index"),     QStringLiteral("name"),
                                     QStringLiteral("kind"),      QStringLiteral("value"),
                                     QStringLiteral("text"),      QStringLiteral("option"),
                                     QStringLiteral("assignment")};
    return keys;
}

const QStringList& error_json_keys() {
    static const QStringList keys = {QStringLiteral("error"), QStringLiteral("kind")};
    return keys;
}

const QList<OptionHelp>& common_options() {
    static const QList<OptionHelp> options = {
        option({QStringLiteral("port")}, QStringLiteral("PATH"),
               QStringLiteral("Also offer the serial port PATH (may be repeated).")),
        option({QStringLiteral("virtual-pedal")}, {},
               QStringLiteral("Talk to the built-in virtual pedal instead of a port.")),
        option({QStringLiteral("serial")}, QStringLiteral("NUMBER"),
               QStringLiteral("Use the chip with this serial number (default: the one listed "
                              "last, as the editor's Connect does).")),
        option({QStringLiteral("json")}, {},
               QStringLiteral("Print the result as one JSON value, and errors as JSON objects.")),
        option({QStringLiteral("verbose")}, {},
               QStringLiteral("Print the editor's log lines on standard error.")),
        option({QStringLiteral("h"), QStringLiteral("help")}, {},
               QStringLiteral("Show help and exit.")),
        option({QStringLiteral("V"), QStringLiteral("version")}, {},
               QStringLiteral("Show the version and exit.")),
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
         {{QStringLiteral("kestrel-x list --port /dev/ttyUSB0"),
           QStringLiteral("List the chips, and the port given by path:")}},
         {false,
          {QStringLiteral("devices")},
          QStringLiteral("Each device is an object with \"serial\" and \"description\".")},
         0,
         0},
        {QStringLiteral("info"),
         {},
         QStringLiteral("Show the running effect and the firmware version."),
         QStringLiteral("Asks the pedal which effect it runs and prints the effect's number, "
                        "catalogue name and version, and the firmware version."),
         {},
         {{QStringLiteral("kestrel-x info --json | jq -r .effect"),
           QStringLiteral("Print only the name of the effect the pedal runs:")}},
         {false,
          {QStringLiteral("effect_number"), QStringLiteral("effect"),
           QStringLiteral("effect_version"), QStringLiteral("firmware_version")},
          QStringLiteral("The numbers are integers; \"effect\" is the catalogue's name, "
                         "\"empty\" for a pedal that runs no effect yet.")},
         0,
         0},
        {QStringLiteral("effects"),
         QStringLiteral("[CATEGORY]"),
         QStringLiteral("List the effect catalogue, or one category of it."),
         QStringLiteral("Prints the effects the editor carries, by category, in the editor's "
                        "order. Needs no pedal."),
         {},
         {{QStringLiteral("kestrel-x effects gain"),
           QStringLiteral("List the effects of the Gain category:")}},
         {true,
          {QStringLiteral("number"), QStringLiteral("name"), QStringLiteral("category")},
          QStringLiteral("One object per effect, category by category in the editor's order; "
                         "\"number\" is the effect number that info reports.")},
         0,
         1},
        {QStringLiteral("get"),
         {},
         QStringLiteral("Show the running effect's values and assignments."),
         QStringLiteral("Reads the pedal's parameter state and prints each control by name with "
                        "its value (0-1023 for a knob, on or off for a switch, the option's "
                        "number and name for an option list) and the pedal control assigned to "
                        "it, then the readbacks, bypass and preset assignments."),
         {},
         {{QStringLiteral("kestrel-x get --json | jq '.controls[] | {name, text}'"),
           QStringLiteral("Print each control's name and value:")}},
         {false,
          {QStringLiteral("effect"), QStringLiteral("effect_number"),
           QStringLiteral("effect_version"), QStringLiteral("controls"),
           QStringLiteral("readbacks"), QStringLiteral("bypass"), QStringLiteral("preset")},
          QStringLiteral("Every control, whatever its kind, is an object with \"index\", "
                         "\"name\", \"kind\" (knob, switch or options), \"value\" (0-1023 as the "
                         "pedal holds it, null when the pedal did not say), \"text\" (what the "
                         "value means: the number, on or off, or the option's name), \"option\" "
                         "(the option's number from 1, null unless an option list) and "
                         "\"assignment\" (the pedal control assigned, \"none\", or null where "
                         "none can be). Each readback has \"index\", \"name\" and "
                         "\"assignment\"; \"bypass\" and \"preset\" are assignments.")},
         0,
         0},
        {QStringLiteral("set"),
         QStringLiteral("CONTROL VALUE"),
         QStringLiteral("Set one control of the running effect."),
         QStringLiteral("CONTROL is a control's name or index (from 0). VALUE is 0-1023 for a "
                        "knob, on or off for a switch, and an option's name or number (from 1) "
                        "for an option list. With --raw, VALUE is the number 0-1023 the pedal "
                        "takes, whatever the control."),
         {option({QStringLiteral("raw")}, {},
                 QStringLiteral("Send VALUE (0-1023) as it is, for any kind of control."))},
         {{QStringLiteral("kestrel-x set Fuzz 300"),
           QStringLiteral("Turn the Fuzz knob of Basalt Fuzz Box to 300:")},
          {QStringLiteral("kestrel-x set Clip Germanium"),
           QStringLiteral("Choose an option by its name (or its number, here 2):")}},
         {false,
          {QStringLiteral("effect"), QStringLiteral("control")},
          QStringLiteral("\"control\" has the keys of a control of get; its \"assignment\" is "
                         "null, since set does not read it.")},
         2,
         2},
        {QStringLiteral("assign"),
         QStringLiteral("CONTROL KNOB"),
         QStringLiteral("Assign a pedal control or light to a control or readback."),
         QStringLiteral("CONTROL is a control's or readback's name or index, or bypass or "
                        "preset. KNOB is KI-KV, B1-B3, FS, FL, RMT or EXP for a control, SX, DX, "
                        "RED or GREEN for a readback, or none. The other assignments stay as the "
                        "pedal has them."),
         {},
         {{QStringLiteral("kestrel-x assign Fuzz EXP"),
           QStringLiteral("Let the expression pedal move Fuzz:")}},
         {false,
          {QStringLiteral("effect"), QStringLiteral("slot"), QStringLiteral("name"),
           QStringLiteral("index"), QStringLiteral("assignment")},
          QStringLiteral("\"slot\" is control, readback, bypass or preset; \"index\" is null for "
                         "bypass and preset.")},
         2,
         2},
        {QStringLiteral("store"),
         {},
         QStringLiteral("Store the running effect's settings on the pedal."),
         QStringLiteral("Makes the pedal keep its current values and assignments for the running "
                        "effect."),
         {},
         {{QStringLiteral("kestrel-x set Volume 700 && kestrel-x store"),
           QStringLiteral("Change a value and keep it over a power cycle:")}},
         {false,
          {QStringLiteral("effect"), QStringLiteral("effect_number"), QStringLiteral("stored")},
          {}},
         0,
         0},
        {QStringLiteral("midi"),
         QStringLiteral("CHANNEL"),
         QStringLiteral("Set the pedal's MIDI receive channel."),
         QStringLiteral("CHANNEL is 1-16, or omni to receive on every channel."),
         {},
         {{QStringLiteral("kestrel-x midi omni"),
           QStringLiteral("Let the pedal listen on every channel:")}},
         {false,
          {QStringLiteral("channel"), QStringLiteral("omni")},
          QStringLiteral("\"channel\" is 1-16, or null with \"omni\" true.")},
         1,
         1},
        {QStringLiteral("upload"),
         QStringLiteral("EFFECT"),
         QStringLiteral("Upload an effect to the pedal and show its answer."),
         QStringLiteral("EFFECT is a name from the catalogue (see effects). An impulse response "
                        "effect needs --ir with the WAV file to load into it. The upload has "
                        "worked when the pedal then names the uploaded effect."),
         {option({QStringLiteral("ir")}, QStringLiteral("FILE.wav"),
                 QStringLiteral("The impulse response to load. ") + QLatin1String(kWavFormats))},
         {{QStringLiteral("kestrel-x upload \"Basalt Fuzz Box\""),
           QStringLiteral("Upload an effect; quote a name with blanks:")},
          {QStringLiteral("kestrel-x upload \"Basic IR Loader\" --ir cab.wav"),
           QStringLiteral("Upload an impulse response:")}},
         {false,
          {QStringLiteral("effect"), QStringLiteral("effect_number"), QStringLiteral("answer")},
          QStringLiteral("\"answer\" is the pedal's answer to the image.")},
         1,
         1},
        {QStringLiteral("preset"),
         QStringLiteral("save|load FILE"),
         QStringLiteral("Save the running effect's settings to a preset file, or load one."),
         QStringLiteral("save reads the pedal's state and writes the editor's preset file; load "
                        "sends a preset's values to the pedal, which must run its effect. A "
                        "preset of an impulse response effect keeps its impulse response beside "
                        "it, in FILE with .wav for .txt: save writes the one imported last for "
                        "the effect (by the editor or upload --ir), load imports it again, and "
                        "with --upload uploads the effect with it before the values. A missing "
                        "or damaged response is named, and the values still load."),
         {option({QStringLiteral("upload")}, {},
                 QStringLiteral("load: upload the preset's effect, with the impulse response "
                                "beside the preset, then apply the preset."))},
         {{QStringLiteral("kestrel-x preset save fuzz.txt"),
           QStringLiteral("Keep the running effect's settings in a file:")},
          {QStringLiteral("kestrel-x preset load cab.txt --upload"),
           QStringLiteral("Upload a preset's effect with its impulse response, then its values:")}},
         {false,
          {QStringLiteral("action"), QStringLiteral("file"), QStringLiteral("effect"),
           QStringLiteral("effect_number"), QStringLiteral("response")},
          QStringLiteral("\"action\" is save or load; \"response\" is the impulse response file "
                         "saved or imported, or null.")},
         2,
         2},
        {QStringLiteral("firmware"),
         QStringLiteral("upgrade [FILE]"),
         QStringLiteral("Write new firmware through the bootloader and verify it."),
         QStringLiteral("The pedal must be in its bootloader (powered up with the footswitch "
                        "held). FILE is a binary firmware image; without it, the firmware the "
                        "editor carries. Before writing, the bootloader's version, the chip ID "
                        "and the address range are shown; on a terminal the upgrade asks before "
                        "it writes, elsewhere it needs --yes. Progress counts the chunks the "
                        "bootloader has acknowledged, and the written firmware is read back and "
                        "checked."),
         {option({QStringLiteral("y"), QStringLiteral("yes")}, {},
                 QStringLiteral("Write without asking (needed when not run on a terminal)."))},
         {{QStringLiteral("kestrel-x firmware upgrade --port /dev/ttyUSB0"),
           QStringLiteral("Write the firmware the editor carries, asking first:")}},
         {false,
          {QStringLiteral("firmware"), QStringLiteral("bytes"),
           QStringLiteral("bootloader_version"), QStringLiteral("chip_id"),
           QStringLiteral("first_address"), QStringLiteral("last_address"),
           QStringLiteral("record_address"), QStringLiteral("chunks")},
          QStringLiteral("Addresses and the chip ID are hexadecimal texts (\"0x08000000\", "
                         "\"0x0410\"); \"bootloader_version\" is a text such as \"2.2\"; "
                         "\"chunks\" counts the acknowledged chunks.")},
         1,
         2},
        {QStringLiteral("diagnose"),
         {},
         QStringLiteral("Say whether a pedal can be connected, and what to do if not."),
         QStringLiteral("Prints the connection doctor's findings; exits 0 when a pedal is ready, "
                        "3 when none is."),
         {},
         {{QStringLiteral("kestrel-x diagnose"),
           QStringLiteral("Find out why no pedal can be reached:")}},
         {false,
          {QStringLiteral("ready"), QStringLiteral("summary"), QStringLiteral("findings")},
          QStringLiteral("Each finding has \"severity\" (ok, note or problem), \"subject\", "
                         "\"text\", \"advice\" and \"command\" (empty texts when none).")},
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

QString short_usage(int width) {
    const QString program = QLatin1String(kProgram);
    return QStringLiteral("Usage: %1 [OPTIONS] COMMAND [ARGUMENTS]\n\n").arg(program) +
           example_lines({{QStringLiteral("kestrel-x info --port /dev/ttyUSB0"),
                           QStringLiteral("Ask the pedal on /dev/ttyUSB0 what it runs:")},
                          {QStringLiteral("kestrel-x upload \"Basalt Fuzz Box\""),
                           QStringLiteral("Upload an effect to the pedal:")}},
                         width) +
           QLatin1Char('\n') +
           wrap(QStringLiteral("'%1 help' lists the commands, '%1 help COMMAND' explains one.")
                    .arg(program),
                width, 0, 0);
}

QString program_help(int width) {
    const QString program = QLatin1String(kProgram);
    QString text = QStringLiteral("Usage: %1 [OPTIONS] COMMAND [ARGUMENTS]\n").arg(program) +
                   wrap(QStringLiteral("The Kestrel X pedal from the command line: the editor's "
                                       "pedal commands for scripts and terminals."),
                        width, 0, 0) +
                   QStringLiteral("\nCommands:\n");
    for (const CommandHelp& command : commands())
        text += table_row(command.name, command.summary, kCommandColumn, width);
    text += QStringLiteral("\nOptions (every command takes them):\n") +
            option_lines(common_options(), width);
    QList<Example> examples;
    for (const CommandHelp& command : commands())
        if (command.name == QLatin1String("upload") || command.name == QLatin1String("set") ||
            command.name == QLatin1String("info"))
            examples << command.examples.first();
    text += QStringLiteral("\nExamples:\n") + example_lines(examples, width);
    text += QLatin1Char('\n') +
            wrap(QStringLiteral("'%1 help COMMAND' or '%1 COMMAND --help' shows a command's help; "
                                "'man %1' has them all, with the JSON keys.")
                     .arg(program),
                 width, 0, 0) +
            wrap(QStringLiteral("Exit status: ") + QLatin1String(kExitStatus), width, 2, 0);
    return text;
}

QString command_help(const CommandHelp& command, int width) {
    QString text = QStringLiteral("Usage: %1\n").arg(usage_line(command)) +
                   wrap(command.description, width, 0, 0);
    if (!command.options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + option_lines(command.options, width);
    text += QStringLiteral("\nExamples:\n") + example_lines(command.examples, width);
    text += QLatin1Char('\n') +
            wrap(QStringLiteral("With --json: ") + json_text(command.json), width, 2, 0);
    text += QLatin1Char('\n') + wrap(QStringLiteral("Common options: %1 (see '%2 --help').")
                                         .arg(common_option_names(), QLatin1String(kProgram)),
                                     width, 2, 0);
    return text;
}

QString version_text() {
    return QStringLiteral("%1 %2 (Kestrel X Editor)\n")
        .arg(QLatin1String(kProgram), QLatin1String(KX_VERSION_TEXT));
}

QString man_page() {
    QString text =
        QStringLiteral(".TH KESTREL\\-X 1 \"\" \"kestrel-x %1\" \"User Commands\"\n"
                       ".SH NAME\nkestrel\\-x \\- the Kestrel X pedal from the command "
                       "line\n.SH SYNOPSIS\n.B kestrel\\-x\n[\\fIOPTIONS\\fR] "
                       "\\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n"
                       ".br\n.B kestrel\\-x help\n[\\fICOMMAND\\fR]\n"
                       ".nh\n.SH DESCRIPTION\nThe pedal commands of the Kestrel X Editor, "
                       "for scripts and terminals. Each run connects to the pedal, "
                       "does one thing and closes the connection.\n.SH COMMANDS\n")
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
    text +=
        QStringLiteral(".SH JSON OUTPUT\n") + troff(QLatin1String(kJsonErrors)) + QLatin1Char('\n');
    for (const CommandHelp& command : commands())
        text += QStringLiteral(".TP\n.B %1\n%2\n")
                    .arg(troff(command.name), troff(json_text(command.json)));
    text += QStringLiteral(".SH EXAMPLES\n");
    for (const CommandHelp& command : commands())
        for (const Example& example : command.examples)
            text += troff_example(example);
    text += QStringLiteral(
        ".SH ENVIRONMENT\n"
        ".TP\n.B KX_DOCUMENTS_DIR\nThe folder used in place of the user's Documents folder, "
        "under which the editor keeps its settings and presets.\n"
        ".TP\n.B KX_UPDATE_SERVER\nThe maker's web server (https://host[:port]) that the editor "
        "asks for a newer version; \\fBoff\\fR turns the check off. kestrel\\-x itself does not "
        "check.\n"
        ".SH FILES\n"
        ".TP\n.I ~/Documents/NORVA/Kestrel X/Preset/\nThe editor's preset files, the format that "
        "\\fBpreset save\\fR writes and \\fBpreset load\\fR reads.\n"
        ".TP\n.I ~/Documents/NORVA/Kestrel X/Impulse Responses/\nThe impulse responses imported "
        "last, by the editor or \\fBupload \\-\\-ir\\fR, ten for each effect; \\fBpreset save\\fR "
        "writes the newest beside a preset of its effect.\n"
        ".TP\n.I ~/Documents/NORVA/style.txt\nThe editor's look.\n"
        ".TP\n.I /usr/lib/udev/rules.d/60\\-kestrel\\-x\\-editor.rules\nLets the user at the "
        "computer open the pedal's USB chip.\n");
    QStringList kinds;
    for (const ExitCode exit : {kExitFailed, kExitUsage, kExitNoPedal})
        kinds << QStringLiteral("%1: %2").arg(int(exit)).arg(
            kind_names(exit).join(QStringLiteral(", ")));
    text += QStringLiteral(".SH EXIT STATUS\n") + troff(QLatin1String(kExitStatus)) +
            QStringLiteral("\n.PP\n") +
            troff(QStringLiteral("The \"kind\" an error names under --json, by exit status: ") +
                  kinds.join(QStringLiteral("; ")) + QLatin1Char('.')) +
            QStringLiteral("\n.SH SEE ALSO\n.BR kestrel\\-x\\-editor (1),\n"
                           ".BR kestrel\\-x\\-virtual\\-pedal (1)\n");
    return text;
}

QString bash_completion() {
    // The catalogue's effect names, one a line, for `upload`; blanks are part of the names.
    const ResourceStore store;
    QStringList effects;
    QStringList captions;
    for (const EffectCategory& category : kEffectCategories) {
        captions << QString::fromLatin1(category.caption).split(QLatin1Char(' ')).first();
        if (const auto names = store.read_file_from_stream(QLatin1String(category.resource)))
            for (const QString& name : *names)
                if (!name.trimmed().isEmpty())
                    effects << name.trimmed();
    }
    QString effect_lines = effects.join(QLatin1Char('\n'));
    effect_lines.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\''), QStringLiteral("\\'"));
    const QString category_words = captions.join(QLatin1Char(' '));
    QStringList names;
    for (const CommandHelp& command : commands())
        names << command.name;
    QStringList common;
    for (const OptionHelp& option : common_options())
        common << QStringLiteral("--") + option.names.constLast();
    QString cases;
    for (const CommandHelp& command : commands()) {
        QStringList own;
        for (const OptionHelp& option : command.options)
            own << QStringLiteral("--") + option.names.constLast();
        // What each word after the command is: a word of a list, an effect's name, a
        // pedal control code, a file; none (a control's name, a value) offers nothing.
        QString words;
        QString second;
        if (command.name == QLatin1String("preset")) {
            words = QStringLiteral("save load");
            second = QStringLiteral("@files");
        } else if (command.name == QLatin1String("firmware")) {
            words = QStringLiteral("upgrade");
            second = QStringLiteral("@files");
        } else if (command.name == QLatin1String("midi")) {
            words = QStringLiteral("omni 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16");
        } else if (command.name == QLatin1String("upload")) {
            words = QStringLiteral("@effects");
        } else if (command.name == QLatin1String("effects")) {
            words = category_words;
        } else if (command.name == QLatin1String("assign")) {
            words = QStringLiteral("bypass preset");
            second =
                QStringLiteral("KI KII KIII KIV KV B1 B2 B3 FS FL RMT EXP SX DX RED GREEN none");
        }
        cases += QStringLiteral("        %1) own=\"%2\"; words=\"%3\"; second=\"%4\" ;;\n")
                     .arg(command.name, own.join(QLatin1Char(' ')), words, second);
    }
    // %1 the commands, %2 each command's words, %3 the common options, %4 the effect names.
    static const char kScript[] = R"(# bash completion for kestrel-x -*- shell-script -*-
_kestrel_x_effects=$'%4'
_kestrel_x() {
    local cur prev command="" own="" words="" second="" i positional=0
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    case "$prev" in
        --port) COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}")); return ;;
        --ir) COMPREPLY=($(compgen -f -X '!*.[wW][aA][vV]' -- "$cur")); compopt -o plusdirs 2>/dev/null; return ;;
        --serial) return ;;
    esac
    for ((i = 1; i < COMP_CWORD; i++)); do
        case "${COMP_WORDS[i]}" in
            --port|--ir|--serial) ((i++)) ;;
            -*) ;;
            *) [[ -z "$command" ]] && command="${COMP_WORDS[i]}" || ((positional++)) ;;
        esac
    done
    case "$command" in
        ""|help) words="%1" ;;
%2        *) ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "%3 $own" -- "$cur"))
        return
    fi
    [[ -n "$command" && $positional -eq 1 ]] && words="$second"
    [[ $positional -gt 1 ]] && words=""
    case "$words" in
        @files) COMPREPLY=($(compgen -f -- "$cur")) ;;
        @effects)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$_kestrel_x_effects" -- "$cur"))
            COMPREPLY=("${COMPREPLY[@]// /\\ }") ;;
        "") COMPREPLY=() ;;
        *) COMPREPLY=($(compgen -W "$words" -- "$cur")) ;;
    esac
}
complete -F _kestrel_x kestrel-x
)";
    return QString::fromUtf8(kScript).arg(names.join(QLatin1Char(' ')), cases,
                                          common.join(QLatin1Char(' ')), effect_lines);
}

} // namespace kx::cli
