#pragma once

// PedalSession: what the editor and kestrel-x know about the pedal, and the operations both
// call. One object a program run, over the link's Communication; no widgets.
//
// Reading it:
//   link_state()       not connected, running firmware, bootloader (or one that did not
//                      answer), upgrading; link_state_changed() announces every change.
//   effect()           the running effect: number, version, name, description (N, R) and the
//                      parameter addresses; known after open_running_effect() or an upload.
//                      effect_known() is false until then, and after a disconnect.
//   state()            the values as edited and the assignments of that effect. Every write
//                      that reached the pedal updates them, so a preset saved from them holds
//                      what the pedal plays. values_known() once a request or a preset filled
//                      them.
//   ir_image(name)     the impulse response image imported for effect `name` (empty: none).
//
// Operations start at once and give a Task whose result is a Result with an ErrorKind
// (base/error_kind.h); none shows a box, and none blocks: a wait for the pedal or a pause
// suspends the operation and returns to the event loop. The session runs one operation at a
// time, in the order they were asked for: one asked while another runs waits its turn (a
// slider's write asked during a follow request goes right after it). Each is refused, with
// nothing sent, where the state at its turn does not allow it: firmware commands in any state
// but Firmware (WrongLinkState), request/assign/store/write while the running effect's
// description is unknown (EffectUnknown), and open on a pedal that runs effect 0 (NoEffect).
// busy_changed() is true from the first operation asked until the queue is empty.
//
// Signals for windows (and followers of the pedal) to hook into:
//   link_state_changed, effect_changed, value_changed(index, value, origin) with the origin
//   UserEdit, Reply or Preset; values_read (a request filled every value and assignment);
//   assignments_changed(origin); busy_changed; following_changed; link_lost(detail).
//
// Following the pedal: while following() the session repeats the parameter request on a
// timer of the thread it lives on, one request at a time, kFollowPause_ms after the last one
// ended. A request is skipped while other operations are queued, or while the hold set with
// set_follow_hold() says so (a slider being dragged). What changed arrives as Reply: shown,
// never written back. A user's write asked while a follow request waits goes out right after
// it, and the reply does not show an older value for that control meanwhile.
//
// Adding a pedal command: build its bytes in link/pedal_commands or params/parameter_messages,
// then add an operation here that checks the state, sends through Communication and updates
// what the session knows; both programs call that operation.

#include "base/result.h"
#include "base/task.h"
#include "base/translation.h"
#include "link/pedal_commands.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"
#include "params/parameters_state.h"
#include "params/preset_file.h"
#include "session/upload_evidence.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace kx {

class Clock;
class Communication;
class EffectUpload;
class FirmwareUpgradeOperation;
class Log;
class ResourceStore;
struct LoadedFirmware;

