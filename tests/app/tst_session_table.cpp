// The pedal session's states against every pedal action of the editor, through its real windows
// offscreen and the in-process virtual pedal with real timing: what the main window enables in
// each state, and the bytes each action puts on the wire. The rows named "fault N" are the
// faults a guitarist met when the editor's knowledge of the pedal lived in its windows.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/log_tap.h"

#include "../ir/ir_fixtures.h"

#include "app/Main.h"
#include "base/hex_text.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "library/effect_image.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/preset_file.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_messages.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

using namespace kx;

namespace {

const QString kTape = QStringLiteral("Tape Loom Delay"); // 6 pots, a switch, a list; 1 readback
const QString kChorus = QStringLiteral("Tidewater Chorus");
const QString kBasicIr = QStringLiteral("Basic IR Loader");
const QString kCabinet = QStringLiteral("cabinet-like-24bit-mono-48k.wav");

enum class Setup {
    NotConnected,
    NewPedal,         // connected; the pedal runs effect 0, as from the factory
    EffectNotOpened,  // connected; the pedal runs Tape Loom Delay, not opened yet
    EffectOpened,     // Open FX named it; its values are not read
    Live,             // Open FX and Request
    Preview,          // live, then another effect clicked in the list
    Bootloader,       // Upgrade Mode, the pedal powered up with the footswitch held
    BootloaderSilent, // Upgrade Mode, but the pedal runs its firmware
};

enum class Action {
    Upload,
    Open,
    Request,
    Assign,
    Store,
    Midi,
    EditPot,
    Disconnect,
    // The faults, each a sequence a guitarist went through.
    SaveAfterEdits,             // 1
    UploadOtherAfterIr,         // 2
    CloseStoreReconnect,        // 3
    RequestFromPreview,         // 4
    OpenNewPedal,               // 5
    BootloaderCommands,         // 6
    ListBeyondItsOptions,       // 7
    DisconnectAfterFailedCheck, // 8
    OpenSilentPedal,            // 9, the editor's part
    ConnectMissingPedal,        // 9
    LoseLinkOnRequest,          // 9
};

QByteArray image_of(ResourceStore& store, const QString& effect) {
    return image_bytes(store.read_file_from_stream(format_resource_name(effect))->value(0));
}

QByteArray word_bytes(quint32 word) {
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((word >> shift) & 0xFF));
    return out;
}

QByteArray write_of(quint16 address, int value) {
    QByteArray out;
    out.append(char(0x01));
    out.append(char(address >> 8));
    out.append(char(address & 0xFF));
    return out + word_bytes(quint32(value) * 8192u);
}

struct Rig {
    explicit Rig(Setup setup) {
        f.start_on_virtual_pedal();
        tap.next = f.context->log.target();
        f.context->log.set_target(&tap);
        tape = *parse_effect_image(image_of(f.context->store, kTape));
        if (setup != Setup::NotConnected && setup != Setup::NewPedal) {
            pedal().storage().effect_image = image_of(f.context->store, kTape);
            pedal().power_cycle(VirtualPedalDriver::now_us(), setup == Setup::Bootloader);
            // Bytes sent before the firmware or the bootloader has started are not heard.
            settle(int(sim::kFirmwareBoot_us / 1000) + 10);
        }
        if (setup == Setup::Bootloader || setup == Setup::BootloaderSilent) {
            w().menuFirmwareUpgradeMode->trigger();
            kx::test::settle();
            QVERIFY(w().menuFirmwareUpgradeMode->isChecked());
        }
        if (setup != Setup::NotConnected)
            w().menuConnect->trigger();
        kx::test::settle();
        if (setup == Setup::EffectOpened || setup == Setup::Live || setup == Setup::Preview) {
            w().btnOpenEffect->click();
            kx::test::settle();
            QVERIFY2(session().effect_known(), qPrintable(messages()));
        }
        if (setup == Setup::Live || setup == Setup::Preview)
            w().btnRequest->click();
        kx::test::settle();
        if (setup == Setup::Preview) {
            click(w().lstCategory, QStringLiteral("Modulation"));
            click(w().lstEffects, kChorus);
        }
        settle();
        ready = true;
    }
    ~Rig() {
        f.context->log.set_target(tap.next);
        f.stop();
    }

