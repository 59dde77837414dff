#include "app/HelpMenu.h"

#include "app/AboutBox.h"
#include "app/AppContext.h"
#include "app/GuideBrowser.h"
#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/guide_places.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "base/ui/widget_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace kx {

namespace {

// The captions follow a change of language.
QAction* add_item(QMenu* menu, const char* name, const char* caption,
                  const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    set_translated(action, "text", "HelpMenu", caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // As the editor's other shortcuts: F1 works from each of its windows.
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

// The guide and the About box live as long as the main window and are made on first use; they
// open beside it.
template <typename Window, typename Make> Window& window_of(TformMain& main, Make make) {
    if (auto* window = main.findChild<Window*>(QString(), Qt::FindDirectChildrenOnly))
        return *window;
    return *make();
}

void show_window(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void open_guide(TformMain& main, AppContext& context) {
    const QUrl place = guide_place_for_active_window(main);
    TformGuide& guide = window_of<TformGuide>(main, [&] {
        return new TformGuide(
            [&context](const QUrl& address) { open_in_browser(context, address); }, &main);
    });
    guide.open_at(place);
    show_window(guide);
}

void show_about(TformMain& main) {
    show_window(window_of<TformAbout>(main, [&] { return new TformAbout(&main); }));
}

void show_about_qt(TformMain& main, AppContext& context) {
    // Qt's own box waits for its OK; only the real dialogs show it (a scripted run has no one
    // to read it).
    if (dynamic_cast<WidgetDialogs*>(&context.dialogs))
        QMessageBox::aboutQt(&main, ui_text("HelpMenu", "About Qt"));
}

} // namespace

QUrl guide_place_for_active_window(const TformMain& main) {
    const QWidget* window = QApplication::activeWindow();
    return guide_place((window ? window : &main)->objectName());
}

void add_quit_item(TformMain& main) {
    main.menuFile->addSeparator();
    QAction* quit = add_item(main.menuFile, "menuQuit", QT_TRANSLATE_NOOP("HelpMenu", "&Quit"),
                             QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The same road as the window's close button: unstored edits are asked about, and Cancel
    // keeps the editor open.
    QObject::connect(quit, &QAction::triggered, &main, &QWidget::close);
}

void add_help_menu(TformMain& main, AppContext& context) {
    auto* help = new QMenu(&main);
    set_translated(help, "title", "HelpMenu", QT_TRANSLATE_NOOP("HelpMenu", "&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("menuHelp"));
    // A popup has no name of its own.
    set_translated(help, "accessibleName", "HelpMenu", QT_TRANSLATE_NOOP("HelpMenu", "Help"));
    QAction* guide = add_item(help, "menuUserGuide", QT_TRANSLATE_NOOP("HelpMenu", "&User Guide"),
                              QKeySequence(Qt::Key_F1));
    help->addSeparator();
    QAction* doctor = add_item(help, "menuConnectionDoctor",
                               QT_TRANSLATE_NOOP("HelpMenu", "Connection &Doctor\u2026"));
    // The one version check that asks on purpose (the Info menu shows its answer).
    main.menuCheckForUpdates = add_item(help, "menuCheckForUpdates",
                                        QT_TRANSLATE_NOOP("HelpMenu", "&Check for Updates\u2026"));
    help->addMenu(main.menuInfo);
    help->addSeparator();
    QAction* about =
        add_item(help, "menuAbout", QT_TRANSLATE_NOOP("HelpMenu", "&About Kestrel X Editor"));
    QAction* about_qt = add_item(help, "menuAboutQt", QT_TRANSLATE_NOOP("HelpMenu", "About &Qt"));
    main.MenuBar1->addMenu(help);

    QObject::connect(guide, &QAction::triggered, &main,
                     [&main, &context] { open_guide(main, context); });
    QObject::connect(doctor, &QAction::triggered, &main, &TformMain::menuDiagnoseClick);
    QObject::connect(about, &QAction::triggered, &main, [&main] { show_about(main); });
    QObject::connect(about_qt, &QAction::triggered, &main,
                     [&main, &context] { show_about_qt(main, context); });
}

} // namespace kx
