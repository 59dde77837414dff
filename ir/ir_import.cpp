#include "ir/ir_import.h"

#include "base/hex_text.h"
#include "base/log.h"
#include "base/translation.h"
#include "ir/ir_analysis.h"
#include "ir/ir_coefficients.h"
#include "ir/ir_samples.h"
#include "ir/ir_targets.h"
#include "ir/resample.h"
#include "ir/wav_reader.h"
#include "library/resource_store.h"

#include <algorithm>

namespace kx {

namespace {

// The import's log line prefixes, in the order written.
constexpr char kLogId[] = "ID: ";
constexpr char kLogChunkSize[] = "chunk size: ";
constexpr char kLogSubchunkId[] = "Subchunk ID: ";
constexpr char kLogSubchunkSize[] = "Subchink size: ";
constexpr char kLogAudioFormat[] = "Audio format: ";
constexpr char kLogChannels[] = "Num_of_channels: ";
constexpr char kLogSampleRate[] = "Sample_Rate: ";
constexpr char kLogByteRate[] = "Byte_Rate: ";
constexpr char kLogBlockAlign[] = "Block align: ";
constexpr char kLogBitsPerSample[] = "Bits_per_sample: ";
constexpr char kLogDataSize[] = "subchunk2size: ";
constexpr char kLogAudioData[] = "Audio data: ";
constexpr char kLogIrData[] = "irdata: ";
constexpr char kLogIrWords[] = "irdata swapped endianess: ";

constexpr char kLineBreak[] = "\r\n";
constexpr char kLogLeftOut[] = " [... %1 more characters not shown]";
// Room kept for that note in a shortened line.
constexpr int kLeftOutNoteChars = 64;

constexpr char kSummaryName[] = QT_TRANSLATE_NOOP("Ir", "Name: ");
constexpr char kSummarySize[] = QT_TRANSLATE_NOOP("Ir", "Size: ");
constexpr char kSummarySampleRate[] = QT_TRANSLATE_NOOP("Ir", "Sample rate: ");
constexpr char kSummaryBits[] = QT_TRANSLATE_NOOP("Ir", "Bits per sample: ");
constexpr char kSummaryChannels[] =
    QT_TRANSLATE_NOOP("Ir", "Channels: %1 (the first channel is loaded)");
constexpr char kSummaryResampled[] = QT_TRANSLATE_NOOP("Ir", "Resampled from %1 Hz to %2 Hz");
constexpr char kSummaryNotResampled[] =
    QT_TRANSLATE_NOOP("Ir", "Not resampled: the pedal plays these samples at %1 Hz");
constexpr char kSummaryClipped[] = QT_TRANSLATE_NOOP("Ir", "Clipped: %1 samples beyond full scale");
constexpr char kQuestionResample[] = QT_TRANSLATE_NOOP(
    "Ir", "The pedal plays impulse responses at %1 Hz, this file is sampled at %2 Hz. Resample it "
          "to %1 Hz first?");
constexpr char kEnergyLine[] = QT_TRANSLATE_NOOP(
    "Ir", "The loaded %1 samples (%2 ms at %3 kHz) hold %4 % of the file's energy.");
constexpr char kEnergySilent[] = QT_TRANSLATE_NOOP(
    "Ir", "The loaded %1 samples (%2 ms at %3 kHz) are silent, like the whole file.");

constexpr char kMessageNoTable[] =
    QT_TRANSLATE_NOOP("Ir", "%1 has no coefficient table to load an impulse response into.");
constexpr char kMessageTooShort[] = QT_TRANSLATE_NOOP(
    "Ir", "The file holds %1 samples%2, but %3 needs %4. Choose a longer impulse response.");
constexpr char kMessageAtPedalRate[] = QT_TRANSLATE_NOOP("Ir", " at %1 Hz");

// Points of the magnitude response, log-spaced over the audible band.
constexpr int kResponsePoints = 400;
constexpr double kResponseFrom_hz = 20.0;
constexpr double kResponseTo_hz = 20000.0;

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

QString left_out_note(qsizetype characters) {
    return latin1(kLogLeftOut).arg(characters);
}

QStringList header_log_lines(const WavChunks& chunks, ByteSource& file) {
    return {
        latin1(kLogId) + QString::fromLatin1(chunks.riff_id),
        latin1(kLogChunkSize) + QString::number(chunks.riff_size),
        latin1(kLogSubchunkId) + chunk_id_text(chunks.first_chunk_id),
        latin1(kLogSubchunkSize) + QString::number(chunks.fmt_size),
        latin1(kLogAudioFormat) + QString::number(chunks.audio_format),
        latin1(kLogChannels) + QString::number(chunks.channels),
        latin1(kLogSampleRate) + QString::number(chunks.sample_rate),
        latin1(kLogByteRate) + QString::number(chunks.byte_rate),
        latin1(kLogBlockAlign) + QString::number(chunks.block_align),
        latin1(kLogBitsPerSample) + QString::number(chunks.bits_per_sample),
        latin1(kLogDataSize) + QString::number(chunks.data_size),
        hex_log_line(latin1(kLogAudioData), file, chunks.data_offset, chunks.data_bytes),
    };
}

// The summary's first lines: the file as it is.
QStringList file_summary(const IrImportRequest& request, const WavFile& wav) {
    QStringList lines{
        ui_text("Ir", kSummaryTitle),
        ui_text("Ir", kSummaryName) + request.file_name,
        ui_text("Ir", kSummarySize) + QString::number(request.file.size()) +
            QStringLiteral(" bytes"),
        ui_text("Ir", kSummarySampleRate) + QString::number(wav.chunks.sample_rate),
        ui_text("Ir", kSummaryBits) + QString::number(wav.chunks.bits_per_sample),
    };
    // Alternate coefficients from left and right would be another response altogether.
    if (wav.channels > 1)
        lines << ui_text("Ir", kSummaryChannels).arg(wav.channels);
    return lines;
}

Error too_short(qsizetype available, bool at_pedal_rate, const QString& effect, int needed) {
    return Error{ui_text("Ir", kMessageTooShort)
                     .arg(available)
                     .arg(at_pedal_rate
                              ? ui_text("Ir", kMessageAtPedalRate).arg(kPedalSampleRate_hz)
                              : QString())
                     .arg(effect)
                     .arg(needed)};
}

QString energy_line(const WavFile& wav, const IrSamples& samples, int word_count) {
    const QString milliseconds = QString::number(1000.0 * word_count / kPedalSampleRate_hz, 'f', 1);
    const QString kilohertz = QString::number(kPedalSampleRate_hz / 1000);
    if (!(wav.energy > 0.0))
        return ui_text("Ir", kEnergySilent).arg(word_count).arg(milliseconds, kilohertz);
    const double share =
        energy(wav.first_channel, samples.source_offset, samples.source_frames) / wav.energy;
    return ui_text("Ir", kEnergyLine)
        .arg(word_count)
        .arg(milliseconds, kilohertz, QString::number(100.0 * std::min(share, 1.0), 'f', 1));
}

IrPicture picture_of(const IrSamples& samples, int word_count) {
    IrPicture picture;
    picture.file_start = samples.shown;
    picture.loaded_count = word_count;
    picture.frequencies_hz =
        log_spaced_frequencies(kResponseFrom_hz, kResponseTo_hz, kResponsePoints);
    picture.response_db = magnitude_response_db(samples.shown.first(word_count),
                                                kPedalSampleRate_hz, picture.frequencies_hz);
    return picture;
}

} // namespace

QString shorten_log_line(const QString& line) {
    if (line.size() <= kMaxLogLineChars)
        return line;
    const qsizetype kept = kMaxLogLineChars - kLeftOutNoteChars;
    return line.left(kept) + left_out_note(line.size() - kept);
}

QString hex_log_line(const QString& prefix, QByteArrayView bytes) {
    MemorySource source(bytes);
    return hex_log_line(prefix, source, 0, bytes.size());
}

QString hex_log_line(const QString& prefix, ByteSource& source, qint64 offset, qint64 count) {
    if (prefix.size() + 2 * count <= kMaxLogLineChars)
        return prefix + bytes_to_hex(source.bytes_at(offset, count));
    const qsizetype kept_bytes =
        std::max<qsizetype>(0, kMaxLogLineChars - kLeftOutNoteChars - prefix.size()) / 2;
    return prefix + bytes_to_hex(source.bytes_at(offset, kept_bytes)) +
           left_out_note(2 * (count - kept_bytes));
}

Result<IrImport> import_ir(const IrImportRequest& request, const ResourceStore& store, Log& log,
                           const ResampleQuestion& resample_to_pedal_rate) {
    ByteSource& bytes = request.file;
    log.print_line(QString::number(bytes.size()));
    log.print_line(hex_log_line(QString(), bytes, 0, bytes.size()));

    const auto chunks = read_wav_chunks(bytes);
    if (!chunks)
        return chunks.failure();
    for (const QString& line : header_log_lines(*chunks, bytes))
        log.print_line(line);
    // Known before the samples are read, so that only the start they need is kept.
    const auto target = ir_target_for(request.effect_name);
    const auto wav =
        read_wav(bytes, target ? frames_to_keep(target->word_count, int(chunks->sample_rate),
                                                request.tools.trim)
                               : 0);
    if (!wav)
        return wav.failure();

    if (!target)
        return Error{ui_text("Ir", kMessageNoTable).arg(request.effect_name)};
    const int n = target->word_count;

    QStringList summary = file_summary(request, *wav);
    if (!wav->chunks.note.isEmpty()) {
        log.print_line(wav->chunks.note);
        summary << wav->chunks.note;
    }
    bool resample = false;
    if (wav->sample_rate != kPedalSampleRate_hz && !can_resample(wav->sample_rate)) {
        summary << ui_text("Ir", kSummaryNotResampled).arg(kPedalSampleRate_hz);
    } else if (wav->sample_rate != kPedalSampleRate_hz) {
        // Neither answer can help a file too short either way.
        const qsizetype as_is = wav->frames;
        const qsizetype resampled = resampled_length(as_is, wav->sample_rate, kPedalSampleRate_hz);
        if (std::max(as_is, resampled) < n)
            return too_short(as_is, false, request.effect_name, n);
        const QString question =
            summary.join(latin1(kLineBreak)) + latin1(kLineBreak) + latin1(kLineBreak) +
            ui_text("Ir", kQuestionResample).arg(kPedalSampleRate_hz).arg(wav->sample_rate);
        resample = resample_to_pedal_rate(question);
        summary << (resample ? ui_text("Ir", kSummaryResampled)
                                   .arg(wav->sample_rate)
                                   .arg(kPedalSampleRate_hz)
                             : ui_text("Ir", kSummaryNotResampled).arg(kPedalSampleRate_hz));
    }

    const auto samples = load_ir_samples(*wav, n, resample, request.tools);
    if (!samples)
        return samples.failure();
    if (samples->available < n)
        return too_short(samples->available, samples->resampled, request.effect_name, n);
    if (request.tools.trim)
        summary << trim_summary(samples->trimmed, kPedalSampleRate_hz);
    if (const QString line = normalise_summary(request.tools, samples->gain_db); !line.isEmpty())
        summary << line;
    if (const QString line = fade_summary(request.tools, samples->faded, kPedalSampleRate_hz);
        !line.isEmpty())
        summary << line;
    if (samples->clipped > 0)
        summary << ui_text("Ir", kSummaryClipped).arg(samples->clipped);

    const QString sample_text = ir_sample_text(samples->values, samples->bits);
    log.print_line(shorten_log_line(latin1(kLogIrData) + sample_text));
    const auto words = convert_ir_samples(sample_text, samples->bits, n);
    if (!words)
        return words.failure();
    for (int i = 0; i < n; ++i)
        log.print_line(words->mid(qsizetype(i) * kCoefficientWordChars, kCoefficientWordChars));
    log.print_line(shorten_log_line(latin1(kLogIrWords) + *words));

    // A fresh copy each time, so that importing twice does not stack.
    const auto lines = store.read_file_from_stream(format_resource_name(request.effect_name));
    if (!lines)
        return lines.failure();
    auto image = patch_ir_image(lines->value(0), *target, *words);
    if (!image)
        return image.failure();
    log.print_line(shorten_log_line(*image));

    IrImport import;
    import.image = std::move(*image);
    import.summary = summary.join(latin1(kLineBreak));
    import.energy_line = energy_line(*wav, *samples, n);
    import.picture = picture_of(*samples, n);
    import.coefficients.reserve(n);
    for (int i = 0; i < n; ++i)
        import.coefficients << coefficient_value(
            QStringView(*words).mid(qsizetype(i) * kCoefficientWordChars));
    return import;
}

} // namespace kx
