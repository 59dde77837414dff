#pragma once

#include "base/result.h"
#include "base/translation.h"

#include <QString>

namespace kx::session {

// What a guitarist reads about a failed pedal action: a sentence saying what happened and what
// to do first, then the driver's or the pedal's own words in brackets as the detail, for
// whoever helps. A message that already speaks the guitarist's language is left as it is. The
// log keeps the detail on its own.
QString user_message(const Error& error);

inline constexpr char kLeadNoPedal[] = QT_TRANSLATE_NOOP(
    "Session", "No pedal found. Check the USB cable, or open Connection > Diagnose.");
inline constexpr char kLeadDriverFailed[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal's USB connection did not respond. Unplug the pedal, plug it in again and choose "
    "Connect.");
inline constexpr char kLeadTimedOut[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal did not answer. Check that it is powered and connected, then try again. A pedal "
    "powered up with the footswitch held is in its bootloader: tick Connection > Upgrade Mode "
    "to upgrade its firmware.");
inline constexpr char kLeadBadReply[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal's answer could not be read. Try again; if it happens again, power the pedal off "
    "and on.");
inline constexpr char kLeadBootloaderSilent[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal did not answer as its bootloader, so the editor stays connected to its firmware. "
    "To upgrade it, power the pedal up with the footswitch held, then tick Upgrade Mode again.");
inline constexpr char kLeadUpgradeFailed[] = QT_TRANSLATE_NOOP(
    "Session",
    "The firmware upgrade did not finish. Keep the pedal connected and start the upgrade again.");

} // namespace kx::session
