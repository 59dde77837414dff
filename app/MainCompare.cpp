// Edit > Compare and Edit > Reset to Effect's Values: the parameters window does the work (and
// its Compare button is the same switch); these items follow whether it can.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/ui/translated.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QMenu>

namespace kx {

void TformMain::create_compare_actions() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    menuEdit->addSeparator();
    menuCompare = menuEdit->addAction(QString());
    set_translated(menuCompare, "text", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "&Compare"));
    menuCompare->setObjectName(QStringLiteral("menuCompare"));
    menuCompare->setCheckable(true);
    menuCompare->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    menuCompare->setShortcutContext(Qt::ApplicationShortcut);
    menuResetToEffectValues = menuEdit->addAction(QString());
    set_translated(menuResetToEffectValues, "text", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Reset to Effect's &Values"));
    menuResetToEffectValues->setObjectName(QStringLiteral("menuResetToEffectValues"));
    connect(menuCompare, &QAction::triggered, this, [this, parameters] {
        refresh_compare_actions(); // the check follows the session, not the click
        (void)parameters->toggle_compare();
    });
    connect(menuResetToEffectValues, &QAction::triggered, parameters,
            [parameters] { (void)parameters->reset_to_effect_values(); });
    connect(parameters, &TformFXParameters::compare_changed, this,
            &TformMain::refresh_compare_actions);
    connect(parameters, &TformFXParameters::closed, this, &TformMain::refresh_compare_actions);
    refresh_compare_actions();
}

void TformMain::refresh_compare_actions() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!menuCompare || !parameters)
        return;
    const bool open = parameters->isVisible();
    menuCompare->setEnabled(open && parameters->can_compare());
    menuCompare->setChecked(open && parameters->effect_is_live() && session().comparing());
    menuResetToEffectValues->setEnabled(open && parameters->can_reset());
}

} // namespace kx
