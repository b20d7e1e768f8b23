#include "Ball.h"
#include "BallView.h"
#include "MyScene.h"
#include "MySettings.h"
#include "PanelGravity.h"

#include "gen/qt/GApp.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GRadioButton.h"
#include "gen/qt/GSlider.h"

#include "AppTestMain.h"
#include "LogLines.h"

#include <QGraphicsRectItem>
#include <QLabel>
#include <QtTest>

using namespace gen::log;

namespace {

// The view hears of its size through its viewport's resize events, as when it is laid out.
void resize_view(PanelGravity& p, QSize s) {
    QResizeEvent event(s, p.view->viewport()->size());
    QCoreApplication::sendEvent(p.view->viewport(), &event);
}

// Ticks once per simulated millisecond after `from` until `done` holds, at most `ms` times.
template <typename Done>
long long tick_until(PanelGravity& p, long long from, Done done, long long ms = 10000) {
    for (long long now = from + 1; now <= from + ms; ++now) {
        p.tick(now);
        if (done()) return now;
    }
    return from + ms;
}

QString label(const PanelGravity& p, const char* prefix) {
    for (const QLabel* l : p.findChildren<QLabel*>())
        if (l->text().startsWith(prefix)) return l->text();
    return {};
}

qsizetype count(const LogLines& log, LOG_LEVEL level, const QString& pattern) {
    const QRegularExpression re(pattern + "$");
    return std::count_if(log.lines.cbegin(), log.lines.cend(), [&](const auto& line) {
        return line.first == level && re.match(line.second).hasMatch();
    });
}

} // namespace

class TstPanelGravity : public QObject {
    Q_OBJECT

private slots:
    void init() { MySettings::get()->remove("app/planet"); }

