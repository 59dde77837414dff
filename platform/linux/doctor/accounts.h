#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace kx::doctor {

// The user and group files (passwd, group): names for ids, and who the group file lists as a
// member. Only what those files say; a name service elsewhere is not asked.
class Accounts {
public:
    static Accounts read(const QString& etc_root);

    // The name, or the number when the files do not know it.
    QString user_name(quint32 uid) const;
    QString group_name(quint32 gid) const;
    // Whether the files make `user` a member of `gid`: listed in the group, or it is the
    // user's primary group.
    bool lists_member(quint32 gid, const QString& user) const;

private:
    struct Group {
        QString name;
        QStringList members;
    };
    QHash<quint32, QString> m_users;
    QHash<QString, quint32> m_primary_groups; // user name -> primary gid
    QHash<quint32, Group> m_groups;
};

} // namespace kx::doctor
