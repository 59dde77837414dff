#include "sim/pedal_rig.h"

#include <QtTest>

using namespace kx;
using namespace kx::sim;
using namespace kx::sim::test;

namespace {

const QList<quint32> kStartWords = {0x00400000, 0x007FE000, 0x00000000};
const QByteArray kInfoRequest = hex("05 00");

QByteArray information(int effect, int version, int firmware) {
    return QStringLiteral("Kestrel X\r\n%1\r\n%2\r\n%3\r\n")
        .arg(effect)
        .arg(version)
        .arg(firmware)
        .toLatin1();
}

// A pedal running effect 7 (version 2, three controls on words 3..5, two readbacks).
void load_effect_7(PedalRig& rig) {
    QCOMPARE(rig.exchange(effect_image(7, 2, kStartWords, 2)), QByteArray(kUploadLoadedReply));
}

} // namespace

class TestPedalFirmware : public QObject {
    Q_OBJECT
private slots:
    void fresh_pedal_runs_the_empty_effect();
    void upload_loads_the_effect();
    void upload_rejected_data();
    void upload_rejected();
    void parameter_reply_follows_writes_and_assignments();
    void settings_messages_data();
    void settings_messages();
    void stored_settings_survive_a_power_cycle();
    void unframed_bytes_dropped_data();
    void unframed_bytes_dropped();
    void faults_shape_answers_data();
    void faults_shape_answers();
    void slow_answer_comes_late();
    void pulled_cable_loses_the_rest();
    void bytes_during_start_up_are_lost();
    void turned_knob_moves_its_controls_data();
    void turned_knob_moves_its_controls();
};

void TestPedalFirmware::fresh_pedal_runs_the_empty_effect() {
    PedalRig rig;
    QCOMPARE(rig.exchange(kInfoRequest), information(0, 0, 11));
    QCOMPARE(numbers(rig.exchange(hex("02 00"))), QList<int>(22, 255));
}

void TestPedalFirmware::upload_loads_the_effect() {
    PedalRig rig;
    rig.exchange(hex("0D 00"));
    QVERIFY(rig.pedal.bypassed());
    const QByteArray answer = rig.exchange(effect_image(7, 2, kStartWords, 2));
    QCOMPARE(answer.size(), 17);
    QCOMPARE(answer, QByteArray("Upload complete\r\n"));
    QCOMPARE(rig.exchange(kInfoRequest), information(7, 2, 11));
    QCOMPARE(rig.pedal.running_effect(), 7);
    QCOMPARE(rig.pedal.parameter_word(4), 0x007FE000u);
    QVERIFY(!rig.pedal.bypassed()); // the new effect plays
}

void TestPedalFirmware::upload_rejected_data() {
    QTest::addColumn<QByteArray>("upload");
    QByteArray broken_stream = effect_image(9, 1, {0x100});
    broken_stream[128] = char(0x02); // the first boot message has no such type
    QByteArray too_many_readbacks = effect_image(9, 1, {0x100});
    too_many_readbacks[123] = char(5);
    QTest::newRow("length below the header") << hex("00 00 03");
    QTest::newRow("ends inside the no-operation messages") << hex("00 00 88") + QByteArray(133, 0);
    QTest::newRow("unknown boot message") << broken_stream;
    QTest::newRow("five readbacks") << too_many_readbacks;
}

void TestPedalFirmware::upload_rejected() {
    QFETCH(QByteArray, upload);
    PedalRig rig;
    load_effect_7(rig);
    const QByteArray answer = rig.exchange(upload);
    QCOMPARE(answer.size(), 17);
    QCOMPARE(answer, QByteArray("Upload rejected\r\n"));
    QCOMPARE(rig.exchange(kInfoRequest), information(7, 2, 11));
    QCOMPARE(rig.pedal.parameter_word(3), 0x00400000u);
}

