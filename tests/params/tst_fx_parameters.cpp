// The parameters window offscreen, against the in-process virtual pedal running the effect it
// shows: the bytes each edit sends, the pedal's parameter memory and assignments after them,
// and the widgets a parameter state reply fills.
#include "base/clock.h"
#include "base/hex_text.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "library/effect_image.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/parameter_messages.h"
#include "params/pedal_controls.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"
#include "support/await.h"
#include "support/recording_connection_ui.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kx;

namespace {

const QString kEmber = QStringLiteral("Ember Overdrive");     // 3 pots, a switch, K=3 list
const QString kPendulum = QStringLiteral("Pendulum Tremolo"); // a K=5 list and 2 readbacks
const QString kTuner = QStringLiteral("Chromatic Tuner");     // 4 readbacks
const QString kArpeggio = QStringLiteral("Arpeggio Synth");   // 24 controls

// The editor's link and pedal session over an instant virtual pedal, and the parameters window
// attached to them.
struct Rig {
    ScriptedDialogs dialogs;
    MemoryLog log;
    RealClock link_clock;
    InstantClock clock;
    RecordingConnectionUi ui;
    std::shared_ptr<sim::VirtualPedal> pedal = std::make_shared<sim::VirtualPedal>(true);
    VirtualPedalDriver driver{pedal};
    D2XXUnit d2xx{driver, log};
    Communication comm{d2xx, ui, log, link_clock};
    ResourceStore store;
    PedalSession session{comm, store, log, clock};
    TformFXParameters window;
    EffectImageInfo image;

    Rig() {
        window.attach(session, ui, store, dialogs, log, clock);
        QVERIFY(comm.list_devices());
        comm.init_line_settings();
        QVERIFY(test::done(comm.connect_device()));
    }

    // Uploads the effect so the pedal runs it, then opens the window on it: live once the
    // session has opened the effect and read its values.
    void open(const QString& effect, bool live = true) {
        const QByteArray bytes = hex_to_byte_array(
            split_resource_lines(*store.raw(format_resource_name(effect))).value(0));
        const auto info = parse_effect_image(bytes);
        QVERIFY(info);
        image = *info;
        const auto answer =
            test::done(comm.exchange(bytes, ReplyRequest{QStringLiteral("upload"), 0, 17}));
        QVERIFY2(answer, qPrintable(answer.error()));
        QCOMPARE(pedal->running_effect(), image.effect_number);
        const auto opened = test::done(session.open_running_effect());
        QVERIFY2(opened, qPrintable(opened.error()));
        if (live) {
            const auto state = test::done(session.request_state());
            QVERIFY2(state, qPrintable(state.error()));
        }
        forget();
        window.selected_effect_name = effect;
        window.show();
        QCOMPARE(window.effect_is_live(), live);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('\n')));
        QCOMPARE(window.control_count(), image.control_count);
    }

    void forget() {
        pedal->clear_history();
        log.lines.clear();
        ui.status_texts.clear();
    }

    QByteArray received() const {
        QByteArray out;
        for (const sim::TimedByte& byte : pedal->received())
            out.append(char(byte.value));
        return out;
    }

    quint16 address(int i) const { return image.parameter_addresses.at(i); }
    quint32 word(int i) const { return pedal->parameter_word(address(i)); }

    // A parameter request as the main window makes it; the window follows the session.
    void request() {
        const auto state = test::done(session.request_state());
        QVERIFY2(state, qPrintable(state.error()));
    }

    void send(const QByteArray& message) {
        const Status sent = test::done(comm.send_message(message));
        QVERIFY2(sent, qPrintable(sent.error()));
    }

    template <typename T> T* widget(const QString& name) {
        T* found = window.findChild<T*>(name);
        if (!found)
            qWarning("no widget %s", qPrintable(name));
        return found;
    }
    QSlider* slider(int i) { return widget<QSlider>(QStringLiteral("sldPot%1").arg(i)); }
    QSpinBox* value(int i) { return widget<QSpinBox>(QStringLiteral("spnPot%1").arg(i)); }
    QCheckBox* toggle(int i) { return widget<QCheckBox>(QStringLiteral("chkSwitch%1").arg(i)); }
    QLabel* state(int i) { return widget<QLabel>(QStringLiteral("lblSwitchState%1").arg(i)); }
    QComboBox* list(int i) { return widget<QComboBox>(QStringLiteral("cmbMultiSwitch%1").arg(i)); }
    QComboBox* box(int i) { return widget<QComboBox>(QStringLiteral("boxAssign%1").arg(i)); }
    QComboBox* readback_box(int j) {
        return widget<QComboBox>(QStringLiteral("boxAssignRdbcks%1").arg(j));
    }
};

