// The bundle is there without anyone registering it, and every entry loads.
#include <QtTest>

#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

constexpr qint64 kMaxPictureBytes = 150 * 1024;

// Pixels an icon actually paints: a blank or broken drawing has none.
int painted_pixels(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TstResOrbel : public QObject {
    Q_OBJECT

private slots:
    void icons_data() {
        QTest::addColumn<QString>("path");
        for (const char* set : {"", "dark/", "green/"})
            for (const char* name : {"delete", "copy", "minus1", "wheel", "expand"}) {
                const QString path = QStringLiteral(":/wb/icons/%1%2.svg").arg(set, name);
                QTest::newRow(qPrintable(path)) << path;
            }
    }
    void icons() {
        QFETCH(QString, path);
        QVERIFY(QFileInfo::exists(path));
        const QIcon icon(path);
        QVERIFY(!icon.isNull());
        for (int size : {16, 48}) {
            const int painted = painted_pixels(icon, size);
            // Something is drawn, and not just a filled square.
            QVERIFY2(painted > size && painted < size * size, qPrintable(QString::number(painted)));
        }
    }

    void pictures_data() {
        QTest::addColumn<QString>("path");
        for (const char* hour : {"00", "09", "12", "14", "18", "21"}) {
            const QString path = QStringLiteral(":/wb/img/o-%1.jpg").arg(hour);
            QTest::newRow(qPrintable(path)) << path;
        }
    }
    void pictures() {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > image.height());
        QVERIFY(QFileInfo(path).size() < kMaxPictureBytes);
    }
};

QTEST_MAIN(TstResOrbel)
#include "tst_resOrbel.moc"
