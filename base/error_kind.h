#pragma once

namespace kx {

// What went wrong, in one vocabulary for every module: callers decide from the kind what the
// user reads (a window) or which exit status a script gets (the command line), never from the
// message text.
enum class ErrorKind {
    None,         // no particular kind: the message says it all
    DriverFailed, // a driver call failed; the chip is still open
    LinkLost,     // the chip vanished; the link is now not connected and has said so
    Busy,         // another exchange with the pedal runs; nothing was done
    TimedOut,     // the pedal did not answer within the time limit
    BadReply,     // the pedal's answer cannot be used
    NotConnected, // no chip is open
    NoPedal,      // no chip to open (none attached, or not the one asked for)
    // The pedal session refuses what the link state or the running effect do not allow.
    WrongLinkState, // a firmware command while the bootloader answers, or the reverse
    NoEffect,       // the pedal runs effect 0: nothing to open until an upload
    EffectUnknown,  // the running effect's description is not known (Open FX first)
    UploadFailed,   // the pedal did not confirm the uploaded effect
    UnknownEffect,  // the pedal runs an effect number the editor's list does not hold
    BadInput,       // a file, image or value given by the user cannot be used
    // The bootloader's answers.
    BootloaderSilent,      // the check at connect found no bootloader (Upgrade Mode)
    BootloaderRefused,     // NACK
    BootloaderUnexpected,  // another byte where an acknowledgement belonged
    BootloaderReadRefused, // NACK to Read Memory: the flash cannot be verified
    BootloaderMismatch,    // the flash does not hold what was written
    BootloaderUnasked,     // bytes arrived that nothing asked for
    Cancelled,             // the user stopped the work between two exchanges
};

} // namespace kx