QByteArray word_bytes(quint32 word) {
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((word >> shift) & 0xFF));
    return out;
}

QByteArray write_of(quint16 address, quint32 word) {
    QByteArray out;
    out.append(char(0x01));
    out.append(char(address >> 8));
    out.append(char(address & 0xFF));
    return out + word_bytes(word);
}

} // namespace

class TestFXParameters : public QObject {
    Q_OBJECT

private slots:
    void builds_rows_data();
    void builds_rows();
    void edit_sends_its_bytes_data();
    void edit_sends_its_bytes();
    void value_box_and_keys_data();
    void value_box_and_keys();
    void preview_sends_nothing();
    void request_fills_the_widgets();
    void short_reply_keeps_earlier_values_data();
    void short_reply_keeps_earlier_values();
    void slider_moved_during_a_wait_is_refused();
    void edit_while_not_connected_is_told_without_a_box();
    void assign_sends_the_boxes_data();
    void assign_sends_the_boxes();
    void assign_of_24_controls_sends_the_first_16();
    void assignment_map_shows_the_pedal_and_assigns();
    void bypass_and_close();
    void every_shipped_effect_reads_whole_data();
    void every_shipped_effect_reads_whole();
};

void TestFXParameters::builds_rows_data() {
    QTest::addColumn<QString>("effect");
    QTest::addColumn<bool>("live");
    QTest::addColumn<int>("readbacks");
    QTest::newRow("all control kinds, live") << kEmber << true << 0;
    QTest::newRow("readbacks, preview") << kPendulum << false << 2;
    QTest::newRow("four readbacks") << kTuner << true << 4;
    QTest::newRow("24 controls") << kArpeggio << true << 0;
    QTest::newRow("3 controls") << QStringLiteral("Tarn Clean Boost") << true << 0;
}

