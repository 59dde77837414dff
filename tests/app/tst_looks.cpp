// The looks: every text of every look reaches 4.5:1 contrast against what it is drawn on, in
// the style sheets as written and in the palettes the windows get from them; the Look menu
// names them and checks the one in use.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/Main.h"
#include "app/Settings.h"

#include <QAction>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>

using namespace kx;

namespace {

constexpr double kMinimumContrast = 4.5;
constexpr int kLookCount = 8;
// What shows through where a look's window background is transparent (look 7): a window
// without a compositor is drawn on black.
const QColor kBackdrop(0, 0, 0);

double luminance(const QColor& color) {
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor over(const QColor& color, const QColor& under) {
    const double a = color.alphaF();
    return QColor::fromRgbF(float(color.redF() * a + under.redF() * (1 - a)),
                            float(color.greenF() * a + under.greenF() * (1 - a)),
                            float(color.blueF() * a + under.blueF() * (1 - a)));
}

// A style sheet as selector -> property -> value, comma lists split.
using Sheet = std::map<QString, std::map<QString, QString>>;

Sheet parse_sheet(QString text) {
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                   QRegularExpression::DotMatchesEverythingOption));
    Sheet sheet;
    static const QRegularExpression rule(QStringLiteral("([^{}]+)\\{([^}]*)\\}"));
    for (auto it = rule.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        for (QString selector : match.captured(1).split(QLatin1Char(','))) {
            selector = selector.simplified();
            if (selector.isEmpty())
                continue;
            for (const QString& declaration : match.captured(2).split(QLatin1Char(';'))) {
                const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
                if (colon > 0)
                    sheet[selector][declaration.left(colon).trimmed()] =
                        declaration.mid(colon + 1).simplified();
            }
        }
    }
    return sheet;
}

// The colours a value names (a gradient names several); none for "transparent".
QList<QColor> colours_of(const QString& value) {
    QList<QColor> colours;
    static const QRegularExpression colour(
        QStringLiteral("#([0-9A-Fa-f]{6})|rgba\\((\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)\\)"));
    for (auto it = colour.globalMatch(value); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty())
            colours << QColor(QLatin1Char('#') + m.captured(1));
        else
            colours << QColor(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
                              m.captured(5).toInt());
    }
    return colours;
}

// Where a selector takes what it does not set: "QMenu::item:disabled" from "QMenu::item",
// that from "QMenu", that from "QWidget".
QString inherits_from(const QString& selector) {
    static const QRegularExpression state(QStringLiteral("^(.*[^:])(:[a-z-]+|\\[[^\\]]*\\])$"));
    if (const auto m = state.match(selector); m.hasMatch())
        return m.captured(1);
    if (selector.contains(QLatin1String("::")))
        return selector.section(QLatin1String("::"), 0, 0);
    if (selector.contains(QLatin1Char(' ')))
        return selector.section(QLatin1Char(' '), -1);
    return selector == QLatin1String("QWidget") ? QString() : QStringLiteral("QWidget");
}

// What a selector's transparent background shows: a sub-control shows its widget, a widget
// the window.
QString container_of(QString selector) {
    while (true) {
        const QString up = inherits_from(selector);
        if (up.isEmpty())
            return {};
        if (selector.contains(QLatin1String("::")) && !up.contains(QLatin1String("::")))
            return up;
        if (!selector.contains(QLatin1String("::")) && up == QLatin1String("QWidget"))
            return up;
        selector = up;
    }
}

QString lookup(const Sheet& sheet, QString selector, const QStringList& keys, QString* where) {
    for (; !selector.isEmpty(); selector = inherits_from(selector)) {
        const auto rule = sheet.find(selector);
        if (rule == sheet.end())
            continue;
        for (const QString& key : keys)
            if (const auto value = rule->second.find(key); value != rule->second.end()) {
                if (where)
                    *where = selector;
                return value->second;
            }
    }
    return {};
}

QList<QColor> background(const Sheet& sheet, const QString& selector) {
    QString at;
    const QString value = lookup(
        sheet, selector, {QStringLiteral("background-color"), QStringLiteral("background")}, &at);
    const QString holder = container_of(at.isEmpty() ? selector : at);
    const QColor under = holder.isEmpty() ? kBackdrop : background(sheet, holder).value(0);
    const QList<QColor> own = colours_of(value);
    if (own.isEmpty())
        return holder.isEmpty() ? QList<QColor>{kBackdrop} : background(sheet, holder);
    QList<QColor> shown;
    for (const QColor& colour : own)
        shown << over(colour, under);
    return shown;
}

// Sub-controls and widgets that draw no text.
bool draws_text(const QString& selector) {
    for (const char* part : {"::indicator", "::groove", "::handle", "::sub-page", "::add-page",
                             "::drop-down", "::down-arrow", "::up-arrow", "::right-arrow",
                             "::separator", "::corner", "QScrollBar", "QSlider"})
        if (selector.contains(QLatin1String(part)))
            return false;
    return true;
}

QString look_text(int look) {
    QFile file(QStringLiteral(KX_SOURCE_DIR "/resources/STYLE_%1").arg(look));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first colour under `widget` that is not transparent, walking out to its window.
QColor shown_background(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QColor colour = widget->palette().color(widget->backgroundRole());
        if (colour.alpha() > 0)
            return over(colour, kBackdrop);
    }
    return kBackdrop;
}

} // namespace

