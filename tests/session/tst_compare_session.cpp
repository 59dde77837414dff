// The session's Compare against the virtual pedal served on a pseudo-terminal: for each way the
// sound to compare with comes about (read after an upload, stored on the pedal, loaded from a
// preset), the pedal reads exactly the values that differ, both ways, as their control writes,
// and what the session refuses while comparing sends nothing.
#include "support/await.h"
#include "support/link_rig.h"

#include "library/resource_store.h"
#include "params/parameter_messages.h"
#include "session/pedal_session.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kx;
using test::done;

namespace {

const QString kTape = QStringLiteral("Tape Loom Delay");

int other_than(int value, int offset) {
    return value + offset <= kMaxControlValue ? value + offset : value - offset;
}

struct Fixture {
    Fixture()
        : rig(test::Transport::PseudoTerminal,
              {.arguments = {QStringLiteral("--instant"), QStringLiteral("--log"), log_path()}}),
          session(rig.comm, store, rig.log, rig.clock()) {}
    QString log_path() const { return folder.filePath(QStringLiteral("pedal.log")); }
    void mark() {
        QTest::qWait(150); // what was sent before has reached the log
        m_mark = QFileInfo(log_path()).size();
    }
    // The bytes the pedal read since the mark.
    QByteArray wire() {
        test::settle();
        QTest::qWait(150); // the pedal logs what it read once it has read it
        QFile file(log_path());
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_mark))
            return "<no log>";
        QByteArray bytes;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (const qsizetype at = line.indexOf(" RX "); at >= 0)
                bytes += QByteArray::fromHex(line.mid(at + 4).replace(' ', ""));
        return bytes;
    }
    QByteArray writes(const QList<std::pair<int, int>>& values) const {
        QByteArray out;
        for (const auto& [i, value] : values)
            out += parameter_write_message(session.effect().addresses.at(i), value);
        return out;
    }

    QTemporaryDir folder;
    test::LinkRig rig;
    ResourceStore store;
    PedalSession session;

private:
    qint64 m_mark = 0;
};

} // namespace

class TestCompareSession : public QObject {
    Q_OBJECT
private slots:
    void compare_sends_exactly_the_differing_values_data();
    void compare_sends_exactly_the_differing_values();
};

void TestCompareSession::compare_sends_exactly_the_differing_values_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("read after the upload") << "upload";
    QTest::newRow("stored on the pedal") << "store";
    QTest::newRow("loaded from a preset") << "preset";
}

void TestCompareSession::compare_sends_exactly_the_differing_values() {
    QFETCH(QString, source);
    Fixture f;
    QVERIFY2(f.rig.ok(), qPrintable(f.rig.error()));
    QVERIFY(done(f.session.connect_pedal()));
    const auto uploaded = done(f.session.upload_effect(kTape));
    QVERIFY2(uploaded.ok(), qPrintable(uploaded ? *uploaded : uploaded.error()));
    QCOMPARE(f.session.stored_source(), StoredSource::Pedal);
    const int a = 0, b = 1, c = 2;
    QList<int> stored = f.session.state().values;

    if (source == QLatin1String("store")) {
        stored[c] = other_than(stored.at(c), 50);
        QVERIFY(done(f.session.write_control(c, stored.at(c))));
        QVERIFY(done(f.session.store()));
        QCOMPARE(f.session.stored_source(), StoredSource::Pedal);
    } else if (source == QLatin1String("preset")) {
        stored[c] = other_than(stored.at(c), 70);
        Preset preset;
        preset.effect_number = f.session.effect().number;
        preset.values = stored;
        preset.assignments_missing = true;
        QVERIFY(done(f.session.apply_preset(preset, PedalSession::PresetAssignments::Keep)));
        QCOMPARE(f.session.stored_source(), StoredSource::Preset);
    }
    QCOMPARE(f.session.stored_values(), stored);

    // Two edits; a third control edited and set back differs in nothing.
    const int edit_a = other_than(stored.at(a), 100), edit_b = other_than(stored.at(b), 200);
    QVERIFY(done(f.session.write_control(a, edit_a)));
    QVERIFY(done(f.session.write_control(b, edit_b)));
    QVERIFY(done(f.session.write_control(c, other_than(stored.at(c), 10))));
    QVERIFY(done(f.session.write_control(c, stored.at(c))));
    const QList<int> edits = f.session.state().values;

    f.mark();
    QVERIFY(done(f.session.set_comparing(true)));
    QCOMPARE(f.wire().toHex(' '), f.writes({{a, stored.at(a)}, {b, stored.at(b)}}).toHex(' '));
    QCOMPARE(f.session.state().values, stored);
    QCOMPARE(f.session.edited_values(), edits);

    // Refused while the stored sound plays, with nothing sent.
    f.mark();
    QCOMPARE(done(f.session.write_control(a, 5)).error_kind(), ErrorKind::BadInput);
    QCOMPARE(done(f.session.store()).error_kind(), ErrorKind::BadInput);
    QCOMPARE(f.wire(), QByteArray());

    f.mark();
    QVERIFY(done(f.session.set_comparing(false)));
    QCOMPARE(f.wire().toHex(' '), f.writes({{a, edit_a}, {b, edit_b}}).toHex(' '));
    QCOMPARE(f.session.state().values, edits);
    // The pedal plays the edits again: a request reads them back.
    QVERIFY(done(f.session.request_state()));
    QCOMPARE(f.session.state().values, edits);
    QCOMPARE(f.session.stored_values(), stored);
}

QTEST_MAIN(TestCompareSession)
#include "tst_compare_session.moc"
