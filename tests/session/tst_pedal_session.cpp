// The pedal session without windows: its states against its operations and what the pedal
// does (answers, stays silent, answers garbage, is unplugged), on the in-process virtual pedal
// with the instant clock. Each row checks the result, the signals and the bytes on the wire.
// Rows named "fault N" are faults a guitarist met while the pedal's work waited inside the
// event loop and its state had more than one owner.
#include "support/await.h"
#include "support/link_rig.h"

#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"
#include "library/effect_image.h"
#include "library/resource_store.h"
#include "link/pedal_commands.h"
#include "params/parameter_messages.h"
#include "session/pedal_session.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace kx;
using test::done;
using test::LinkRig;
using test::Transport;

namespace {

const QString kTape = QStringLiteral("Tape Loom Delay");

enum class Setup {
    NotConnected,
    NoEffect,   // connected; the pedal runs effect 0, as from the factory
    Live,       // Tape Loom Delay uploaded, opened and its values read
    Bootloader, // Upgrade Mode, the pedal powered up with the footswitch held
};

enum class Behaviour { Answers, Silent, Garbage, Unplugged };

enum class Op { Open, Request, Write, Assign, Store, Midi, Upload, Disconnect, OtherPreset };

template <typename T> Status status_of(const Result<T>& result) {
    return result ? Status{} : Status(result.failure());
}

struct Fixture {
    explicit Fixture(Setup setup, Transport transport = Transport::Instant)
        : rig(transport, {setup == Setup::Bootloader}),
          session(rig.comm, store, rig.log, rig.clock()) {
        if (setup == Setup::NotConnected)
            return;
        if (setup == Setup::Bootloader)
            (void)session.set_upgrade_mode(true);
        connected = done(session.connect_pedal());
        if (setup == Setup::Live) {
            const auto uploaded = done(session.upload_effect(kTape));
            live = uploaded.ok() && session.is_live(kTape);
            if (!live)
                qWarning("upload: %s", qPrintable(uploaded ? *uploaded : uploaded.error()));
        }
        mark = rig.pedal().received().size();
    }

    // The bytes the pedal received since the setup.
    QByteArray wire() {
        rig.pedal().advance(VirtualPedalDriver::now_us()); // what is still on the line
        QByteArray out;
        const auto& received = rig.pedal().received();
        for (qsizetype i = mark; i < received.size(); ++i)
            out.append(char(received.at(i).value));
        return out;
    }

    Task<Status> run(Op op) {
        switch (op) {
        case Op::Open:
            co_return status_of(co_await session.open_running_effect());
        case Op::Request:
            co_return status_of(co_await session.request_state());
        case Op::Write:
            co_return co_await session.write_control(0, 512);
        case Op::Assign:
            co_return co_await session.assign();
        case Op::Store:
            co_return co_await session.store();
        case Op::Midi:
            co_return co_await session.set_midi_channel(3);
        case Op::Upload:
            co_return status_of(co_await session.upload_effect(kTape));
        case Op::Disconnect:
            co_return co_await session.disconnect_pedal();
        case Op::OtherPreset: {
            Preset other;
            other.effect_number = session.effect().number + 1;
            other.values = QList<int>(session.effect().control_count(), 0);
            co_return co_await session.apply_preset(other,
                                                    PedalSession::PresetAssignments::Take);
        }
        }
        co_return Status{};
    }

    LinkRig rig;
    ResourceStore store;
    PedalSession session;
    Status connected;
    bool live = false;
    qsizetype mark = 0;
};

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Behaviour)
Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(kx::ErrorKind)

class TestPedalSession : public QObject {
    Q_OBJECT
private slots:
    void operations_by_state_and_behaviour_data();
    void operations_by_state_and_behaviour();
    void one_operation_at_a_time_in_the_order_asked();
    void a_write_asked_during_a_follow_request_goes_right_after_it();
    void follow_keeps_assignment_edits_not_sent();
    void firmware_version_known_whatever_the_effect();
    void a_second_open_reads_the_values_again();
    void a_cancelled_upgrade_leaves_the_bootloader_ready_for_another();
    void a_preset_goes_out_as_both_programs_send_it();
    void a_disconnect_waits_for_the_operation_before_it();
};

