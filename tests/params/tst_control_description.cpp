#include "base/log.h"
#include "library/effect_image.h"
#include "library/effect_image_builder.h"
#include "library/resource_store.h"
#include "params/control_description.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;

namespace {

// One compact text per entry, so a table row can state a whole description.
QStringList summary(const ControlDescription& d) {
    QStringList out{QStringLiteral("P%1 S%2 M%3 N%4 R%5")
                        .arg(d.pot_count)
                        .arg(d.switch_count)
                        .arg(d.multi_switch_count)
                        .arg(d.control_count)
                        .arg(d.readback_count)};
    for (const ControlEntry& e : d.controls) {
        switch (e.kind) {
        case ControlKind::Pot:
            out << QStringLiteral("pot|") + e.label;
            break;
        case ControlKind::Switch:
            out << QStringList{QStringLiteral("switch"), e.label, e.state0_text, e.state1_text}
                       .join(QLatin1Char('|'));
            break;
        case ControlKind::MultiSwitch:
            out << (QStringList{QStringLiteral("multi"), e.label} + e.options)
                       .join(QLatin1Char('|'));
            break;
        }
    }
    for (const QString& r : d.readbacks)
        out << QStringLiteral("readback|") + r;
    return out;
}

QStringList lines_of(const QByteArray& text) {
    return split_resource_lines(text);
}

} // namespace

class TestControlDescription : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void logs_counts_and_lines_data();
    void logs_counts_and_lines();
    void refuses_broken_descriptions_data();
    void refuses_broken_descriptions();
    void reads_from_the_store();
};

void TestControlDescription::parses_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("four-character counts ending in 0 ignore the last line")
        << QByteArray("3110\nDrive\nTone\nLevel\nBoost:OFF:ON\nShape;Soft;Medium;Hard\nLFO") << 16
        << QStringList{"P3 S1 M1 N5 R0", "pot|Drive",           "pot|Tone",
                       "pot|Level",      "switch|Boost|OFF|ON", "multi|Shape|Soft|Medium|Hard"};
    QTest::newRow("readback")
        << QByteArray("3111\r\nDrive\r\nTone\r\nLevel\r\nBoost:OFF:ON\r\nShape;Soft;Hard\r\nLFO")
        << 16 << QStringList{"P3 S1 M1 N5 R1", "pot|Drive",           "pot|Tone",
                             "pot|Level",      "switch|Boost|OFF|ON", "multi|Shape|Soft|Hard",
                             "readback|LFO"};
    QTest::newRow("three-character counts never have readbacks")
        << QByteArray("120\nDry\nSync:Off:On\nRange:x1:x10\nExtra") << 16
        << QStringList{"P1 S2 M0 N3 R0", "pot|Dry", "switch|Sync|Off|On", "switch|Range|x1|x10"};
    QTest::newRow("five characters: trailing ones ignored")
        << QByteArray("300 x\nA\nB\nC\nD") << 16
        << QStringList{"P3 S0 M0 N3 R0", "pot|A", "pot|B", "pot|C"};
    QTest::newRow("hexadecimal digits")
        << QByteArray("C10\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\nHold") << 16
        << QStringList{"P12 S1 M0 N13 R0",
                       "pot|1",
                       "pot|2",
                       "pot|3",
                       "pot|4",
                       "pot|5",
                       "pot|6",
                       "pot|7",
                       "pot|8",
                       "pot|9",
                       "pot|10",
                       "pot|11",
                       "pot|12",
                       "switch|Hold|Hold|Hold"};
    QTest::newRow("switch colons")
        << QByteArray("050\nOrder:A->B:B->A\nMode:x:y:z\nTap:Tap:Tap\nHold:Latched\nFreeze") << 16
        << QStringList{
               "P0 S5 M0 N5 R0",     "switch|Order|A->B|B->A",      "switch|Mode|x|y:z",
               "switch|Tap|Tap|Tap", "switch|Hold|Latched|Latched", "switch|Freeze|Freeze|Freeze"};
    QTest::newRow("multi switch fields")
        << QByteArray("003\nTracking;1;2;3;4\nMode;A;\n;;") << 16
        << QStringList{"P0 S0 M3 N3 R0", "multi|Tracking|1|2|3|4", "multi|Mode|A|", "multi|||"};
    QTest::newRow("kind follows position, not content")
        << QByteArray("2101\nGain:High\nTone;Dark;Bright\nMix;A;B\nEnv:Slow:Fast") << 16
        << QStringList{"P2 S1 M0 N3 R1", "pot|Gain:High", "pot|Tone;Dark;Bright",
                       "switch|Mix;A;B|Mix;A;B|Mix;A;B", "readback|Env:Slow:Fast"};
    QTest::newRow("empty lines are entries, trailing ones change nothing")
        << QByteArray("200\r\nGain\r\n\r\n\r\n\r\n") << 16
        << QStringList{"P2 S0 M0 N2 R0", "pot|Gain", "pot|"};
    QByteArray wide("AC20");
    QStringList wide_expected{"P10 S12 M2 N24 R0"};
    for (int i = 0; i < 10; ++i) {
        wide += "\nPot " + QByteArray::number(i);
        wide_expected << QStringLiteral("pot|Pot %1").arg(i);
    }
    for (int i = 0; i < 12; ++i) {
        wide += "\nSw" + QByteArray::number(i) + ":Off:On";
        wide_expected << QStringLiteral("switch|Sw%1|Off|On").arg(i);
    }
    wide += "\nA;1;2\nB;1;2;3";
    wide_expected << "multi|A|1|2"
                  << "multi|B|1|2|3";
    QTest::newRow("24 controls where the image has their addresses") << wide << 24 << wide_expected;
}

