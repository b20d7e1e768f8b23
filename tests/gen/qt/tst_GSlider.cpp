// GSlider with its SliderEvents, the shared handle style and the ev helpers.
#include "SliderTestSupport.h"

#include "gen/qt/GenericSlider.h"
#include "gen/qt/GEvents.h"
#include "gen/qt/GSlider.h"
#include "gen/qt/GStyles.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace gen::qt;

class TstGSlider : public QObject {
    Q_OBJECT

private slots:
    void setters_data();
    void setters();
    void userEvents_data();
    void userEvents();
    void handleStyle();
    void helpersKeepTheirCopy();
};

void TstGSlider::setters_data() {
    QTest::addColumn<int>("min"); // the maximum is 100, the handle starts at 20
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("val");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("message");
    QTest::newRow("inside") << 0 << "set" << 40 << 40 << "";
    QTest::newRow("above") << 0 << "set" << 101 << 20 << "GSlider::setValue, val:101 out of bounds 0....100";
    QTest::newRow("below") << 5 << "set" << 4 << 20 << "GSlider::setValue, val:4 out of bounds 5....100";
    QTest::newRow("revers") << 0 << "revers" << 30 << 70 << "";
    QTest::newRow("revers above") << 0 << "revers" << 101 << 20
                                  << "GSlider::set_value_revers, val:101 out of bounds 0....100";
    QTest::newRow("revers mirrors at the maximum")
        << 10 << "revers" << 95 << 20 << "GSlider::setValue, val:5 out of bounds 10....100";
    QTest::newRow("args") << 0 << "args" << 150 << 20 << "GSlider::setValue, val:150 out of bounds 0....100";
}

void TstGSlider::setters() {
    QFETCH(int, min);
    QFETCH(QString, op);
    QFETCH(int, val);
    QFETCH(int, position);
    QFETCH(QString, message);
    GSlider s;
    s.set_args(Qt::Horizontal, min, 100, 20);
    QList<int> fired;
    s.listenerValueChanged = [&](const int& v) { fired << v; };
    LogCapture log("GSlider::");
    if (op == "set") s.setValue(val, true);
    if (op == "revers") s.set_value_revers(val, false);
    if (op == "args") QCOMPARE(s.set_args(Qt::Horizontal, min, 100, val), &s);
    QCOMPARE(s.value(), position);
    QCOMPARE(fired, position == 20 ? QList<int>{} : QList<int>{position});
    QCOMPARE(log.lines, message.isEmpty() ? QStringList{} : QStringList{message});
}

void TstGSlider::userEvents_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("GSlider()") << false;
    QTest::newRow("GSlider(Qt::Horizontal)") << true;
}

void TstGSlider::userEvents() {
    QFETCH(bool, horizontal);
    const std::unique_ptr<GSlider> s(horizontal ? new GSlider(Qt::Horizontal) : new GSlider());
    QCOMPARE(s->getSlider(), s.get());
    s->resize(300, 300);
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    QStringList events;
    const auto note = [&events](const char* what) {
        return [&events, what](const int& v) { events << QString("%1 %2").arg(what).arg(v); };
    };
    s->listenerValueChanged = note("value");
    s->listenerSliderPressed = note("pressed");
    s->listenerSliderReleased = note("released");
    QTest::mouseClick(s.get(), Qt::LeftButton, {}, slider_rect(s.get(), QStyle::SC_SliderHandle).center());
    QTest::keyClick(s.get(), Qt::Key_PageUp);
    QCOMPARE(events.join(", "), QString("pressed 0, released 0, value %1").arg(s->pageStep()));
}

void TstGSlider::handleStyle() {
    const QString expected = QStringLiteral(
        "QSlider::handle:horizontal {    background: #4A7B9B;    width: 30px; /* Macht den Thumb breiter */  "
        "  height: 40px; /* Macht den Thumb höher */    margin: -10px -10px; /* Vergrößert den "
        "berührungsempfindlichen Bereich um 10px */    border-radius: 10px;}QSlider::groove:horizontal {    "
        "border: 1px solid #bbb;    background: #eee;    height: 10px;    margin: 0px;}");
    QSlider plain;
    styles::set_slider_handle(&plain);
    QCOMPARE(plain.styleSheet(), expected);
    QCOMPARE(GSlider().styleSheet(), expected);
    QCOMPARE(GSlider(Qt::Vertical).styleSheet(), expected);
    QCOMPARE(GenericSlider<unsigned int>().styleSheet(), expected);
    QCOMPARE(GenericSlider<float>().styleSheet(), expected);
}

void TstGSlider::helpersKeepTheirCopy() {
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

QTEST_MAIN(TstGSlider)
#include "tst_GSlider.moc"
