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
    // Thread numbers are small, sequential and never reused; the main thread
    // is the one that configured the logger.
    void threadNumbers() {
        log::configure();
        const int mainNumber = get_fast_thread_id();
        QVERIFY(is_main_thread() && get_thread_id() == mainNumber &&
                log::get_current_threadID() == mainNumber);
        std::vector<int> numbers(4);
        std::atomic<int> mainSeen{0};
        std::vector<std::thread> workers;
        for (int& number : numbers)
            workers.emplace_back([&] {
                mainSeen += is_main_thread();
                number = get_fast_thread_id();
            });
        for (auto& w : workers)
            w.join();
        int later = 0;
        std::thread([&] { later = get_fast_thread_id(); }).join();
        const std::set<int> distinct(numbers.begin(), numbers.end());
        QCOMPARE(mainSeen.load(), 0);
        QVERIFY(distinct.size() == numbers.size() && !distinct.count(mainNumber) && *distinct.begin() > 0);
        QVERIFY(later > *distinct.rbegin());
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
