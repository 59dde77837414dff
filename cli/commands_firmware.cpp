// The firmware upgrade and the connection doctor from the command line.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"
#include "library/hex_text.h"
#include "link/Communication.h"
#include "link/doctor/diagnosis.h"

#include <QFile>
#include <QFileInfo>

namespace kx::cli {

namespace {

constexpr char kUpgrade[] = "upgrade";
// The firmware the editor carries, and the record number a firmware file is written under.
constexpr char kBuiltInFirmware[] = "Firmware_1";
constexpr int kBuiltInFirmwareNumber = 1;
constexpr char kUpgradeDone[] = "Firmware upgrade complete: the pedal now runs %1.";

Result<LoadedFirmware> firmware_from_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("Error loading file: %1: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    return LoadedFirmware{QFileInfo(path).fileName(), kBuiltInFirmwareNumber, bytes,
                          bytes_to_hex(bytes)};
}

// A stopped upgrade names what to run next: this program has no buttons.
UpgradeAdvice command_line_advice() {
    UpgradeAdvice advice;
    advice.start_again = QStringLiteral("Run kestrel-x firmware upgrade again to start over.");
    advice.reconnect = QStringLiteral("Power the pedal up with its footswitch held, then run "
                                      "kestrel-x firmware upgrade again to start over.");
    advice.check_started =
        QStringLiteral("Run kestrel-x info to find out: if it names the pedal's firmware "
                       "version, the new firmware runs; if the pedal does not answer, it is still "
                       "in its bootloader, and kestrel-x firmware upgrade starts over.");
    return advice;
}

} // namespace

int command_firmware(Session& session, const QStringList& arguments) {
    if (arguments.at(0) != QLatin1String(kUpgrade)) {
        print_error(QStringLiteral("firmware takes upgrade, not \"%1\".").arg(arguments.at(0)));
        return kExitUsage;
    }
    // The image is read and checked before the pedal is reached.
    const QString path = arguments.value(1);
    auto image = path.isEmpty()
                     ? load_firmware_image(session.store(), QLatin1String(kBuiltInFirmware))
                     : firmware_from_file(path);
    if (!image) {
        print_error(image.error());
        return kExitUsage;
    }
    if (const Status fits = check_firmware_fits(*image); !fits) {
        print_error(fits.error());
        return kExitUsage;
    }
    if (const int status = session.connect(true); status != kExitOk)
        return status;
    if (!session.bootloader_answered()) {
        print_error(QStringLiteral("The pedal is not in its bootloader: power it up with the "
                                   "footswitch held, then run the upgrade again."));
        return kExitNoPedal;
    }
    session.log().print_line(QLatin1String(kLogFirmwareNumBytes) +
                             QString::number(image->bytes.size()));
    const QString name = image->name;
    FirmwareUpgradeOperation upgrade(session.comm(), session.log(), session.clock());
    upgrade.set_image(std::move(*image));
    upgrade.set_advice(command_line_advice());
    Status result;
    {
        ProgressDisplay progress(upgrade);
        result = upgrade.start();
    }
    if (!result)
        return session.fail(result.failure());
    print_out(QString::fromLatin1(kUpgradeDone).arg(name) + QLatin1Char('\n'));
    return kExitOk;
}

int command_diagnose(Session& session) {
    doctor::DoctorSources sources = doctor::system_sources();
    sources.ports = session.options().ports;
    sources.virtual_pedal = session.options().virtual_pedal;
    const doctor::Diagnosis diagnosis = doctor::diagnose(sources);
    print_out(doctor::report_text(diagnosis));
    return diagnosis.ready ? kExitOk : kExitNoPedal;
}

} // namespace kx::cli
