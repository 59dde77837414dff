// The pedal's controls in plain words and the assignment map's rules: what a physical control
// drives under a set of codes, and the codes after a choice on the map.
#include "params/pedal_controls.h"

#include <QtTest>

using namespace kx;

namespace {

using Kind = MapChoice::Kind;

const MapEffect kEffect{{"Fuzz", "Tone", "Volume", "Gate"}, {"LFO", "Env"}};

int row_of(const char* item) {
    const QList<PedalControl>& rows = pedal_controls();
    for (int row = 0; row < rows.size(); ++row)
        if (rows.at(row).item == QLatin1String(item))
            return row;
    return -1;
}

// "C0=0 C1=0 B=8 R1=2": control, bypass, preset and readback codes; the rest unassigned.
FXParametersState codes(const QString& text) {
    FXParametersState state;
    for (const QString& part : text.split(' ', Qt::SkipEmptyParts)) {
        const QString name = part.section('=', 0, 0);
        const auto code = quint8(part.section('=', 1).toInt());
        if (name == "B")
            state.bypass_assignment = code;
        else if (name == "P")
            state.preset_assignment = code;
        else if (name.startsWith('C'))
            state.control_assignments[name.mid(1).toInt()] = code;
        else
            state.readback_assignments[name.mid(1).toInt()] = code;
    }
    return state;
}

QString text_of(const FXParametersState& state) {
    QStringList parts;
    for (int i = 0; i < kAssignableControls; ++i)
        if (state.control_assignments[i] != kUnassignedCode)
            parts << QStringLiteral("C%1=%2").arg(i).arg(state.control_assignments[i]);
    if (state.bypass_assignment != kUnassignedCode)
        parts << QStringLiteral("B=%1").arg(state.bypass_assignment);
    if (state.preset_assignment != kUnassignedCode)
        parts << QStringLiteral("P=%1").arg(state.preset_assignment);
    for (int j = 0; j < kMaxReadbackCount; ++j)
        if (state.readback_assignments[j] != kUnassignedCode)
            parts << QStringLiteral("R%1=%2").arg(j).arg(state.readback_assignments[j]);
    return parts.join(' ');
}

} // namespace

class TestPedalControls : public QObject {
    Q_OBJECT
private slots:
    void every_code_has_one_plain_name();
    void driven_by_data();
    void driven_by();
    void choose_on_map_data();
    void choose_on_map();
    void footswitch_action_from_the_information_page();
};

void TestPedalControls::every_code_has_one_plain_name() {
    const QList<PedalControl>& rows = pedal_controls();
    QCOMPARE(rows.size(), 16); // 5 knobs, 3 buttons, 2 footswitch uses, remote, pedal, 4 lights
    QStringList names;
    for (const PedalControl& row : rows) {
        const AssignmentBox box = row.box;
        QCOMPARE(assignment_box_items(box).at(assignment_box_item(box, row.code)), row.item);
        QVERIFY(!names.contains(row.name));
        names << row.name;
        QCOMPARE(assignment_item_hint(box, assignment_box_item(box, row.code)),
                 row.name + ": " + row.hint);
        // A reading of a code that is not certain says so.
        if (QStringList{"FS", "FL", "SX", "DX"}.contains(row.item))
            QVERIFY2(row.hint.contains("not certain"), qPrintable(row.item));
    }
    // The bypass and preset boxes' items are the footswitch's uses and the remote.
    QVERIFY(assignment_item_hint(AssignmentBox::BypassOrPreset, 1).startsWith("Footswitch, held"));
    QVERIFY(assignment_item_hint(AssignmentBox::Control, 12).contains("(--)"));
    QCOMPARE(assignment_item_hint(AssignmentBox::Readback, 7), QString());
}

void TestPedalControls::driven_by_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QStringList>("driven");

    QTest::newRow("nothing") << "KI"
                             << "" << QStringList{};
    QTest::newRow("one control") << "KII"
                                 << "C2=1" << QStringList{"Volume"};
    QTest::newRow("two share a knob") << "KI"
                                      << "C0=0 C1=0" << QStringList{"Fuzz", "Tone"};
    QTest::newRow("bypass on the footswitch") << "FS"
                                              << "B=8" << QStringList{"Bypass on and off"};
    QTest::newRow("bypass and a control share the remote")
        << "RMT"
        << "C3=10 B=10" << QStringList{"Gate", "Bypass on and off"};
    QTest::newRow("bypass code means nothing on a knob") << "KI"
                                                         << "B=0" << QStringList{};
    QTest::newRow("a light") << "RED"
                             << "R1=2" << QStringList{"Env"};
    QTest::newRow("a light's code is not a knob's") << "KIII"
                                                    << "R1=2" << QStringList{};
    QTest::newRow("a control beyond the effect") << "KI"
                                                 << "C7=0" << QStringList{};
}

void TestPedalControls::driven_by() {
    QFETCH(QString, row);
    QFETCH(QString, codes);
    QFETCH(QStringList, driven);
    const PedalControl& control = pedal_controls().at(row_of(qPrintable(row)));
    QStringList names;
    for (const MapChoice& choice : kx::driven_by(control, kEffect, ::codes(codes)))
        names << map_choice_text(choice, kEffect);
    QCOMPARE(names, driven);
}

void TestPedalControls::choose_on_map_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("a free knob") << "KI" << int(Kind::Control) << 1 << ""
                                 << "C1=0";
    QTest::newRow("replaces what the knob drove") << "KI" << int(Kind::Control) << 1 << "C0=0"
                                                  << "C1=0";
    QTest::newRow("ends a share") << "KI" << int(Kind::Control) << 1 << "C0=0 C1=0 C2=0"
                                  << "C1=0";
    QTest::newRow("moves a control to another knob") << "KII" << int(Kind::Control) << 0 << "C0=0"
                                                     << "C0=1";
    QTest::newRow("nothing clears the knob") << "KI" << int(Kind::Nothing) << -1 << "C0=0 C1=0 C2=4"
                                             << "C2=4";
    QTest::newRow("bypass onto the held footswitch")
        << "FL" << int(Kind::Bypass) << -1 << "C3=9 B=8"
        << "B=9";
    QTest::newRow("preset onto the remote") << "RMT" << int(Kind::Preset) << -1 << "B=10"
                                            << "P=10";
    QTest::newRow("a readback onto a light") << "GREEN" << int(Kind::Readback) << 0 << "R1=3"
                                             << "R0=3";
}

void TestPedalControls::choose_on_map() {
    QFETCH(QString, row);
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const PedalControl& control = pedal_controls().at(row_of(qPrintable(row)));
    const MapChoice choice{Kind(kind), index};
    QVERIFY(map_choices(control, kEffect).contains(choice));
    QCOMPARE(text_of(kx::choose_on_map(control, choice, kEffect, codes(before))), after);
}

void TestPedalControls::footswitch_action_from_the_information_page() {
    QVERIFY(footswitch_action_hint("<B>FOOTSWITCH: </B>Latching</FONT>").contains("latches"));
    QVERIFY(footswitch_action_hint("<B>FOOTSWITCH: </B>Momentary").contains("while held"));
    QCOMPARE(footswitch_action_hint("<B>FOOTSWITCH: </B>Sideways"), QString());
    QCOMPARE(footswitch_action_hint(""), QString());
}

QTEST_MAIN(TestPedalControls)
#include "tst_pedal_controls.moc"
