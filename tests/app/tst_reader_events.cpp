// What a screen reader hears when the program, not the user, changes a value: a reply of the
// pedal or a loaded preset moves sliders, value boxes, switches and option lists, and each of
// them must tell the reader. Qt sends these events only while an accessibility bridge is
// active, so this runs under a desktop's session and accessibility buses on a virtual display
// (tests/support/with_screen_reader.sh) and is skipped without them.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"
#include "sim/player_command.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <map>
#include <set>

using namespace kx;

namespace {

// Every object that told the reader of a change of its value, state, name or text.
std::set<const QObject*> g_told;

void record(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::ValueChanged:
    case QAccessible::StateChanged:
    case QAccessible::NameChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        g_told.insert(event->object());
        break;
    default:
        break;
    }
}

// What a row's widget shows, as the reader would say it.
QString shown(const QWidget* widget) {
    if (const auto* slider = qobject_cast<const QSlider*>(widget))
        return QString::number(slider->value());
    if (const auto* box = qobject_cast<const QSpinBox*>(widget))
        return box->text();
    if (const auto* toggle = qobject_cast<const QCheckBox*>(widget))
        return toggle->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return {};
}

// The parameters window's value widgets: sliders and their value boxes, switches with their
// state labels, option lists and the assignment boxes.
QList<QWidget*> value_widgets(TformFXParameters& window) {
    static const QRegularExpression names(
        QStringLiteral("^(sldPot|spnPot|chkSwitch|lblSwitchState|cmbMultiSwitch|boxAssign)"));
    QList<QWidget*> widgets;
    for (QWidget* widget : window.findChildren<QWidget*>(names))
        if (widget->isVisible())
            widgets << widget;
    return widgets;
}

struct Rig {
    EditorFixture f;

    Rig() { f.start_on_virtual_pedal(); }
    ~Rig() { f.stop(); }

    TformMain& w() { return f.main(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    sim::VirtualPedal& pedal() { return f.context->link->virtual_pedal()->pedal(); }

    // Connected, with `effect` uploaded: the window is live with the pedal's values.
    bool live(const QString& category, const QString& effect) {
        w().menuConnect->trigger();
        kx::test::settle();
        f.choose_effect(category, effect);
        w().btnUpload->click();
        kx::test::settle();
        return QTest::qWaitFor([this] { return w().btnAssign->isEnabled(); }, 10000);
    }
};

} // namespace

class TestReaderEvents : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void values_the_program_sets_are_told_data();
    void values_the_program_sets_are_told();
};

void TestReaderEvents::initTestCase() {
    // The bridge comes up once it has found the accessibility bus.
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
        QSKIP("no accessibility bridge: run through tests/support/with_screen_reader.sh");
    QAccessible::installUpdateHandler(record);
}

void TestReaderEvents::cleanupTestCase() {
    QAccessible::installUpdateHandler(nullptr);
}

void TestReaderEvents::values_the_program_sets_are_told_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("source");
    QTest::newRow("knobs turned on the pedal, then Request") << "Gain"
                                                             << "Basalt Fuzz Box"
                                                             << "reply";
    QTest::newRow("a preset with a switch and a list") << "Gain"
                                                       << "Copperhead Distortion"
                                                       << "preset";
}

void TestReaderEvents::values_the_program_sets_are_told() {
    QFETCH(QString, category);
    QFETCH(QString, effect);
    QFETCH(QString, source);
    Rig rig;
    QVERIFY(rig.live(category, effect));
    TformFXParameters& window = rig.parameters();
    const QList<QWidget*> widgets = value_widgets(window);
    QVERIFY(!widgets.isEmpty());

    if (source == QLatin1String("reply")) {
        // The effect's controls on the pedal's knobs; the player turns them, and the window
        // learns of it from the reply.
        PedalSession& session = *rig.f.context->link->session;
        const int knobs = std::min(session.effect().control_count(), 5);
        for (int i = 0; i < knobs; ++i)
            session.set_control_assignment(i, quint8(i));
        QVERIFY(test::done(session.assign()).ok());
        QTest::qWait(200);
        for (int code = 0; code < knobs; ++code)
            QVERIFY(rig.pedal().turn_control(code, 1000 - code * 137,
                                             VirtualPedalDriver::now_us()) > 0);
    } else {
        // A preset of what the pedal plays now; then every value is changed by hand, and the
        // preset brings them back.
        const QString preset = rig.f.path(QStringLiteral("now.txt"));
        rig.f.dialogs.files << preset;
        rig.w().menuSaveConfiguration->trigger();
        kx::test::settle();
        QVERIFY(QFile::exists(preset));
        for (QSlider* slider : window.findChildren<QSlider*>())
            slider->setValue((slider->value() + 300) % 1024);
        for (QCheckBox* toggle : window.findChildren<QCheckBox*>())
            toggle->click();
        kx::test::settle();
        for (QComboBox* list :
             window.findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^cmbMultiSwitch"))))
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        rig.f.dialogs.files << preset;
        rig.f.dialogs.answers << Dialogs::Answer::Yes;
    }
    std::map<const QWidget*, QString> before;
    for (const QWidget* widget : widgets)
        before[widget] = shown(widget);
    QTest::qWait(50);
    g_told.clear();

    if (source == QLatin1String("reply"))
        rig.w().btnRequest->click();
    else
        rig.w().menuLoadConfiguration->trigger();
    kx::test::settle();
    QTRY_VERIFY_WITH_TIMEOUT(!g_told.empty(), 5000);
    QTest::qWait(50);

    QStringList changed;
    QStringList silent;
    for (const QWidget* widget : widgets) {
        if (shown(widget) == before[widget])
            continue;
        changed << widget->objectName();
        if (!g_told.count(widget))
            silent << QStringLiteral("%1 (%2 -> %3)")
                          .arg(widget->objectName(), before[widget], shown(widget));
    }
    QVERIFY2(changed.size() >= 2, qPrintable(changed.join(QLatin1Char(' '))));
    QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestReaderEvents)
#include "tst_reader_events.moc"
