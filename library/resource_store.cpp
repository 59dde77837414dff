#include "library/resource_store.h"

#include "base/outside_file.h"
#include "base/translation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kx {

namespace {
// Far more than the largest resource (the firmware, 36 KiB).
constexpr FileFormat kResourceFormat{"a resource", 1024 * 1024};
} // namespace

QString format_resource_name(const QString& instring) {
    QString out = instring;
    out.replace(QLatin1Char(' '), QLatin1Char('_'));
    out.replace(QLatin1Char('-'), QLatin1Char('_'));
    out.replace(QLatin1Char('+'), QLatin1String("plus"));
    out.replace(QLatin1Char('X'), QLatin1String("mult"));
    return out;
}

QStringList split_resource_lines(const QByteArray& data) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        const char c = data.at(i);
        if (c == '\r' || c == '\n') {
            lines << QString::fromLatin1(data.constData() + start, i - start);
            if (c == '\r' && i + 1 < size && data.at(i + 1) == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < size)
        lines << QString::fromLatin1(data.constData() + start, size - start);
    return lines;
}

QString ascii_upper(const QString& text) {
    QString out = text;
    for (QChar& ch : out) {
        const char16_t u = ch.unicode();
        if (u >= u'a' && u <= u'z')
            ch = QChar(char16_t(u - (u'a' - u'A')));
    }
    return out;
}

ResourceStore::ResourceStore(const QString& root) : m_root(root) {}

const QHash<QString, QString>& ResourceStore::listing() const {
    if (!m_listing) {
        m_listing.emplace();
        const QDir dir(m_root);
        for (const QString& entry : dir.entryList(QDir::Files))
            m_listing->insert(ascii_upper(entry), dir.filePath(entry));
    }
    return *m_listing;
}

QString ResourceStore::path_of(const QString& resource_name) const {
    const QString key = ascii_upper(resource_name);
    // A name is a file of the store's folder, never a way out of it or a hidden file.
    if (key.isEmpty() || key.startsWith(QLatin1Char('.')) || key.contains(QLatin1Char('/')))
        return {};
    // The files are named in upper case, so a name is mostly found where it should be.
    const QString direct = m_root + QLatin1Char('/') + key;
    if (QFileInfo(direct).isFile())
        return direct;
    return listing().value(key);
}

std::optional<QByteArray> ResourceStore::raw(const QString& resource_name) const {
    const QString path = path_of(resource_name);
    if (path.isEmpty())
        return std::nullopt;
    // The store built into the program (":/store") is no file the system can open; a store
    // folder pointed elsewhere is read as any outside file.
    if (path.startsWith(QLatin1Char(':'))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    auto bytes = read_outside_file(path, kResourceFormat);
    if (!bytes)
        return std::nullopt;
    return std::move(*bytes);
}

bool ResourceStore::contains(const QString& resource_name) const {
    return !path_of(resource_name).isEmpty();
}

QStringList ResourceStore::names() const {
    QStringList out = listing().keys();
    out.sort();
    return out;
}

QString ResourceStore::missing_text(const QString& resource_name) {
    return ui_text("Library", "Resource %1 not found").arg(resource_name);
}

Result<QStringList> ResourceStore::read_file_from_stream(const QString& resource_name) const {
    const auto data = raw(resource_name);
    if (!data)
        return Error{ui_text("Library", kErrorLoadingResource) + missing_text(resource_name)};
    return split_resource_lines(*data);
}

Status ResourceStore::load_resource_text(const QString& resource_name) {
    Result<QStringList> lines = read_file_from_stream(resource_name);
    if (!lines)
        return lines.failure();
    resource_text = std::move(lines).value();
    return {};
}

} // namespace kx