void TestFXParameters::builds_rows() {
    QFETCH(QString, effect);
    QFETCH(bool, live);
    QFETCH(int, readbacks);
    Rig rig;
    rig.open(effect, live);
    const ControlDescription& d = rig.window.description();
    const int n = d.control_count;
    QCOMPARE(rig.window.readback_count(), readbacks);
    // A row of headings above the rows; the rows keep their 25 pixels.
    QCOMPARE(rig.window.height(), (n + readbacks + 5) * 25 + 10);
    QCOMPARE(rig.window.width(), parameters_window_width());
    QCOMPARE(rig.widget<QLabel>(QStringLiteral("lblPedalControlHeading"))->text(), "Pedal control");
    QCOMPARE(rig.widget<QLabel>(QStringLiteral("lblPedalControlHeading"))->x(),
             rig.widget<QComboBox>(QStringLiteral("boxAssignBypass"))->x());

    for (int i = 0; i < n; ++i) {
        const ControlEntry& e = d.controls.at(i);
        const int y = 25 * i + 35;
        auto* label = rig.widget<QLabel>(QStringLiteral("lblControl%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->y(), y);
        QCOMPARE(label->text(), e.kind == ControlKind::Pot ? e.raw_line : e.label);
        QCOMPARE(label->toolTip(), e.kind == ControlKind::Pot ? e.raw_line : QString());
        QWidget* editor = nullptr;
        switch (e.kind) {
        case ControlKind::Pot:
            editor = rig.slider(i);

            QCOMPARE(rig.slider(i)->maximum(), 1023);
            QCOMPARE(rig.value(i)->maximum(), 1023);
            QCOMPARE(rig.value(i)->y(), y);
            QCOMPARE(rig.value(i)->accessibleName(), e.label + QStringLiteral(" value"));
            break;
        case ControlKind::Switch:
            editor = rig.toggle(i);

            QCOMPARE(rig.state(i)->text(),
                     live && switch_state_from_value(rig.session.state().values.at(i)) ==
                                 SwitchState::On
                         ? e.state1_text
                         : e.state0_text);
            QCOMPARE(rig.state(i)->y(), y);
            break;
        case ControlKind::MultiSwitch:
            editor = rig.list(i);

            QCOMPARE(rig.list(i)->count(), e.options.size());
            // A live window shows the pedal's values; a preview has none.
            QCOMPARE(rig.list(i)->currentIndex(),
                     live ? multi_switch_option_from_value(rig.session.state().values.at(i),
                                                           int(e.options.size()))
                          : -1);
            break;
        }
        QVERIFY2(editor, qPrintable(e.raw_line));
        QCOMPARE(editor->y(), y);
        QCOMPARE(editor->isEnabled(), live);
        // Named by the row's label, which it is linked to; the reader adds the role.
        QCOMPARE(editor->accessibleName(), e.label);
        QCOMPARE(label->buddy(), editor);
        // Only the first 16 controls have an assignment slot.
        QComboBox* box = rig.window.findChild<QComboBox*>(QStringLiteral("boxAssign%1").arg(i));
        QCOMPARE(box != nullptr, i < 16);
        if (box) {
            QCOMPARE(box->y(), y);
            QCOMPARE(box->count(), 13);
            QCOMPARE(box->currentIndex(),
                     live ? assignment_box_item(AssignmentBox::Control,
                                                rig.session.state().control_assignments[i])
                          : -1);
            QCOMPARE(box->isEnabled(), live);
            QCOMPARE(box->accessibleName(), e.label + QStringLiteral(" assignment"));
            // Every item but "--" says which of the pedal's controls it is.
            QVERIFY(box->itemData(0, Qt::ToolTipRole).toString().startsWith("Knob 1"));
            QVERIFY(box->itemData(11, Qt::ToolTipRole).toString().startsWith("Expression pedal"));
        }
    }
    auto* bypass = rig.widget<QComboBox>(QStringLiteral("boxAssignBypass"));
    auto* preset = rig.widget<QComboBox>(QStringLiteral("boxAssignPreset"));
    QCOMPARE(bypass->y(), 25 * n + 35);
    QCOMPARE(preset->y(), 25 * (n + 1) + 35);
    QCOMPARE(bypass->accessibleName(), QStringLiteral("Bypass assignment"));
    QCOMPARE(rig.widget<QLabel>(QStringLiteral("lblBypass"))->text(), "Bypass Toggle");
    QCOMPARE(rig.widget<QLabel>(QStringLiteral("lblPreset"))->text(), "Preset Change");
    for (int j = 0; j < readbacks; ++j) {
        QComboBox* box = rig.readback_box(j);
        QCOMPARE(box->y(), 25 * (n + 2 + j) + 35);
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->accessibleName(), d.readbacks.at(j) + QStringLiteral(" assignment"));
    }
    // The line is painted: it is nothing a screen reader should find.
    QCOMPARE(rig.window.separator_height(), qRound(24.5 * n));
    QVERIFY(!rig.window.findChild<QFrame*>(QStringLiteral("lnSeparator")));

    // Every widget can be found by a screen reader and by name; labels always start enabled.
    for (QWidget* w : rig.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(w->objectName()));
        QVERIFY2(!w->objectName().isEmpty(), qPrintable(accessible->text(QAccessible::Name)));
        if (qobject_cast<QLabel*>(w))
            QVERIFY(w->isEnabled());
    }
    // The texts a switch and a list are split into are logged while their rows are built.
    for (const ControlEntry& e : d.controls) {
        const qsizetype at = rig.log.lines.indexOf(e.raw_line);
        QVERIFY(at >= 0);
        if (e.kind == ControlKind::Switch)
            QVERIFY(
                rig.log.lines.mid(at).join('\n').contains(e.state0_text + '\n' + e.state1_text));
        if (e.kind == ControlKind::MultiSwitch)
            QVERIFY(rig.log.lines.join('\n').contains(
                QStringList(QStringList{e.raw_line.section(';', 1)} + e.options).join('\n')));
    }
}

void TestFXParameters::edit_sends_its_bytes_data() {
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("setting"); // slider position, toggle clicks, or option index
    QTest::addColumn<bool>("live_mode");
    QTest::addColumn<quint32>("word"); // 0xFFFFFFFF: nothing sent
    QTest::addColumn<QString>("log_prefix");
    QTest::addColumn<QString>("state_text");

    const quint32 none = 0xFFFFFFFF;
    QTest::newRow("pot to 512") << kEmber << 0 << 512 << false << 0x00400000u << "data sent pot 0: "
                                << "";
    QTest::newRow("pot to 1023") << kEmber << 2 << 1023 << false << 0x007FE000u
                                 << "data sent pot 2: "
                                 << "";
    QTest::newRow("switch clicked on")
        << kEmber << 3 << 1 << false << 0x007FE000u << "data sent switch 3: "
        << "ON";
    QTest::newRow("switch clicked on and off")
        << kEmber << 3 << 2 << false << 0u << "data sent switch 3: "
        << "OFF";
    QTest::newRow("K=3 third option")
        << kEmber << 4 << 2 << false << 0x00554000u << "data sent multiswitch 4: "
        << "";
    QTest::newRow("K=5 fourth option")
        << kPendulum << 4 << 3 << false << 0x004C8000u << "data sent multiswitch 4: "
        << "";
    QTest::newRow("pot in live mode") << kEmber << 0 << 512 << true << none << ""
                                      << "";
    QTest::newRow("switch in live mode") << kEmber << 3 << 1 << true << none << ""
                                         << "OFF";
    QTest::newRow("list in live mode")
        << kEmber << 4 << 1 << true << 0x002AA000u << "data sent multiswitch 4: "
        << "";
    QTest::newRow("24 controls: pot 9")
        << kArpeggio << 9 << 100 << false << 0x000C8000u << "data sent pot 9: "
        << "";
    QTest::newRow("24 controls: switch 21")
        << kArpeggio << 21 << 1 << false << 0x007FE000u << "data sent switch 21: "
        << "On";
    QTest::newRow("24 controls: K=5 list 23")
        << kArpeggio << 23 << 4 << false << 0x00660000u << "data sent multiswitch 23: "
        << "";
}

