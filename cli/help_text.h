#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kx::cli {

// One option as --help and the man page describe it, and as the parser knows it.
struct OptionHelp {
    QStringList names;  // "port", or "j" and "json"
    QString value_name; // empty for a flag
    QString description;
};

// One command: what it takes, what it does, and its own options beside the common ones.
struct CommandHelp {
    QString name;
    QString arguments; // as the synopsis shows them
    QString summary;   // one line for the command list
    QString description;
    QList<OptionHelp> options;
    int min_arguments = 0;
    int max_arguments = 0;
};

// The options every command takes.
const QList<OptionHelp>& common_options();
const QList<CommandHelp>& commands();
const CommandHelp* find_command(const QString& name);

QString program_help();
QString command_help(const CommandHelp& command);
// The same texts as a troff man page, section 1.
QString man_page();

} // namespace kx::cli
