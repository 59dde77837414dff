#include "params/ui/FXParameters.h"

#include "base/clock.h"
#include "base/dialogs.h"
#include "base/hex_text.h"
#include "base/log.h"
#include "base/plain_text.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "library/fx_info_page.h"
#include "library/resource_store.h"
#include "params/pedal_controls.h"
#include "params/ui/ParameterEdits.h"
#include "params/ui/PotSlider.h"
#include "session/pedal_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kx {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformFXParameters", "FX Parameters");
constexpr int kExtraRows = 4;

// The window's layout: a row of column headings, then row r at y = 25r + 35, widgets 20 high;
// controls in rows 0..N-1, then bypass, preset and the readbacks. Columns: the row's label, its
// slider, toggle or list, a pot's value, a line, the assignment box. The lists and boxes are as
// wide as the looks' padding and arrow need to show their longest option ("Octave+Fifth",
// "GREEN") whole.
constexpr int kRowPitch = 25;
constexpr int kHeadingTop = 10;
constexpr int kTop = kHeadingTop + kRowPitch;
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
// A pot's value as a number, to read and to type: four digits. The arrow keys, Page Up/Down
// and the wheel step it; the slider beside it is the mouse's way, so it shows no buttons
// (which the looks would not draw).
constexpr int kValueX = kEditX + kEditWidth + 4;
constexpr int kValueWidth = 48;
constexpr int kSeparatorX = kValueX + kValueWidth + 6;
constexpr double kSeparatorPerControl = 24.5;
constexpr int kBoxX = kSeparatorX + 6;
constexpr int kBoxWidth = 86;
constexpr char kTextNotAssignable[] = QT_TRANSLATE_NOOP("kx::TformFXParameters", "not assignable");
constexpr char kHintNotAssignable[] =
    QT_TRANSLATE_NOOP("kx::TformFXParameters",
                      "The pedal's controls can drive the first 16 controls of an effect only");
constexpr int kClientWidth = kBoxX + kBoxWidth + 5;
constexpr char kHeadingValue[] = QT_TRANSLATE_NOOP("kx::TformFXParameters", "Value");
constexpr char kHeadingPedalControl[] = QT_TRANSLATE_NOOP("kx::TformFXParameters", "Pedal control");

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

// While it lives, widget changes are the program's own, not the user's edits.
class ProgramChange {
public:
    explicit ProgramChange(int& depth) : m_depth(depth) { ++m_depth; }
    ~ProgramChange() { --m_depth; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    int& m_depth;
};

// A value box whose Ctrl+Z and Ctrl+Shift+Z are the editor's Undo and Redo. Its own text undo
// would take the keys and give nothing back: a typed value has gone out on Enter already.
class ValueBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
            if (keys == QKeySequence(Qt::CTRL | Qt::Key_Z) ||
                keys == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
                event->ignore(); // left to the shortcut
                return true;
            }
        }
        return QSpinBox::event(event);
    }
};

} // namespace

int parameters_window_height(int control_count, int readback_count) {
    return (control_count + readback_count + kExtraRows) * kRowPitch + kTop;
}

int parameters_window_width() {
    return kClientWidth;
}

TformFXParameters::TformFXParameters(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint) {
    setObjectName(QStringLiteral("formFXParameters"));
    // A screen reader names the window by its title, which tells the effect.
    set_translated(this, "windowTitle", "kx::TformFXParameters", kCaption);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(parameters_window_width(), parameters_window_height(0, 0));
    m_undo.setObjectName(QStringLiteral("undoParameters"));
    // Escape closes as the title bar's button does: unstored edits are asked about first.
    close_on_escape(this);
    connect(&m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit unstored_changed(!clean); });
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
    connect(&session, &PedalSession::comparing_changed, this, &TformFXParameters::refresh_compare);
    connect(&session, &PedalSession::stored_changed, this, &TformFXParameters::refresh_compare);
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
        set_editors_enabled(live);
    if (live != was)
        emit assignments_changed();
}

