// Compare and the reset to the effect's values through the real windows offscreen, against the
// virtual pedal served on a pseudo-terminal: the bytes the pedal read (its own log) both ways,
// the question before an edit made while comparing, and the undo steps.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "params/parameter_messages.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

using namespace kx;

namespace {

const QString kEffect = QStringLiteral("Tape Loom Delay");

// The editor connected to a served pedal that runs Tape Loom Delay, its values read; the
// pedal writes every byte it reads to its log.
struct Rig {
    Rig() {
        if (!server.start({QStringLiteral("--instant"), QStringLiteral("--log"), log_path()}))
            return;
        LinkOptions options;
        options.ports << server.path();
        f.real_time = true;
        set_documents_folder(f.documents.path());
        f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
        f.context->link_options = options;
        f.windows = std::make_unique<EditorWindows>(*f.context);
        f.main().show();
        ok = true;
    }
    ~Rig() {
        f.stop();
        server.stop();
    }
    QString log_path() const { return f.documents.filePath(QStringLiteral("pedal.log")); }

    void open_and_request() {
        TformMain& w = f.main();
        w.menuConnect->trigger();
        kx::test::settle();
        f.choose_effect(QStringLiteral("Modulation"), kEffect);
        w.btnUpload->click();
        kx::test::settle();
        w.btnRequest->click();
        kx::test::settle();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
        QVERIFY(parameters().effect_is_live());
        for (int i = 0; i < parameters().control_count() && pots.size() < 2; ++i)
            if (slider(i))
                pots << i;
        QCOMPARE(pots.size(), 2);
        opened = true;
    }

    TformMain& w() { return f.main(); }
    PedalSession& session() { return f.main().session(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    QSlider* slider(int i) {
        return parameters().findChild<QSlider*>(QStringLiteral("sldPot%1").arg(i));
    }
    // Moves pot i as a user does: its handler sends it and records the step.
    void edit(int i, int value) {
        slider(i)->setValue(value);
        kx::test::settle();
    }

    void mark() {
        QTest::qWait(150); // what was sent before has reached the log
        m_mark = QFileInfo(log_path()).size();
    }
    // The bytes the pedal read since the mark, "01 00 03 ...", however the reads cut them.
    QString wire() {
        kx::test::settle();
        QTest::qWait(150); // the pedal logs what it read once it has read it
        QFile file(log_path());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_mark))
            return QStringLiteral("<no log>");
        QStringList reads;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (const qsizetype at = line.indexOf(" RX "); at >= 0)
                reads << QString::fromLatin1(line.mid(at + 4));
        return reads.join(QLatin1Char(' '));
    }
    // What pot writes of (control, value) pairs put on the wire.
    QString writes(const QList<std::pair<int, int>>& values) {
        QStringList out;
        for (const auto& [i, value] : values)
            out << QString::fromLatin1(
                parameter_write_message(session().effect().addresses.at(i), value)
                    .toHex(' ')
                    .toUpper());
        return out.join(QLatin1Char(' '));
    }

