// Every window as a screen reader finds it (the QAccessible tree), in each state of the pedal
// session that the editor can be brought to, and the main job by the keyboard alone against
// the virtual pedal.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/Main.h"
#include "app/PrintConsole.h"
#include "app/Settings.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "firmware/upgrade_operation.h"
#include "kx_version.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/ui/FXParameters.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>

using namespace kx;

namespace {

// The words a screen reader says for a role; a name that repeats them says it twice.
QString role_word(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
        return QStringLiteral("button");
    case QAccessible::CheckBox:
        return QStringLiteral("check box");
    case QAccessible::RadioButton:
        return QStringLiteral("radio button");
    case QAccessible::ComboBox:
        return QStringLiteral("combo box");
    case QAccessible::Slider:
        return QStringLiteral("slider");
    case QAccessible::SpinBox:
        return QStringLiteral("spin box");
    case QAccessible::StaticText:
        return QStringLiteral("label");
    case QAccessible::List:
        return QStringLiteral("list");
    case QAccessible::EditableText:
        return QStringLiteral("text");
    case QAccessible::ProgressBar:
        return QStringLiteral("progress bar");
    case QAccessible::MenuItem:
        return QStringLiteral("menu item");
    default:
        return {};
    }
}

bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

// What a label shows, as a reader should say it.
QString shown_text(const QLabel* label) {
    QString text = label->text();
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    if (label->buddy())
        text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace("&&", "&");
    return text;
}

// A caption as read: without its mnemonic marker and a trailing ellipsis.
QString stripped(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace("&&", "&");
    caption.remove(QRegularExpression(QStringLiteral("(\u2026|\\.\\.\\.)$")));
    return caption;
}

// Two widgets are on one line when their heights overlap by half the taller one.
bool same_line(const QRect& a, const QRect& b) {
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap * 2 >= std::max(a.height(), b.height());
}

// A visible label left of `field` on its line, among its siblings: the row's label.
const QLabel* row_label(const QWidget* field) {
    const QWidget* parent = field->parentWidget();
    if (!parent)
        return nullptr;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->isVisibleTo(parent) && !label->text().isEmpty() &&
            label->geometry().right() <= field->geometry().left() &&
            same_line(label->geometry(), field->geometry()))
            return label;
    return nullptr;
}

// Walks a window's tree and names what a reader would stumble on.
struct TreeCheck {
    QStringList faults;

    void window(QWidget* window) {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
        const QString where = window->objectName();
        if (!root) {
            faults << where + QStringLiteral(": no accessible interface");
            return;
        }
        if (root->text(QAccessible::Name) != window->windowTitle())
            faults << QStringLiteral("%1: named \"%2\", titled \"%3\"")
                          .arg(where, root->text(QAccessible::Name), window->windowTitle());
        children(root, where);
        tab_order(window);
    }

