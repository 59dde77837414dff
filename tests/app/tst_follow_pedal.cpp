// Settings > Follow Pedal against the served virtual pedal: a knob turned on the pedal (a
// "turn" line on the server's standard input) shows in the parameters window, nothing is
// written back, a held slider pauses following, and following ends by itself, saying why.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/parameter_messages.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

#include <utility>

using namespace kx;

namespace {

const QString kBasalt = QStringLiteral("Basalt Fuzz Box");

// The editor on the served virtual pedal's pseudo-terminal, connected, running Basalt Fuzz Box
// with its window live and the pedal's knob KI (code 0) driving control 0 (Fuzz).
struct Rig {
    QTemporaryDir folder;
    test::ServedPedal server;
    QString port;
    std::unique_ptr<QtSerialDriver> serial;
    EditorFixture f;
    bool ready = false;

    Rig() {
        if (!server.start({QStringLiteral("--log"), log_path()}))
            return;
        // A --port path the pedal watcher watches, as a pedal plugged in.
        port = folder.filePath(QStringLiteral("kestrel"));
        if (!QFile::link(server.path(), port))
            return;
        serial = std::make_unique<QtSerialDriver>(QStringList{port});
        f.driver = serial.get();
        f.real_time = true;
        f.watched_ports = {port};
        f.start();
        w().menuConnect->trigger();
        kx::test::settle();
        click(w().lstCategory, QStringLiteral("Gain"));
        click(w().lstEffects, kBasalt);
        w().btnUpload->click();
        kx::test::settle();
        if (!parameters().effect_is_live())
            return;
        session().set_control_assignment(0, 0x00);
        if (!test::done(session().assign()))
            return;
        f.dialogs.messages.clear();
        ready = true;
    }
    ~Rig() {
        f.stop();
        server.stop();
    }

    QString log_path() const { return folder.filePath(QStringLiteral("pedal.log")); }
    // What the pedal understood after the player's last turn, one note a line.
    QStringList notes_after_turn() const {
        QFile file(log_path());
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("<no log>")};
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QStringList after;
        for (const QString& line : lines) {
            const QString note = line.section(QLatin1Char(' '), 1);
            if (note.startsWith(QLatin1String("player: turn")))
                after.clear();
            else if (!note.isEmpty())
                after << note;
        }
        return after;
    }
    void turn(int code, int value) {
        server.tell(QStringLiteral("turn %1 %2").arg(code).arg(value).toLatin1());
        server.process().waitForBytesWritten(1000);
    }

    TformMain& w() { return f.main(); }
    PedalSession& session() { return *f.context->link->session; }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    QSlider* fuzz() { return parameters().findChild<QSlider*>(QStringLiteral("sldPot0")); }
    QString status() { return w().lblStatusLine->toolTip(); }
    void click(QListWidget* list, const QString& text) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(text));
        emit list->itemClicked(items.first());
    }
};

} // namespace

class TestFollowPedal : public QObject {
    Q_OBJECT
private slots:
    void knob_turned_on_the_pedal_shows();
    void held_slider_pauses_following();
    void click_during_a_request_waits_for_it();
    void assignment_made_elsewhere_shows();
    void following_ends_by_itself_data();
    void following_ends_by_itself();
};

