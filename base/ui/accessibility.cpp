#include "base/ui/accessibility.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace kx {

namespace {

// The labels a combo box has besides its buddy label.
constexpr char kLabelsProperty[] = "kx_labels";
using LabelList = QList<QPointer<QLabel>>;

using Relations = QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>;

// `found`, and the labels that add_label_relation gave `widget`.
Relations with_extra_labels(Relations found, QWidget* widget, QAccessible::Relation match) {
    if (!(match & QAccessible::Label))
        return found;
    const auto labels = widget->property(kLabelsProperty).value<LabelList>();
    for (const QPointer<QLabel>& label : labels)
        if (QAccessibleInterface* iface =
                label ? QAccessible::queryAccessibleInterface(label.data()) : nullptr)
            found.append({iface, QAccessible::Label});
    return found;
}

// A combo box as Qt presents it elsewhere, except for its name: the accessible name, else the
// text of the label whose buddy it is. Its current item is its value, and its popup list its
// one child.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        if (box()->isEditable() && box()->lineEdit())
            return box()->lineEdit()->text();
        return box()->currentText();
    }
    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QAbstractItemView* view = box()->view();
        return index == 0 && view ? QAccessible::queryAccessibleInterface(view) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && box()->view() && child->object() == box()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view() && box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    Relations relations(QAccessible::Relation match) const override {
        return with_extra_labels(QAccessibleWidget::relations(match), box(), match);
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (box()->view() && box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(object()); }
};

// A spin box with its value and steps, as Qt presents it, that can also have labels besides
// its buddy label (a row's slider has that).
class AccessibleSpinBox : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpinBox(QAbstractSpinBox* box)
        : QAccessibleWidget(box, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    Relations relations(QAccessible::Relation match) const override {
        return with_extra_labels(QAccessibleWidget::relations(match), box(), match);
    }
    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction())
            box()->stepUp();
        else if (action == decreaseAction())
            box()->stepDown();
        else
            QAccessibleWidget::doAction(action);
    }
    QVariant currentValue() const override { return number("value"); }
    void setCurrentValue(const QVariant& value) override { box()->setProperty("value", value); }
    QVariant maximumValue() const override { return number("maximum"); }
    QVariant minimumValue() const override { return number("minimum"); }
    QVariant minimumStepSize() const override { return number("singleStep"); }

private:
    QAbstractSpinBox* box() const { return static_cast<QAbstractSpinBox*>(object()); }
    QVariant number(const char* property) const { return box()->property(property); }
};

QAccessibleInterface* widget_factory(const QString& class_name, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (class_name == QLatin1String("QComboBox"))
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    if (class_name == QLatin1String("QSpinBox") || class_name == QLatin1String("QDoubleSpinBox"))
        return new AccessibleSpinBox(static_cast<QAbstractSpinBox*>(object));
    return nullptr;
}

// Whether `widget` takes part in `window`'s Tab order on its own: shown, taking focus by Tab,
// and not the inner part of another such widget (a spin box's line edit, a list's viewport).
bool tab_stop(const QWidget* widget, const QWidget* window) {
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window) ||
        widget->window() != window)
        return false;
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (up->focusPolicy() != Qt::NoFocus)
            return false;
    return true;
}

} // namespace

void install_accessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(widget_factory);
}

void link_label(QLabel* label, QWidget* field) {
    // With a buddy, a label reads '&' as a mnemonic marker: double any that are text.
    if (!label->buddy() && label->text().contains(QLatin1Char('&')))
        label->setText(QString(label->text()).replace(QLatin1Char('&'), QStringLiteral("&&")));
    label->setBuddy(field);
}

void add_label_relation(QLabel* label, QWidget* field) {
    auto labels = field->property(kLabelsProperty).value<LabelList>();
    if (!labels.contains(label))
        labels.append(QPointer<QLabel>(label));
    field->setProperty(kLabelsProperty, QVariant::fromValue(labels));
}

