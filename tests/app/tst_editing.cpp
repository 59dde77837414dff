// Editing as a musician does, through the real windows offscreen against the virtual pedal
// served on a pseudo-terminal: typed values, undo and redo, unstored edits asked about before
// they are lost, the assignment map, and a status line for every write to the pedal.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/log_tap.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "params/pedal_controls.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

using namespace kx;

namespace {

const QString kEffect = QStringLiteral("Tape Loom Delay"); // pot 0 is "Time"

QString word_hex(int value) {
    return QStringLiteral("%1").arg(quint32(value) * 8192u, 8, 16, QLatin1Char('0')).toUpper();
}

// The editor connected to a served pedal that runs Tape Loom Delay, its values read.
struct Rig {
    Rig() {
        if (!server.start())
            return;
        LinkOptions options;
        options.ports << server.path();
        f.real_time = true;
        set_documents_folder(f.documents.path());
        f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
        f.context->link_options = options;
        f.windows = std::make_unique<EditorWindows>(*f.context);
        f.main().show();
        tap.next = f.context->log.target();
        f.context->log.set_target(&tap);
        ok = true;
    }
    ~Rig() {
        f.stop();
        server.stop();
    }

    // Connect, upload, Open FX and Request, as a user does.
    void open_and_request() {
        opened = false;
        TformMain& w = f.main();
        w.menuConnect->trigger();
        kx::test::settle();
        const auto category = w.lstCategory->findItems("Modulation", Qt::MatchExactly);
        QVERIFY(!category.isEmpty());
        emit w.lstCategory->itemClicked(category.first());
        const auto effect = w.lstEffects->findItems(kEffect, Qt::MatchExactly);
        QVERIFY2(!effect.isEmpty(), "the effect list does not hold Tape Loom Delay");
        emit w.lstEffects->itemClicked(effect.first());
        w.btnUpload->click();
        kx::test::settle();
        w.btnOpenEffect->click();
        kx::test::settle();
        w.btnRequest->click();
        kx::test::settle();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
        QVERIFY(time()->isEnabled());
        tap.lines.clear();
        opened = true;
    }

    TformMain& w() { return f.main(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    QSlider* time() { return parameters().findChild<QSlider*>("sldPot0"); }
    QSpinBox* time_value() { return parameters().findChild<QSpinBox*>("spnPot0"); }
    QStringList sent_pots() const { return tap.lines.filter("data sent pot 0: "); }
    QString status() { return f.main().lblStatusLine->accessibleDescription(); }

    EditorFixture f;
    test::ServedPedal server;
    LogTap tap;
    bool ok = false;
    bool opened = false;
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void type_value(QSpinBox* box, int value) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value));
    kx::test::settle();
    QTest::keyClick(box, Qt::Key_Return);
    kx::test::settle();
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void typed_values_undo_and_redo();
    void unstored_edits_are_asked_about_data();
    void unstored_edits_are_asked_about();
    void assignment_map_against_the_pedal();
    void writes_leave_status_lines();
};

void TestEditing::typed_values_undo_and_redo() {
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    const int read = rig.time()->value();
    QCOMPARE(rig.time_value()->value(), read);
    QCOMPARE(rig.time_value()->accessibleName(), "Time value");
    // The values the reply filled in are no edit to undo.
    QVERIFY(!w.menuUndo->isEnabled());
    QVERIFY(!rig.parameters().has_unstored_edits());

    // A typed value goes out once, as its exact message.
    const int first = read == 640 ? 641 : 640;
    type_value(rig.time_value(), first);
    QCOMPARE(rig.time()->value(), first);
    QCOMPARE(rig.sent_pots().size(), 1);
    QVERIFY2(rig.sent_pots().last().endsWith(word_hex(first)), qPrintable(rig.sent_pots().last()));
    type_value(rig.time_value(), 900);
    QCOMPARE(w.menuUndo->text(), "&Undo Time 900");
    // The state first, where a narrow title bar still shows it.
    QCOMPARE(w.windowTitle(), QString::fromUtf8("Unstored edits \u2014 Kestrel X Editor"));

    // Ctrl+Z, in the parameters window, sends the earlier value; the menu's Redo the later.
    // The keys go where the keyboard is: the value box just typed in, whose own text undo
    // must not take them.
    rig.parameters().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.parameters()));
    QCOMPARE(QApplication::focusWidget(), rig.time_value());
    QTest::keyClick(rig.time_value(), Qt::Key_Z, Qt::ControlModifier);
    kx::test::settle();
    QCOMPARE(rig.time_value()->value(), first);
    QVERIFY2(rig.sent_pots().last().endsWith(word_hex(first)), qPrintable(rig.sent_pots().last()));
    QCOMPARE(w.menuUndo->text(), QStringLiteral("&Undo Time %1").arg(first));
    QCOMPARE(w.menuRedo->text(), "&Redo Time 900");
    w.menuUndo->trigger();
    kx::test::settle();
    QVERIFY2(rig.sent_pots().last().endsWith(word_hex(read)), qPrintable(rig.sent_pots().last()));
    QCOMPARE(w.windowTitle(), QStringLiteral("Kestrel X Editor"));
    QTest::keyClick(rig.time_value(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    kx::test::settle();
    QVERIFY2(rig.sent_pots().last().endsWith(word_hex(first)), qPrintable(rig.sent_pots().last()));
    w.menuRedo->trigger();
    kx::test::settle();
    QVERIFY2(rig.sent_pots().last().endsWith(word_hex(900)), qPrintable(rig.sent_pots().last()));
    QCOMPARE(rig.sent_pots().size(), 6);

    // The pedal plays what undo and redo sent: a second request reads it back, and is no step.
    w.btnRequest->click();
    kx::test::settle();
    QCOMPARE(rig.time()->value(), 900);
    QCOMPARE(w.menuUndo->text(), "&Undo Time 900");
    QCOMPARE(rig.parameters().undo_stack().count(), 2);

    // Escape closes the parameters window and loses no edit: it stays unstored, and opening
    // the effect again asks about it first.
    rig.parameters().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.parameters()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!rig.parameters().isVisible());
    QVERIFY(rig.parameters().has_unstored_edits());
    QVERIFY(w.windowTitle().startsWith(QStringLiteral("Unstored edits")));
    const qsizetype asked = rig.f.dialogs.questions.size();
    rig.f.dialogs.choices << 3; // Cancel
    emit w.lstEffects->itemClicked(w.lstEffects->findItems(kEffect, Qt::MatchExactly).first());
    kx::test::settle();
    QCOMPARE(rig.f.dialogs.questions.size(), asked + 1);
    QVERIFY(rig.parameters().has_unstored_edits());
}