    TformMain& w() { return f.main(); }
    PedalSession& session() { return *f.context->link->session; }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    sim::VirtualPedal& pedal() { return f.context->link->virtual_pedal()->pedal(); }

    // Lets what is on the wire reach the in-process pedal, which runs only when asked.
    void settle(int ms = 20) {
        QTest::qWait(ms);
        pedal().advance(VirtualPedalDriver::now_us());
    }
    void click(QListWidget* list, const QString& text) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(text));
        emit list->itemClicked(items.first());
    }
    // From here on, what the pedal receives and what the user reads start empty.
    void forget() {
        settle();
        pedal().clear_history();
        f.dialogs.messages.clear();
        f.dialogs.confirmations.clear();
        tap.lines.clear();
    }
    QByteArray wire() {
        settle();
        QByteArray out;
        for (const sim::TimedByte& byte : pedal().received())
            out.append(char(byte.value));
        return out;
    }
    // The main window's controls, in the order of the expectation strings: 1 enabled, 0 not.
    QString enabled() {
        const QList<bool> states = {
            w().btnUpload->isEnabled(),
            w().btnOpenEffect->isEnabled(),
            w().btnRequest->isEnabled(),
            w().btnAssign->isEnabled(),
            w().btnStoreSettingsOnPedal->isEnabled(),
            w().menuMIDI->menuAction()->isEnabled(),
            w().menuScan->isEnabled(),
            w().menuConnect->isEnabled(),
            w().menuDisconnect->isEnabled(),
            w().menuFirmwareUpgradeMode->isEnabled(),
            w().menuStartFirmwareUpgrade->isEnabled(),
            w().menuFollowPedal->isEnabled(),
        };
        QString out;
        for (bool on : states)
            out += on ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    }
    QWidget* control(int i) { return parameters().findChild<QWidget*>(name_of(i)); }
    static QString name_of(int i) {
        return i < 6 ? QStringLiteral("sldPot%1").arg(i)
                     : (i == 6 ? QStringLiteral("chkSwitch6") : QStringLiteral("cmbMultiSwitch7"));
    }
    QString messages() const { return f.dialogs.messages.join(QLatin1Char('\n')); }

    EditorFixture f;
    LogTap tap;
    EffectImageInfo tape;
    bool ready = false;
};

// Pulls the virtual pedal's cable.
void pull_cable(Rig& rig) {
    rig.f.context->link->virtual_pedal()->unplug();
}

} // namespace

class TestSessionTable : public QObject {
    Q_OBJECT
private slots:
    void states_enable_their_controls_data();
    void states_enable_their_controls();
    void states_x_actions_data();
    void states_x_actions();
    void upgrading_offers_nothing_and_ends_in_firmware();
};

// Upload, Open FX, Request, Assign, Store, MIDI, Scan, Connect, Disconnect, Upgrade Mode,
// Start Firmware Upgrade, Follow Pedal.
void TestSessionTable::states_enable_their_controls_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("window_live");
    QTest::newRow("not connected") << int(Setup::NotConnected) << "000000110100" << false;
    // Upgrade Mode is offered while connected: ticking it connects again in that mode.
    QTest::newRow("new pedal") << int(Setup::NewPedal) << "111001001100" << false;
    QTest::newRow("effect not opened") << int(Setup::EffectNotOpened) << "111001001100" << false;
    QTest::newRow("effect opened") << int(Setup::EffectOpened) << "111001001100" << false;
    QTest::newRow("live") << int(Setup::Live) << "111111001101" << true;
    QTest::newRow("preview") << int(Setup::Preview) << "111001001100" << false;
    QTest::newRow("bootloader") << int(Setup::Bootloader) << "000000001110" << false;
    // The check found no bootloader: the running firmware stays connected, usable.
    QTest::newRow("bootloader silent") << int(Setup::BootloaderSilent) << "111001001100" << false;
}