void TformFXParameters::set_editors_enabled(bool enabled) {
    // The labels stay readable; only what would send to the pedal follows the live state.
    for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QFrame*>(widget) && widget != m_scroll)
            widget->setEnabled(enabled);
    refresh_compare();
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
    const bool same_effect = selected_effect_name == m_values_effect;
    if (!same_effect) {
        m_state = FXParametersState();
        m_values_effect = selected_effect_name;
    }
    clear_rows();
    // Another effect starts afresh: the main window has asked about unstored edits before it
    // opens one. The same effect shown again (its window was closed) keeps its edits unstored
    // and undoable: the steps name rows by index, which the rebuilt rows have again.
    if (!same_effect || !has_unstored_edits())
        m_undo.clear();
    if (!build_rows()) {
        clear_rows();
        m_description = ControlDescription();
    }
    setFixedHeight(parameters_window_height(control_count(), readback_count()));
    m_live = effect_is_live();
    setItems();
    // A preview's boxes show only what was chosen in them.
    if (m_live)
        show_assignments();
    set_editors_enabled(m_live);
    m_settings.clear();
    for (int i = 0; i < control_count(); ++i)
        m_settings << setting_of(i);
    m_codes_shown = state();
    emit assignments_changed();
}

void TformFXParameters::OnClose() {
    clear_rows();
    m_description = ControlDescription();
    emit closed();
    emit assignments_changed();
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
    m_values.clear();
    m_toggles.clear();
    m_option_counts.clear();
    m_bypass_label = m_preset_label = nullptr;
    m_bypass_box = m_preset_box = nullptr;
    btnCompare = nullptr;
    lblPlaying = nullptr;
    m_separator_height = 0;
    m_scroll = nullptr; // deleted with the rows; the window shows them whole again
    m_offset = 0;
    setFixedWidth(parameters_window_width());
    update();
}

QLabel* TformFXParameters::add_row_label(int row, const QString& text, const QString& hint) {
    // Named by its text, as a reader shows it.
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(kLabelX, row_y(row), kLabelWidth, kWidgetHeight);
    label->setToolTip(plain_tooltip(hint));
    label->show();
    return label;
}

