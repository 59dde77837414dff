#pragma once

#include "base/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

class Log;
class ResourceStore;

// The parameter address text of each of an effect's `control_count` controls: the 16 slots of
// the image's address table (read and logged as the parameters window always does), then, for
// an effect of more than 16 controls, the addresses its image holds from byte 49 on.
// An error (BadInput) when the image cannot be loaded or is too short.
Result<QStringList> read_control_addresses(const QString& effect_name, int control_count,
                                           ResourceStore& store, Log& log);

// The address texts of controls 16 .. control_count-1 in an image text, or std::nullopt when
// the text is too short to hold them.
std::optional<QStringList> extra_address_texts(const QString& image_text, int control_count);

} // namespace kx
