#include "base/hex_text.h"
#include "base/log.h"
#include "library/effect_image.h"
#include "library/resource_store.h"
#include "params/control_addresses.h"
#include "params/parameter_messages.h"

#include <QTest>

using namespace kx;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A parameter state reply as the pedal sends it: N value words, then 16 control codes, bypass,
// preset and 4 readback codes.
QByteArray reply_of(const QList<quint32>& words, const QList<quint8>& control_codes, quint8 bypass,
                    quint8 preset, const QList<quint8>& readback_codes) {
    QByteArray out;
    for (quint32 word : words)
        for (int shift = 24; shift >= 0; shift -= 8)
            out.append(char((word >> shift) & 0xFF));
    for (int i = 0; i < 16; ++i)
        out.append(char(control_codes.value(i, 0xFF)));
    out.append(char(bypass));
    out.append(char(preset));
    for (int j = 0; j < 4; ++j)
        out.append(char(readback_codes.value(j, 0xFF)));
    return out;
}

QString missing_text(const ParameterReply& reply) {
    QStringList parts;
    for (int i : reply.missing_values())
        parts << QStringLiteral("v%1").arg(i);
    for (int i : reply.missing_control_codes())
        parts << QStringLiteral("a%1").arg(i);
    if (!reply.bypass_code)
        parts << QStringLiteral("bypass");
    if (!reply.preset_code)
        parts << QStringLiteral("preset");
    for (int j : reply.missing_readback_codes())
        parts << QStringLiteral("r%1").arg(j);
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestParameterMessages : public QObject {
    Q_OBJECT

private slots:
    void parameter_write_data();
    void parameter_write();
    void bypass_message_is_0D_00();
    void received_value_words_data();
    void received_value_words();
    void multi_switch_option_inverts_the_spacing_data();
    void multi_switch_option_inverts_the_spacing();
    void reply_positions();
    void short_reply_data();
    void short_reply();
    void assignment_message_data();
    void assignment_message();
    void assignment_box_items_data();
    void assignment_box_items();
    void address_texts_data();
    void address_texts();
    void addresses_of_more_than_16_controls();
};

void TestParameterMessages::parameter_write_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("input"); // slider position, on (1/0) or option index
    QTest::addColumn<int>("option_count");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("log_line");

    const int pot = int(ControlKind::Pot);
    const int sw = int(ControlKind::Switch);
    const int multi = int(ControlKind::MultiSwitch);
    QTest::newRow("pot 0 at 512") << pot << 0 << 512.0 << 0 << 0x0003
                                  << "data sent pot 0: 01000300400000";
    QTest::newRow("pot at 0") << pot << 2 << 0.0 << 0 << 0x0005
                              << "data sent pot 2: 01000500000000";
    QTest::newRow("pot at 1023") << pot << 1 << 1023.0 << 0 << 0x0004
                                 << "data sent pot 1: 010004007FE000";
    QTest::newRow("pot 511.5 to even 512")
        << pot << 0 << 511.5 << 0 << 0x0003 << "data sent pot 0: 01000300400000";
    QTest::newRow("pot 510.5 to even 510")
        << pot << 0 << 510.5 << 0 << 0x0003 << "data sent pot 0: 010003003FC000";
    QTest::newRow("pot below 0") << pot << 0 << -3.0 << 0 << 0x0003
                                 << "data sent pot 0: 01000300000000";
    QTest::newRow("pot above 1023")
        << pot << 0 << 4000.0 << 0 << 0x0003 << "data sent pot 0: 010003007FE000";
    QTest::newRow("high address byte")
        << pot << 15 << 1.0 << 0 << 0x03FF << "data sent pot 15: 0103FF00002000";
    QTest::newRow("switch on") << sw << 3 << 1.0 << 0 << 0x0010
                               << "data sent switch 3: 010010007FE000";
    QTest::newRow("switch off") << sw << 3 << 0.0 << 0 << 0x0010
                                << "data sent switch 3: 01001000000000";
    QTest::newRow("K=3 third option 682")
        << multi << 4 << 2.0 << 3 << 0x0007 << "data sent multiswitch 4: 01000700554000";
    QTest::newRow("K=3 first option 0")
        << multi << 4 << 0.0 << 3 << 0x0007 << "data sent multiswitch 4: 01000700000000";
    QTest::newRow("K=2 second option 512")
        << multi << 4 << 1.0 << 2 << 0x0007 << "data sent multiswitch 4: 01000700400000";
    QTest::newRow("K=4 option 3: 768")
        << multi << 4 << 3.0 << 4 << 0x0007 << "data sent multiswitch 4: 01000700600000";
    QTest::newRow("K=5 steps by 204")
        << multi << 4 << 1.0 << 5 << 0x0007 << "data sent multiswitch 4: 01000700198000";
    QTest::newRow("K=7 steps by 146")
        << multi << 4 << 1.0 << 7 << 0x0007 << "data sent multiswitch 4: 01000700124000";
    QTest::newRow("K=12 steps by 85")
        << multi << 4 << 1.0 << 12 << 0x0007 << "data sent multiswitch 4: 010007000AA000";
    QTest::newRow("K=16 option 15: 960")
        << multi << 4 << 15.0 << 16 << 0x0007 << "data sent multiswitch 4: 01000700780000";
}