// The turned knob reaches the window as a reply: no undo step, no write to the pedal, and
// the window keeps following the next turn.
void TestFollowPedal::knob_turned_on_the_pedal_shows() {
    Rig rig;
    QVERIFY(rig.ready);
    QVERIFY(rig.w().menuFollowPedal->isEnabled());
    QVERIFY(rig.w().menuFollowPedal->isCheckable());
    QSignalSpy values(&rig.session(), &PedalSession::value_changed);
    rig.w().menuFollowPedal->trigger();
    kx::test::settle();
    QVERIFY(rig.session().following());

    for (int value : {512, 77}) {
        QElapsedTimer shown;
        shown.start();
        rig.turn(0, value);
        QTRY_COMPARE_WITH_TIMEOUT(rig.fuzz()->value(), value, 5000);
        qInfo("turned to %d: shown after %lld ms", value, shown.elapsed());
    }
    QVERIFY(rig.w().menuFollowPedal->isChecked());
    QCOMPARE(rig.parameters().undo_stack().count(), 0);
    QVERIFY(!rig.parameters().has_unstored_edits());
    for (const QList<QVariant>& change : values)
        QCOMPARE(change.at(2).value<ValueOrigin>(), ValueOrigin::Reply);
    rig.w().menuFollowPedal->trigger(); // off by the user: nothing to tell
    kx::test::settle();
    QVERIFY(!rig.session().following());
    QVERIFY(!rig.status().contains(QLatin1String("Follow Pedal")));
    QCOMPARE(rig.f.dialogs.messages, QStringList());

    // The pedal heard parameter requests after the turn (02 04), and nothing else.
    const QStringList notes = rig.notes_after_turn();
    QVERIFY(notes.contains(QLatin1String("RX 02 04")));
    for (const QString& note : notes)
        QVERIFY2(note == QLatin1String("RX 02 04") || note.startsWith(QLatin1String("TX ")) ||
                     note.startsWith(QLatin1String("parameter request")) ||
                     note.startsWith(QLatin1String("pedal control 0 turned")),
                 qPrintable(note));
}

// While the user holds a slider, no request goes out and the slider stays where the hand is;
// let go, the pedal's knob shows.
void TestFollowPedal::held_slider_pauses_following() {
    Rig rig;
    QVERIFY(rig.ready);
    rig.w().menuFollowPedal->trigger();
    kx::test::settle();
    QSignalSpy requests(&rig.session(), &PedalSession::follow_request_started);
    QVERIFY(requests.wait(2000));
    QTRY_VERIFY(!rig.session().follow_request_running());
    rig.fuzz()->setSliderDown(true);
    requests.clear();
    rig.turn(0, 900);
    QVERIFY(!requests.wait(3 * session::kFollowPause_ms));
    QVERIFY(rig.fuzz()->value() != 900);
    rig.fuzz()->setSliderDown(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig.fuzz()->value(), 900, 5000);
    QVERIFY(rig.session().following());
}

// A click that lands while a follow request waits for its reply is not refused as "busy": it
// runs once the reply is in.
void TestFollowPedal::click_during_a_request_waits_for_it() {
    Rig rig;
    QVERIFY(rig.ready);
    rig.w().menuFollowPedal->trigger();
    kx::test::settle();
    bool clicked = false;
    connect(&rig.session(), &PedalSession::follow_request_started, this, [&] {
        if (std::exchange(clicked, true))
            return;
        // Inside the request's wait, as a user's click would come.
        QTimer::singleShot(0, &rig.w(), [&] {
            QVERIFY(rig.session().follow_request_running());
            QTest::mouseClick(rig.w().btnStoreSettingsOnPedal, Qt::LeftButton);
        });
    });
    QTRY_VERIFY(clicked);
    QTRY_COMPARE(rig.status(), QStringLiteral("Settings stored on the pedal"));
    QCOMPARE(rig.f.dialogs.messages, QStringList());
    QVERIFY(rig.session().following());
}

