#include "Ball.h"
#include "BallView.h"

#include <QGraphicsRectItem>
#include <QScrollBar>
#include <QtTest>

class TstBall : public QObject {
    Q_OBJECT

private slots:
    void shapeAndEdges() {
        QVERIFY(Ball().shape().contains(QPointF(14, 14)));
        QVERIFY(!Ball().shape().contains(QPointF(19, 19)));
        QGraphicsRectItem parent(0, 0, 10, 10);
        parent.setPos(10, 10);
        auto* ball = new Ball;
        ball->setParentItem(&parent);
        ball->setPos(5, 100);
        QCOMPARE(ball->top(), 80.0);
        QCOMPARE(ball->bottom(), 120.0);
        QCOMPARE(ball->to_string(), "bounds:-20.000000,-20.000000,40.000000,40.000000, "
                                    "posMemory:5.000000,100.000000, scenePos:15.000000,110.000000");
    }

    void viewReportsSizeBeforeItsOwnHandling() {
        QGraphicsScene scene(0, 0, 1000, 1000);
        BallView view;
        view.setScene(&scene);
        view.resize(200, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int rangeAt200 = view.horizontalScrollBar()->maximum();
        view.resize(250, 250); // no callback: the view's own handling still runs
        const int rangeAt250 = view.horizontalScrollBar()->maximum();
        QVERIFY(rangeAt250 < rangeAt200);
        QList<std::pair<QSize, int>> seen; // size and scroll range at the call
        view.listenerResize = [&](const QSize& s) {
            seen.append({s, view.horizontalScrollBar()->maximum()});
        };
        view.resize(300, 250); // the viewport's resize is what reaches resizeEvent()
        QVERIFY(view.horizontalScrollBar()->maximum() < rangeAt250);
        QCOMPARE(seen, (QList<std::pair<QSize, int>>{{view.viewport()->size(), rangeAt250}}));
    }
};

QTEST_MAIN(TstBall)
#include "tst_Ball.moc"