void TestFXParameters::edit_sends_its_bytes() {
    QFETCH(QString, effect);
    QFETCH(int, control);
    QFETCH(int, setting);
    QFETCH(bool, live_mode);
    QFETCH(quint32, word);
    QFETCH(QString, log_prefix);
    QFETCH(QString, state_text);
    Rig rig;
    rig.open(effect);
    rig.forget();
    rig.window.live_mode = live_mode;
    const quint32 before = rig.word(control);

    // The window shows the pedal's values: start from another one, so the edit is a change.
    const QString pot = QStringLiteral("sldPot%1").arg(control);
    const QString list_name = QStringLiteral("cmbMultiSwitch%1").arg(control);
    if (auto* slider = rig.window.findChild<QSlider*>(pot); slider && slider->value() == setting)
        slider->setValue(setting == 0 ? 1 : 0);
    if (auto* list = rig.window.findChild<QComboBox*>(list_name);
        list && list->currentIndex() == setting)
        list->setCurrentIndex(setting == 0 ? 1 : 0);
    rig.forget();
    rig.clock.paused_ms = 0;
    rig.clock.pauses = 0;
    switch (rig.window.description().controls.at(control).kind) {
    case ControlKind::Pot:
        rig.slider(control)->setValue(setting);
        break;
    case ControlKind::Switch:
        for (int k = 0; k < setting; ++k)
            QTest::mouseClick(rig.toggle(control), Qt::LeftButton);
        kx::test::settle();
        QCOMPARE(rig.state(control)->text(), state_text);
        break;
    case ControlKind::MultiSwitch:
        rig.list(control)->setCurrentIndex(setting);
        break;
    }

    if (word == 0xFFFFFFFF) {
        QCOMPARE(rig.received(), QByteArray());
        QCOMPARE(rig.word(control), before);
        QCOMPARE(rig.log.lines, QStringList());
        return;
    }
    const QByteArray message = write_of(rig.address(control), word);
    // A switch clicked twice sends twice; the last message is what the pedal keeps.
    QVERIFY(rig.received().endsWith(message));
    QCOMPARE(rig.received().size() % 7, 0);
    QCOMPARE(rig.word(control), word);
    QCOMPARE(rig.log.lines.last(), log_prefix + bytes_to_hex(message));
    QCOMPARE(rig.clock.paused_ms, qint64(log_prefix.contains("pot") ? 1 : 0));
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void TestFXParameters::value_box_and_keys_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value"); // after the action, from 500

    QTest::newRow("typed into the value box") << "type 640" << 640;
    QTest::newRow("typed past the end") << "type 5000" << 500;
    QTest::newRow("value box: arrow up") << "box Up" << 501;
    QTest::newRow("value box: page down") << "box PageDown" << 490;
    QTest::newRow("value box: Home") << "box Home" << 500;
    QTest::newRow("slider: arrow right") << "slider Right" << 501;
    QTest::newRow("slider: page up") << "slider PageUp" << 510;
    QTest::newRow("slider: Home does not jump to 0") << "slider Home" << 500;
    QTest::newRow("slider: End does not jump to 1023") << "slider End" << 500;
    QTest::newRow("slider: wheel") << "wheel" << 503;
    QTest::newRow("slider: Shift+wheel is fine") << "shift wheel" << 501;
    QTest::newRow("slider: Shift+drag, a step a pixel") << "shift drag 5" << 505;
}

