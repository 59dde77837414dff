#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kx {

// Where the program's windows open: whole on the screen that holds the home window (the main
// window), tool windows beside it rather than over it, boxes centred on the window they are
// about. Places are of frames (title bar and border included): a window manager's frame is
// known only once it has drawn one, so until then a shown window's margins stand in.

// The top-left corner that shows a frame of `size` whole inside `area`; a frame larger than
// the area keeps its top-left corner (and title bar) inside.
QPoint inside_area(const QRect& frame, const QRect& area);
// A frame of `size` beside `anchor` in `area`: right of it, else left, below or above, where it
// fits whole; where it fits nowhere, where it covers the least of `home` (the main window),
// then of the anchor.
QPoint beside_frame(const QSize& size, const QRect& anchor, const QRect& area,
                    const QRect& home = {});
// A frame of `size` centred on `parent`, inside `area`.
QPoint centred_frame(const QSize& size, const QRect& parent, const QRect& area);

// The window the others open beside, on whose screen they open. Until one is set, the screen
// of each window (or the primary screen) is used.
void set_home_window(QWidget* home);
QWidget* home_window();

// The available area of the home window's screen (the screen holding most of its frame), or,
// without a home window, of `window`'s own screen.
QRect home_area(const QWidget* window = nullptr);

// The frame `window` has, or will have once the window manager draws it.
QRect expected_frame(const QWidget* window);

// Moves `window` so that its frame's top-left corner is `corner`.
void move_frame(QWidget* window, QPoint corner);

// Moves `window` so that its frame lies inside the home screen's available area, shrinking a
// resizable window that is larger than that area.
void keep_inside_screen(QWidget* window);
// Places `window` beside `anchor` (the home window when null), whole on the home screen.
void place_beside(QWidget* window, const QWidget* anchor = nullptr);
// Centres `window` on `parent`'s frame, whole on the home screen.
void centre_on(QWidget* window, const QWidget* parent);

// From now on, every window and dialog of the program opens whole on the home screen: a
// window the program has not placed (or has placed over the home window from off the screen)
// opens beside the home window, a dialog with a parent centred on it. Calling it again does
// nothing.
void keep_windows_inside_screen();

} // namespace kx
