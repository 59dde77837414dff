#pragma once

#include <QString>

#include <optional>

namespace kx {

// What an upgrade changes, said before it starts: "The pedal already runs Firmware 12", or
// "This replaces Firmware 11 with Firmware 12". Empty when either version is unknown
// (`running` 0: the pedal never reported one; `image` nullopt: the image carries none).
// Installing the same version again stays allowed; the text only says so.
QString firmware_change_text(int running, std::optional<quint32> image);

} // namespace kx