namespace session {

// Pause after a message without an answer (store, assign, MIDI channel), while the pedal acts
// on it; a program that closes the chip right after must wait this long too.
inline constexpr int kSettlePauseMs = 100;

inline constexpr char kMessageNotConnected[] =
    QT_TRANSLATE_NOOP("Session", "The pedal is not connected. Choose Connection > Connect first.");
inline constexpr char kMessageInBootloader[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal is in its bootloader, which only takes a firmware upgrade. Start the upgrade, "
    "or disconnect and power the pedal up without holding the footswitch.");
inline constexpr char kMessageUpgrading[] =
    QT_TRANSLATE_NOOP("Session", "The firmware upgrade is running; wait for it to end.");
inline constexpr char kMessageNoEffect[] = QT_TRANSLATE_NOOP(
    "Session",
    "The pedal runs no effect yet. Choose an effect in the list and click Upload Selected "
    "Effect to put one on it.");
inline constexpr char kMessageEffectUnknown[] = QT_TRANSLATE_NOOP(
    "Session", "The editor does not know the pedal's effect yet: click Open FX first.");
inline constexpr char kMessageValuesUnknown[] = QT_TRANSLATE_NOOP(
    "Session", "The editor has not read the pedal's assignments yet: click Request first.");
inline constexpr char kMessageUnknownNumber[] = QT_TRANSLATE_NOOP(
    "Session", "The pedal reports effect number %1, which this editor's effect list does not hold. "
               "Upload an effect from the list to replace it.");
inline constexpr char kMessageUploadNotConfirmed[] = QT_TRANSLATE_NOOP(
    "Session", "The upload of %1 failed: the pedal now reports %2. Upload it again.");
inline constexpr char kMessageBadAddress[] = QT_TRANSLATE_NOOP(
    "Session",
    "The image of \"%1\" holds \"%2\" as the address of control %3, which is not a parameter "
    "address.");
inline constexpr char kMessageNoSuchControl[] =
    QT_TRANSLATE_NOOP("Session", "The running effect has no control %1.");
inline constexpr char kMessagePresetOtherEffect[] = QT_TRANSLATE_NOOP(
    "Session",
    "The preset is for effect %1, but the pedal runs effect %2 \"%3\": upload that effect first.");
inline constexpr char kMessagePresetDoesNotFit[] = QT_TRANSLATE_NOOP(
    "Session", "The preset holds %1 controls, but \"%2\" has %3: it was not loaded.");
inline constexpr char kMessageComparing[] = QT_TRANSLATE_NOOP(
    "Session", "Compare is on: the pedal plays the sound as stored. Click Compare to go "
               "back to your edits first.");
inline constexpr char kMessageNothingToCompare[] = QT_TRANSLATE_NOOP(
    "Session", "There is no stored sound to compare with yet: click Request first.");
inline constexpr char kLogPresetValueClamped[] =
    "preset value out of range: control %1 holds %2, sent as %3";

// Between the end of one follow request and the start of the next: a knob turned on the
// pedal shows within this plus two requests, and the link is free for the user meanwhile.
inline constexpr int kFollowPause_ms = 200;
// Why following ended, for the status line ("Follow Pedal is off: " and the reason).
inline constexpr char kFollowNotLive[] = QT_TRANSLATE_NOOP(
    "Session", "the editor has not read the running effect's values: click Request first.");
inline constexpr char kFollowLinkGone[] =
    QT_TRANSLATE_NOOP("Session", "the pedal is not connected.");
inline constexpr char kFollowOtherEffect[] =
    QT_TRANSLATE_NOOP("Session", "the pedal runs another effect.");

} // namespace session

enum class LinkState {
    NotConnected,
    Firmware,         // the pedal's firmware answers: every pedal command
    Bootloader,       // the bootloader acknowledged the check: the upgrade only
    BootloaderSilent, // connected for an upgrade, but the bootloader did not answer
    Upgrading,        // the firmware upgrade runs
};

// Where a value came from: windows show all of them, but only a user edit is an undo step, and
// a follower of the pedal echoes nothing filled in from a reply. Restore: a whole sound set
// back (Compare, a reset, the undo of one), which the window that asked for it records itself.
enum class ValueOrigin { UserEdit, Reply, Preset, Restore };

// Where the sound to compare with came from.
enum class StoredSource { None, Pedal, Preset };

// The effect the pedal runs, as the editor knows it.
struct PedalEffect {
    int number = 0;
    int version = 0;
    int firmware_version = 0;
    QString name;
    ControlDescription description;
    QList<quint16> addresses;                                         // control index order
    int control_count() const { return description.control_count; }   // N
    int readback_count() const { return description.readback_count; } // R
};

class PedalSession : public QObject {
    Q_OBJECT
public:
    PedalSession(Communication& comm, ResourceStore& store, Log& log, Clock& clock,
                 QObject* parent = nullptr);
    ~PedalSession() override;

