#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"
#include "support/recording_connection_ui.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QtTest>

using namespace kx;
using Control = ConnectionUi::Control;

namespace {

const QString kServer = QStringLiteral(KX_BINARY_DIR "/kestrel-x-virtual-pedal");

// The virtual pedal served on a pseudo-terminal by its own program, reached through the
// QtSerialPort driver as `--port PATH` reaches it.
struct Fixture {
    explicit Fixture(const QStringList& options = {}) {
        server.start(kServer, options);
        if (!server.waitForStarted(5000) || !server.waitForReadyRead(5000))
            return;
        path = QString::fromLocal8Bit(server.readLine()).trimmed();
        driver = std::make_unique<QtSerialDriver>(QStringList{path});
        d2xx = std::make_unique<D2XXUnit>(*driver, dialogs, log);
        comm = std::make_unique<Communication>(*d2xx, ui, dialogs, log, clock);
        comm->list_devices();
        comm->init_line_settings();
    }
    ~Fixture() {
        comm.reset();
        d2xx.reset();
        server.terminate();
        server.waitForFinished(5000);
    }
    bool ok() const { return comm != nullptr; }

    QProcess server;
    QString path;
    ScriptedDialogs dialogs;
    MemoryLog log;
    RealClock clock;
    RecordingConnectionUi ui;
    std::unique_ptr<QtSerialDriver> driver;
    std::unique_ptr<D2XXUnit> d2xx;
    std::unique_ptr<Communication> comm;
};

} // namespace

class TestLinkPtyPedal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void connect_exchange_reconnect();
    void pedal_gone_during_wait();
    void bootloader_check();
};

void TestLinkPtyPedal::init() {
    if (!QFileInfo(kServer).isExecutable())
        QSKIP("the virtual pedal server is not built");
}

void TestLinkPtyPedal::connect_exchange_reconnect() {
    Fixture f;
    QVERIFY2(f.ok(), "the server did not name its port");
    QCOMPARE(f.comm->device_serial_number, QFileInfo(f.path).fileName());
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X"));
    f.comm->menuScanClick();
    QCOMPARE(f.dialogs.messages.last(), QStringLiteral("FT230X Basic UART found, click Connect"));
    f.dialogs.messages.clear();
    for (int round = 0; round < 2; ++round) {
        f.comm->menuConnectClick();
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
        QCOMPARE(f.ui.enabled[Control::btnOpenEffect], true);

        QVERIFY(f.d2xx->send_bytes(QByteArray("\x05\x00", 2)));
        const auto text = f.comm->receive_text(information_reply());
        QVERIFY(text);
        QCOMPARE(text->count("\r\n"), 4);

        QVERIFY(f.d2xx->send_bytes(QByteArray("\x02\x10")));
        QVERIFY(f.comm->receive_values(parameter_reply(16)));
        QCOMPARE(f.comm->received_values.size(), 86);
        // The factory effect's assignments are all "none".
        QCOMPARE(f.comm->received_values.sliced(64), QByteArray(22, '\xFF'));

        f.comm->menuDisconnectClick();
        QCOMPARE(f.ui.enabled[Control::menuConnect], true);
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
    }
}

void TestLinkPtyPedal::pedal_gone_during_wait() {
    Fixture f;
    QVERIFY(f.ok());
    f.comm->menuConnectClick();
    f.ui.parameters_visible = true;
    // An unknown command gets no answer; the server then goes away mid-wait.
    QVERIFY(f.d2xx->send_bytes(QByteArray("\x09\x00", 2)));
    QTimer::singleShot(100, [&] { f.server.kill(); });
    QVERIFY(!f.comm->receive_text(information_reply(5000)));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY2(f.dialogs.messages[0].startsWith(QLatin1String("FT_GetQueueStatus - ")),
             qPrintable(f.dialogs.messages[0]));
    QCOMPARE(f.ui.enabled[Control::menuConnect], true);
    QCOMPARE(f.ui.enabled[Control::btnRequest], false);
    QCOMPARE(f.ui.parameter_controls_calls, QList<bool>{false});
}

void TestLinkPtyPedal::bootloader_check() {
    Fixture f({QStringLiteral("--bootloader")});
    QVERIFY(f.ok());
    f.comm->firmware_upgrade_mode = true;
    f.comm->menuConnectClick();
    QCOMPARE(f.dialogs.messages, QStringList{kTextBootloaderOk});
    QVERIFY(f.log.lines.contains(QStringLiteral("received Byte: 79")));
    QCOMPARE(f.ui.enabled[Control::menuStartFirmwareUpgrade], true);
}

QTEST_GUILESS_MAIN(TestLinkPtyPedal)
#include "tst_link_pty_pedal.moc"
