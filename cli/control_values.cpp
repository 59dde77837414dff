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

Result<int> parse_control_value(const ControlEntry& control, const QString& text, bool raw) {
    const auto number = number_value(text);
    if (number && (*number < 0 || *number > kMaxControlValue))
        return Error{QStringLiteral("%1 is out of range: a value is 0 to %2.")
                         .arg(text)
                         .arg(kMaxControlValue)};
    if (raw || control.kind == ControlKind::Pot) {
        if (number)
            return *number;
        return Error{QStringLiteral("\"%1\" is not a value of %2: give 0 to %3.")
                         .arg(text, control.label)
                         .arg(kMaxControlValue)};
    }
    if (control.kind == ControlKind::Switch) {
        const auto is = [&](const QString& word) {
            return !word.isEmpty() && text.compare(word, Qt::CaseInsensitive) == 0;
        };
        if (is(QStringLiteral("on")) || is(control.state1_text))
            return switch_value(true);
        if (is(QStringLiteral("off")) || is(control.state0_text))
            return switch_value(false);
        return Error{QStringLiteral("\"%1\" is not a value of the switch %2: give on or off (a "
                                    "raw value needs --raw).")
                         .arg(text, control.label)};
    }
    // An option's name first: names may be digits ("1+2"), and then they are what is meant.
    const int count = int(control.options.size());
    for (int k = 0; k < count; ++k)
        if (control.options.at(k).compare(text, Qt::CaseInsensitive) == 0)
            return multi_switch_value(k, count);
    if (number && *number >= 1 && *number <= count)
        return multi_switch_value(*number - 1, count);
    QStringList offered;
    for (int k = 0; k < count; ++k)
        offered << QStringLiteral("%1 %2").arg(k + 1).arg(control.options.at(k));
    return Error{QStringLiteral("\"%1\" is not an option of %2 (give a name or number: %3; a raw "
                                "value needs --raw).")
                     .arg(text, control.label, offered.join(QStringLiteral(", ")))};
}

std::optional<int> option_number(const ControlEntry& control, int value) {
    // A value the pedal cannot hold selects no option rather than the nearer end.
    if (control.kind != ControlKind::MultiSwitch || control.options.isEmpty() || value < 0 ||
        value > kMaxControlValue)
        return std::nullopt;
    return multi_switch_option_from_value(value, int(control.options.size())) + 1;
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
        if (const auto option = option_number(control, value))
            return control.options.value(*option - 1);
        break;
    }
    return QString::number(value);
}

QJsonObject control_json(int index, const ControlEntry& control, std::optional<int> value,
                         const QJsonValue& assignment) {
    const std::optional<int> option = value ? option_number(control, *value) : std::nullopt;
    return QJsonObject{
        {QStringLiteral("index"), index},
        {QStringLiteral("name"), control.label},
        {QStringLiteral("kind"), kind_name(control.kind)},
        {QStringLiteral("value"), value ? QJsonValue(*value) : QJsonValue()},
        {QStringLiteral("text"), value ? QJsonValue(value_meaning(control, *value)) : QJsonValue()},
        {QStringLiteral("option"), option ? QJsonValue(*option) : QJsonValue()},
        {QStringLiteral("assignment"), assignment},
    };
}

QString kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Pot:
        return QStringLiteral("knob");
    case ControlKind::Switch:
        return QStringLiteral("switch");
    case ControlKind::MultiSwitch:
        return QStringLiteral("options");
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
