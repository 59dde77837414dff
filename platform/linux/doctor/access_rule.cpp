#include "platform/linux/doctor/access_rule.h"

namespace kx::doctor {

namespace {

QString rule_path() {
    return QLatin1String(kRuleDir) + QLatin1Char('/') + QLatin1String(kRuleFileName);
}

// udevd reads new rules by itself, but only applies them to devices added later: "trigger"
// replays the serial ports that are already there.
constexpr char kReload[] = "udevadm control --reload-rules";
constexpr char kTrigger[] = "udevadm trigger --subsystem-match=tty";

} // namespace

QString rule_install_command() {
    return QStringLiteral("echo '%1' | sudo tee %2 >/dev/null && sudo %3 && sudo %4")
        .arg(QLatin1String(kRuleLine), rule_path(), QLatin1String(kReload),
             QLatin1String(kTrigger));
}

QString rule_install_program() {
    return QStringLiteral("pkexec");
}

QStringList rule_install_arguments() {
    const QString script = QStringLiteral("printf '%s\\n' '%1' > %2 && %3 && %4")
                               .arg(QLatin1String(kRuleLine), rule_path(), QLatin1String(kReload),
                                    QLatin1String(kTrigger));
    return {QStringLiteral("/bin/sh"), QStringLiteral("-c"), script};
}

QString join_group_command(const QString& group, const QString& user) {
    return QStringLiteral("sudo usermod -aG %1 %2").arg(group, user);
}

} // namespace kx::doctor
