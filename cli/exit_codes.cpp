#include "cli/exit_codes.h"

#include "cli/terminal.h"

namespace kx::cli {

namespace {

struct KindRow {
    ErrorKind kind;
    const char* name;
    ExitCode exit;
    // This program's own sentence for the kind, where the session words it for the editor's
    // menus and buttons; nullptr: the core's words stand.
    const char* text;
};

// A pedal that is gone or never was is "no pedal"; everything it answered wrongly is a
// failure; a file or value given on the command line that cannot be used is a usage error.
constexpr KindRow kKinds[] = {
    {ErrorKind::None, "failed", kExitFailed, nullptr},
    {ErrorKind::DriverFailed, "driver_failed", kExitFailed, nullptr},
    {ErrorKind::LinkLost, "link_lost", kExitNoPedal, nullptr},
    {ErrorKind::Busy, "busy", kExitFailed, nullptr},
    {ErrorKind::TimedOut, "timed_out", kExitFailed, nullptr},
    {ErrorKind::BadReply, "bad_reply", kExitFailed, nullptr},
    {ErrorKind::NotConnected, "not_connected", kExitNoPedal,
     "The pedal is not connected: check the USB cable and run the command again."},
    {ErrorKind::NoPedal, "no_pedal", kExitNoPedal, nullptr},
    {ErrorKind::WrongLinkState, "wrong_state", kExitFailed,
     "The pedal is in its bootloader, which takes only 'kestrel-x firmware upgrade': power it "
     "up without holding the footswitch for any other command."},
    {ErrorKind::NoEffect, "no_effect", kExitFailed,
     "The pedal runs no effect yet: put one on it with 'kestrel-x upload EFFECT'."},
    {ErrorKind::EffectUnknown, "effect_unknown", kExitFailed,
     "The pedal's effect and values could not be read first: run the command again."},
    {ErrorKind::UploadFailed, "upload_failed", kExitFailed, nullptr},
    {ErrorKind::BadInput, kKindUsage, kExitUsage, nullptr},
    {ErrorKind::BootloaderSilent, "bootloader_silent", kExitFailed, nullptr},
    {ErrorKind::BootloaderRefused, "bootloader_refused", kExitFailed, nullptr},
    {ErrorKind::BootloaderUnexpected, "bootloader_unexpected", kExitFailed, nullptr},
    {ErrorKind::BootloaderReadRefused, "bootloader_read_refused", kExitFailed, nullptr},
    {ErrorKind::BootloaderMismatch, "bootloader_mismatch", kExitFailed, nullptr},
    {ErrorKind::BootloaderUnasked, "bootloader_unasked", kExitFailed, nullptr},
    {ErrorKind::Cancelled, "cancelled", kExitFailed, nullptr},
    {ErrorKind::UnknownEffect, "unknown_effect", kExitFailed, nullptr},
};

constexpr char kLinkLost[] =
    "The connection to the pedal was lost: check the USB cable and run the command again (%1).";

const KindRow& row_of(ErrorKind kind) {
    for (const KindRow& row : kKinds)
        if (row.kind == kind)
            return row;
    return kKinds[0];
}

} // namespace

ExitCode exit_code(ErrorKind kind) {
    return row_of(kind).exit;
}

QString kind_name(ErrorKind kind) {
    return QLatin1String(row_of(kind).name);
}

namespace {

QString message_of(const Error& error, bool worded) {
    if (worded)
        return error.message;
    if (const char* text = row_of(error.kind).text)
        return QLatin1String(text);
    // The driver's words stay, after what they mean for the user.
    if (error.kind == ErrorKind::LinkLost)
        return QString::fromLatin1(kLinkLost).arg(error.message);
    return error.message;
}

} // namespace

QStringList kind_names(ExitCode exit) {
    QStringList names;
    for (const KindRow& row : kKinds)
        if (row.exit == exit && !names.contains(QLatin1String(row.name)))
            names << QLatin1String(row.name);
    return names;
}

QString cli_message(const Error& error) {
    return message_of(error, false);
}

int report(const Error& error) {
    print_error(message_of(error, false), kind_name(error.kind));
    return exit_code(error.kind);
}

int report_worded(const Error& error) {
    print_error(message_of(error, true), kind_name(error.kind));
    return exit_code(error.kind);
}

int usage_error(const QString& message) {
    return report(Error{message, ErrorKind::BadInput});
}

int no_pedal_error(const QString& message) {
    return report(Error{message, ErrorKind::NoPedal});
}

int failed_error(const QString& message) {
    return report(Error{message, ErrorKind::None});
}

} // namespace kx::cli
