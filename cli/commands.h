#pragma once

#include <QStringList>

namespace kx::cli {

class Session;

// Runs kestrel-x with the arguments after the program's name; returns the exit status.
int run(const QStringList& arguments);

// The commands, each with its arguments (the command's name taken off).
int command_list(Session& session);
int command_info(Session& session);
int command_effects(Session& session, const QStringList& arguments);
int command_get(Session& session);
int command_set(Session& session, const QStringList& arguments, bool raw);
int command_assign(Session& session, const QStringList& arguments);
int command_store(Session& session);
int command_midi(Session& session, const QStringList& arguments);
int command_upload(Session& session, const QStringList& arguments, const QString& ir_file);
int command_preset(Session& session, const QStringList& arguments, bool upload);
int command_firmware(Session& session, const QStringList& arguments, bool yes);
int command_diagnose(Session& session);

} // namespace kx::cli