    // Tab never goes back up, unless to the top of a column further right.
    void tab_order(QWidget* window) {
        QList<QWidget*> stops;
        QWidget* widget = window;
        for (int i = 0; i < 1000; ++i) {
            widget = widget->nextInFocusChain();
            if (widget == window)
                break;
            if (widget->window() == window && widget->isEnabled() && widget->isVisibleTo(window) &&
                (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
                stops << widget;
        }
        const auto rect = [window](QWidget* w) {
            return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
        };
        for (int i = 1; i < int(stops.size()); ++i) {
            const QRect from = rect(stops[i - 1]);
            const QRect to = rect(stops[i]);
            if (to.bottom() < from.top() && to.left() < from.right())
                faults << QStringLiteral("%1: Tab goes back up from %2 to %3")
                              .arg(window->objectName(), stops[i - 1]->objectName(),
                                   stops[i]->objectName());
        }
    }

    void children(QAccessibleInterface* iface, const QString& path) {
        for (int i = 0; i < iface->childCount(); ++i)
            if (QAccessibleInterface* child = iface->child(i))
                node(child, path);
    }

    void node(QAccessibleInterface* iface, const QString& parent_path) {
        const QAccessible::Role role = iface->role();
        const QString name = iface->text(QAccessible::Name);
        QObject* object = iface->object();
        QString id = object && !object->objectName().isEmpty() ? object->objectName() : name;
        const QString path = parent_path + QLatin1Char('/') + id;
        auto fault = [&](const QString& what) { faults << path + QStringLiteral(": ") + what; };

        // A menu is hidden until it opens, and its items with it: an item counts as hidden
        // when it would not show in the open menu. Qt's scroll bars come and go with the
        // content.
        auto* action = qobject_cast<QAction*>(object);
        const bool hidden = action ? !action->isVisible()
                                   : iface->state().invisible && role != QAccessible::PopupMenu &&
                                         !id.startsWith(QLatin1String("qt_scrollarea_"));
        if (hidden) {
            fault(QStringLiteral("hidden, yet in the tree"));
            return;
        }
        if (id.startsWith(QLatin1String("qt_scrollarea_")) && iface->state().invisible)
            return;
        const QString word = role_word(role);
        if (interactive(role) && role != QAccessible::MenuItem && name.trimmed().isEmpty())
            fault(QStringLiteral("interactive, without a name"));
        if (!word.isEmpty() && !name.isEmpty() &&
            (name.compare(word, Qt::CaseInsensitive) == 0 ||
             name.endsWith(QLatin1Char(' ') + word, Qt::CaseInsensitive)))
            fault(QStringLiteral("the name \"%1\" repeats the role").arg(name));

        if (role == QAccessible::ComboBox) {
            const QString value = iface->text(QAccessible::Value);
            if (!value.isEmpty() && name == value)
                fault(QStringLiteral("named by its current item \"%1\"").arg(value));
        }
        auto* widget = qobject_cast<QWidget*>(object);
        if (auto* list = qobject_cast<QListWidget*>(object))
            if (list->currentItem() && name == list->currentItem()->text())
                fault(QStringLiteral("named by its current item \"%1\"").arg(name));
        if (auto* label = qobject_cast<QLabel*>(object))
            if (name != shown_text(label))
                fault(
                    QStringLiteral("label named \"%1\" shows \"%2\"").arg(name, shown_text(label)));
        if (auto* button = qobject_cast<QPushButton*>(object)) {
            const QString caption = stripped(button->text());
            if (caption.contains(QRegularExpression(QStringLiteral("\\w\\w"))) &&
                stripped(name) != caption)
                fault(QStringLiteral("button reads \"%1\", named \"%2\"").arg(caption, name));
        }
        // Buttons and check boxes with a caption label themselves.
        const auto* button = qobject_cast<QAbstractButton*>(object);
        const bool self_labelled = button && !button->text().isEmpty();
        if (widget && interactive(role) && !self_labelled && row_label(widget) &&
            iface->relations(QAccessible::Label).isEmpty())
            fault(QStringLiteral("not linked to its row's label \"%1\"")
                      .arg(row_label(widget)->text()));

        // A list's rows and a combo box's popup list are the widget's content, not widgets.
        if (role == QAccessible::List || role == QAccessible::ComboBox ||
            qobject_cast<QAbstractItemView*>(object))
            return;
        children(iface, path);
    }
};

// The editor with the virtual pedal in the process, in real time.
struct Rig {
    EditorFixture f;

    Rig() { f.start_on_virtual_pedal(); } // the keyboard connects
    ~Rig() { f.stop(); }

    TformMain& w() { return f.main(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    sim::VirtualPedal& pedal() { return f.context->link->virtual_pedal()->pedal(); }
    void settle(int ms = 30) {
        QTest::qWait(ms);
        pedal().advance(VirtualPedalDriver::now_us());
    }

    // Every window of the editor shown: the ones the user opens, then the rest.
    void show_every_window() {
        EditorWindows& windows = *f.windows;
        w().FormKeyDown(); // the log console
        if (w().btnGetFXInfo->isEnabled())
            w().btnGetFXInfo->click();
        kx::test::settle();
        windows.formImpulseResponse->show_howto();
        windows.formNewVersionMsg->show();
        windows.formFirmwareUpgrade->show();
        w().menuDiagnose->trigger();
        kx::test::settle();
        w().menuAssignmentMap->trigger();
        kx::test::settle();
        w().menuPresetLibrary->trigger();
        kx::test::settle();
        QApplication::processEvents();
    }

    QStringList faults() {
        TreeCheck check;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = window->windowType();
            if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
                check.window(window);
        }
        return check.faults;
    }

    void click_effect(const QString& category, const QString& effect) {
        emit w().lstCategory->itemClicked(
            w().lstCategory->findItems(category, Qt::MatchExactly).value(0));
        emit w().lstEffects->itemClicked(
            w().lstEffects->findItems(effect, Qt::MatchExactly).value(0));
    }
};

// Sends a key as the keyboard would: to the open menu, else to the widget with the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY2(target, "nothing takes the key");
    QTest::keyClick(target, Qt::Key(key), modifiers);
    kx::test::settle();
}

// Gives the keyboard back to `window` when a window that has just opened took it (a test
// platform activates every window it shows), as F6 does for a user.
void keep_keyboard_in(QWidget* window) {
    QTest::qWait(20);
    if (QApplication::activeWindow() != window) {
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_F6);
        kx::test::settle();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
}

double luminance(QColor color) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Pixels of `widget` that change by 3:1 contrast or more when it takes the focus: its focus
// mark, as a user sees it against what was there before.
// -1: it never took the focus.
int focus_mark_pixels(QWidget* widget, QWidget* elsewhere) {
    const auto focus = [](QWidget* target) {
        for (int i = 0; i < 50 && !target->hasFocus(); ++i) {
            target->window()->activateWindow();
            target->setFocus(Qt::TabFocusReason);
            QTest::qWait(10);
        }
        return target->hasFocus();
    };
    if (!focus(elsewhere))
        return -1;
    // As seen: over the window's own background (a translucent look's controls let it through).
    const auto seen = [widget] {
        QWidget* window = widget->window();
        return window->grab(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size())).toImage();
    };
    const QImage before = seen();
    if (!focus(widget))
        return -1;
    const QImage after = seen();
    if (before.size() != after.size())
        return 0;
    int marked = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0)
                ++marked;
    return marked;
}