void TestPedalFirmware::parameter_reply_follows_writes_and_assignments() {
    PedalRig rig;
    load_effect_7(rig);
    QCOMPARE(numbers(rig.exchange(hex("02 03"))),
             QList<int>({0, 64, 0, 0, 0, 127, 224, 0, 0, 0, 0, 0}) + QList<int>(22, 255));

    QCOMPARE(rig.exchange(hex("01 0005 00554000")), QByteArray()); // not answered
    QCOMPARE(rig.exchange(hex("04 000102FFFFFFFFFFFFFFFFFFFFFFFFFF 0301FFFF 09 08")), QByteArray());
    // The reply puts bypass and preset before the readbacks; the message puts them after.
    const QList<int> assignments =
        QList<int>({0, 1, 2}) + QList<int>(13, 255) + QList<int>({9, 8, 3, 1, 255, 255});
    QCOMPARE(numbers(rig.exchange(hex("02 03"))),
             QList<int>({0, 64, 0, 0, 0, 127, 224, 0, 0, 85, 64, 0}) + assignments);
    // Asked for fewer controls, the pedal answers for those only.
    QCOMPARE(numbers(rig.exchange(hex("02 01"))), QList<int>({0, 64, 0, 0}) + assignments);
}

void TestPedalFirmware::settings_messages_data() {
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<int>("midi_channel");
    QTest::addColumn<bool>("bypassed");
    QTest::newRow("omni") << hex("07 05 07 00") << 0 << false;
    QTest::newRow("channel 16") << hex("07 10") << 16 << false;
    QTest::newRow("channel 17 ignored") << hex("07 05 07 11") << 5 << false;
    QTest::newRow("bypass") << hex("0D 00") << 0 << true;
    QTest::newRow("bypass released") << hex("0D 00 0D 01") << 0 << false;
}

void TestPedalFirmware::settings_messages() {
    QFETCH(QByteArray, messages);
    QFETCH(int, midi_channel);
    QFETCH(bool, bypassed);
    PedalRig rig;
    QCOMPARE(rig.exchange(messages), QByteArray());
    QCOMPARE(rig.pedal.midi_channel(), midi_channel);
    QCOMPARE(rig.pedal.bypassed(), bypassed);
}

void TestPedalFirmware::stored_settings_survive_a_power_cycle() {
    PedalRig rig;
    load_effect_7(rig);
    rig.exchange(hex("01 0003 00200000"));
    rig.exchange(hex("04 0B05FFFFFFFFFFFFFFFFFFFFFFFFFFFF 02FFFFFF 08 0A"));
    rig.exchange(hex("03 03"));
    // Changes after the store are lost at power-off, except the MIDI channel.
    rig.exchange(hex("01 0003 00100000 04") + QByteArray(22, char(0xFF)));
    rig.exchange(hex("07 03 0D 00"));

    rig.pedal.power_cycle(rig.now_us);
    const QList<int> stored = QList<int>({0, 32, 0, 0, 0, 127, 224, 0, 0, 0, 0, 0, 11, 5}) +
                              QList<int>(14, 255) + QList<int>({8, 10, 2, 255, 255, 255});
    QCOMPARE(rig.exchange(kInfoRequest), information(7, 2, 11));
    QCOMPARE(numbers(rig.exchange(hex("02 03"))), stored);
    QCOMPARE(rig.pedal.midi_channel(), 3);
    QVERIFY(!rig.pedal.bypassed());

    // Loading the effect again brings its stored settings along.
    rig.exchange(effect_image(9, 1, {0x100}));
    load_effect_7(rig);
    QCOMPARE(numbers(rig.exchange(hex("02 03"))), stored);
}

void TestPedalFirmware::unframed_bytes_dropped_data() {
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<int>("pause_ms");
    QTest::addColumn<QByteArray>("then");
    QTest::addColumn<QByteArray>("answer");
    const QByteArray info = information(0, 0, 11);
    const QByteArray empty_state = QByteArray("255\r\n").repeated(22);
    QTest::newRow("unknown command, then quiet") << hex("09 11 22") << 60 << kInfoRequest << info;
    QTest::newRow("unknown command, no pause") << hex("09") << 10 << kInfoRequest << QByteArray();
    QTest::newRow("half a request, then quiet") << hex("02") << 60 << kInfoRequest << info;
    QTest::newRow("request finished in time") << hex("02") << 10 << hex("00") << empty_state;
    QTest::newRow("short upload, then quiet")
        << hex("00 10 00 01 02") << 60 << kInfoRequest << info;
}

void TestPedalFirmware::unframed_bytes_dropped() {
    QFETCH(QByteArray, first);
    QFETCH(int, pause_ms);
    QFETCH(QByteArray, then);
    QFETCH(QByteArray, answer);
    PedalRig rig;
    QCOMPARE(rig.exchange(first, pause_ms * 1000), QByteArray());
    QCOMPARE(rig.exchange(then), answer);
}

