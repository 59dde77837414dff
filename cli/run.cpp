// Reads the command line with QCommandLineParser and hands it to its command.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "cli/session.h"

#include <QCommandLineParser>

namespace kx::cli {

namespace {

constexpr char kHelpMan[] = "help-man";

QList<QCommandLineOption> parser_options(const QList<OptionHelp>& options) {
    QList<QCommandLineOption> out;
    for (const OptionHelp& option : options)
        out << QCommandLineOption(option.names, option.description, option.value_name);
    return out;
}

// Options stay options wherever they stand; everything else is the command and its arguments.
void prepare(QCommandLineParser& parser, const QList<OptionHelp>& extra) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(parser_options(common_options()));
    parser.addOptions(parser_options(extra));
    parser.addOption(QCommandLineOption(QLatin1String(kHelpMan)));
}

int usage_error(const QString& message) {
    print_error(QStringLiteral("%1 (see %2 --help)").arg(message, QLatin1String(kProgram)));
    return kExitUsage;
}

} // namespace

int run(const QStringList& arguments) {
    // QCommandLineParser expects the program's name first.
    const QStringList argv = QStringList{QLatin1String(kProgram)} + arguments;

    // A first reading knows every command's options, only to find the command's name.
    QList<OptionHelp> all_options;
    for (const CommandHelp& command : commands())
        all_options += command.options;
    QCommandLineParser first;
    prepare(first, all_options);
    if (!first.parse(argv))
        return usage_error(first.errorText());
    if (first.isSet(QLatin1String(kHelpMan))) {
        print_out(man_page());
        return kExitOk;
    }
    const QStringList positional = first.positionalArguments();
    if (positional.isEmpty()) {
        if (first.isSet(QStringLiteral("help"))) {
            print_out(program_help());
            return kExitOk;
        }
        return usage_error(QStringLiteral("No command given."));
    }
    const CommandHelp* command = find_command(positional.first());
    if (!command)
        return usage_error(QStringLiteral("Unknown command: %1").arg(positional.first()));

    // The second reading knows only this command's options, so that others are refused.
    QCommandLineParser parser;
    prepare(parser, command->options);
    if (!parser.parse(argv))
        return usage_error(QStringLiteral("%1: %2").arg(command->name, parser.errorText()));
    if (parser.isSet(QStringLiteral("help"))) {
        print_out(command_help(*command));
        return kExitOk;
    }
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() < command->min_arguments || args.size() > command->max_arguments)
        return usage_error(QStringLiteral("Usage: %1 %2 %3")
                               .arg(QLatin1String(kProgram), command->name, command->arguments)
                               .trimmed());

    SessionOptions options;
    options.virtual_pedal = parser.isSet(QStringLiteral("virtual-pedal"));
    options.ports = parser.values(QStringLiteral("port"));
    options.serial = parser.value(QStringLiteral("serial"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    options.json = parser.isSet(QStringLiteral("json"));
    Session session(options);

    const QString& name = command->name;
    if (name == QLatin1String("list"))
        return command_list(session);
    if (name == QLatin1String("info"))
        return command_info(session);
    if (name == QLatin1String("effects"))
        return command_effects(session, args);
    if (name == QLatin1String("get"))
        return command_get(session);
    if (name == QLatin1String("set"))
        return command_set(session, args);
    if (name == QLatin1String("assign"))
        return command_assign(session, args);
    if (name == QLatin1String("store"))
        return command_store(session);
    if (name == QLatin1String("midi"))
        return command_midi(session, args);
    if (name == QLatin1String("upload"))
        return command_upload(session, args, parser.value(QStringLiteral("ir")));
    if (name == QLatin1String("preset"))
        return command_preset(session, args);
    if (name == QLatin1String("firmware"))
        return command_firmware(session, args);
    return command_diagnose(session);
}

} // namespace kx::cli
