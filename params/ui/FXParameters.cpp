#include "params/ui/FXParameters.h"

#include "base/clock.h"
#include "base/dialogs.h"
#include "base/log.h"
#include "library/hex_text.h"
#include "link/D2XXUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kx {

namespace {

constexpr char kCaption[] = "FX Parameters";
constexpr int kClientWidth = 373;
constexpr int kExtraRows = 4;

// The window's layout: row r at y = 25r + 10, widgets 20 high; controls in rows 0..N-1, then
// bypass, preset and the readbacks. Columns: the row's label, its slider, toggle or list, a
// line, the assignment box. The lists and boxes are as wide as the looks' padding and arrow
// need to show their longest option ("Octave+Fifth", "GREEN") whole in 373 pixels.
constexpr int kRowPitch = 25;
constexpr int kTop = 10;
constexpr int kWidgetHeight = 20;
constexpr int kLabelX = 10;
constexpr int kLabelWidth = 140;
constexpr int kMultiLabelWidth = kLabelWidth;
constexpr int kEditX = kLabelX + kLabelWidth;
constexpr int kEditWidth = 120;
// A switch row shows its toggle where the other rows begin their slider or list, and the state
// text after it, so that a long state text ("Chorus->Plate") is read whole and covers neither
// the toggle nor the row's label.
constexpr int kToggleX = kEditX;
constexpr int kToggleWidth = 24;
constexpr int kStateLabelX = kToggleX + kToggleWidth + 4;
constexpr int kStateLabelWidth = kEditX + kEditWidth - kStateLabelX;
constexpr int kSeparatorX = kEditX + kEditWidth + 6;
constexpr double kSeparatorPerControl = 24.5;
constexpr int kBoxX = kSeparatorX + 6;
constexpr int kBoxWidth = 86;

int row_y(int row) {
    return kRowPitch * row + kTop;
}

// The on/off toggle of a switch row: a check box with no text of its own (the state label
// beside it says the state), which answers a click anywhere in its 40 pixels, not only on the
// small indicator.
class Toggle : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

int parameters_window_height(int control_count, int readback_count) {
    return (control_count + readback_count + kExtraRows) * kRowPitch + kTop;
}

TformFXParameters::TformFXParameters(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint) {
    setObjectName(QStringLiteral("formFXParameters"));
    setWindowTitle(latin1(kCaption));
    setAccessibleName(latin1(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kClientWidth, parameters_window_height(0, 0));
}

TformFXParameters::~TformFXParameters() = default;

void TformFXParameters::attach(PedalSession& session, ConnectionUi& status, ResourceStore& store,
                               Dialogs& dialogs, Log& log, Clock& clock) {
    m_session = &session;
    m_main = &status;
    m_store = &store;
    m_dialogs = &dialogs;
    m_log = &log;
    m_clock = &clock;
    connect(&session, &PedalSession::link_state_changed, this, &TformFXParameters::refresh_live);
    connect(&session, &PedalSession::effect_changed, this, &TformFXParameters::refresh_live);
    connect(&session, &PedalSession::values_read, this, &TformFXParameters::refresh_live);
    connect(&session, &PedalSession::value_changed, this,
            &TformFXParameters::session_value_changed);
    connect(&session, &PedalSession::assignments_changed, this, [this](ValueOrigin origin) {
        if (m_live && origin != ValueOrigin::UserEdit)
            show_assignments();
    });
}

bool TformFXParameters::effect_is_live() const {
    return m_session && m_session->is_live(selected_effect_name);
}

const FXParametersState& TformFXParameters::state() const {
    return m_live ? m_session->state() : m_state;
}

void TformFXParameters::set_preview_values(const QList<int>& values) {
    m_state.values = values;
    if (!m_live)
        setItems();
}

void TformFXParameters::refresh_live() {
    const bool live = effect_is_live();
    const bool was = std::exchange(m_live, live);
    if (control_count() == 0)
        return;
    if (live) {
        setItems();
        show_assignments();
    }
    if (live != was || !live)
        EnableDisableControls(live);
}

void TformFXParameters::session_value_changed(int i, int value, ValueOrigin origin) {
    // A user edit is already on screen.
    if (m_live && origin != ValueOrigin::UserEdit && i < control_count())
        show_value(i, value);
}

void TformFXParameters::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        OnShow();
}

void TformFXParameters::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        OnClose();
}

void TformFXParameters::OnShow() {
    // Values read for one effect mean nothing for another: a preset saved from them would carry
    // the wrong effect's settings under this one's number.
    if (selected_effect_name != m_values_effect) {
        m_state = FXParametersState();
        m_values_effect = selected_effect_name;
    }
    clear_rows();
    if (!build_rows()) {
        clear_rows();
        m_description = ControlDescription();
    }
    setFixedHeight(parameters_window_height(control_count(), readback_count()));
    m_live = effect_is_live();
    setItems();
    show_assignments();
    EnableDisableControls(m_live);
}