void close_on_escape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setObjectName(QStringLiteral("keyCloseOnEscape"));
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void set_reading_order(QWidget* window) {
    struct Stop {
        QWidget* widget;
        QRect rect;
    };
    QList<Stop> stops;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (tab_stop(widget, window))
            stops.append({widget, QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())});
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Stop& a, const Stop& b) { return a.rect.top() < b.rect.top(); });
    // Rows: each widget joins the row above when their heights overlap.
    QList<int> row_of;
    int row = -1;
    int row_bottom = -1;
    for (const Stop& stop : stops) {
        if (row < 0 || stop.rect.top() > row_bottom) {
            ++row;
            row_bottom = stop.rect.bottom();
        } else {
            row_bottom = std::max(row_bottom, stop.rect.bottom());
        }
        row_of.append(row);
    }
    QList<int> order(stops.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (row_of[a] != row_of[b])
            return row_of[a] < row_of[b];
        return stops[a].rect.left() < stops[b].rect.left();
    });
    for (int i = 1; i < int(order.size()); ++i)
        QWidget::setTabOrder(stops[order[i - 1]].widget, stops[order[i]].widget);
}

void fit_design_to_text(QWidget* window) {
    static constexpr char kDesign[] = "kx_design";
    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (!window->property(kDesign).isValid()) {
        window->setProperty(kDesign, QRect(QPoint(), window->size()));
        for (QWidget* child : children)
            child->setProperty(kDesign, child->geometry());
    }
    // What a caption needs: its text, and the room a look's padding and frame take around it.
    double factor = 1.0;
    for (QWidget* child : children) {
        const QRect designed = child->property(kDesign).toRect();
        if (!designed.isValid() || child->isHidden())
            continue;
        const QFontMetrics metrics = child->fontMetrics();
        QStringList texts;
        int padding = 0;
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            texts << button->text().remove(QLatin1Char('&'));
            padding = qobject_cast<QPushButton*>(child) ? 10 : 22; // a check box's indicator
        } else if (auto* label = qobject_cast<QLabel*>(child)) {
            if (!label->wordWrap() && !label->inherits("kx::ElidingLabel") && !label->buddy())
                texts << label->text();
        } else if (auto* bar = qobject_cast<QMenuBar*>(child)) {
            // Every menu's title on the bar, none behind an overflow arrow.
            factor = std::max(factor, double(bar->sizeHint().width()) / designed.width());
        } else if (auto* box = qobject_cast<QComboBox*>(child)) {
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            texts << box->placeholderText();
            padding = 30; // the arrow
        }
        for (const QString& text : texts) {
            if (text.isEmpty())
                continue;
            factor = std::max({factor,
                               double(metrics.horizontalAdvance(text) + padding) / designed.width(),
                               double(metrics.height()) / designed.height()});
        }
    }
    // A word-wrapped label needs height where a one-line caption needs width: the window grows
    // until each such label's text fits the scaled label.
    for (QWidget* child : children) {
        auto* label = qobject_cast<QLabel*>(child);
        const QRect designed = child->property(kDesign).toRect();
        if (!label || !label->wordWrap() || !designed.isValid() || child->isHidden() ||
            label->text().isEmpty())
            continue;
        while (factor < 4 && label->heightForWidth(qRound(designed.width() * factor)) >
                                 qRound(designed.height() * factor))
            factor += 0.05;
    }
    const auto scaled = [factor](const QRect& r) {
        return QRect(qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor),
                     qRound(r.height() * factor));
    };
    for (QWidget* child : children) {
        const QRect designed = child->property(kDesign).toRect();
        if (!designed.isValid())
            continue;
        QRect rect = scaled(designed);
        // A menu bar keeps the height its font asks for.
        if (auto* bar = qobject_cast<QMenuBar*>(child)) {
            rect.setHeight(std::max(rect.height(), bar->sizeHint().height()));
            bar->setFixedHeight(rect.height());
        }
        child->setGeometry(rect);
    }
    window->setFixedSize(scaled(window->property(kDesign).toRect()).size());
}

} // namespace kx