QSpinBox* TformFXParameters::add_value_box(int row, const QString& label, QSlider* slider) {
    auto* value = new ValueBox(this);
    value->setObjectName(QStringLiteral("spnPot%1").arg(row));
    value->setAccessibleName(tr("%1 value").arg(label));
    value->setRange(0, kMaxControlValue);
    // A typed value goes out once, when it is complete (Enter or leaving the box), not digit by
    // digit; the arrows and Page Up/Down step at once.
    value->setKeyboardTracking(false);
    value->setAlignment(Qt::AlignRight);
    value->setButtonSymbols(QAbstractSpinBox::NoButtons);
    value->setGeometry(kValueX, row_y(row), kValueWidth, kWidgetHeight);
    value->setEnabled(slider->isEnabled());
    value->setValue(slider->value());
    // The slider sends; the box only follows it and moves it.
    connect(slider, &QSlider::valueChanged, value, [value](int v) {
        const QSignalBlocker quiet(value);
        value->setValue(v);
    });
    connect(value, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    value->show();
    return value;
}

void TformFXParameters::add_headings() {
    const auto heading = [this](const char* text, const char* name, int x, int width) {
        auto* label = new QLabel(this);
        set_translated(label, "text", "kx::TformFXParameters", text);
        label->setObjectName(QLatin1String(name));
        set_translated(label, "accessibleName", "kx::TformFXParameters", text);
        label->setGeometry(x, kHeadingTop, width, kWidgetHeight);
        label->show();
    };
    heading(kHeadingValue, "lblValueHeading", kValueX, kValueWidth);
    heading(kHeadingPedalControl, "lblPedalControlHeading", kBoxX, kClientWidth - kBoxX);
}

void TformFXParameters::add_compare_row() {
    // Left of the headings, where no column has one: the button and which sound plays.
    constexpr int kCompareWidth = 76;
    btnCompare = new QPushButton(tr("Compare"), this);
    btnCompare->setObjectName(QStringLiteral("btnCompare"));
    btnCompare->setAccessibleName(tr("Compare"));
    btnCompare->setToolTip(tr("Switch the pedal between your edits and the sound as stored on "
                              "the pedal or loaded from a preset (Ctrl+K)"));
    btnCompare->setCheckable(true);
    // The keyboard goes from the window straight to the first control; Edit > Compare (Ctrl+K)
    // is the keyboard's way to this switch.
    btnCompare->setFocusPolicy(Qt::NoFocus);
    btnCompare->setGeometry(kLabelX, kHeadingTop - 2, kCompareWidth, kWidgetHeight + 4);
    // The click asks the session; the check follows what the session then does.
    connect(btnCompare, &QPushButton::clicked, this, [this] {
        refresh_compare();
        (void)toggle_compare();
    });
    btnCompare->show();
    btnCompare->setEnabled(false);
    lblPlaying = new QLabel(tr("Preview only"), this);
    lblPlaying->setObjectName(QStringLiteral("lblPlaying"));
    lblPlaying->setTextFormat(Qt::PlainText);
    lblPlaying->setGeometry(kLabelX + kCompareWidth + 6, kHeadingTop,
                            kValueX - kLabelX - kCompareWidth - 10, kWidgetHeight);
    lblPlaying->show();
}

void TformFXParameters::add_footswitch_hints() {
    const auto page = m_store->read_file_from_stream(info_resource_name(selected_effect_name));
    const QString action = page ? footswitch_action_hint(info_page_text(*page)) : QString();
    if (action.isEmpty())
        return;
    QList<QComboBox*> boxes = m_boxes;
    boxes << m_bypass_box << m_preset_box;
    for (QComboBox* box : boxes) {
        for (int item = 0; item < box->count(); ++item) {
            const QString text = box->itemText(item);
            if (text == QLatin1String("FS") || text == QLatin1String("FL"))
                box->setItemData(item,
                                 box->itemData(item, Qt::ToolTipRole).toString() +
                                     QLatin1Char(' ') + action,
                                 Qt::ToolTipRole);
        }
    }
}

QComboBox* TformFXParameters::add_box(int row, AssignmentBox kind, const QString& object_name,
                                      const QString& accessible_row) {
    auto* box = new QComboBox(this);
    box->setObjectName(object_name);
    box->setAccessibleName(tr("%1 assignment").arg(accessible_row));
    const QStringList items = assignment_box_items(kind);
    box->addItems(items);
    for (int item = 0; item < items.size(); ++item)
        box->setItemData(item, assignment_item_hint(kind, item), Qt::ToolTipRole);
    box->setCurrentIndex(-1);
    box->setGeometry(kBoxX, row_y(row), kBoxWidth, kWidgetHeight);
    box->show();
    return box;
}

bool TformFXParameters::build_rows() {
    if (!m_store || !m_log || !m_dialogs)
        return false;
    auto description = read_control_description(selected_effect_name, *m_store, *m_log);
    if (!description) {
        m_dialogs->message(description.error());
        return false;
    }
    m_description = *description;
    // First, as it reads first: the reading order moves the rows behind it.
    add_compare_row();

    const int n = m_description.control_count;
    const int r = m_description.readback_count;
    m_row_labels.fill(nullptr, n);
    m_sliders.fill(nullptr, n);
    m_values.fill(nullptr, n);
    m_toggles.fill(nullptr, n);
    m_state_labels.fill(nullptr, n);
    m_lists.fill(nullptr, n);
    m_option_counts.fill(0, n);

    for (int i = 0; i < n; ++i) {
        const ControlEntry& entry = m_description.controls.at(i);
        switch (entry.kind) {
        case ControlKind::Pot: {
            m_row_labels[i] = add_row_label(i, entry.raw_line, entry.raw_line);
            auto* slider = new PotSlider(this);
            slider->setObjectName(QStringLiteral("sldPot%1").arg(i));
            slider->setAccessibleName(entry.label);
            slider->setRange(0, kMaxControlValue);
            slider->setGeometry(kEditX, row_y(i), kEditWidth, kWidgetHeight);
            slider->show();
            connect(slider, &QSlider::valueChanged, this, [this, i] { PotParameterChange(i); });
            // One drag is one undo step, however many values it sent.
            connect(slider, &QSlider::sliderPressed, this, [this] { m_drag = ++m_drag_count; });
            connect(slider, &QSlider::sliderReleased, this, [this] { m_drag = 0; });
            m_sliders[i] = slider;
            m_values[i] = add_value_box(i, entry.label, slider);
            break;
        }
        case ControlKind::Switch: {
            auto* toggle = new Toggle(this);
            toggle->setObjectName(QStringLiteral("chkSwitch%1").arg(i));
            toggle->setAccessibleName(entry.label);
            toggle->setGeometry(kToggleX, row_y(i), kToggleWidth, kWidgetHeight);
            connect(toggle, &QCheckBox::clicked, this, [this, i] { SwitchParameterClick(i); });
            m_toggles[i] = toggle;
            m_row_labels[i] = add_row_label(i, entry.label, QString());
            m_log->print_line(entry.state0_text);
            m_log->print_line(entry.state1_text);
            auto* state = new QLabel(entry.state0_text, this);
            state->setTextFormat(Qt::PlainText);
            state->setObjectName(QStringLiteral("lblSwitchState%1").arg(i));
            state->setGeometry(kStateLabelX, row_y(i), kStateLabelWidth, kWidgetHeight);
            state->show();
            toggle->show();
            m_state_labels[i] = state;
            break;
        }
        case ControlKind::MultiSwitch: {
            auto* list = new QComboBox(this);
            list->setObjectName(QStringLiteral("cmbMultiSwitch%1").arg(i));
            list->setAccessibleName(entry.label);
            list->setGeometry(kEditX, row_y(i), kEditWidth, kWidgetHeight);
            QLabel* label = add_row_label(i, entry.label, QString());
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
    // Their rows say so where the box would be, rather than leave a gap without a word.
    for (int i = kAssignableControls; i < n; ++i) {
        auto* note = new QLabel(ui_text("kx::TformFXParameters", kTextNotAssignable), this);
        note->setObjectName(QStringLiteral("lblNotAssignable%1").arg(i));
        set_translated(note, "toolTip", "kx::TformFXParameters", kHintNotAssignable);
        // Dimmer than the row's label, in a colour each look gives with enough contrast.
        note->setProperty("secondary", true);
        note->setGeometry(kBoxX, row_y(i), kClientWidth - kBoxX, kWidgetHeight);
        note->show();
    }

    // Painted, not a widget: a screen reader has nothing to say about a line.
    m_separator_height = int(std::lround(kSeparatorPerControl * n));
    update();

    m_bypass_label = add_row_label(n, ui_text("kx::TformFXParameters", kCaptionBypassToggle),
                                   ui_text("kx::TformFXParameters", kCaptionBypassToggle));
    m_bypass_label->setObjectName(QStringLiteral("lblBypass"));
    m_bypass_box = add_box(n, AssignmentBox::BypassOrPreset, QStringLiteral("boxAssignBypass"),
                           ui_text("kx::TformFXParameters", "Bypass"));
    connect(m_bypass_box, &QComboBox::currentIndexChanged, this,
            &TformFXParameters::boxAssignBypassOnChange);
    m_preset_label = add_row_label(n + 1, ui_text("kx::TformFXParameters", kCaptionPresetChange),
                                   ui_text("kx::TformFXParameters", kCaptionPresetChange));
    m_preset_label->setObjectName(QStringLiteral("lblPreset"));
    m_preset_box = add_box(n + 1, AssignmentBox::BypassOrPreset, QStringLiteral("boxAssignPreset"),
                           ui_text("kx::TformFXParameters", "Preset"));
    connect(m_preset_box, &QComboBox::currentIndexChanged, this,
            &TformFXParameters::boxAssignPresetOnChange);

    for (int j = 0; j < r; ++j) {
        const QString& line = m_description.readbacks.at(j);
        QLabel* label = add_row_label(n + 2 + j, line, line);
        label->setObjectName(QStringLiteral("lblReadback%1").arg(j));
        m_readback_labels << label;
        QComboBox* box = add_box(n + 2 + j, AssignmentBox::Readback,
                                 QStringLiteral("boxAssignRdbcks%1").arg(j), line);
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, j] { boxAssignRdbcksOnChange(j); });
        m_readback_boxes << box;
    }
    add_headings();
    add_footswitch_hints();
    link_rows();
    set_reading_order(this);
    return true;
}

void TformFXParameters::link_rows() {
    // Each row's label names its widgets. The control is its buddy (the label's mnemonic focuses
    // it); a pot's value box and the assignment box get the label as a relation, for the reader.
    for (int i = 0; i < int(m_row_labels.size()); ++i) {
        QLabel* label = m_row_labels.at(i);
        QWidget* control = m_sliders.value(i);
        if (!control)
            control = m_toggles.value(i);
        if (!control)
            control = m_lists.value(i);
        if (!label)
            continue;
        if (control)
            link_label(label, control);
        if (QSpinBox* value = m_values.value(i))
            add_label_relation(label, value);
        if (QComboBox* box = m_boxes.value(i))
            add_label_relation(label, box);
    }
    link_label(m_bypass_label, m_bypass_box);
    link_label(m_preset_label, m_preset_box);
    for (int j = 0; j < int(m_readback_labels.size()); ++j)
        link_label(m_readback_labels.at(j), m_readback_boxes.at(j));
}

void TformFXParameters::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_separator_height <= 0)
        return;
    QPainter painter(this);
    painter.fillRect(kSeparatorX, kTop - m_offset, 1, m_separator_height,
                     palette().color(QPalette::Mid));
}