void TestFXParameters::value_box_and_keys() {
    QFETCH(QString, action);
    QFETCH(int, value);
    Rig rig;
    rig.open(kEmber);
    QSlider* slider = rig.slider(0);
    QSpinBox* box = rig.value(0);
    slider->setValue(500);
    QCOMPARE(box->value(), 500);
    rig.forget();

    const QStringList words = action.split(' ');
    const auto key = [](const QString& name) {
        return name == "Up"         ? Qt::Key_Up
               : name == "PageDown" ? Qt::Key_PageDown
               : name == "PageUp"   ? Qt::Key_PageUp
               : name == "Right"    ? Qt::Key_Right
               : name == "Home"     ? Qt::Key_Home
                                    : Qt::Key_End;
    };
    const QPointF middle(slider->width() / 2.0, slider->height() / 2.0);
    const auto wheel = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(middle, slider->mapToGlobal(middle), QPoint(), QPoint(0, 120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &event);
    };
    if (words[0] == "type") {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, words[1]);
        kx::test::settle();
        QCOMPARE(rig.received(), QByteArray()); // nothing until the value is complete
        QTest::keyClick(box, Qt::Key_Return);
    } else if (words[0] == "box") {
        QTest::keyClick(box, key(words[1]));
    } else if (words[0] == "slider") {
        QTest::keyClick(slider, key(words[1]));
    } else if (words[0] == "wheel") {
        wheel(Qt::NoModifier);
    } else if (words[0] == "shift" && words[1] == "wheel") {
        wheel(Qt::ShiftModifier);
    } else {
        const int pixels = words[2].toInt();
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, slider->mapToGlobal(at), Qt::LeftButton, buttons,
                              Qt::ShiftModifier);
            QApplication::sendEvent(slider, &event);
        };
        send(QEvent::MouseButtonPress, middle, Qt::LeftButton);
        QCOMPARE(slider->value(), 500); // a fine drag starts where the slider is
        send(QEvent::MouseMove, middle + QPointF(pixels, 0), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, middle + QPointF(pixels, 0), Qt::NoButton);
    }

    QCOMPARE(slider->value(), value);
    QCOMPARE(box->value(), value);
    if (value == 500) {
        QCOMPARE(rig.received(), QByteArray());
        return;
    }
    // One message for a typed value, never one a digit; the pedal holds the value.
    const QByteArray message = write_of(rig.address(0), quint32(value) * 8192);
    QVERIFY(rig.received().endsWith(message));
    if (words[0] == "type")
        QCOMPARE(rig.received(), message);
    QCOMPARE(rig.word(0), quint32(value) * 8192);
}

void TestFXParameters::preview_sends_nothing() {
    // The pedal runs Ember; the window shows another effect, whose addresses would overwrite
    // Ember's parameters.
    Rig rig;
    rig.open(kEmber);
    rig.window.close();
    rig.window.selected_effect_name = kPendulum;
    rig.window.show();
    rig.forget();
    QVERIFY(!rig.window.effect_is_live());
    QVERIFY(!rig.slider(0)->isEnabled());
    rig.window.set_preview_values({700, 800, 900, 1023, 1023});
    QCOMPARE(rig.slider(0)->value(), 700);
    QCOMPARE(rig.list(4)->currentIndex(), 4);
    QCOMPARE(rig.received(), QByteArray());
}

