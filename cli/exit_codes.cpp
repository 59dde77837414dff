#include "cli/exit_codes.h"

#include "cli/terminal.h"
#include "session/pedal_session.h"

namespace kx::cli {

namespace {

constexpr char kNotConnected[] = "The pedal is not connected.";
constexpr char kInBootloader[] =
    "The pedal is in its bootloader, which takes only 'kestrel-x firmware upgrade': power it up "
    "without holding the footswitch for any other command.";
constexpr char kNoEffect[] =
    "The pedal runs no effect yet: put one on it with 'kestrel-x upload EFFECT'.";
constexpr char kLinkLostLead[] = "The connection to the pedal was lost";
constexpr char kLinkLost[] =
    "The connection to the pedal was lost: check the USB cable and run the command again (%1).";

} // namespace

ExitCode exit_code(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::LinkLost:
    case ErrorKind::NotConnected:
    case ErrorKind::NoPedal:
        return kExitNoPedal;
    case ErrorKind::BadInput:
        return kExitUsage;
    case ErrorKind::None:
    case ErrorKind::DriverFailed:
    case ErrorKind::Busy:
    case ErrorKind::TimedOut:
    case ErrorKind::BadReply:
    case ErrorKind::WrongLinkState:
    case ErrorKind::NoEffect:
    case ErrorKind::EffectUnknown:
    case ErrorKind::UploadFailed:
    case ErrorKind::BootloaderRefused:
    case ErrorKind::BootloaderUnexpected:
    case ErrorKind::BootloaderReadRefused:
    case ErrorKind::BootloaderMismatch:
    case ErrorKind::BootloaderUnasked:
    case ErrorKind::Cancelled:
        break;
    }
    return kExitFailed;
}

QString kind_name(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::None:
        return QStringLiteral("failed");
    case ErrorKind::DriverFailed:
        return QStringLiteral("driver_failed");
    case ErrorKind::LinkLost:
        return QStringLiteral("link_lost");
    case ErrorKind::Busy:
        return QStringLiteral("busy");
    case ErrorKind::TimedOut:
        return QStringLiteral("timed_out");
    case ErrorKind::BadReply:
        return QStringLiteral("bad_reply");
    case ErrorKind::NotConnected:
        return QStringLiteral("not_connected");
    case ErrorKind::NoPedal:
        return QStringLiteral("no_pedal");
    case ErrorKind::WrongLinkState:
        return QStringLiteral("wrong_link_state");
    case ErrorKind::NoEffect:
        return QStringLiteral("no_effect");
    case ErrorKind::EffectUnknown:
        return QStringLiteral("effect_unknown");
    case ErrorKind::UploadFailed:
        return QStringLiteral("upload_failed");
    case ErrorKind::BadInput:
        return QStringLiteral("bad_input");
    case ErrorKind::BootloaderRefused:
        return QStringLiteral("bootloader_refused");
    case ErrorKind::BootloaderUnexpected:
        return QStringLiteral("bootloader_unexpected");
    case ErrorKind::BootloaderReadRefused:
        return QStringLiteral("bootloader_read_refused");
    case ErrorKind::BootloaderMismatch:
        return QStringLiteral("bootloader_mismatch");
    case ErrorKind::BootloaderUnasked:
        return QStringLiteral("bootloader_unasked");
    case ErrorKind::Cancelled:
        return QStringLiteral("cancelled");
    }
    return QStringLiteral("failed");
}

QString cli_message(const Error& error) {
    // The session words these for the editor's menus and buttons.
    const auto is = [&error](const char* text) { return error.message == QLatin1String(text); };
    switch (error.kind) {
    case ErrorKind::NotConnected:
        if (is(session::kMessageNotConnected))
            return QLatin1String(kNotConnected);
        break;
    case ErrorKind::WrongLinkState:
        if (is(session::kMessageInBootloader))
            return QLatin1String(kInBootloader);
        break;
    case ErrorKind::NoEffect:
        if (is(session::kMessageNoEffect))
            return QLatin1String(kNoEffect);
        break;
    case ErrorKind::LinkLost:
        // The driver's words stay, after what they mean for the user.
        if (!error.message.startsWith(QLatin1String(kLinkLostLead)))
            return QString::fromLatin1(kLinkLost).arg(error.message);
        break;
    default:
        break;
    }
    return error.message;
}

int report(const Error& error) {
    print_error(cli_message(error), kind_name(error.kind));
    return exit_code(error.kind);
}

int usage_error(const QString& message) {
    print_error(message, QLatin1String(kKindUsage));
    return kExitUsage;
}

int no_pedal_error(const QString& message) {
    return report(Error{message, ErrorKind::NoPedal});
}

int failed_error(const QString& message) {
    return report(Error{message, ErrorKind::None});
}

} // namespace kx::cli
