#include "session/pedal_session.h"

#include "base/clock.h"
#include "base/log.h"
#include "base/translation.h"
#include "firmware/upgrade_operation.h"
#include "library/categories.h"
#include "library/effect_image.h"
#include "library/effect_naming.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/effect_upload.h"
#include "params/control_addresses.h"
#include "session/pedal_messages.h"
#include "session/upload_evidence.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace kx {

using namespace session;

namespace {

// After each pot write, so that a dragged slider does not flood the pedal's input.
constexpr int kPotPauseMs = 1;
constexpr char kImpulseResponseList[] = "impulse_response";

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

QString link_state_name(LinkState state) {
    switch (state) {
    case LinkState::NotConnected:
        return QStringLiteral("not connected");
    case LinkState::Firmware:
        return QStringLiteral("firmware");
    case LinkState::Bootloader:
        return QStringLiteral("bootloader");
    case LinkState::BootloaderSilent:
        return QStringLiteral("bootloader silent");
    case LinkState::Upgrading:
        return QStringLiteral("upgrading");
    }
    return {};
}

PedalSession::PedalSession(Communication& comm, ResourceStore& store, Log& log, Clock& clock,
                           QObject* parent)
    : QObject(parent), m_comm(comm), m_store(store), m_log(log), m_clock(clock) {
    qRegisterMetaType<kx::LinkState>();
    qRegisterMetaType<kx::ValueOrigin>();
    m_comm.set_state_handler([this] { refresh_link_state(); });
    m_comm.set_lost_handler([this](const Error& error) { emit link_lost(error.message); });
    refresh_link_state();
    m_follow_timer.setSingleShot(true);
    connect(&m_follow_timer, &QTimer::timeout, this, [this] { follow_once(); });
}

PedalSession::~PedalSession() {
    m_comm.set_state_handler({});
    m_comm.set_lost_handler({});
}

bool PedalSession::is_live(const QString& effect_name) const {
    return m_link_state == LinkState::Firmware && m_effect_known && m_values_known &&
           !effect_name.isEmpty() && effect_name == m_effect.name;
}

// ---- the queue

PedalSession::Turn::~Turn() {
    if (m_session)
        m_session->pass_turn();
}

Task<PedalSession::Turn> PedalSession::queue_turn() {
    const quint64 ticket = m_next_ticket++;
    ++s_pending;
    if (ticket == m_serving)
        emit busy_changed(true);
    while (ticket != m_serving)
        co_await signal_or_timeout(this, &PedalSession::turn_passed, -1);
    co_return Turn(this);
}

void PedalSession::pass_turn() {
    ++m_serving;
    --s_pending;
    if (!busy()) {
        emit busy_changed(false);
        return;
    }
    // The next operation starts from the event loop, not inside the end of this one.
    if (std::exchange(m_wake_queued, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_wake_queued = false;
        emit turn_passed();
    });
}

void PedalSession::refresh_link_state() {
    LinkState state = LinkState::Firmware;
    if (!m_comm.connected())
        state = LinkState::NotConnected;
    else if (m_upgrading)
        state = LinkState::Upgrading;
    else if (m_comm.firmware_upgrade_mode)
        state = m_comm.bootloader_ready ? LinkState::Bootloader : LinkState::BootloaderSilent;
    if (state == m_link_state)
        return;
    m_link_state = state;
    if (state != LinkState::Firmware) {
        m_firmware_version = 0;
        m_reported_effect.reset();
    }
    if (state != LinkState::Firmware)
        stop_following(ui_text("Session", kFollowLinkGone));
    // What the editor knew of the effect holds only while the firmware stays connected.
    if (state != LinkState::Firmware)
        forget_effect();
    emit link_state_changed(state);
}

Status PedalSession::set_upgrade_mode(bool on) {
    if (m_comm.connected() && on != m_comm.firmware_upgrade_mode)
        return Error{
            ui_text("Session", "Upgrade Mode changes only while the pedal is not connected."),
            ErrorKind::WrongLinkState};
    m_comm.firmware_upgrade_mode = on;
    return {};
}

Task<Status> PedalSession::connect_pedal() {
    const Turn turn = co_await queue_turn();
    co_return co_await m_comm.connect_device();
}

Task<Status> PedalSession::disconnect_pedal() {
    const Turn turn = co_await queue_turn();
    co_return m_comm.disconnect_device();
}

Task<Status> PedalSession::list_chips() {
    const Turn turn = co_await queue_turn();
    co_return m_comm.list_devices();
}

Task<Result<QStringList>> PedalSession::scan_chips() {
    const Turn turn = co_await queue_turn();
    co_return m_comm.scan_devices();
}

bool PedalSession::upgrade_mode() const {
    return m_comm.firmware_upgrade_mode;
}

void PedalSession::forget_effect() {
    stop_following(ui_text("Session", kFollowOtherEffect));
    if (!m_effect_known && !m_values_known)
        return;
    m_effect_known = false;
    m_values_known = false;
    m_effect = PedalEffect();
    m_state = FXParametersState();
    clear_stored();
    emit effect_changed();
}

Status PedalSession::require_firmware() const {
    switch (m_link_state) {
    case LinkState::Firmware:
        // A wait that runs is refused by the link itself, with its log line and status text.
        return {};
    case LinkState::NotConnected:
        return Error{ui_text("Session", kMessageNotConnected), ErrorKind::NotConnected};
    case LinkState::Bootloader:
    case LinkState::BootloaderSilent:
        return Error{ui_text("Session", kMessageInBootloader), ErrorKind::WrongLinkState};
    case LinkState::Upgrading:
        return Error{ui_text("Session", kMessageUpgrading), ErrorKind::Busy};
    }
    return {};
}

Status PedalSession::require_effect() const {
    if (const Status firmware = require_firmware(); !firmware)
        return firmware;
    if (!m_effect_known)
        return Error{ui_text("Session", kMessageEffectUnknown), ErrorKind::EffectUnknown};
    return {};
}

// ---- running firmware

Task<Result<PedalEffect>> PedalSession::open_running_effect() {
    const Turn turn = co_await queue_turn();
    co_return co_await open_now();
}

Task<Result<PedalEffect>> PedalSession::open_now() {
    if (const Status firmware = require_firmware(); !firmware)
        co_return firmware.failure();
    const auto reply =
        co_await m_comm.receive_text(effect_information_message(), information_reply());
    if (!reply)
        co_return reply.failure();
    const auto info = parse_effect_info(*reply);
    if (!info)
        co_return Error{info.error(), ErrorKind::BadReply};
    for (const QString& line : effect_info_log_lines(*info))
        m_log.print_line(line);

    PedalEffect effect;
    effect.number = info->pedal_effect_number;
    effect.version = info->pedal_effect_version;
    effect.firmware_version = info->pedal_firmware_version;
    m_reported_effect = {effect.number, effect.version};
    remember_firmware_version(effect.firmware_version);
    // The firmware's version is known whatever effect it runs (after an upgrade, none).
    if (m_firmware_version != effect.firmware_version) {
        m_firmware_version = effect.firmware_version;
        emit effect_changed();
    }
    if (effect.number == 0) {
        forget_effect();
        m_effect.firmware_version = effect.firmware_version;
        co_return Error{ui_text("Session", kMessageNoEffect), ErrorKind::NoEffect};
    }
    const Result<QString> named = name_pedal_effect(effect.number, m_store, m_log);
    if (!named) {
        forget_effect();
        if (named.error_kind() != ErrorKind::BadReply)
            co_return named.failure();
        // The pedal's answer was read: it names a number the list does not hold.
        co_return Error{ui_text("Session", kMessageUnknownNumber).arg(effect.number),
                        ErrorKind::UnknownEffect};
    }
    effect.name = *named;

    const auto description = read_control_description(effect.name, m_store, m_log);
    if (!description) {
        forget_effect();
        co_return description.failure();
    }
    const auto address_texts =
        read_control_addresses(effect.name, description->control_count, m_store, m_log);
    if (!address_texts) {
        forget_effect();
        co_return address_texts.failure();
    }
    for (int i = 0; i < description->control_count; ++i) {
        const auto address = parse_address_text(address_texts->value(i));
        if (!address) {
            forget_effect();
            co_return Error{ui_text("Session", kMessageBadAddress)
                                .arg(effect.name, address_texts->value(i))
                                .arg(i),
                            ErrorKind::BadInput};
        }
        effect.addresses << *address;
    }
    effect.description = *description;

    // Values are the pedal's only when read after this: the pedal may have changed them since
    // an earlier request (a knob turned, a preset recalled), even for the same effect.
    stop_following(ui_text("Session", kFollowOtherEffect));
    m_effect = effect;
    m_effect_known = true;
    m_values_known = false;
    m_state = FXParametersState();
    m_assignments_edited = false;
    clear_stored();
    emit effect_changed();
    co_return Result<PedalEffect>(m_effect); // a copy: co_return would move from the member
}

FXParametersState PedalSession::state_of_reply(const ParameterReply& reply) const {
    FXParametersState read;
    const int n = m_effect.control_count();
    read.values = m_state.values;
    read.values.resize(n);
    for (int i = 0; i < n; ++i)
        read.values[i] = reply.values.value(i).value_or(read.values.at(i));
    for (int i = 0; i < int(reply.control_codes.size()) && i < kAssignableControls; ++i)
        read.control_assignments[i] = reply.control_codes.at(i).value_or(kUnassignedCode);
    for (int j = 0; j < int(reply.readback_codes.size()) && j < kMaxReadbackCount; ++j)
        read.readback_assignments[j] = reply.readback_codes.at(j).value_or(kUnassignedCode);
    read.bypass_assignment = reply.bypass_code.value_or(kUnassignedCode);
    read.preset_assignment = reply.preset_code.value_or(kUnassignedCode);
    return read;
}

void PedalSession::take_reply(const ParameterReply& reply) {
    m_state = state_of_reply(reply);
    m_values_known = true;
}

Task<Result<ParameterReply>> PedalSession::request_state() {
    const Turn turn = co_await queue_turn();
    co_return co_await request_now();
}

Task<Result<ParameterReply>> PedalSession::request_now() {
    if (const Status firmware = require_firmware(); !firmware)
        co_return firmware.failure();
    if (!m_effect_known) {
        const auto opened = co_await open_now();
        if (!opened)
            co_return opened.failure();
    }
    const int n = m_effect.control_count();
    const auto values =
        co_await m_comm.receive_values(parameter_request_message(n), parameter_reply(n));
    if (!values)
        co_return values.failure();
    // A reply short of any value, or with a value no control can have, changes nothing: half
    // a state saved as a preset would be a tone the pedal never played.
    const auto read = read_parameter_reply(*values, n, m_effect.readback_count());
    if (!read)
        co_return read.failure();
    const ParameterReply reply = *read;
    // The first values read after the effect opened are what the pedal holds for it: the
    // stored sound, or the image's after an upload.
    const bool first_read = m_stored_source == StoredSource::None;
    take_reply(reply);
    if (first_read)
        set_stored(m_state.values, StoredSource::Pedal);
    m_assignments_edited = false;
    for (int i = 0; i < n; ++i)
        emit value_changed(i, m_state.values.at(i), ValueOrigin::Reply);
    emit assignments_changed(ValueOrigin::Reply);
    emit values_read();
    co_return reply;
}

Task<Status> PedalSession::write_control(int index, int value, ValueOrigin origin) {
    // The edits wait while the stored sound plays; the window asks the user what to do first.
    if (m_comparing && origin == ValueOrigin::UserEdit)
        co_return Error{ui_text("Session", kMessageComparing), ErrorKind::BadInput};
    // The value as edited is the session's at once, so that a Save right after it holds it; it
    // reaches the pedal in its turn.
    const bool shown = m_effect_known && index >= 0 && index < m_effect.control_count();
    if (shown)
        keep_value(index, value, origin);
    ++m_queued_writes[index];
    const Turn turn = co_await queue_turn();
    if (--m_queued_writes[index] <= 0)
        m_queued_writes.remove(index);
    co_return co_await write_now(index, value, origin, shown);
}

void PedalSession::keep_value(int index, int value, ValueOrigin origin) {
    if (m_state.values.size() < m_effect.control_count())
        m_state.values.resize(m_effect.control_count());
    m_state.values[index] = value;
    emit value_changed(index, value, origin);
}

Task<Status> PedalSession::write_now(int index, int value, ValueOrigin origin, bool shown) {
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    if (index < 0 || index >= m_effect.control_count())
        co_return Error{ui_text("Session", kMessageNoSuchControl).arg(index), ErrorKind::BadInput};
    if (const Status sent = co_await send_control(index, value); !sent)
        co_return sent;
    // What reached the pedal is what it plays now, and what a preset saves.
    if (!shown)
        keep_value(index, value, origin);
    co_return Status{};
}

Task<Status> PedalSession::send_control(int index, int value) {
    const ControlKind kind = m_effect.description.controls.at(index).kind;
    const QByteArray message = parameter_write_message(m_effect.addresses.at(index), value);
    m_log.print_line(parameter_log_line(kind, index, message));
    if (const Status sent = co_await m_comm.send_message(message); !sent)
        co_return sent;
    if (kind == ControlKind::Pot)
        co_await m_comm.pause(kPotPauseMs, &m_clock);
    co_return Status{};
}

Task<Status> PedalSession::load_values(QList<int> values) {
    const Turn turn = co_await queue_turn();
    const Status loaded = co_await load_values_now(std::move(values));
    co_return loaded;
}

Task<Status> PedalSession::load_values_now(QList<int> values) {
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    if (values.size() != m_effect.control_count())
        co_return Error{
            ui_text("Session", "The values are for %1 controls, the running effect has %2.")
                .arg(values.size())
                .arg(m_effect.control_count()),
            ErrorKind::BadInput};
    for (int i = 0; i < values.size(); ++i) {
        if (m_values_known && m_state.values.value(i) == values.at(i))
            continue;
        if (const Status sent = co_await write_now(i, values.at(i), ValueOrigin::Preset, false);
            !sent)
            co_return sent;
    }
    m_values_known = true;
    // The preset is now the sound as edited, and the one to compare with.
    const bool was_comparing = std::exchange(m_comparing, false);
    m_edited_values.clear();
    set_stored(values, StoredSource::Preset);
    if (was_comparing)
        emit comparing_changed(false);
    co_return Status{};
}

void PedalSession::set_control_assignment(int index, quint8 code) {
    if (index < 0 || index >= kAssignableControls || m_state.control_assignments[index] == code)
        return;
    m_state.control_assignments[index] = code;
    m_assignments_edited = true;
    emit assignments_changed(ValueOrigin::UserEdit);
}

void PedalSession::set_readback_assignment(int index, quint8 code) {
    if (index < 0 || index >= kMaxReadbackCount || m_state.readback_assignments[index] == code)
        return;
    m_state.readback_assignments[index] = code;
    m_assignments_edited = true;
    emit assignments_changed(ValueOrigin::UserEdit);
}

void PedalSession::set_bypass_assignment(quint8 code) {
    if (m_state.bypass_assignment == code)
        return;
    m_state.bypass_assignment = code;
    m_assignments_edited = true;
    emit assignments_changed(ValueOrigin::UserEdit);
}

void PedalSession::set_preset_assignment(quint8 code) {
    if (m_state.preset_assignment == code)
        return;
    m_state.preset_assignment = code;
    m_assignments_edited = true;
    emit assignments_changed(ValueOrigin::UserEdit);
}

Task<Status> PedalSession::apply_preset(Preset preset, PresetAssignments assignments) {
    const Turn turn = co_await queue_turn();
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    if (preset.effect_number != m_effect.number)
        co_return Error{ui_text("Session", kMessagePresetOtherEffect)
                            .arg(preset.effect_number)
                            .arg(m_effect.number)
                            .arg(m_effect.name),
                        ErrorKind::BadInput};
    if (preset.control_count() != m_effect.control_count())
        co_return Error{ui_text("Session", kMessagePresetDoesNotFit)
                            .arg(preset.control_count())
                            .arg(m_effect.name)
                            .arg(m_effect.control_count()),
                        ErrorKind::BadInput};
    QList<int> values;
    for (int i = 0; i < preset.values.size(); ++i) {
        const int value = preset.values.at(i);
        values << std::clamp(value, 0, kMaxControlValue);
        if (values.last() != value)
            m_log.print_line(
                latin1(kLogPresetValueClamped).arg(i).arg(value).arg(values.last()));
    }
    if (const Status loaded = co_await load_values_now(values); !loaded)
        co_return loaded;
    // A preset without its assignment lines leaves the pedal's as they are.
    if (assignments == PresetAssignments::Keep || preset.assignments_missing)
        co_return Status{};
    const int n = std::min(preset.control_count(), kAssignableControls);
    for (int i = 0; i < n; ++i)
        set_control_assignment(i, preset.control_assignments.value(i, kUnassignedCode));
    const int r = std::min<int>(m_effect.readback_count(), int(preset.readback_assignments.size()));
    for (int j = 0; j < r; ++j)
        set_readback_assignment(j, preset.readback_assignments.at(j));
    const Status assigned = co_await assign_now();
    co_return assigned;
}

Task<Status> PedalSession::assign() {
    const Turn turn = co_await queue_turn();
    const Status assigned = co_await assign_now();
    co_return assigned;
}

Task<Status> PedalSession::assign_now() {
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    // Codes never read would go out as unassigned and clear the pedal's assignments.
    if (!m_values_known)
        co_return Error{ui_text("Session", kMessageValuesUnknown), ErrorKind::EffectUnknown};
    AssignmentCodes codes;
    const int n = std::min(m_effect.control_count(), kAssignableControls);
    for (int i = 0; i < n; ++i)
        codes.controls << m_state.control_assignments[i];
    for (int j = 0; j < std::min(m_effect.readback_count(), kMaxReadbackCount); ++j)
        codes.readbacks << m_state.readback_assignments[j];
    codes.bypass = m_state.bypass_assignment;
    codes.preset = m_state.preset_assignment;
    const QByteArray message = assignment_message(codes);
    m_log.print_line(message_hex(message));
    const Status sent = co_await send_then_settle(message);
    if (sent)
        m_assignments_edited = false;
    co_return sent;
}

Task<Status> PedalSession::send_then_settle(QByteArray message) {
    if (const Status sent = co_await m_comm.send_message(std::move(message)); !sent)
        co_return sent;
    co_await m_comm.pause(kSettlePauseMs, &m_clock);
    co_return Status{};
}

Task<Status> PedalSession::store() {
    const Turn turn = co_await queue_turn();
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    // Storing the stored sound changes nothing, and would leave the edits behind unasked.
    if (m_comparing)
        co_return Error{ui_text("Session", kMessageComparing), ErrorKind::BadInput};
    const QByteArray message = store_settings_message(m_effect.control_count());
    m_log.print_line(latin1(kLogStoreSettings) + message_hex(message));
    const Status stored = co_await send_then_settle(message);
    if (stored && m_values_known)
        set_stored(m_state.values, StoredSource::Pedal);
    co_return stored;
}

Task<Status> PedalSession::set_midi_channel(int channel) {
    const Turn turn = co_await queue_turn();
    if (const Status firmware = require_firmware(); !firmware)
        co_return firmware;
    const QStringList captions = midi_channel_items();
    if (channel < 0 || channel >= captions.size())
        co_return Error{ui_text("Link", kMessageBadMidiChannel).arg(channel), ErrorKind::BadInput};
    const auto message = midi_channel_message(captions.at(channel));
    if (!message)
        co_return Error{message.error(), ErrorKind::BadInput};
    m_log.print_line(latin1(kLogMidiChannel) + captions.at(channel));
    m_log.print_line(message_hex(*message));
    co_return co_await send_then_settle(*message);
}

Task<Status> PedalSession::enter_bypass() {
    const Turn turn = co_await queue_turn();
    if (const Status firmware = require_firmware(); !firmware)
        co_return firmware;
    co_return co_await send_bypass();
}

Task<Status> PedalSession::send_bypass() {
    co_return co_await m_comm.send_message(bypass_message());
}

// ---- following the pedal

Status PedalSession::start_following() {
    if (const Status ready = require_effect(); !ready)
        return ready;
    if (!m_values_known)
        return Error{ui_text("Session", kMessageValuesUnknown), ErrorKind::EffectUnknown};
    if (m_following)
        return {};
    m_following = true;
    m_followed_number = m_effect.number;
    emit following_changed(true, {});
    m_follow_timer.start(0);
    return {};
}

void PedalSession::stop_following(const QString& reason) {
    if (!m_following)
        return;
    m_following = false;
    m_follow_timer.stop();
    emit following_changed(false, reason);
}

Task<> PedalSession::follow_once() {
    if (!m_following || m_follow_running)
        co_return;
    // Other operations, or the user's hand on a control, go first: try again later.
    if (busy() || (m_follow_hold && m_follow_hold())) {
        m_follow_timer.start(kFollowPause_ms);
        co_return;
    }
    if (!is_live(m_effect.name) || m_effect.number != m_followed_number) {
        stop_following(ui_text("Session", m_values_known ? kFollowOtherEffect : kFollowNotLive));
        co_return;
    }
    // Marked before its turn (which comes at once: nothing else is asked), so that the buttons
    // never see it as the user's work.
    m_follow_running = true;
    const Turn turn = co_await queue_turn();
    const int n = m_effect.control_count();
    emit follow_request_started();
    ReplyRequest request = parameter_reply(n);
    request.quiet = true;
    const auto values = co_await m_comm.receive_values(parameter_request_message(n), request);
    m_follow_running = false;
    emit follow_request_finished();

    // The link was lost, or another effect opened, while the reply was awaited: it is stale.
    if (!m_following || !is_live(m_effect.name) || m_effect.number != m_followed_number)
        co_return;
    if (!values) {
        if (values.error_kind() == ErrorKind::Busy) {
            m_follow_timer.start(kFollowPause_ms);
            co_return;
        }
        stop_following(values.error_kind() == ErrorKind::LinkLost
                           ? ui_text("Session", kFollowLinkGone)
                           : user_message(values.failure()));
        co_return;
    }
    const auto checked = read_parameter_reply(*values, n, m_effect.readback_count());
    if (!checked) {
        stop_following(user_message(checked.failure()));
        co_return;
    }
    const FXParametersState read = state_of_reply(*checked);
    // A value the user set meanwhile goes out next; the reply's older one is not shown.
    m_state.values.resize(n);
    for (int i = 0; i < n; ++i) {
        if (m_queued_writes.contains(i) || m_state.values.at(i) == read.values.at(i))
            continue;
        m_state.values[i] = read.values.at(i);
        emit value_changed(i, read.values.at(i), ValueOrigin::Reply);
    }
    // Assignments the user changed and has not sent yet stay as edited.
    if (!m_assignments_edited && (m_state.control_assignments != read.control_assignments ||
                                  m_state.readback_assignments != read.readback_assignments ||
                                  m_state.bypass_assignment != read.bypass_assignment ||
                                  m_state.preset_assignment != read.preset_assignment)) {
        m_state.control_assignments = read.control_assignments;
        m_state.readback_assignments = read.readback_assignments;
        m_state.bypass_assignment = read.bypass_assignment;
        m_state.preset_assignment = read.preset_assignment;
        emit assignments_changed(ValueOrigin::Reply);
    }
    if (m_following)
        m_follow_timer.start(kFollowPause_ms);
}

// ---- images and upload

void PedalSession::set_ir_image(const QString& effect_name, const QString& image_text) {
    m_ir_images.insert(effect_name, image_text);
}

Result<QString> PedalSession::upload_image_text(const QString& effect_name) {
    if (const QString imported = m_ir_images.value(effect_name); !imported.isEmpty()) {
        m_log.print_line(latin1(kLogFileContentSize) + QString::number(imported.size() / 2));
        return imported;
    }
    // An impulse response effect plays nothing sensible without its coefficients.
    const auto ir_effects = m_store.read_file_from_stream(latin1(kImpulseResponseList));
    if (ir_effects && ir_effects->contains(effect_name))
        return Error{ui_text("Link", kMessageImageEmpty).arg(effect_name), ErrorKind::BadInput};
    const QString name = format_resource_name(effect_name);
    m_log.print_line(latin1(kLogResourceName) + name);
    const auto lines = m_store.read_file_from_stream(name);
    if (!lines)
        return Error{lines.error(), ErrorKind::BadInput};
    return lines->value(0);
}

EffectUpload& PedalSession::upload_operation() {
    if (!m_upload)
        m_upload = std::make_unique<EffectUpload>(m_comm, m_log, m_clock,
                                                  [this] { return send_bypass(); });
    return *m_upload;
}

Task<Result<QString>> PedalSession::upload_effect(QString effect_name) {
    const Turn turn = co_await queue_turn();
    if (const Status firmware = require_firmware(); !firmware)
        co_return firmware.failure();
    const auto image_text = upload_image_text(effect_name);
    if (!image_text)
        co_return image_text.failure();
    EffectUpload& upload = upload_operation();
    upload.set_image(*image_text, effect_name);
    const session::PedalSnapshot before = co_await snapshot_before_upload();
    // Whatever ran before is gone from the pedal once the image goes out.
    forget_effect();
    if (const Status sent = co_await upload.start(); !sent)
        co_return sent.failure();
    QString answer = upload.answer();
    while (answer.endsWith(QLatin1Char('\n')) || answer.endsWith(QLatin1Char('\r')))
        answer.chop(1);

    // The pedal's own word on what it runs confirms the upload; its answer text alone does not.
    const QByteArray image = image_bytes(*image_text);
    const int uploaded_number =
        image.size() > kEffectNumberOffset ? quint8(image.at(kEffectNumberOffset)) : -1;
    const auto opened = co_await open_now();
    if (!opened) {
        if (opened.error_kind() == ErrorKind::NoEffect)
            co_return Error{ui_text("Session", kMessageUploadNotConfirmed)
                                .arg(effect_name, ui_text("Session", "that it runs no effect")),
                            ErrorKind::UploadFailed};
        co_return opened.failure();
    }
    if (opened->number != uploaded_number || opened->name != effect_name)
        co_return Error{
            ui_text("Session", kMessageUploadNotConfirmed)
                .arg(effect_name,
                     QStringLiteral("effect %1 (%2)").arg(opened->number).arg(opened->name)),
            ErrorKind::UploadFailed};
    // The new effect starts from its image's values; reading them makes its window live.
    if (const auto read = co_await request_now(); !read)
        co_return read.failure();
    const session::PedalSnapshot after{opened->number, opened->version, m_state.values};
    if (const QString unproven = session::missing_upload_evidence(before, after, answer);
        !unproven.isEmpty()) {
        m_log.print_line(unproven);
        co_return unproven;
    }
    co_return answer;
}

Task<session::PedalSnapshot> PedalSession::snapshot_before_upload() {
    session::PedalSnapshot before;
    if (m_effect_known && m_values_known)
        before.values = m_state.values;
    // What the pedal last said it runs, an effect of ours or none; otherwise it is asked. A
    // pedal that does not say leaves it unknown, and the upload then finds no evidence in it.
    if (m_reported_effect) {
        before.effect_number = m_reported_effect->first;
        before.effect_version = m_reported_effect->second;
        co_return before;
    }
    const auto reply =
        co_await m_comm.receive_text(effect_information_message(), information_reply());
    if (!reply)
        co_return before;
    const auto info = parse_effect_info(*reply);
    if (!info)
        co_return before;
    before.effect_number = info->pedal_effect_number;
    before.effect_version = info->pedal_effect_version;
    co_return before;
}

// ---- firmware upgrade

FirmwareUpgradeOperation& PedalSession::upgrade_operation() {
    if (!m_upgrade)
        m_upgrade = std::make_unique<FirmwareUpgradeOperation>(m_comm, m_log, m_clock);
    return *m_upgrade;
}

void PedalSession::cancel_upgrade() {
    if (m_upgrade)
        m_upgrade->cancel();
}

Task<Status> PedalSession::upgrade_firmware(LoadedFirmware image) {
    const Turn turn = co_await queue_turn();
    if (m_link_state != LinkState::Bootloader) {
        if (m_link_state == LinkState::NotConnected)
            co_return Error{ui_text("Firmware", kMessageUpgradeNotConnected),
                            ErrorKind::NotConnected};
        co_return Error{ui_text("Session",
                                "The firmware upgrade needs the pedal's bootloader: tick "
                                "Upgrade Mode, power the pedal up with the footswitch held "
                                "and connect again."),
                        ErrorKind::WrongLinkState};
    }
    FirmwareUpgradeOperation& operation = upgrade_operation();
    operation.set_image(image);
    m_upgrading = true;
    refresh_link_state();
    const Status result = co_await operation.start();
    m_upgrading = false;
    if (result) {
        // The new firmware runs: the link now talks to it.
        m_comm.firmware_upgrade_mode = false;
        m_comm.bootloader_ready = false;
    }
    refresh_link_state();
    co_return result;
}

} // namespace kx
