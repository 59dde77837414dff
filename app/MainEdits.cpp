// Undo and redo of the parameters window's edits, and what the editor asks before unstored
// edits (neither stored on the pedal nor saved in a preset) would be lost.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace kx {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "Kestrel X Editor");
// The state goes first, where a narrow title bar still shows it.
constexpr char kUnstoredMark[] = QT_TRANSLATE_NOOP("kx::TformMain", "Unstored edits \u2014 ");
constexpr char kAskUnstored[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Your edits to \"%1\" are neither stored on the pedal nor saved in a preset. Store them on "
    "the pedal, save them as a preset, or discard them?");
constexpr char kChoiceStore[] = QT_TRANSLATE_NOOP("kx::TformMain", "Store on the pedal");
constexpr char kChoiceSave[] = QT_TRANSLATE_NOOP("kx::TformMain", "Save as preset\u2026");
constexpr char kChoiceDiscard[] = QT_TRANSLATE_NOOP("kx::TformMain", "Discard");
constexpr char kChoiceCancel[] = QT_TRANSLATE_NOOP("kx::TformMain", "Cancel");

} // namespace

void TformMain::create_edit_actions() {
    QUndoStack& stack = m_windows.formFXParameters->undo_stack();
    menuUndo = stack.createUndoAction(menuEdit, ui_text("kx::TformMain", "&Undo"));
    menuUndo->setObjectName(QStringLiteral("menuUndo"));
    menuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menuRedo = stack.createRedoAction(menuEdit, ui_text("kx::TformMain", "&Redo"));
    menuRedo->setObjectName(QStringLiteral("menuRedo"));
    menuRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // The edits are made in the parameters window: the keys work there as well as here.
    for (QAction* action : {menuUndo, menuRedo}) {
        action->setShortcutContext(Qt::ApplicationShortcut);
        menuEdit->addAction(action);
    }
    connect(m_windows.formFXParameters, &TformFXParameters::unstored_changed, this,
            &TformMain::show_unstored);
    connect(m_windows.formFXParameters, &TformFXParameters::assignments_sent, this,
            [this] { show_status_text(ui_text("kx::TformMain", kStatusAssigned)); });
    create_compare_actions();
}

void TformMain::show_unstored(bool unstored) {
    const QString mark = unstored ? ui_text("kx::TformMain", kUnstoredMark) : QString();
    if (unstored)
        set_untranslated(this, "windowTitle", mark + ui_text("kx::TformMain", kCaption));
    else
        set_translated(this, "windowTitle", "kx::TformMain", kCaption);
    if (TformFXParameters* parameters = m_windows.formFXParameters) {
        QString title = parameters->windowTitle();
        if (title.startsWith(ui_text("kx::TformMain", kUnstoredMark)))
            title.remove(0, ui_text("kx::TformMain", kUnstoredMark).size());
        set_untranslated(parameters, "windowTitle", mark + title);
    }
}

Task<bool> TformMain::keep_or_let_go_of_edits() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters || !parameters->has_unstored_edits())
        co_return true;
    const QStringList choices{
        ui_text("kx::TformMain", kChoiceStore), ui_text("kx::TformMain", kChoiceSave),
        ui_text("kx::TformMain", kChoiceDiscard), ui_text("kx::TformMain", kChoiceCancel)};
    const int chosen = m_context.dialogs.choose(
        ui_text("kx::TformMain", kAskUnstored).arg(parameters->selected_effect_name), choices);
    switch (chosen) {
    case 0:
        co_return co_await store_settings();
    case 1:
        menuSaveConfigurationClick();
        co_return !parameters->has_unstored_edits();
    case 2:
        parameters->mark_stored(); // let go: nothing more to ask about them
        co_return true;
    default:
        co_return false;
    }
}

void TformMain::closeEvent(QCloseEvent* event) {
    // The question, and a store it may ask for, need the pedal: the window stays until they
    // have ended, then closes itself if the edits were kept or let go.
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!m_closing_approved && parameters && parameters->has_unstored_edits()) {
        // Answered at once (Discard, Cancel, Save), the window closes now or stays; a store
        // closes it once the pedal has taken it.
        m_in_close_event = true;
        m_close_now = false;
        close_after_edits();
        m_in_close_event = false;
        if (!std::exchange(m_close_now, false)) {
            event->ignore();
            return;
        }
    }
    m_closing_approved = false;
    remember_places();
    QWidget::closeEvent(event);
}

Task<> TformMain::close_after_edits() {
    const bool let_go = co_await keep_or_let_go_of_edits();
    if (!let_go)
        co_return;
    if (m_in_close_event) {
        m_close_now = true;
        co_return;
    }
    m_closing_approved = true;
    close();
}

} // namespace kx