void TestParameterMessages::parameter_write() {
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(double, input);
    QFETCH(int, option_count);
    QFETCH(int, address);
    QFETCH(QString, log_line);

    int value = 0;
    switch (ControlKind(kind)) {
    case ControlKind::Pot:
        value = pot_value(input);
        break;
    case ControlKind::Switch:
        value = switch_value(input != 0);
        break;
    case ControlKind::MultiSwitch:
        value = multi_switch_value(int(input), option_count);
        break;
    }
    const QByteArray message = parameter_write_message(quint16(address), value);
    QCOMPARE(message.size(), kParameterWriteBytes);
    QCOMPARE(parameter_log_line(ControlKind(kind), index, message), log_line);
    // The value sent is what the pedal's reply gives back.
    quint32 word = 0;
    for (int k = 3; k < 7; ++k)
        word = (word << 8) | quint8(message[k]);
    QCOMPARE(value_from_word(word), value);
}

void TestParameterMessages::bypass_message_is_0D_00() {
    QCOMPARE(bypass_message(), hex("0D00"));
}

void TestParameterMessages::received_value_words_data() {
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("switch_state");
    QTest::addColumn<int>("option_of_3");

    const int off = int(SwitchState::Off);
    const int on = int(SwitchState::On);
    const int unchanged = int(SwitchState::Unchanged);
    QTest::newRow("00 40 00 00: 512") << hex("00400000") << 512 << on << 1;
    QTest::newRow("FF FF E0 00: -1") << hex("FFFFE000") << -1 << unchanged << -1;
    QTest::newRow("00 00 1F FF truncates to 0") << hex("00001FFF") << 0 << off << 0;
    QTest::newRow("00 00 20 00: 1") << hex("00002000") << 1 << on << 0;
    QTest::newRow("00 7F E0 00: 1023") << hex("007FE000") << 1023 << on << 2;
    QTest::newRow("FF FF DF FF truncates toward 0") << hex("FFFFDFFF") << -1 << unchanged << -1;
    QTest::newRow("FF FF FF FF: -1/8192 is 0") << hex("FFFFFFFF") << 0 << off << 0;
    QTest::newRow("1.0 is beyond the range") << hex("00800000") << 1024 << on << 2;
    QTest::newRow("most negative word") << hex("80000000") << -262144 << unchanged << -1;
    QTest::newRow("most positive word") << hex("7FFFFFFF") << 262143 << on << -1;
}

void TestParameterMessages::received_value_words() {
    QFETCH(QByteArray, word);
    QFETCH(int, value);
    QFETCH(int, switch_state);
    QFETCH(int, option_of_3);
    const ParameterReply reply =
        decode_parameter_reply(reply_of({}, {}, 0xFF, 0xFF, {}).prepend(word), 1, 0);
    QVERIFY(reply.complete());
    QCOMPARE(reply.values.value(0).value_or(-99999), value);
    QCOMPARE(int(switch_state_from_value(value)), switch_state);
    QCOMPARE(multi_switch_option_from_value(value, 3), option_of_3);
}

void TestParameterMessages::multi_switch_option_inverts_the_spacing_data() {
    QTest::addColumn<int>("option_count");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("option");
    QTest::newRow("K=3, 1023 gives 3, hence 2") << 3 << 1023 << 2;
    QTest::newRow("K=3, 681") << 3 << 681 << 1;
    QTest::newRow("K=3, 682") << 3 << 682 << 2;
    QTest::newRow("K=5, 1023") << 5 << 1023 << 4;
    QTest::newRow("K=6, 1023") << 6 << 1023 << 5;
    QTest::newRow("K=7, 1023") << 7 << 1023 << 6;
    QTest::newRow("K=12, 1023") << 12 << 1023 << 11;
    QTest::newRow("K=1, 1023") << 1 << 1023 << 0;
    QTest::newRow("K=3, far beyond: none") << 3 << 5000 << -1;
    QTest::newRow("K=3, far below: none") << 3 << -5000 << -1;
}

void TestParameterMessages::multi_switch_option_inverts_the_spacing() {
    QFETCH(int, option_count);
    QFETCH(int, value);
    QFETCH(int, option);
    QCOMPARE(multi_switch_option_from_value(value, option_count), option);
    // Every option sent comes back as itself.
    for (int k = 0; k < option_count; ++k)
        QCOMPARE(multi_switch_option_from_value(multi_switch_value(k, option_count), option_count),
                 k);
}

