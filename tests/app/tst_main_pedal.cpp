// The editor's main job through its real windows, offscreen, against the virtual pedal with
// real timing: upload an effect, open it, read its values and assignments, move each kind of
// control, assign and store. The pedal is reached in-process, and served on a pseudo-terminal
// by its own program through --port.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/log_tap.h"
#include "support/served_pedal.h"

#include "app/Main.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>

using namespace kx;

namespace {

// The editor as started from the command line, reaching the pedal in-process or on a served
// pseudo-terminal.
struct Rig {
    explicit Rig(const QString& transport) {
        LinkOptions options;
        if (transport == QLatin1String("in-process")) {
            options.virtual_pedal = true;
        } else {
            if (!server.start())
                return;
            options.ports << server.path();
        }
        f.real_time = true;
        set_documents_folder(f.documents.path());
        f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
        f.context->link_options = options;
        f.windows = std::make_unique<EditorWindows>(*f.context);
        f.main().show();
        ok = true;
    }
    ~Rig() {
        f.stop();
        server.stop();
    }
    TformMain& w() { return f.main(); }
    TformFXParameters& parameters() { return *f.windows->formFXParameters; }
    // The in-process pedal, when there is one.
    sim::VirtualPedal* pedal() {
        VirtualPedalDriver* driver = f.context->link->virtual_pedal();
        return driver ? &driver->pedal() : nullptr;
    }

    // Lets the messages on the wire reach the in-process pedal, which runs only when asked.
    void settle(int ms = 30) {
        QTest::qWait(ms);
        if (sim::VirtualPedal* p = pedal())
            p->advance(VirtualPedalDriver::now_us());
    }
    void click_category(const QString& caption) {
        const auto items = w().lstCategory->findItems(caption, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(caption));
        emit w().lstCategory->itemClicked(items.first());
    }
    void click_effect(const QString& name) {
        const auto items = w().lstEffects->findItems(name, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(name));
        emit w().lstEffects->itemClicked(items.first());
    }
    template <typename T> T* widget(const QString& accessible_name) {
        for (T* child : parameters().findChildren<T*>())
            if (child->accessibleName() == accessible_name)
                return child;
        return nullptr;
    }