void TestPedalSession::operations_by_state_and_behaviour_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Op>("op");
    QTest::addColumn<Behaviour>("behaviour");
    QTest::addColumn<ErrorKind>("kind");  // None: it succeeds
    QTest::addColumn<QByteArray>("wire"); // hex of what goes out, or "*" for any

    const auto row = [](const char* name, Setup setup, Op op, Behaviour behaviour, ErrorKind kind,
                        const char* wire) {
        QTest::newRow(name) << setup << op << behaviour << kind << QByteArray(wire);
    };
    // Refused with nothing sent where the state does not allow it.
    row("not connected: open", Setup::NotConnected, Op::Open, Behaviour::Answers,
        ErrorKind::NotConnected, "");
    row("not connected: store", Setup::NotConnected, Op::Store, Behaviour::Answers,
        ErrorKind::NotConnected, "");
    row("no effect: write", Setup::NoEffect, Op::Write, Behaviour::Answers,
        ErrorKind::EffectUnknown, "");
    row("no effect: assign", Setup::NoEffect, Op::Assign, Behaviour::Answers,
        ErrorKind::EffectUnknown, "");
    // fault 8: the firmware's commands never reach the bootloader.
    row("fault 8: bootloader: open", Setup::Bootloader, Op::Open, Behaviour::Answers,
        ErrorKind::WrongLinkState, "");
    row("fault 8: bootloader: midi", Setup::Bootloader, Op::Midi, Behaviour::Answers,
        ErrorKind::WrongLinkState, "");
    row("bootloader: upload", Setup::Bootloader, Op::Upload, Behaviour::Answers,
        ErrorKind::WrongLinkState, "");
    row("not connected: disconnect", Setup::NotConnected, Op::Disconnect, Behaviour::Answers,
        ErrorKind::NotConnected, "");
    row("live: preset of another effect", Setup::Live, Op::OtherPreset, Behaviour::Answers,
        ErrorKind::BadInput, "");
    // The pedal answers.
    row("no effect: open", Setup::NoEffect, Op::Open, Behaviour::Answers, ErrorKind::NoEffect,
        "0500");
    row("live: open", Setup::Live, Op::Open, Behaviour::Answers, ErrorKind::None, "0500");
    row("live: store", Setup::Live, Op::Store, Behaviour::Answers, ErrorKind::None, "0308");
    row("live: midi", Setup::Live, Op::Midi, Behaviour::Answers, ErrorKind::None, "*");
    row("live: assign", Setup::Live, Op::Assign, Behaviour::Answers, ErrorKind::None, "*");
    row("live: write", Setup::Live, Op::Write, Behaviour::Answers, ErrorKind::None, "*");
    row("live: upload", Setup::Live, Op::Upload, Behaviour::Answers, ErrorKind::None, "*");
    row("live: disconnect", Setup::Live, Op::Disconnect, Behaviour::Answers, ErrorKind::None, "");
    // The pedal stays silent, answers garbage, or goes.
    row("live: request, silent", Setup::Live, Op::Request, Behaviour::Silent, ErrorKind::TimedOut,
        "0208");
    row("live: open, silent", Setup::Live, Op::Open, Behaviour::Silent, ErrorKind::TimedOut,
        "0500");
    row("live: request, garbage", Setup::Live, Op::Request, Behaviour::Garbage, ErrorKind::BadReply,
        "0208");
    row("live: open, garbage", Setup::Live, Op::Open, Behaviour::Garbage, ErrorKind::BadReply,
        "0500");
    row("live: request, unplugged", Setup::Live, Op::Request, Behaviour::Unplugged,
        ErrorKind::LinkLost, "");
    row("live: store, unplugged", Setup::Live, Op::Store, Behaviour::Unplugged, ErrorKind::LinkLost,
        "");
}

void TestPedalSession::operations_by_state_and_behaviour() {
    QFETCH(Setup, setup);
    QFETCH(Op, op);
    QFETCH(Behaviour, behaviour);
    QFETCH(ErrorKind, kind);
    QFETCH(QByteArray, wire);

    Fixture f(setup);
    QVERIFY(f.rig.ok());
    if (setup == Setup::Live)
        QVERIFY2(f.live, "the setup could not make the effect live");
    switch (behaviour) {
    case Behaviour::Answers:
        break;
    case Behaviour::Silent:
        f.rig.pedal().inject_silence(true);
        break;
    case Behaviour::Garbage:
        f.rig.pedal().inject_garbage(QByteArray("12\r\nxyz\r\n"));
        break;
    case Behaviour::Unplugged:
        f.rig.unplug();
        break;
    }
    QSignalSpy busy(&f.session, &PedalSession::busy_changed);
    QSignalSpy lost(&f.session, &PedalSession::link_lost);

    const Status result = done(f.run(op));

    QCOMPARE(result.error_kind(), result ? ErrorKind::None : kind);
    QCOMPARE(result.ok(), kind == ErrorKind::None);
    QVERIFY2(kind == ErrorKind::None || !result.error().isEmpty(), "a failure says why");
    if (wire != "*")
        QCOMPARE(f.wire().toHex().toUpper(), wire.toUpper());
    else
        QVERIFY(!f.wire().isEmpty());
    // Busy from the first operation asked until the last ended; a lost link said once.
    QCOMPARE(busy.count(), 2);
    QCOMPARE(busy.first().first().toBool(), true);
    QCOMPARE(busy.last().first().toBool(), false);
    QVERIFY(!f.session.busy());
    QCOMPARE(lost.count(), kind == ErrorKind::LinkLost ? 1 : 0);
    if (kind == ErrorKind::LinkLost)
        QCOMPARE(f.session.link_state(), LinkState::NotConnected);
}

