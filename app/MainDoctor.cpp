// The main window's connection doctor: the "Diagnose" item of the "Connection" menu, and the
// doctor that opens by itself when a connect fails for a reason it can name.
#include "app/AppContext.h"
#include "app/ConnectionDoctor.h"
#include "app/Main.h"
#include "base/translation.h"
#include "link/Communication.h"
#include "platform/diagnosis.h"
#include "link/pedal_drivers.h"

namespace kx {

namespace {

constexpr char kDoctorName[] = "formConnectionDoctor";
constexpr char kLogDoctor[] = "connection doctor: ";

// The doctor window lives as long as the main window and is made on first use.
ConnectionDoctor& doctor_window(TformMain& main, AppContext& context) {
    if (auto* doctor = main.findChild<ConnectionDoctor*>(QLatin1String(kDoctorName),
                                                         Qt::FindDirectChildrenOnly))
        return *doctor;
    auto* doctor = new ConnectionDoctor(
        [&context] {
            doctor::DoctorSources sources = doctor::system_sources();
            sources.ports = context.link_options.ports;
            sources.virtual_pedal = context.link_options.virtual_pedal;
            return sources;
        },
        context.dialogs, &main);
    doctor->set_connection([&main] {
        Communication& link = main.communication();
        if (!link.connected())
            return QString();
        const QString serial = link.device_serial_number;
        return serial == QLatin1String(kVirtualPedalSerial)
                   ? ui_text("kx::TformMain", "the virtual pedal")
                   : serial;
    });
    return *doctor; // opens beside the main window
}

// The findings go to the log as well, so that a saved log tells what the doctor saw.
void log_diagnosis(Log& log, const doctor::Diagnosis& diagnosis) {
    const QStringList lines =
        doctor::report_text(diagnosis).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines)
        log.print_line(QLatin1String(kLogDoctor) + line.trimmed());
}

void show_window(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void TformMain::menuDiagnoseClick() {
    ConnectionDoctor& doctor = doctor_window(*this, m_context);
    doctor.diagnose();
    log_diagnosis(m_context.log, doctor.diagnosis());
    show_window(doctor);
}

void TformMain::diagnose_failed_connect() {
    const Communication& link = communication();
    // Connected, or refused while other work holds the link: nothing failed to diagnose.
    if (link.connected() || link.waiting() || link.claimed())
        return;
    ConnectionDoctor& doctor = doctor_window(*this, m_context);
    doctor.diagnose();
    if (doctor.diagnosis().count(doctor::Severity::Problem) == 0)
        return;
    log_diagnosis(m_context.log, doctor.diagnosis());
    show_window(doctor);
}

} // namespace kx
