// The firmware upgrade and the connection doctor from the command line.
#include "base/outside_file.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"
#include "library/hex_text.h"
#include "link/Communication.h"
#include "link/doctor/diagnosis.h"

#include <QFileInfo>

namespace kx::cli {

namespace {

constexpr char kUpgrade[] = "upgrade";
// The firmware the editor carries, and the record number a firmware file is written under.
constexpr char kBuiltInFirmware[] = "Firmware_1";
constexpr int kBuiltInFirmwareNumber = 1;
constexpr char kUpgradeDone[] = "Firmware upgrade complete: the pedal now runs %1.";

Result<LoadedFirmware> firmware_from_file(const QString& path) {
    const auto bytes = read_outside_file(path, kFirmwareFileFormat);
    if (!bytes)
        return Error{QStringLiteral("Error loading file: ") + bytes.error()};
    return LoadedFirmware{QFileInfo(path).fileName(), kBuiltInFirmwareNumber, *bytes,
                          bytes_to_hex(*bytes)};
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