void TformFXParameters::OnClose() {
    clear_rows();
    m_description = ControlDescription();
    emit closed();
}

void TformFXParameters::clear_rows() {
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets) {
        // A widget going away must not run a handler on the half-dismantled rows.
        widget->blockSignals(true);
        delete widget;
    }
    for (auto* table : {&m_row_labels, &m_state_labels, &m_readback_labels})
        table->clear();
    for (auto* table : {&m_lists, &m_boxes, &m_readback_boxes})
        table->clear();
    m_sliders.clear();
    m_toggles.clear();
    m_option_counts.clear();
    m_bypass_label = m_preset_label = nullptr;
    m_bypass_box = m_preset_box = nullptr;
    m_separator = nullptr;
}

QLabel* TformFXParameters::add_row_label(int row, const QString& text, const QString& hint,
                                         const QString& accessible_row) {
    auto* label = new QLabel(text, this);
    label->setGeometry(kLabelX, row_y(row), kLabelWidth, kWidgetHeight);
    label->setToolTip(hint);
    label->setAccessibleName(accessible_row + QStringLiteral(" label"));
    label->show();
    return label;
}

QComboBox* TformFXParameters::add_box(int row, AssignmentBox kind, const QString& object_name,
                                      const QString& accessible_row) {
    auto* box = new QComboBox(this);
    box->setObjectName(object_name);
    box->setAccessibleName(accessible_row + QStringLiteral(" assignment"));
    box->addItems(assignment_box_items(kind));
    box->setCurrentIndex(-1);
    box->setGeometry(kBoxX, row_y(row), kBoxWidth, kWidgetHeight);
    box->show();
    return box;
}

