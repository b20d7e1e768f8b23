#include "gen/GLog.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <set>
#include <thread>
#include <vector>

using namespace gen;

namespace {
// Runs `work(t)` on `threads` threads at once and waits for them.
template <typename F>
void on_threads(int threads, F work) {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work, t);
    for (auto& w : workers)
        w.join();
}
} // namespace

class TstGLogThreads : public QObject {
    Q_OBJECT

private slots:
    // Thread numbers are small, sequential and never reused; the main thread
    // is the one that configured the logger.
    void threadNumbers() {
        log::configure();
        const int mainNumber = get_fast_thread_id();
        QVERIFY(is_main_thread() && get_thread_id() == mainNumber &&
                log::get_current_threadID() == mainNumber);
        std::vector<int> numbers(5, 0);
        on_threads(4, [&](int t) { numbers[t] = is_main_thread() ? 0 : get_fast_thread_id(); });
        std::thread([&] { numbers[4] = get_fast_thread_id(); }).join();
        const std::set<int> distinct(numbers.begin(), numbers.end());
        QVERIFY(distinct.size() == 5 && !distinct.count(mainNumber) && *distinct.begin() > 0);
        QCOMPARE(*distinct.rbegin(), numbers[4]); // a later thread gets a higher number
    }

    // Under contention every line arrives whole and once, on the console and at the appender alike,
    // with numbers that follow the order of writing and each thread's lines in its own order.
    void linesUnderContention() {
        constexpr int kThreads = 4, kLines = 5000;
        QList<QByteArray> handed;
        log::set_control_bits(log::LOG_NUMBER);
        log::set_gui_appender([&](QString line) { handed << line.toUtf8(); });
        StdoutCapture capture;
        on_threads(kThreads, [](int t) {
            for (int i = 0; i < kLines; ++i)
                pp("t$ $", t, i);
        });
        log::set_gui_appender({});
        const QList<QByteArray> lines = capture.lines();
        QCOMPARE(lines, handed);
        QCOMPARE(lines.size(), kThreads * kLines);
        std::vector<int> next(kThreads, 0);
        const int first = lines[0].mid(1, 6).toInt();
        for (int k = 0; k < lines.size(); ++k) {
            const QList<QByteArray> parts = lines[k].split(' ');
            const int t = parts.value(2).mid(1).toInt();
            const QByteArray expected =
                parts.value(0) + "  t" + QByteArray::number(t) + " " + QByteArray::number(next[t]++);
            QVERIFY2(parts.value(0).mid(1, 6).toInt() == first + k && lines[k] == expected, lines[k]);
        }
    }

    // The separator counts are shared by all threads; none may be lost, also
    // while the lines themselves are below the threshold.
    void separatorsCountAcrossThreads() {
        constexpr int kThreads = 4, kCalls = 50000;
        const auto counts = [] {
            StdoutCapture capture;
            pp_line();
            pp_info_line();
            QList<int> numbers;
            for (const QByteArray& line : capture.lines())
                numbers << line.split('[').value(1).split(']').value(0).trimmed().toInt();
            return numbers;
        };
        log::set_control_bits(0);
        const QList<int> before = counts();
        log::set_log_level(log::ERROR);
        on_threads(kThreads, [](int) {
            for (int i = 0; i < kCalls; ++i) {
                pp_line();
                pp_info_line();
            }
        });
        log::set_log_level(log::DEBUG);
        constexpr int kSeen = kThreads * kCalls + 1;
        QCOMPARE(counts(), (QList<int>{before.value(0) + kSeen, before.value(1) + kSeen}));
    }
};

QTEST_GUILESS_MAIN(TstGLogThreads)
#include "tst_GLogThreads.moc"