void TestFXParameters::request_fills_the_widgets() {
    Rig rig;
    rig.open(kPendulum);
    // The pedal's state, set behind the window's back.
    const quint32 list_word = 612u * 8192; // option 3 of 5 (204 each)
    rig.send(write_of(rig.address(0), 100u * 8192));
    rig.send(write_of(rig.address(1), 0x007FE000));
    rig.send(write_of(rig.address(3), 0x00002000)); // 1: on
    rig.send(write_of(rig.address(4), list_word));
    rig.send(QByteArray::fromHex("04 01FF0B090D FFFFFFFFFFFFFFFFFFFFFF 02FFFFFF 09 FF"));
    const quint32 pot2 = rig.word(2);
    rig.forget();
    QSignalSpy read(&rig.session, &PedalSession::values_read);
    QSignalSpy changed(&rig.session, &PedalSession::value_changed);

    rig.request();

    QCOMPARE(rig.slider(0)->value(), 100);
    QCOMPARE(rig.slider(1)->value(), 1023);
    QCOMPARE(rig.slider(2)->value(), qBound(0, int(qint32(pot2) / 8192), 1023));
    QVERIFY(rig.toggle(3)->isChecked());
    QCOMPARE(rig.state(3)->text(), QStringLiteral("Pan"));
    QCOMPARE(rig.list(4)->currentIndex(), 3);
    QCOMPARE(rig.window.state().values, (QList<int>{100, 1023, int(qint32(pot2) / 8192), 1, 612}));
    QCOMPARE(rig.box(0)->currentText(), QStringLiteral("KII"));
    QCOMPARE(rig.box(1)->currentText(), QStringLiteral("--"));
    QCOMPARE(rig.box(2)->currentText(), QStringLiteral("EXP"));
    QCOMPARE(rig.box(3)->currentText(), QStringLiteral("FL"));
    QCOMPARE(rig.box(4)->currentIndex(), -1); // 13 has no item, but is kept
    QCOMPARE(rig.window.state().control_assignments[4], quint8(13));
    QCOMPARE(rig.window.state().control_assignments[5], quint8(0xFF));
    QCOMPARE(rig.widget<QComboBox>("boxAssignBypass")->currentText(), QStringLiteral("FL"));
    QCOMPARE(rig.widget<QComboBox>("boxAssignPreset")->currentText(), QStringLiteral("--"));
    QCOMPARE(rig.window.state().bypass_assignment, quint8(9));
    QCOMPARE(rig.window.state().preset_assignment, quint8(0xFF));
    QCOMPARE(rig.readback_box(0)->currentText(), QStringLiteral("RED"));
    QCOMPARE(rig.readback_box(1)->currentText(), QStringLiteral("--"));
    QCOMPARE(rig.window.state().readback_assignments[0], quint8(2));
    QCOMPARE(read.size(), 1);
    QCOMPARE(changed.size(), 5);
    for (const auto& signal : changed)
        QCOMPARE(signal.at(2).value<ValueOrigin>(), ValueOrigin::Reply);

    // Values from the pedal are shown, never sent back.
    QCOMPARE(rig.received(), QByteArray::fromHex("0205"));
    QVERIFY(rig.log.lines.filter("data sent").isEmpty());
    QCOMPARE(rig.word(0), 100u * 8192);
    QCOMPARE(rig.word(4), list_word);
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void TestFXParameters::short_reply_keeps_earlier_values_data() {
    QTest::addColumn<int>("lines");
    // Ember: N = 5, R = 0, 42 lines.
    QTest::newRow("nothing but a line") << 1;
    QTest::newRow("two words and a byte") << 9;
    QTest::newRow("all but the preset code") << 41;
}

// A reply cut short changes nothing: half a state saved as a preset would be a tone the pedal
// never played. The user reads what happened; what the window shows stays.
void TestFXParameters::short_reply_keeps_earlier_values() {
    QFETCH(int, lines);
    Rig rig;
    rig.open(kEmber);
    rig.slider(0)->setValue(300);
    rig.list(4)->setCurrentIndex(2);
    const FXParametersState earlier = rig.session.state();
    const auto full = test::done(rig.comm.exchange(QByteArray::fromHex("0205"),
                                                   ReplyRequest{QStringLiteral("reply"), 42, 0}));
    QVERIFY2(full, qPrintable(full.error()));
    QByteArray cut;
    for (const QByteArray& line : full->split('\n').mid(0, lines))
        cut += line + '\n';
    rig.pedal->inject_garbage(cut);

    const auto state = test::done(rig.session.request_state());

    QVERIFY(!state);
    QVERIFY2(state.error_kind() == ErrorKind::BadReply || state.error_kind() == ErrorKind::TimedOut,
             qPrintable(state.error()));
    QCOMPARE(rig.session.state().values, earlier.values);
    QCOMPARE(rig.session.state().preset_assignment, earlier.preset_assignment);
    QCOMPARE(rig.slider(0)->value(), 300);
    QCOMPARE(rig.list(4)->currentIndex(), 2);
    QVERIFY(rig.window.effect_is_live());
}

void TestFXParameters::slider_moved_during_a_wait_is_refused() {
    Rig rig;
    rig.open(kEmber);
    rig.forget();
    rig.pedal->inject_extra_delay_us(300000);
    bool moved = false;
    QTimer::singleShot(50, &rig.window, [&] {
        rig.slider(0)->setValue(800);
        moved = true;
    });
    const auto values =
        test::done(rig.comm.receive_values(QByteArray::fromHex("0205"), parameter_reply(5)));
    QVERIFY2(values, qPrintable(values.error()));
    QVERIFY(moved);

    // Only the request reached the pedal; the user read why the edit was not sent.
    QCOMPARE(rig.received(), QByteArray::fromHex("0205"));
    QCOMPARE(rig.word(0), rig.image.parameter_words.value(rig.address(0)));
    QCOMPARE(rig.ui.status_texts.size(), 1);
    QVERIFY(rig.log.lines.contains(QStringLiteral("pedal busy, refused: FT_Write")));
    QVERIFY(rig.dialogs.messages.isEmpty());
    QCOMPARE(rig.slider(0)->value(), 800);
    QCOMPARE(rig.clock.pauses, 0);
}

void TestFXParameters::edit_while_not_connected_is_told_without_a_box() {
    // After a disconnect the window is no longer live: its widgets are off, and a preset shown
    // in it sends nothing and buries the user under no boxes.
    Rig rig;
    rig.open(kEmber);
    QVERIFY(rig.comm.disconnect_device());
    rig.forget();
    QVERIFY(!rig.window.effect_is_live());
    QVERIFY(!rig.slider(2)->isEnabled());
    rig.window.set_preview_values({300, 400, 500, 1023, 682});
    QCOMPARE(rig.slider(2)->value(), 500);
    QCOMPARE(rig.received(), QByteArray());
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void TestFXParameters::assign_sends_the_boxes_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Dialogs::Answer::Yes);
    QTest::newRow("no") << int(Dialogs::Answer::No);
    QTest::newRow("box closed") << int(Dialogs::Answer::Closed);
}

