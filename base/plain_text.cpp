#include "base/plain_text.h"

namespace kx {

QString plain_tooltip(const QString& text) {
    // Without a '<' Qt finds no tag and shows the text as it is.
    if (!text.contains(QLatin1Char('<')))
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(text.toHtmlEscaped());
}

} // namespace kx