void TestSessionTable::states_enable_their_controls() {
    QFETCH(int, setup);
    QFETCH(QString, enabled);
    QFETCH(bool, window_live);
    Rig rig{Setup(setup)};
    QVERIFY(rig.ready);
    QCOMPARE(rig.enabled(), enabled);
    TformFXParameters& parameters = rig.parameters();
    if (parameters.isVisible() && parameters.control_count() > 0) {
        QWidget* first = parameters.findChild<QWidget*>(QStringLiteral("sldPot0"));
        QVERIFY(first);
        QCOMPARE(first->isEnabled(), window_live);
    } else {
        QVERIFY(!window_live);
    }
}

void TestSessionTable::states_x_actions_data() {
    QTest::addColumn<int>("setup");
    QTest::addColumn<int>("action");
    // The bytes the pedal receives, in hex; "-" for an action whose control is disabled (then
    // the session refuses it as well, and nothing goes out); "~" for one disabled because the
    // window shows no live effect, which the session would still do right for the running one.
    QTest::addColumn<QString>("wire");
    QTest::addColumn<QString>("message"); // part of the one message the user reads, or empty

    const int none = int(Setup::NotConnected), fresh = int(Setup::NewPedal),
              unopened = int(Setup::EffectNotOpened), opened = int(Setup::EffectOpened),
              live = int(Setup::Live), preview = int(Setup::Preview), boot = int(Setup::Bootloader),
              silent = int(Setup::BootloaderSilent);
    struct Column {
        const char* name;
        Action action;
    };
    const Column columns[] = {{"upload", Action::Upload},   {"open", Action::Open},
                              {"request", Action::Request}, {"assign", Action::Assign},
                              {"store", Action::Store},     {"midi", Action::Midi},
                              {"edit", Action::EditPot},    {"disconnect", Action::Disconnect}};
    struct Row {
        const char* name;
        int setup;
        // One expectation per column: "-" disabled, "" nothing sent, "?" checked in the body.
        QStringList wire;
    };
    const Row rows[] = {
        {"not connected", none, {"-", "-", "-", "-", "-", "-", "", "-"}},
        {"new pedal", fresh, {"?", "0500", "0500", "-", "-", "0703", "", "?"}},
        {"effect not opened", unopened, {"?", "0500", "05000208", "-", "-", "0703", "", "?"}},
        {"effect opened", opened, {"?", "0500", "0208", "-", "~", "0703", "", "?"}},
        {"live", live, {"?", "0500", "0208", "?", "0308", "0703", "?", "?"}},
        {"preview", preview, {"?", "0500", "0208", "~", "~", "0703", "", "?"}},
        {"bootloader", boot, {"-", "-", "-", "-", "-", "-", "", "?"}},
        {"bootloader silent", silent, {"?", "0500", "05000208", "-", "-", "0703", "", "?"}},
    };
    for (const Row& row : rows)
        for (int c = 0; c < int(std::size(columns)); ++c)
            QTest::addRow("%s x %s", row.name, columns[c].name)
                << row.setup << int(columns[c].action) << row.wire.at(c) << QString();

    QTest::newRow("fault 1: Save writes the values the pedal plays")
        << live << int(Action::SaveAfterEdits) << "?"
        << "File saved successfully: ";
    QTest::newRow("fault 2: an IR image belongs to its effect")
        << unopened << int(Action::UploadOtherAfterIr) << "?"
        << "";
    QTest::newRow("fault 3: closing the window keeps N")
        << live << int(Action::CloseStoreReconnect) << "?"
        << "";
    QTest::newRow("fault 4: a preview never looks live; Request reads the running effect")
        << preview << int(Action::RequestFromPreview) << "0208"
        << "";
    QTest::newRow("fault 5: a new pedal's Open FX says to upload")
        << fresh << int(Action::OpenNewPedal) << "0500"
        << QString::fromLatin1(session::kMessageNoEffect);
    QTest::newRow("fault 6: nothing but the upgrade reaches the bootloader")
        << boot << int(Action::BootloaderCommands) << ""
        << "";
    QTest::newRow("fault 7: a list value beyond any control's range is refused, sends nothing")
        << live << int(Action::ListBeyondItsOptions) << "0208"
        << "";
    QTest::newRow("fault 8: Disconnect gives Upgrade Mode back after a failed check")
        << silent << int(Action::DisconnectAfterFailedCheck) << "?"
        << "";
    QTest::newRow("fault 9: a silent pedal on Open FX is told once, in the editor's words")
        << unopened << int(Action::OpenSilentPedal) << "0500"
        << QString::fromLatin1(session::kLeadTimedOut);
    QTest::newRow("fault 9: a pedal not there on Connect is told once, in the editor's words")
        << none << int(Action::ConnectMissingPedal) << ""
        << QString::fromLatin1(session::kLeadNoPedal) +
               " (Open_USB_Device_By_Serial_Number - Device not found...)";
    QTest::newRow("fault 9: a lost link is told once, in the editor's words")
        << live << int(Action::LoseLinkOnRequest) << ""
        << "The connection to the pedal was lost (FT_";
}