    // ---- what the session knows
    LinkState link_state() const { return m_link_state; }
    bool busy() const { return m_serving != m_next_ticket; }
    // Busy with more than a follow request: what the user asked waits or runs.
    bool busy_for_user() const { return m_next_ticket - m_serving > (m_follow_running ? 1u : 0u); }
    // Operations asked and not ended, over every session of the program (tests wait for none).
    static int operations_pending() { return s_pending; }
    bool effect_known() const { return m_effect_known; }
    const PedalEffect& effect() const { return m_effect; }
    const FXParametersState& state() const { return m_state; }
    bool values_known() const { return m_values_known; }
    // The running firmware's version from its last information reply; 0 until one came on this
    // connection.
    int firmware_version() const { return m_firmware_version; }
    // The firmware version this pedal (the chip's serial) last reported, in this run or an
    // earlier one (see set_firmware_memory_file); 0 when it never did.
    int reported_firmware_version() const;
    // Where the versions pedals reported are kept between runs; empty keeps them for the run.
    void set_firmware_memory_file(const QString& path) { m_firmware_memory_file = path; }
    // Whether `effect_name` is the running effect with its values read: its window is live.
    bool is_live(const QString& effect_name) const;
    Communication& communication() { return m_comm; }

    // ---- connection: Communication connects; the session follows its state.
    // Upgrade Mode: the next connect checks for the bootloader. Refused while connected.
    Status set_upgrade_mode(bool on);
    bool upgrade_mode() const;
    // Opens the chosen chip (and, in Upgrade Mode, checks for the bootloader) in its turn.
    Task<Status> connect_pedal();
    // Closes the chip in its turn: after what was asked before it, never inside an exchange.
    Task<Status> disconnect_pedal();
    // Lists the chips again in its turn (the connection keeps the listing it connects from).
    Task<Status> list_chips();
    // As list_chips, and gives each chip's description (NoPedal when there is none).
    Task<Result<QStringList>> scan_chips();
    // Re-reads the link's state and announces a change (Communication calls it).
    void refresh_link_state();

    // ---- operations of the running firmware
    // Asks the pedal what it runs (05 00), names it from the catalogue and reads its control
    // description and addresses. Effect 0 gives NoEffect, and nothing else is asked.
    Task<Result<PedalEffect>> open_running_effect();
    // Reads the running effect's values and assignments (02 N); opens the effect first when it
    // is not known yet. The values arrive as ValueOrigin::Reply.
    Task<Result<ParameterReply>> request_state();
    // Sends control i's value (01 address word) and keeps it in the values list.
    Task<Status> write_control(int index, int value, ValueOrigin origin = ValueOrigin::UserEdit);
    // A preset's values: each one that differs is written as by write_control (origin Preset);
    // its assignments are taken into the lists (Assign sends them).
    Task<Status> load_values(QList<int> values);
    // Whether applying a preset takes its assignments too: an effect uploaded for the preset
    // does; one that already ran keeps the assignments it has (as edited).
    enum class PresetAssignments { Keep, Take };
    // A preset for the running effect, in one turn: refused (BadInput, nothing sent) when it
    // names another effect or another control count. Its values go out as load_values sends
    // them, each kept to 0..1023 (the log says which were not); with Take, its control and
    // read-back assignments are then sent as assign() sends them. The bypass and preset-change
    // codes, which no preset holds, stay as they are.
    Task<Status> apply_preset(Preset preset, PresetAssignments assignments);
    // The assignment lists as edited (not sent until assign()).
    void set_control_assignment(int index, quint8 code);
    void set_readback_assignment(int index, quint8 code);
    void set_bypass_assignment(quint8 code);
    void set_preset_assignment(quint8 code);
    // Sends the assignment lists (04 ...), then pauses kSettlePauseMs. Refused until a request
    // or a preset filled them.
    Task<Status> assign();
    // Stores the running effect's settings on the pedal (03 N), then pauses kSettlePauseMs.
    Task<Status> store();
    // channel 0 is OMNI, 1..16 the channels (07 channel), then pauses kSettlePauseMs.
    Task<Status> set_midi_channel(int channel);
    // Sends the bypass message (0D 00).
    Task<Status> enter_bypass();

