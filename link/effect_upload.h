#pragma once

#include "base/result.h"
#include "base/translation.h"
#include "link/Operation.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace kx {

class Clock;
class Communication;
class Log;

inline constexpr char kLogFileContentSize[] = "file content size: ";
inline constexpr char kLogResourceName[] = "resource name: ";
inline constexpr char kTextUploading[] = QT_TRANSLATE_NOOP("Link", "Uploading...");

inline constexpr char kMessageImageEmpty[] = QT_TRANSLATE_NOOP(
    "Link", "There is no image to upload for %1. For an impulse response effect, load a WAV file "
            "first (File > Load IR).");
inline constexpr char kMessageImageNotHex[] =
    QT_TRANSLATE_NOOP("Link", "The image of %1 cannot be uploaded: it is damaged at character %2.");
inline constexpr char kMessageImageTooLong[] = QT_TRANSLATE_NOOP(
    "Link", "The image of %1 cannot be uploaded: it has %2 bytes, at most %3 fit.");

// Length of the pedal's answer to an upload that the editor shows.
inline constexpr int kUploadAnswerBytes = 17;
// Pause between the bypass message and the image, so the pedal has left the running effect.
inline constexpr int kBypassPauseMs = 400;
// The answer's time limit counts from the image's last byte: the pedal checks and loads the
// image, then answers.
inline constexpr int kUploadAnswerTimeoutMs = 3000;

// The image's bytes from its text, or why it cannot be sent: it must be non-empty, hexadecimal
// all the way (an odd last character is ignored) and fit the send buffer. `effect` names it in
// the message.
Result<QByteArray> upload_image_bytes(const QString& image_text, const QString& effect);

// Puts an effect image into the pedal: bypass, a pause, the image in one message, then the
// pedal's short answer. The image is checked before anything is sent.
class EffectUpload : public Operation {
    Q_OBJECT
public:
    EffectUpload(Communication& comm, Log& log, Clock& clock,
                 std::function<Task<Status>()> enter_bypass);

    // Set before each start: the image text and the effect's name for messages.
    void set_image(const QString& image_text, const QString& effect_name);
    // The pedal's answer, its first 17 bytes as 8-bit text (shorter if it said less).
    const QString& answer() const { return m_answer; }

protected:
    Task<Status> run() override;

private:
    Communication& m_comm;
    Log& m_log;
    Clock& m_clock;
    std::function<Task<Status>()> m_enter_bypass;
    QString m_image_text;
    QString m_effect_name;
    QString m_answer;
};

} // namespace kx