void TestEditing::unstored_edits_are_asked_about_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("sent"); // log line the choice leaves
    QTest::addColumn<bool>("quit");    // File > Quit rather than the window's close button
    QTest::newRow("Cancel keeps the editor open") << 3 << false << "" << false;
    QTest::newRow("Discard closes it") << 2 << true << "" << false;
    QTest::newRow("Store on the pedal, then close")
        << 0 << true << "Store settings message (HEX): 0308" << false;
    QTest::newRow("File > Quit, Cancel keeps the editor open") << 3 << false << "" << true;
    QTest::newRow("File > Quit, Discard quits") << 2 << true << "" << true;
}

void TestEditing::unstored_edits_are_asked_about() {
    QFETCH(int, choice);
    QFETCH(bool, closed);
    QFETCH(QString, sent);
    QFETCH(bool, quit);
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    // Closing with nothing unstored asks nothing.
    QVERIFY(rig.f.dialogs.questions.isEmpty());
    type_value(rig.time_value(), 333);

    // Clicking another effect asks too; Cancel keeps the window and its edit.
    rig.f.dialogs.choices << 3;
    const auto other = w.lstEffects->findItems("Tidewater Chorus", Qt::MatchExactly);
    emit w.lstEffects->itemClicked(other.first());
    QCOMPARE(rig.f.dialogs.questions.size(), 1);
    // The state first, then the effect the window shows.
    QVERIFY(rig.parameters().windowTitle().startsWith(QString::fromUtf8("Unstored edits \u2014 ") +
                                                      kEffect));
    QCOMPARE(w.lstEffects->currentItem()->text(), kEffect);
    QCOMPARE(rig.time_value()->value(), 333);

    rig.f.dialogs.choices << choice;
    // A store on the pedal closes it once the pedal has taken it.
    if (quit)
        w.findChild<QAction*>(QStringLiteral("menuQuit"))->trigger();
    else
        w.close();
    kx::test::settle();
    QCOMPARE(rig.f.dialogs.questions.size(), 2);
    QVERIFY2(rig.f.dialogs.questions.last().contains("neither stored on the pedal nor saved"),
             qPrintable(rig.f.dialogs.questions.last()));
    QCOMPARE(w.isVisible(), !closed);
    if (!sent.isEmpty())
        QVERIFY(rig.tap.lines.contains(sent));
    if (!closed)
        QVERIFY(rig.parameters().has_unstored_edits());
}

