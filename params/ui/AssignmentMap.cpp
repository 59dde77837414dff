#include "params/ui/AssignmentMap.h"

#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "params/ui/FXParameters.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx {

namespace {

constexpr char kTextNoEffect[] = QT_TRANSLATE_NOOP(
    "kx::TformAssignmentMap",
    "Open an effect (Open FX, or click it in the list) to see what the pedal's controls drive.");
constexpr char kTextPreview[] = QT_TRANSLATE_NOOP(
    "kx::TformAssignmentMap",
    "This effect does not run on the pedal: its assignments can be seen but not changed.");
constexpr char kTextEditable[] = QT_TRANSLATE_NOOP(
    "kx::TformAssignmentMap",
    "A change here is sent to the pedal at once, like the parameters window's boxes and Assign.");
constexpr char kTextShared[] =
    QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Shared: %1 follow this one control.");

// The map's sections: a heading above the first row of each group of pedal_controls().
struct Section {
    int first_row;
    const char* heading;
};
constexpr Section kSections[] = {
    {0, QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Knobs")},
    {5, QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Buttons")},
    {8, QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Footswitch")},
    {10, QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Remote and expression pedal")},
    {12, QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Lights")},
};

QString joined(const QStringList& names) {
    if (names.size() <= 1)
        return names.join(QString());
    return ui_text("kx::TformAssignmentMap", "%1 and %2")
        .arg(QStringList(names.mid(0, names.size() - 1)).join(QStringLiteral(", ")), names.last());
}

} // namespace

TformAssignmentMap::TformAssignmentMap(TformFXParameters& parameters, QWidget* parent)
    : QWidget(parent, Qt::Window), m_parameters(parameters) {
    setObjectName(QStringLiteral("formAssignmentMap"));
    set_translated(this, "windowTitle", "kx::TformAssignmentMap", kCaptionAssignmentMap);
    set_translated(this, "accessibleName", "kx::TformAssignmentMap", kCaptionAssignmentMap);
    setAttribute(Qt::WA_QuitOnClose, false);
    close_on_escape(this);
    connect(&m_parameters, &TformFXParameters::assignments_changed, this,
            &TformAssignmentMap::refresh);
}

void TformAssignmentMap::setVisible(bool visible) {
    if (visible)
        build();
    QWidget::setVisible(visible);
}

void TformAssignmentMap::build() {
    if (m_built)
        return;
    m_built = true;
    auto* layout = new QVBoxLayout(this);
    m_effect = new QLabel(this);
    m_effect->setObjectName(QStringLiteral("lblMapEffect"));
    QFont bold = m_effect->font();
    bold.setBold(true);
    m_effect->setFont(bold);
    layout->addWidget(m_effect);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblMapNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(1, 170);
    grid->setColumnMinimumWidth(2, 150);
    layout->addLayout(grid);
    int grid_row = 0;
    const QList<PedalControl>& controls = pedal_controls();
    for (int row = 0; row < controls.size(); ++row) {
        for (const Section& section : kSections) {
            if (section.first_row != row)
                continue;
            auto* heading = new QLabel(this);
            set_translated(heading, "text", "kx::TformAssignmentMap", section.heading);
            heading->setObjectName(QStringLiteral("lblMapSection%1").arg(row));
            heading->setFont(bold);
            heading->setContentsMargins(0, row == 0 ? 0 : 6, 0, 0);
            grid->addWidget(heading, grid_row++, 0, 1, 3);
        }
        const PedalControl& control = controls.at(row);
        Row shown;
        shown.name = new QLabel(control.name, this);
        shown.name->setObjectName(QStringLiteral("lblMap%1").arg(control.item));
        shown.name->setToolTip(control.hint);
        shown.choice = new QComboBox(this);
        shown.choice->setObjectName(QStringLiteral("boxMap%1").arg(control.item));
        shown.choice->setAccessibleName(control.name);
        shown.choice->setAccessibleDescription(control.hint);
        shown.choice->setToolTip(control.hint);
        shown.choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        shown.name->setBuddy(shown.choice);
        shown.warning = new QLabel(this);
        shown.warning->setObjectName(QStringLiteral("lblMapWarning%1").arg(control.item));
        shown.warning->setWordWrap(true);
        grid->addWidget(shown.name, grid_row, 0);
        grid->addWidget(shown.choice, grid_row, 1);
        grid->addWidget(shown.warning, grid_row, 2);
        ++grid_row;
        connect(shown.choice, &QComboBox::activated, this, [this, row] { choose(row); });
        m_rows << shown;
    }
    layout->addStretch(1);
    m_close = new QPushButton(this);
    set_translated(m_close, "text", "kx::TformAssignmentMap",
                   QT_TRANSLATE_NOOP("kx::TformAssignmentMap", "Close"));
    m_close->setObjectName(QStringLiteral("btnCloseAssignmentMap"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    refresh();
}

MapEffect TformAssignmentMap::effect() const {
    MapEffect out;
    const ControlDescription& description = m_parameters.description();
    for (const ControlEntry& entry : description.controls)
        out.controls << entry.label;
    out.readbacks = description.readbacks;
    return out;
}

void TformAssignmentMap::refresh() {
    if (!m_built)
        return; // the rows read the parameters window when they are made
    m_refreshing = true;
    const MapEffect shown = effect();
    const bool open = !shown.controls.isEmpty();
    const bool editable = open && m_parameters.assignments_editable();
    m_effect->setText(open ? m_parameters.windowTitle() : tr("No effect open"));
    m_note->setText(ui_text("kx::TformAssignmentMap", !open      ? kTextNoEffect
                                                      : editable ? kTextEditable
                                                                 : kTextPreview));
    const FXParametersState& state = m_parameters.state();
    const QList<PedalControl>& controls = pedal_controls();
    for (int row = 0; row < m_rows.size(); ++row) {
        Row& r = m_rows[row];
        const PedalControl& control = controls.at(row);
        r.choices = open ? map_choices(control, shown) : QList<MapChoice>{MapChoice{}};
        r.choice->clear();
        for (const MapChoice& choice : r.choices)
            r.choice->addItem(map_choice_text(choice, shown));
        const QList<MapChoice> driven =
            open ? driven_by(control, shown, state) : QList<MapChoice>{};
        r.choice->setCurrentIndex(driven.isEmpty() ? 0 : int(r.choices.indexOf(driven.first())));
        r.choice->setEnabled(editable);
        QStringList names;
        for (const MapChoice& choice : driven)
            names << map_choice_text(choice, shown);
        const QString warning =
            names.size() > 1 ? ui_text("kx::TformAssignmentMap", kTextShared).arg(joined(names))
                             : QString();
        r.warning->setText(warning.isEmpty() ? QString() : QStringLiteral("\u26A0 ") + warning);
        r.warning->setAccessibleDescription(warning);
    }
    m_refreshing = false;
    if (isVisible())
        grow_to_fit();
}

void TformAssignmentMap::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    grow_to_fit();
}

void TformAssignmentMap::grow_to_fit() {
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void TformAssignmentMap::choose(int row) {
    if (m_refreshing)
        return;
    const Row& r = m_rows.at(row);
    const int index = r.choice->currentIndex();
    if (index < 0 || index >= r.choices.size())
        return;
    const FXParametersState codes = choose_on_map(pedal_controls().at(row), r.choices.at(index),
                                                  effect(), m_parameters.state());
    // The parameters window sends, tells the user about a failure and announces the new codes,
    // which refresh this map.
    const PedalControl& control = pedal_controls().at(row);
    (void)m_parameters.apply_assignments(codes, control.name + QStringLiteral(": ") +
                                                    r.choice->currentText());
    refresh();
}

} // namespace kx
