#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace kx {

// The numbers of a parameter state reply: one unsigned decimal number from 0 to 255 a line,
// in one to three ASCII digits, each line ended by CR LF, and nothing else. Any other line (a
// letter, four digits, 256, an empty line, a lone CR) is not a line of that reply: the parse
// stops there, so that no value is made up from it. Bytes after the last LF are an unfinished
// line and give nothing (the exchange refuses a reply that ends so).
struct ValueParse {
    QByteArray values;
    // Set at the first line that is not such a number: its 0-based index and its text (at most
    // 40 bytes of it).
    bool failed = false;
    int bad_line = -1;
    QByteArray bad_text;
};

ValueParse parse_value_lines(QByteArrayView reply);

// Number of complete lines (each ended by LF) in a reply.
int count_reply_lines(QByteArrayView reply);

} // namespace kx
