#pragma once

#include "base/result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

class Log;
class ResourceStore;

inline constexpr char kLogParameterAddress[] = "parameter address: ";

// Reads the 16 entries of an effect's address table as four-digit texts, copied unchanged
// into the parameter write messages. Loads the effect's image resource and logs the resource
// name, the image text, its byte count and every address. An error (BadInput: the store's
// "Error loading resource: " text, or the image's size) when the image cannot be loaded or is
// too short to hold the table.
Result<QStringList> read_parameter_addresses(const QString& effect_name, ResourceStore& store,
                                             Log& log);

// The four-digit address text of each of the 16 table slots of an image text, or std::nullopt
// when the text is too short.
std::optional<QStringList> address_texts(const QString& image_text);

} // namespace kx