void TestSessionTable::states_x_actions() {
    QFETCH(int, setup);
    QFETCH(int, action);
    QFETCH(QString, wire);
    QFETCH(QString, message);
    Rig rig{Setup(setup)};
    QVERIFY(rig.ready);
    TformMain& w = rig.w();
    PedalSession& session = rig.session();
    const QByteArray tape_image = image_of(rig.f.context->store, kTape);
    const int n = rig.tape.control_count;
    rig.forget();

    // The action's control, and the session operation behind it.
    QObject* control = nullptr;
    std::function<Status()> operation;
    switch (Action(action)) {
    case Action::Upload:
        control = w.btnUpload;
        operation = [&] { return Status(test::done(session.upload_effect(kTape)).failure()); };
        break;
    case Action::Open:
        control = w.btnOpenEffect;
        operation = [&] { return Status(test::done(session.open_running_effect()).failure()); };
        break;
    case Action::Request:
        control = w.btnRequest;
        operation = [&] { return Status(test::done(session.request_state()).failure()); };
        break;
    case Action::Assign:
        control = w.btnAssign;
        operation = [&] { return test::done(session.assign()); };
        break;
    case Action::Store:
        control = w.btnStoreSettingsOnPedal;
        operation = [&] { return test::done(session.store()); };
        break;
    case Action::Midi:
        control = w.menuMIDI->menuAction();
        operation = [&] { return test::done(session.set_midi_channel(3)); };
        break;
    case Action::Disconnect:
        control = w.menuDisconnect;
        break;
    default:
        break;
    }
    auto enabled = [&] {
        if (auto* button = qobject_cast<QPushButton*>(control))
            return button->isEnabled();
        return qobject_cast<QAction*>(control)->isEnabled();
    };

    if (wire == QLatin1String("~")) {
        QVERIFY2(!enabled(), "the action is offered");
        return;
    }
    if (wire == QLatin1String("-")) {
        QVERIFY2(!enabled(), "the action is offered");
        // Reached anyway (a script, a stale window), the session sends nothing.
        if (operation) {
            const Status refused = operation();
            QVERIFY(!refused);
            QVERIFY2(refused.error_kind() == ErrorKind::NotConnected ||
                         refused.error_kind() == ErrorKind::WrongLinkState ||
                         refused.error_kind() == ErrorKind::EffectUnknown,
                     qPrintable(refused.error()));
        }
        QCOMPARE(rig.wire().toHex().toUpper(), QByteArray());
        return;
    }

    switch (Action(action)) {
    case Action::Upload: {
        QVERIFY(enabled());
        rig.click(w.lstCategory, QStringLiteral("Modulation"));
        rig.click(w.lstEffects, kTape);
        rig.forget();
        const bool tape_ran = rig.pedal().running_effect() == rig.tape.effect_number;
        w.btnUpload->click();
        kx::test::settle();
        QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.messages()));
        // The same effect again, with the values it had: nothing shows that the image arrived,
        // and the status says so rather than "Upload complete".
        QCOMPARE(w.lblStatus->text(), tape_ran
                                          ? QString::fromLatin1(session::kMessageUploadUnproven)
                                                .arg(QStringLiteral("Upload complete"))
                                          : QStringLiteral("Upload complete"));
        // Bypass, the image, then the session confirms what runs and reads its values; a pedal
        // not asked yet what it runs is asked first.
        const QByteArray upload_wire = QByteArray::fromHex("0D00") + tape_image +
                                       QByteArray::fromHex("0500") + QByteArray::fromHex("0208");
        QVERIFY2(rig.wire() == upload_wire ||
                     rig.wire() == QByteArray::fromHex("0500") + upload_wire,
                 rig.wire().left(8).toHex().constData());
        QCOMPARE(rig.pedal().running_effect(), rig.tape.effect_number);
        QVERIFY(session.is_live(kTape));
        QVERIFY(rig.parameters().isVisible());
        QVERIFY(rig.control(0)->isEnabled());
        QCOMPARE(rig.enabled().left(5), QStringLiteral("11111"));
        return;
    }
    case Action::Assign: {
        auto* box = rig.parameters().findChild<QComboBox*>(QStringLiteral("boxAssign0"));
        box->setCurrentIndex(1); // KII
        const sim::Assignments before = rig.pedal().assignments();
        rig.forget();
        w.btnAssign->click();
        kx::test::settle();
        QCOMPARE(rig.f.dialogs.confirmations, QStringList{"Assign parameters?"});
        // All 23 bytes: the changed code, and every other one as the pedal had it.
        const QByteArray sent = rig.wire();
        QCOMPARE(sent.size(), 23);
        QCOMPARE(sent.left(2).toHex(), QByteArray("0401"));
        const sim::Assignments& after = rig.pedal().assignments();
        QCOMPARE(after.controls[0], quint8(1));
        for (int i = 1; i < 16; ++i)
            QCOMPARE(after.controls[i], before.controls[i]);
        QCOMPARE(after.readbacks, before.readbacks);
        QCOMPARE(after.bypass, before.bypass);
        QCOMPARE(after.preset, before.preset);
        return;
    }
    case Action::EditPot: {
        if (Setup(setup) != Setup::Live) {
            // Nothing to edit: no live window.
            QVERIFY(!rig.parameters().isVisible() || !rig.control(0) ||
                    !rig.control(0)->isEnabled());
            QCOMPARE(rig.wire(), QByteArray());
            return;
        }
        static_cast<QSlider*>(rig.control(0))->setValue(700);
        QCOMPARE(rig.wire().toHex(), write_of(rig.tape.parameter_addresses[0], 700).toHex());
        QCOMPARE(session.state().values.value(0), 700);
        return;
    }
    case Action::Disconnect: {
        QVERIFY(enabled());
        w.menuDisconnect->trigger();
        kx::test::settle();
        QCOMPARE(rig.wire(), QByteArray());
        QCOMPARE(session.link_state(), LinkState::NotConnected);
        QVERIFY(!session.effect_known());
        // Upgrade Mode is offered again whatever the state was.
        QCOMPARE(rig.enabled(), QStringLiteral("000000110100"));
        return;
    }
    case Action::SaveAfterEdits: {
        // Fuzz at 222 and the switch on, then File > Save.
        static_cast<QSlider*>(rig.control(0))->setValue(222);
        static_cast<QCheckBox*>(rig.control(6))->click();
        const bool on = static_cast<QCheckBox*>(rig.control(6))->isChecked();
        const QString path = rig.f.path(QStringLiteral("tape.txt"));
        rig.f.dialogs.files << path;
        w.menuSaveConfiguration->trigger();
        kx::test::settle();
        QCOMPARE(rig.f.dialogs.messages.size(), 1);
        QVERIFY2(rig.f.dialogs.messages[0].startsWith(message), qPrintable(rig.messages()));
        const auto lines = read_preset_file(path);
        QVERIFY(lines);
        const auto preset = parse_preset(*lines);
        QVERIFY2(preset, qPrintable(preset.error()));
        QCOMPARE(preset->effect_number, rig.tape.effect_number);
        QCOMPARE(preset->values.value(0), 222);
        QCOMPARE(preset->values.value(6), on ? 1023 : 0);
        // What the file holds is what the pedal plays.
        QCOMPARE(rig.pedal().parameter_word(rig.tape.parameter_addresses[0]), 222u * 8192u);
        return;
    }
    case Action::UploadOtherAfterIr: {
        // An impulse response imported into Basic IR Loader...
        rig.click(w.lstCategory, QStringLiteral("Impulse Response"));
        rig.click(w.lstEffects, kBasicIr);
        rig.f.dialogs.files << ir_fixtures::path(kCabinet);
        w.menuLoadIR->trigger();
        kx::test::settle();
        QVERIFY(!session.ir_image(kBasicIr).isEmpty());
        // ...then another effect of the category, and one through Open FX.
        rig.click(w.lstEffects, QStringLiteral("IR Loader + EQ"));
        rig.forget();
        w.btnUpload->click();
        kx::test::settle();
        QCOMPARE(rig.f.dialogs.messages.size(), 1);
        QVERIFY2(rig.f.dialogs.messages[0].startsWith(QLatin1String("There is no image to upload")),
                 qPrintable(rig.messages()));
        QCOMPARE(rig.wire(), QByteArray());
        w.btnOpenEffect->click(); // Tape Loom Delay runs
        kx::test::settle();
        QCOMPARE(rig.f.context->selection.selected_effect_name, kTape);
        rig.forget();
        w.btnUpload->click();
        kx::test::settle();
        QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.messages()));
        QCOMPARE(rig.wire().mid(2, tape_image.size()), tape_image);
        QCOMPARE(rig.pedal().running_effect(), rig.tape.effect_number);
        // The window is live for what runs: its last control writes Tape Loom's address.
        QCOMPARE(rig.parameters().selected_effect_name, kTape);
        rig.forget();
        static_cast<QComboBox*>(rig.control(7))->setCurrentIndex(1);
        QCOMPARE(rig.wire().left(3).toHex(),
                 write_of(rig.tape.parameter_addresses[7], 0).left(3).toHex());
        return;
    }
    case Action::CloseStoreReconnect: {
        rig.parameters().close();
        w.btnStoreSettingsOnPedal->click();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), QByteArray("0308"));
        w.menuDisconnect->trigger();
        kx::test::settle();
        w.menuConnect->trigger();
        kx::test::settle();
        // Nothing is known after a reconnect: Assign and Store wait for a request, which first
        // asks what runs.
        QVERIFY(!w.btnAssign->isEnabled());
        QVERIFY(!w.btnStoreSettingsOnPedal->isEnabled());
        rig.forget();
        w.btnRequest->click();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), QByteArray("05000208"));
        QVERIFY(w.btnAssign->isEnabled());
        QCOMPARE(rig.parameters().control_count(), n);
        return;
    }
    case Action::RequestFromPreview: {
        QCOMPARE(rig.parameters().selected_effect_name, kChorus);
        QVERIFY(!rig.parameters().effect_is_live());
        const auto sliders = rig.parameters().findChildren<QSlider*>();
        QVERIFY(!sliders.isEmpty());
        for (QSlider* slider : sliders)
            QVERIFY(!slider->isEnabled());
        sliders.first()->setValue(sliders.first()->value() == 5 ? 6 : 5);
        QCOMPARE(rig.wire(), QByteArray());
        w.btnRequest->click();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), wire.toLatin1());
        QCOMPARE(rig.parameters().selected_effect_name, kTape);
        QVERIFY(rig.parameters().effect_is_live());
        QVERIFY(rig.control(0)->isEnabled());
        return;
    }
    case Action::OpenNewPedal: {
        w.btnOpenEffect->click();
        kx::test::settle();
        QCOMPARE(rig.f.dialogs.messages, QStringList{message});
        QVERIFY(!rig.parameters().isVisible());
        w.btnRequest->click();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), QByteArray("05000500"));
        QVERIFY(!w.btnAssign->isEnabled());
        QVERIFY(!rig.parameters().isVisible());
        return;
    }
    case Action::BootloaderCommands: {
        QVERIFY(!w.btnOpenEffect->isEnabled());
        QVERIFY(!w.menuMIDI->menuAction()->isEnabled());
        w.menuMIDIchannel->actions().at(3)->trigger();
        kx::test::settle();
        for (const Status& refused :
             {Status(test::done(session.open_running_effect()).failure()),
              test::done(session.set_midi_channel(3)), test::done(session.store()),
              Status(test::done(session.upload_effect(kTape)).failure())})
            QCOMPARE(refused.error_kind(), ErrorKind::WrongLinkState);
        QCOMPARE(rig.wire(), QByteArray());
        QVERIFY(w.menuStartFirmwareUpgrade->isEnabled());
        return;
    }
    case Action::ListBeyondItsOptions: {
        auto* list = static_cast<QComboBox*>(rig.control(7));
        list->setCurrentIndex(1);
        // The pedal holds a value beyond the list's options (written behind the window's back).
        QVERIFY(test::done(rig.f.context->link->communication->send_message(
            write_of(rig.tape.parameter_addresses[7], 2000))));
        rig.forget();
        w.btnRequest->click();
        kx::test::settle();
        // No control can hold it: the reply is refused, said so, and nothing of it is shown.
        QCOMPARE(list->currentIndex(), 1);
        QVERIFY2(rig.messages().contains(QLatin1String("reads 2000, outside 0 to 1023")),
                 qPrintable(rig.messages()));
        QCOMPARE(rig.wire().toHex(), wire.toLatin1());
        QCOMPARE(rig.pedal().parameter_word(rig.tape.parameter_addresses[7]), 2000u * 8192u);
        return;
    }
    case Action::DisconnectAfterFailedCheck: {
        // A failed bootloader check leaves the running firmware connected and usable, Upgrade
        // Mode unticked and offered; the user read what to do.
        QCOMPARE(rig.f.dialogs.messages, QStringList()); // forget() cleared the check's boxes
        QCOMPARE(session.link_state(), LinkState::Firmware);
        QVERIFY(!w.menuFirmwareUpgradeMode->isChecked());
        QVERIFY(w.menuFirmwareUpgradeMode->isEnabled());
        QVERIFY(w.btnOpenEffect->isEnabled());
        // Powered up with the footswitch held, ticking Upgrade Mode connects again to the
        // bootloader by itself, and the upgrade is offered.
        rig.pedal().power_cycle(VirtualPedalDriver::now_us(), true);
        rig.settle(10);
        w.menuFirmwareUpgradeMode->trigger();
        kx::test::settle();
        QCOMPARE(session.link_state(), LinkState::Bootloader);
        QCOMPARE(rig.enabled(), QStringLiteral("000000001110"));
        // Unticking it connects again to the firmware, once the pedal runs it.
        rig.pedal().power_cycle(VirtualPedalDriver::now_us());
        rig.settle(10);
        w.menuFirmwareUpgradeMode->trigger();
        kx::test::settle();
        QVERIFY(!w.menuFirmwareUpgradeMode->isChecked());
        QCOMPARE(session.link_state(), LinkState::Firmware);
        return;
    }
    case Action::OpenSilentPedal: {
        rig.pedal().inject_silence(true);
        w.btnOpenEffect->click();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), wire.toLatin1());
        QCOMPARE(rig.f.dialogs.messages.size(), 1);
        // What to do first, the link's own words as the detail; the log keeps them too.
        const QString& shown = rig.f.dialogs.messages[0];
        QVERIFY2(shown.startsWith(message + QStringLiteral(" (The pedal did not send its ")),
                 qPrintable(shown));
        QVERIFY(rig.tap.lines.filter(QStringLiteral("The pedal did not send its")).size() == 1);
        QVERIFY(!rig.parameters().isVisible());
        // Still connected to a pedal that may answer next time: the same controls as before.
        QCOMPARE(rig.enabled(), QStringLiteral("111001001100"));
        return;
    }
    case Action::ConnectMissingPedal: {
        pull_cable(rig);
        w.menuConnect->trigger();
        kx::test::settle();
        QCOMPARE(rig.wire().toHex(), wire.toLatin1());
        QCOMPARE(rig.f.dialogs.messages, QStringList{message});
        QCOMPARE(session.link_state(), LinkState::NotConnected);
        QCOMPARE(rig.enabled(), QStringLiteral("000000110100"));
        return;
    }
    case Action::LoseLinkOnRequest: {
        pull_cable(rig);
        w.btnRequest->click();
        kx::test::settle();
        // The driver's words as the detail, said once though the request failed too.
        QCOMPARE(rig.f.dialogs.messages.size(), 1);
        const QString& shown = rig.f.dialogs.messages[0];
        QVERIFY2(shown.startsWith(message) &&
                     shown.endsWith(QLatin1String(" - General IO error...). Plug it in again and "
                                                  "choose Connect.")),
                 qPrintable(shown));
        QCOMPARE(session.link_state(), LinkState::NotConnected);
        QCOMPARE(rig.enabled(), QStringLiteral("000000110100"));
        QVERIFY(!rig.parameters().effect_is_live());
        return;
    }
    default:
        break;
    }

    // The plain actions: click, then the bytes on the wire.
    QVERIFY2(enabled(), "the action is not offered");
    if (auto* button = qobject_cast<QPushButton*>(control))
        button->click();
    else if (Action(action) == Action::Midi)
        w.menuMIDIchannel->actions().at(3)->trigger();
    kx::test::settle();
    QCOMPARE(rig.wire().toHex().toUpper(), wire.toLatin1());
    if (message.isEmpty() && Action(action) != Action::Open && Action(action) != Action::Request)
        QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.messages()));
    if ((Action(action) == Action::Open || Action(action) == Action::Request) &&
        Setup(setup) != Setup::NewPedal) {
        QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.messages()));
        QCOMPARE(rig.parameters().selected_effect_name, kTape);
        QCOMPARE(rig.parameters().control_count(), n);
        QCOMPARE(rig.control(0)->isEnabled(), session.values_known());
    }
}

