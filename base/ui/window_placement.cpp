#include "base/ui/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>

namespace kx {

namespace {

QPointer<QWidget> g_home;

// Whether Qt knows the window's frame: a frame around the client area. (Qt may not have heard
// of the window manager's borders yet, or at times reports a frame of one pixel.)
bool framed(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame == client || !frame.contains(client))
        return false;
    // A window manager's frame has its title bar above the client area; what Qt reports
    // without one is not a frame to go by.
    return frame.top() < client.top() ||
           QGuiApplication::platformName() == QLatin1String("offscreen");
}

// Set on a window once it has been shown: a window shown again keeps the place the user gave
// it, as long as it stays on the screen.
constexpr char kShownBefore[] = "kx_shown_before";

qint64 overlap_area(const QRect& a, const QRect& b) {
    const QRect overlap = a.intersected(b);
    return overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
}

QScreen* screen_holding(const QRect& frame) {
    QScreen* best = nullptr;
    qint64 best_area = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const qint64 area = overlap_area(screen->geometry(), frame);
        if (area > best_area) {
            best_area = area;
            best = screen;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

// Boxes and file dialogs are about the window they belong to; other windows are the editor's
// own and open beside the home window.
bool is_box(const QWidget* window) {
    return window->parentWidget() &&
           (window->inherits("QMessageBox") || window->inherits("QFileDialog") ||
            window->inherits("QInputDialog") || window->inherits("QProgressDialog"));
}

// A window manager may put a window elsewhere than asked, and a window's real frame is known
// only once drawn: when it is, a frame that is not whole on the home screen is brought in.
void check_when_framed(QWidget* window, int tries_left = 40) {
    QTimer::singleShot(25, window, [window, tries_left] {
        if (!window->isVisible())
            return;
        // Until Qt has heard of the frame (at times it never does), another window's borders
        // stand in for it.
        if (!home_area(window).contains(expected_frame(window)))
            keep_inside_screen(window);
        if (!framed(window) && tries_left > 0)
            check_when_framed(window, tries_left - 1);
    });
}

class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog))
            return false;
        const bool first_showing = !window->property(kShownBefore).toBool();
        window->setProperty(kShownBefore, true);
        QWidget* home = home_window();
        check_when_framed(window);
        if (window == home || !home || !home->isVisible()) {
            keep_inside_screen(window);
        } else if (is_box(window)) {
            // Qt's own file dialog opens too narrow for its Size, Type and Date columns.
            if (first_showing && window->inherits("QFileDialog"))
                window->resize(
                    std::max(window->width(), std::min(860, home_area(window).width())),
                    std::max(window->height(), std::min(520, home_area(window).height())));
            centre_on(window, window->parentWidget()->window());
        } else if (first_showing && !window->testAttribute(Qt::WA_Moved)) {
            place_beside(window, home);
        } else {
            const QRect frame = expected_frame(window);
            const QRect area = home_area(window);
            if (area.contains(frame))
                return false;
            // Off the screen: brought inside, unless that puts it over the home window.
            const QRect inside(inside_area(frame, area), frame.size());
            if (overlap_area(inside, expected_frame(home)) > 0)
                place_beside(window, home);
            else
                keep_inside_screen(window);
        }
        return false;
    }
};

} // namespace

