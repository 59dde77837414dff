#include "platform/linux/doctor/accounts.h"

#include "base/outside_file.h"

namespace kx::doctor {

namespace {

// The colon-separated records of a file like /etc/passwd, comments and blank lines left out.
QList<QStringList> records(const QString& path) {
    QList<QStringList> out;
    const auto bytes = read_outside_file(path, kSystemFileFormat);
    if (!bytes)
        return out;
    for (const QByteArray& line : bytes->split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        out << text.split(QLatin1Char(':'));
    }
    return out;
}

} // namespace

Accounts Accounts::read(const QString& etc_root) {
    Accounts accounts;
    // name:password:uid:gid:...
    for (const QStringList& fields : records(etc_root + QStringLiteral("/passwd"))) {
        bool uid_ok = false, gid_ok = false;
        if (fields.size() < 4)
            continue;
        const quint32 uid = fields[2].toUInt(&uid_ok);
        const quint32 gid = fields[3].toUInt(&gid_ok);
        if (uid_ok)
            accounts.m_users.insert(uid, fields[0]);
        if (gid_ok)
            accounts.m_primary_groups.insert(fields[0], gid);
    }
    // name:password:gid:member,member
    for (const QStringList& fields : records(etc_root + QStringLiteral("/group"))) {
        bool ok = false;
        if (fields.size() < 3)
            continue;
        const quint32 gid = fields[2].toUInt(&ok);
        if (!ok)
            continue;
        const QString members = fields.value(3);
        accounts.m_groups.insert(gid,
                                 {fields[0], members.split(QLatin1Char(','), Qt::SkipEmptyParts)});
    }
    return accounts;
}

QString Accounts::user_name(quint32 uid) const {
    return m_users.value(uid, QString::number(uid));
}

QString Accounts::group_name(quint32 gid) const {
    const auto it = m_groups.constFind(gid);
    return it == m_groups.constEnd() ? QString::number(gid) : it->name;
}

bool Accounts::lists_member(quint32 gid, const QString& user) const {
    const auto primary = m_primary_groups.constFind(user);
    if (primary != m_primary_groups.constEnd() && *primary == gid)
        return true;
    const auto it = m_groups.constFind(gid);
    return it != m_groups.constEnd() && it->members.contains(user);
}

} // namespace kx::doctor