void TestPedalFirmware::faults_shape_answers_data() {
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QByteArray>("garbage");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("none") << false << QByteArray() << information(0, 0, 11);
    QTest::newRow("silence") << true << QByteArray() << QByteArray();
    QTest::newRow("garbage") << false << hex("00 FF 41") << hex("00 FF 41");
}

void TestPedalFirmware::faults_shape_answers() {
    QFETCH(bool, silent);
    QFETCH(QByteArray, garbage);
    QFETCH(QByteArray, answer);
    PedalRig rig;
    rig.pedal.inject_silence(silent);
    rig.pedal.inject_garbage(garbage);
    QCOMPARE(rig.exchange(kInfoRequest), answer);
    rig.exchange(hex("07 04"));
    QCOMPARE(rig.pedal.midi_channel(), 4); // a pedal that does not answer still obeys
    rig.pedal.clear_faults();
    QCOMPARE(rig.exchange(kInfoRequest), information(0, 0, 11));
}

void TestPedalFirmware::slow_answer_comes_late() {
    PedalRig rig;
    rig.pedal.inject_extra_delay_us(300000);
    QCOMPARE(rig.exchange(kInfoRequest, 299999), QByteArray());
    QCOMPARE(rig.pedal.next_delivery_us(), std::optional<qint64>(300000));
    QCOMPARE(rig.exchange({}, 1), information(0, 0, 11));
}

void TestPedalFirmware::pulled_cable_loses_the_rest() {
    PedalRig rig;
    rig.pedal.inject_unplug_at_byte(4);
    QCOMPARE(rig.pedal.host_bytes(hex("07 09 07 0A"), 0), qsizetype(3));
    QVERIFY(rig.pedal.unplugged());
    QCOMPARE(rig.pedal.midi_channel(), 9);
    QCOMPARE(rig.pedal.host_bytes(kInfoRequest, 10), qsizetype(0));
    rig.pedal.replug();
    rig.pass(kQuietGap_us); // the pedal drops the message the pull cut short
    QCOMPARE(rig.exchange(kInfoRequest), information(0, 0, 11));
    QCOMPARE(rig.pedal.unplug_count(), 1);
}

void TestPedalFirmware::bytes_during_start_up_are_lost() {
    PedalRig rig(false);
    rig.pedal.power_cycle(0);
    QCOMPARE(rig.exchange(kInfoRequest, kFirmwareBoot_us), QByteArray());
    QCOMPARE(rig.exchange(kInfoRequest, 100000), information(0, 0, 11));
    QCOMPARE(rig.pedal.received().size(), 4); // all four reached the pedal's pin
}

void TestPedalFirmware::turned_knob_moves_its_controls_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("followed");
    QTest::addColumn<QList<int>>("reply"); // the three controls' value bytes

    const QList<int> untouched{0, 64, 0, 0, 0, 127, 224, 0, 0, 0, 0, 0};
    // Controls 0 and 2 are on KI (code 0), control 1 on EXP (code 11).
    QTest::newRow("KI moves both of its controls")
        << 0 << 512 << 2 << QList<int>({0, 64, 0, 0, 0, 127, 224, 0, 0, 64, 0, 0});
    QTest::newRow("EXP moves its one")
        << 11 << 1 << 1 << QList<int>({0, 64, 0, 0, 0, 0, 32, 0, 0, 0, 0, 0});
    QTest::newRow("a knob nothing is assigned to") << 1 << 700 << 0 << untouched;
    QTest::newRow("no such pedal control") << 12 << 5 << -1 << untouched;
    QTest::newRow("value past the end") << 0 << 1024 << -1 << untouched;
}

void TestPedalFirmware::turned_knob_moves_its_controls() {
    QFETCH(int, code);
    QFETCH(int, value);
    QFETCH(int, followed);
    QFETCH(QList<int>, reply);
    PedalRig rig;
    load_effect_7(rig);
    QCOMPARE(rig.exchange(hex("04 000B00FFFFFFFFFFFFFFFFFFFFFFFFFF FFFFFFFF FF FF")), QByteArray());
    QCOMPARE(rig.pedal.turn_control(code, value, rig.now_us), followed);
    QCOMPARE(numbers(rig.exchange(hex("02 03"))).mid(0, 12), reply);
}

QTEST_GUILESS_MAIN(TestPedalFirmware)
#include "tst_pedal_firmware.moc"
