// Log panels made and destroyed while other threads log: under ThreadSanitizer
// this shows whether registering and removing the appender races with writers.
#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

class TstGPanelLogThreads : public QObject {
    Q_OBJECT

private slots:
    void panelsComeAndGoWhileWorkersLog() {
        StdoutCapture out;                        // the flood's lines are of no interest here
        std::unique_ptr<gen::qt::GPanelLog> last; // outlives the workers
        std::atomic<bool> stop{false};
        std::vector<std::jthread> workers;
        for (int i = 0; i < 3; ++i)
            workers.emplace_back([&stop] {
                while (!stop) {
                    gen::pp("busy");
                    std::this_thread::sleep_for(std::chrono::microseconds(20));
                }
            });
        for (int i = 0; i < 40; ++i) {
            auto panel = std::make_unique<gen::qt::GPanelLog>();
            QTest::qWait(2);
        }
        last = std::make_unique<gen::qt::GPanelLog>();
        const bool shown = QTest::qWaitFor([&] { return !last->get_view()->toPlainText().isEmpty(); });
        stop = true;
        workers.clear(); // joins
        QVERIFY(shown);
    }
};

QTEST_MAIN(TstGPanelLogThreads)
#include "tst_GPanelLogThreads.moc"
