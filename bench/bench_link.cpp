// Round trips of the pedal's two answered requests against the virtual pedal with its real
// link timing, next to the wire time of the bytes exchanged. Target: within 1.5 times the wire
// time plus one 16 ms latency period of the chip.
#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "bench/bench_rig.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/virtual_pedal_driver.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace kx;

namespace {

using bench::kByteMs;
using bench::Link;
constexpr double kLatencyMs = 16.0;

void report(benchmark::State& state, Link& link, qsizetype sent_before, int request_bytes) {
    const double reply_bytes =
        double(link.pedal_sent() - sent_before) / double(std::max<int64_t>(state.iterations(), 1));
    const double wire_ms = (request_bytes + reply_bytes) * kByteMs;
    state.counters["reply_bytes"] = reply_bytes;
    state.counters["wire_ms"] = wire_ms;
    state.counters["target_ms"] = 1.5 * wire_ms + kLatencyMs;
    if (!link.dialogs.messages.isEmpty())
        state.SkipWithError(link.dialogs.messages.first().toLocal8Bit().constData());
}

void BM_InformationRequest(benchmark::State& state) {
    Link link;
    const qsizetype before = link.pedal_sent();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            link.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
    }
    report(state, link, before, 2);
}

void BM_ParameterRequest16(benchmark::State& state) {
    Link link;
    const qsizetype before = link.pedal_sent();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            link.comm.receive_values(QByteArray("\x02\x10"), parameter_reply(16)));
    }
    report(state, link, before, 2);
}

} // namespace

BENCHMARK(BM_InformationRequest)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_ParameterRequest16)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
