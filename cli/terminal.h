#pragma once

#include "base/dialogs.h"
#include "base/log.h"
#include "link/connection_ui.h"

#include <QJsonValue>
#include <QObject>
#include <QString>

namespace kx {
class Operation;
}

namespace kx::cli {

inline constexpr char kProgram[] = "kestrel-x";

// Standard output: the command's data.
void print_out(const QString& text);
// The command's data under --json: one value, on one line.
void print_json(const QJsonValue& value);

// Under --json, errors are objects on standard error and notes are left out.
void set_json_errors(bool json);
bool json_errors();

// One line on standard error, after the program's name, or under --json the object
// {"error": text, "kind": kind}.
void print_error(const QString& text, const QString& kind);
// A note that is not the run's outcome (a port that could not be listed); left out under --json.
void print_note(const QString& text);

// Whether standard input and standard error are a terminal, where a person can be asked.
bool interactive();
// Asks a yes/no question on the terminal; only "y" or "yes" is a yes.
bool ask_yes(const QString& question);
// The width help text is wrapped to: the terminal's, or COLUMNS, or 80; at most 100.
int help_width();

// The messages the core would show in a box go to standard error; a script cannot answer
// questions, so every confirmation is answered Yes (the user asked for the action by running
// the command) and no file is chosen interactively.
class TerminalDialogs : public Dialogs {
public:
    void message(const QString& text) override;
    Answer confirm(const QString& text) override;
    QString open_file(const QString&, const QString&, const QString&) override { return {}; }
    QString save_file(const QString&, const QString&, const QString&) override { return {}; }

    // Every message shown, for the commands that act on one (the bootloader check's outcome).
    QStringList messages;
};

// The editor's log lines, on standard error with --verbose.
class TerminalLog : public Log {
public:
    explicit TerminalLog(bool verbose) : m_verbose(verbose) {}
    void print_line(const QString& text) override;
    void append_line(const QString& text) override;

private:
    bool m_verbose;
};

// The connection's view of the main window, without a window: the texts are kept for the
// commands to read, status texts go to standard error.
class TerminalConnectionUi : public ConnectionUi {
public:
    QString device_name_text() const override { return m_device_name; }
    void set_device_name_text(const QString& text) override { m_device_name = text; }
    void append_serial_number_text(const QString&) override {}
    void show_status_text(const QString& text) override;

private:
    QString m_device_name;
};

// Shows an operation's progress on standard error: a bar redrawn in place on a terminal,
// a line per new percentage otherwise (a log file or a pipe).
class ProgressDisplay {
public:
    explicit ProgressDisplay(Operation& operation);
    ~ProgressDisplay();
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;

private:
    void show(int percent);

    bool m_terminal;
    int m_shown = -1;
    QMetaObject::Connection m_connection;
};

} // namespace kx::cli