// During the upgrade nothing is offered, Disconnect included; afterwards the pedal's firmware
// answers and Upgrade Mode is off.
void TestSessionTable::upgrading_offers_nothing_and_ends_in_firmware() {
    Rig rig{Setup::Bootloader};
    QVERIFY(rig.ready);
    TformFirmwareUpgrade& upgrade = *rig.f.windows->formFirmwareUpgrade;
    QStringList seen;
    connect(&upgrade.operation(), &Operation::step_changed, this, [&] {
        seen << link_state_name(rig.session().link_state()) + QLatin1Char(' ') + rig.enabled();
    });
    rig.w().menuStartFirmwareUpgrade->trigger();
    kx::test::settle();
    upgrade.cmbFirmwareChoose->setCurrentIndex(0);
    upgrade.btnUpgradeFirmware->click();
    kx::test::settle();
    QVERIFY2(!seen.isEmpty(), "no step seen");
    for (const QString& state : seen)
        QCOMPARE(state, QStringLiteral("upgrading 000000000000"));
    QCOMPARE(rig.session().link_state(), LinkState::Firmware);
    QVERIFY(!rig.w().menuFirmwareUpgradeMode->isChecked());
    QCOMPARE(rig.enabled(), QStringLiteral("111001001100"));
}

QTEST_MAIN(TestSessionTable)
#include "tst_session_table.moc"