// Presses Tab until `widget` has the focus, as a user would; false after a round without it.
bool tab_to(QWidget* widget) {
    for (int i = 0; i < 30 && QApplication::focusWidget() != widget; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : QApplication::activeWindow(),
                        Qt::Key_Tab);
    return QApplication::focusWidget() == widget;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void every_window_in_each_state_data();
    void every_window_in_each_state();
    void main_job_by_keyboard_alone();
    void lists_act_on_return_space_and_double_click_data();
    void lists_act_on_return_space_and_double_click();
    void windows_open_inside_the_screen();
    void captions_fit_a_larger_desktop_font();
    void a_dock_knows_the_windows();
    void focus_mark_in_every_look_data();
    void focus_mark_in_every_look();
};

void TestAccessibility::initTestCase() {
    // As with a screen reader running: the tree is built and events are sent.
    QAccessible::setActive(true);
}

void TestAccessibility::every_window_in_each_state_data() {
    QTest::addColumn<QString>("state");
    for (const char* state : {"not connected", "preview", "connected", "live", "bootloader",
                              "bootloader silent", "upgrading"})
        QTest::newRow(state) << QString::fromLatin1(state);
}

void TestAccessibility::every_window_in_each_state() {
    QFETCH(QString, state);
    Rig rig;
    TformMain& w = rig.w();
    const bool bootloader =
        state.startsWith(QLatin1String("bootloader")) || state == QLatin1String("upgrading");
    if (bootloader) {
        // Powered up with the footswitch held, unless the bootloader is to stay silent.
        rig.pedal().power_cycle(VirtualPedalDriver::now_us(),
                                state != QLatin1String("bootloader silent"));
        rig.settle(int(sim::kFirmwareBoot_us / 1000) + 10);
        w.menuFirmwareUpgradeMode->trigger();
        kx::test::settle();
    }
    if (state != QLatin1String("not connected") && state != QLatin1String("preview"))
        w.menuConnect->trigger();
    kx::test::settle();
    if (state == QLatin1String("upgrading")) {
        // The tree as it stands between two chunks; then the pedal goes away, which ends the
        // upgrade without waiting for all of them.
        TformFirmwareUpgrade& upgrade = *rig.f.windows->formFirmwareUpgrade;
        QStringList during;
        bool checked = false;
        connect(&upgrade.operation(), &FirmwareUpgradeOperation::chunk_progress, this, [&] {
            if (checked)
                return;
            checked = true;
            during = rig.faults();
            rig.pedal().unplug(VirtualPedalDriver::now_us());
        });
        w.menuStartFirmwareUpgrade->trigger();
        kx::test::settle();
        upgrade.cmbFirmwareChoose->setCurrentIndex(0);
        upgrade.btnUpgradeFirmware->click();
        kx::test::settle();
        QVERIFY(checked);
        for (const QString& fault : during)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(during.isEmpty(), qPrintable(during.join(QLatin1Char('\n'))));
        return;
    }
    if (state == QLatin1String("preview"))
        rig.click_effect(QStringLiteral("Gain"), QStringLiteral("Basalt Fuzz Box"));
    if (state == QLatin1String("live")) {
        rig.click_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
        w.btnUpload->click();
        kx::test::settle();
        w.btnOpenEffect->click();
        kx::test::settle();
        w.btnRequest->click();
        kx::test::settle();
        QVERIFY(w.btnAssign->isEnabled());
    }
    // The bootloader's answer, or its silence, is told; the pedal's firmware says nothing.
    if (!bootloader)
        QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    rig.show_every_window();
    const QStringList faults = rig.faults();
    // QtTest cuts a long message short: each fault on a line of its own.
    for (const QString& fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Connect, choose a category and an effect, upload, open and request, change a parameter and
// store: keys only, and the pedal gets the upload and the write.
void TestAccessibility::main_job_by_keyboard_alone() {
    Rig rig;
    TformMain& w = rig.w();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // Every menu is on the bar, none behind an overflow arrow.
    const QRect last = w.MenuBar1->actionGeometry(w.MenuBar1->actions().last());
    QVERIFY(!last.isEmpty() && last.right() < w.MenuBar1->width());

    press(Qt::Key_C, Qt::AltModifier); // Connection
    QVERIFY(QApplication::activePopupWidget());
    press(Qt::Key_C); // Connect
    QVERIFY(rig.f.context->link->communication->connected());

    QVERIFY(tab_to(w.lstCategory));
    press(Qt::Key_Down); // the first row, Gain, not skipped
    QCOMPARE(w.lstCategory->selectedItems().value(0)->text(), QStringLiteral("Gain"));
    press(Qt::Key_Down); // Modulation
    press(Qt::Key_Return);
    QCOMPARE(rig.f.context->selection.selected_category, QStringLiteral("Modulation"));
    QVERIFY(tab_to(w.lstEffects));
    for (int i = 0; i < 20 && (!w.lstEffects->currentItem() ||
                               w.lstEffects->currentItem()->text() != "Tape Loom Delay");
         ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Space);
    QCOMPARE(rig.f.context->selection.selected_effect_name, QStringLiteral("Tape Loom Delay"));
    // The parameters window opens beside this one, asked not to take the keyboard.
    QVERIFY(rig.parameters().isVisible());
    QVERIFY(rig.parameters().testAttribute(Qt::WA_ShowWithoutActivating));
    keep_keyboard_in(&w);

    press(Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(rig.f.dialogs.confirmations,
             QStringList{"Upload the selected effect, \"Tape Loom Delay\"?"});
    rig.settle();
    QCOMPARE(rig.pedal().running_effect(), 0x1F);

    keep_keyboard_in(&w);
    press(Qt::Key_C, Qt::AltModifier); // Connection
    press(Qt::Key_O);                  // Open FX
    kx::test::settle();
    keep_keyboard_in(&w);
    QCOMPARE(QApplication::focusWidget(), w.btnRequest);
    press(Qt::Key_F5); // Request
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    QVERIFY(w.btnAssign->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w.btnRequest);

    press(Qt::Key_F6); // to the parameters window, on its first control
    QVERIFY(QTest::qWaitForWindowActive(&rig.parameters()));
    auto* slider = qobject_cast<QSlider*>(QApplication::focusWidget());
    QVERIFY2(slider, QApplication::focusWidget()
                         ? qPrintable(QApplication::focusWidget()->objectName())
                         : "no focus");
    const int before = slider->value();
    press(before < 1023 ? Qt::Key_Right : Qt::Key_Left);
    QVERIFY(slider->value() != before);
    rig.settle();
    const auto& effect = rig.pedal().effect();
    const int control = rig.parameters().findChildren<QSlider*>().indexOf(slider);
    QCOMPARE(control, 0);
    QCOMPARE(rig.pedal().parameter_word(effect.address_of(0)), quint32(slider->value()) * 8192u);

    press(Qt::Key_F6); // back, and store
    QVERIFY(QTest::qWaitForWindowActive(&w));
    press(Qt::Key_C, Qt::AltModifier);
    press(Qt::Key_T); // Store Settings On Pedal
    rig.settle();
    QCOMPARE(rig.pedal().stored_settings().count(0x1F), std::size_t(1));
}

void TestAccessibility::lists_act_on_return_space_and_double_click_data() {
    QTest::addColumn<int>("key"); // 0: a double click
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("double click") << 0;
}

void TestAccessibility::lists_act_on_return_space_and_double_click() {
    QFETCH(int, key);
    EditorFixture f;
    f.start();
    TformMain& w = f.main();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto act = [&](QListWidget* list, int row) {
        list->setCurrentRow(row);
        if (key) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key(key));
        } else {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            // As a mouse sends it: a click, then the second press as a double click.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            kx::test::settle();
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        }
    };
    act(w.lstCategory, 3);
    QCOMPARE(f.context->selection.selected_category, QStringLiteral("Filter"));
    QVERIFY(w.lstEffects->count() > 1);
    const QString log_before = f.windows->formPrint->Memo1->toPlainText();
    act(w.lstEffects, 1);
    QCOMPARE(f.context->selection.selected_effect_name, w.lstEffects->item(1)->text());
    // Once, whatever the gesture.
    const QString logged = f.windows->formPrint->Memo1->toPlainText().mid(log_before.size());
    QCOMPARE(logged.count(QStringLiteral("efx index :")), 1);
    QVERIFY(f.windows->formFXParameters->isVisible());
    QVERIFY(w.btnGetFXInfo->isEnabled());
}

// Placed by the design at fixed points, each window still opens whole on the screen it is on.
void TestAccessibility::windows_open_inside_the_screen() {
    Rig rig;
    rig.click_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    rig.show_every_window();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || (type != Qt::Window && type != Qt::Dialog))
            continue;
        // The client area: the frame is the window manager's, known only once it is drawn.
        const QRect area = window->screen()->availableGeometry();
        const QRect frame = window->geometry();
        if (frame.width() > area.width() || frame.height() > area.height())
            QVERIFY2(area.contains(frame.topLeft()), qPrintable(window->objectName()));
        else
            QVERIFY2(area.contains(frame), qPrintable(window->objectName()));
    }
}

