#include "link/value_reply.h"

namespace kx {

ValueParse parse_value_lines(QByteArrayView reply) {
    ValueParse result;
    quint8 last = 0;
    qsizetype start = 0;
    int line = 0;
    for (qsizetype p = 0; p < reply.size(); ++p) {
        if (reply[p] != '\r')
            continue;
        QByteArrayView field = reply.sliced(start, p - start);
        if (field.startsWith('\n'))
            field = field.sliced(1);
        if (field.size() >= 1 && field.size() <= 3) {
            int number = 0;
            for (const char byte : field) {
                const int digit = static_cast<unsigned char>(byte) & 0x0F;
                if (digit > 9) {
                    result.failed = true;
                    result.bad_line = line;
                    result.bad_text = field.toByteArray();
                    return result;
                }
                number = number * 10 + digit;
            }
            last = static_cast<quint8>(number & 0xFF);
        }
        result.values.append(static_cast<char>(last));
        start = p + 1;
        ++line;
    }
    return result;
}

int count_reply_lines(QByteArrayView reply) {
    return static_cast<int>(reply.count('\n'));
}

} // namespace kx
