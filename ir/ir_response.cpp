#include "ir/ir_response.h"

#include "base/save_file.h"
#include "base/translation.h"
#include "ir/ir_import.h"
#include "ir/ir_targets.h"
#include "ir/resample.h"
#include "ir/wav_reader.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace kx {

namespace {

constexpr char kNotesTitle[] = "Kestrel X impulse response";
constexpr char kKeyEffect[] = "effect";
constexpr char kKeyFile[] = "file";
constexpr char kKeyImported[] = "imported";
constexpr char kKeyTrim[] = "trim";
constexpr char kKeyNormalise[] = "normalise";
constexpr char kKeyFade[] = "fade";
constexpr char kKeySummary[] = "summary";
constexpr char kOn[] = "on";
constexpr char kOff[] = "off";
constexpr char kSoftware[] = "Kestrel X Editor";

constexpr char kMessageNotWritten[] =
    QT_TRANSLATE_NOOP("Ir", "The impulse response could not be written: %1");
constexpr char kMessageTooLong[] = QT_TRANSLATE_NOOP(
    "Ir", "It holds %1 samples: an impulse response the editor keeps holds at most %2.");
constexpr char kMessageMisfit[] = QT_TRANSLATE_NOOP("Ir", "it holds %1 samples, %2 needs %3");
constexpr char kMessageNoTable[] = QT_TRANSLATE_NOOP("Ir", "%1 takes no impulse response");

constexpr double kFullScale24 = 8388608.0; // 2^23

// One line of the notes: blanks stand for line breaks and other control characters, which
// would end the line.
QString one_line(const QString& text) {
    QString line = text;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return line.trimmed();
}

QString number_text(double value) {
    return QString::number(value, 'f', 1);
}

// A WAV file built in memory, for libsndfile's virtual I/O.
struct MemoryFile {
    QByteArray bytes;
    sf_count_t position = 0;
};

sf_count_t memory_length(void* user) {
    return static_cast<MemoryFile*>(user)->bytes.size();
}
sf_count_t memory_seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t base = whence == SEEK_CUR   ? file->position
                            : whence == SEEK_END ? file->bytes.size()
                                                 : 0;
    if (base + offset < 0)
        return -1;
    file->position = base + offset;
    return file->position;
}
sf_count_t memory_read(void* out, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(file->bytes.size() - file->position, 0,
                                                std::max<sf_count_t>(count, 0));
    std::memcpy(out, file->bytes.constData() + file->position, size_t(n));
    file->position += n;
    return n;
}
sf_count_t memory_write(const void* data, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    if (file->position + count > file->bytes.size())
        file->bytes.resize(qsizetype(file->position + count));
    std::memcpy(file->bytes.data() + file->position, data, size_t(count));
    file->position += count;
    return count;
}
sf_count_t memory_tell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

} // namespace

QString response_notes_text(const IrResponseNotes& notes) {
    const auto line = [](const char* key, const QString& value) {
        return QLatin1String(key) + QStringLiteral(": ") + one_line(value);
    };
    QStringList lines{QLatin1String(kNotesTitle)};
    lines << line(kKeyEffect, notes.effect_name) << line(kKeyFile, notes.source_name);
    if (notes.imported.isValid())
        lines << line(kKeyImported, notes.imported.toUTC().toString(Qt::ISODate));
    lines << line(kKeyTrim, QLatin1String(notes.tools.trim ? kOn : kOff));
    lines << line(kKeyNormalise, notes.tools.normalise_db ? number_text(*notes.tools.normalise_db) +
                                                                QStringLiteral(" dB")
                                                          : QLatin1String(kOff));
    lines << line(kKeyFade, notes.tools.fade_ms > 0.0
                                ? number_text(notes.tools.fade_ms) + QStringLiteral(" ms")
                                : QLatin1String(kOff));
    for (const QString& summary : notes.summary)
        lines << line(kKeySummary, summary);
    return lines.join(QLatin1Char('\n'));
}