void TestFXParameters::assign_sends_the_boxes() {
    QFETCH(int, answer);
    Rig rig;
    rig.open(kPendulum);
    rig.box(0)->setCurrentIndex(1);                               // KII
    rig.box(2)->setCurrentIndex(12);                              // --
    rig.box(4)->setCurrentIndex(11);                              // EXP
    rig.readback_box(1)->setCurrentIndex(2);                      // RED
    rig.widget<QComboBox>("boxAssignBypass")->setCurrentIndex(1); // FL
    rig.widget<QComboBox>("boxAssignPreset")->setCurrentIndex(3); // --
    QVERIFY(rig.log.lines.contains(QStringLiteral("BypassAssignment: 09")));
    rig.forget();
    rig.dialogs.answers << Dialogs::Answer(answer);

    const Status status = test::done(rig.window.assign_to_pedal());

    QVERIFY2(status, qPrintable(status.error()));
    const QByteArray expected =
        QByteArray::fromHex("04 01FFFFFF0B FFFFFFFFFFFFFFFFFFFFFF FF02FFFF 09 FF");
    QCOMPARE(rig.dialogs.confirmations, QStringList{"Assign parameters?"});
    if (Dialogs::Answer(answer) == Dialogs::Answer::No) {
        QCOMPARE(rig.log.lines, QStringList());
        QCOMPARE(rig.received(), QByteArray());
        QCOMPARE(rig.clock.paused_ms, 0);
        return;
    }
    QCOMPARE(rig.log.lines, QStringList{bytes_to_hex(expected)});
    QCOMPARE(rig.received(), expected);
    const sim::Assignments& pedal = rig.pedal->assignments();
    QCOMPARE(pedal.controls[0], quint8(1));
    QCOMPARE(pedal.controls[4], quint8(11));
    QCOMPARE(pedal.readbacks[1], quint8(2));
    QCOMPARE(pedal.bypass, quint8(9));
    QCOMPARE(pedal.preset, quint8(0xFF));
    QCOMPARE(rig.clock.paused_ms, 100);
}

void TestFXParameters::assignment_map_shows_the_pedal_and_assigns() {
    Rig rig;
    rig.open(kPendulum);
    TformAssignmentMap map(rig.window);
    const auto row = [](const char* item) {
        for (int r = 0; r < pedal_controls().size(); ++r)
            if (pedal_controls().at(r).item == QLatin1String(item))
                return r;
        return -1;
    };
    // The pedal holds Rate and Depth on knob 1, Wave on the expression pedal, bypass on the
    // footswitch and the inverted LFO on the red light.
    rig.send(QByteArray::fromHex("04 0000FFFF0B FFFFFFFFFFFFFFFFFFFFFF FF02FFFF 08 FF"));
    QCOMPARE(map.choice_box(row("KI"))->currentText(), "Nothing");
    rig.request();

    QCOMPARE(map.choice_box(row("KI"))->currentText(), "Rate");
    QVERIFY2(map.warning(row("KI"))->text().contains("Rate and Depth"),
             qPrintable(map.warning(row("KI"))->text()));
    QCOMPARE(map.warning(row("KII"))->text(), QString());
    QCOMPARE(map.choice_box(row("EXP"))->currentText(), "Wave");
    QCOMPARE(map.choice_box(row("FS"))->currentText(), "Bypass on and off");
    QCOMPARE(map.choice_box(row("RED"))->currentText(), "LFO Inverted");
    QCOMPARE(map.choice_box(row("SX"))->currentText(), "Nothing");
    QVERIFY(map.choice_box(row("KI"))->isEnabled());

    // Knob 2 takes Depth: the share ends, and the pedal gets the message Assign would send.
    rig.forget();
    QComboBox* knob2 = map.choice_box(row("KII"));
    knob2->setCurrentIndex(knob2->findText("Depth"));
    emit knob2->activated(knob2->currentIndex());
    const QByteArray sent = rig.received();
    QCOMPARE(sent, QByteArray::fromHex("04 0001FFFF0B FFFFFFFFFFFFFFFFFFFFFF FF02FFFF 08 FF"));
    QCOMPARE(rig.box(1)->currentText(), "KII");
    QCOMPARE(map.warning(row("KI"))->text(), QString());
    QVERIFY(rig.dialogs.confirmations.isEmpty());
    rig.forget();
    QVERIFY(test::done(rig.window.assign_to_pedal()));
    QCOMPARE(rig.received(), sent);
    QCOMPARE(rig.pedal->assignments().controls[1], quint8(1));

    // A preview shows the codes but changes nothing.
    rig.window.EnableDisableControls(false);
    QVERIFY(!map.choice_box(row("KI"))->isEnabled());
}