// A desktop font half as large again: the windows laid out in pixels grow, and no caption of
// theirs is cut.
void TestAccessibility::captions_fit_a_larger_desktop_font() {
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSizeF(before.pointSizeF() * 1.5);
    QApplication::setFont(large);
    EditorFixture f;
    f.start();
    QStringList cut;
    f.windows->formFirmwareUpgrade->ensure_built(); // made when first shown
    for (QWidget* window : {static_cast<QWidget*>(&f.main()),
                            static_cast<QWidget*>(f.windows->formFirmwareUpgrade.get())}) {
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isHidden())
                continue;
            QString text;
            if (auto* button = qobject_cast<QAbstractButton*>(child))
                text = button->text();
            else if (auto* label = qobject_cast<QLabel*>(child);
                     label && !label->wordWrap() && !label->inherits("kx::ElidingLabel"))
                text = label->text();
            const QFontMetrics metrics = child->fontMetrics();
            if (metrics.horizontalAdvance(text) > child->width() ||
                (!text.isEmpty() && metrics.height() > child->height()))
                cut << QStringLiteral("%1 (%2 in %3 x %4)")
                           .arg(child->objectName(), text)
                           .arg(child->width())
                           .arg(child->height());
        }
    }
    const QSize main_size = f.main().size();
    QMenuBar* bar = f.main().MenuBar1;
    const QRect last = bar->actionGeometry(bar->actions().last());
    if (last.isEmpty() || last.right() >= bar->width())
        cut << QStringLiteral("the menu bar's last menu");
    f.stop();
    QApplication::setFont(before);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    QVERIFY(main_size.width() > 400);
}