// Operations asked while one runs wait their turn and run in the order asked; none starts
// inside another's wait.
void TestPedalSession::one_operation_at_a_time_in_the_order_asked() {
    // With the line's real timing, so that the first operation really waits.
    Fixture f(Setup::Live, Transport::InProcess);
    QVERIFY(f.live);
    QStringList order;
    Task<Status> request = f.run(Op::Request);
    Task<Status> write = f.session.write_control(1, 100);
    Task<Status> store = f.session.store();
    const auto ended = [&](Task<Status>& task, QString name) -> Task<> {
        (void)co_await task;
        order << name;
    };
    auto request_ended = ended(request, QStringLiteral("request"));
    auto write_ended = ended(write, QStringLiteral("write"));
    auto store_ended = ended(store, QStringLiteral("store"));
    QVERIFY(f.session.busy());
    test::settle();
    QCOMPARE(order, (QStringList{"request", "write", "store"}));
    // The request's bytes, then the write's, then the store's: nothing interleaved.
    const QByteArray wire = f.wire().toHex().toUpper();
    QVERIFY2(wire.startsWith("0208"), wire.constData());
    QVERIFY2(wire.endsWith("0308"), wire.constData());
    QCOMPARE(wire.indexOf("0308"), wire.size() - 4);
}

// A slider moved while a follow request waits: its write goes out right after the request, and
// the reply does not show the older value meanwhile.
void TestPedalSession::a_write_asked_during_a_follow_request_goes_right_after_it() {
    Fixture f(Setup::Live);
    QVERIFY(f.live);
    QList<int> shown;
    QObject::connect(&f.session, &PedalSession::value_changed,
                     [&](int index, int value, ValueOrigin) {
                         if (index == 0)
                             shown << value;
                     });
    bool asked = false;
    Task<Status> write;
    QObject::connect(&f.session, &PedalSession::follow_request_started, [&] {
        if (std::exchange(asked, true))
            return;
        write = f.session.write_control(0, 777);
    });
    QVERIFY(f.session.start_following());
    QTRY_VERIFY(asked);
    QTRY_VERIFY(!f.session.follow_request_running());
    f.session.stop_following();
    test::settle();
    QVERIFY(shown.contains(777));
    QCOMPARE(shown.last(), 777);
    QCOMPARE(f.session.state().values.value(0), 777);
    // The pedal plays what the user set.
    const QByteArray wire = f.wire().toHex().toUpper();
    QVERIFY2(wire.startsWith("0208"), wire.constData());
    QCOMPARE(wire.mid(4, 2), QByteArray("01"));
}

// fault 7: an assignment set in the window and not sent survives following.
void TestPedalSession::follow_keeps_assignment_edits_not_sent() {
    Fixture f(Setup::Live);
    QVERIFY(f.live);
    const quint8 before = f.session.state().control_assignments[0];
    const quint8 edited = before == 0x20 ? 0x21 : 0x20;
    f.session.set_control_assignment(0, edited);
    QVERIFY(f.session.start_following());
    QSignalSpy finished(&f.session, &PedalSession::follow_request_finished);
    QTRY_VERIFY(finished.count() >= 2);
    f.session.stop_following();
    test::settle();
    QCOMPARE(f.session.state().control_assignments[0], edited);
    // Sent, it is the pedal's: a later reply may show it again.
    QVERIFY(done(f.session.assign()));
    QCOMPARE(f.rig.pedal().assignments().controls[0], edited);
}

// fault 4 and 5: the information reply's firmware version is known whatever the effect, and an
// effect number the list does not hold is said as read.
void TestPedalSession::firmware_version_known_whatever_the_effect() {
    Fixture f(Setup::NoEffect);
    QVERIFY(f.connected);
    QCOMPARE(f.session.firmware_version(), 0);
    const auto opened = done(f.session.open_running_effect());
    QCOMPARE(opened.error_kind(), ErrorKind::NoEffect);
    QVERIFY(f.session.firmware_version() > 0);

    QByteArray image =
        image_bytes(f.store.read_file_from_stream(format_resource_name(kTape))->value(0));
    image[kEffectNumberOffset] = char(99);
    f.rig.pedal().storage().effect_image = image;
    f.rig.pedal().power_cycle(VirtualPedalDriver::now_us());
    QTest::qWait(int(sim::kFirmwareBoot_us / 1000) + 10); // bytes sent while it starts are lost
    const auto unknown = done(f.session.open_running_effect());
    QCOMPARE(unknown.error_kind(), ErrorKind::UnknownEffect);
    QVERIFY2(unknown.error().contains(QLatin1String("99")), qPrintable(unknown.error()));
    QVERIFY(f.session.firmware_version() > 0);
}

