#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kx::cli {

// One option as --help and the man page describe it, and as the parser knows it.
struct OptionHelp {
    QStringList names;  // "port", or "V" and "version"
    QString value_name; // empty for a flag
    QString description;
};

// One example: the command line and what it does.
struct Example {
    QString command;
    QString note;
};

// What --json prints for a command: an object with `keys` (an array of such objects when
// `array` is set), and what the nested values hold.
struct JsonShape {
    bool array = false;
    QStringList keys;
    QString note;
};

// One command: what it takes, what it does, and its own options beside the common ones.
struct CommandHelp {
    QString name;
    QString arguments; // as the synopsis shows them
    QString summary;   // one line for the command list
    QString description;
    QList<OptionHelp> options;
    QList<Example> examples;
    JsonShape json;
    int min_arguments = 0;
    int max_arguments = 0;
};

// The keys of each control in `get --json` and `set --json`, the same for every kind.
const QStringList& control_json_keys();
// The keys of an error object on standard error under --json.
const QStringList& error_json_keys();

// The options every command takes.
const QList<OptionHelp>& common_options();
const QList<CommandHelp>& commands();
const CommandHelp* find_command(const QString& name);

// What `kestrel-x` alone prints: the synopsis and two examples.
QString short_usage(int width);
QString program_help(int width);
QString command_help(const CommandHelp& command, int width);
QString version_text();
// The same texts as a troff man page, section 1.
QString man_page();
// A bash completion script for the commands and their options.
QString bash_completion();

// `text` broken into lines of at most `width` characters, every line after `indent` spaces
// (the first after `first_indent`); a word longer than a line stands alone.
QString wrap(const QString& text, int width, int indent, int first_indent);

} // namespace kx::cli
