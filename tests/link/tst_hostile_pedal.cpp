// A pedal of our own on a pseudo-terminal, reached through the QtSerialPort driver as
// `--port PATH` reaches a real one, that answers the way no pedal should: its late answer in
// bursts after the time limit, or bytes that never stop coming. The link must take no stale
// answer for a new one and end every exchange at its time limit.
#include "base/clock.h"
#include "base/log.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"
#include "support/await.h"
#include "support/pseudo_terminal.h"
#include "support/recording_connection_ui.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

#include <memory>

using namespace kx;

namespace {

const QByteArray kInformationRequest("\x05\x00", 2);

// One burst of a scripted answer: its bytes go out `after_ms` after the request came.
struct Burst {
    int after_ms = 0;
    QByteArray bytes;
};
using Script = QList<Burst>;

// The pedal's end of a pseudo-terminal: each request read (two bytes) is answered with the
// next script, burst by burst, on the test's own event loop, which the link's waits run.
class ScriptedPtyPedal : public QObject {
public:
    ScriptedPtyPedal() {
        if (!m_pty.ok())
            return;
        m_notifier = std::make_unique<QSocketNotifier>(m_pty.fd(), QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { take_input(); });
    }
    ~ScriptedPtyPedal() override { m_notifier.reset(); }
    const QString& path() const { return m_pty.path(); }

    QList<Script> scripts;
    // Sends one byte of `trickle` every `trickle_ms` from the first request on, for ever.
    QByteArray trickle;
    int trickle_ms = 10;
    int requests = 0;

private:
    void take_input() {
        char buffer[256];
        const ssize_t n = ::read(m_pty.fd(), buffer, sizeof buffer);
        if (n <= 0)
            return;
        m_input.append(buffer, n);
        while (m_input.size() >= 2) {
            m_input.remove(0, 2);
            answer();
        }
    }
    void answer() {
        ++requests;
        if (!trickle.isEmpty() && !m_trickling) {
            m_trickling = true;
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this,
                    [this] { send(trickle.mid(m_trickled++ % trickle.size(), 1)); });
            timer->start(trickle_ms);
        }
        if (scripts.isEmpty())
            return;
        for (const Burst& burst : scripts.takeFirst())
            QTimer::singleShot(burst.after_ms, Qt::PreciseTimer, this,
                               [this, bytes = burst.bytes] { send(bytes); });
    }
    void send(const QByteArray& bytes) {
        if (!m_pty.send(bytes))
            qWarning("the pedal's end of the pseudo-terminal took fewer bytes");
    }

    test::PseudoTerminal m_pty;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_input;
    bool m_trickling = false;
    qsizetype m_trickled = 0;
};

struct Link {
    ScriptedPtyPedal pedal;
    QtSerialDriver driver{QStringList{pedal.path()}};
    MemoryLog log;
    RealClock clock;
    D2XXUnit d2xx{driver, log};
    RecordingConnectionUi ui;
    Communication comm{d2xx, ui, log, clock};

    Link() {
        QVERIFY(comm.list_devices());
        comm.init_line_settings();
        QVERIFY(test::done(comm.connect_device()));
    }
};

} // namespace

class TestHostilePedal : public QObject {
    Q_OBJECT
private slots:
    void no_stale_answer_is_taken_data();
    void no_stale_answer_is_taken();
    void trickling_answer_ends_at_the_limit();
};

void TestHostilePedal::no_stale_answer_is_taken_data() {
    QTest::addColumn<QList<Script>>("scripts");
    QTest::addColumn<int>("timeout_ms");
    const Burst own{5, "X\r\n7\r\n3\r\n12\r\n"};
    // Silent within the limit, then the answer in two bursts a tenth of a second apart.
    QTest::newRow("late answer in bursts")
        << QList<Script>{{{500, "X\r\n"}, {600, "255\r\n3\r\n12\r\n"}}, {own}} << 400;
    // A burst that is not the answer, then the real one late, itself in bursts.
    QTest::newRow("a burst, then the answer late")
        << QList<Script>{{{5, "X\r\n"}, {700, "X\r\n255\r\n"}, {800, "3\r\n12\r\n"}}, {own}}
        << 1000;
}

void TestHostilePedal::no_stale_answer_is_taken() {
    QFETCH(QList<Script>, scripts);
    QFETCH(int, timeout_ms);
    Link link;
    QVERIFY(link.comm.connected());
    link.pedal.scripts = scripts;
    QVERIFY(
        !test::done(link.comm.receive_text(kInformationRequest, information_reply(timeout_ms))));
    const auto next =
        test::done(link.comm.receive_text(kInformationRequest, information_reply(timeout_ms)));
    QVERIFY2(next, qPrintable(next.error()));
    QCOMPARE(*next, QByteArray("X\r\n7\r\n3\r\n12\r\n"));
    QCOMPARE(link.pedal.requests, 2);
    QVERIFY2(link.log.lines.contains(QStringLiteral("late reply dropped, bytes: 15")),
             qPrintable(link.log.lines.join('|')));
}

// Bytes every 10 ms, never an end: the exchange ends at its limit, not at a byte cap.
void TestHostilePedal::trickling_answer_ends_at_the_limit() {
    Link link;
    QVERIFY(link.comm.connected());
    link.pedal.trickle = "7";
    QElapsedTimer took;
    took.start();
    const auto reply =
        test::done(link.comm.receive_values(QByteArray("\x02\x18", 2), parameter_reply(24, 500)));
    QCOMPARE(reply.error_kind(), ErrorKind::TimedOut);
    QVERIFY2(reply.error().startsWith(
                 QLatin1String("The pedal did not finish its parameter state reply within 0.5 s")),
             qPrintable(reply.error()));
    // Far below what the byte cap would take (118 lines of 32 bytes at one per 10 ms: 38 s).
    QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
}

QTEST_GUILESS_MAIN(TestHostilePedal)
#include "tst_hostile_pedal.moc"