// The pedal's assignments changed by another program (here: its message put on the in-process
// pedal's wire between two requests) show in the window's boxes, as no undo step.
void TestFollowPedal::assignment_made_elsewhere_shows() {
    EditorFixture f;
    f.real_time = true;
    set_documents_folder(f.documents.path());
    f.connect_by_hand_only();
    f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
    f.context->link_options.virtual_pedal = true;
    f.windows = std::make_unique<EditorWindows>(*f.context);
    TformMain& w = f.main();
    w.show();
    w.menuConnect->trigger();
    kx::test::settle();
    emit w.lstCategory->itemClicked(w.lstCategory->findItems("Gain", Qt::MatchExactly).value(0));
    emit w.lstEffects->itemClicked(w.lstEffects->findItems(kBasalt, Qt::MatchExactly).value(0));
    w.btnUpload->click();
    kx::test::settle();
    TformFXParameters& window = *f.windows->formFXParameters;
    QVERIFY(window.effect_is_live());
    PedalSession& session = *f.context->link->session;
    auto* box = window.findChild<QComboBox*>(QStringLiteral("boxAssign1"));
    QVERIFY(box);
    const int before = box->currentIndex();
    w.menuFollowPedal->trigger();
    kx::test::settle();
    QTRY_VERIFY(!session.follow_request_running());
    window.findChild<QSlider*>(QStringLiteral("sldPot0"))->setSliderDown(true); // no request now

    sim::VirtualPedal& pedal = f.context->link->virtual_pedal()->pedal();
    AssignmentCodes codes;
    codes.controls = {0xFF, 0x02, 0xFF, 0xFF};
    pedal.host_bytes(assignment_message(codes), VirtualPedalDriver::now_us());
    QTRY_VERIFY(
        (pedal.advance(VirtualPedalDriver::now_us()), pedal.assignments().controls[1] == 2));
    window.findChild<QSlider*>(QStringLiteral("sldPot0"))->setSliderDown(false);

    const int shown = assignment_box_item(AssignmentBox::Control, 0x02);
    QVERIFY(shown != before);
    QTRY_COMPARE_WITH_TIMEOUT(box->currentIndex(), shown, 5000);
    QCOMPARE(session.state().control_assignments[1], quint8(0x02));
    QCOMPARE(window.undo_stack().count(), 0);
    f.stop();
}

void TestFollowPedal::following_ends_by_itself_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("status");
    QTest::newRow("Disconnect") << "disconnect"
                                << "Follow Pedal is off: the pedal is not connected.";
    QTest::newRow("preset of another effect uploaded")
        << "upload"
        << "Follow Pedal is off: the pedal runs another effect.";
    QTest::newRow("parameters window closed")
        << "close"
        << "Follow Pedal is off: the parameters window was closed.";
    QTest::newRow("another effect shown")
        << "preview"
        << "Follow Pedal is off: the parameters window shows another effect.";
    // Found by a request, or by the watcher between two: either way the line says so.
    QTest::newRow("pedal gone") << "gone"
                                << "Follow Pedal is off";
    QTest::newRow("pedal unplugged while idle")
        << "unplugged"
        << "The pedal was unplugged. It connects again when it is plugged back in. Follow Pedal "
           "is off.";
}

void TestFollowPedal::following_ends_by_itself() {
    QFETCH(QString, event);
    QFETCH(QString, status);
    Rig rig;
    QVERIFY(rig.ready);
    rig.w().menuFollowPedal->trigger();
    kx::test::settle();
    QSignalSpy changed(&rig.session(), &PedalSession::following_changed);
    if (event == QLatin1String("disconnect")) {
        rig.w().menuDisconnect->trigger();
    } else if (event == QLatin1String("upload")) {
        const QString preset = rig.folder.filePath(QStringLiteral("ember.txt"));
        QFile file(preset);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xEF\xBB\xBF") + "000F\r01\r05\r" +
                   QByteArray("00000100\r").repeated(5) + QByteArray("FF\r").repeated(5));
        file.close();
        rig.f.dialogs.files << preset;
        rig.w().menuLoadConfiguration->trigger();
    } else if (event == QLatin1String("close")) {
        rig.parameters().close();
    } else if (event == QLatin1String("preview")) {
        rig.click(rig.w().lstEffects, QStringLiteral("Ember Overdrive"));
    } else {
        // Between requests (a held slider pauses them) the watcher notices the pedal leaving.
        if (event == QLatin1String("unplugged")) {
            QTRY_VERIFY(!rig.session().follow_request_running());
            rig.fuzz()->setSliderDown(true);
        }
        rig.server.stop();
    }
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 5000);
    QCOMPARE(changed.first().at(0).toBool(), false);
    QVERIFY(!rig.w().menuFollowPedal->isChecked());
    QVERIFY2(rig.status().contains(status), qPrintable(rig.status()));
    QVERIFY(!rig.w().menuFollowPedal->isEnabled() || event == QLatin1String("upload"));
}

QTEST_MAIN(TestFollowPedal)
#include "tst_follow_pedal.moc"
