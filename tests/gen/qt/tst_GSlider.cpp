#include "SliderTestSupport.h"

#include "gen/qt/GSlider.h"

#include "LogLines.h"

#include <QTest>

using namespace gen::qt;

class TstGSlider : public QObject {
    Q_OBJECT

private slots:
    // The slider runs from 10 to 100 and starts at 20.
    void bounds_data() {
        QTest::addColumn<bool>("revers");
        QTest::addColumn<int>("val");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("above") << false << 101 << 20 << "GSlider::setValue, val:101 out of bounds 10....100";
        QTest::newRow("maximum") << false << 100 << 100 << QString();
        QTest::newRow("revers") << true << 30 << 70 << QString();
        QTest::newRow("revers below")
            << true << 9 << 20 << "GSlider::set_value_revers, val:9 out of bounds 10....100";
        // Mirrored at the maximum alone, so 95 becomes 5.
        QTest::newRow("revers to 5") << true << 95 << 20
                                     << "GSlider::setValue, val:5 out of bounds 10....100";
    }
    void bounds() {
        QFETCH(bool, revers);
        QFETCH(int, val);
        QFETCH(int, value);
        QFETCH(QString, message);
        GSlider s;
        s.set_args(Qt::Horizontal, 10, 100, 20);
        LogLines log;
        revers ? s.set_value_revers(val) : s.setValue(val);
        QCOMPARE(s.value(), value);
        QVERIFY(log.only(gen::log::DEBUG, message));
    }

    // Like GSlider(), this constructor must watch the slider itself, or no listener would fire.
    void userEvents() {
        GSlider s(Qt::Horizontal);
        s.resize(300, 300);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QStringList events;
        s.listenerValueChanged = [&](const int& v) { events << QString("value %1").arg(v); };
        s.listenerSliderPressed = [&](const int& v) { events << QString("pressed %1").arg(v); };
        s.listenerSliderReleased = [&](const int& v) { events << QString("released %1").arg(v); };
        QTest::mouseClick(&s, Qt::LeftButton, {}, slider_rect(&s, QStyle::SC_SliderHandle).center());
        QTest::keyClick(&s, Qt::Key_PageUp);
        QCOMPARE(events.join(", "), QString("pressed 0, released 0, value %1").arg(s.pageStep()));
    }
};

QTEST_MAIN(TstGSlider)
#include "tst_GSlider.moc"