void TestControlDescription::parses() {
    QFETCH(QByteArray, text);
    QFETCH(int, limit);
    QFETCH(QStringList, expected);
    const auto d = parse_control_description(lines_of(text), QStringLiteral("Test"), limit);
    QVERIFY2(d, qPrintable(d.error()));
    QCOMPARE(summary(*d), expected);
    QCOMPARE(d->controls.size(), d->control_count);
    QCOMPARE(d->controls.last().raw_line, lines_of(text).at(d->control_count));
}

void TestControlDescription::logs_counts_and_lines_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("three characters")
        << QByteArray("300\nA\nB\nC")
        << QStringList{
               "num of pots: 3", "num of switches: 0", "num of multi switch: 0", "A", "B", "C"};
    QTest::newRow("fourth digit 0 adds its line") << QByteArray("3000\nA\nB\nC")
                                                  << QStringList{"num of pots: 3",
                                                                 "num of switches: 0",
                                                                 "num of multi switch: 0",
                                                                 "num of readbacks: 0",
                                                                 "A",
                                                                 "B",
                                                                 "C"};
    QTest::newRow("every kind, raw lines")
        << QByteArray("B112\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\nBy:Off:On\nM;a;b\nLFO\nEnv\nx")
        << QStringList{"num of pots: 11",
                       "num of switches: 1",
                       "num of multi switch: 1",
                       "num of readbacks: 2",
                       "1",
                       "2",
                       "3",
                       "4",
                       "5",
                       "6",
                       "7",
                       "8",
                       "9",
                       "10",
                       "11",
                       "By:Off:On",
                       "M;a;b",
                       "LFO",
                       "Env"};
}

void TestControlDescription::logs_counts_and_lines() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    const auto d = parse_control_description(lines_of(text), QStringLiteral("Test"));
    QVERIFY(d);
    QCOMPARE(control_description_log_lines(*d), expected);
}

void TestControlDescription::refuses_broken_descriptions_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("rule");

    QTest::newRow("empty resource") << QByteArray()
                                    << QStringLiteral("its first line must begin with three "
                                                      "count digits");
    QTest::newRow("short counts line") << QByteArray("30\nA\nB\nC")
                                       << QStringLiteral("its first line must begin with three "
                                                         "count digits");
    QTest::newRow("lower-case digit") << QByteArray("a00\n1")
                                      << QStringLiteral("the count digit \"a\" is not 0 to 9 or A "
                                                        "to F");
    QTest::newRow("bad readback digit") << QByteArray("100G\nA")
                                        << QStringLiteral("the count digit \"G\" is not 0 to 9 or "
                                                          "A to F");
    QTest::newRow("no controls") << QByteArray("0001\nLFO")
                                 << QStringLiteral("it declares no controls");
    QTest::newRow("more than 16 controls")
        << QByteArray("A70\n") + QByteArray("x\n").repeated(17)
        << QStringLiteral("it declares 17 controls, more than the 16 its image has addresses for");
    QTest::newRow("more than 4 readbacks") << QByteArray("1005\nA\n1\n2\n3\n4\n5")
                                           << QStringLiteral("it declares 5 readbacks, more than "
                                                             "4");
    QTest::newRow("too few lines") << QByteArray("3001\r\nA\r\nB\r\nC\r\n")
                                   << QStringLiteral("it has 4 lines, fewer than the 5 its counts "
                                                     "call for");
    QTest::newRow("multi switch without options")
        << QByteArray("1011\nGain\nShape\nLFO")
        << QStringLiteral("control 1 (\"Shape\") is a multi switch without options (no \";\")");
}