void TformFXParameters::fit_height(int height) {
    const int full = parameters_window_height(control_count(), readback_count());
    if (height >= full || height <= 0) {
        scroll_rows(0);
        delete m_scroll;
        m_scroll = nullptr;
        setFixedSize(parameters_window_width(), full);
        return;
    }
    if (!m_scroll) {
        m_scroll = new QScrollBar(Qt::Vertical, this);
        m_scroll->setObjectName(QStringLiteral("scrParameters"));
        set_translated(m_scroll, "accessibleName", "kx::TformFXParameters",
                       QT_TRANSLATE_NOOP("kx::TformFXParameters", "Rows"));
        connect(m_scroll, &QScrollBar::valueChanged, this, &TformFXParameters::scroll_rows);
        connect(qApp, &QApplication::focusChanged, m_scroll,
                [this](QWidget*, QWidget* now) { show_focused_row(now); });
    }
    constexpr int kBarWidth = 14;
    setFixedSize(parameters_window_width() + kBarWidth, height);
    m_scroll->setGeometry(parameters_window_width(), 0, kBarWidth, height);
    m_scroll->setRange(0, full - height);
    m_scroll->setPageStep(height);
    m_scroll->setSingleStep(kRowPitch);
    m_scroll->show();
}

void TformFXParameters::scroll_rows(int offset) {
    static constexpr char kRowY[] = "kx_row_y";
    for (QWidget* widget : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget == m_scroll)
            continue;
        if (!widget->property(kRowY).isValid())
            widget->setProperty(kRowY, widget->y() + m_offset);
        widget->move(widget->x(), widget->property(kRowY).toInt() - offset);
    }
    m_offset = offset;
    update();
}

