// Settings > Follow Pedal: while it is ticked the session reads the running effect's values
// again and again, and the parameters window shows a knob turned on the pedal as it moves.
// It turns itself off when the link goes, another effect runs or the window closes, and says
// so in the status line.
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/session_controls.h"
#include "base/translation.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_messages.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QSlider>

namespace kx {

namespace {

constexpr char kStatusFollowOff[] = QT_TRANSLATE_NOOP("kx::TformMain", "Follow Pedal is off: ");
constexpr char kFollowWindowClosed[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "the parameters window was closed.");
constexpr char kFollowWindowOther[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "the parameters window shows another effect.");
constexpr char kLogFollowOn[] = "following the pedal: a request %1 ms after the last one (the "
                                "requests are not logged)";
constexpr char kLogFollowOff[] = "no longer following the pedal";

} // namespace

void TformMain::attach_follow() {
    PedalSession& pedal = session();
    connect(&pedal, &PedalSession::following_changed, this, &TformMain::following_changed);
    // A slider held by the user is not moved under the mouse.
    pedal.set_follow_hold([this] {
        if (!m_windows.formFXParameters)
            return false;
        for (const QSlider* slider : m_windows.formFXParameters->findChildren<QSlider*>())
            if (slider->isSliderDown())
                return true;
        return false;
    });
    if (m_windows.formFXParameters)
        connect(m_windows.formFXParameters, &TformFXParameters::closed, this, [this] {
            if (m_reopening_parameters)
                return;
            session().stop_following(ui_text("kx::TformMain", kFollowWindowClosed));
            menuFollowPedal->setEnabled(false); // the window is still visible while it closes
        });
}

void TformMain::menuFollowPedalClick() {
    PedalSession& pedal = session();
    if (!menuFollowPedal->isChecked()) {
        pedal.stop_following();
        return;
    }
    if (const Status started = pedal.start_following(); !started) {
        menuFollowPedal->setChecked(false);
        show_status_text(ui_text("kx::TformMain", kStatusFollowOff) +
                         session::user_message(started.failure()));
    }
}

void TformMain::following_changed(bool on, const QString& reason) {
    menuFollowPedal->setChecked(on);
    m_context.log.print_line(on ? QString::fromLatin1(kLogFollowOn).arg(session::kFollowPause_ms)
                                : QString::fromLatin1(kLogFollowOff));
    if (!on && !reason.isEmpty())
        show_status_text(ui_text("kx::TformMain", kStatusFollowOff) + reason);
}

void TformMain::stop_following_unless_live(EditorPhase phase) {
    if (session().following() && phase != EditorPhase::Live)
        session().stop_following(ui_text("kx::TformMain", kFollowWindowOther));
}

} // namespace kx
