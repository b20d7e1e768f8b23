// Log panels made and destroyed while other threads log: under ThreadSanitizer
// this shows whether registering and removing the appender races with writers.
#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The flood's lines are of no interest here; standard output is silenced.
class SilencedStdout {
public:
    SilencedStdout() {
        std::fflush(stdout);
        saved = ::dup(STDOUT_FILENO);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::close(devNull);
    }
    ~SilencedStdout() {
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
    }

private:
    int saved = -1;
};

class LoggingWorkers {
public:
    explicit LoggingWorkers(int count) {
        for (int i = 0; i < count; ++i)
            threads.emplace_back([this] {
                while (!stop.load()) {
                    gen::pp("busy");
                    std::this_thread::sleep_for(std::chrono::microseconds(20));
                }
            });
    }
    ~LoggingWorkers() {
        stop = true;
        for (std::thread& t : threads)
            t.join();
    }

private:
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
};

} // namespace

class TstGPanelLogThreads : public QObject {
    Q_OBJECT

private slots:
    void panelsComeAndGoWhileWorkersLog() {
        constexpr int kWorkers = 3;
        constexpr int kPanels = 40;
        SilencedStdout silence;
        std::unique_ptr<gen::qt::GPanelLog> last; // outlives the workers
        {
            LoggingWorkers workers(kWorkers);
            for (int i = 0; i < kPanels; ++i) {
                auto panel = std::make_unique<gen::qt::GPanelLog>();
                QTest::qWait(2);
            }
            last = std::make_unique<gen::qt::GPanelLog>();
            QTRY_VERIFY(!last->get_view()->toPlainText().isEmpty());
        }
    }
};

QTEST_MAIN(TstGPanelLogThreads)
#include "tst_GPanelLogThreads.moc"
