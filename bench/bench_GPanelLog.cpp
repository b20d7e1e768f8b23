// The log panel under load, in one run:
//  1. 100 000 lines logged into a visible GPanelLog until the last one is
//     shown, against QPlainTextEdit::appendPlainText of the same lines into an
//     edit that keeps as many lines as the panel (the panel's default);
//  2. the worst gap of a 1 ms heartbeat timer on the GUI thread while 4
//     threads log 25 000 lines each into a visible panel, until the last is shown.
// Rounds alternate between the variants; medians are printed.
// With --flood [N] it runs only the long flood of scripts/stress.sh instead: 8
// threads log N lines each (default 50 000), the level going round, into a
// shown panel with its default line limit. Halfway, the threads wait until
// every line so far is shown and the resident memory is read; then they go on.
// It prints the lines kept, the worst gap of a 1 ms timer from the start until
// the last line is shown, and the resident memory before, halfway, at the end
// and after clear().
// Standard output (where the logger also writes) goes to /dev/null; results go
// to standard error.

#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <functional>
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
constexpr int kFloodLines = 50000;
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
// It sleeps while nothing is due, as QApplication::exec() does: a loop that spins would
// look to the scheduler like one more busy thread.
template <typename Done>
void run_until(Done done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::string message(int i) {
    return gen::str::xprintF(0, "Simulation step $ of $, height $ m", i, kLines, i * 0.25);
}

// Logs a line of its own and runs the event loop until `panel` shows it: the lines
// logged before it are then shown too, or gone past the panel's limit.
void until_all_shown(const gen::qt::GPanelLog& panel) {
    static int marks = 0;
    const QString mark = QStringLiteral("mark %1").arg(++marks);
    gen::pp_info(mark.toStdString());
    const QTextDocument* doc = panel.get_view()->document();
    run_until([doc, &mark] { return doc->lastBlock().text().endsWith(mark); });
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
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kLines; ++i)
        gen::pp_info(message(i));
    until_all_shown(*panel);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double ms_bare(const std::vector<QString>& lines) {
    auto edit = std::make_unique<QPlainTextEdit>();
    edit->setReadOnly(true);
    edit->setMaximumBlockCount(gen::qt::GPanelLog::kDefaultMaxLines);
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
    double worstGapCpuMs; // what the GUI thread ran of it; the rest it waited for a core
    double seconds;
};

qint64 thread_cpu_ns() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// `threads` threads log `perThread` lines each into `panel`, at INFO or, with `levels`, at
// each level in turn: the worst gap between two ticks of a 1 ms timer on the GUI thread,
// from the workers' start until the last line is shown. With `halfway`, the workers wait
// after half their lines until those are shown and `halfway` has run.
Flood flood(const gen::qt::GPanelLog& panel, int threads, int perThread, bool levels,
            const std::function<void()>& halfway = {}) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    qint64 lastCpu = thread_cpu_ns();
    qint64 worstCpu = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 cpu = thread_cpu_ns();
        if (now - last > worst) {
            worst = now - last;
            worstCpu = cpu - lastCpu;
        }
        last = now;
        lastCpu = cpu;
    });
    clock.start();
    heartbeat.start(kHeartbeatMs);
    std::atomic<int> atHalf{0};
    std::atomic<int> done{0};
    std::atomic<bool> goOn{!halfway};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            for (int i = 0; i < perThread; ++i) {
                if (i == perThread / 2 && !goOn) {
                    ++atHalf;
                    goOn.wait(false);
                }
                gen::log::log_string(levels ? static_cast<gen::log::LOG_LEVEL>(i % kLevels) : gen::log::INFO,
                                     message(t * perThread + i));
            }
            ++done;
        });
    if (halfway) {
        run_until([&] { return atHalf == threads; });
        until_all_shown(panel);
        halfway();
        goOn = true;
        goOn.notify_all();
    }
    run_until([&] { return done == threads; });
    until_all_shown(panel);
    // A timer starved until the end counts as one long gap.
    if (clock.nsecsElapsed() - last > worst) {
        worst = clock.nsecsElapsed() - last;
        worstCpu = thread_cpu_ns() - lastCpu;
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    for (std::thread& w : workers)
        w.join();
    return {static_cast<double>(worst) / 1e6, static_cast<double>(worstCpu) / 1e6, seconds};
}

double worst_gap_ms() {
    return flood(*shown_panel(), kThreads, kLinesPerThread, false).worstGapMs;
}

// The long flood of scripts/stress.sh, with the memory it costs.
int long_flood(int perThread) {
    const auto panel = shown_panel();
    panel->clear();
    const long before = rss_kib();
    long half = 0;
    const Flood f = flood(*panel, kFloodThreads, perThread, true, [&half] { half = rss_kib(); });
    const long end = rss_kib();
    const int total = kFloodThreads * perThread;
    const int kept = panel->get_view()->document()->blockCount();
    const qint64 docBytes = panel->get_view()->document()->characterCount() * qint64(sizeof(QChar));
    panel->clear();
    QCoreApplication::processEvents();
    std::fprintf(stderr,
                 "%d lines in %.1f s, %d kept (limit %d): worst GUI heartbeat gap %.1f ms (%d ms timer; "
                 "goal 50 ms), of which the GUI thread ran %.1f ms\n",
                 total, f.seconds, kept, panel->get_max_lines(), f.worstGapMs, kHeartbeatMs, f.worstGapCpuMs);
    std::fprintf(
        stderr,
        "VmRSS %ld KiB before, %ld KiB after %d lines, %ld KiB after %d lines (ratio %.3f; goal 1.1), "
        "%ld KiB after clear(); the document's text was %lld KiB\n",
        before, half, total / 2, end, total, double(end) / double(half), rss_kib(), docBytes / 1024);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    silence_stdout();
    default_layout();
    if (argc > 1 && std::strcmp(argv[1], "--flood") == 0)
        return long_flood(argc > 2 ? std::max(2, std::atoi(argv[2])) : kFloodLines);

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