// fault 6: a second Open FX of the same effect drops the values read before it.
void TestPedalSession::a_second_open_reads_the_values_again() {
    Fixture f(Setup::Live);
    QVERIFY(f.live);
    QVERIFY(done(f.session.open_running_effect()));
    QVERIFY(!f.session.is_live(kTape));
    QVERIFY(done(f.session.request_state()));
    QVERIFY(f.session.is_live(kTape));
}

void TestPedalSession::a_cancelled_upgrade_leaves_the_bootloader_ready_for_another() {
    Fixture f(Setup::Bootloader);
    QVERIFY(f.connected);
    QCOMPARE(f.session.link_state(), LinkState::Bootloader);
    QByteArray bytes(3000, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    const LoadedFirmware image{QStringLiteral("Firmware_1"), 1, bytes,
                               QString::fromLatin1(bytes.toHex().toUpper())};
    const auto cancel_at_third =
        QObject::connect(&f.session.upgrade_operation(), &FirmwareUpgradeOperation::chunk_progress,
                         [&](int chunk, int) {
                             if (chunk == 2)
                                 f.session.cancel_upgrade();
                         });
    const Status cancelled = done(f.session.upgrade_firmware(image));
    QCOMPARE(cancelled.error_kind(), ErrorKind::Cancelled);
    QCOMPARE(f.session.link_state(), LinkState::Bootloader);
    QObject::disconnect(cancel_at_third);
    const Status again = done(f.session.upgrade_firmware(image));
    QVERIFY2(again, qPrintable(again.error()));
    QCOMPARE(f.session.link_state(), LinkState::Firmware);
}

QTEST_GUILESS_MAIN(TestPedalSession)
// A preset for the running effect: its values kept to the pedal's range and sent, and with
// Take its assignments sent after them, as the editor does for an effect it uploaded for it.
void TestPedalSession::a_preset_goes_out_as_both_programs_send_it() {
    Fixture f(Setup::Live);
    QVERIFY(f.live);
    const PedalEffect& effect = f.session.effect();
    Preset preset;
    preset.effect_number = effect.number;
    preset.effect_version = effect.version;
    preset.values = f.session.state().values.first(effect.control_count());
    preset.values[0] = 4000;
    preset.values[1] = (preset.values[1] + 7) % 1024;
    for (int i = 0; i < effect.control_count(); ++i)
        preset.control_assignments << quint8(i == 0 ? 3 : kUnassignedCode);

    QVERIFY(done(f.session.apply_preset(preset, PedalSession::PresetAssignments::Take)));

    QCOMPARE(f.session.state().values.at(0), kMaxControlValue);
    QCOMPARE(f.session.state().values.at(1), preset.values[1]);
    QCOMPARE(f.session.state().control_assignments[0], quint8(3));
    const QByteArray wire = f.wire();
    QCOMPARE(wire.at(0), char(0x01)); // the writes first ...
    QCOMPARE(wire.count(char(0x01)) >= 2, true);
    QVERIFY(wire.contains(char(0x04))); // ... then the assignments
    QVERIFY(f.rig.log.lines.join(QLatin1Char('\n'))
                .contains(QStringLiteral("control 0 holds 4000, sent as 1023")));

    // Keep: the values only.
    f.mark = f.rig.pedal().received().size();
    preset.values[1] = (preset.values[1] + 7) % 1024;
    QVERIFY(done(f.session.apply_preset(preset, PedalSession::PresetAssignments::Keep)));
    QVERIFY(!f.wire().contains(char(0x04)));
}

// Disconnect takes its turn: an exchange asked before it ends first, and nothing of it is cut.
void TestPedalSession::a_disconnect_waits_for_the_operation_before_it() {
    Fixture f(Setup::Live, Transport::InProcess);
    QVERIFY(f.live);
    Task<Status> request = f.run(Op::Request);
    Task<Status> disconnect = f.session.disconnect_pedal();
    QVERIFY(f.session.busy());
    QVERIFY(done(std::move(request)));
    QVERIFY(done(std::move(disconnect)));
    QCOMPARE(f.session.link_state(), LinkState::NotConnected);
}

#include "tst_pedal_session.moc"
