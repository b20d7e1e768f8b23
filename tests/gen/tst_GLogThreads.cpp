#include "gen/GLog.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

using namespace gen;

class TstGLogThreads : public QObject {
    Q_OBJECT

private slots:
    // Every line whole, once, numbered in output order, with one small thread
    // number per worker, while the number width keeps changing under the workers.
    void linesFromManyThreadsStayWhole() {
        constexpr int kThreads = 8, kLines = 20000;
        log::configure();
        log::set_control_bits(log::LOG_CONTROL_DEFAULT);
        const int mainNumber = get_fast_thread_id();
        QVERIFY(is_main_thread() && get_thread_id() == mainNumber &&
                log::get_current_threadID() == mainNumber);
        std::atomic<int> appended{0}, mainSeen{0};
        log::set_gui_appender([&](QString) { appended.fetch_add(1, std::memory_order_relaxed); });

        StdoutCapture capture;
        std::atomic<int> running{kThreads};
        std::vector<std::thread> workers;
        std::vector<int> threadNumber(kThreads);
        for (int t = 0; t < kThreads; ++t)
            workers.emplace_back([&, t] {
                mainSeen += is_main_thread();
                threadNumber[t] = get_fast_thread_id();
                for (int i = 0; i < kLines; ++i)
                    log::log_string(log::INFO, str::xprintF(0, "worker $ line $", t, i));
                --running;
            });
        for (unsigned round = 0; running > 0; ++round)
            log::set_log_digits(round % 2 ? 70 : 6);
        for (auto& w : workers)
            w.join();
        log::set_gui_appender({});
        log::set_log_digits(6);
        const auto lines = capture.lines();
        QCOMPARE(lines.size(), kThreads * kLines);
        QCOMPARE(appended.load(), kThreads * kLines);
        QCOMPARE(mainSeen.load(), 0);

        const QRegularExpression shape(
            R"(^\[(\d{6}|\d{70})\] \[\d\d:\d\d:\d\d,\d{3}\] \[(\d{4})\] worker (\d) line (\d+)$)");
        std::vector<int> nextLine(kThreads, 0);
        qlonglong previous = -1;
        for (const QByteArray& raw : lines) {
            const QRegularExpressionMatch m = shape.match(QString::fromLatin1(raw));
            QVERIFY2(m.hasMatch(), raw.constData());
            const qlonglong number = m.captured(1).toLongLong();
            if (previous >= 0) QCOMPARE(number, previous + 1);
            previous = number;
            const int worker = m.captured(3).toInt();
            QVERIFY(worker < kThreads);
            // Each worker's lines arrive in its own order, every one exactly once.
            QCOMPARE(m.captured(4).toInt(), nextLine[worker]++);
            QCOMPARE(m.captured(2).toInt(), threadNumber[worker]);
        }
        QCOMPARE(nextLine, std::vector<int>(kThreads, kLines));
        std::set<int> numbers(threadNumber.begin(), threadNumber.end());
        QVERIFY(numbers.size() == std::size_t(kThreads) && !numbers.count(mainNumber) &&
                *numbers.begin() > 0);

        // A thread started after the others have ended gets a new number.
        int later = 0;
        std::thread([&] { later = get_fast_thread_id(); }).join();
        QVERIFY(later > *numbers.rbegin());
    }

    // The separator counts are shared by all threads; none may be lost, also
    // while the lines themselves are below the threshold.
    void separatorsCountAcrossThreads_data() {
        QTest::addColumn<bool>("info");
        QTest::newRow("pp_line") << false;
        QTest::newRow("pp_info_line") << true;
    }
    void separatorsCountAcrossThreads() {
        QFETCH(bool, info);
        constexpr int kThreads = 4, kCalls = 50000;
        const auto separator = [info] { info ? pp_info_line() : pp_line(); };
        const auto count = [&] {
            StdoutCapture capture;
            separator();
            return capture.text().split('[').value(1).split(']').value(0).trimmed().toInt();
        };
        log::set_control_bits(0);
        const int before = count();
        log::set_log_level(log::ERROR);
        std::vector<std::thread> workers;
        for (int t = 0; t < kThreads; ++t)
            workers.emplace_back([&] {
                for (int i = 0; i < kCalls; ++i)
                    separator();
            });
        for (auto& w : workers)
            w.join();
        log::set_log_level(log::DEBUG);
        QCOMPARE(count(), before + kThreads * kCalls + 1);
    }
};

QTEST_GUILESS_MAIN(TstGLogThreads)
#include "tst_GLogThreads.moc"
