// Settings > Follow Pedal: while it is ticked the session reads the running effect's values
// again and again, and the parameters window shows a knob turned on the pedal as it moves.
// It turns itself off when the link goes, another effect runs or the window closes, and says
// so in the status line.
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/session_controls.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_messages.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSlider>

#include <memory>
#include <vector>

namespace kx {

namespace {

constexpr char kStatusFollowOff[] = "Follow Pedal is off: ";
constexpr char kFollowWindowClosed[] = "the parameters window was closed.";
constexpr char kFollowWindowOther[] = "the parameters window shows another effect.";
constexpr char kLogFollowOn[] = "following the pedal: a request %1 ms after the last one (the "
                                "requests are not logged)";
constexpr char kLogFollowOff[] = "no longer following the pedal";

} // namespace

// While a follow request waits for its reply, the link runs the user interface's events: a
// click or a key that starts a pedal action there would find the link taken and be refused.
// The user's input is held instead and handed on, in order, once the reply is in.
class HeldUserInput : public QObject {
public:
    using QObject::QObject;
    ~HeldUserInput() override { set_holding(false); }

    void set_holding(bool on) {
        if (on == m_holding)
            return;
        m_holding = on;
        if (on) {
            qApp->installEventFilter(this);
            return;
        }
        qApp->removeEventFilter(this);
        for (Held& held : m_held)
            if (held.receiver)
                QCoreApplication::postEvent(held.receiver, held.event.release());
        m_held.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_holding || !event->spontaneous() || !is_user_input(event->type()))
            return false;
        m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }

private:
    static bool is_user_input(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    bool m_holding = false;
    std::vector<Held> m_held;
};

void TformMain::attach_follow() {
    PedalSession& pedal = session();
    auto* input = new HeldUserInput(this);
    // The parameter requests would fill the log console several times a second.
    connect(&pedal, &PedalSession::follow_request_started, this, [this, input] {
        input->set_holding(true);
        m_log_target_while_following = m_context.log.target();
        m_context.log.set_target(nullptr);
    });
    connect(&pedal, &PedalSession::follow_request_finished, this, [this, input] {
        m_context.log.set_target(m_log_target_while_following);
        input->set_holding(false);
    });
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
            session().stop_following(QLatin1String(kFollowWindowClosed));
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
        show_status_text(QLatin1String(kStatusFollowOff) +
                         session::user_message(started.failure()));
    }
}

void TformMain::following_changed(bool on, const QString& reason) {
    menuFollowPedal->setChecked(on);
    m_context.log.print_line(on ? QString::fromLatin1(kLogFollowOn).arg(session::kFollowPause_ms)
                                : QString::fromLatin1(kLogFollowOff));
    if (!on && !reason.isEmpty())
        show_status_text(QLatin1String(kStatusFollowOff) + reason);
}

void TformMain::stop_following_unless_live(EditorPhase phase) {
    if (session().following() && phase != EditorPhase::Live)
        session().stop_following(QLatin1String(kFollowWindowOther));
}

} // namespace kx
