// The firmware upgrade and the connection doctor from the command line.
#include "base/hex_text.h"
#include "base/outside_file.h"
#include "cli/await.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_protocol.h"
#include "firmware/firmware_versions.h"
#include "firmware/link_bootloader_port.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"
#include "library/firmware_image.h"
#include "link/Communication.h"
#include "platform/diagnosis.h"
#include "session/pedal_session.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace kx::cli {

namespace {

constexpr char kUpgrade[] = "upgrade";
// The firmware the editor carries, and the record number a firmware file is written under.
constexpr char kBuiltInFirmware[] = "Firmware_1";
constexpr int kBuiltInFirmwareNumber = 1;
constexpr char kUpgradeDone[] = "Firmware upgrade complete: the pedal now runs %1.";
constexpr char kNeedsYes[] =
    "The firmware upgrade erases the pedal's flash, so it asks first: run it on a terminal, or "
    "give --yes. Nothing was sent.";
constexpr char kNotInBootloader[] =
    "The pedal is not in its bootloader: power it up with the footswitch held, then run the "
    "upgrade again. Nothing was written.";
constexpr char kDeclined[] =
    "Nothing was written: the upgrade was not confirmed, and the pedal stays in its bootloader.";
// The part the pedal's bootloader reports.
constexpr quint16 kPedalChipId = 0x0410;
constexpr char kPedalChipName[] = "STM32F10xxx medium-density";

Result<LoadedFirmware> firmware_from_file(const QString& path) {
    const auto bytes = read_outside_file(path, kFirmwareFileFormat);
    if (!bytes)
        return Error{QStringLiteral("Error loading file: ") + bytes.error()};
    const QString name = QFileInfo(path).fileName();
    if (const Status firmware = check_firmware_image(name, *bytes); !firmware)
        return firmware.failure();
    return LoadedFirmware{name, kBuiltInFirmwareNumber, *bytes, bytes_to_hex(*bytes)};
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

QString address_hex(quint32 address) {
    return QStringLiteral("0x") + address_text(address);
}

// Asks the bootloader who it is (Get, Get ID) under a claim of the link: nothing is written.
Result<BootloaderIdentity> identify(Session& session) {
    auto claim = session.comm().claim(QStringLiteral("Bootloader identity"));
    if (!claim)
        return claim.failure();
    LinkBootloaderPort port(session.comm(), *claim);
    if (const Status begun = finish(port.begin()); !begun)
        return begun.failure();
    BootloaderProtocol protocol(port, session.log(), session.clock());
    return finish(protocol.identify());
}

// Acknowledged chunks on standard error: redrawn in place on a terminal, a line every tenth
// of the image otherwise.
class ChunkProgress {
public:
    explicit ChunkProgress(FirmwareUpgradeOperation& upgrade)
        : m_terminal(interactive()), m_quiet(json_errors()) {
        m_connection =
            QObject::connect(&upgrade, &FirmwareUpgradeOperation::chunks_acknowledged, &upgrade,
                             [this](int done, int count) { show(done, count); });
    }
    ~ChunkProgress() {
        QObject::disconnect(m_connection);
        if (m_terminal && m_shown > 0)
            std::fputs("\n", stderr);
    }
    ChunkProgress(const ChunkProgress&) = delete;
    ChunkProgress& operator=(const ChunkProgress&) = delete;
    int acknowledged() const { return m_done; }

private:
    void show(int done, int count) {
        m_done = done;
        if (m_quiet)
            return;
        const QByteArray line =
            QStringLiteral("%1 of %2 chunks acknowledged").arg(done).arg(count).toLocal8Bit();
        if (m_terminal) {
            std::fprintf(stderr, "\r%s", line.constData());
            m_shown = done;
        } else if (done == count || done * 10 / count != m_shown * 10 / count) {
            std::fprintf(stderr, "%s\n", line.constData());
            m_shown = done;
        }
        std::fflush(stderr);
    }

    bool m_terminal;
    bool m_quiet;
    int m_shown = 0;
    int m_done = 0;
    QMetaObject::Connection m_connection;
};

} // namespace

int command_firmware(Session& session, const QStringList& arguments, bool yes) {
    if (arguments.at(0) != QLatin1String(kUpgrade))
        return usage_error(
            QStringLiteral("firmware takes upgrade, not \"%1\".").arg(arguments.at(0)));
    // The image is read and checked before the pedal is reached.
    const QString path = arguments.value(1);
    auto image = path.isEmpty()
                     ? load_firmware_image(session.store(), QLatin1String(kBuiltInFirmware))
                     : firmware_from_file(path);
    if (!image)
        return usage_error(image.error());
    if (const Status fits = check_firmware_fits(*image); !fits)
        return usage_error(path.isEmpty() ? fits.error()
                                          : QStringLiteral("%1: %2").arg(path, fits.error()));
    const QString name = image->name;
    const qsizetype bytes = image->bytes.size();
    const int chunks = int((bytes + kChunkBytes - 1) / kChunkBytes);
    const quint32 last_address = kImageAddress + quint32(bytes) - 1;
    const QString plan =
        QStringLiteral("%1: %2 bytes in %3 chunks to %4-%5, and the firmware record to %6-%7.\n")
            .arg(name)
            .arg(bytes)
            .arg(chunks)
            .arg(address_hex(kImageAddress), address_hex(last_address), address_hex(kRecordAddress),
                 address_hex(kRecordAddress + kRecordBytes - 1));
    // Nothing goes out when no one could answer the question.
    if (!yes && !interactive())
        return usage_error(QLatin1String(kNeedsYes));

    // The bootloader's version and chip come first, so the question is asked knowing them; a
    // declined upgrade leaves the bootloader waiting for a command, which the next check finds.
    if (const Status connected = session.connect(true); !connected)
        return session.fail(connected.failure());
    PedalSession& pedal = session.pedal();
    if (pedal.link_state() != LinkState::Bootloader)
        return report_worded(Error{QLatin1String(kNotInBootloader), ErrorKind::WrongLinkState});
    const auto identity = identify(session);
    if (!identity)
        return session.fail(identity.failure());
    const QString chip = identity->product_id == kPedalChipId
                             ? QStringLiteral(" (%1)").arg(QLatin1String(kPedalChipName))
                             : QString();
    // What the pedal last said it runs, in this run or an earlier one: the bootloader cannot say.
    const QString change =
        firmware_change_text(pedal.reported_firmware_version(), firmware_version_of(image->bytes));
    if (!session.options().json)
        print_out(QStringLiteral("Bootloader version %1, chip ID %2%3.\n")
                      .arg(bootloader_version_text(identity->version),
                           product_id_text(identity->product_id), chip) +
                  plan + (change.isEmpty() ? QString() : change + QStringLiteral(".\n")));
    if (!yes && !ask_yes(QStringLiteral("Erase the pedal's flash and write %1?").arg(name)))
        return failed_error(QLatin1String(kDeclined));

    session.log().print_line(QLatin1String(kLogFirmwareNumBytes) + QString::number(bytes));
    pedal.upgrade_operation().set_advice(command_line_advice());
    Status result;
    int acknowledged = 0;
    {
        ChunkProgress progress(pedal.upgrade_operation());
        result = finish(pedal.upgrade_firmware(*image));
        acknowledged = progress.acknowledged();
    }
    if (!result)
        return report_worded(result.failure());
    if (session.options().json)
        print_json(QJsonObject{
            {QStringLiteral("firmware"), name},
            {QStringLiteral("bytes"), bytes},
            {QStringLiteral("bootloader_version"), bootloader_version_text(identity->version)},
            {QStringLiteral("chip_id"), product_id_text(identity->product_id)},
            {QStringLiteral("first_address"), address_hex(kImageAddress)},
            {QStringLiteral("last_address"), address_hex(last_address)},
            {QStringLiteral("record_address"), address_hex(kRecordAddress)},
            {QStringLiteral("chunks"), acknowledged},
            {QStringLiteral("change"), change},
        });
    else
        print_out(QString::fromLatin1(kUpgradeDone).arg(name) + QLatin1Char('\n'));
    return kExitOk;
}

int command_diagnose(Session& session) {
    doctor::DoctorSources sources = doctor::system_sources();
    sources.ports = session.options().ports;
    sources.virtual_pedal = session.options().virtual_pedal;
    const doctor::Diagnosis diagnosis = doctor::diagnose(sources);
    if (session.options().json) {
        QJsonArray findings;
        for (const doctor::Finding& finding : diagnosis.findings) {
            const char* severity = finding.severity == doctor::Severity::Ok     ? "ok"
                                   : finding.severity == doctor::Severity::Note ? "note"
                                                                                : "problem";
            findings.append(QJsonObject{{QStringLiteral("severity"), QLatin1String(severity)},
                                        {QStringLiteral("subject"), finding.subject},
                                        {QStringLiteral("text"), finding.text},
                                        {QStringLiteral("advice"), finding.advice},
                                        {QStringLiteral("command"), finding.command}});
        }
        print_json(QJsonObject{{QStringLiteral("ready"), diagnosis.ready},
                               {QStringLiteral("summary"), diagnosis.summary()},
                               {QStringLiteral("findings"), findings}});
    } else {
        print_out(doctor::report_text(diagnosis));
    }
    if (diagnosis.ready)
        return kExitOk;
    // A script reading only errors learns it too.
    return json_errors() ? no_pedal_error(diagnosis.summary()) : kExitNoPedal;
}

} // namespace kx::cli
