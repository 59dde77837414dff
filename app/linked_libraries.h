#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

// A library the editor links or loads while it runs, with the license its Debian package's
// copyright file (/usr/share/doc/<package>/copyright) gives it.
struct LinkedLibrary {
    QString name;
    // What the editor uses it for, for the About box.
    QString use;
    QString license;
    QString package;
    // The start of the file names (sonames) it is linked or loaded by, e.g. "libQt6".
    QStringList sonames;
};

QList<LinkedLibrary> linked_libraries();

// The row that covers the library file `soname` ("libsoxr.so.0"), or -1.
int linked_library_row(const QString& soname);

} // namespace kx
