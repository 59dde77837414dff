#include "library/resource_store.h"

#include "base/dialogs.h"
#include "base/outside_file.h"

#include <QDir>
#include <QFile>

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

ResourceStore::ResourceStore(Dialogs& dialogs, const QString& root)
    : m_dialogs(dialogs), m_root(root) {
    const QDir dir(root);
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries)
        m_paths.insert(ascii_upper(entry), dir.filePath(entry));
}

std::optional<QByteArray> ResourceStore::raw(const QString& resource_name) const {
    const auto it = m_paths.constFind(ascii_upper(resource_name));
    if (it == m_paths.constEnd())
        return std::nullopt;
    // The store built into the program (":/store") is no file the system can open; a store
    // folder pointed elsewhere is read as any outside file.
    if (it.value().startsWith(QLatin1Char(':'))) {
        QFile file(it.value());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    auto bytes = read_outside_file(it.value(), kResourceFormat);
    if (!bytes)
        return std::nullopt;
    return std::move(*bytes);
}

bool ResourceStore::contains(const QString& resource_name) const {
    return m_paths.contains(ascii_upper(resource_name));
}

QStringList ResourceStore::names() const {
    QStringList out = m_paths.keys();
    out.sort();
    return out;
}

QString ResourceStore::missing_text(const QString& resource_name) {
    return QStringLiteral("Resource %1 not found").arg(resource_name);
}

Result<QStringList> ResourceStore::read_file_from_stream(const QString& resource_name) const {
    const auto data = raw(resource_name);
    if (!data)
        return Error{QLatin1String(kErrorLoadingResource) + missing_text(resource_name)};
    return split_resource_lines(*data);
}

bool ResourceStore::load_resource_text(const QString& resource_name) {
    Result<QStringList> lines = read_file_from_stream(resource_name);
    if (!lines) {
        m_dialogs.message(lines.error());
        return false;
    }
    resource_text = std::move(lines).value();
    return true;
}

} // namespace kx
