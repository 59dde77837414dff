// Undo and redo of the parameters window's edits, and what the editor asks before unstored
// edits (neither stored on the pedal nor saved in a preset) would be lost.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace kx {

namespace {

constexpr char kCaption[] = "Kestrel X Editor";
// The state goes first, where a narrow title bar still shows it.
constexpr char kUnstoredMark[] = "Unstored edits \u2014 ";
constexpr char kAskUnstored[] =
    "Your edits to \"%1\" are neither stored on the pedal nor saved in a preset. Store them on "
    "the pedal, save them as a preset, or discard them?";
constexpr char kChoiceStore[] = "Store on the pedal";
constexpr char kChoiceSave[] = "Save as preset\u2026";
constexpr char kChoiceDiscard[] = "Discard";
constexpr char kChoiceCancel[] = "Cancel";

} // namespace

void TformMain::create_edit_actions() {
    QUndoStack& stack = m_windows.formFXParameters->undo_stack();
    menuUndo = stack.createUndoAction(menuEdit, QStringLiteral("&Undo"));
    menuUndo->setObjectName(QStringLiteral("menuUndo"));
    menuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menuRedo = stack.createRedoAction(menuEdit, QStringLiteral("&Redo"));
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
            [this] { show_status_text(QString::fromLatin1(kStatusAssigned)); });
    create_compare_actions();
}

void TformMain::show_unstored(bool unstored) {
    const QString mark = unstored ? QString::fromUtf8(kUnstoredMark) : QString();
    setWindowTitle(mark + QString::fromLatin1(kCaption));
    if (TformFXParameters* parameters = m_windows.formFXParameters) {
        QString title = parameters->windowTitle();
        if (title.startsWith(QString::fromUtf8(kUnstoredMark)))
            title.remove(0, QString::fromUtf8(kUnstoredMark).size());
        parameters->setWindowTitle(mark + title);
    }
}

Task<bool> TformMain::keep_or_let_go_of_edits() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters || !parameters->has_unstored_edits())
        co_return true;
    const QStringList choices{QString::fromUtf8(kChoiceStore), QString::fromUtf8(kChoiceSave),
                              QString::fromUtf8(kChoiceDiscard), QString::fromUtf8(kChoiceCancel)};
    const int chosen = m_context.dialogs.choose(
        QString::fromUtf8(kAskUnstored).arg(parameters->selected_effect_name), choices);
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
