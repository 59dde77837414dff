// libsndfile and libsoxr are loaded when the first WAV file is read or resampled, not when the
// editor starts: with their codecs (FLAC, Vorbis, Opus, MP3) they are a dozen libraries that
// the first window does not need. These functions stand in for the libraries' own under the
// same names and hand each call to the library, loaded on first use. A function of either
// library that the code starts to use needs its line here (the link fails until it has one).
//
// When a library cannot be loaded, opening a file fails and sf_strerror(nullptr) says why;
// resampling fails with that text as its error.
#include <sndfile.h>
#include <soxr.h>

#include <dlfcn.h>

#include <mutex>
#include <string>

namespace {

class Library {
public:
    explicit Library(const char* soname) : m_soname(soname) {}

    // The library's function `name`, or nullptr (then error() says why).
    void* symbol(const char* name) {
        std::call_once(m_loaded, [this] {
            m_handle = ::dlopen(m_soname, RTLD_NOW | RTLD_LOCAL);
            if (!m_handle)
                m_error = std::string("cannot load ") + m_soname + ": " + ::dlerror();
        });
        if (!m_handle)
            return nullptr;
        void* found = ::dlsym(m_handle, name);
        if (!found) {
            std::lock_guard lock(m_mutex);
            m_error = std::string(m_soname) + " has no " + name;
        }
        return found;
    }
    const char* error() {
        std::lock_guard lock(m_mutex);
        return m_error.c_str();
    }

private:
    const char* m_soname;
    std::once_flag m_loaded;
    void* m_handle = nullptr;
    std::mutex m_mutex;
    std::string m_error;
};

// The sonames Debian's libsndfile1 and libsoxr0 packages provide.
Library sndfile_library("libsndfile.so.1");
Library soxr_library("libsoxr.so.0");

template <typename Function> Function find(Library& library, const char* name) {
    return reinterpret_cast<Function>(library.symbol(name));
}

} // namespace

