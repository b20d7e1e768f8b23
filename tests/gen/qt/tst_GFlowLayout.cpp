#include "gen/qt/GFlowLayout.h"

#include <QBoxLayout>
#include <QProxyStyle>
#include <QSpacerItem>
#include <QtTest>
#include <QWidget>

using gen::GFlowLayout;

namespace {

QSpacerItem* fixed_item(QSize size) {
    return new QSpacerItem(size.width(), size.height(), QSizePolicy::Fixed, QSizePolicy::Fixed);
}

// Answers the spacing questions with known values.
class SpacingStyle : public QProxyStyle {
public:
    SpacingStyle(int metric, int gap) : metric(metric), gap(gap) {}
    int pixelMetric(PixelMetric pm, const QStyleOption* option, const QWidget* widget) const override {
        const bool spacing = pm == PM_LayoutHorizontalSpacing || pm == PM_LayoutVerticalSpacing;
        return spacing ? metric : QProxyStyle::pixelMetric(pm, option, widget);
    }
    int layoutSpacing(QSizePolicy::ControlType, QSizePolicy::ControlType, Qt::Orientation,
                      const QStyleOption*, const QWidget*) const override {
        return gap;
    }
    int metric, gap;
};

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
        QTest::newRow("empty") << QMargins() << 0 << QList<QRect>{} << 0 << QSize();
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
        QCOMPARE(flow.minimumSize(), minimum);
        QCOMPARE(flow.sizeHint(), minimum);
        flow.setGeometry(QRect(0, 0, 100, 1000));
        QCOMPARE(flow.heightForWidth(100), height);
        QVERIFY(flow.heightForWidth(1000) <= height);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(flow.itemAt(i)->geometry(), items[i]);
    }

    void spacing_data() {
        QTest::addColumn<int>("spacing"); // the layout's own, -1 for none
        QTest::addColumn<int>("metric");  // what the parent widget's style answers
        QTest::addColumn<bool>("inLayout");
        QTest::addColumn<bool>("widgets");
        QTest::addColumn<int>("expected");
        QTest::newRow("own zero") << 0 << 11 << false << true << 0;
        QTest::newRow("parent widget's metric") << -1 << 11 << false << false << 11;
        QTest::newRow("item widget's style") << -1 << -1 << false << true << 13;
        QTest::newRow("spacer asks the parent") << -1 << -1 << false << false << 17;
        QTest::newRow("parent layout's spacing") << -1 << 11 << true << false << 9;
    }
    void spacing() {
        QFETCH(int, spacing);
        QFETCH(int, metric);
        QFETCH(bool, inLayout);
        QFETCH(bool, widgets);
        QFETCH(int, expected);
        SpacingStyle style(metric, 17), childStyle(metric, 13);
        QWidget container;
        container.setStyle(&style);
        QHBoxLayout outer;
        outer.setSpacing(9);
        auto* flow = new GFlowLayout(inLayout ? nullptr : &container, 0, spacing, spacing);
        if (inLayout) outer.addLayout(flow);
        for (int i = 0; i < 3; ++i) {
            auto* child = new QWidget(&container);
            child->setStyle(&childStyle);
            child->setFixedSize(40, 10);
            widgets ? flow->addWidget(child) : flow->addItem(fixed_item({40, 10}));
        }
        flow->setGeometry(QRect(0, 0, 100, 100));
        QCOMPARE(flow->itemAt(1)->geometry().topLeft(), QPoint(40 + expected, 0));
        QCOMPARE(flow->itemAt(2)->geometry().topLeft(), QPoint(0, 10 + expected));
    }
};

QTEST_MAIN(TstGFlowLayout)
#include "tst_GFlowLayout.moc"
