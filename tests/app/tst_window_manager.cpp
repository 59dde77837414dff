// The editor's windows under a real window manager: openbox on a virtual display of 1024 x 720,
// smaller than the places the windows were designed for (started by
// support/with_window_manager.sh). Each window opens with its frame (title bar included) whole
// on the main window's screen, beside the main window where there is room, and Escape closes
// it; a remembered place off the screen is neither used nor saved again; a box opens centred on
// the window it is about.
#include "editor_fixture.h"

#include "app/Main.h"
#include "app/PrintConsole.h"
#include "base/ui/widget_dialogs.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "ir/ui/ImpulseResponse.h"
#include "library/ui/FXInfo.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include <functional>
#include <optional>

using namespace kx;

namespace {

// The frame's borders as the window manager announces them (left, top, right, bottom), read
// from the X server: Qt learns them late, and at times not at all.
std::optional<QMargins> frame_extents(QWidget* window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_FRAME_EXTENTS")});
    if (!xprop.waitForFinished(5000))
        return std::nullopt;
    // _NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 20, 5: left, right, top, bottom.
    const QString answer = QString::fromLatin1(xprop.readAllStandardOutput());
    const QStringList numbers =
        answer.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!answer.contains(QLatin1Char('=')) || numbers.size() != 4)
        return std::nullopt;
    return QMargins(numbers[0].trimmed().toInt(), numbers[2].trimmed().toInt(),
                    numbers[1].trimmed().toInt(), numbers[3].trimmed().toInt());
}

// The frame on the screen: the client area Qt knows, with the window manager's borders.
QRect frame_of(QWidget* window) {
    return window->geometry().marginsAdded(frame_extents(window).value_or(QMargins()));
}

// Waits until the window manager has framed and placed `window` and the editor has had its
// say about the place.
bool settled(QWidget* window) {
    const bool exposed = QTest::qWaitForWindowExposed(window, 10000);
    QDeadlineTimer deadline(10000);
    while (!frame_extents(window) && !deadline.hasExpired())
        QTest::qWait(20);
    QTest::qWait(250);
    return exposed && frame_extents(window);
}

QString rect_text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where a window's frame may go: the available area of the main window's screen.
QRect main_area(const QWidget& main) {
    return main.screen()->availableGeometry();
}

bool room_beside(const QRect& frame, const QRect& main_frame, const QRect& area) {
    return area.right() - main_frame.right() >= frame.width() ||
           main_frame.left() - area.left() >= frame.width();
}

struct Rig {
    EditorFixture f;

    TformMain& main() { return f.main(); }
    EditorWindows& windows() { return *f.windows; }

    void start() {
        f.start();
        QVERIFY(settled(&main()));
    }

    // Opens a window as the user does and gives it the keyboard; the window.
    QWidget* open(const QString& name) {
        TformMain& w = main();
        QWidget* window = nullptr;
        if (name == QLatin1String("parameters") || name == QLatin1String("information")) {
            f.choose_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
            kx::test::settle();
            window = windows().formFXParameters.get();
            if (name == QLatin1String("information")) {
                if (!settled(window))
                    return nullptr; // the parameters window did not open
                w.btnGetFXInfo->click();
                window = windows().formFXInfo.get();
            }
        } else if (name == QLatin1String("Assignment Map")) {
            w.menuAssignmentMap->trigger();
            window = windows().formAssignmentMap.get();
        } else if (name == QLatin1String("IR")) {
            windows().formImpulseResponse->show_howto();
            window = windows().formImpulseResponse.get();
        } else if (name == QLatin1String("firmware")) {
            w.menuStartFirmwareUpgradeClick();
            window = windows().formFirmwareUpgrade.get();
        } else if (name == QLatin1String("log console")) {
            w.FormKeyDown();
            window = windows().formPrint.get();
        } else if (name == QLatin1String("Preset Library")) {
            w.menuPresetLibrary->trigger();
            window = w.findChild<QWidget*>(QStringLiteral("formPresetLibrary"));
        } else if (name == QLatin1String("Connection Doctor")) {
            w.menuDiagnose->trigger();
            window = w.findChild<QWidget*>(QStringLiteral("formConnectionDoctor"));
        } else if (name == QLatin1String("New Version")) {
            windows().formNewVersionMsg->show();
            window = windows().formNewVersionMsg.get();
        }
        kx::test::settle();
        return window;
    }

    // Faults of a shown window's place: off the main window's screen, or over the main window
    // while there was room beside it.
    QStringList place_faults(QWidget* window) {
        QStringList faults;
        const QRect area = main_area(main());
        const QRect frame = frame_of(window);
        const QRect main_frame = frame_of(&main());
        if (!area.contains(frame))
            faults << QStringLiteral("%1: frame %2 not inside the screen %3")
                          .arg(window->objectName(), rect_text(frame), rect_text(area));
        if (frame.intersects(main_frame) && room_beside(frame, main_frame, area))
            faults << QStringLiteral("%1: frame %2 over the main window %3")
                          .arg(window->objectName(), rect_text(frame), rect_text(main_frame));
        return faults;
    }
};

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void every_window_opens_on_screen_and_closes_with_escape_data();
    void every_window_opens_on_screen_and_closes_with_escape();
    void a_window_taller_than_the_screen_scrolls();
    void a_place_off_the_screen_is_neither_used_nor_kept();
    void boxes_open_centred_on_their_window_data();
    void boxes_open_centred_on_their_window();
};

