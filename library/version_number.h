#pragma once

#include "base/result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kx {

// The editor's versions are dotted digit strings ("1.0", "1.0.1"), compared as the whole
// numbers their digits make once the dots are gone: 1.0 is 10, 1.1 is 11, 1.0.1 is 101 and
// 1.10 is 110, so 1.0.1 is newer than 1.1 and 1.10 newer than 1.9.

// Digits and dots, with at least one digit.
bool is_version_text(QStringView text);

// The version the maker's version page gives: digits and dots, possibly followed by white
// space such as a line break. Anything else is refused, the error quoting what the page holds.
Result<QString> read_version_body(QByteArrayView body);

// Orders two version texts (is_version_text) by the numbers of their digits, however many
// there are: negative, 0 or positive as `a` is older, equal or newer than `b`.
int compare_versions(QStringView a, QStringView b);

// Whether the server's version is newer than the editor's own.
bool is_newer_version(QStringView server_version, QStringView own_version);

} // namespace kx
