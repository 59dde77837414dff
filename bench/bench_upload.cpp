// The effect upload and a slider move against the virtual pedal with its real link timing.
// Goals: the whole upload of the largest catalogue image (9,472 bytes) within 1.05 times its
// floor (the bypass message, the 400 ms pause after it, the image on the wire and the pedal's
// answer); no window freeze over 50 ms during it; a slider's message on the wire within one
// byte time of the write call.
#include "base/clock.h"
#include "base/log.h"
#include "bench/bench_rig.h"
#include "bench/bench_table.h"
#include "bench/freeze_watch.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "link/effect_upload.h"
#include "sim/link_timing.h"
#include "sim/pedal_firmware.h"
#include "tests/support/await.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

using namespace kx;

namespace {

using bench::kByteMs;
using bench::Link;

const QByteArray kBypass("\x0D\x00", 2);

QByteArray largest_image() {
    ResourceStore store;
    const auto lines = store.read_file_from_stream(QStringLiteral("Basic_IR_Loader"));
    if (!lines)
        return {};
    return upload_image_bytes(lines->value(0), QStringLiteral("Basic IR Loader")).value();
}

// The pedal's own part: it checks and loads the image, then answers through the chip, whose
// latency timer sends the short answer's packet.
double pedal_answer_ms(qsizetype image_bytes) {
    return double(sim::kUploadLoadWork_us) / 1000.0 +
           double(image_bytes) * double(sim::kUploadLoadWorkPerByte_ns) / 1e6 +
           double(kUploadAnswerBytes) * kByteMs + double(sim::kLatencyTimer_us) / 1000.0;
}

// The image and its answer: the upload without its bypass and fixed pause.
void BM_UploadImage9472(benchmark::State& state) {
    Link link;
    const QByteArray image = largest_image();
    ReplyRequest answer{QStringLiteral("answer to the upload"), 0, kUploadAnswerBytes,
                        kUploadAnswerTimeoutMs};
    for (auto _ : state) {
        const auto reply = test::done(link.comm.exchange(image, answer));
        if (!reply)
            state.SkipWithError(reply.error().toLocal8Bit().constData());
    }
    const double image_wire_ms = double(image.size()) * kByteMs;
    state.counters["image_bytes"] = double(image.size());
    state.counters["image_wire_ms"] = image_wire_ms;
    state.counters["pedal_answer_ms"] = pedal_answer_ms(image.size());
}

// The whole operation as the user starts it, its pause after the bypass included, with the
// longest freeze of the window thread during it.
void BM_UploadOperation9472(benchmark::State& state) {
    const double idle_ms = bench::idle_freeze_ms(1000);
    Link link;
    const QByteArray image = largest_image();
    const QString text = QString::fromLatin1(image.toHex().toUpper());
    EffectUpload upload(link.comm, link.log, link.clock(),
                        [&] { return test::done(link.comm.send_message(kBypass)); });
    upload.set_image(text, QStringLiteral("Basic IR Loader"));
    std::vector<double> times_ms;
    double longest_freeze_ms = 0;
    for (auto _ : state) {
        bench::FreezeWatch watch;
        const auto started = std::chrono::steady_clock::now();
        const Status result = test::done(upload.start());
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count();
        longest_freeze_ms = std::max(longest_freeze_ms, watch.longest_ms());
        state.SetIterationTime(ms / 1000.0);
        if (!result) {
            state.SkipWithError(result.error().toLocal8Bit().constData());
            return;
        }
        times_ms.push_back(ms);
    }
    const double wire_ms = double(kBypass.size() + image.size()) * kByteMs;
    const double floor_ms = wire_ms + kBypassPauseMs + pedal_answer_ms(image.size());
    const double median_ms = bench::median(times_ms);
    state.counters["floor_ms"] = floor_ms;
    state.counters["ratio"] = median_ms / floor_ms;
    state.counters["longest_freeze_ms"] = longest_freeze_ms;
    state.counters["idle_freeze_ms"] = idle_ms;
    bench::ratio_row(QStringLiteral("Whole upload, %1-byte image").arg(image.size()), median_ms,
                     QStringLiteral("floor %1 (wire %2 + pause %3 + answer %4)")
                         .arg(bench::with_unit(floor_ms, "ms"))
                         .arg(wire_ms, 0, 'f', 1)
                         .arg(kBypassPauseMs)
                         .arg(pedal_answer_ms(image.size()), 0, 'f', 1),
                     floor_ms, "ms", 1.05);
    bench::limit_row(QStringLiteral("Longest window freeze during an upload"), longest_freeze_ms,
                     QStringLiteral("idle ") + bench::with_unit(idle_ms, "ms"), 50, "ms");
}

// From the write call to the last byte of a parameter write reaching the pedal.
void BM_SliderMoveToLastByte(benchmark::State& state) {
    Link link;
    sim::VirtualPedal& pedal = link.pedal();
    const QByteArray message("\x01\x00\x03\x00\x40\x00\x00", 7);
    double last_byte_after_call_us = 0;
    for (auto _ : state) {
        pedal.clear_history();
        const qint64 start_us = VirtualPedalDriver::now_us();
        if (const Status sent = test::done(link.comm.send_message(message)); !sent)
            state.SkipWithError(sent.error().toLocal8Bit().constData());
        const qint64 returned_us = VirtualPedalDriver::now_us();
        state.PauseTiming();
        // The pedal runs only when asked: let the message reach it, then read its times.
        while (pedal.received().size() < message.size())
            pedal.advance(VirtualPedalDriver::now_us());
        last_byte_after_call_us += double(pedal.received().last().at_us - returned_us);
        benchmark::DoNotOptimize(start_us);
        state.ResumeTiming();
    }
    state.counters["last_byte_after_call_us"] =
        last_byte_after_call_us / double(std::max<int64_t>(state.iterations(), 1));
    state.counters["wire_us"] = double(message.size()) * kByteMs * 1000.0;
    state.counters["byte_us"] = kByteMs * 1000.0;
}

} // namespace

BENCHMARK(BM_UploadImage9472)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_UploadOperation9472)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
// A fixed count: the untimed wait for the pedal dwarfs the timed write call.
BENCHMARK(BM_SliderMoveToLastByte)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(500);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
