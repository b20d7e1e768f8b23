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
    // Laid out 100 wide at `origin`, then measured 1000 wide, which must move nothing.
    void placement_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QSize>("spacing"); // horizontal, vertical
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QList<QRect>>("items");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("minimum");
        const auto row = [](const char* name, QMargins margins, QSize spacing, QPoint origin,
                            const QList<QRect>& items, int height, QSize minimum) {
            QTest::newRow(name) << margins << spacing << origin << items << height << minimum;
        };
        row("three 40", {}, {5, 7}, {}, {{0, 0, 40, 10}, {45, 0, 40, 10}, {0, 17, 40, 10}}, 27, {40, 10});
        row("ends at the edge", {}, {0, 0}, {}, {{0, 0, 50, 10}, {0, 10, 50, 10}}, 20, {50, 10});
        row("ends before the edge", {}, {0, 0}, {}, {{0, 0, 50, 10}, {50, 0, 49, 10}}, 10, {50, 10});
        row("too wide", {}, {5, 5}, {}, {{0, 0, 150, 10}, {0, 15, 30, 10}}, 25, {150, 10});
        row("margins, tallest first, moved", {1, 2, 3, 4}, {0, 0}, {10, 20},
            {{11, 22, 30, 20}, {41, 22, 40, 10}, {11, 42, 30, 10}}, 36, {44, 26});
        row("empty", {1, 2, 3, 4}, {0, 0}, {}, {}, 6, {3, 5});
    }
    void placement() {
        QFETCH(QMargins, margins);
        QFETCH(QSize, spacing);
        QFETCH(QPoint, origin);
        QFETCH(QList<QRect>, items);
        QFETCH(int, height);
        QFETCH(QSize, minimum);
        GFlowLayout flow(0, spacing.width(), spacing.height());
        flow.setContentsMargins(margins);
        for (const QRect& item : items)
            flow.addItem(fixed_item(item.size()));
        QCOMPARE(flow.itemAt(-1), nullptr);
        QCOMPARE(flow.takeAt(flow.count()), nullptr);
        QCOMPARE(flow.sizeHint(), minimum);
        flow.setGeometry(QRect(origin, QSize(100, 1000)));
        QCOMPARE(flow.heightForWidth(100), height);
        QVERIFY(flow.heightForWidth(1000) <= height);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(flow.itemAt(i)->geometry(), items[i]);
    }
};

QTEST_MAIN(TstGFlowLayout)
#include "tst_GFlowLayout.moc"
