#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace kx {

// Writes `bytes` to `path` through a temporary file that takes the place of the old one only
// once it is complete: a write that fails or is cut short (a full disk) leaves the old file
// as it was and no partial file behind. The error is the system's text.
Status save_file_atomically(const QString& path, const QByteArray& bytes);

} // namespace kx
