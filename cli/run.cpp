// Reads the command line with QCommandLineParser and hands it to its command.
#include "base/translation.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "cli/session.h"

#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace kx::cli {

namespace {

constexpr char kHelpMan[] = "help-man";
constexpr char kHelpBash[] = "help-bash-completion";
constexpr char kHelpCommand[] = "help";

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
    // Made at build time into the man page and the bash completion; not for users.
    for (const char* hidden : {kHelpMan, kHelpBash}) {
        QCommandLineOption option{QLatin1String(hidden)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int usage(const QString& message, const QString& help_about = QString()) {
    return usage_error(QStringLiteral("%1 (see '%2 help%3')")
                           .arg(message, QLatin1String(kProgram),
                                help_about.isEmpty() ? QString() : QLatin1Char(' ') + help_about));
}

// Help and version need no pedal; nullopt when the run is not for them.
std::optional<int> help_or_version(const QCommandLineParser& parser, const QStringList& positional,
                                   const CommandHelp* command) {
    if (parser.isSet(QLatin1String(kHelpMan))) {
        print_out(man_page());
        return kExitOk;
    }
    if (parser.isSet(QLatin1String(kHelpBash))) {
        print_out(bash_completion());
        return kExitOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print_out(version_text());
        return kExitOk;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        print_out(command ? command_help(*command, help_width()) : program_help(help_width()));
        return kExitOk;
    }
    if (positional.value(0) != QLatin1String(kHelpCommand))
        return std::nullopt;
    if (positional.size() > 2)
        return usage(QStringLiteral("help takes one command's name."));
    if (positional.size() == 1) {
        print_out(program_help(help_width()));
        return kExitOk;
    }
    const CommandHelp* about = find_command(positional.at(1));
    if (!about)
        return usage(QStringLiteral("Unknown command: %1").arg(positional.at(1)));
    print_out(command_help(*about, help_width()));
    return kExitOk;
}

} // namespace

int run(const QStringList& arguments) {
    // QCommandLineParser expects the program's name first.
    const QStringList argv = QStringList{QLatin1String(kProgram)} + arguments;
    // Known before parsing, so that even a wrong command line is reported as JSON.
    const qsizetype end_of_options = arguments.indexOf(QStringLiteral("--"));
    set_json_errors(arguments.mid(0, end_of_options < 0 ? arguments.size() : end_of_options)
                        .contains(QStringLiteral("--json")));
    // Messages follow LANG where the editor has a translation, as the editor's do; JSON is
    // for programs and keeps the English texts whatever the language.
    if (!json_errors())
        load_language(QString());

    // A first reading knows every command's options, only to find the command's name.
    QList<OptionHelp> all_options;
    for (const CommandHelp& command : commands())
        all_options += command.options;
    QCommandLineParser first;
    prepare(first, all_options);
    if (!first.parse(argv))
        return usage(first.errorText());
    const QStringList positional = first.positionalArguments();
    const CommandHelp* command = find_command(positional.value(0));
    if (const auto done = help_or_version(first, positional, command))
        return *done;
    if (positional.isEmpty()) {
        // Alone, it says how it is used, as a mistake: a script that ran it gets exit 2.
        if (json_errors())
            return usage(QStringLiteral("No command given."));
        std::fputs(short_usage(help_width()).toLocal8Bit().constData(), stderr);
        return kExitUsage;
    }
    if (!command)
        return usage(QStringLiteral("Unknown command: %1").arg(positional.first()));

    // The second reading knows only this command's options, so that others are refused.
    QCommandLineParser parser;
    prepare(parser, command->options);
    if (!parser.parse(argv))
        return usage(QStringLiteral("%1: %2").arg(command->name, parser.errorText()),
                     command->name);
    const QStringList args = parser.positionalArguments().mid(1);
    if (args.size() < command->min_arguments || args.size() > command->max_arguments)
        return usage(QStringLiteral("Usage: %1 %2 %3")
                         .arg(QLatin1String(kProgram), command->name, command->arguments)
                         .trimmed(),
                     command->name);
    // Two pedals named at once: say so rather than pick one.
    if (parser.isSet(QStringLiteral("virtual-pedal")) && parser.isSet(QStringLiteral("port")))
        return usage(QStringLiteral("Give either --virtual-pedal or --port, not both."));

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
        return command_set(session, args, parser.isSet(QStringLiteral("raw")));
    if (name == QLatin1String("assign"))
        return command_assign(session, args);
    if (name == QLatin1String("store"))
        return command_store(session);
    if (name == QLatin1String("midi"))
        return command_midi(session, args);
    if (name == QLatin1String("upload"))
        return command_upload(session, args, parser.value(QStringLiteral("ir")));
    if (name == QLatin1String("preset"))
        return command_preset(session, args, parser.isSet(QStringLiteral("upload")));
    if (name == QLatin1String("firmware"))
        return command_firmware(session, args, parser.isSet(QStringLiteral("yes")));
    return command_diagnose(session);
}

} // namespace kx::cli