// The windows carry the editor's icon, and the installed desktop file names that icon and the
// window class the editor's windows have (the program's file name).
void TestAccessibility::a_dock_knows_the_windows() {
    EditorFixture f;
    f.start();
    const QIcon icon = f.main().windowIcon();
    QVERIFY(!icon.isNull());
    // Sharp up to 128 pixels: larger views (a dock) take the desktop file's icon.
    QCOMPARE(icon.actualSize(QSize(256, 256)), QSize(128, 128));
    QFile file(QStringLiteral(KX_SOURCE_DIR "/packaging/kestrel-x-editor.desktop"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QMap<QString, QString> entry;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (line.contains(QLatin1Char('=')))
            entry[line.section(QLatin1Char('='), 0, 0)] = line.section(QLatin1Char('='), 1);
    QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral(KX_APP_ID));
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), entry.value(QStringLiteral("Exec")));
}

void TestAccessibility::focus_mark_in_every_look_data() {
    QTest::addColumn<int>("look");
    for (int look = 0; look <= kLookMenuCount; ++look) // 7, the eighth, only from the file
        QTest::addRow("look %d", look) << look;
}

// Every kind of control the windows let the keyboard reach shows a mark when it has the focus,
// one that differs from the control without the focus by 3:1 contrast or more (a slider that
// moves with the arrow keys included).
void TestAccessibility::focus_mark_in_every_look() {
    QFETCH(int, look);
    EditorFixture f;
    f.start();
    QVERIFY(apply_look(f.context->store, look));
    QWidget window;
    window.setObjectName(QStringLiteral("formFXParameters")); // a translucent look's gradient
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QPushButton(QStringLiteral("Elsewhere"), &window);
    auto* combo = new QComboBox(&window);
    combo->addItems({QStringLiteral("KI"), QStringLiteral("--")});
    auto* slider = new QSlider(Qt::Horizontal, &window);
    slider->setRange(0, 1023);
    slider->setValue(800);
    auto* list = new QListWidget(&window);
    list->addItems({QStringLiteral("Gain"), QStringLiteral("Modulation")});
    auto* text = new QPlainTextEdit(QStringLiteral("log"), &window);
    const QList<QWidget*> controls = {new QPushButton(QStringLiteral("Request"), &window),
                                      new QCheckBox(QStringLiteral("scrollDOWN"), &window),
                                      combo,
                                      slider,
                                      new QSpinBox(&window),
                                      list,
                                      text,
                                      new QLineEdit(QStringLiteral("command"), &window)};
    layout->addWidget(other);
    for (QWidget* control : controls)
        layout->addWidget(control);
    window.resize(260, 520);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList unmarked;
    for (QWidget* control : controls) {
        // A line round a check box's indicator, at least.
        const int marked = focus_mark_pixels(control, other);
        if (marked < 40)
            unmarked << QStringLiteral("%1: %2 pixels")
                            .arg(QLatin1String(control->metaObject()->className()))
                            .arg(marked);
    }
    // The slider that the arrow keys move, marked, for the pictures of each look.
    slider->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    if (const QString folder = qEnvironmentVariable("KX_SHOT_DIR"); !folder.isEmpty())
        window.grab().save(QStringLiteral("%1/focus-look-%2.png").arg(folder).arg(look));
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
