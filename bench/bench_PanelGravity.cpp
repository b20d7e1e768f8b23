// One gravity tick as the panel's 1 ms timer delivers it (through the timer's
// listener): while a run is in progress (clock read, closed-form height, ball
// moved, bounce test) and while stopped, which the timer pays every millisecond
// for the whole life of the panel; and a late tick, which replays what it skipped.

#include "MySettings.h"
#include "PanelGravity.h"

#include "gen/GLog.h"
#include "gen/qt/GApp.h"
#include "gen/qt/GSlider.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

PanelGravity* panel = nullptr;

void fire_timeout() {
    panel->timer.listenerTimeout.fire_event(0, gen::FIRE_EVENT::DIRECT);
}

void BM_TickRunning(benchmark::State& state) {
    panel->sliderEnergy->setValue(100); // without loss the run never ends by itself
    panel->start_stop();
    for (auto _ : state)
        fire_timeout();
    panel->start_stop();
}
BENCHMARK(BM_TickRunning);

// A tick that comes `range(0)` ms late replays the milliseconds it skipped: what a stall costs on top.
void BM_TickLate(benchmark::State& state) {
    panel->sliderEnergy->setValue(100);
    panel->start_stop();
    long long now = panel->last_tick_ms;
    for (auto _ : state)
        panel->tick(now += state.range(0));
    panel->start_stop();
}
BENCHMARK(BM_TickLate)->Arg(1)->Arg(1000)->Arg(60000);

void BM_TickStopped(benchmark::State& state) {
    for (auto _ : state)
        fire_timeout();
}
BENCHMARK(BM_TickStopped);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The panel reads the application settings; never the user's store.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    gen::qt::BaseApp::prepare_settings("gen-bench", "bench_PanelGravity");
    MySettings settings;
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    // The start and stop lines would only interleave with the results.
    gen::log::set_log_level(gen::log::WARN);
    PanelGravity gravity;
    panel = &gravity;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