    void bodyAndLabels_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("energy");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("errors");
        const QStringList none;
        QTest::newRow("none stored") << "" << none << 90 << "Earth"
                                     << QStringList{"Gravity 09.81", "Energy 090 %"} << 0;
        QTest::newRow("stored") << "Moon" << none << 90 << "Moon"
                                << QStringList{"Gravity 01.62", "Energy 090 %"} << 0;
        QTest::newRow("unknown stored")
            << "Pluto" << none << 90 << "Earth" << QStringList{"Gravity 09.81", "Energy 090 %"} << 2;
        QTest::newRow("no leading zero") << "" << QStringList{"Jupiter"} << 10 << "Jupiter"
                                         << QStringList{"Gravity 23.00", "Energy 010 %"} << 0;
    }
    void bodyAndLabels() {
        QFETCH(QString, stored);
        QFETCH(QStringList, clicks);
        QFETCH(int, energy);
        QFETCH(QString, checked);
        QFETCH(QStringList, labels);
        QFETCH(int, errors);
        if (!stored.isEmpty()) MySettings::get()->set_planet(stored);
        LogLines log;
        PanelGravity p;
        QCOMPARE(p.sliderGravity->value(), 981); // a stored body waits for the event loop
        QCOMPARE(p.ball->pos(), QPointF(150, 20));
        QCoreApplication::processEvents();
        for (const QString& body : clicks)
            p.findChild<gen::qt::GRadioButton*>(body)->click();
        p.sliderEnergy->setValue(energy);
        QCOMPARE(p.group->checkedButton()->objectName(), checked);
        QCOMPARE((QStringList{label(p, "Gravity"), label(p, "Energy")}), labels);
        QCOMPARE(p.sliderGravity->value(), qRound(p.gravity * 100));
        QCOMPARE(count(log, DEBUG, "Selected Planet " + stored), stored == checked ? 1 : 0);
        QCOMPARE(count(log, ERROR, "GButtonGroup::button_by_name, name 'Pluto' not found"), errors);
        QCOMPARE(MySettings::get()->get_planet(), clicks.isEmpty() ? stored : clicks.last());
    }

    void flightAndEnd_data() {
        QTest::addColumn<int>("energy");
        QTest::addColumn<bool>("finishes");
        QTest::newRow("speed cut, comes to rest") << 10 << true;
        QTest::newRow("no loss, bounces on") << 100 << false;
    }
    void flightAndEnd() {
        QFETCH(int, energy);
        QFETCH(bool, finishes);
        PanelGravity p;
        p.sliderEnergy->setValue(energy);
        LogLines log;
        p.start_stop();
        const float g = p.gravity, k = p.pixels_per_meter, r = p.ball->get_radius();
        const auto t0 = static_cast<long long>(p.phase_start_ms);
        p.tick(t0 + 100);
        QCOMPARE(float(p.ball->y()), p.ball_top_y + 0.5f * g * 0.1f * 0.1f * k);

        const long long bounce = tick_until(p, t0 + 100, [&] { return !p.falling; });
        const float yb = p.ball->y(), v0 = g * (bounce - t0) / 1000.0f * energy / 100.0f;
        const float before = (bounce - 1 - t0) / 1000.0f; // the lowest point left the field just now
        QVERIFY(yb + r > p.size.height() &&
                p.ball_top_y + 0.5f * g * before * before * k + r <= p.size.height());
        p.tick(bounce + 10);
        QCOMPARE(float(p.ball->y()), yb - (v0 * 0.01f - 0.5f * g * 0.01f * 0.01f) * k);

        const long long apex = tick_until(p, bounce + 10, [&] { return p.falling; });
        const float ya = p.ball->y();
        QVERIFY(qAbs(ya - (yb - v0 * v0 / (2 * g) * k)) < 0.1f); // the top of the parabola
        p.tick(apex + 20);
        QCOMPARE(float(p.ball->y()), ya + 0.5f * g * 0.02f * 0.02f * k);

        int bounces = 1;
        for (long long now = apex + 21; now < apex + 20000 && !p.stopped; ++now) {
            const bool wasFalling = p.falling;
            p.tick(now);
            bounces += wasFalling && !p.falling;
        }
        QCOMPARE(p.stopped, finishes);
        QCOMPARE(p.sliderGravity->isEnabled(), finishes);
        QCOMPARE(count(log, INFO, "Simulation finished after \\d+,\\d{3}\\.\\d{3} sec"), finishes ? 1 : 0);
        QVERIFY(finishes ? bounces <= 3 : bounces > 20);
        if (finishes) QVERIFY(p.ball->y() > p.size.height() - r); // left where it bounced
    }

    // A busy GUI thread delays the tick after a bounce past the apex: the run still ends in the field.
    void stalledTickAfterBounce() {
        PanelGravity p;
        p.start_stop();
        const auto start = static_cast<long long>(p.phase_start_ms);
        long long now = start;
        for (int bounces = 0; bounces < 10 && now < start + 10000;) {
            const bool wasFalling = p.falling;
            p.tick(++now);
            bounces += wasFalling && !p.falling;
        }
        p.tick(now += 250);
        tick_until(
            p, now, [&] { return p.stopped; }, 20000);
        QVERIFY(p.stopped);
        QVERIFY(p.ball->y() <= p.size.height());
    }

    // A run goes on in a resized field; stopping rests the ball on its floor.
    void resizeThenStop() {
        PanelGravity p;
        p.start_stop();
        const auto t0 = static_cast<long long>(p.phase_start_ms);
        p.tick(t0 + 100);
        resize_view(p, {500, 400});
        const float r = p.ball->get_radius();
        QCOMPARE(p.ball->pos(), QPointF(250, r));
        QCOMPARE(p.rect->rect(), QRectF(0, 0, 500, 400));
        QCOMPARE(p.scene->sceneRect(), QRectF(0, 0, 500, 400));
        p.tick(t0 + 200);
        QCOMPARE(float(p.ball->y()), r + 0.5f * p.gravity * 0.2f * 0.2f * p.pixels_per_meter);
        QCOMPARE(p.buttonStart->text(), "Stop");
        QVERIFY(!p.sliderEnergy->isEnabled() && !p.radioMoon->isEnabled());

        LogLines log;
        p.start_stop();
        QCOMPARE(p.ball->pos(), QPointF(250, 400 - r));
        QCOMPARE(count(log, DEBUG, "Simulation stopped after \\d+,\\d{3}\\.\\d{3} sec"), 1);
        QCOMPARE(p.buttonStart->text(), "Start");
        QVERIFY(p.sliderEnergy->isEnabled() && p.radioMoon->isEnabled());
        p.start_stop();
        QCOMPARE(p.ball->pos(), QPointF(250, r));
    }

    // The view need not keep the scene's first size: the whole panel fits in less.
    void shrinksBelowTheFirstScene() {
        const PanelGravity p;
        QVERIFY(p.minimumSizeHint().height() < p.size.height());
    }
};

APP_TEST_MAIN(TstPanelGravity)
#include "tst_PanelGravity.moc"