void TestParameterMessages::reply_positions() {
    // Each slot carries a different code, so a swapped position shows.
    const QByteArray received =
        reply_of({0x00400000, 0x007FE000, 0xFFFFE000}, {0, 5, 11, 7, 7, 7}, 9, 10, {2, 3, 1, 1});
    const ParameterReply three = decode_parameter_reply(received, 3, 2);
    QCOMPARE(three.expected_count, 34);
    QVERIFY(three.complete());
    QCOMPARE(three.values, (QList<std::optional<int>>{512, 1023, -1}));
    QCOMPARE(three.control_codes, (QList<std::optional<quint8>>{0, 5, 11}));
    QCOMPARE(three.bypass_code, std::optional<quint8>(9));
    QCOMPARE(three.preset_code, std::optional<quint8>(10));
    QCOMPARE(three.readback_codes, (QList<std::optional<quint8>>{2, 3}));

    // 24 controls: 24 value words, then the 16 assignable controls' codes.
    QList<quint32> words;
    QList<quint8> codes;
    for (int i = 0; i < 24; ++i)
        words << quint32(i) * 8192;
    for (int i = 0; i < 16; ++i)
        codes << quint8(i % 12);
    const ParameterReply many = decode_parameter_reply(reply_of(words, codes, 8, 0xFF, {}), 24, 0);
    QCOMPARE(many.expected_count, 118);
    QVERIFY(many.complete());
    QCOMPARE(many.values.size(), 24);
    QCOMPARE(many.values.at(23), std::optional<int>(23));
    QCOMPARE(many.control_codes.size(), 16);
    QCOMPARE(many.control_codes.at(15), std::optional<quint8>(3));
    QCOMPARE(many.bypass_code, std::optional<quint8>(8));
    QCOMPARE(many.preset_code, std::optional<quint8>(0xFF));
    QVERIFY(many.readback_codes.isEmpty());
}

void TestParameterMessages::short_reply_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("missing");
    // N = 3, R = 2: 34 values expected.
    const QString all_codes = "a0 a1 a2 bypass preset r0 r1";
    QTest::newRow("empty") << 0 << "v0 v1 v2 " + all_codes;
    QTest::newRow("inside the first word") << 3 << "v0 v1 v2 " + all_codes;
    QTest::newRow("one word") << 4 << "v1 v2 " + all_codes;
    QTest::newRow("inside the last word") << 11 << "v2 " + all_codes;
    QTest::newRow("the words") << 12 << all_codes;
    QTest::newRow("two control codes") << 14 << "a2 bypass preset r0 r1";
    QTest::newRow("all 16 control codes") << 28 << "bypass preset r0 r1";
    QTest::newRow("up to bypass") << 29 << "preset r0 r1";
    QTest::newRow("up to readback 0") << 31 << "r1";
    QTest::newRow("all but the unread slots") << 32 << "";
}

void TestParameterMessages::short_reply() {
    QFETCH(int, length);
    QFETCH(QString, missing);
    const QByteArray full = reply_of({1 << 13, 2 << 13, 3 << 13}, {4, 5, 6}, 8, 9, {1, 2});
    // A view of the first bytes only: a read past them would be a read past the reply.
    const QByteArray shortened(full.constData(), length);
    const ParameterReply reply = decode_parameter_reply(shortened, 3, 2);
    QCOMPARE(missing_text(reply), missing);
    QCOMPARE(reply.received_count, length);
    QCOMPARE(reply.complete(), false);
    QCOMPARE(reply.values.size(), 3);
    for (int i = 0; i < 3; ++i)
        if (reply.values.at(i))
            QCOMPARE(*reply.values.at(i), i + 1);
}

void TestParameterMessages::assignment_message_data() {
    QTest::addColumn<QList<int>>("controls");
    QTest::addColumn<QList<int>>("readbacks");
    QTest::addColumn<int>("bypass");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("N=16 from the boxes, R=0")
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 255, 0, 1, 2} << QList<int>{} << 8 << 10
        << hex("04 000102030405060708090A0B FF000102 FFFFFFFF 08 0A");
    QTest::newRow("bypass FL, preset --")
        << QList<int>{0, 5} << QList<int>{1, 3} << 9 << 255
        << hex("04 0005FFFFFFFFFFFFFFFFFFFFFFFFFFFF 0103FFFF 09 FF");
    QTest::newRow("nothing assigned") << QList<int>{255, 255, 255} << QList<int>{255} << 255 << 255
                                      << hex("04 FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF FFFFFFFF FF FF");
    QTest::newRow("controls beyond 16 have no slot")
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6} << QList<int>{}
        << 255 << 8 << hex("04 000102030405060708090A0B00010203 FFFFFFFF FF 08");
}

