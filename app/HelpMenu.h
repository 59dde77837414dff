#pragma once

class QUrl;
class QWidget;

namespace kx {

class AppContext;
class TformMain;

// File > Quit (Ctrl+Q): closes the main window, which asks first about unstored edits.
void add_quit_item(TformMain& main);

// The Help menu, last in the main window's menu bar: the user guide (F1, from every window,
// at that window's section), the Connection Doctor, Check for Updates, the Info menu, About
// Kestrel X Editor and About Qt. Called before the menus' items are connected: it makes
// menuCheckForUpdates.
void add_help_menu(TformMain& main, AppContext& context);

// The guide's place for the window in use: the active window of the editor, else the main
// window.
QUrl guide_place_for_active_window(const TformMain& main);

} // namespace kx
