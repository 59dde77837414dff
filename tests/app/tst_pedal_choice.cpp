// Several pedals attached: Connection > Pedal names each by serial and port, the user's choice
// is remembered by serial, and the automatic connect of the next run takes it. End to end with
// two virtual pedals served on pseudo-terminals, given by port paths as --port gives them.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/qt_serial_driver.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

using namespace kx;

class TestPedalChoice : public QObject {
    Q_OBJECT
private slots:
    void the_chosen_pedal_is_used_after_a_restart();
};

void TestPedalChoice::the_chosen_pedal_is_used_after_a_restart() {
    QTemporaryDir links;
    const QString first = links.filePath(QStringLiteral("first"));
    const QString second = links.filePath(QStringLiteral("second"));
    test::ServedPedal pedal_1, pedal_2;
    QVERIFY2(pedal_1.start({QStringLiteral("--instant")}), qPrintable(pedal_1.error()));
    QVERIFY2(pedal_2.start({QStringLiteral("--instant")}), qPrintable(pedal_2.error()));
    QVERIFY(QFile::link(pedal_1.path(), first));
    QVERIFY(QFile::link(pedal_2.path(), second));
    QtSerialDriver serial({first, second});
    EditorFixture f;
    f.driver = &serial;
    f.real_time = true;
    f.watched_ports = {first, second};
    f.start();
    QTRY_VERIFY(f.context->watcher->started());

    // Two attached and none chosen: no connect, and the status line names both.
    kx::test::settle();
    QVERIFY(!f.main().communication().connected());
    const QString status = f.main().lblStatusLine->accessibleDescription();
    QVERIFY2(status.startsWith(QStringLiteral("2 pedals are attached: first (%1), second (%2). "
                                              "Choose one under Connection > Pedal.")
                                   .arg(first, second)),
             qPrintable(status));

    emit f.main().menuPedal->aboutToShow();
    const QList<QAction*> items = f.main().menuPedal->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->text(), QStringLiteral("first on %1").arg(first));
    QCOMPARE(items.at(1)->text(), QStringLiteral("second on %1").arg(second));
    QVERIFY(!items.at(0)->isChecked() && !items.at(1)->isChecked());
    items.at(1)->trigger();
    QTRY_VERIFY(f.main().communication().connected());
    QCOMPARE(f.main().communication().device_serial_number, "second");
    QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));

    // The next run reads the choice again, and connects to that pedal by itself.
    f.restart();
    QTRY_VERIFY(f.context->watcher->started());
    QTRY_VERIFY(f.main().communication().connected());
    QCOMPARE(f.main().communication().device_serial_number, "second");
    emit f.main().menuPedal->aboutToShow();
    QVERIFY(f.main().menuPedal->actions().at(1)->isChecked());
    QCOMPARE(f.main().menuPedal->actions().at(1)->text(),
             QStringLiteral("second on %1 (connected)").arg(second));
}

QTEST_MAIN(TestPedalChoice)
#include "tst_pedal_choice.moc"