    // ---- the sound as stored, and Compare (pedal_session_compare.cpp)
    // The running effect's values as last stored on the pedal (or read from it when the effect
    // opened) or loaded from a preset; empty until values were read.
    const QList<int>& stored_values() const { return m_stored_values; }
    StoredSource stored_source() const { return m_stored_source; }
    // While comparing, the pedal plays the stored values and state() shows them; the values as
    // edited wait in edited_values() until Compare ends.
    bool comparing() const { return m_comparing; }
    QList<int> edited_values() const { return m_comparing ? m_edited_values : m_state.values; }
    // Switches the pedal to the stored sound (on) or back to the values as edited (off), in
    // one turn: each value that differs from what the pedal plays goes out as its control's
    // write. A user's write is refused while comparing (kMessageComparing).
    Task<Status> set_comparing(bool on);
    // Ends Compare keeping the stored sound: it becomes the values as edited, and the edits
    // are let go. Nothing is sent: the pedal plays it already.
    void keep_stored_sound();
    // The starting values the running effect's image carries (its imported impulse response
    // for such an effect), one for each control, kept to 0..1023.
    Result<QList<int>> image_values() const;
    // Writes each of `values` that differs from what the pedal plays, in one turn, as
    // write_control does.
    Task<Status> write_values(QList<int> values, ValueOrigin origin = ValueOrigin::Restore);

    // ---- images
    void set_ir_image(const QString& effect_name, const QString& image_text);
    QString ir_image(const QString& effect_name) const { return m_ir_images.value(effect_name); }
    // The image text an upload of `effect_name` sends: its imported impulse response, else its
    // own image (an impulse response effect has none of its own until an import).
    Result<QString> upload_image_text(const QString& effect_name);
    // Uploads `effect_name` (bypass, pause, image, answer), then opens the running effect and
    // checks that the pedal now runs it (anything else is UploadFailed) and reads its values.
    // Returns the pedal's answer text (CR LF removed). A failure after the confirmation leaves
    // the effect known (effect_known()).
    Task<Result<QString>> upload_effect(QString effect_name);
    EffectUpload& upload_operation();

    // ---- the firmware upgrade (Bootloader state only); the link state is Upgrading meanwhile
    // and Firmware after success. Upgrade Mode is off after success.
    Task<Status> upgrade_firmware(LoadedFirmware image);
    // Stops the running upgrade between two chunks (it then ends with ErrorKind::Cancelled),
    // where the bootloader waits for a command: a new start resynchronises and starts over.
    void cancel_upgrade();
    FirmwareUpgradeOperation& upgrade_operation();

    // Forgets the running effect and its values (a disconnect, a lost link, an upgrade).
    void forget_effect();

    // ---- following the pedal (see the top of this file)
    // Needs the running effect's values read (EffectUnknown otherwise); the first request
    // goes out at once.
    Status start_following();
    // Ends following; `reason` (empty when the user chose it) goes with following_changed.
    void stop_following(const QString& reason = {});
    bool following() const { return m_following; }
    // A follow request is waiting for its reply now.
    bool follow_request_running() const { return m_follow_running; }
    // Asked before each follow request: true skips it (the user is dragging a control).
    void set_follow_hold(std::function<bool()> hold) { m_follow_hold = std::move(hold); }

signals:
    void link_state_changed(kx::LinkState state);
    void effect_changed();
    void value_changed(int index, int value, kx::ValueOrigin origin);
    void values_read();
    void assignments_changed(kx::ValueOrigin origin);
    void busy_changed(bool busy);
    // An operation's turn ended (the next one in the queue may start).
    void turn_passed();
    // The chip vanished during an exchange or a step (the link's words as `detail`); the link
    // state is NotConnected already. Announced once: the failed operation returns LinkLost too.
    void link_lost(const QString& detail);
    // Following began (on) or ended; `reason` says why it ended unless the user ended it.
    void following_changed(bool on, const QString& reason);
    // Compare began (on) or ended; the stored sound changed (a store, a preset, a first read).
    void comparing_changed(bool on);
    void stored_changed();
    // A follow request began waiting for its reply, and ended.
    void follow_request_started();
    void follow_request_finished();

private:
    // The queue: each operation takes a ticket when asked and runs once it is served; the
    // Turn it holds passes the link on when it ends.
    class Turn {
    public:
        explicit Turn(PedalSession* session) : m_session(session) {}
        Turn(Turn&& other) noexcept : m_session(std::exchange(other.m_session, nullptr)) {}
        Turn& operator=(Turn&&) = delete;
        ~Turn();

