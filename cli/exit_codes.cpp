#include "cli/exit_codes.h"

#include "cli/terminal.h"
#include "firmware/bootloader_protocol.h"
#include "link/D2XXUnit.h"

namespace kx::cli {

namespace {

struct KindRow {
    int code;
    const char* kind;
    ExitCode exit;
};

// A pedal that is gone or never was is "no pedal"; everything it answered wrongly is a failure.
constexpr KindRow kKinds[] = {
    {kLinkFailed, "driver_failed", kExitFailed},
    {kLinkLost, "link_lost", kExitNoPedal},
    {kLinkBusy, "busy", kExitFailed},
    {kLinkTimedOut, "timed_out", kExitFailed},
    {kLinkBadReply, "bad_reply", kExitFailed},
    {kLinkNotOpen, "not_connected", kExitNoPedal},
    {kBootloaderRefused, "bootloader_refused", kExitFailed},
    {kBootloaderUnexpected, "bootloader_unexpected", kExitFailed},
    {kBootloaderReadRefused, "bootloader_read_refused", kExitFailed},
    {kBootloaderMismatch, "bootloader_mismatch", kExitFailed},
    {kBootloaderUnasked, "bootloader_unasked", kExitFailed},
};

const KindRow* row_of(int code) {
    for (const KindRow& row : kKinds)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace

int exit_code_of(const Error& error) {
    const KindRow* row = row_of(error.code);
    return row ? row->exit : kExitFailed;
}

QString kind_of(const Error& error) {
    const KindRow* row = row_of(error.code);
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
