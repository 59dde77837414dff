#include "platform/linux/doctor/node_probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kx::doctor {

Identity current_identity() {
    Identity identity;
    identity.uid = ::getuid();
    identity.is_this_process = true;
    if (const passwd* entry = ::getpwuid(identity.uid))
        identity.name = QString::fromLocal8Bit(entry->pw_name);
    else
        identity.name = QString::number(identity.uid);
    identity.groups << ::getgid();
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<size_t>(count));
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            if (!identity.groups.contains(groups[static_cast<size_t>(i)]))
                identity.groups << groups[static_cast<size_t>(i)];
    }
    return identity;
}

NodeFacts probe_node(const QString& path, bool ask_system) {
    NodeFacts facts;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR)
            facts.error = QString::fromLocal8Bit(std::strerror(error));
        facts.canonical = path;
        return facts;
    }
    facts.exists = true;
    facts.char_device = S_ISCHR(info.st_mode);
    facts.owner = info.st_uid;
    facts.group = info.st_gid;
    facts.mode = info.st_mode & 07777;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    facts.canonical = canonical.isEmpty() ? path : canonical;
    if (ask_system)
        facts.system_allows = ::access(native.constData(), R_OK | W_OK) == 0;
    return facts;
}

DoctorSources system_sources() {
    QString root = qEnvironmentVariable("KX_DIAGNOSE_ROOT");
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    DoctorSources sources;
    sources.sys_root = root + QStringLiteral("/sys");
    sources.proc_root = root + QStringLiteral("/proc");
    sources.etc_root = root + QStringLiteral("/etc");
    for (const char* dir : {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/local/lib/udev/rules.d",
                            "/usr/lib/udev/rules.d", "/lib/udev/rules.d"})
        sources.rule_dirs << root + QLatin1String(dir);
    sources.probe = [](const QString& path) { return probe_node(path, true); };
    sources.identity = current_identity();
    sources.own_pid = QCoreApplication::applicationPid();
    return sources;
}

} // namespace kx::doctor
