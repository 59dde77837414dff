#pragma once

#include <QString>

namespace kx {

// A tooltip that shows `text` exactly as it is. Qt reads a tooltip that looks like markup as
// rich text, so text from outside (a server, a file, the pedal) is escaped and wrapped in a
// paragraph that keeps its spaces and line breaks. Text without a '<' is left as it is.
QString plain_tooltip(const QString& text);

} // namespace kx
