// Round trips of the pedal's two answered requests against the virtual pedal with its real
// link timing, next to their floor: the wire time of the bytes both ways, the pedal's own work,
// and one latency period of the chip, which sends the reply's last partial packet. Goal: the
// median request within 1.1 times its floor.
#include "base/clock.h"
#include "base/log.h"
#include "bench/bench_rig.h"
#include "bench/bench_table.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "sim/link_timing.h"
#include "sim/pedal_firmware.h"
#include "tests/support/await.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <vector>

using namespace kx;

namespace {

using bench::kByteMs;
using bench::Link;
constexpr double kLatencyMs = double(sim::kLatencyTimer_us) / 1000.0;

// Times each request, reports the median as the iteration time and writes the table's row.
void measure(benchmark::State& state, const QString& what, const QByteArray& request,
             double pedal_work_ms, const std::function<bool(Link&)>& ask) {
    Link link;
    std::vector<double> times_ms;
    qsizetype reply_bytes = 0;
    for (auto _ : state) {
        const qsizetype before = link.pedal_sent();
        const auto started = std::chrono::steady_clock::now();
        const bool answered = ask(link);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count();
        state.SetIterationTime(ms / 1000.0);
        reply_bytes = link.pedal_sent() - before;
        if (!answered || !link.problems.isEmpty()) {
            state.SkipWithError(
                link.problems.value(0, QStringLiteral("no answer")).toLocal8Bit().constData());
            return;
        }
        times_ms.push_back(ms);
    }
    const double wire_ms = double(request.size() + reply_bytes) * kByteMs;
    const double floor_ms = wire_ms + pedal_work_ms + kLatencyMs;
    const double median_ms = bench::median(times_ms);
    state.counters["median_ms"] = median_ms;
    state.counters["reply_bytes"] = double(reply_bytes);
    state.counters["floor_ms"] = floor_ms;
    state.counters["ratio"] = median_ms / floor_ms;
    bench::ratio_row(what, median_ms,
                     QStringLiteral("floor %1 (wire %2 + pedal %3 + latency %4)")
                         .arg(bench::with_unit(floor_ms, "ms"))
                         .arg(wire_ms, 0, 'f', 1)
                         .arg(pedal_work_ms, 0, 'f', 1)
                         .arg(kLatencyMs, 0, 'f', 0),
                     floor_ms, "ms", 1.1);
}

void BM_InformationRequest(benchmark::State& state) {
    const QByteArray request("\x05\x00", 2);
    measure(state, QStringLiteral("Information request"), request,
            double(sim::kInfoReplyWork_us) / 1000.0, [&](Link& link) {
                return bool(test::done(link.comm.receive_text(request, information_reply())));
            });
}

void BM_ParameterRequest16(benchmark::State& state) {
    const QByteArray request("\x02\x10");
    measure(state, QStringLiteral("16-control parameter request"), request,
            double(sim::kParameterReplyWork_us) / 1000.0, [&](Link& link) {
                return bool(test::done(link.comm.receive_values(request, parameter_reply(16))));
            });
}

} // namespace

BENCHMARK(BM_InformationRequest)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(31);
BENCHMARK(BM_ParameterRequest16)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(31);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
