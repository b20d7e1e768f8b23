// The figures of the logger flood that tests/gen/qt/tst_GPanelLogThreads.cpp
// checks for correctness: 8 threads log N lines each (argument 1, default
// 100 000) while a 900x500 log panel is shown. Prints the worst gap of a 10 ms
// timer on the GUI thread until the last line is shown, and the resident
// memory before, with every line shown and after clear(). Standard output
// (where the logger also writes) goes to /dev/null; results go to standard error.

#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kThreads = 8;
constexpr int kDefaultLines = 100000;
constexpr int kHeartbeatMs = 10;
constexpr int kLevels = 4;

long rss_kib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int perThread = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultLines;
    const int total = kThreads * perThread;
    std::fflush(stdout);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, STDOUT_FILENO);
    ::close(devNull);
    gen::log::set_log_level(gen::log::DEBUG);
    gen::log::set_control_bits(gen::log::LOG_CONTROL_DEFAULT);

    gen::qt::GPanelLog panel;
    panel.resize(900, 500);
    panel.show();
    QCoreApplication::processEvents();
    panel.clear();
    const QTextDocument* doc = panel.get_view()->document();
    const long rssBefore = rss_kib();

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        worst = std::max(worst, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
    });
    clock.start();
    heartbeat.start(kHeartbeatMs);
    std::vector<std::jthread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([t, perThread] {
            for (int i = 0; i < perThread; ++i)
                gen::log::log_string(static_cast<gen::log::LOG_LEVEL>(i % kLevels),
                                     gen::str::xprintF(0, "stress $ $", t, i));
        });
    while (doc->blockCount() < total)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    // A timer starved until the end counts as one long gap.
    worst = std::max(worst, clock.nsecsElapsed() - last);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    heartbeat.stop();
    workers.clear(); // joins
    const long rssShown = rss_kib();
    const qint64 docBytes = doc->characterCount() * qint64(sizeof(QChar));
    panel.clear();
    QCoreApplication::processEvents();

    std::fprintf(stderr,
                 "%d lines shown in %.1f s: worst GUI heartbeat gap %.1f ms (%d ms timer; goal 50 ms)\n",
                 total, seconds, double(worst) / 1e6, kHeartbeatMs);
    std::fprintf(stderr,
                 "VmRSS %ld KiB before, %ld KiB with the lines shown (+%.0f bytes per line; the document's "
                 "text is %lld KiB), %ld KiB after clear()\n",
                 rssBefore, rssShown, 1024.0 * double(rssShown - rssBefore) / total, docBytes / 1024,
                 rss_kib());
    return 0;
}