// The function `name` of `library`, looked up once; `fallback` is returned when it is missing.
#define KX_FORWARD(library, name, fallback, ...)                                                   \
    static const auto real = find<decltype(&::name)>(library, #name);                              \
    if (!real)                                                                                     \
        return fallback;                                                                           \
    return real(__VA_ARGS__)

extern "C" {

// ---- libsndfile: opening, errors, reading, writing, closing. Calls on a SNDFILE* can only follow
// a successful open, so only the opening functions meet a library that is missing.

SNDFILE* sf_open(const char* path, int mode, SF_INFO* info) {
    KX_FORWARD(sndfile_library, sf_open, nullptr, path, mode, info);
}
SNDFILE* sf_open_fd(int fd, int mode, SF_INFO* info, int close_desc) {
    KX_FORWARD(sndfile_library, sf_open_fd, nullptr, fd, mode, info, close_desc);
}
SNDFILE* sf_open_virtual(SF_VIRTUAL_IO* io, int mode, SF_INFO* info, void* user_data) {
    KX_FORWARD(sndfile_library, sf_open_virtual, nullptr, io, mode, info, user_data);
}
int sf_error(SNDFILE* file) {
    KX_FORWARD(sndfile_library, sf_error, SF_ERR_UNSUPPORTED_ENCODING, file);
}
const char* sf_strerror(SNDFILE* file) {
    KX_FORWARD(sndfile_library, sf_strerror, sndfile_library.error(), file);
}
const char* sf_error_number(int number) {
    KX_FORWARD(sndfile_library, sf_error_number, sndfile_library.error(), number);
}
int sf_command(SNDFILE* file, int command, void* data, int size) {
    KX_FORWARD(sndfile_library, sf_command, 0, file, command, data, size);
}
int sf_format_check(const SF_INFO* info) {
    KX_FORWARD(sndfile_library, sf_format_check, 0, info);
}
sf_count_t sf_seek(SNDFILE* file, sf_count_t frames, int whence) {
    KX_FORWARD(sndfile_library, sf_seek, -1, file, frames, whence);
}
const char* sf_get_string(SNDFILE* file, int type) {
    KX_FORWARD(sndfile_library, sf_get_string, nullptr, file, type);
}
const char* sf_version_string(void) {
    static const auto real =
        find<decltype(&::sf_version_string)>(sndfile_library, "sf_version_string");
    return real ? real() : sndfile_library.error();
}
sf_count_t sf_read_raw(SNDFILE* file, void* data, sf_count_t bytes) {
    KX_FORWARD(sndfile_library, sf_read_raw, 0, file, data, bytes);
}

// The readers of each sample type, counted in frames (readf) and in samples (read).
#define KX_FORWARD_READERS(type)                                                                   \
    sf_count_t sf_readf_##type(SNDFILE* file, type* data, sf_count_t frames) {                     \
        KX_FORWARD(sndfile_library, sf_readf_##type, 0, file, data, frames);                       \
    }                                                                                              \
    sf_count_t sf_read_##type(SNDFILE* file, type* data, sf_count_t items) {                       \
        KX_FORWARD(sndfile_library, sf_read_##type, 0, file, data, items);                         \
    }
KX_FORWARD_READERS(short)
KX_FORWARD_READERS(int)
KX_FORWARD_READERS(float)
KX_FORWARD_READERS(double)
#undef KX_FORWARD_READERS

// Writing: the impulse responses the editor keeps.
sf_count_t sf_writef_int(SNDFILE* file, const int* data, sf_count_t frames) {
    KX_FORWARD(sndfile_library, sf_writef_int, 0, file, data, frames);
}
int sf_set_string(SNDFILE* file, int type, const char* text) {
    KX_FORWARD(sndfile_library, sf_set_string, SF_ERR_UNSUPPORTED_ENCODING, file, type, text);
}

int sf_close(SNDFILE* file) {
    KX_FORWARD(sndfile_library, sf_close, 0, file);
}

// ---- libsoxr: one-shot and stream resampling. The format and quality helpers only fill
// structures; when the library is missing they give empty ones, and the resampling call that
// takes them fails.

const char* soxr_version(void) {
    static const auto real = find<decltype(&::soxr_version)>(soxr_library, "soxr_version");
    return real ? real() : soxr_library.error();
}
soxr_io_spec_t soxr_io_spec(soxr_datatype_t itype, soxr_datatype_t otype) {
    KX_FORWARD(soxr_library, soxr_io_spec, soxr_io_spec_t{}, itype, otype);
}
soxr_quality_spec_t soxr_quality_spec(unsigned long recipe, unsigned long flags) {
    KX_FORWARD(soxr_library, soxr_quality_spec, soxr_quality_spec_t{}, recipe, flags);
}
soxr_runtime_spec_t soxr_runtime_spec(unsigned num_threads) {
    KX_FORWARD(soxr_library, soxr_runtime_spec, soxr_runtime_spec_t{}, num_threads);
}
soxr_error_t soxr_oneshot(double input_rate, double output_rate, unsigned num_channels,
                          soxr_in_t in, size_t ilen, size_t* idone, soxr_out_t out, size_t olen,
                          size_t* odone, soxr_io_spec_t const* io,
                          soxr_quality_spec_t const* quality, soxr_runtime_spec_t const* runtime) {
    KX_FORWARD(soxr_library, soxr_oneshot, soxr_library.error(), input_rate, output_rate,
               num_channels, in, ilen, idone, out, olen, odone, io, quality, runtime);
}
soxr_t soxr_create(double input_rate, double output_rate, unsigned num_channels,
                   soxr_error_t* error, soxr_io_spec_t const* io,
                   soxr_quality_spec_t const* quality, soxr_runtime_spec_t const* runtime) {
    static const auto real = find<decltype(&::soxr_create)>(soxr_library, "soxr_create");
    if (!real) {
        if (error)
            *error = soxr_library.error();
        return nullptr;
    }
    return real(input_rate, output_rate, num_channels, error, io, quality, runtime);
}
soxr_error_t soxr_process(soxr_t resampler, soxr_in_t in, size_t ilen, size_t* idone,
                          soxr_out_t out, size_t olen, size_t* odone) {
    KX_FORWARD(soxr_library, soxr_process, soxr_library.error(), resampler, in, ilen, idone, out,
               olen, odone);
}
soxr_error_t soxr_clear(soxr_t resampler) {
    KX_FORWARD(soxr_library, soxr_clear, soxr_library.error(), resampler);
}
double soxr_delay(soxr_t resampler) {
    KX_FORWARD(soxr_library, soxr_delay, 0, resampler);
}
void soxr_delete(soxr_t resampler) {
    static const auto real = find<decltype(&::soxr_delete)>(soxr_library, "soxr_delete");
    if (real)
        real(resampler);
}

} // extern "C"
