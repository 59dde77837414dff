#include "session/pedal_messages.h"

#include "base/translation.h"
#include "link/Communication.h"

namespace kx::session {

namespace {

QString led(const char* lead, const QString& detail) {
    const QString first = ui_text("Session", lead);
    return detail.isEmpty() ? first : first + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace

QString user_message(const Error& error) {
    switch (error.kind) {
    case ErrorKind::NoPedal:
        return led(kLeadNoPedal, error.message);
    case ErrorKind::LinkLost:
        return ui_text("Link", kMessageLinkLost).arg(error.message);
    case ErrorKind::DriverFailed:
        return led(kLeadDriverFailed, error.message);
    case ErrorKind::TimedOut:
        return led(kLeadTimedOut, error.message);
    case ErrorKind::BadReply:
        return led(kLeadBadReply, error.message);
    case ErrorKind::BootloaderSilent:
        return led(kLeadBootloaderSilent, error.message);
    case ErrorKind::BootloaderRefused:
    case ErrorKind::BootloaderUnexpected:
    case ErrorKind::BootloaderReadRefused:
    case ErrorKind::BootloaderMismatch:
    case ErrorKind::BootloaderUnasked:
        return led(kLeadUpgradeFailed, error.message);
    default:
        return error.message;
    }
}

} // namespace kx::session