    EditorFixture f;
    test::ServedPedal server;
    bool ok = false;
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString word_hex(int value) {
    return QStringLiteral("%1").arg(quint32(value) * 8192u, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace

class TestMainPedal : public QObject {
    Q_OBJECT
private slots:
    void upload_open_request_edit_data();
    void upload_open_request_edit();
    void effect_with_24_controls();
    void midi_menu_sends_its_17_messages();
    void upload_refuses_an_empty_impulse_response();
    void upload_without_a_selected_effect_asks_nothing();
};

void TestMainPedal::upload_open_request_edit_data() {
    QTest::addColumn<QString>("transport");
    QTest::newRow("in-process") << "in-process";
    QTest::newRow("pseudo-terminal") << "pseudo-terminal";
}

// Tape Loom Delay has six pots, a switch, a list of options and a readback.
void TestMainPedal::upload_open_request_edit() {
    QFETCH(QString, transport);
    Rig rig(transport);
    QVERIFY2(rig.ok, "the served pedal did not name its port");
    LogTap tap;
    tap.next = rig.f.context->log.target();
    rig.f.context->log.set_target(&tap);
    TformMain& w = rig.w();

    w.menuConnect->trigger();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    rig.click_category(QStringLiteral("Modulation"));
    rig.click_effect(QStringLiteral("Tape Loom Delay"));

    // Upload: confirmed, the pedal's answer under the button.
    w.btnUpload->click();
    kx::test::settle();
    // The question names what goes to the pedal.
    QCOMPARE(rig.f.dialogs.confirmations,
             QStringList{"Upload the selected effect, \"Tape Loom Delay\"?"});
    QCOMPARE(w.lblStatus->text(), QStringLiteral("Upload complete"));
    QVERIFY(w.btnUpload->isEnabled());
    QVERIFY(tap.lines.contains(QStringLiteral("resource name: Tape_Loom_Delay")));
    QVERIFY(tap.lines.contains(QStringLiteral("write to device")));
    if (rig.pedal())
        QCOMPARE(rig.pedal()->running_effect(), 0x1F);

    // Open FX names the effect and opens its window; the values the upload read may be old by
    // now, so the window waits for Request.
    w.btnOpenEffect->click();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    TformFXParameters& parameters = rig.parameters();
    QVERIFY(parameters.isVisible());
    QVERIFY(parameters.windowTitle().startsWith(QLatin1String("Tape Loom Delay v")));
    QCOMPARE(parameters.control_count(), 8);
    QCOMPARE(parameters.readback_count(), 1);
    QVERIFY(w.lblFirmwareVersion->text().startsWith(QLatin1String("Firmware Version: ")));
    QCOMPARE(w.lstCategory->currentItem()->text(), QStringLiteral("Modulation"));
    QCOMPARE(w.lstEffects->currentItem()->text(), QStringLiteral("Tape Loom Delay"));
    QVERIFY(w.btnRequest->isEnabled());
    auto* slider = rig.widget<QSlider>(QStringLiteral("Time"));
    QVERIFY(slider);
    QVERIFY(!slider->isEnabled());
    QVERIFY(!w.btnAssign->isEnabled());

    // Request fills the window and enables it.
    w.btnRequest->click();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    QVERIFY(slider->isEnabled());
    QVERIFY(w.btnAssign->isEnabled());
    QVERIFY(w.btnStoreSettingsOnPedal->isEnabled());
    QVERIFY(w.btnRequest->isEnabled());

    // Each kind of control sends its exact message.
    const QList<QSlider*> sliders = parameters.findChildren<QSlider*>();
    const QList<QCheckBox*> toggles = parameters.findChildren<QCheckBox*>();
    QList<QComboBox*> lists;
    QList<QComboBox*> boxes;
    for (QComboBox* box : parameters.findChildren<QComboBox*>())
        (box->accessibleName().endsWith(QLatin1String(" assignment")) ? boxes : lists) << box;
    QCOMPARE(sliders.size(), 6);
    QCOMPARE(toggles.size(), 1);
    QCOMPARE(lists.size(), 1);
    tap.lines.clear();
    sliders[0]->setValue(700);
    toggles[0]->click();
    kx::test::settle();
    lists[0]->setCurrentIndex(lists[0]->count() - 1);
    const QStringList sent = tap.lines.filter(QStringLiteral("data sent"));
    QCOMPARE(sent.size(), 3);
    QVERIFY2(sent[0].startsWith(QLatin1String("data sent pot 0: 01")) &&
                 sent[0].endsWith(word_hex(700)),
             qPrintable(sent[0]));
    QVERIFY2(sent[1].startsWith(QLatin1String("data sent switch ")), qPrintable(sent[1]));
    const int options = lists[0]->count();
    QVERIFY2(sent[2].endsWith(word_hex((options - 1) * (1024 / options))), qPrintable(sent[2]));

    // Assign the first control to KII and bypass to FS, then store.
    boxes[0]->setCurrentIndex(1);
    QComboBox* bypass = rig.widget<QComboBox>(QStringLiteral("Bypass assignment"));
    QVERIFY(bypass);
    bypass->setCurrentIndex(0);
    w.btnAssign->click();
    kx::test::settle();
    QCOMPARE(rig.f.dialogs.confirmations.last(), QStringLiteral("Assign parameters?"));
    w.btnStoreSettingsOnPedal->click();
    kx::test::settle();
    QVERIFY(tap.lines.contains(QStringLiteral("Store settings message (HEX): 0308")));

    rig.settle();
    if (sim::VirtualPedal* pedal = rig.pedal()) {
        const auto& effect = pedal->effect();
        QCOMPARE(pedal->parameter_word(effect.address_of(0)), 700u * 8192u);
        QCOMPARE(effect.assignments.controls[0], quint8(1));
        QCOMPARE(effect.assignments.bypass, quint8(8));
        QVERIFY(pedal->stored_settings().count(0x1F) == 1);
    }

    keep_picture(w, QStringLiteral("main-") + transport);
    keep_picture(parameters, QStringLiteral("parameters-tape-loom-") + transport);

    // The pedal's state, read back, is what the window shows.
    const bool toggled = toggles[0]->isChecked();
    sliders[0]->setValue(3);
    w.btnRequest->click();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    QCOMPARE(sliders[0]->value(), 3);
    QCOMPARE(toggles[0]->isChecked(), toggled);
    QCOMPARE(lists[0]->currentIndex(), options - 1);
    QCOMPARE(boxes[0]->currentIndex(), 1);
    QCOMPARE(bypass->currentIndex(), 0);

    // Nothing of this connection stays after Disconnect: no firmware version, no upload's
    // outcome.
    QVERIFY(w.lblFirmwareVersion->text() != QStringLiteral("Firmware Version: "));
    w.menuDisconnect->trigger();
    kx::test::settle();
    QCOMPARE(w.lblFirmwareVersion->text(), QStringLiteral("Firmware Version: "));
    QCOMPARE(w.lblStatus->text(), QStringLiteral("Status: "));
    rig.f.context->log.set_target(tap.next);
}

// Every control of the 24-control effect is editable; the first 16 have assignment boxes.
void TestMainPedal::effect_with_24_controls() {
    Rig rig(QStringLiteral("in-process"));
    TformMain& w = rig.w();
    w.menuConnect->trigger();
    kx::test::settle();
    rig.click_category(QStringLiteral("Synthesis"));
    rig.click_effect(QStringLiteral("Arpeggio Synth"));
    w.btnUpload->click();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    QCOMPARE(w.lblStatus->text(), QStringLiteral("Upload complete"));
    w.btnOpenEffect->click();
    kx::test::settle();
    w.btnRequest->click();
    kx::test::settle();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(rig.f.dialogs.messages.join('\n')));
    TformFXParameters& parameters = rig.parameters();
    QCOMPARE(parameters.control_count(), 24);
    keep_picture(parameters, QStringLiteral("parameters-arpeggio"));
    const QList<QCheckBox*> toggles = parameters.findChildren<QCheckBox*>();
    QCOMPARE(toggles.size(), 12);
    int boxes = 0;
    for (QComboBox* box : parameters.findChildren<QComboBox*>())
        boxes += box->accessibleName().endsWith(QLatin1String(" assignment")) ? 1 : 0;
    QCOMPARE(boxes, 16 + 2); // the first 16 controls, bypass and preset
    // Taller than the screen, the window scrolls its rows, and the keyboard's focus brings a
    // row into view.
    const QRect area = parameters.screen()->availableGeometry();
    QVERIFY(parameters.frameGeometry().height() <= area.height());
    if (parameters_window_height(24, 0) > area.height()) {
        QVERIFY(parameters.scroll_bar() && parameters.scroll_bar()->isVisible());
        QComboBox* last = rig.widget<QComboBox>(QStringLiteral("Division"));
        QVERIFY(last);
        parameters.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&parameters));
        last->setFocus(Qt::TabFocusReason);
        QVERIFY(last->geometry().bottom() < parameters.height() && last->y() >= 0);
    }
    // The rows past them say why they have no box.
    for (int i = 16; i < 24; ++i) {
        const auto* note =
            parameters.findChild<QLabel*>(QStringLiteral("lblNotAssignable%1").arg(i));
        QVERIFY2(note && note->isVisible() && note->text() == QStringLiteral("not assignable"),
                 qPrintable(QString::number(i)));
    }
    // The last control, past the assignment slots, still reaches the pedal.
    QComboBox* division = rig.widget<QComboBox>(QStringLiteral("Division"));
    QVERIFY(division);
    QVERIFY(division->isEnabled());
    division->setCurrentIndex(2);
    rig.settle();
    const auto& effect = rig.pedal()->effect();
    QCOMPARE(rig.pedal()->parameter_word(effect.address_of(23)), quint32(2 * (1024 / 5)) * 8192u);
}

void TestMainPedal::midi_menu_sends_its_17_messages() {
    Rig rig(QStringLiteral("in-process"));
    TformMain& w = rig.w();
    w.menuConnect->trigger();
    kx::test::settle();
    const QList<QAction*> items = w.menuMIDIchannel->actions();
    QCOMPARE(items.size(), 17);
    for (int channel = 0; channel < items.size(); ++channel) {
        items[channel]->trigger();
        kx::test::settle();
        rig.settle(5);
        QCOMPARE(rig.pedal()->midi_channel(), channel);
    }
    QVERIFY(rig.f.dialogs.messages.isEmpty());
}

// An impulse response effect before any import has no image: refused before anything is sent,
// the bypass included, and the window is as it was.
void TestMainPedal::upload_refuses_an_empty_impulse_response() {
    Rig rig(QStringLiteral("in-process"));
    TformMain& w = rig.w();
    w.menuConnect->trigger();
    kx::test::settle();
    rig.click_category(QStringLiteral("Impulse Response"));
    rig.f.dialogs.messages.clear();
    rig.click_effect(rig.w().lstEffects->item(0)->text());
    rig.pedal()->clear_history();
    w.btnUpload->click();
    kx::test::settle();
    rig.settle();
    QCOMPARE(rig.f.dialogs.messages.size(), 1);
    QVERIFY2(rig.f.dialogs.messages[0].startsWith(QLatin1String("There is no image to upload")),
             qPrintable(rig.f.dialogs.messages[0]));
    // Said before anything is asked.
    QCOMPARE(rig.f.dialogs.confirmations, QStringList());
    QCOMPARE(w.lblStatus->text(), QStringLiteral("Status: "));
    QVERIFY(w.btnUpload->isEnabled());
    QVERIFY(rig.pedal()->received().isEmpty());
    QVERIFY(!rig.pedal()->bypassed());
}

// Upload (or Ctrl+U) before any effect is chosen: no question about "the selected effect",
// only what to do first, and nothing is sent.
void TestMainPedal::upload_without_a_selected_effect_asks_nothing() {
    Rig rig(QStringLiteral("in-process"));
    TformMain& w = rig.w();
    w.menuConnect->trigger();
    kx::test::settle();
    rig.f.dialogs.messages.clear();
    rig.pedal()->clear_history();
    QVERIFY(w.btnUpload->isEnabled());
    w.btnUpload->click();
    kx::test::settle();
    rig.settle();
    QCOMPARE(rig.f.dialogs.confirmations, QStringList());
    QCOMPARE(rig.f.dialogs.messages,
             QStringList{"Choose an effect in the list first, then upload it."});
    QVERIFY(rig.pedal()->received().isEmpty());
}

QTEST_MAIN(TestMainPedal)
#include "tst_main_pedal.moc"
