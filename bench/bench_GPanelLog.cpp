// The log panel under load, in one run:
//  1. 100 000 lines logged into a visible GPanelLog until the last one is
//     shown, against QPlainTextEdit::appendPlainText of the same lines;
//  2. the worst gap of a 1 ms heartbeat timer on the GUI thread while 4
//     threads log 25 000 lines each into a visible panel, until the last is shown.
// Rounds alternate between the variants; medians are printed.
// With --flood [N] it runs only the long flood of scripts/stress.sh instead: 8
// threads log N lines each (default 100 000), the level going round, into a
// shown panel; it prints the worst gap of a 10 ms timer until the last line is
// shown and the resident memory before, with every line shown and after clear().
// Standard output (where the logger also writes) goes to /dev/null; results go
// to standard error.

#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
constexpr int kFloodThreads = 8;
constexpr int kFloodHeartbeatMs = 10;
constexpr int kLevels = 4;

long rss_kib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

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

struct Flood {
    double worstGapMs;
    double seconds;
};

// `threads` threads log `perThread` lines each into `panel`, at INFO or, with `levels`, at
// each level in turn: the worst gap between two ticks of a `heartbeatMs` timer on the GUI
// thread, from the workers' start until the last line is shown.
Flood flood(const gen::qt::GPanelLog& panel, int threads, int perThread, int heartbeatMs, bool levels) {
    const QTextDocument* doc = panel.get_view()->document();
    const int total = threads * perThread;
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
    heartbeat.start(heartbeatMs);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([t, perThread, levels] {
            for (int i = 0; i < perThread; ++i)
                gen::log::log_string(levels ? static_cast<gen::log::LOG_LEVEL>(i % kLevels) : gen::log::INFO,
                                     message(t * perThread + i));
        });
    run_until([doc, total] { return doc->blockCount() >= total; });
    // A timer starved until the end counts as one long gap.
    worst = std::max(worst, clock.nsecsElapsed() - last);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    for (std::thread& w : workers)
        w.join();
    return {static_cast<double>(worst) / 1e6, seconds};
}

double worst_gap_ms() {
    return flood(*shown_panel(), kThreads, kLinesPerThread, kHeartbeatMs, false).worstGapMs;
}

// The long flood of scripts/stress.sh, with the memory it costs.
int long_flood(int perThread) {
    const auto panel = shown_panel();
    panel->clear();
    const long before = rss_kib();
    const Flood f = flood(*panel, kFloodThreads, perThread, kFloodHeartbeatMs, true);
    const long shown = rss_kib();
    const int total = kFloodThreads * perThread;
    const qint64 docBytes = panel->get_view()->document()->characterCount() * qint64(sizeof(QChar));
    panel->clear();
    QCoreApplication::processEvents();
    std::fprintf(stderr,
                 "%d lines shown in %.1f s: worst GUI heartbeat gap %.1f ms (%d ms timer; goal 50 ms)\n",
                 total, f.seconds, f.worstGapMs, kFloodHeartbeatMs);
    std::fprintf(stderr,
                 "VmRSS %ld KiB before, %ld KiB with the lines shown (+%.0f bytes per line; the document's "
                 "text is %lld KiB), %ld KiB after clear()\n",
                 before, shown, 1024.0 * double(shown - before) / total, docBytes / 1024, rss_kib());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    silence_stdout();
    default_layout();
    if (argc > 1 && std::strcmp(argv[1], "--flood") == 0)
        return long_flood(argc > 2 ? std::max(1, std::atoi(argv[2])) : kLines);

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
