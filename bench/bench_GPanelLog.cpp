// The log panel under load, in one run:
//  1. 100 000 lines logged into a visible GPanelLog until the last one is
//     shown, against QPlainTextEdit::appendPlainText of the same lines;
//  2. the worst gap of a 1 ms heartbeat timer on the GUI thread while 4
//     threads log 25 000 lines each into a visible panel, until the last is shown.
// Rounds alternate between the variants; medians are printed. Standard output
// (where the logger also writes) goes to /dev/null; results go to standard error.

#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 100000;
constexpr int kThreads = 4;
constexpr int kLinesPerThread = kLines / kThreads;
constexpr int kRounds = 5;
constexpr int kHeartbeatMs = 1;
constexpr QSize kWindow(900, 500);

void silence_stdout() {
    std::fflush(stdout);
    const int fd = ::open("/dev/null", O_WRONLY);
    ::dup2(fd, STDOUT_FILENO);
    ::close(fd);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs the event loop until `done` holds, then once more so the last lines are painted.
template <typename Done>
void run_until(Done done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::string message(int i) {
    return gen::str::xprintF(0, "Simulation step $ of $, height $ m", i, kLines, i * 0.25);
}

// The default line layout, so every line carries the usual trailer.
void default_layout() {
    gen::log::set_log_level(gen::log::DEBUG);
    gen::log::set_control_bits(gen::log::LOG_CONTROL_DEFAULT);
    gen::log::set_log_digits(4);
}

std::unique_ptr<gen::qt::GPanelLog> shown_panel() {
    auto panel = std::make_unique<gen::qt::GPanelLog>();
    panel->resize(kWindow);
    panel->show();
    QCoreApplication::processEvents();
    return panel;
}

double ms_panel() {
    const auto panel = shown_panel();
    const QTextDocument* doc = panel->get_view()->document();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kLines; ++i)
        gen::pp_info(message(i));
    run_until([doc] { return doc->blockCount() >= kLines; });
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double ms_bare(const std::vector<QString>& lines) {
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setReadOnly(true);
    edit->resize(kWindow);
    edit->show();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (const QString& line : lines)
        edit->appendPlainText(line);
    run_until([] { return true; });
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The worst gap between two heartbeat ticks, from the workers' start until the last line is shown.
double worst_gap_ms() {
    const auto panel = shown_panel();
    const QTextDocument* doc = panel->get_view()->document();

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    clock.start();
    heartbeat.start(kHeartbeatMs);
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([t] {
            for (int i = 0; i < kLinesPerThread; ++i)
                gen::pp_info(message(t * kLinesPerThread + i));
        });
    run_until([doc] { return doc->blockCount() >= kLines; });
    // A timer starved until the end counts as one long gap.
    worst = std::max(worst, clock.nsecsElapsed() - last);
    for (std::thread& w : workers)
        w.join();
    return static_cast<double>(worst) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    silence_stdout();
    default_layout();

    std::vector<QString> lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i)
        lines.push_back(QString::fromStdString("[0000] [12:00:00,000] [0001] " + message(i)));

    std::vector<double> panel, bare, gaps;
    for (int round = 0; round < kRounds; ++round) {
        panel.push_back(ms_panel());
        bare.push_back(ms_bare(lines));
        gaps.push_back(worst_gap_ms());
        std::fprintf(stderr,
                     "round %d: panel %.0f ms, appendPlainText %.0f ms, worst heartbeat gap %.1f ms\n",
                     round + 1, panel.back(), bare.back(), gaps.back());
    }
    const double p = median(panel), b = median(bare);
    std::fprintf(stderr, "median: panel %.0f ms, appendPlainText %.0f ms, ratio %.2f\n", p, b, p / b);
    std::fprintf(stderr, "median worst heartbeat gap: %.1f ms (max %.1f ms)\n", median(gaps),
                 *std::max_element(gaps.begin(), gaps.end()));
    return 0;
}
