#pragma once

#include "base/result.h"
#include "base/translation.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

inline constexpr char kErrorLoadingResource[] =
    QT_TRANSLATE_NOOP("Library", "Error loading resource: ");

// Turns an effect's display name into the base name of its resources: blanks and "-" become
// "_", "+" becomes "plus", an upper-case "X" becomes "mult". Nothing else changes.
QString format_resource_name(const QString& instring);

// Splits a text resource into lines at CR LF, lone CR or lone LF; a final line break does
// not make an empty last line. Bytes are taken as 8-bit characters.
QStringList split_resource_lines(const QByteArray& data);

// The read-only store of named resources compiled into the program (under ":/store/"), and
// `resource_text`, the lines of the category list loaded last.
class ResourceStore {
public:
    // `root` is the folder that holds the resources, one file per resource named in upper case.
    explicit ResourceStore(const QString& root = QStringLiteral(":/store"));

    // The bytes of a resource; names are compared without regard to ASCII letter case.
    std::optional<QByteArray> raw(const QString& resource_name) const;
    bool contains(const QString& resource_name) const;
    // Every resource name of the store, in upper case, sorted.
    QStringList names() const;
    // The error text for a resource that does not exist; it names the resource.
    static QString missing_text(const QString& resource_name);

    // The lines of a text resource (split as split_resource_lines does). The error reads
    // "Error loading resource: " followed by the reason, which names the resource; the caller
    // shows it.
    Result<QStringList> read_file_from_stream(const QString& resource_name) const;

    // For the main window's effect list: loads a text resource into `resource_text`. A failure
    // (read_file_from_stream's error, for the caller to show) leaves `resource_text` as it was,
    // so the list is filled with the lines it held.
    Status load_resource_text(const QString& resource_name);

    // The lines the main window's effect list shows. Other readers take the lines
    // read_file_from_stream returns, so no reader sees another's text.
    QStringList resource_text;

private:
    // The path of a resource, or empty when the store has none of that name.
    QString path_of(const QString& resource_name) const;
    // Upper-case name -> file path, for the names a direct look does not find. Made on first
    // use: listing the built-in store reads a little of every resource's data.
    const QHash<QString, QString>& listing() const;

    QString m_root;
    mutable std::optional<QHash<QString, QString>> m_listing;
};

// Upper-cases ASCII letters only, leaving every other character as it is.
QString ascii_upper(const QString& text);

} // namespace kx