void TformFXParameters::show_focused_row(QWidget* focused) {
    if (!m_scroll || !focused || focused->window() != this || focused == m_scroll)
        return;
    QWidget* row = focused;
    while (row->parentWidget() && row->parentWidget() != this)
        row = row->parentWidget();
    if (row->y() < 0)
        m_scroll->setValue(m_scroll->value() + row->y() - kTop);
    else if (row->geometry().bottom() >= height())
        m_scroll->setValue(m_scroll->value() + row->geometry().bottom() - height() + kTop);
}

void TformFXParameters::EnableDisableControls(bool AEnable) {
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets)
        if (widget != m_scroll)
            widget->setEnabled(AEnable);
    emit assignments_changed();
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
    // What the pedal or a file holds is shown, never sent back, and is no edit to undo.
    if (QSlider* slider = m_sliders.value(i)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(std::clamp(value, 0, kMaxControlValue));
        if (QSpinBox* box = m_values.value(i)) {
            const QSignalBlocker quiet_box(box);
            box->setValue(slider->value());
        }
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
    if (i < int(m_settings.size()))
        m_settings[i] = setting_of(i);
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
    m_codes_shown = codes;
    emit assignments_changed();
}

// ---- messages

Task<Status> TformFXParameters::send_parameter(int i, int value) {
    if (!m_session)
        co_return Error{
            ui_text("kx::TformFXParameters", "The parameters window has no pedal link.")};
    // Another effect's addresses would overwrite the running effect's parameters.
    if (!m_live)
        co_return Status{};
    const Status status = co_await m_session->write_control(i, value);
    report(status);
    co_return status;
}

