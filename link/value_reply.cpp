#include "link/value_reply.h"

#include <algorithm>

namespace kx {

namespace {

constexpr int kMaxDigits = 3;
constexpr int kMaxByteValue = 255;
constexpr qsizetype kShownBadBytes = 40;

// The number of a line without its CR LF, or -1.
int line_number(QByteArrayView text) {
    if (text.isEmpty() || text.size() > kMaxDigits)
        return -1;
    int number = 0;
    for (const char byte : text) {
        if (byte < '0' || byte > '9')
            return -1;
        number = number * 10 + (byte - '0');
    }
    return number <= kMaxByteValue ? number : -1;
}

} // namespace

ValueParse parse_value_lines(QByteArrayView reply) {
    ValueParse result;
    qsizetype start = 0;
    for (int line = 0;; ++line) {
        const qsizetype lf = reply.indexOf('\n', start);
        if (lf < 0)
            break;
        const QByteArrayView with_cr = reply.sliced(start, lf - start);
        const int number = with_cr.endsWith('\r') ? line_number(with_cr.chopped(1)) : -1;
        if (number < 0) {
            result.failed = true;
            result.bad_line = line;
            const QByteArrayView text = with_cr.endsWith('\r') ? with_cr.chopped(1) : with_cr;
            result.bad_text = text.first(std::min(text.size(), kShownBadBytes)).toByteArray();
            return result;
        }
        result.values.append(static_cast<char>(number));
        start = lf + 1;
    }
    return result;
}

int count_reply_lines(QByteArrayView reply) {
    return static_cast<int>(reply.count('\n'));
}

} // namespace kx
