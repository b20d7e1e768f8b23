#include "gen/qt/GFlowLayout.h"

#include <QSpacerItem>
#include <QtTest>

using gen::GFlowLayout;

namespace {

QSpacerItem* fixed_item(QSize size) {
    return new QSpacerItem(size.width(), size.height(), QSizePolicy::Fixed, QSizePolicy::Fixed);
}

} // namespace

class TstGFlowLayout : public QObject {
    Q_OBJECT

private slots:
    // Laid out 100 wide, then measured 1000 wide, which must move nothing.
    void placement_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QList<QRect>>("items");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("three 40") << QMargins() << 5
                                  << QList<QRect>{{0, 0, 40, 10}, {45, 0, 40, 10}, {0, 15, 40, 10}} << 25
                                  << QSize(40, 10);
        QTest::newRow("ends at the edge")
            << QMargins() << 0 << QList<QRect>{{0, 0, 50, 10}, {0, 10, 50, 10}} << 20 << QSize(50, 10);
        QTest::newRow("ends before the edge")
            << QMargins() << 0 << QList<QRect>{{0, 0, 50, 10}, {50, 0, 49, 10}} << 10 << QSize(50, 10);
        QTest::newRow("too wide") << QMargins() << 5 << QList<QRect>{{0, 0, 150, 10}, {0, 15, 30, 10}} << 25
                                  << QSize(150, 10);
        QTest::newRow("margins, tallest first")
            << QMargins(1, 2, 3, 4) << 0 << QList<QRect>{{1, 2, 30, 20}, {31, 2, 40, 10}, {1, 22, 30, 10}}
            << 36 << QSize(44, 26);
        QTest::newRow("empty") << QMargins(1, 2, 3, 4) << 0 << QList<QRect>{} << 6 << QSize(3, 5);
    }
    void placement() {
        QFETCH(QMargins, margins);
        QFETCH(int, spacing);
        QFETCH(QList<QRect>, items);
        QFETCH(int, height);
        QFETCH(QSize, minimum);
        GFlowLayout flow(0, spacing, spacing);
        flow.setContentsMargins(margins);
        for (const QRect& item : items)
            flow.addItem(fixed_item(item.size()));
        QCOMPARE(flow.itemAt(-1), nullptr);
        QCOMPARE(flow.takeAt(flow.count()), nullptr);
        QCOMPARE(flow.sizeHint(), minimum);
        flow.setGeometry(QRect(0, 0, 100, 1000));
        QCOMPARE(flow.heightForWidth(100), height);
        QVERIFY(flow.heightForWidth(1000) <= height);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(flow.itemAt(i)->geometry(), items[i]);
    }
};

QTEST_MAIN(TstGFlowLayout)
#include "tst_GFlowLayout.moc"