    EditorFixture f;
    test::ServedPedal server;
    QList<int> pots;
    bool ok = false;
    bool opened = false;

private:
    qint64 m_mark = 0;
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

int other_than(int value, int offset) {
    return value + offset <= kMaxControlValue ? value + offset : value - offset;
}

} // namespace

class TestCompare : public QObject {
    Q_OBJECT
private slots:
    void compare_sends_the_differing_values_both_ways();
    void an_edit_while_comparing_asks_first_data();
    void an_edit_while_comparing_asks_first();
    void reset_is_one_undo_step();
};

void TestCompare::compare_sends_the_differing_values_both_ways() {
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    const int a = rig.pots.at(0), b = rig.pots.at(1);
    const QList<int> stored = rig.session().stored_values();
    QCOMPARE(stored, rig.session().state().values);
    QCOMPARE(rig.parameters().lblPlaying->text(), "Playing: your edits");
    QVERIFY(w.menuCompare->isEnabled());

    const int edit_a = other_than(stored.at(a), 100), edit_b = other_than(stored.at(b), 200);
    rig.edit(a, edit_a);
    rig.edit(b, edit_b);
    const int steps = rig.parameters().undo_stack().count();
    QCOMPARE(steps, 2);

    // On: only the two edited controls go back to the stored sound, each as its slider sends it.
    rig.mark();
    rig.parameters().btnCompare->click();
    QCOMPARE(rig.wire(), rig.writes({{a, stored.at(a)}, {b, stored.at(b)}}));
    QVERIFY(rig.session().comparing());
    QVERIFY(w.menuCompare->isChecked());
    QVERIFY(rig.parameters().btnCompare->isChecked());
    QCOMPARE(rig.parameters().lblPlaying->text(), "Playing: stored sound");
    keep_picture(rig.parameters(), QStringLiteral("compare"));
    QCOMPARE(rig.slider(a)->value(), stored.at(a));
    QCOMPARE(rig.slider(b)->value(), stored.at(b));

    // Off, from the Edit menu: the edits exactly, and nothing else.
    rig.mark();
    w.menuCompare->trigger();
    QCOMPARE(rig.wire(), rig.writes({{a, edit_a}, {b, edit_b}}));
    QVERIFY(!rig.session().comparing());
    QCOMPARE(rig.parameters().lblPlaying->text(), "Playing: your edits");
    QCOMPARE(rig.slider(a)->value(), edit_a);
    QCOMPARE(rig.slider(b)->value(), edit_b);
    QCOMPARE(rig.session().state().values.at(a), edit_a);
    // Comparing is no edit, and the edits stay unstored.
    QCOMPARE(rig.parameters().undo_stack().count(), steps);
    QVERIFY(rig.parameters().has_unstored_edits());
    QVERIFY(rig.f.dialogs.messages.isEmpty());

    // Stored on the pedal, the edits are the sound to compare with: nothing differs.
    w.btnStoreSettingsOnPedal->click();
    kx::test::settle();
    QCOMPARE(rig.session().stored_values().at(a), edit_a);
    rig.mark();
    rig.parameters().btnCompare->click();
    QCOMPARE(rig.wire(), QString());
    QVERIFY(rig.session().comparing());
}

void TestCompare::an_edit_while_comparing_asks_first_data() {
    QTest::addColumn<int>("choice"); // 0 back to my edits, 1 keep the stored sound, 2 cancel
    QTest::newRow("back to my edits") << 0;
    QTest::newRow("keep the stored sound") << 1;
    QTest::newRow("cancel") << 2;
}

void TestCompare::an_edit_while_comparing_asks_first() {
    QFETCH(int, choice);
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    const int a = rig.pots.at(0), b = rig.pots.at(1);
    const QList<int> stored = rig.session().stored_values();
    const int edit_a = other_than(stored.at(a), 100);
    rig.edit(a, edit_a);
    rig.parameters().btnCompare->click();
    kx::test::settle();
    QVERIFY(rig.session().comparing());

    const int wanted = other_than(stored.at(b), 300);
    rig.f.dialogs.choices << choice;
    rig.mark();
    rig.edit(b, wanted);
    QCOMPARE(rig.f.dialogs.questions.size(), 1);
    QVERIFY2(rig.f.dialogs.questions.first().startsWith("The pedal plays the sound as stored"),
             qPrintable(rig.f.dialogs.questions.first()));
    QVERIFY(!rig.session().comparing() || choice == 2);
    switch (choice) {
    case 0: // the edits play again, then the change goes out among them
        QCOMPARE(rig.wire(), rig.writes({{a, edit_a}, {b, wanted}}));
        QCOMPARE(rig.slider(a)->value(), edit_a);
        QCOMPARE(rig.parameters().undo_stack().count(), 2);
        break;
    case 1: { // the stored sound stays and takes the change; one step brings the edits back
        QCOMPARE(rig.wire(), rig.writes({{b, wanted}}));
        QCOMPARE(rig.slider(a)->value(), stored.at(a));
        QCOMPARE(rig.parameters().undo_stack().count(), 3);
        rig.w().menuUndo->trigger();
        rig.mark();
        rig.w().menuUndo->trigger();
        QCOMPARE(rig.wire(), rig.writes({{a, edit_a}}));
        QCOMPARE(rig.slider(a)->value(), edit_a);
        break;
    }
    default: // nothing sent, and the control shows what plays
        QCOMPARE(rig.wire(), QString());
        QCOMPARE(rig.slider(b)->value(), stored.at(b));
        QVERIFY(rig.session().comparing());
        QCOMPARE(rig.parameters().undo_stack().count(), 1);
    }
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
}

void TestCompare::reset_is_one_undo_step() {
    Rig rig;
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    rig.open_and_request();
    QVERIFY(rig.opened);
    TformMain& w = rig.w();
    const int a = rig.pots.at(0), b = rig.pots.at(1);
    // Right after the upload the pedal plays the image's own values.
    const auto image = rig.session().image_values();
    QVERIFY(image.ok());
    QCOMPARE(*image, rig.session().state().values);
    const int edit_a = other_than(image->at(a), 100), edit_b = other_than(image->at(b), 200);
    rig.edit(a, edit_a);
    rig.edit(b, edit_b);

    rig.mark();
    QVERIFY(w.menuResetToEffectValues->isEnabled());
    w.menuResetToEffectValues->trigger();
    QCOMPARE(rig.wire(), rig.writes({{a, image->at(a)}, {b, image->at(b)}}));
    QCOMPARE(rig.slider(a)->value(), image->at(a));
    QCOMPARE(rig.parameters().undo_stack().count(), 3);
    QCOMPARE(w.menuUndo->text(), "&Undo Reset to the effect's values");

    // One undo brings both edits back.
    rig.mark();
    w.menuUndo->trigger();
    QCOMPARE(rig.wire(), rig.writes({{a, edit_a}, {b, edit_b}}));
    QCOMPARE(rig.slider(a)->value(), edit_a);
    QCOMPARE(rig.slider(b)->value(), edit_b);
    rig.mark();
    w.menuRedo->trigger();
    QCOMPARE(rig.wire(), rig.writes({{a, image->at(a)}, {b, image->at(b)}}));
}

QTEST_MAIN(TestCompare)
#include "tst_compare.moc"
