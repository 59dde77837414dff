#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace kx {

// The numbers of a parameter state reply: unsigned decimals, one a line, each line ended by
// CR LF. Each line gives one value: a line of one to three characters is read digit by digit
// from each byte's low four bits and kept to 8 bits; a line of any other length (empty, or
// four digits and more) repeats the value before it (0 for the first). Bytes after the last
// CR are an unfinished line and give nothing.
struct ValueParse {
    QByteArray values;
    // Set when a byte's low four bits are not a decimal digit: the 0-based line and its text.
    bool failed = false;
    int bad_line = -1;
    QByteArray bad_text;
};

ValueParse parse_value_lines(QByteArrayView reply);

// Number of complete lines (each ended by LF) in a reply.
int count_reply_lines(QByteArrayView reply);

} // namespace kx
