#pragma once

#include "platform/diagnosis.h"

#include <QString>
#include <QStringList>

namespace kx::doctor {

// The udev rule that lets the user at the computer open the pedal's chip: the seat's access
// list (uaccess) rather than a wider mode, for USB 0403:6015 only. It also tells ModemManager
// not to probe the pedal for a modem. The packaged rule file holds the same line.
inline constexpr char kRuleFileName[] = "60-kestrel-x-editor.rules";
inline constexpr char kRuleLine[] =
    R"(SUBSYSTEM=="tty", ATTRS{idVendor}=="0403", ATTRS{idProduct}=="6015", )"
    R"(TAG+="uaccess", ENV{ID_MM_DEVICE_IGNORE}="1")";
// Where an administrator's rules go.
inline constexpr char kRuleDir[] = "/etc/udev/rules.d";

// rule_install_command() (platform/diagnosis.h) is one command line for a terminal that
// installs the rule with sudo and applies it to the chips already attached;
// rule_install_program() and rule_install_arguments() do the same through pkexec (the desktop
// asks for the password).

// The command that adds `user` to `group`; it takes effect at the next login.
QString join_group_command(const QString& group, const QString& user);

} // namespace kx::doctor