void TestFXParameters::assign_of_24_controls_sends_the_first_16() {
    Rig rig;
    rig.open(kArpeggio);
    for (int i = 0; i < 16; ++i)
        rig.box(i)->setCurrentIndex(i % 12);
    rig.forget();
    QVERIFY(test::done(rig.window.assign_to_pedal()));
    QCOMPARE(rig.received(),
             QByteArray::fromHex("04 000102030405060708090A0B00010203 FFFFFFFF FF FF"));
    QCOMPARE(rig.pedal->assignments().controls[15], quint8(3));

    // The reply of 24 controls gives the 16 boxes their codes back.
    for (int i = 0; i < 16; ++i)
        rig.box(i)->setCurrentIndex(-1);
    rig.request();
    for (int i = 0; i < 16; ++i)
        QCOMPARE(rig.box(i)->currentIndex(), i % 12);
}

void TestFXParameters::bypass_and_close() {
    Rig rig;
    rig.open(kEmber);
    rig.forget();
    QVERIFY(test::done(rig.session.enter_bypass()));
    QCOMPARE(rig.received(), QByteArray::fromHex("0D00"));
    QVERIFY(rig.pedal->bypassed());
    QCOMPARE(rig.log.lines, QStringList());

    rig.slider(0)->setValue(1);
    const QList<int> values = rig.session.state().values;
    QSignalSpy closed(&rig.window, &TformFXParameters::closed);
    rig.window.close();
    QCOMPARE(closed.size(), 1);
    QVERIFY(rig.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
    QCOMPARE(rig.window.control_count(), 0);
    // The values list outlives the rows, and the effect's count with it; the next effect is
    // built from scratch.
    QCOMPARE(rig.session.state().values, values);
    QCOMPARE(rig.session.effect().control_count(), 5);
    rig.window.selected_effect_name = kTuner;
    rig.window.show();
    QCOMPARE(rig.window.control_count(), 2);
    QCOMPARE(rig.window.readback_count(), 4);
}

void TestFXParameters::every_shipped_effect_reads_whole_data() {
    QTest::addColumn<QString>("look");
    QTest::newRow("no look") << QString();
    for (int k = 0; k < 8; ++k)
        QTest::newRow(qPrintable(QStringLiteral("STYLE_%1").arg(k)))
            << QStringLiteral("STYLE_%1").arg(k);
}

void TestFXParameters::every_shipped_effect_reads_whole() {
    // No text is cut and no widget covers another, for every effect of the catalogue and in
    // every look.
    QFETCH(QString, look);
    Rig rig;
    const QString sheet =
        look.isEmpty() ? QString() : QString::fromUtf8(rig.store.raw(look).value_or("missing"));
    qApp->setStyleSheet(sheet);
    const auto no_look = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    const QStringList catalogue =
        split_resource_lines(*rig.store.raw(QStringLiteral("EFFECT_LIST")));
    QCOMPARE(catalogue.size(), 1 + 58); // "empty", then the effects
    QStringList faults;
    for (const QString& line : catalogue.mid(1)) {
        const QString effect = line.section(QLatin1Char(':'), 1);
        rig.window.close();
        rig.window.selected_effect_name = effect;
        rig.window.show();
        QVERIFY2(rig.dialogs.messages.isEmpty(), qPrintable(rig.dialogs.messages.join('\n')));
        QVERIFY2(rig.window.control_count() > 0, qPrintable(effect));
        const QList<QWidget*> widgets =
            rig.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* w : widgets) {
            const QString where = effect + QStringLiteral(": ") + w->objectName();
            if (!rig.window.rect().contains(w->geometry()))
                faults << where + QStringLiteral(" is outside the window");
            for (QWidget* other : widgets)
                if (other != w && w->geometry().intersects(other->geometry()))
                    faults << where + QStringLiteral(" covers ") + other->objectName();
            auto cut = [&](const QString& text, int width, int room) {
                if (width > room)
                    faults << QStringLiteral("%1 cuts \"%2\" (%3 > %4)")
                                  .arg(where, text)
                                  .arg(width)
                                  .arg(room);
            };
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->wordWrap())
                    cut(label->text(), label->heightForWidth(label->width()), label->height());
                else
                    cut(label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                        label->contentsRect().width());
            }
            if (auto* box = qobject_cast<QComboBox*>(w)) {
                QStyleOptionComboBox option;
                option.initFrom(box);
                const int room = box->style()
                                     ->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, box)
                                     .width();
                for (int k = 0; k < box->count(); ++k)
                    cut(box->itemText(k), box->fontMetrics().horizontalAdvance(box->itemText(k)),
                        room);
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(TestFXParameters)
#include "tst_fx_parameters.moc"
