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
        QVERIFY(!Ball().shape().contains(QPointF(19, 19))); // inside the bounds, outside the circle
        QGraphicsRectItem parent(0, 0, 10, 10);
        parent.setPos(10, 10);
        auto* ball = new Ball;
        ball->setParentItem(&parent);
        ball->setPos(5, 100);
        QCOMPARE(QPair(ball->top(), ball->bottom()), QPair(80.0, 120.0));
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
        const auto range = [&] { return view.horizontalScrollBar()->maximum(); };
        const int before = range();
        QList<std::pair<QSize, int>> seen; // size and scroll range at the call
        view.listenerResize = [&](const QSize& s) { seen.append({s, range()}); };
        view.resize(250, 200); // the viewport's resize is what reaches resizeEvent()
        QVERIFY(range() < before);
        QCOMPARE(seen, (QList<std::pair<QSize, int>>{{view.viewport()->size(), before}}));
    }
};

QTEST_MAIN(TstBall)
#include "tst_Ball.moc"
