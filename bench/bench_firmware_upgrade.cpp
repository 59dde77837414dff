// The firmware upgrade of FIRMWARE_1 against the virtual pedal's bootloader served on a
// pseudo-terminal with its real timing: the editor's (erase, each chunk written and read back,
// the record, Go) next to stm32flash writing and verifying the same image, and the wire time of
// the editor's bytes both ways. Goal: the editor no slower than stm32flash.
#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "bench/bench_rig.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_operation.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kx;

namespace {

using bench::kByteMs;
using bench::NoWindow;

// A fresh pedal in its bootloader, served on a pseudo-terminal.
class ServedPedal {
public:
    ServedPedal() {
        m_process.start(QCoreApplication::applicationDirPath() + "/kestrel-x-virtual-pedal",
                        {QStringLiteral("--bootloader")});
        if (!m_process.waitForStarted(5000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        QThread::msleep(5); // the bootloader starts after power-on
    }
    ~ServedPedal() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    QString path;

private:
    QProcess m_process;
};

// Bytes on the wire, both ways, of the editor's upgrade of an image.
double upgrade_wire_bytes(qsizetype image_bytes) {
    double bytes = 4 + 2; // the erase and its two answers
    for (qsizetype at = 0; at < image_bytes; at += 256) {
        const qsizetype n = std::min<qsizetype>(256, image_bytes - at);
        bytes += 2 + 5 + 1 + n + 1 + 3; // written, three answers
        bytes += 2 + 5 + 2 + 3 + n;     // read back: three answers, the data
    }
    return bytes + 17 + 3 + 7 + 2; // the record and Go, with their answers
}

void BM_EditorUpgradeWithReadBack(benchmark::State& state) {
    ScriptedDialogs dialogs;
    const ResourceStore store(dialogs);
    const auto image = load_firmware_image(store, QStringLiteral("Firmware_1"));
    if (!image) {
        state.SkipWithError("FIRMWARE_1 is not in the store");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        ServedPedal pedal;
        QtSerialDriver driver({pedal.path});
        NullLog log;
        RealClock clock;
        NoWindow window;
        D2XXUnit d2xx(driver, log);
        Communication comm(d2xx, window, dialogs, log, clock);
        comm.list_devices();
        comm.init_line_settings();
        comm.firmware_upgrade_mode = true;
        comm.menuConnectClick();
        FirmwareUpgradeOperation upgrade(comm, log, clock);
        upgrade.set_image(*image);
        state.ResumeTiming();
        const Status done = upgrade.start();
        if (!done)
            state.SkipWithError(done.error().toLocal8Bit().constData());
    }
    state.counters["wire_ms"] = upgrade_wire_bytes(image->bytes.size()) * kByteMs;
}

void BM_Stm32flashWriteVerify(benchmark::State& state) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    ScriptedDialogs dialogs;
    const ResourceStore store(dialogs);
    const std::optional<QByteArray> image = store.raw(QStringLiteral("FIRMWARE_1"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("FIRMWARE_1.bin"));
    QFile out(file);
    if (program.isEmpty() || !image || !out.open(QIODevice::WriteOnly) ||
        out.write(*image) != image->size()) {
        state.SkipWithError("stm32flash or the image is missing");
        return;
    }
    out.close();
    for (auto _ : state) {
        state.PauseTiming();
        ServedPedal pedal;
        QProcess flash;
        flash.setProcessChannelMode(QProcess::MergedChannels);
        state.ResumeTiming();
        flash.start(program, {"-b", "115200", "-m", "8n1", "-w", file, "-v", pedal.path});
        if (!flash.waitForFinished(300000) || flash.exitCode() != 0)
            state.SkipWithError(flash.readAll().right(300).constData());
    }
}

} // namespace

BENCHMARK(BM_EditorUpgradeWithReadBack)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_Stm32flashWriteVerify)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
