// The "Threads" tab: its workers report from their own threads and must not outlive what they report to.

#include "PanelThreaded.h"

#include "gen/qt/GButton.h"

#include "LogLines.h"
#include "TestSupport.h"

#include <QProgressBar>
#include <QtTest>

#include <thread>

using namespace gen::log;
using gen::qt::GButton;

class TstPanelThreaded : public QObject {
    Q_OBJECT

private slots:
    void threadOneHandsBackTheButton() {
        const PanelThreaded panel;
        const LogLines log;
        GButton* th1 = with_text<GButton>(panel, "Th 1");
        QTest::mouseClick(th1, Qt::LeftButton);
        QVERIFY(!th1->isEnabled());
        QVERIFY(log.wait_for("DONE THREAD"));
        QCOMPARE(log.count("running "), 3); // one line a second
        // The worker only queued the hand-back; it lands when the GUI thread runs its events.
        QVERIFY(!th1->isEnabled());
        QTRY_VERIFY(th1->isEnabled());
    }

    // Started again with Th 1 and the panel deleted while both workers sleep, what they queue must reach
    // nothing.
    void threadTwoStopsThenThePanelGoes() {
        const LogLines log;
        auto* panel = new PanelThreaded;
        auto* bar = panel->findChild<QProgressBar*>();
        GButton* th2 = with_text<GButton>(*panel, "Th 2");
        QTest::mouseClick(th2, Qt::LeftButton);
        QVERIFY(atomicRunThread2.load() && th2->isEnabled());
        QTRY_VERIFY(bar->value() >= 5);
        QTest::mouseClick(th2, Qt::LeftButton);
        QVERIFY(log.wait_for("STOPPED THREAD"));
        QVERIFY(!atomicRunThread2.load());
        QCoreApplication::processEvents();
        QVERIFY(bar->value() >= 5 && bar->value() < 100);
        QTest::mouseClick(with_text<GButton>(*panel, "Th 1"), Qt::LeftButton);
        QTest::mouseClick(th2, Qt::LeftButton);
        delete panel;
        QVERIFY(log.wait_for("STOPPED THREAD", 2));
        QVERIFY(log.wait_for("DONE THREAD"));
        QCoreApplication::processEvents();
        QVERIFY(!atomicRunThread2.load());
    }

    void progressCountsToTheEnd() {
        const LogLines log;
        QProgressBar bar;
        atomicRunThread2.exchange(true);
        std::thread worker(someProgressBackground, &bar, std::make_shared<WorkerLink>(), 1u);
        QTRY_COMPARE(bar.value(), 100);
        worker.join();
        QCOMPARE(log.count("counter:"), 100);
        QCOMPARE(log.count("DONE THREAD"), 1);
        QVERIFY(!atomicRunThread2.load());
    }
};

QTEST_MAIN(TstPanelThreaded)
#include "tst_PanelThreaded.moc"
