// Start-up of the editor, from the program's start to its main window shown, and its resident
// memory then, next to an empty Qt Widgets window of the same size built with the same flags.
// Both run as whole processes, alternately, on the platform of the environment (bench.sh gives
// them a virtual X display); a probe linked into each reports the moment its first window was
// exposed and painted. Goals: the editor within 1.5 times the empty window's time and within
// 1.3 times its memory.
#include "bench/bench_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <vector>

extern char** environ;

using namespace kx;

namespace {

struct Start {
    double shown_ms = 0;
    int width = 0;
    int height = 0;
    double resident_mib = 0;
};

// Runs `program` until its probe reports its first window shown; the time counts from just
// before the process is created.
std::optional<Start> run_once(const QString& program, const QStringList& arguments,
                              QString* error) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        *error = QStringLiteral("no pipe");
        return std::nullopt;
    }
    // The child's end must survive exec: a duplicate without close-on-exec.
    const int child_fd = ::fcntl(fds[1], F_DUPFD, 10);
    std::vector<QByteArray> args{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        args.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : args)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    qputenv("KX_START_PROBE_FD", QByteArray::number(child_fd));

    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    ::close(child_fd);
    ::close(fds[1]);
    qunsetenv("KX_START_PROBE_FD");
    if (spawned != 0) {
        ::close(fds[0]);
        *error = QStringLiteral("cannot start ") + program;
        return std::nullopt;
    }
    QByteArray line;
    pollfd wait{fds[0], POLLIN, 0};
    while (!line.contains('\n') && ::poll(&wait, 1, 10000) > 0) {
        char buffer[128];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        line.append(buffer, n);
    }
    const auto shown = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    if (!line.contains('\n'))
        ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 4 || fields[0] != "shown") {
        *error = program + QStringLiteral(" did not report its window shown");
        return std::nullopt;
    }
    return Start{std::chrono::duration<double, std::milli>(shown - started).count(),
                 fields[1].toInt(), fields[2].toInt(), fields[3].toDouble() / 1024.0};
}

struct Medians {
    Start editor;
    Start empty;
    QString error;
    int runs = 0;
};

// Both programs, alternately (which goes first alternates too), after one unmeasured start of
// each that fills the file cache.
Medians measure() {
    Medians result;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString editor = folder + QStringLiteral("/start_editor");
    const QString empty = folder + QStringLiteral("/start_empty_window");
    QTemporaryDir documents;
    qputenv("KX_DOCUMENTS_DIR", QFile::encodeName(documents.path()));

    const auto first = run_once(editor, {}, &result.error);
    if (!first)
        return result;
    const QStringList size{QString::number(first->width), QString::number(first->height)};
    if (!run_once(empty, size, &result.error))
        return result;

    const int runs = std::max(3, qEnvironmentVariableIntValue("KX_BENCH_START_RUNS"));
    std::vector<double> editor_ms, editor_mib, empty_ms, empty_mib;
    for (int k = 0; k < runs; ++k) {
        for (int which : {k % 2, 1 - k % 2}) {
            const auto start = which == 0 ? run_once(editor, {}, &result.error)
                                          : run_once(empty, size, &result.error);
            if (!start)
                return result;
            if (start->width != first->width || start->height != first->height) {
                result.error = QStringLiteral("the windows differ in size");
                return result;
            }
            (which == 0 ? editor_ms : empty_ms).push_back(start->shown_ms);
            (which == 0 ? editor_mib : empty_mib).push_back(start->resident_mib);
        }
    }
    result.runs = runs;
    result.editor = {bench::median(editor_ms), first->width, first->height,
                     bench::median(editor_mib)};
    result.empty = {bench::median(empty_ms), first->width, first->height, bench::median(empty_mib)};
    return result;
}

const Medians& medians() {
    static const Medians measured = measure();
    return measured;
}

void BM_StartToWindowShown(benchmark::State& state) {
    const Medians& m = medians();
    for (auto _ : state)
        state.SetIterationTime(m.editor.shown_ms / 1000.0);
    if (!m.error.isEmpty()) {
        state.SkipWithError(m.error.toLocal8Bit().constData());
        return;
    }
    state.counters["empty_window_ms"] = m.empty.shown_ms;
    state.counters["ratio"] = m.editor.shown_ms / m.empty.shown_ms;
    state.counters["runs"] = m.runs;
    bench::ratio_row(QStringLiteral("Start to window shown"), m.editor.shown_ms,
                     QStringLiteral("empty %1x%2 window %3")
                         .arg(m.editor.width)
                         .arg(m.editor.height)
                         .arg(bench::with_unit(m.empty.shown_ms, "ms")),
                     m.empty.shown_ms, "ms", 1.5);
}

void BM_MemoryAfterStart(benchmark::State& state) {
    const Medians& m = medians();
    for (auto _ : state)
        state.SetIterationTime(0);
    if (!m.error.isEmpty()) {
        state.SkipWithError(m.error.toLocal8Bit().constData());
        return;
    }
    state.counters["editor_MiB"] = m.editor.resident_mib;
    state.counters["empty_window_MiB"] = m.empty.resident_mib;
    state.counters["ratio"] = m.editor.resident_mib / m.empty.resident_mib;
    bench::ratio_row(QStringLiteral("Memory after start (resident)"), m.editor.resident_mib,
                     QStringLiteral("empty window ") +
                         bench::with_unit(m.empty.resident_mib, "MiB"),
                     m.empty.resident_mib, "MiB", 1.3);
}

} // namespace

BENCHMARK(BM_StartToWindowShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_MemoryAfterStart)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
