#include "cli/control_values.h"

namespace kx::cli {

namespace {

constexpr char kNone[] = "none";
constexpr char kUnassignedItem[] = "--";

Result<int> find_by_name(const QStringList& names, const QString& text, const QString& what) {
    bool is_number = false;
    const int index = text.toInt(&is_number);
    if (is_number) {
        if (index >= 0 && index < names.size())
            return index;
        return Error{QStringLiteral("There is no %1 %2: the running effect has %3.")
                         .arg(what, text)
                         .arg(names.size())};
    }
    if (const qsizetype exact = names.indexOf(text); exact >= 0)
        return int(exact);
    for (int i = 0; i < names.size(); ++i)
        if (names.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return Error{QStringLiteral("The running effect has no %1 \"%2\" (it has: %3).")
                     .arg(what, text, names.join(QStringLiteral(", ")))};
}

std::optional<int> number_value(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

Result<int> find_control(const ControlDescription& description, const QString& name_or_index) {
    QStringList names;
    for (const ControlEntry& control : description.controls)
        names << control.label;
    return find_by_name(names, name_or_index, QStringLiteral("control"));
}

Result<int> find_readback(const ControlDescription& description, const QString& name_or_index) {
    return find_by_name(description.readbacks, name_or_index, QStringLiteral("readback"));
}

bool value_text_in_range(const QString& text) {
    const auto number = number_value(text);
    return !number || (*number >= 0 && *number <= kMaxControlValue);
}

Result<int> parse_control_value(const ControlEntry& control, const QString& text) {
    if (const auto number = number_value(text)) {
        if (*number < 0 || *number > kMaxControlValue)
            return Error{QStringLiteral("%1 is out of range: a value is 0 to %2.")
                             .arg(text)
                             .arg(kMaxControlValue)};
        return *number;
    }
    switch (control.kind) {
    case ControlKind::Pot:
        break;
    case ControlKind::Switch:
        if (text.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0 ||
            (!control.state1_text.isEmpty() &&
             text.compare(control.state1_text, Qt::CaseInsensitive) == 0))
            return switch_value(true);
        if (text.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0 ||
            (!control.state0_text.isEmpty() &&
             text.compare(control.state0_text, Qt::CaseInsensitive) == 0))
            return switch_value(false);
        return Error{QStringLiteral("\"%1\" is not a value of the switch %2: give on or off.")
                         .arg(text, control.label)};
    case ControlKind::MultiSwitch:
        for (int k = 0; k < control.options.size(); ++k)
            if (control.options.at(k).compare(text, Qt::CaseInsensitive) == 0)
                return multi_switch_value(k, int(control.options.size()));
        return Error{QStringLiteral("\"%1\" is not an option of %2 (it has: %3).")
                         .arg(text, control.label, control.options.join(QStringLiteral(", ")))};
    }
    return Error{QStringLiteral("\"%1\" is not a value of %2: give 0 to %3.")
                     .arg(text, control.label)
                     .arg(kMaxControlValue)};
}

QString value_meaning(const ControlEntry& control, int value) {
    switch (control.kind) {
    case ControlKind::Pot:
        break;
    case ControlKind::Switch:
        switch (switch_state_from_value(value)) {
        case SwitchState::On:
            return QStringLiteral("on");
        case SwitchState::Off:
            return QStringLiteral("off");
        case SwitchState::Unchanged:
            break;
        }
        break;
    case ControlKind::MultiSwitch:
        if (!control.options.isEmpty())
            return control.options.value(
                multi_switch_option_from_value(value, int(control.options.size())));
        break;
    }
    return QString::number(value);
}

QString kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Pot:
        return QStringLiteral("knob");
    case ControlKind::Switch:
        return QStringLiteral("switch");
    case ControlKind::MultiSwitch:
        return QStringLiteral("selector");
    }
    return {};
}

Result<quint8> parse_assignment(AssignmentBox box, const QString& text) {
    if (text.compare(QLatin1String(kNone), Qt::CaseInsensitive) == 0 ||
        text == QLatin1String(kUnassignedItem))
        return kUnassignedCode;
    const QStringList items = assignment_box_items(box);
    for (int i = 0; i < items.size() - 1; ++i)
        if (items.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return assignment_code(box, i);
    QStringList offered = items.mid(0, items.size() - 1);
    offered << QLatin1String(kNone);
    return Error{QStringLiteral("\"%1\" cannot be assigned here (give one of: %2).")
                     .arg(text, offered.join(QStringLiteral(", ")))};
}

QString assignment_text(AssignmentBox box, quint8 code) {
    if (code == kUnassignedCode)
        return QLatin1String(kNone);
    const int item = assignment_box_item(box, code);
    if (item < 0)
        return code_text(code);
    return assignment_box_items(box).at(item);
}

} // namespace kx::cli