Task<Status> TformFXParameters::send_pot(int i) {
    QSlider* slider = m_sliders.value(i);
    if (!slider)
        co_return Error{ui_text("kx::TformFXParameters", "Control %1 is not a pot.").arg(i)};
    co_return co_await send_parameter(i, pot_value(slider->value()));
}

Task<Status> TformFXParameters::send_switch(int i) {
    QCheckBox* toggle = m_toggles.value(i);
    if (!toggle)
        co_return Error{ui_text("kx::TformFXParameters", "Control %1 is not a switch.").arg(i)};
    co_return co_await send_parameter(i, switch_value(toggle->isChecked()));
}

Task<Status> TformFXParameters::send_multiswitch(int i) {
    QComboBox* list = m_lists.value(i);
    if (!list)
        co_return Error{
            ui_text("kx::TformFXParameters", "Control %1 is not a multi switch.").arg(i)};
    if (list->currentIndex() < 0)
        co_return Status{}; // no option chosen: nothing to send
    co_return co_await send_parameter(
        i, multi_switch_value(list->currentIndex(), m_option_counts.at(i)));
}

Task<Status> TformFXParameters::assign_to_pedal() {
    if (!m_session || !m_dialogs)
        co_return Error{
            ui_text("kx::TformFXParameters", "The parameters window has no pedal link.")};
    if (m_dialogs->confirm(ui_text("kx::TformFXParameters", kConfirmAssign)) == Dialogs::Answer::No)
        co_return Status{};
    co_return co_await send_assignment();
}

bool TformFXParameters::assignments_editable() const {
    return m_live && m_bypass_box && m_bypass_box->isEnabled();
}

