// The sound as stored beside the sound as edited: Compare switches the pedal between the two,
// and a reset goes back to the effect's own starting values. Also the firmware version each
// pedal reported, kept for an upgrade that starts in the bootloader, where no pedal answers.
#include "session/pedal_session.h"

#include "base/log.h"
#include "base/save_file.h"
#include "library/effect_image.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/effect_upload.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace kx {

using namespace session;

namespace {

constexpr char kImpulseResponseList[] = "impulse_response";

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}
// One line a pedal: its chip serial, a tab, the version it last reported.
constexpr qsizetype kFirmwareMemoryLimit = 64 * 1024;

QHash<QString, int> read_firmware_memory(const QString& path) {
    QHash<QString, int> versions;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kFirmwareMemoryLimit)
        return versions;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        bool number = false;
        const int version = fields.value(1).toInt(&number);
        if (fields.size() == 2 && number && version > 0 && !fields.at(0).isEmpty())
            versions.insert(QString::fromUtf8(fields.at(0)), version);
    }
    return versions;
}

} // namespace

void PedalSession::set_stored(const QList<int>& values, StoredSource source) {
    m_stored_values = values;
    m_stored_source = source;
    emit stored_changed();
}

void PedalSession::clear_stored() {
    const bool was_comparing = std::exchange(m_comparing, false);
    m_edited_values.clear();
    m_stored_values.clear();
    m_stored_source = StoredSource::None;
    if (was_comparing)
        emit comparing_changed(false);
    emit stored_changed();
}

Task<Status> PedalSession::set_comparing(bool on) {
    const Turn turn = co_await queue_turn();
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    if (on == m_comparing)
        co_return Status{};
    const int n = m_effect.control_count();
    if (!m_values_known || m_stored_values.size() != n)
        co_return Error{ui_text("Session", kMessageNothingToCompare), ErrorKind::EffectUnknown};
    const QList<int> target = on ? m_stored_values : m_edited_values;
    if (on)
        m_edited_values = m_state.values;
    // Set first: whatever a failed write leaves, the values as edited wait for the way back.
    m_comparing = on;
    emit comparing_changed(on);
    if (!on)
        m_edited_values.clear();
    for (int i = 0; i < n; ++i) {
        if (m_state.values.value(i) == target.at(i))
            continue;
        if (const Status sent = co_await send_control(i, target.at(i)); !sent)
            co_return sent;
        m_state.values[i] = target.at(i);
        emit value_changed(i, target.at(i), ValueOrigin::Restore);
    }
    co_return Status{};
}

void PedalSession::keep_stored_sound() {
    if (!std::exchange(m_comparing, false))
        return;
    m_edited_values.clear();
    emit comparing_changed(false);
}

Task<Status> PedalSession::write_values(QList<int> values, ValueOrigin origin) {
    const Turn turn = co_await queue_turn();
    if (const Status ready = require_effect(); !ready)
        co_return ready;
    if (m_comparing)
        co_return Error{ui_text("Session", kMessageComparing), ErrorKind::BadInput};
    if (values.size() != m_effect.control_count() || !m_values_known)
        co_return Error{ui_text("Session", kMessageValuesUnknown), ErrorKind::EffectUnknown};
    for (int i = 0; i < values.size(); ++i) {
        if (m_state.values.value(i) == values.at(i))
            continue;
        if (const Status sent = co_await write_now(i, values.at(i), origin, false); !sent)
            co_return sent;
    }
    co_return Status{};
}

Result<QList<int>> PedalSession::image_values() const {
    if (!m_effect_known)
        return Error{ui_text("Session", kMessageEffectUnknown), ErrorKind::EffectUnknown};
    QString text = m_ir_images.value(m_effect.name);
    if (text.isEmpty()) {
        // An impulse response effect has no image of its own until an import.
        const auto ir_effects = m_store.read_file_from_stream(latin1(kImpulseResponseList));
        if (ir_effects && ir_effects->contains(m_effect.name))
            return Error{ui_text("Link", kMessageImageEmpty).arg(m_effect.name),
                         ErrorKind::BadInput};
        const auto lines = m_store.read_file_from_stream(format_resource_name(m_effect.name));
        if (!lines)
            return Error{lines.error(), ErrorKind::BadInput};
        text = lines->value(0);
    }
    QStringList errors;
    const auto info = parse_effect_image(image_bytes(text), &errors);
    if (!info)
        return Error{ui_text("Session", "The image of \"%1\" cannot be read: %2")
                         .arg(m_effect.name, errors.join(QStringLiteral("; "))),
                     ErrorKind::BadInput};
    QList<int> values;
    for (const quint16 address : m_effect.addresses) {
        const int value = address < info->parameter_words.size()
                              ? value_from_word(info->parameter_words.at(address))
                              : 0;
        values << std::clamp(value, 0, kMaxControlValue);
    }
    return values;
}

int PedalSession::reported_firmware_version() const {
    const QString serial = m_comm.device_serial_number;
    if (const auto found = m_reported_firmware.constFind(serial);
        found != m_reported_firmware.cend())
        return *found;
    return read_firmware_memory(m_firmware_memory_file).value(serial, 0);
}

void PedalSession::remember_firmware_version(int version) {
    const QString serial = m_comm.device_serial_number;
    if (serial.isEmpty() || version <= 0 || m_reported_firmware.value(serial) == version)
        return;
    m_reported_firmware.insert(serial, version);
    // Kept only where the editor keeps its files: a run that has none leaves no trace.
    if (m_firmware_memory_file.isEmpty() || !QFileInfo(m_firmware_memory_file).dir().exists())
        return;
    QHash<QString, int> versions = read_firmware_memory(m_firmware_memory_file);
    if (versions.value(serial) == version)
        return;
    versions.insert(serial, version);
    QByteArray text;
    for (auto it = versions.cbegin(); it != versions.cend(); ++it)
        text += it.key().toUtf8() + '\t' + QByteArray::number(it.value()) + '\n';
    if (const Status saved = save_file_atomically(m_firmware_memory_file, text); !saved)
        m_log.print_line(QStringLiteral("firmware version not kept: ") + saved.error());
}

} // namespace kx
