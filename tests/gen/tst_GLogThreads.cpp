#include "gen/GLog.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

using namespace gen;

namespace {
constexpr int kThreads = 8;
constexpr int kLinesPerThread = 20000;
} // namespace

class TstGLogThreads : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { log::configure(); }
    void linesFromManyThreadsStayWhole();
    void reconfiguringWhileOthersLog();
    void threadNumbersAreSmallAndNeverReused();
};

void TstGLogThreads::linesFromManyThreadsStayWhole() {
    log::set_control_bits(log::LOG_CONTROL_DEFAULT);
    log::set_log_digits(6);
    std::atomic<int> appended{0};
    log::set_gui_appender([&](QString) { appended.fetch_add(1, std::memory_order_relaxed); });

    StdoutCapture capture;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < kLinesPerThread; ++i)
                log::log_string(log::INFO, str::xprintF(0, "worker $ line $", t, i));
        });
    }
    for (auto& w : workers)
        w.join();
    log::set_gui_appender({});
    const auto lines = capture.lines();

    QCOMPARE(lines.size(), kThreads * kLinesPerThread);
    QCOMPARE(appended.load(), kThreads * kLinesPerThread);

    const QRegularExpression shape(
        R"(^\[(\d{6})\] \[\d\d:\d\d:\d\d,\d{3}\] \[(\d{4})\] worker (\d) line (\d+)$)");
    std::vector<int> nextLine(kThreads, 0);
    std::vector<int> threadNumber(kThreads, -1);
    long long previousNumber = -1;
    for (const QByteArray& raw : lines) {
        const QRegularExpressionMatch m = shape.match(QString::fromLatin1(raw));
        QVERIFY2(m.hasMatch(), raw.constData());
        const long long number = m.captured(1).toLongLong();
        if (previousNumber >= 0) QCOMPARE(number, previousNumber + 1);
        previousNumber = number;

        const int worker = m.captured(3).toInt();
        QVERIFY(worker < kThreads);
        // Each worker's lines arrive in its own order, every one exactly once.
        QCOMPARE(m.captured(4).toInt(), nextLine[worker]);
        ++nextLine[worker];
        const int tid = m.captured(2).toInt();
        if (threadNumber[worker] < 0) threadNumber[worker] = tid;
        QCOMPARE(tid, threadNumber[worker]);
    }
    for (int t = 0; t < kThreads; ++t)
        QCOMPARE(nextLine[t], kLinesPerThread);
    QCOMPARE(std::set<int>(threadNumber.begin(), threadNumber.end()).size(), std::size_t(kThreads));
}

void TstGLogThreads::reconfiguringWhileOthersLog() {
    StdoutCapture capture;
    std::atomic<bool> stop{false};
    std::thread changer([&] {
        unsigned int round = 0;
        while (!stop.load()) {
            log::set_log_digits(round % 8);
            log::set_control_bits((round % 2) ? 1023u : log::LOG_CONTROL_DEFAULT);
            log::set_log_level(log::DEBUG);
            ++round;
        }
    });
    std::vector<std::thread> writers;
    for (int t = 0; t < 3; ++t)
        writers.emplace_back([] {
            for (int i = 0; i < 2000; ++i) {
                pp("payload");
                (void)log::trailler(log::INFO);
            }
        });
    for (auto& w : writers)
        w.join();
    stop = true;
    changer.join();
    const auto lines = capture.lines();
    QCOMPARE(lines.size(), 3 * 2000);
    for (const QByteArray& line : lines)
        QVERIFY2(line.startsWith('[') && line.endsWith("] payload"), line.constData());
    log::set_control_bits(log::LOG_CONTROL_DEFAULT);
    log::set_log_digits(6);
}

void TstGLogThreads::threadNumbersAreSmallAndNeverReused() {
    const int mainNumber = get_fast_thread_id();
    QVERIFY(is_main_thread());
    QCOMPARE(get_thread_id(), mainNumber);
    QCOMPARE(log::get_current_threadID(), mainNumber);

    std::vector<int> numbers(kThreads);
    std::vector<char> mainFlags(kThreads);
    std::vector<char> stable(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            numbers[t] = get_fast_thread_id();
            stable[t] = get_fast_thread_id() == numbers[t];
            mainFlags[t] = is_main_thread();
        });
    for (auto& th : threads)
        th.join();

    std::set<int> seen(numbers.begin(), numbers.end());
    QCOMPARE(seen.size(), std::size_t(kThreads));
    QVERIFY(!seen.count(mainNumber));
    QVERIFY(*seen.begin() > 0);
    for (int t = 0; t < kThreads; ++t) {
        QVERIFY(!mainFlags[t]);
        QVERIFY(stable[t]);
    }

    // A thread started after the others have ended gets a new number.
    int later = 0;
    std::thread([&] { later = get_fast_thread_id(); }).join();
    QVERIFY(later > *seen.rbegin());
}

QTEST_GUILESS_MAIN(TstGLogThreads)
#include "tst_GLogThreads.moc"
