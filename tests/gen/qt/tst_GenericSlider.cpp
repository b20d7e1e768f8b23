#include "SliderTestSupport.h"

#include "gen/qt/GenericSlider.h"

#include <QTest>

using namespace gen::qt;

class TstGenericSlider : public QObject {
    Q_OBJECT

private slots:
    // `moveTo` is a later setValue() of a position, -1 for none.
    void mapping_data() {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("val");
        QTest::addColumn<int>("moveTo");
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("value");
        QTest::newRow("reversed 100") << false << 100.0 << 5.0 << 100.0 << -1 << 0 << 100.0;
        QTest::newRow("reversed 5") << false << 100.0 << 5.0 << 5.0 << -1 << 1000 << 5.0;
        QTest::newRow("reversed 50") << false << 100.0 << 5.0 << 50.0 << -1 << 526 << 50.0;
        QTest::newRow("clamped") << false << 0.0 << 10.0 << 20.0 << -1 << 1000 << 10.0;
        QTest::newRow("unsigned rounds") << false << 0.0 << 3.0 << 0.0 << 500 << 500 << 2.0;
        QTest::newRow("float 200") << true << 0.0 << 400.0 << 200.0 << -1 << 500 << 200.0;
        QTest::newRow("float moved") << true << 0.0 << 400.0 << 200.0 << 250 << 250 << 100.0;
        QTest::newRow("empty range") << false << 7.0 << 7.0 << 20.0 << -1 << 0 << 7.0;
    }
    void mapping() {
        QFETCH(bool, isFloat);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, val);
        QFETCH(int, moveTo);
        QFETCH(int, position);
        QFETCH(double, value);
        // Snapping is on, as programmatic moves must never snap.
        const auto check = [&]<typename T>(GenericSlider<T>& s) {
            s.set_args(Qt::Horizontal, 0, 400, 100); // at 250, where no row starts
            QList<double> fired;
            s.listenerValueChanged = [&](const T& v) { fired << double(v); };
            s.snapPercent = 10;
            s.set_args(Qt::Horizontal, T(min), T(max), T(val));
            if (moveTo >= 0) s.setValue(moveTo);
            QCOMPARE(s.sliderPosition(), position);
            QCOMPARE(s.value, T(value));
            QCOMPARE(fired.last(), double(T(value)));
        };
        GenericSlider<float> f;
        GenericSlider<unsigned int> u;
        isFloat ? check(f) : check(u);
    }

    // The handle is pressed where `before` put it, dragged to `dragTo` (-1: not moved) and released.
    void snapping_data() {
        QTest::addColumn<float>("max");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("dragTo");
        QTest::addColumn<int>("after");
        QTest::newRow("437") << 400.0f << 437 << -1 << 400;
        QTest::newRow("450") << 400.0f << 450 << -1 << 500;
        QTest::newRow("950") << 400.0f << 950 << -1 << 900;
        QTest::newRow("dragged") << 400.0f << 0 << 630 << 600;
        QTest::newRow("empty range") << 0.0f << 0 << -1 << 0;
    }
    void snapping() {
        QFETCH(float, max);
        QFETCH(int, before);
        QFETCH(int, dragTo);
        QFETCH(int, after);
        GenericSlider<float> s;
        s.resize(1100, 60); // about a pixel per position, so a drag lands where aimed
        s.set_args(Qt::Horizontal, 0.0f, max, 0.0f);
        s.snapPercent = 10;
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
};

QTEST_MAIN(TstGenericSlider)
#include "tst_GenericSlider.moc"