bool TformFXParameters::build_rows() {
    if (!m_store || !m_log || !m_dialogs)
        return false;
    QString error;
    auto description = read_control_description(selected_effect_name, *m_store, *m_log, &error);
    if (!description) {
        m_dialogs->message(error);
        return false;
    }
    m_description = *description;

    const int n = m_description.control_count;
    const int r = m_description.readback_count;
    m_row_labels.fill(nullptr, n);
    m_sliders.fill(nullptr, n);
    m_toggles.fill(nullptr, n);
    m_state_labels.fill(nullptr, n);
    m_lists.fill(nullptr, n);
    m_option_counts.fill(0, n);

    for (int i = 0; i < n; ++i) {
        const ControlEntry& entry = m_description.controls.at(i);
        switch (entry.kind) {
        case ControlKind::Pot: {
            m_row_labels[i] = add_row_label(i, entry.raw_line, entry.raw_line, entry.label);
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setObjectName(QStringLiteral("sldPot%1").arg(i));
            slider->setAccessibleName(entry.label + QStringLiteral(" slider"));
            slider->setRange(0, kMaxControlValue);
            slider->setGeometry(kEditX, row_y(i), kEditWidth, kWidgetHeight);
            slider->show();
            connect(slider, &QSlider::valueChanged, this, [this, i] { PotParameterChange(i); });
            m_sliders[i] = slider;
            break;
        }
        case ControlKind::Switch: {
            auto* toggle = new Toggle(this);
            toggle->setObjectName(QStringLiteral("chkSwitch%1").arg(i));
            toggle->setAccessibleName(entry.label + QStringLiteral(" switch"));
            toggle->setGeometry(kToggleX, row_y(i), kToggleWidth, kWidgetHeight);
            connect(toggle, &QCheckBox::clicked, this, [this, i] { SwitchParameterClick(i); });
            m_toggles[i] = toggle;
            m_row_labels[i] = add_row_label(i, entry.label, QString(), entry.label);
            m_log->print_line(entry.state0_text);
            m_log->print_line(entry.state1_text);
            auto* state = new QLabel(entry.state0_text, this);
            state->setObjectName(QStringLiteral("lblSwitchState%1").arg(i));
            state->setAccessibleName(entry.label + QStringLiteral(" state"));
            state->setGeometry(kStateLabelX, row_y(i), kStateLabelWidth, kWidgetHeight);
            state->show();
            toggle->show();
            m_state_labels[i] = state;
            break;
        }
        case ControlKind::MultiSwitch: {
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("cmbMultiSwitch%1").arg(i));
            list->setAccessibleName(entry.label + QStringLiteral(" options"));
            list->setGeometry(kEditX, row_y(i), kEditWidth, kWidgetHeight);
            QLabel* label = add_row_label(i, entry.label, QString(), entry.label);
            label->setWordWrap(true);
            label->resize(kMultiLabelWidth,
                          std::max(kWidgetHeight, label->heightForWidth(kMultiLabelWidth)));
            m_row_labels[i] = label;
            m_log->print_line(entry.raw_line.mid(entry.label.size() + 1));
            for (const QString& option : entry.options) {
                m_log->print_line(option);
                list->addItem(option);
            }
            list->setCurrentIndex(-1);
            m_option_counts[i] = int(entry.options.size());
            connect(list, &QComboBox::currentIndexChanged, this,
                    [this, i] { MultiSwitchOnChange(i); });
            list->show();
            m_lists[i] = list;
            break;
        }
        }
        if (m_row_labels[i])
            m_row_labels[i]->setObjectName(QStringLiteral("lblControl%1").arg(i));
    }

    // Controls beyond the message's 16 slots cannot be assigned: their rows have no box.
    for (int i = 0; i < std::min(n, kAssignableControls); ++i) {
        QComboBox* box = add_box(i, AssignmentBox::Control, QStringLiteral("boxAssign%1").arg(i),
                                 m_description.controls.at(i).label);
        connect(box, &QComboBox::currentIndexChanged, this, [this, i] { boxAssignOnChange(i); });
        m_boxes << box;
    }

    m_separator = new QFrame(this);
    m_separator->setObjectName(QStringLiteral("lnSeparator"));
    m_separator->setAccessibleName(QStringLiteral("Assignment separator"));
    m_separator->setFrameShape(QFrame::VLine);
    m_separator->setGeometry(kSeparatorX, kTop, 1, int(std::lround(kSeparatorPerControl * n)));
    m_separator->show();

    m_bypass_label = add_row_label(n, latin1(kCaptionBypassToggle), latin1(kCaptionBypassToggle),
                                   QStringLiteral("Bypass"));
    m_bypass_label->setObjectName(QStringLiteral("lblBypass"));
    m_bypass_box = add_box(n, AssignmentBox::BypassOrPreset, QStringLiteral("boxAssignBypass"),
                           QStringLiteral("Bypass"));
    connect(m_bypass_box, &QComboBox::currentIndexChanged, this,
            &TformFXParameters::boxAssignBypassOnChange);
    m_preset_label = add_row_label(n + 1, latin1(kCaptionPresetChange),
                                   latin1(kCaptionPresetChange), QStringLiteral("Preset"));
    m_preset_label->setObjectName(QStringLiteral("lblPreset"));
    m_preset_box = add_box(n + 1, AssignmentBox::BypassOrPreset, QStringLiteral("boxAssignPreset"),
                           QStringLiteral("Preset"));
    connect(m_preset_box, &QComboBox::currentIndexChanged, this,
            &TformFXParameters::boxAssignPresetOnChange);

    for (int j = 0; j < r; ++j) {
        const QString& line = m_description.readbacks.at(j);
        QLabel* label = add_row_label(n + 2 + j, line, line, line);
        label->setObjectName(QStringLiteral("lblReadback%1").arg(j));
        m_readback_labels << label;
        QComboBox* box = add_box(n + 2 + j, AssignmentBox::Readback,
                                 QStringLiteral("boxAssignRdbcks%1").arg(j), line);
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, j] { boxAssignRdbcksOnChange(j); });
        m_readback_boxes << box;
    }
    return true;
}

void TformFXParameters::EnableDisableControls(bool AEnable) {
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets)
        widget->setEnabled(AEnable);
}

// ---- values

void TformFXParameters::setItems() {
    // A preset may carry more or fewer values than the open effect has controls.
    const QList<int>& values = state().values;
    const int shown = std::min<int>(control_count(), int(values.size()));
    for (int i = 0; i < shown; ++i)
        show_value(i, values.at(i));
}

void TformFXParameters::show_value(int i, int value) {
    // What the pedal or a file holds is shown, never sent back.
    if (QSlider* slider = m_sliders.value(i)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(std::clamp(value, 0, kMaxControlValue));
    } else if (QCheckBox* toggle = m_toggles.value(i)) {
        const SwitchState state = switch_state_from_value(value);
        if (state != SwitchState::Unchanged)
            toggle->setChecked(state == SwitchState::On);
        refresh_state_label(i);
    } else if (QComboBox* list = m_lists.value(i)) {
        // A value outside the options selects none.
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(multi_switch_option_from_value(value, m_option_counts.at(i)));
    }
}

void TformFXParameters::refresh_state_label(int i) {
    const ControlEntry& entry = m_description.controls.at(i);
    m_state_labels.at(i)->setText(m_toggles.at(i)->isChecked() ? entry.state1_text
                                                               : entry.state0_text);
}

