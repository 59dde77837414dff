// An upload is reported as done only when what the pedal reports afterwards shows that it took
// the image; a pedal that dropped the image of the effect it already ran answers just as one
// that loaded it.
#include "support/await.h"
#include "support/link_rig.h"

#include "library/resource_store.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "session/pedal_session.h"
#include "session/upload_evidence.h"

#include <QtTest>

using namespace kx;
using kx::test::done;

namespace {

const QString kTape = QStringLiteral("Tape Loom Delay");
const QString kFuzz = QStringLiteral("Basalt Fuzz Box");
const QString kComplete = QStringLiteral("Upload complete");

QString unproven() {
    return QString::fromLatin1(session::kMessageUploadUnproven).arg(kComplete);
}

} // namespace

class TestUploadEvidence : public QObject {
    Q_OBJECT
private slots:
    void evidence_of_a_fresh_load_data();
    void evidence_of_a_fresh_load();
};

void TestUploadEvidence::evidence_of_a_fresh_load_data() {
    QTest::addColumn<QString>("before"); // the effect uploaded first, or none
    QTest::addColumn<bool>("edit");      // a value changed before the second upload
    QTest::addColumn<bool>("dropped");   // the pedal drops the second image
    QTest::addColumn<QString>("result");
    QTest::newRow("no effect before") << QString() << false << false << kComplete;
    QTest::newRow("another effect before") << kFuzz << false << false << kComplete;
    QTest::newRow("another effect before, dropped") << kFuzz << false << true << "failed";
    QTest::newRow("same effect, a value edited") << kTape << true << false << kComplete;
    QTest::newRow("same effect, a value edited, dropped") << kTape << true << true << unproven();
    // Nothing tells a fresh load of the same values from a dropped image: said so.
    QTest::newRow("same effect, values as loaded") << kTape << false << false << unproven();
    QTest::newRow("same effect, values as loaded, dropped") << kTape << false << true << unproven();
}

void TestUploadEvidence::evidence_of_a_fresh_load() {
    QFETCH(QString, before);
    QFETCH(bool, edit);
    QFETCH(bool, dropped);
    QFETCH(QString, result);
    test::LinkRig rig(test::Transport::Instant);
    ResourceStore store;
    PedalSession session(rig.comm, store, rig.log, rig.clock());
    QVERIFY(done(session.connect_pedal()));
    if (!before.isEmpty()) {
        const auto first = done(session.upload_effect(before));
        QVERIFY2(first, qPrintable(first.error()));
        QCOMPARE(*first, kComplete);
    }
    if (edit) {
        const int value = (session.state().values.value(0) + 100) % 1024;
        QVERIFY(done(session.write_control(0, value)));
    }
    const QList<int> values_before = session.state().values;
    if (dropped)
        rig.pedal().inject_dropped_upload();
    const auto second = done(session.upload_effect(kTape));
    if (result == QLatin1String("failed")) {
        // Another effect still runs: the session's own check says so.
        QCOMPARE(second.error_kind(), ErrorKind::UploadFailed);
        return;
    }
    QVERIFY2(second, qPrintable(second.error()));
    QCOMPARE(*second, result);
    QVERIFY(session.is_live(kTape));
    if (dropped)
        QCOMPARE(session.state().values, values_before);
}

QTEST_GUILESS_MAIN(TestUploadEvidence)
#include "tst_upload_evidence.moc"
