#pragma once

#include "base/result.h"

#include <QString>

namespace kx {

class Log;
class ResourceStore;

inline constexpr char kLogEffectFromList[] = "effetto ottenuto dalla lista: ";

// The name the catalogue gives effect `number` (the pedal's information reply names only the
// number). An error when the catalogue has no such line (BadReply; it names the number) or
// cannot be loaded (BadInput, the store's "Error loading resource: " text).
Result<QString> name_pedal_effect(int number, ResourceStore& store, Log& log);

} // namespace kx
