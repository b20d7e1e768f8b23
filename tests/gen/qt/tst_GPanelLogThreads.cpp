// The log panel while other threads log: panels made and destroyed under
// writers (does registering and removing the appender race with them?), and a
// flood from eight threads into a shown panel. Lines per thread come from
// HELLO_STRESS_LINES (scripts/stress.sh runs the long flood).
#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <QTextBlock>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#if defined(__SANITIZE_THREAD__)
// Qt is not built with ThreadSanitizer: the raster engine hands parts of the
// shown panel's painting to Qt's own pool threads and joins them through
// primitives ThreadSanitizer cannot see, so the allocations and copies Qt makes
// there look racy. Only calls from instrumented code are checked.
extern "C" const char* __tsan_default_options();
extern "C" const char* __tsan_default_options() {
    return "ignore_noninstrumented_modules=1";
}
#endif

namespace {

constexpr int kThreads = 8;
constexpr int kDefaultLines = 5000; // keeps the TSan run of the suite short
constexpr int kLevels = 4;
constexpr qint64 kStallMs = 20000;
constexpr unsigned kDigits = 6;
constexpr unsigned kWideDigits = 70;

} // namespace

class TstGPanelLogThreads : public QObject {
    Q_OBJECT

private slots:
    void panelLog_comeAndGoWhileWorkersLog() {
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

    void panelLog_flood() {
        const int perThread = qEnvironmentVariableIntValue("HELLO_STRESS_LINES") > 0
                                  ? qEnvironmentVariableIntValue("HELLO_STRESS_LINES")
                                  : kDefaultLines;
        const int total = kThreads * perThread;
        gen::log::set_log_level(gen::log::DEBUG);
        gen::log::set_control_bits(gen::log::LOG_CONTROL_DEFAULT);
        gen::log::set_log_digits(kDigits);
        gen::qt::GPanelLog panel;
        panel.set_max_lines(0); // every line stays, to be compared
        panel.resize(900, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        panel.clear();
        const QTextDocument* doc = panel.get_view()->document();
        StdoutCapture capture;
        std::vector<std::jthread> workers;
        for (int t = 0; t < kThreads; ++t)
            workers.emplace_back([t, perThread] {
                for (int i = 0; i < perThread; ++i)
                    gen::log::log_string(static_cast<gen::log::LOG_LEVEL>(i % kLevels),
                                         gen::str::xprintF(0, "stress $ $", t, i));
            });
        // Until every line is shown, or nothing new has come for a while: a lost line.
        // Meanwhile the number width keeps changing under the writers.
        QElapsedTimer idle;
        idle.start();
        for (int shown = 0, round = 0; doc->blockCount() < total && idle.elapsed() < kStallMs; ++round) {
            gen::log::set_log_digits(round % 2 ? kWideDigits : kDigits);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (doc->blockCount() != shown) {
                shown = doc->blockCount();
                idle.restart();
            }
        }
        QCoreApplication::processEvents();
        workers.clear(); // joins
        // Whole lines, once and in their order, are the logger's to keep (gen.GLogThreads); the panel
        // must show exactly what it wrote, each line coloured for its level.
        const QList<QByteArray> out = capture.lines();
        QCOMPARE(out.size(), total);
        QCOMPARE(doc->toPlainText().toLatin1(), out.join('\n'));
        // The number width changed under the writers, but never within a line.
        const QRegularExpression shape(
            R"(^\[(\d{6}|\d{70})\] \[\d\d:\d\d:\d\d,\d{3}\] \[\d{4}\] stress \d \d+$)");
        int wrong = 0;
        for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next())
            wrong += !shape.match(b.text()).hasMatch() ||
                     b.blockFormat().background().color() !=
                         panel.get_view()->line_background(b.text().section(' ', -1).toInt() % kLevels);
        QCOMPARE(wrong, 0);
        panel.clear();
        QCoreApplication::processEvents();
        // Nothing was held back on the way: the document was all there was.
        QCOMPARE(doc->toPlainText(), QString());
    }
};

QTEST_MAIN(TstGPanelLogThreads)
#include "tst_GPanelLogThreads.moc"
