#include "SliderTestSupport.h"

#include "gen/qt/GenericSlider.h"
#include "gen/qt/GEvents.h"
#include "gen/qt/GSlider.h"

#include "LogLines.h"

#include <QPushButton>
#include <QTest>

using namespace gen::qt;

namespace {

const QString kStyle = QStringLiteral(
    "QSlider::handle:horizontal {    background: #4A7B9B;    width: 30px; /* Macht den Thumb breiter */  "
    "  height: 40px; /* Macht den Thumb höher */    margin: -10px -10px; /* Vergrößert den "
    "berührungsempfindlichen Bereich um 10px */    border-radius: 10px;}QSlider::groove:horizontal {    "
    "border: 1px solid #bbb;    background: #eee;    height: 10px;    margin: 0px;}");

} // namespace

class TstGSlider : public QObject {
    Q_OBJECT

private slots:
    // The slider runs from 10 to 100 and starts at 20.
    void setters_data() {
        QTest::addColumn<bool>("revers");
        QTest::addColumn<int>("val");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("above") << false << 101 << 20 << "GSlider::setValue, val:101 out of bounds 10....100";
        QTest::newRow("below") << false << 9 << 20 << "GSlider::setValue, val:9 out of bounds 10....100";
        QTest::newRow("revers") << true << 30 << 70 << QString();
        QTest::newRow("revers above")
            << true << 101 << 20 << "GSlider::set_value_revers, val:101 out of bounds 10....100";
        QTest::newRow("revers below")
            << true << 9 << 20 << "GSlider::set_value_revers, val:9 out of bounds 10....100";
        QTest::newRow("revers to 5") << true << 95 << 20
                                     << "GSlider::setValue, val:5 out of bounds 10....100";
    }
    void setters() {
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

    void userEvents_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("GSlider()") << false;
        QTest::newRow("GSlider(Qt::Horizontal)") << true;
    }
    void userEvents() {
        QFETCH(bool, horizontal);
        GSlider plain, oriented(Qt::Horizontal);
        GSlider* s = horizontal ? &oriented : &plain;
        QCOMPARE(s->styleSheet(), kStyle);
        s->resize(300, 300);
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QStringList events;
        const auto note = [&events](const char* what) {
            return [&events, what](const int& v) { events << QString("%1 %2").arg(what).arg(v); };
        };
        s->listenerValueChanged = note("value");
        s->listenerSliderPressed = note("pressed");
        s->listenerSliderReleased = note("released");
        QTest::mouseClick(s, Qt::LeftButton, {}, slider_rect(s, QStyle::SC_SliderHandle).center());
        QTest::keyClick(s, Qt::Key_PageUp);
        QCOMPARE(events.join(", "), QString("pressed 0, released 0, value %1").arg(s->pageStep()));
    }

    void genericSliderStyleAndHelpers() {
        QCOMPARE(GenericSlider<float>().styleSheet(), kStyle);
        QSlider s;
        QPushButton b;
        QList<int> seen;
        {
            const std::function<void(int)> onValue = [&](int v) { seen << v; };
            const std::function<void()> onClick = [&] { seen << -1; };
            QCOMPARE(ev::val_changed(&s, onValue), &s);
            QCOMPARE(ev::clicked(&b, onClick), &b);
        }
        QTest::keyClick(&s, Qt::Key_End);
        QTest::mouseClick(&b, Qt::LeftButton);
        QCOMPARE(seen, QList<int>({s.maximum(), -1}));
    }
};

QTEST_MAIN(TstGSlider)
#include "tst_GSlider.moc"
