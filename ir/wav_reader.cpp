#include "ir/wav_reader.h"
#include "base/translation.h"

#include <sndfile.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace kx {

namespace {

constexpr char kMessageUnreadable[] =
    QT_TRANSLATE_NOOP("Ir", "The WAV file's samples cannot be read: %1");
constexpr char kMessageNoFrames[] = QT_TRANSLATE_NOOP("Ir", "The WAV file holds no samples.");

// Frames decoded per call.
constexpr sf_count_t kBlockFrames = 4096;
// Float samples far beyond full scale would make the energy infinite; the import clamps them to
// full scale anyway.
constexpr double kFloatGuard = 1.0e6;

// libsndfile's view of a file it streams from.
struct StreamedFile {
    ByteSource& bytes;
    sf_count_t position = 0;
};

sf_count_t source_length(void* user) {
    return static_cast<StreamedFile*>(user)->bytes.size();
}

sf_count_t source_seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<StreamedFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file->position;
    else if (whence == SEEK_END)
        base = file->bytes.size();
    const sf_count_t target = base + offset;
    if (target < 0 || target > file->bytes.size())
        return -1;
    file->position = target;
    return target;
}

sf_count_t source_read(void* out, sf_count_t count, void* user) {
    auto* file = static_cast<StreamedFile*>(user);
    const qint64 n = file->bytes.read_at(file->position, static_cast<char*>(out), count);
    if (n <= 0)
        return 0;
    file->position += n;
    return n;
}

sf_count_t source_write(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t source_tell(void* user) {
    return static_cast<StreamedFile*>(user)->position;
}

int integer_bits_of(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return 0;
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 8;
    case SF_FORMAT_PCM_24:
        return 24;
    case SF_FORMAT_PCM_32:
        return 32;
    default:
        return 16;
    }
}

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

} // namespace

Result<WavFile> read_wav(ByteSource& bytes, qsizetype kept_frames) {
    auto chunks = read_wav_chunks(bytes);
    if (!chunks)
        return chunks.failure();

    StreamedFile streamed{bytes};
    SF_VIRTUAL_IO io{source_length, source_seek, source_read, source_write, source_tell};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndfileCloser> sndfile(
        sf_open_virtual(&io, SFM_READ, &info, &streamed));
    if (!sndfile)
        return Error{
            ui_text("Ir", kMessageUnreadable).arg(QString::fromLocal8Bit(sf_strerror(nullptr)))};
    if (info.frames <= 0 || info.channels <= 0)
        return Error{ui_text("Ir", kMessageNoFrames)};

    WavFile wav;
    wav.chunks = std::move(*chunks);
    wav.channels = info.channels;
    wav.sample_rate = info.samplerate;
    wav.integer_bits = integer_bits_of(info.format);
    if (const char* comment = sf_get_string(sndfile.get(), SF_STR_COMMENT))
        wav.comment = QString::fromUtf8(comment);
    kept_frames = std::max<qsizetype>(kept_frames, 0);
    wav.first_channel.reserve(qsizetype(std::min<sf_count_t>(info.frames, kept_frames)));

    const auto take = [&wav, kept_frames](double sample) {
        wav.energy += sample * sample;
        if (wav.first_channel.size() < kept_frames)
            wav.first_channel << sample;
        ++wav.frames;
    };
    const size_t block = size_t(kBlockFrames) * size_t(info.channels);
    if (wav.integer_bits != 0) {
        // Integer samples come left-aligned to 32 bits, so n / 2^31 is exact in a double.
        std::vector<int> frames(block);
        sf_count_t got = 0;
        while ((got = sf_readf_int(sndfile.get(), frames.data(), kBlockFrames)) > 0)
            for (sf_count_t f = 0; f < got; ++f)
                take(std::ldexp(double(frames[size_t(f) * size_t(info.channels)]), -31));
    } else {
        std::vector<double> frames(block);
        sf_count_t got = 0;
        while ((got = sf_readf_double(sndfile.get(), frames.data(), kBlockFrames)) > 0)
            for (sf_count_t f = 0; f < got; ++f) {
                const double sample = frames[size_t(f) * size_t(info.channels)];
                take(std::isnan(sample) ? 0.0 : std::clamp(sample, -kFloatGuard, kFloatGuard));
            }
    }
    if (wav.frames == 0)
        return Error{ui_text("Ir", kMessageNoFrames)};
    return wav;
}

Result<WavFile> read_wav(QByteArrayView file, qsizetype kept_frames) {
    MemorySource source(file);
    return read_wav(source, kept_frames);
}

} // namespace kx