QPoint inside_area(const QRect& frame, const QRect& area) {
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

QPoint beside_frame(const QSize& size, const QRect& anchor, const QRect& area, const QRect& home) {
    // Edge to edge, as the windows were designed to open.
    constexpr int kGap = 0;
    // Right, left, below, above: each side's corner, aligned with the anchor's top or left.
    const std::array<QPoint, 4> corners = {
        QPoint(anchor.right() + 1 + kGap, anchor.top()),
        QPoint(anchor.left() - kGap - size.width(), anchor.top()),
        QPoint(anchor.left(), anchor.bottom() + 1 + kGap),
        QPoint(anchor.left(), anchor.top() - kGap - size.height()),
    };
    QPoint best;
    std::pair<qint64, qint64> least{-1, -1};
    for (const QPoint& corner : corners) {
        // Slid along its side to lie inside the area; it may then cover part of the anchor.
        const QPoint placed = inside_area(QRect(corner, size), area);
        const QRect frame(placed, size);
        const std::pair<qint64, qint64> covered{home.isValid() ? overlap_area(frame, home) : 0,
                                                overlap_area(frame, anchor)};
        if (least.first < 0 || covered < least) {
            least = covered;
            best = placed;
        }
        if (covered == std::pair<qint64, qint64>{0, 0})
            break;
    }
    return best;
}

QPoint centred_frame(const QSize& size, const QRect& parent, const QRect& area) {
    const QPoint corner(parent.x() + (parent.width() - size.width()) / 2,
                        parent.y() + (parent.height() - size.height()) / 2);
    return inside_area(QRect(corner, size), area);
}

void set_home_window(QWidget* home) {
    g_home = home;
}

QWidget* home_window() {
    return g_home.data();
}

QRect home_area(const QWidget* window) {
    const QWidget* home = home_window();
    QScreen* screen = nullptr;
    if (home && home != window && home->isVisible())
        screen = screen_holding(expected_frame(home));
    else if (window)
        screen = window->isVisible() ? screen_holding(expected_frame(window)) : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect expected_frame(const QWidget* window) {
    if (framed(window))
        return window->frameGeometry();
    // Not framed yet: another window's margins, which the same window manager draws; when Qt
    // knows of none, borders at least as wide as a window manager's usual ones, so that a
    // frame thought whole on the screen is.
    // (Without a window manager, as offscreen, there are none.)
    QMargins margins = QGuiApplication::platformName() == QLatin1String("offscreen")
                           ? QMargins()
                           : QMargins(4, 32, 4, 8);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && framed(other)) {
            const QRect og = other->geometry();
            const QRect of = other->frameGeometry();
            margins = QMargins(og.left() - of.left(), og.top() - of.top(),
                               of.right() - og.right(), of.bottom() - og.bottom());
            break;
        }
    const QRect g = window->geometry();
    // Before the first showing, geometry() holds the place the frame's corner was moved to.
    if (!window->isVisible())
        return QRect(window->pos(), g.size().grownBy(margins));
    return g.marginsAdded(margins);
}

void move_frame(QWidget* window, QPoint corner) {
    const QRect frame = expected_frame(window);
    if (corner == frame.topLeft())
        return;
    // A framed window is moved by the frame's shift, as what pos() gives then varies by
    // platform; an unframed one that is shown already has its client area where its frame is
    // to go, so the margins move it too.
    window->move(window->pos() + corner - frame.topLeft());
}

void keep_inside_screen(QWidget* window) {
    const QRect area = home_area(window);
    if (area.isEmpty())
        return;
    QRect frame = expected_frame(window);
    const QSize decoration = frame.size() - window->size();
    if (window->minimumSize() != window->maximumSize() &&
        (frame.width() > area.width() || frame.height() > area.height())) {
        window->resize(std::min(window->width(), area.width() - decoration.width()),
                       std::min(window->height(), area.height() - decoration.height()));
        frame.setSize(window->size() + decoration);
    }
    move_frame(window, inside_area(frame, area));
}

void place_beside(QWidget* window, const QWidget* anchor) {
    if (!anchor)
        anchor = home_window();
    if (!anchor || anchor == window || !anchor->isVisible())
        return keep_inside_screen(window);
    keep_inside_screen(window); // shrinks it to the screen where it must
    const QRect frame = expected_frame(window);
    const QWidget* home = home_window();
    const QRect home_frame = home && home != anchor && home != window && home->isVisible()
                                 ? expected_frame(home)
                                 : QRect();
    move_frame(window,
               beside_frame(frame.size(), expected_frame(anchor), home_area(window), home_frame));
}

void centre_on(QWidget* window, const QWidget* parent) {
    if (!parent || !parent->isVisible())
        return keep_inside_screen(window);
    const QRect frame = expected_frame(window);
    move_frame(window, centred_frame(frame.size(), expected_frame(parent), home_area(window)));
}

void keep_windows_inside_screen() {
    static QPointer<ScreenKeeper> keeper;
    if (keeper || !qApp)
        return;
    keeper = new ScreenKeeper(qApp);
    qApp->installEventFilter(keeper);
}

} // namespace kx