void TestControlDescription::refuses_broken_descriptions() {
    QFETCH(QByteArray, text);
    QFETCH(QString, rule);
    const auto d = parse_control_description(lines_of(text), QStringLiteral("Odd Fuzz"), 16);
    QVERIFY(!d);
    QCOMPARE(d.error_kind(), ErrorKind::BadInput);
    QCOMPARE(
        d.error(),
        QStringLiteral("The control description of \"Odd Fuzz\" cannot be used: %1.").arg(rule));
}

namespace {

void write_resource(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray image_with_controls(int count) {
    EffectImageDescription d;
    d.parameter_memory.resize(64);
    for (int i = 0; i < count; ++i)
        d.controls << ImageControl{quint16(i), 0};
    const auto image = build_effect_image(d);
    return image ? image_text(*image).toLatin1() : QByteArray();
}

QByteArray pots(const QByteArray& counts, int n) {
    QByteArray text = counts;
    for (int i = 0; i < n; ++i)
        text += "\nP" + QByteArray::number(i);
    return text;
}

} // namespace

void TestControlDescription::reads_from_the_store() {
    QTemporaryDir dir;
    write_resource(dir, QStringLiteral("WIDE_MULT"), image_with_controls(24));
    write_resource(dir, QStringLiteral("WIDE_MULT_CTRLS"), pots("F90", 24));
    write_resource(dir, QStringLiteral("NARROW"), image_with_controls(16));
    write_resource(dir, QStringLiteral("NARROW_CTRLS"), pots("F20", 17));
    write_resource(dir, QStringLiteral("UNEVEN"), image_with_controls(24));
    write_resource(dir, QStringLiteral("UNEVEN_CTRLS"), pots("F50", 20));
    ResourceStore store(dir.path());
    MemoryLog log;

    // Controls beyond 16 are accepted when the image holds their addresses, and only they
    // lack an assignment slot.
    const auto wide = read_control_description(QStringLiteral("Wide X"), store, log);
    QVERIFY2(wide, qPrintable(wide.error()));
    QCOMPARE(wide->control_count, 24);
    QVERIFY(ControlDescription::assignable(15));
    QVERIFY(!ControlDescription::assignable(16));
    QCOMPARE(log.lines.size(), 3 + 24);
    QCOMPARE(log.lines.first(), QStringLiteral("num of pots: 15"));
    QCOMPARE(log.lines.last(), QStringLiteral("P23"));
    QVERIFY(store.resource_text.isEmpty()); // the effect list's text is not the reader's

    const auto narrow = read_control_description(QStringLiteral("Narrow"), store, log);
    QCOMPARE(narrow.error(), QStringLiteral("The control description of \"Narrow\" cannot be used: "
                                            "it declares 17 controls, more than the 16 its image "
                                            "has addresses for."));
    QCOMPARE(log.lines.last(), narrow.error());

    const auto uneven = read_control_description(QStringLiteral("Uneven"), store, log);
    QCOMPARE(uneven.error(), QStringLiteral("The control description of \"Uneven\" cannot be used: "
                                            "it declares 20 controls, but its image declares 24."));

    const auto gone = read_control_description(QStringLiteral("Gone"), store, log);
    QCOMPARE(gone.error(), QStringLiteral("Error loading resource: Resource Gone_ctrls not found"));
    QCOMPARE(gone.error_kind(), ErrorKind::BadInput);
}

QTEST_GUILESS_MAIN(TestControlDescription)
#include "tst_control_description.moc"