void TestParameterMessages::assignment_message() {
    QFETCH(QList<int>, controls);
    QFETCH(QList<int>, readbacks);
    QFETCH(int, bypass);
    QFETCH(int, preset);
    QFETCH(QByteArray, expected);
    AssignmentCodes codes;
    for (int c : controls)
        codes.controls << quint8(c);
    for (int c : readbacks)
        codes.readbacks << quint8(c);
    codes.bypass = quint8(bypass);
    codes.preset = quint8(preset);
    const QByteArray message = kx::assignment_message(codes);
    QCOMPARE(message.size(), kAssignmentMessageBytes);
    QCOMPARE(bytes_to_hex(message), bytes_to_hex(expected));
}

void TestParameterMessages::assignment_box_items_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("item"); // "" for no item
    const int control = int(AssignmentBox::Control);
    const int readback = int(AssignmentBox::Readback);
    const int bypass = int(AssignmentBox::BypassOrPreset);
    QTest::newRow("control 0") << control << 0 << "KI";
    QTest::newRow("control 8") << control << 8 << "FS";
    QTest::newRow("control 11") << control << 11 << "EXP";
    QTest::newRow("control 12 has no item") << control << 12 << "";
    QTest::newRow("control 13 has no item") << control << 13 << "";
    QTest::newRow("control 255") << control << 255 << "--";
    QTest::newRow("readback 0") << readback << 0 << "SX";
    QTest::newRow("readback 3") << readback << 3 << "GREEN";
    QTest::newRow("readback 4 has no item") << readback << 4 << "";
    QTest::newRow("readback 255") << readback << 255 << "--";
    QTest::newRow("bypass 8") << bypass << 8 << "FS";
    QTest::newRow("bypass 9") << bypass << 9 << "FL";
    QTest::newRow("bypass 10") << bypass << 10 << "RMT";
    QTest::newRow("bypass 0 has no item") << bypass << 0 << "";
    QTest::newRow("bypass 11 has no item") << bypass << 11 << "";
    QTest::newRow("bypass 255") << bypass << 255 << "--";
}

void TestParameterMessages::assignment_box_items() {
    QFETCH(int, box);
    QFETCH(int, code);
    QFETCH(QString, item);
    const AssignmentBox kind = AssignmentBox(box);
    const QStringList items = kx::assignment_box_items(kind);
    QCOMPARE(items.last(), QStringLiteral("--"));
    const int index = assignment_box_item(kind, quint8(code));
    QCOMPARE(items.value(index), item);
    // An item gives back its code; no item and "--" are unassigned.
    QCOMPARE(int(assignment_code(kind, index)), item.isEmpty() ? 255 : code);
}

void TestParameterMessages::address_texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("address"); // -1: refused
    QTest::newRow("0003") << "0003" << 3;
    QTest::newRow("03FF") << "03FF" << 0x3FF;
    QTest::newRow("lower case") << "00ab" << 0xAB;
    QTest::newRow("FFFF") << "FFFF" << 0xFFFF;
    QTest::newRow("not hexadecimal") << "00G3" << -1;
    QTest::newRow("too short") << "003" << -1;
    QTest::newRow("too long") << "00030" << -1;
}

void TestParameterMessages::address_texts() {
    QFETCH(QString, text);
    QFETCH(int, address);
    const auto parsed = parse_address_text(text);
    QCOMPARE(parsed ? int(*parsed) : -1, address);
}

void TestParameterMessages::addresses_of_more_than_16_controls() {
    ResourceStore store;
    MemoryLog log;
    const QString effect = QStringLiteral("Arpeggio Synth");
    const auto image = parse_effect_image(
        hex_to_byte_array(split_resource_lines(*store.raw(format_resource_name(effect))).value(0)));
    QVERIFY(image);
    QCOMPARE(image->control_count, 24);

    const auto texts = read_control_addresses(effect, 24, store, log);
    QVERIFY2(texts, qPrintable(texts.error()));
    QCOMPARE(texts->size(), 24);
    for (int i = 0; i < 24; ++i)
        QCOMPARE(parse_address_text(texts->at(i)),
                 std::optional<quint16>(image->parameter_addresses.at(i)));
    // Every address is logged, the 16 of the table and the 8 after it.
    QCOMPARE(log.lines.filter(QStringLiteral("parameter address: ")).size(), 24);

    // Too short an image text for the extra addresses is refused, not read past.
    QCOMPARE(extra_address_texts(QString(2 * 49 + 4 * 8 - 1, QLatin1Char('0')), 24), std::nullopt);
    QCOMPARE(extra_address_texts(QString(2 * 49 + 4 * 8, QLatin1Char('0')), 24)->size(), 8);
}

QTEST_GUILESS_MAIN(TestParameterMessages)
#include "tst_parameter_messages.moc"
