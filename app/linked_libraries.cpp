#include "app/linked_libraries.h"

#include <QCoreApplication>

namespace kx {

namespace {

struct LibraryRow {
    const char* name;
    const char* use;
    const char* license;
    const char* package;
    const char* sonames; // blank-separated
};

// Read from each package's copyright file: the main license first, then those of parts. The
// programs link Qt, QCoro and the C and C++ runtimes; libsndfile, libsoxr, libudev and (through
// Qt's TLS backend) OpenSSL are loaded when first needed.
constexpr LibraryRow kLibraries[] = {
    {"Qt 6", QT_TRANSLATE_NOOP("About", "windows, serial ports, network"),
     "LGPL-3 or GPL-2 (parts BSD-3-clause)", "libqt6core6", "libQt6"},
    {"QCoro", QT_TRANSLATE_NOOP("About", "waits for the pedal that block no window"), "MIT",
     "libqcoro6core0", "libQCoro6"},
    {"libsndfile", QT_TRANSLATE_NOOP("About", "reading WAV files"),
     "LGPL-2.1+ (parts Apache-2.0, GSM, Sun)", "libsndfile1", "libsndfile"},
    {"libsoxr", QT_TRANSLATE_NOOP("About", "resampling impulse responses"), "LGPL-2.1+", "libsoxr0",
     "libsoxr"},
    {"libudev", QT_TRANSLATE_NOOP("About", "noticing the pedal plugged in and out"), "LGPL-2.1+",
     "libudev1", "libudev"},
    {"OpenSSL", QT_TRANSLATE_NOOP("About", "the secure connection of the version check"),
     "Apache-2.0", "libssl3", "libssl libcrypto"},
    {"GNU C++ runtime", QT_TRANSLATE_NOOP("About", "the C++ language's library"),
     "GPL-3+ with the GCC Runtime Library Exception", "libstdc++6", "libstdc++ libgcc_s"},
    {"GNU C Library", QT_TRANSLATE_NOOP("About", "the system's C library"), "LGPL-2.1+", "libc6",
     "libc libm ld-linux"},
};

} // namespace

QList<LinkedLibrary> linked_libraries() {
    QList<LinkedLibrary> out;
    for (const LibraryRow& row : kLibraries)
        out << LinkedLibrary{QString::fromUtf8(row.name),
                             QCoreApplication::translate("About", row.use),
                             QString::fromUtf8(row.license), QString::fromLatin1(row.package),
                             QString::fromLatin1(row.sonames).split(QLatin1Char(' '))};
    return out;
}

int linked_library_row(const QString& soname) {
    const QList<LinkedLibrary> libraries = linked_libraries();
    for (int row = 0; row < int(libraries.size()); ++row)
        for (const QString& start : libraries[row].sonames) {
            // "libc" names libc.so.6, not libcrypto.so.3; "libQt6" names libQt6Core.so.6.
            const QChar next = soname.size() > start.size() ? soname.at(start.size()) : QChar();
            if (soname.startsWith(start) && !next.isLower())
                return row;
        }
    return -1;
}

} // namespace kx
