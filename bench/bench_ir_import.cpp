// The impulse response import of a 10-minute WAV file (48 kHz, 24-bit, mono, 86 MB) into the
// "Basic IR Loader" image, as the editor's "Load IR" does it, in a process of its own whose
// peak resident memory the system reports. Next to it, for comparison, sox reading the same
// file. Goal: the import's peak at most 25 MB, whatever the file's length.
#include "base/log.h"
#include "base/outside_file.h"
#include "bench/bench_table.h"
#include "ir/ir_import.h"
#include "library/resource_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cmath>
#include <optional>
#include <vector>

extern char** environ;

using namespace kx;

namespace {

constexpr int kRate_hz = 48000;
constexpr int kMinutes = 10;
constexpr char kImportOption[] = "--import-only";

// A decaying noise burst, then the rest of the ten minutes of quiet hiss, written in blocks.
bool write_long_wav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 frames = quint32(kRate_hz) * 60 * kMinutes;
    const quint32 data_bytes = frames * 3;
    QByteArray header("RIFF....WAVEfmt ", 16);
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    header.replace(4, 4, le32(36 + data_bytes));
    header += le32(16) + le16(1) + le16(1) + le32(kRate_hz) + le32(kRate_hz * 3) + le16(3) +
              le16(24) + QByteArray("data") + le32(data_bytes);
    if (file.write(header) != header.size())
        return false;
    quint32 seed = 12345;
    QByteArray block;
    for (quint32 at = 0; at < frames;) {
        block.clear();
        for (int k = 0; k < 65536 && at < frames; ++k, ++at) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = double(qint32(seed)) / 2147483648.0;
            const double level = at < quint32(kRate_hz) ? std::exp(-double(at) / 4800.0) : 1e-4;
            const qint32 sample = qint32(noise * level * 8388607.0);
            const char bytes[3] = {char(sample & 0xFF), char((sample >> 8) & 0xFF),
                                   char((sample >> 16) & 0xFF)};
            block.append(bytes, 3);
        }
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// What the editor's "Load IR" does with the file, in this process (the child): the file is
// opened as the editor opens it and read in parts, never whole.
int import_only(const QString& path) {
    const ResourceStore store;
    NullLog log;
    const auto file = OutsideFile::open(path, kWavFileFormat);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(file.error()));
        return 2;
    }
    const IrImportRequest request{QFileInfo(path).fileName(), **file,
                                  QStringLiteral("Basic IR Loader")};
    const auto imported = import_ir(request, store, log, [](const QString&) { return true; });
    if (!imported) {
        std::fprintf(stderr, "%s\n", qPrintable(imported.error()));
        return 1;
    }
    return 0;
}

// Runs a program to its end; its peak resident memory in MB (10^6 bytes), or nothing when it
// failed.
std::optional<double> peak_mb(const QStringList& command) {
    std::vector<QByteArray> args;
    for (const QString& argument : command)
        args.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : args)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return double(usage.ru_maxrss) * 1024.0 / 1e6;
}

void BM_IrImportPeakMemory(benchmark::State& state) {
    QTemporaryDir folder;
    const QString wav = folder.filePath(QStringLiteral("ten-minutes.wav"));
    if (!write_long_wav(wav)) {
        state.SkipWithError("cannot write the WAV file");
        return;
    }
    std::optional<double> editor;
    for (auto _ : state) {
        editor =
            peak_mb({QCoreApplication::applicationFilePath(), QLatin1String(kImportOption), wav});
        state.SetIterationTime(0);
    }
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    // Negative when sox is missing or failed.
    const double sox_mb =
        sox.isEmpty() ? -1 : peak_mb({sox, wav, QStringLiteral("-n")}).value_or(-1);
    const QString anchor = sox_mb >= 0
                               ? QStringLiteral("sox reading it ") + bench::with_unit(sox_mb, "MB")
                               : QStringLiteral("-");
    const QString what = QStringLiteral("IR import of a %1-minute WAV (%2 MB), peak memory")
                             .arg(kMinutes)
                             .arg(double(QFileInfo(wav).size()) / 1e6, 0, 'f', 0);
    if (!editor) {
        state.SkipWithError("the import failed");
        bench::table_line(what, QStringLiteral("failed"), anchor, QStringLiteral("-"),
                          QStringLiteral("<= 25 MB"), false);
        return;
    }
    state.counters["peak_MB"] = *editor;
    if (sox_mb >= 0)
        state.counters["sox_peak_MB"] = sox_mb;
    bench::limit_row(what, *editor, anchor, 25, "MB");
}

} // namespace

BENCHMARK(BM_IrImportPeakMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String(kImportOption))
        return import_only(arguments.value(2));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
