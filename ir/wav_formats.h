#pragma once

#include <QtGlobal>

namespace kx {

// What the impulse response import reads (libsndfile's WAV formats, any channel count, any
// rate that resample_samples() takes), in the words the IR window, `kestrel-x help upload`,
// the README and the user guide all use.
inline constexpr char kWavFormats[] = QT_TRANSLATE_NOOP(
    "Ir",
    "The WAV file may hold integer samples of 8, 16, 24 or 32 bits, float samples of 32 or 64 "
    "bits, or compressed samples (ADPCM, A-law, mu-law or GSM 6.10), in one or more channels "
    "(the first is loaded). "
    "48 kHz is the pedal's rate: a file at another rate from 8 to 768 kHz is resampled to it "
    "(the editor asks first).");

} // namespace kx
