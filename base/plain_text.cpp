#include "base/plain_text.h"

namespace kx {

QString plain_tooltip(const QString& text) {
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

} // namespace kx