void TformFXParameters::store_code(AssignmentBox kind, int index, quint8 code) {
    FXParametersState& preview = m_state;
    switch (kind) {
    case AssignmentBox::Control:
        if (m_live)
            m_session->set_control_assignment(index, code);
        else
            preview.control_assignments[index] = code;
        return;
    case AssignmentBox::Readback:
        if (m_live)
            m_session->set_readback_assignment(index, code);
        else
            preview.readback_assignments[index] = code;
        return;
    case AssignmentBox::BypassOrPreset:
        // index 0 is the bypass switch, 1 the preset switch
        if (index == 0) {
            if (m_live)
                m_session->set_bypass_assignment(code);
            else
                preview.bypass_assignment = code;
        } else if (m_live) {
            m_session->set_preset_assignment(code);
        } else {
            preview.preset_assignment = code;
        }
        return;
    }
}

void TformFXParameters::take_codes(const FXParametersState& codes) {
    for (int i = 0; i < kAssignableControls; ++i)
        store_code(AssignmentBox::Control, i, codes.control_assignments[i]);
    for (int j = 0; j < kMaxReadbackCount; ++j)
        store_code(AssignmentBox::Readback, j, codes.readback_assignments[j]);
    store_code(AssignmentBox::BypassOrPreset, 0, codes.bypass_assignment);
    store_code(AssignmentBox::BypassOrPreset, 1, codes.preset_assignment);
    show_assignments();
}

Task<Status> TformFXParameters::apply_assignments(FXParametersState codes, QString edit_text) {
    if (!m_session || !m_dialogs)
        co_return Error{
            ui_text("kx::TformFXParameters", "The parameters window has no pedal link.")};
    if (!assignments_editable())
        co_return Error{ui_text("kx::TformFXParameters",
                                "The assignments can be changed once the pedal runs the "
                                "effect and its settings have been read.")};
    const FXParametersState before = m_codes_shown;
    take_codes(codes);
    m_undo.push(
        new AssignmentEdit(*this, before, state(), true,
                           edit_text.isEmpty() ? QStringLiteral("assignments") : edit_text));
    co_return co_await send_assignment();
}

void TformFXParameters::replay_assignments(const FXParametersState& codes, bool send) {
    if (!m_bypass_box)
        return;
    take_codes(codes);
    if (send && m_live)
        (void)send_assignment();
}

int TformFXParameters::setting_of(int i) const {
    if (const QSlider* slider = m_sliders.value(i))
        return slider->value();
    if (const QCheckBox* toggle = m_toggles.value(i))
        return toggle->isChecked() ? 1 : 0;
    if (const QComboBox* list = m_lists.value(i))
        return list->currentIndex();
    return -1;
}

QString TformFXParameters::edit_text(int i, int setting) const {
    const ControlEntry& entry = m_description.controls.at(i);
    switch (entry.kind) {
    case ControlKind::Pot:
        return entry.label + QLatin1Char(' ') + QString::number(setting);
    case ControlKind::Switch:
        return entry.label + QLatin1Char(' ') + (setting ? entry.state1_text : entry.state0_text);
    case ControlKind::MultiSwitch:
        return entry.label + QLatin1Char(' ') + entry.options.value(setting);
    }
    return entry.label;
}

void TformFXParameters::replay_setting(int i, int setting) {
    if (i < 0 || i >= int(m_settings.size()))
        return;
    if (m_live && m_session->comparing()) {
        (void)back_then_replay(i, setting);
        return;
    }
    const ProgramChange replaying(m_program_change);
    if (QSlider* slider = m_sliders.value(i)) {
        slider->setValue(setting); // its handler sends
    } else if (QCheckBox* toggle = m_toggles.value(i)) {
        // A toggle set by the program sends nothing of itself: send as its click does.
        toggle->setChecked(setting != 0);
        SwitchParameterClick(i);
    } else if (QComboBox* list = m_lists.value(i)) {
        list->setCurrentIndex(setting);
    }
    m_settings[i] = setting_of(i);
}

void TformFXParameters::record_setting(int i, int drag) {
    if (i < 0 || i >= int(m_settings.size()))
        return;
    const int before = m_settings.at(i);
    const int after = setting_of(i);
    m_settings[i] = after;
    if (m_program_change > 0 || before == after)
        return;
    m_undo.push(new ControlEdit(*this, i, before, after, drag, edit_text(i, after)));
}