IrResponseNotes parse_response_notes(QStringView text, bool* described) {
    IrResponseNotes notes;
    const QList<QStringView> lines = text.split(QLatin1Char('\n'));
    const bool ours = !lines.isEmpty() && lines.first().trimmed() == QLatin1String(kNotesTitle);
    if (described)
        *described = ours;
    if (!ours)
        return notes;
    for (const QStringView line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QStringView key = line.first(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed().toString();
        // A number with its unit: "-1.0 dB", "5.0 ms".
        const auto number = [&value](const char* unit) -> std::optional<double> {
            if (!value.endsWith(QLatin1String(unit)))
                return std::nullopt;
            bool ok = false;
            const double n = value.chopped(qsizetype(qstrlen(unit))).trimmed().toDouble(&ok);
            // Tenths, as written.
            return ok && std::isfinite(n) ? std::optional<double>(std::round(n * 10.0) / 10.0)
                                          : std::nullopt;
        };
        if (key == QLatin1String(kKeyEffect)) {
            notes.effect_name = value;
        } else if (key == QLatin1String(kKeyFile)) {
            notes.source_name = value;
        } else if (key == QLatin1String(kKeyImported)) {
            notes.imported = QDateTime::fromString(value, Qt::ISODate).toUTC();
        } else if (key == QLatin1String(kKeyTrim)) {
            notes.tools.trim = value == QLatin1String(kOn);
        } else if (key == QLatin1String(kKeyNormalise)) {
            if (const auto db = number(" dB"))
                notes.tools.normalise_db = std::clamp(*db, kMinNormalise_db, 0.0);
        } else if (key == QLatin1String(kKeyFade)) {
            if (const auto ms = number(" ms"))
                notes.tools.fade_ms = std::clamp(*ms, 0.0, kMaxFade_ms);
        } else if (key == QLatin1String(kKeySummary)) {
            notes.summary << value;
        }
    }
    return notes;
}

IrResponse response_of_import(const IrImport& import, const QString& effect_name,
                              const QString& source_name, const IrTools& tools,
                              const QDateTime& when) {
    IrResponse response;
    response.notes.effect_name = effect_name;
    response.notes.source_name = source_name;
    response.notes.imported = when.toUTC();
    response.notes.tools = tools;
    response.notes.summary = import.summary.split(QStringLiteral("\r\n"));
    response.samples = import.coefficients;
    response.sample_rate = kPedalSampleRate_hz;
    response.bits = 24;
    response.described = true;
    return response;
}

Result<QByteArray> response_wav_bytes(const IrResponse& response) {
    MemoryFile memory;
    SF_VIRTUAL_IO io{memory_length, memory_seek, memory_read, memory_write, memory_tell};
    SF_INFO info{};
    info.samplerate = kPedalSampleRate_hz;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file)
        return Error{
            ui_text("Ir", kMessageNotWritten).arg(QString::fromLocal8Bit(sf_strerror(nullptr)))};
    // Strings go before the samples, so that they land in the header.
    const QByteArray notes = response_notes_text(response.notes).toUtf8();
    sf_set_string(file, SF_STR_SOFTWARE, kSoftware);
    sf_set_string(file, SF_STR_COMMENT, notes.constData());
    // libsndfile takes integers left-aligned to 32 bits and keeps the top 24 of them.
    std::vector<int> frames;
    frames.reserve(size_t(response.samples.size()));
    for (qint32 sample : response.samples)
        frames.push_back(int(quint32(std::clamp(sample, -(1 << 23), (1 << 23) - 1)) << 8));
    const sf_count_t written = sf_writef_int(file, frames.data(), sf_count_t(frames.size()));
    const QString error = QString::fromLocal8Bit(sf_strerror(file));
    sf_close(file);
    if (written != sf_count_t(frames.size()))
        return Error{ui_text("Ir", kMessageNotWritten).arg(error)};
    return memory.bytes;
}

Result<IrResponse> read_ir_response(ByteSource& file) {
    const auto wav = read_wav(file, kMaxResponseSamples);
    if (!wav)
        return wav.failure();
    if (wav->frames > kMaxResponseSamples)
        return Error{ui_text("Ir", kMessageTooLong).arg(wav->frames).arg(kMaxResponseSamples)};
    IrResponse response;
    response.notes = parse_response_notes(wav->comment, &response.described);
    response.sample_rate = wav->sample_rate;
    response.bits = wav->integer_bits;
    response.samples.reserve(wav->first_channel.size());
    for (double sample : wav->first_channel) {
        // Integer samples keep their top 24 bits, as the import takes them; others are rounded.
        if (wav->integer_bits != 0) {
            response.samples << (qint32(std::ldexp(sample, 31)) >> 8);
        } else {
            const double scaled = std::nearbyint(sample * kFullScale24);
            response.samples << qint32(std::clamp(scaled, -kFullScale24, kFullScale24 - 1));
        }
    }
    return response;
}

Result<IrResponse> read_ir_response(QByteArrayView bytes) {
    MemorySource source(bytes);
    return read_ir_response(source);
}

Result<IrResponse> read_ir_response_file(const QString& path) {
    auto file = OutsideFile::open(path, kResponseFileFormat);
    if (!file)
        return file.failure();
    auto response = read_ir_response(**file);
    if (!response)
        return Error{path + QStringLiteral(": ") + response.error()};
    return response;
}

Status write_ir_response_file(const QString& path, const IrResponse& response) {
    const auto bytes = response_wav_bytes(response);
    if (!bytes)
        return bytes.failure();
    if (const Status saved = save_file_atomically(path, *bytes); !saved)
        return Error{path + QStringLiteral(": ") + saved.error()};
    return {};
}

QString response_misfit(const IrResponse& response, const QString& effect_name) {
    const auto target = ir_target_for(effect_name);
    if (!target)
        return ui_text("Ir", kMessageNoTable).arg(effect_name);
    // A file at another rate is resampled when imported: its length then is what counts.
    const qsizetype at_pedal_rate =
        response.sample_rate == kPedalSampleRate_hz || !can_resample(response.sample_rate)
            ? response.samples.size()
            : resampled_length(response.samples.size(), response.sample_rate, kPedalSampleRate_hz);
    if (at_pedal_rate < target->word_count)
        return ui_text("Ir", kMessageMisfit)
            .arg(response.samples.size())
            .arg(effect_name)
            .arg(target->word_count);
    return QString();
}

} // namespace kx