void TestWindowManager::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display with a window manager (support/with_window_manager.sh)");
}

void TestWindowManager::every_window_opens_on_screen_and_closes_with_escape_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"parameters", "information", "Assignment Map", "IR", "firmware",
                             "log console", "Preset Library", "Connection Doctor", "New Version"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindowManager::every_window_opens_on_screen_and_closes_with_escape() {
    QFETCH(QString, name);
    Rig rig;
    rig.start();
    QVERIFY(main_area(rig.main()).contains(frame_of(&rig.main())));
    QWidget* window = rig.open(name);
    QVERIFY(window);
    QVERIFY2(settled(window), qPrintable(name));
    const QStringList faults = rig.place_faults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, Qt::Key_Escape);
    QTRY_VERIFY2(!window->isVisible(), qPrintable(name));
    QVERIFY(rig.main().isVisible());
}

// The 24-control effect's window is taller than this screen: it opens whole, and its rows
// scroll.
void TestWindowManager::a_window_taller_than_the_screen_scrolls() {
    Rig rig;
    rig.start();
    rig.f.choose_effect(QStringLiteral("Synthesis"), QStringLiteral("Arpeggio Synth"));
    kx::test::settle();
    TformFXParameters& parameters = *rig.windows().formFXParameters;
    QVERIFY(settled(&parameters));
    const QStringList faults = rig.place_faults(&parameters);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QScrollBar* bar = parameters.scroll_bar();
    QVERIFY(bar && bar->isVisible());
    // The lowest row's widget.
    QWidget* last = nullptr;
    for (QWidget* widget : parameters.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (widget != bar && (!last || widget->geometry().bottom() > last->geometry().bottom()))
            last = widget;
    QVERIFY(last);
    // The bar covers what the screen leaves out; at its end the lowest row is in view.
    QCOMPARE(bar->maximum(),
             parameters_window_height(parameters.control_count(), parameters.readback_count()) -
                 parameters.height());
    bar->setValue(bar->maximum());
    QVERIFY(last->y() >= 0 && last->geometry().bottom() < parameters.height());
}

void TestWindowManager::a_place_off_the_screen_is_neither_used_nor_kept() {
    Rig rig;
    // What a run left when the map and the console opened with their title bars above the
    // screen, and a place on a screen that has since gone.
    rig.f.write(QStringLiteral("NORVA/Kestrel X/Editor.ini"),
                "[Windows]\nformAssignmentMap=@Point(-1 -20)\nformPrint=@Point(3000 2000)\n"
                "formImpulseResponse=@Point(200 -20)\n");
    rig.start();
    QStringList faults;
    for (const char* name : {"Assignment Map", "log console", "IR"}) {
        QWidget* window = rig.open(QString::fromLatin1(name));
        QVERIFY2(settled(window), name);
        faults << rig.place_faults(window);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    rig.main().close();
    const QSettings memory(rig.f.path(QStringLiteral("NORVA/Kestrel X/Editor.ini")),
                           QSettings::IniFormat);
    const QRect area = main_area(rig.main());
    for (const char* key : {"Windows/formMain", "Windows/formAssignmentMap", "Windows/formPrint",
                            "Windows/formImpulseResponse"}) {
        const QPoint kept = memory.value(QLatin1String(key)).toPoint();
        QVERIFY2(area.contains(kept), qPrintable(QStringLiteral("%1 kept at %2,%3")
                                                     .arg(QLatin1String(key))
                                                     .arg(kept.x())
                                                     .arg(kept.y())));
    }
}

void TestWindowManager::boxes_open_centred_on_their_window_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QString();
    QTest::newRow("log console") << QStringLiteral("log console");
    QTest::newRow("parameters") << QStringLiteral("parameters");
}

void TestWindowManager::boxes_open_centred_on_their_window() {
    QFETCH(QString, window);
    Rig rig;
    rig.start();
    QWidget* parent = &rig.main();
    if (!window.isEmpty()) {
        parent = rig.open(window);
        QVERIFY(settled(parent));
    }
    parent->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(parent));
    // The real boxes, with the main window as the editor gives them.
    WidgetDialogs dialogs(&rig.main());
    QRect box_frame;
    QRect parent_frame;
    bool seen = false;
    // Looked at from inside the box's own event loop, once it is shown and framed.
    std::function<void(int)> look = [&](int tries) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (tries > 0)
                QTimer::singleShot(20, [&look, tries] { look(tries - 1); });
            return;
        }
        seen = settled(box);
        box_frame = frame_of(box);
        parent_frame = frame_of(parent);
        QTest::keyClick(box, Qt::Key_Escape);
        if (box->isVisible())
            box->done(0);
    };
    QTimer::singleShot(0, [&look] { look(100); });
    dialogs.message(QStringLiteral("The pedal did not answer."));
    QVERIFY2(seen, "the box was not shown");
    const QRect area = main_area(rig.main());
    QVERIFY2(area.contains(box_frame), qPrintable(rect_text(box_frame)));
    // Centred, unless the screen's edge holds it back.
    const QPoint off = box_frame.center() - parent_frame.center();
    const QRect centred(parent_frame.center() -
                            QPoint(box_frame.width() / 2, box_frame.height() / 2),
                        box_frame.size());
    if (area.contains(centred))
        QVERIFY2(std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2,
                 qPrintable(QStringLiteral("box %1, window %2")
                                .arg(rect_text(box_frame), rect_text(parent_frame))));
}

QTEST_MAIN(TestWindowManager)
#include "tst_window_manager.moc"