class TestLooks : public QObject {
    Q_OBJECT
private slots:
    void sheets_reach_contrast_data();
    void sheets_reach_contrast();
    void windows_reach_contrast_data();
    void windows_reach_contrast();
    void look_menu_names_and_checks_the_look();
};

void TestLooks::sheets_reach_contrast_data() {
    QTest::addColumn<int>("look");
    for (int look = 0; look < kLookCount; ++look)
        QTest::newRow(qPrintable(QStringLiteral("look %1").arg(look))) << look;
}

// Each rule's text colour (its own or inherited) against each colour of its background, and
// each selection colour against the selection background.
void TestLooks::sheets_reach_contrast() {
    QFETCH(int, look);
    const QString text = look_text(look);
    QVERIFY(!text.isEmpty());
    const Sheet sheet = parse_sheet(text);
    QVERIFY(sheet.size() > 20);
    QStringList faults;
    for (const auto& [selector, rule] : sheet) {
        if (!draws_text(selector))
            continue;
        const QList<QColor> backgrounds = background(sheet, selector);
        const QColor foreground =
            colours_of(lookup(sheet, selector, {QStringLiteral("color")}, nullptr)).value(0);
        if (foreground.isValid())
            for (const QColor& behind : backgrounds) {
                const double ratio = contrast(over(foreground, behind), behind);
                if (ratio < kMinimumContrast)
                    faults << QStringLiteral("%1: %2 on %3 is %4:1")
                                  .arg(selector, foreground.name(QColor::HexArgb), behind.name())
                                  .arg(ratio, 0, 'f', 2);
            }
        const QColor selected =
            colours_of(
                lookup(sheet, selector, {QStringLiteral("selection-background-color")}, nullptr))
                .value(0);
        const QColor selected_text =
            colours_of(lookup(sheet, selector, {QStringLiteral("selection-color")}, nullptr))
                .value(0);
        if (selected.isValid() && selected_text.isValid()) {
            const QColor behind = over(selected, backgrounds.value(0));
            const double ratio = contrast(over(selected_text, behind), behind);
            if (ratio < kMinimumContrast)
                faults << QStringLiteral("%1: selected %2 on %3 is %4:1")
                              .arg(selector, selected_text.name(), behind.name())
                              .arg(ratio, 0, 'f', 2);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLooks::windows_reach_contrast_data() {
    sheets_reach_contrast_data();
}

// The labels and buttons of the main window as the look paints them, enabled and disabled,
// any transparency effect included ("Serial Number:" was drawn half transparent).
void TestLooks::windows_reach_contrast() {
    QFETCH(int, look);
    EditorFixture f;
    f.start();
    QVERIFY(apply_look(f.context->store, look));
    QApplication::processEvents();
    QStringList faults;
    for (QWidget* widget : f.main().findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const bool label = qobject_cast<QLabel*>(widget);
        const bool button = qobject_cast<QPushButton*>(widget);
        if (!label && !button)
            continue;
        const QPalette::ColorGroup group =
            widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor behind = button ? over(widget->palette().color(group, QPalette::Button),
                                            shown_background(widget))
                                     : shown_background(widget);
        QColor ink = widget->palette().color(group, widget->foregroundRole());
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect()))
            ink.setAlphaF(ink.alphaF() * effect->opacity());
        const double ratio = contrast(over(ink, behind), behind);
        if (ratio < kMinimumContrast)
            faults << QStringLiteral("%1: %2 on %3 is %4:1")
                          .arg(widget->objectName(), ink.name(QColor::HexArgb), behind.name())
                          .arg(ratio, 0, 'f', 2);
    }
    qApp->setStyleSheet(QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLooks::look_menu_names_and_checks_the_look() {
    EditorFixture f;
    f.write(kLookFile, "4");
    f.start();
    const QList<QAction*> items = f.main().menuLook->actions();
    QCOMPARE(items.size(), 7);
    QStringList names;
    for (QAction* item : items) {
        QVERIFY(item->isCheckable());
        names << item->text().remove(QLatin1Char('&'));
    }
    QCOMPARE(names, (QStringList{"Dark Red", "Dark Orange", "Dark Turquoise", "Dark Blue",
                                 "Grey Orange", "Grey Gold", "Light Cyan"}));
    auto checked = [&] {
        QList<int> on;
        for (int k = 0; k < int(items.size()); ++k)
            if (items[k]->isChecked())
                on << k;
        return on;
    };
    QCOMPARE(checked(), QList<int>{4});
    items[6]->trigger();
    kx::test::settle();
    QCOMPARE(checked(), QList<int>{6});
    QCOMPARE(f.read(kLookFile), QByteArray("6"));
    // Look 7 is not in the menu: nothing is checked while it is in use.
    f.write(kLookFile, "7");
    f.restart();
    QCOMPARE(QList<int>(), [&] {
        QList<int> on;
        for (QAction* item : f.main().menuLook->actions())
            if (item->isChecked())
                on << int(f.main().menuLook->actions().indexOf(item));
        return on;
    }());
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