    private:
        PedalSession* m_session;
    };
    Task<Turn> queue_turn();
    void pass_turn();

    // The operations' work, run inside a turn (they call each other without queueing).
    Task<Result<PedalEffect>> open_now();
    Task<Result<ParameterReply>> request_now();
    // What the pedal runs before an upload, as far as the session knows or the pedal says.
    Task<session::PedalSnapshot> snapshot_before_upload();
    // `shown`: the value was kept and announced when the write was asked.
    Task<Status> write_now(int index, int value, ValueOrigin origin, bool shown);
    void keep_value(int index, int value, ValueOrigin origin);
    Task<Status> send_then_settle(QByteArray message);
    Task<Status> load_values_now(QList<int> values);
    Task<Status> assign_now();
    Task<Status> send_bypass();

    // The values just read, stored or loaded are the sound to compare with from now on.
    void set_stored(const QList<int>& values, StoredSource source);
    void clear_stored();
    void remember_firmware_version(int version);
    Status require_firmware() const;
    Status require_effect() const;
    void take_reply(const ParameterReply& reply);
    // The values and assignments a complete reply gives for the running effect.
    FXParametersState state_of_reply(const ParameterReply& reply) const;
    Task<> follow_once();
    // The bytes of one parameter write, and the pause after a pot's.
    Task<Status> send_control(int index, int value);

    Communication& m_comm;
    ResourceStore& m_store;
    Log& m_log;
    Clock& m_clock;
    LinkState m_link_state = LinkState::NotConnected;
    quint64 m_next_ticket = 0; // of the next operation asked
    quint64 m_serving = 0;     // the ticket whose operation runs (== m_next_ticket: none)
    bool m_wake_queued = false;
    static inline int s_pending = 0;
    bool m_effect_known = false;
    bool m_values_known = false;
    bool m_upgrading = false;
    int m_firmware_version = 0;
    // The effect number and version of the pedal's last information reply (0: none runs).
    std::optional<std::pair<int, int>> m_reported_effect;
    PedalEffect m_effect;
    FXParametersState m_state;
    QHash<QString, QString> m_ir_images;
    std::unique_ptr<EffectUpload> m_upload;
    std::unique_ptr<FirmwareUpgradeOperation> m_upgrade;

    bool m_following = false;
    bool m_follow_running = false;
    int m_followed_number = 0;
    QTimer m_follow_timer;
    std::function<bool()> m_follow_hold;
    // Writes asked and not yet sent, by control: a follow reply read meanwhile does not show
    // an older value for them.
    QHash<int, int> m_queued_writes;
    // The user changed an assignment that Assign has not sent yet: no reply overwrites it.
    bool m_assignments_edited = false;

    QList<int> m_stored_values;
    StoredSource m_stored_source = StoredSource::None;
    bool m_comparing = false;
    QList<int> m_edited_values;
    // Versions reported in this run, by chip serial, and the file that keeps them.
    QHash<QString, int> m_reported_firmware;
    QString m_firmware_memory_file;
};

QString link_state_name(LinkState state);

} // namespace kx
