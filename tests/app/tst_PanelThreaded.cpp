#include "PanelThreaded.h"

#include "ChildrenOf.h"
#include "gen/qt/GButton.h"
#include "LogLines.h"

#include <QProgressBar>
#include <QtTest>

#include <thread>

using namespace gen::log;
using gen::qt::GButton;

namespace {
GButton* button(const QWidget& panel, const QString& text) {
    for (GButton* b : children_of<GButton>(panel))
        if (b->text() == text) return b;
    return nullptr;
}
} // namespace

class TstPanelThreaded : public QObject {
    Q_OBJECT

private slots:
    void logButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("message");
        QTest::newRow("Debug") << "Debug" << int(DEBUG) << "Hallo debug modus";
        QTest::newRow("Info")
            << "Info" << int(INFO)
            << "Hallo info modus - Eine lange Zeile - Wenn der Hahn kräht auf dem Mist, ändert "
               "sich's Wetter oder es bleibt wie es ist !";
        QTest::newRow("Warn") << "Warn" << int(WARN) << "Hallo warn modus";
        QTest::newRow("Err") << "Err" << int(ERROR) << "Verdammter Fehler";
    }

    void logButtons() {
        QFETCH(QString, button);
        QFETCH(int, level);
        QFETCH(QString, message);
        const PanelThreaded panel;
        const LogLines log;
        QTest::mouseClick(::button(panel, button), Qt::LeftButton);
        QVERIFY(log.only(LOG_LEVEL(level), "] " + message));
    }

    void threadOneHandsBackTheButton() {
        const PanelThreaded panel;
        const LogLines log;
        GButton* th1 = button(panel, "Th 1");
        QTest::mouseClick(th1, Qt::LeftButton);
        QVERIFY(!th1->isEnabled());
        QVERIFY(log.wait_for("DONE THREAD"));
        const QStringList expected{"start th",      "START THREAD",  "simple counting", "run for 3 sec",
                                   "running 1 sec", "running 2 sec", "running 3 sec",   "DONE THREAD"};
        const auto lines = log.snapshot();
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY(lines[i].second.contains("] " + expected[i]));
        // The worker only queued the hand-back; it lands when the GUI thread runs its events.
        QVERIFY(!th1->isEnabled());
        QTRY_VERIFY(th1->isEnabled());
    }

    void threadTwoStartsAndStops() {
        const PanelThreaded panel;
        const LogLines log;
        auto* bar = panel.findChild<QProgressBar*>();
        GButton* th2 = button(panel, "Th 2");
        QTest::mouseClick(th2, Qt::LeftButton);
        QVERIFY(atomicRunThread2.load() && th2->isEnabled());
        QTRY_VERIFY(bar->value() >= 5);
        QTest::mouseClick(th2, Qt::LeftButton);
        QVERIFY(log.wait_for("STOPPED THREAD"));
        QVERIFY(!atomicRunThread2.load());
        QCoreApplication::processEvents();
        const int stoppedAt = bar->value();
        QVERIFY(stoppedAt >= 5 && stoppedAt < 100);
    }

    void progressCountsToTheEnd() {
        const LogLines log;
        QProgressBar bar;
        auto link = std::make_shared<WorkerLink>();
        atomicRunThread2.exchange(true);
        std::thread worker(someProgressBackground, &bar, link, 1u);
        QTRY_COMPARE(bar.value(), 100);
        worker.join();
        QCOMPARE(log.count("DONE THREAD"), 1);
        QCOMPARE(log.count("counter:"), 100);
        QVERIFY(!atomicRunThread2.load());
    }

    void panelGoesWhileWorkersSleep() {
        const LogLines log;
        auto* panel = new PanelThreaded;
        QTest::mouseClick(button(*panel, "Th 1"), Qt::LeftButton);
        QTest::mouseClick(button(*panel, "Th 2"), Qt::LeftButton);
        delete panel;
        // Both workers finish after their widgets are gone; what they queue must reach nothing.
        QVERIFY(log.wait_for("STOPPED THREAD"));
        QVERIFY(log.wait_for("DONE THREAD"));
        QCoreApplication::processEvents();
        QVERIFY(!atomicRunThread2.load());
    }
};

QTEST_MAIN(TstPanelThreaded)
#include "tst_PanelThreaded.moc"
