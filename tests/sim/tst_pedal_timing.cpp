#include "sim/pedal_rig.h"

#include <QtTest>

using namespace kx;
using namespace kx::sim;
using namespace kx::sim::test;

namespace {

struct Packet {
    qint64 at_us;
    QByteArray bytes;
};

// Follows the pedal's own forecast from delivery to delivery, checking that nothing arrives
// before the forecast time.
QList<Packet> packets(VirtualPedal& pedal) {
    QList<Packet> received;
    while (const std::optional<qint64> next = pedal.next_delivery_us()) {
        if (pedal.deliverable_count(*next - 1) != 0)
            break;
        const QByteArray bytes = pedal.take_deliverable(*next);
        if (!bytes.isEmpty())
            received.append({*next, bytes});
    }
    return received;
}

// A pedal with a 16-control effect whose words are 0x00400000: each control answers as the
// lines 0, 64, 0, 0 (13 bytes); with the 22 assignment lines of 255 the reply is 318 bytes.
VirtualPedal& sixteen_controls(PedalRig& rig) {
    rig.pedal.set_instant(true);
    rig.exchange(effect_image(3, 1, QList<quint32>(16, 0x00400000)));
    rig.pedal.set_instant(false);
    rig.pedal.clear_history();
    return rig.pedal;
}

} // namespace

class TestPedalTiming : public QObject {
    Q_OBJECT
private slots:
    void short_reply_waits_for_the_latency_timer_data();
    void short_reply_waits_for_the_latency_timer();
    void long_reply_comes_in_full_packets();
    void receive_purge_drops_what_the_chip_holds();
    void instant_pedal_answers_at_once();
    void unread_answers_are_bounded_data();
    void unread_answers_are_bounded();
    void history_keeps_the_recent_bytes();
};

void TestPedalTiming::short_reply_waits_for_the_latency_timer_data() {
    QTest::addColumn<int>("timer_ms");
    QTest::addColumn<QList<qint64>>("delivered_us");
    QTest::newRow("as the chip comes, 16 ms") << 16 << QList<qint64>{17261};
    // The reply takes 1.8 ms on the line: a packet leaves 1 ms after each first byte.
    QTest::newRow("low latency, 1 ms") << 1 << QList<qint64>{2261, 3303};
}

