#include "gen/qt/GImageView.h"

#include "LogLines.h"

#include <QMouseEvent>
#include <QtTest>

using gen::qt::GImageView;

class TstGImageView : public QObject {
    Q_OBJECT

private slots:
    void paintsScaledAndCentred_data() {
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<QSize>("viewSize");
        QTest::addColumn<bool>("fitInside");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("landscape") << QSize(400, 300) << QSize(200, 200) << true << QRect(0, 25, 200, 150);
        QTest::newRow("portrait, half pixel offset")
            << QSize(300, 400) << QSize(201, 200) << true << QRect(25, 0, 150, 200);
        QTest::newRow("covering") << QSize(400, 300) << QSize(200, 200) << false << QRect(0, 0, 200, 200);
        QTest::newRow("no image") << QSize() << QSize(200, 200) << true << QRect();
    }
    void paintsScaledAndCentred() {
        QFETCH(QSize, imageSize);
        QFETCH(QSize, viewSize);
        QFETCH(bool, fitInside);
        QFETCH(QRect, expected);
        GImageView view;
        view.resize(viewSize);
        view.setAutoFillBackground(true);
        QPalette palette = view.palette();
        palette.setColor(QPalette::Window, Qt::black);
        view.setPalette(palette);
        view.fitInside = fitInside;
        if (imageSize.isValid()) {
            QImage image(imageSize, QImage::Format_RGB32);
            image.fill(Qt::red);
            view.set_image(image);
        }
        LogLines log;
        const QImage shot = view.grab().toImage();
        QCOMPARE(log.lines.size(), 0);
        QCOMPARE(shot.size(), viewSize);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor want = expected.contains(x, y) ? QColor(Qt::red) : QColor(Qt::black);
                if (shot.pixelColor(x, y) != want)
                    QFAIL(qPrintable(
                        QString("pixel %1,%2 is %3").arg(x).arg(y).arg(shot.pixelColor(x, y).name())));
            }
    }

    void mouseMoveWithoutButtonReachesListener() {
        GImageView view;
        view.resize(100, 100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<QPoint> moves;
        view.listenerMouseMove = [&moves](QMouseEvent* const& e) {
            if (e->buttons() == Qt::NoButton) moves << e->position().toPoint();
        };
        QTest::mouseMove(&view, QPoint(30, 40));
        QTest::mouseMove(&view, QPoint(60, 70));
        QCOMPARE(moves, (QList<QPoint>{{30, 40}, {60, 70}}));
    }
};

QTEST_MAIN(TstGImageView)
#include "tst_GImageView.moc"
