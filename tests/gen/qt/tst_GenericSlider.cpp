#include "SliderTestSupport.h"

#include "gen/qt/GenericSlider.h"

#include <QTest>

using namespace gen::qt;

class TstGenericSlider : public QObject {
    Q_OBJECT

private slots:
    void mapping_data() {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("val");
        QTest::addColumn<int>("moveTo"); // a later setValue(), -1 for none
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("value");
        QTest::newRow("reversed 100") << false << 100.0 << 5.0 << 100.0 << -1 << 0 << 100.0;
        QTest::newRow("reversed 5") << false << 100.0 << 5.0 << 5.0 << -1 << 1000 << 5.0;
        QTest::newRow("reversed 50") << false << 100.0 << 5.0 << 50.0 << -1 << 526 << 50.0;
        QTest::newRow("clamped") << false << 0.0 << 10.0 << 20.0 << -1 << 1000 << 10.0;
        QTest::newRow("unsigned rounds") << false << 0.0 << 3.0 << 0.0 << 500 << 500 << 2.0;
        QTest::newRow("float 200") << true << 0.0 << 400.0 << 200.0 << -1 << 500 << 200.0;
        QTest::newRow("float nearest") << true << 0.0 << 400.0 << 123.45 << -1 << 309 << 123.6;
        QTest::newRow("float moved") << true << 0.0 << 400.0 << 200.0 << 250 << 250 << 100.0;
    }
    void mapping() {
        QFETCH(bool, isFloat);
        isFloat ? check_mapping<float>() : check_mapping<unsigned int>();
    }

    // The handle is pressed where `before` put it, dragged to `dragTo` (-1: not moved) and released.
    void snapping_data() {
        QTest::addColumn<unsigned int>("snapPercent");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("dragTo");
        QTest::addColumn<int>("after");
        QTest::newRow("437") << 10u << 437 << -1 << 400;
        QTest::newRow("450") << 10u << 450 << -1 << 500;
        QTest::newRow("950") << 10u << 950 << -1 << 900;
        QTest::newRow("off") << 0u << 437 << -1 << 437;
        QTest::newRow("dragged") << 10u << 0 << 630 << 600;
    }
    void snapping() {
        QFETCH(unsigned int, snapPercent);
        QFETCH(int, before);
        QFETCH(int, dragTo);
        QFETCH(int, after);
        GenericSlider<float> s;
        s.resize(1100, 60); // about a pixel per position, so a drag lands where aimed
        s.set_args(Qt::Horizontal, 0.0f, 400.0f, 0.0f);
        s.snapPercent = snapPercent;
        s.setValue(before);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QRect handle = slider_rect(&s, QStyle::SC_SliderHandle);
        const int span = slider_rect(&s, QStyle::SC_SliderGroove).width() - handle.width();
        const auto pixel = [&](int pos) { return QStyle::sliderPositionFromValue(0, 1000, pos, span); };
        const QPoint at = handle.center() + QPoint(dragTo < 0 ? 0 : pixel(dragTo) - pixel(before), 0);
        QTest::mousePress(&s, Qt::LeftButton, {}, handle.center());
        if (dragTo >= 0) QTest::mouseMove(&s, at);
        const int held = s.sliderPosition();
        QVERIFY2(qAbs(held - (dragTo < 0 ? before : dragTo)) < 15, qPrintable(QString::number(held)));
        QTest::mouseRelease(&s, Qt::LeftButton, {}, at);
        QCOMPARE(s.sliderPosition(), after);
    }

    void emptyRange() {
        GenericSlider<unsigned int> s;
        s.set_args(Qt::Horizontal, 0, 400, 200);
        QList<unsigned int> seen;
        s.listenerValueChanged = [&](const unsigned int& v) { seen << v; };
        s.set_args(Qt::Horizontal, 7, 7, 20);
        QCOMPARE(s.maximum(), 0);
        QCOMPARE(seen, QList<unsigned int>{7});
        QCOMPARE(s.value, 7u);
    }

private:
    template <typename T>
    static void check_mapping() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, val);
        QFETCH(int, moveTo);
        QFETCH(int, position);
        QFETCH(double, value);
        GenericSlider<T> s;
        QList<double> fired;
        s.listenerValueChanged = [&](const T& v) { fired << double(v); };
        s.snapPercent = 10; // programmatic moves never snap
        s.set_args(Qt::Horizontal, T(min), T(max), T(val));
        if (moveTo >= 0) s.setValue(moveTo);
        QCOMPARE(s.sliderPosition(), position);
        QCOMPARE(s.value, T(value));
        // A fresh slider sits at 0, so only a move away from there reports.
        QCOMPARE(fired.isEmpty() ? -1.0 : fired.last(), position == 0 ? -1.0 : double(T(value)));
    }
};

QTEST_MAIN(TstGenericSlider)
#include "tst_GenericSlider.moc"