QString TformFXParameters::assignment_text(const QString& what, AssignmentBox box, int item) const {
    const quint8 code = assignment_code(box, item);
    if (code == kUnassignedCode)
        return tr("%1 unassigned").arg(what);
    const AssignmentBox list =
        box == AssignmentBox::Readback ? AssignmentBox::Readback : AssignmentBox::Control;
    for (const PedalControl& control : pedal_controls())
        if (control.box == list && control.code == code)
            return tr("%1 on %2").arg(what, control.name);
    return what;
}

void TformFXParameters::record_assignments(const QString& text) {
    const FXParametersState before = m_codes_shown;
    m_codes_shown = state();
    if (m_program_change > 0)
        return;
    m_undo.push(new AssignmentEdit(*this, before, state(), false, text));
}

Task<Status> TformFXParameters::send_assignment() {
    const Status status = co_await m_session->assign();
    if (status)
        emit assignments_sent();
    report(status);
    co_return status;
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
        // In the same words as the main window: what to do first, the detail after.
        if (m_dialogs)
            m_dialogs->message(session::user_message(status.failure()));
    }
}

// ---- handlers

void TformFXParameters::PotParameterChange(int i) {
    if (live_mode || asks_before_edit(i))
        return;
    (void)send_pot(i);
    const QSlider* slider = m_sliders.at(i);
    record_setting(i, slider->isSliderDown() ? m_drag : 0);
}

void TformFXParameters::SwitchParameterClick(int i) {
    if (live_mode || asks_before_edit(i))
        return;
    (void)send_switch(i);
    refresh_state_label(i);
    record_setting(i, 0);
}

void TformFXParameters::MultiSwitchOnChange(int i) {
    if (asks_before_edit(i))
        return;
    (void)send_multiswitch(i);
    record_setting(i, 0);
}

void TformFXParameters::boxAssignOnChange(int i) {
    const int item = m_boxes.at(i)->currentIndex();
    store_code(AssignmentBox::Control, i, assignment_code(AssignmentBox::Control, item));
    record_assignments(
        assignment_text(m_description.controls.at(i).label, AssignmentBox::Control, item));
    emit assignments_changed();
}

void TformFXParameters::boxAssignRdbcksOnChange(int j) {
    const int item = m_readback_boxes.at(j)->currentIndex();
    const quint8 code = assignment_code(AssignmentBox::Readback, item);
    store_code(AssignmentBox::Readback, j, code);
    m_log->print_line(code_text(code));
    record_assignments(
        assignment_text(m_description.readbacks.at(j), AssignmentBox::Readback, item));
    emit assignments_changed();
}

void TformFXParameters::boxAssignBypassOnChange() {
    const int item = m_bypass_box->currentIndex();
    const quint8 code = assignment_code(AssignmentBox::BypassOrPreset, item);
    store_code(AssignmentBox::BypassOrPreset, 0, code);
    m_log->print_line(latin1(kLogBypassAssignment) + code_text(code));
    record_assignments(assignment_text(ui_text("kx::TformFXParameters", "Bypass"),
                                       AssignmentBox::BypassOrPreset, item));
    emit assignments_changed();
}

void TformFXParameters::boxAssignPresetOnChange() {
    const int item = m_preset_box->currentIndex();
    const quint8 code = assignment_code(AssignmentBox::BypassOrPreset, item);
    store_code(AssignmentBox::BypassOrPreset, 1, code);
    m_log->print_line(latin1(kLogPresetAssignment) + code_text(code));
    record_assignments(assignment_text(ui_text("kx::TformFXParameters", "Preset change"),
                                       AssignmentBox::BypassOrPreset, item));
    emit assignments_changed();
}

} // namespace kx
