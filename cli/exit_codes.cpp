#include "cli/exit_codes.h"

#include "cli/terminal.h"
#include "firmware/bootloader_protocol.h"
#include "link/D2XXUnit.h"

namespace kx::cli {

namespace {

struct KindRow {
    ErrorKind code;
    const char* kind;
    ExitCode exit;
};

// A pedal that is gone or never was is "no pedal"; everything it answered wrongly is a failure.
constexpr KindRow kKinds[] = {
    {ErrorKind::DriverFailed, "driver_failed", kExitFailed},
    {ErrorKind::LinkLost, "link_lost", kExitNoPedal},
    {ErrorKind::Busy, "busy", kExitFailed},
    {ErrorKind::TimedOut, "timed_out", kExitFailed},
    {ErrorKind::BadReply, "bad_reply", kExitFailed},
    {ErrorKind::NotConnected, "not_connected", kExitNoPedal},
    {ErrorKind::BootloaderSilent, "bootloader_silent", kExitFailed},
    {ErrorKind::BootloaderRefused, "bootloader_refused", kExitFailed},
    {ErrorKind::BootloaderUnexpected, "bootloader_unexpected", kExitFailed},
    {ErrorKind::BootloaderReadRefused, "bootloader_read_refused", kExitFailed},
    {ErrorKind::BootloaderMismatch, "bootloader_mismatch", kExitFailed},
    {ErrorKind::BootloaderUnasked, "bootloader_unasked", kExitFailed},
    {ErrorKind::NoPedal, kKindNoPedal, kExitNoPedal},
    {ErrorKind::BadInput, kKindUsage, kExitUsage},
    {ErrorKind::WrongLinkState, "wrong_state", kExitFailed},
    {ErrorKind::NoEffect, "no_effect", kExitFailed},
    {ErrorKind::EffectUnknown, "effect_unknown", kExitFailed},
    {ErrorKind::UploadFailed, "upload_failed", kExitFailed},
};

const KindRow* row_of(ErrorKind code) {
    for (const KindRow& row : kKinds)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace

int exit_code_of(const Error& error) {
    const KindRow* row = row_of(error.kind);
    return row ? row->exit : kExitFailed;
}

QString kind_of(const Error& error) {
    const KindRow* row = row_of(error.kind);
    return QLatin1String(row ? row->kind : kKindFailed);
}

int report(const Error& error) {
    print_error(error.message, kind_of(error));
    return exit_code_of(error);
}

int usage_error(const QString& message) {
    print_error(message, QLatin1String(kKindUsage));
    return kExitUsage;
}

int no_pedal_error(const QString& message) {
    print_error(message, QLatin1String(kKindNoPedal));
    return kExitNoPedal;
}

int failed_error(const QString& message) {
    print_error(message, QLatin1String(kKindFailed));
    return kExitFailed;
}

} // namespace kx::cli
