#include "gen/qt/GFlowLayout.h"

#include <QApplication>
#include <QBoxLayout>
#include <QProxyStyle>
#include <QSpacerItem>
#include <QtTest>
#include <QWidget>

#include <memory>

using gen::GFlowLayout;

namespace {

constexpr int kItemHeight = 10;

QSpacerItem* fixed_item(QSize size) {
    return new QSpacerItem(size.width(), size.height(), QSizePolicy::Fixed, QSizePolicy::Fixed);
}

// Answers every spacing question with known values and counts the questions.
class SpacingStyle : public QProxyStyle {
public:
    int metric = -1;
    int gap = 0;
    mutable int asked = 0;

    int pixelMetric(PixelMetric pm, const QStyleOption* option, const QWidget* widget) const override {
        if (pm != PM_LayoutHorizontalSpacing && pm != PM_LayoutVerticalSpacing)
            return QProxyStyle::pixelMetric(pm, option, widget);
        ++asked;
        return metric;
    }
    int layoutSpacing(QSizePolicy::ControlType, QSizePolicy::ControlType, Qt::Orientation,
                      const QStyleOption*, const QWidget*) const override {
        ++asked;
        return gap;
    }
};

} // namespace

class TstGFlowLayout : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<QList<QPoint>>("expected");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("minimum");
        const QSize w40(40, kItemHeight);
        const QList<QSize> three40{w40, w40, w40};
        QTest::newRow("third of three wraps")
            << QMargins() << 5 << three40 << QList<QPoint>{{0, 0}, {45, 0}, {0, 15}} << 25 << w40;
        QTest::newRow("ending at the edge wraps") << QMargins() << 0 << QList<QSize>{{50, 10}, {50, 10}}
                                                  << QList<QPoint>{{0, 0}, {0, 10}} << 20 << QSize(50, 10);
        QTest::newRow("ending before the edge fits") << QMargins() << 0 << QList<QSize>{{50, 10}, {49, 10}}
                                                     << QList<QPoint>{{0, 0}, {50, 0}} << 10 << QSize(50, 10);
        QTest::newRow("too wide stays alone") << QMargins() << 5 << QList<QSize>{{150, 10}, {30, 10}}
                                              << QList<QPoint>{{0, 0}, {0, 15}} << 25 << QSize(150, 10);
        QTest::newRow("tallest item sets the line")
            << QMargins() << 5 << QList<QSize>{w40, {40, 20}, w40} << QList<QPoint>{{0, 0}, {45, 0}, {0, 25}}
            << 35 << QSize(40, 20);
        QTest::newRow("margins") << QMargins(3, 3, 3, 3) << 5 << three40
                                 << QList<QPoint>{{3, 3}, {48, 3}, {3, 18}} << 31 << QSize(46, 16);
        QTest::newRow("uneven margins") << QMargins(1, 2, 3, 4) << 0 << QList<QSize>{{40, 10}, {30, 20}}
                                        << QList<QPoint>{{1, 2}, {41, 2}} << 26 << QSize(44, 26);
        QTest::newRow("empty") << QMargins() << 0 << QList<QSize>{} << QList<QPoint>{} << 0 << QSize(-1, -1);
        QTest::newRow("empty with margins")
            << QMargins(1, 2, 3, 4) << 0 << QList<QSize>{} << QList<QPoint>{} << 6 << QSize(3, 5);
    }
    void placement() {
        QFETCH(QMargins, margins);
        QFETCH(int, spacing);
        QFETCH(QList<QSize>, sizes);
        QFETCH(QList<QPoint>, expected);
        QFETCH(int, height);
        QFETCH(QSize, minimum);
        GFlowLayout flow(0, spacing, spacing);
        flow.setContentsMargins(margins);
        for (const QSize& size : sizes)
            flow.addItem(fixed_item(size));
        QCOMPARE(flow.minimumSize(), minimum);
        QCOMPARE(flow.sizeHint(), minimum);
        flow.setGeometry(QRect(0, 0, 1000, 1000));
        QList<QRect> wide;
        for (int i = 0; i < flow.count(); ++i)
            wide << flow.itemAt(i)->geometry();

        QCOMPARE(flow.heightForWidth(100), height);
        for (int i = 0; i < flow.count(); ++i)
            QCOMPARE(flow.itemAt(i)->geometry(), wide[i]);

        flow.setGeometry(QRect(0, 0, 100, 1000));
        for (int i = 0; i < flow.count(); ++i)
            QCOMPARE(flow.itemAt(i)->geometry(), QRect(expected[i], sizes[i]));
    }

    void indexesOutOfRange() {
        GFlowLayout flow;
        QSpacerItem* first = fixed_item({1, 1});
        QSpacerItem* second = fixed_item({2, 2});
        flow.addItem(first);
        flow.addItem(second);
        QCOMPARE(flow.itemAt(-1), nullptr);
        QCOMPARE(flow.itemAt(flow.count()), nullptr);
        QCOMPARE(flow.takeAt(flow.count()), nullptr);
        QCOMPARE(flow.takeAt(-1), nullptr);
        QCOMPARE(flow.count(), 2);
        std::unique_ptr<QLayoutItem> taken(flow.takeAt(0));
        QCOMPARE(taken.get(), first);
        QCOMPARE(flow.count(), 1);
        QCOMPARE(flow.itemAt(0), second);
    }

    void spacingSources_data() {
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("metric");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("widgets");
        QTest::addColumn<int>("expected");
        QTest::newRow("own value, style not asked") << 5 << 11 << "widget" << true << 5;
        QTest::newRow("own zero, style not asked") << 0 << 11 << "widget" << false << 0;
        QTest::newRow("metric of the parent widget") << -1 << 11 << "widget" << false << 11;
        QTest::newRow("item widget's style") << -1 << -1 << "widget" << true << 13;
        QTest::newRow("spacer asks the parent widget") << -1 << -1 << "widget" << false << 17;
        QTest::newRow("spacing of the parent layout") << -1 << 11 << "layout" << false << 9;
        QTest::newRow("no parent, application style") << -1 << 11 << "none" << false << -1;
    }
    void spacingSources() {
        QFETCH(int, spacing);
        QFETCH(int, metric);
        QFETCH(QString, owner);
        QFETCH(bool, widgets);
        QFETCH(int, expected);
        SpacingStyle style;
        style.metric = metric;
        style.gap = 17;
        SpacingStyle childStyle;
        childStyle.metric = metric;
        childStyle.gap = 13;
        QWidget container;
        container.setStyle(&style);
        QHBoxLayout outer;
        outer.setSpacing(9);
        auto* flow = new GFlowLayout(owner == "widget" ? &container : nullptr, 0, spacing, spacing);
        if (owner == "layout") outer.addLayout(flow);
        std::unique_ptr<GFlowLayout> unowned(owner == "none" ? flow : nullptr);
        int expectedV = expected;
        if (expected < 0) {
            const QStyle* app = QApplication::style();
            expected = app->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
            expectedV = app->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Vertical);
        }
        for (int i = 0; i < 3; ++i) {
            if (widgets) {
                auto* child = new QWidget(&container);
                child->setStyle(&childStyle);
                child->setFixedSize(40, kItemHeight);
                flow->addWidget(child);
            } else {
                flow->addItem(fixed_item({40, kItemHeight}));
            }
        }
        flow->setGeometry(QRect(0, 0, 100, 100));
        QCOMPARE(flow->itemAt(1)->geometry().topLeft(), QPoint(40 + expected, 0));
        QCOMPARE(flow->itemAt(2)->geometry().topLeft(), QPoint(0, kItemHeight + expectedV));
        if (spacing >= 0) QCOMPARE(style.asked + childStyle.asked, 0);
    }
};

QTEST_MAIN(TstGFlowLayout)
#include "tst_GFlowLayout.moc"