void TestPedalTiming::short_reply_waits_for_the_latency_timer() {
    QFETCH(int, timer_ms);
    QFETCH(QList<qint64>, delivered_us);
    PedalRig rig(false);
    if (timer_ms != 16)
        rig.pedal.set_latency_timer_ms(timer_ms);
    rig.pedal.host_bytes(hex("05 00"), 0);
    // 86.8 us a byte on the line: the request is in at 174 us and answered 1 ms later; the
    // 21-byte reply starts reaching the chip at 1261 us and leaves with the timer.
    const QList<Packet> received = packets(rig.pedal);
    QList<qint64> times;
    QByteArray bytes;
    for (const Packet& packet : received) {
        times << packet.at_us;
        bytes += packet.bytes;
    }
    QCOMPARE(times, delivered_us);
    QCOMPARE(bytes, QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
    QCOMPARE(rig.pedal.received().size(), 2);
    QCOMPARE(rig.pedal.received()[0].at_us, 87);
    QCOMPARE(rig.pedal.received()[1].at_us, 174);
}

void TestPedalTiming::long_reply_comes_in_full_packets() {
    PedalRig rig(false);
    VirtualPedal& pedal = sixteen_controls(rig);
    const qint64 start_us = 10000000;
    pedal.host_bytes(hex("02 10"), start_us);
    const QList<Packet> received = packets(pedal);

    QByteArray reply;
    QList<int> sizes;
    for (const Packet& packet : received) {
        reply += packet.bytes;
        sizes.append(int(packet.bytes.size()));
    }
    QList<int> expected;
    for (int control = 0; control < 16; ++control)
        expected << 0 << 64 << 0 << 0;
    QCOMPARE(numbers(reply), expected + QList<int>(22, 255));
    QCOMPARE(sizes, QList<int>({62, 62, 62, 62, 62, 8}));
    // Answered 2 ms after the request is in (174 us); a full packet leaves with its 62nd byte,
    // the 8 left over 16 ms after the first of them (byte 311) reached the chip.
    QCOMPARE(received.first().at_us - start_us, 2174 + 5382);
    QCOMPARE(received[1].at_us - received[0].at_us, 5382);
    QCOMPARE(received.last().at_us - start_us, 2174 + 26997 + 16000);
}

void TestPedalTiming::receive_purge_drops_what_the_chip_holds() {
    PedalRig rig(false);
    VirtualPedal& pedal = sixteen_controls(rig);
    pedal.host_bytes(hex("02 10"), 0);
    QCOMPARE(pedal.take_deliverable(7556).size(), 62);
    // By 7656 us the chip also holds byte 63; the purge drops it, later bytes still come.
    pedal.purge_host_receive(7656);
    QByteArray rest;
    for (const Packet& packet : packets(pedal))
        rest += packet.bytes;
    QCOMPARE(rest.size(), 318 - 63);
}

void TestPedalTiming::instant_pedal_answers_at_once() {
    PedalRig rig(true);
    rig.pedal.host_bytes(hex("05 00 02 00"), 0);
    QCOMPARE(rig.pedal.take_deliverable(0).size(), 21 + 22 * 5);
    QCOMPARE(rig.pedal.next_delivery_us(), std::nullopt);
}

void TestPedalTiming::unread_answers_are_bounded_data() {
    QTest::addColumn<bool>("instant");
    QTest::newRow("instant") << true;
    QTest::newRow("real timing") << false;
}

// A host that asks without reading must not make the pedal hold its answers without end: what
// does not fit the host's buffer is lost, and the link works again once the host reads.
void TestPedalTiming::unread_answers_are_bounded() {
    QFETCH(bool, instant);
    PedalRig rig(instant);
    const QByteArray one_reply = rig.exchange(hex("02 FF"));
    QVERIFY(2000 * one_reply.size() > 10 * kMaxUnreadAnswerBytes);

    QByteArray requests;
    for (int i = 0; i < 2000; ++i)
        requests += hex("02 FF");
    rig.pedal.host_bytes(requests, rig.now_us);
    for (int step = 0; step < 20; ++step) {
        rig.pass(1000000);
        rig.pedal.advance(rig.now_us);
        QVERIFY(rig.pedal.unread_answer_bytes() <= kMaxUnreadAnswerBytes);
    }
    QCOMPARE(rig.pedal.unreceived_host_bytes(), 0);
    QVERIFY(rig.pedal.lost_answer_bytes() > 0);

    const QByteArray unread = rig.pedal.take_deliverable(rig.now_us);
    QCOMPARE(unread.size() + rig.pedal.lost_answer_bytes(), 2000 * one_reply.size());
    QVERIFY(unread.startsWith(one_reply + one_reply));
    QCOMPARE(rig.exchange(hex("02 FF")), one_reply);
}

void TestPedalTiming::history_keeps_the_recent_bytes() {
    PedalRig rig(true);
    // Releasing the bypass again and again: bytes in, nothing out.
    QByteArray releases;
    for (qsizetype i = 0; i < kHistoryBytes; ++i)
        releases += hex("0D 01");
    rig.pedal.host_bytes(releases, 0);
    rig.pedal.host_bytes(hex("05 00"), 1);
    const QList<TimedByte>& received = rig.pedal.received();
    QVERIFY(received.size() <= kHistoryBytes);
    QVERIFY(received.size() >= kHistoryBytes / 2);
    QCOMPARE(received.last().value, quint8(0x00));
    QCOMPARE(received.last().at_us, 1);
    QCOMPARE(rig.pedal.take_deliverable(1), QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
    QCOMPARE(rig.pedal.sent().size(), 21);
}

QTEST_GUILESS_MAIN(TestPedalTiming)
#include "tst_pedal_timing.moc"
