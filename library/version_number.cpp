#include "library/version_number.h"
#include "base/translation.h"

namespace kx {

namespace {

constexpr qsizetype kShownBodyChars = 40;

// The digits without the dots and without leading zeros ("" for zero).
QString significant_digits(QStringView version) {
    QString digits;
    for (QChar c : version)
        if (c != u'.' && !(digits.isEmpty() && c == u'0'))
            digits += c;
    return digits;
}

// The body as the user can read it in one line: control characters shown as \xNN.
QString printable(QByteArrayView body) {
    QString shown;
    for (qsizetype i = 0; i < body.size() && i < kShownBodyChars; ++i) {
        const auto byte = static_cast<unsigned char>(body[i]);
        if (byte >= 0x20 && byte < 0x7F)
            shown += QChar(byte);
        else
            shown += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    if (body.size() > kShownBodyChars)
        shown += QStringLiteral("...");
    return shown;
}

} // namespace

bool is_version_text(QStringView text) {
    bool digit = false;
    for (QChar c : text) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            digit = true;
        else if (c != u'.')
            return false;
    }
    return digit;
}

Result<QString> read_version_body(QByteArrayView body) {
    qsizetype end = body.size();
    while (end > 0 && QChar::isSpace(static_cast<unsigned char>(body[end - 1])))
        --end;
    const QString version = QString::fromLatin1(body.first(end));
    if (!is_version_text(version))
        return Error{ui_text("Library", "the version page holds \"%1\", which is not a version "
                                        "number of digits and dots.")
                         .arg(printable(body))};
    return version;
}

int compare_versions(QStringView a, QStringView b) {
    const QString x = significant_digits(a);
    const QString y = significant_digits(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

bool is_newer_version(QStringView server_version, QStringView own_version) {
    return compare_versions(server_version, own_version) > 0;
}

} // namespace kx