void TestEditing::assignment_map_against_the_pedal() {
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    TformFXParameters& parameters = rig.parameters();
    // The pedal is given Time and Feedback on knob 1 and bypass on the remote, then read back.
    auto* box0 = parameters.findChild<QComboBox*>("boxAssign0");
    auto* box1 = parameters.findChild<QComboBox*>("boxAssign1");
    box0->setCurrentIndex(0);
    box1->setCurrentIndex(0);
    parameters.findChild<QComboBox*>("boxAssignBypass")->setCurrentIndex(2);
    w.btnAssign->click();
    kx::test::settle();
    box0->setCurrentIndex(12);
    box1->setCurrentIndex(12);
    w.btnRequest->click();
    kx::test::settle();

    w.menuAssignmentMap->trigger();
    kx::test::settle();
    TformAssignmentMap& map = *rig.f.windows->formAssignmentMap;
    QVERIFY(map.isVisible());
    const QString second = parameters.description().controls.at(1).label;
    QCOMPARE(map.choice_box(0)->currentText(), "Time");
    QVERIFY2(map.warning(0)->text().contains("Time and " + second),
             qPrintable(map.warning(0)->text()));
    QCOMPARE(map.choice_box(10)->currentText(), "Bypass on and off"); // the remote
    QCOMPARE(map.choice_box(1)->currentText(), "Nothing");
    keep_picture(parameters, QStringLiteral("parameters-window"));
    keep_picture(map, QStringLiteral("assignment-map"));

    // Knob 2 takes the second control: the same 23-byte message as the boxes and Assign.
    rig.tap.lines.clear();
    QComboBox* knob2 = map.choice_box(1);
    knob2->setCurrentIndex(knob2->findText(second));
    emit knob2->activated(knob2->currentIndex());
    kx::test::settle();
    const QStringList from_map = rig.tap.lines.filter(QRegularExpression("^04[0-9A-F]{44}$"));
    QCOMPARE(from_map.size(), 1);
    QCOMPARE(from_map.first(), "04"
                               "0001FFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                               "FFFFFFFF"
                               "0AFF");
    QCOMPARE(box1->currentText(), "KII");
    QCOMPARE(map.warning(0)->text(), QString());
    QCOMPARE(w.menuUndo->text(), "&Undo Knob 2: " + second);
    rig.tap.lines.clear();
    w.btnAssign->click();
    kx::test::settle();
    QCOMPARE(rig.tap.lines.filter(QRegularExpression("^04[0-9A-F]{44}$")), from_map);
    // Undo sends the earlier codes.
    rig.tap.lines.clear();
    w.menuUndo->trigger();
    kx::test::settle();
    QCOMPARE(rig.tap.lines.filter(QRegularExpression("^04[0-9A-F]{44}$")),
             QStringList{"04"
                         "0000FFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                         "FFFFFFFF"
                         "0AFF"});
    QVERIFY(!map.warning(0)->text().isEmpty());
}

void TestEditing::writes_leave_status_lines() {
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    type_value(rig.time_value(), 500);
    w.btnStoreSettingsOnPedal->click();
    kx::test::settle();
    QCOMPARE(rig.status(), "Settings stored on the pedal");
    QVERIFY(!rig.parameters().has_unstored_edits());
    w.btnAssign->click();
    kx::test::settle();
    QCOMPARE(rig.status(), "Assignments sent to the pedal");
    rig.f.dialogs.answers << Dialogs::Answer::No;
    w.show_status_text({});
    w.btnAssign->click();
    kx::test::settle();
    QCOMPARE(rig.status(), QString()); // nothing sent, nothing said
    QAction* five = w.findChild<QAction*>("menuMIDIchannel5");
    five->trigger();
    kx::test::settle();
    QCOMPARE(rig.status(), "MIDI channel set to 5");
    QVERIFY(five->isChecked());
    w.findChild<QAction*>("menuMIDIchannelOMNI")->trigger();
    kx::test::settle();
    QVERIFY(!five->isChecked());

    // A failure says what failed.
    w.menuDisconnect->trigger();
    kx::test::settle();
    w.btnStoreSettingsOnPedalClick();
    kx::test::settle();
    QVERIFY2(rig.status().startsWith("The settings were not stored: "), qPrintable(rig.status()));
    w.menuMIDIchannelsClickItem(w.findChild<QAction*>("menuMIDIchannel7"));
    kx::test::settle();
    QVERIFY2(rig.status().startsWith("The MIDI channel was not set to 7: "),
             qPrintable(rig.status()));
    QVERIFY(!w.findChild<QAction*>("menuMIDIchannel7")->isChecked());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