void TformFXParameters::show_assignments() {
    const FXParametersState& codes = state();
    auto show = [](QComboBox* box, AssignmentBox kind, quint8 code) {
        if (!box)
            return;
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(assignment_box_item(kind, code));
    };
    for (int i = 0; i < int(m_boxes.size()); ++i)
        show(m_boxes.at(i), AssignmentBox::Control, codes.control_assignments[i]);
    for (int j = 0; j < int(m_readback_boxes.size()); ++j)
        show(m_readback_boxes.at(j), AssignmentBox::Readback, codes.readback_assignments[j]);
    show(m_bypass_box, AssignmentBox::BypassOrPreset, codes.bypass_assignment);
    show(m_preset_box, AssignmentBox::BypassOrPreset, codes.preset_assignment);
}

// ---- messages

Status TformFXParameters::send_parameter(int i, int value) {
    if (!m_session)
        return Error{QStringLiteral("The parameters window has no pedal link.")};
    // Another effect's addresses would overwrite the running effect's parameters.
    if (!m_live)
        return {};
    const Status status = m_session->write_control(i, value);
    report(status);
    return status;
}

Status TformFXParameters::send_pot(int i) {
    QSlider* slider = m_sliders.value(i);
    if (!slider)
        return Error{QStringLiteral("Control %1 is not a pot.").arg(i)};
    return send_parameter(i, pot_value(slider->value()));
}

Status TformFXParameters::send_switch(int i) {
    QCheckBox* toggle = m_toggles.value(i);
    if (!toggle)
        return Error{QStringLiteral("Control %1 is not a switch.").arg(i)};
    return send_parameter(i, switch_value(toggle->isChecked()));
}

Status TformFXParameters::send_multiswitch(int i) {
    QComboBox* list = m_lists.value(i);
    if (!list)
        return Error{QStringLiteral("Control %1 is not a multi switch.").arg(i)};
    if (list->currentIndex() < 0)
        return {}; // no option chosen: nothing to send
    return send_parameter(i, multi_switch_value(list->currentIndex(), m_option_counts.at(i)));
}

Status TformFXParameters::assign_to_pedal() {
    if (!m_session || !m_dialogs)
        return Error{QStringLiteral("The parameters window has no pedal link.")};
    if (m_dialogs->confirm(latin1(kConfirmAssign)) == Dialogs::Answer::No)
        return {};
    const Status status = m_session->assign();
    report(status);
    return status;
}

void TformFXParameters::report(const Status& status) {
    if (status)
        return;
    switch (status.error_kind()) {
    case ErrorKind::Busy:     // the link has shown its status text
    case ErrorKind::LinkLost: // the link has reported it once
        return;
    case ErrorKind::NotConnected:
        if (m_main)
            m_main->show_status_text(status.error());
        return;
    default:
        if (m_dialogs)
            m_dialogs->message(status.error());
    }
}

// ---- handlers

void TformFXParameters::PotParameterChange(int i) {
    if (live_mode)
        return;
    (void)send_pot(i);
}

void TformFXParameters::SwitchParameterClick(int i) {
    if (live_mode)
        return;
    (void)send_switch(i);
    refresh_state_label(i);
}

void TformFXParameters::MultiSwitchOnChange(int i) {
    (void)send_multiswitch(i);
}

void TformFXParameters::boxAssignOnChange(int i) {
    const quint8 code = assignment_code(AssignmentBox::Control, m_boxes.at(i)->currentIndex());
    if (m_live)
        m_session->set_control_assignment(i, code);
    else
        m_state.control_assignments[i] = code;
}

void TformFXParameters::boxAssignRdbcksOnChange(int j) {
    const quint8 code =
        assignment_code(AssignmentBox::Readback, m_readback_boxes.at(j)->currentIndex());
    if (m_live)
        m_session->set_readback_assignment(j, code);
    else
        m_state.readback_assignments[j] = code;
    m_log->print_line(code_text(code));
}

void TformFXParameters::boxAssignBypassOnChange() {
    const quint8 code =
        assignment_code(AssignmentBox::BypassOrPreset, m_bypass_box->currentIndex());
    if (m_live)
        m_session->set_bypass_assignment(code);
    else
        m_state.bypass_assignment = code;
    m_log->print_line(latin1(kLogBypassAssignment) + code_text(code));
}

void TformFXParameters::boxAssignPresetOnChange() {
    const quint8 code =
        assignment_code(AssignmentBox::BypassOrPreset, m_preset_box->currentIndex());
    if (m_live)
        m_session->set_preset_assignment(code);
    else
        m_state.preset_assignment = code;
    m_log->print_line(latin1(kLogPresetAssignment) + code_text(code));
}

} // namespace kx
