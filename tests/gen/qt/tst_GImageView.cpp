#include "gen/qt/GImageView.h"

#include <QPainter>
#include <QtTest>

using gen::qt::GImageView;

class TstGImageView : public QObject {
    Q_OBJECT

private slots:
    // Red image on a black background: every pixel must be the colour of where the image lands.
    void paint_data() {
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<QSize>("viewSize");
        QTest::addColumn<bool>("fitInside");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("landscape") << QSize(400, 300) << QSize(200, 200) << true << QRect(0, 25, 200, 150);
        QTest::newRow("portrait, odd width")
            << QSize(300, 400) << QSize(201, 200) << true << QRect(25, 0, 150, 200);
        QTest::newRow("covering") << QSize(400, 300) << QSize(200, 200) << false << QRect(0, 0, 200, 200);
    }
    void paint() {
        QFETCH(QSize, imageSize);
        QFETCH(QSize, viewSize);
        QFETCH(bool, fitInside);
        QFETCH(QRect, expected);
        GImageView view;
        view.resize(viewSize);
        view.setAutoFillBackground(true);
        view.setPalette(QPalette(Qt::black));
        view.fitInside = fitInside;
        QImage image(imageSize, QImage::Format_RGB32);
        image.fill(Qt::red);
        view.set_image(image);
        QImage want(viewSize, QImage::Format_RGB32);
        want.fill(Qt::black);
        QPainter(&want).fillRect(expected, Qt::red);
        QCOMPARE(view.grab().toImage().convertToFormat(QImage::Format_RGB32), want);
    }
};

QTEST_MAIN(TstGImageView)
#include "tst_GImageView.moc"
