// The application's classes, with the application's settings object as the program makes it.

#include "Ball.h"
#include "BallView.h"
#include "PanelAbout.h"
#include "PanelGravity.h"
#include "PanelTrig.h"
#include "TrigComponent.h"
#include "Window.h"

#include "gen/GTime.h"
#include "gen/qt/components/GTab.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GImageView.h"
#include "gen/qt/GPanelLog.h"
#include "gen/qt/GSlider.h"
#include "gen/qt/Theme.h"
#include "gen/qt/ThemeEngine.h"

#include "AppTestMain.h"
#include "LogLines.h"
#include "TestSupport.h"

#include <QGraphicsRectItem>
#include <QLabel>
#include <QScreen>

namespace {
// What a user calls the colour: green, dark or light.
QString tone(const QColor& c) {
    if (c.green() > c.red() && c.green() > c.blue()) return "green";
    return c.lightness() < 128 ? "dark" : "light";
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

// The window as start-up makes it.
struct Started {
    Started() { window.ini(); }
    Window window;
};
} // namespace

class TstApp : public QObject {
    Q_OBJECT

    MySettings& settings = *MySettings::get();

private slots:
    void init() { settings.clear(); }

    // Hidden, the show steps on without loading pictures; five steps after o-09 wrap round to o-00.
    void about() {
        PanelAbout panel;
        panel.show();
        auto* view = children_of<gen::qt::GImageView>(panel).value(0);
        LogLines log;
        QTest::mouseClick(view, Qt::LeftButton);
        panel.tick();
        panel.hide();
        for (int i = 0; i < 5; ++i)
            panel.tick();
        panel.show();
        panel.tick();
        QTest::mouseClick(view, Qt::LeftButton);
        QStringList messages;
        for (const auto& line : log.lines)
            messages << line.second.section("] ", -1);
        const QString nine = ":/wb/img/o-09.jpg";
        QCOMPARE(messages, (QStringList{"mouse pressed", "showing:" + nine, "showing:" + nine,
                                        "mouse pressed", "current:" + nine}));
        QCOMPARE(view->image, QImage(nine));
    }

    // 200 columns over 2 pi: column 50 samples a quarter turn, where sine and cosecant are 1 and the point
    // lies 50.5 pixels below the centre line, clear of rounding; at column 0 the cosecant is infinite.
    void trig_frame_data() {
        QTest::addColumn<QList<float>>("plot");   // functions, rad, phase, amp, width
        QTest::addColumn<QList<QPoint>>("curve"); // its pixels in columns 0, 50 and 199; none: whole frame
        const float pi2 = 6.2831855f, nan = float(qQNaN());
        QTest::newRow("direct") << QList<float>{2, pi2, 0, 50.5f, 200}
                                << QList<QPoint>{{0, 100}, {50, 150}, {199, 98}};
        QTest::newRow("reciprocal") << QList<float>{4, pi2, 0, 50.5f, 200} << QList<QPoint>{{50, 150}};
        // Steps of 5e-7 no longer move x near 100, yet the walk ends; tan(100) is -0.587.
        QTest::newRow("tiny step") << QList<float>{32, 1e-4f, 100, 50.5f, 200}
                                   << QList<QPoint>{{0, 70}, {50, 70}, {199, 70}};
        QTest::newRow("rad zero") << QList<float>{126, 0, 0, 100, 250} << QList<QPoint>{};
        QTest::newRow("amp not a number") << QList<float>{126, pi2, 0, nan, 250} << QList<QPoint>{};
        QTest::newRow("one pixel wide") << QList<float>{2, pi2, 0, 100, 1} << QList<QPoint>{{0, 100}};
    }
    void trig_frame() {
        QFETCH(QList<float>, plot);
        QFETCH(QList<QPoint>, curve);
        TrigComponent trig;
        trig.functions = uint(plot[0]);
        trig.rad = plot[1];
        trig.phase = plot[2];
        trig.amp = plot[3];
        const int width = int(plot[4]);
        const QColor ink = trig.functions == TrigComponent::FUNC_TAN ? trig.color_tan : trig.color_sin;
        trig.resize(width, 201);
        const QImage image = trig.grab().toImage();
        for (int x = 0; x < width; ++x) {
            if (!curve.isEmpty() && x != 0 && x != 50 && x != 199) continue;
            for (int y = 0; y < 201; ++y) {
                const bool grid = y == 100 || (x % 100 == 0 && x < width - 1);
                QCOMPARE(image.pixelColor(x, y), curve.contains(QPoint(x, y)) ? ink
                                                 : grid                       ? trig.color_axis
                                                                              : trig.color_background);
            }
        }
    }

    // On a scaled screen every device column of a curve holds ink, as every column does at scale 1: a sine,
    // steep where it crosses the axis, over five turns.
    void trig_scaled_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void trig_scaled() {
        QFETCH(qreal, ratio);
        TrigComponent trig;
        trig.functions = TrigComponent::FUNC_SIN;
        trig.rad = 10 * float(M_PI);
        trig.resize(301, 201);
        QImage image(QSize(301, 201) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        trig.render(&image);
        for (int x = 0; x < image.width(); ++x) {
            int y = 0;
            while (y < image.height() && image.pixelColor(x, y) != trig.color_sin)
                ++y;
            QVERIFY2(y < image.height(), qPrintable(QString("device column %1").arg(x)));
        }
    }

    // The plot's background and the gravity field take the tone of each theme, from the start on: a program
    // started in its stored theme gets no palette change.
    void theme() {
        using namespace gen::qt::theme;
        apply_the_theme(THEME_NORMAL);
        const Started s;
        const TrigComponent* plot = children_of<TrigComponent>(s.window).value(0);
        const PanelGravity* gravity = children_of<PanelGravity>(s.window).value(0);
        const auto tones = [&] {
            return tone(plot->color_background) + "/" + tone(gravity->rect->brush().color());
        };
        QStringList seen{tones()};
        for (const uint theme : {THEME_DARK, THEME_GREEN, THEME_NORMAL}) {
            apply_the_theme(theme);
            QCoreApplication::processEvents(); // widgets hear of the new palette through the event loop
            seen << tones();
        }
        QCOMPARE(seen, (QStringList{"light/light", "dark/dark", "green/green", "light/light"}));
    }

    // Stored: functions, delay, rad, amp, an invalid one not stored. Building the panel writes nothing back,
    // not even a value a slider had to clamp. Then each control must reach what it drives and the store
    // alike; a released RAD slider snaps to 10 pi.
    void panelTrig_data() {
        QTest::addColumn<QVariantList>("stored");
        QTest::addColumn<QVariantList>("shown"); // functions, rad, amp, sin ... cot boxes, Speed, RAD, AMP
        QTest::addColumn<uint>("clicked");       // the functions once csc and sin are clicked
        QTest::newRow("empty store") << QVariantList(4)
                                     << QVariantList{10u,   6.2831855f, 100.0f, true, false, true,
                                                     false, false,      false,  789,  0,     250}
                                     << 12u;
        QTest::newRow("out of range")
            << QVariantList{36u, 4000000000u, -1.0f, -5.0f}
            << QVariantList{36u, -1.0f, -5.0f, false, true, false, false, true, false, 0, 0, 0} << 34u;
    }
    void panelTrig() {
        QFETCH(QVariantList, stored);
        QFETCH(QVariantList, shown);
        QFETCH(uint, clicked);
        const QStringList keys{"app/functions", "app/delay", "app/rad", "app/amp"};
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (stored[i].isValid()) settings.setValue(keys[i], stored[i]);
        const QStringList before = settings.allKeys();
        const PanelTrig panel;
        const TrigComponent* plot = children_of<TrigComponent>(panel).value(0);
        QVariantList state{plot->functions.load(), plot->rad, plot->amp};
        for (const QCheckBox* box : children_of<QCheckBox>(panel))
            state << box->isChecked();
        for (const QSlider* slider : children_of<QSlider>(panel))
            state << slider->sliderPosition();
        QCOMPARE(state, shown);
        QCOMPARE(settings.allKeys(), before);

        children_of<QCheckBox>(panel).value(1)->click();
        children_of<QCheckBox>(panel).value(0)->click();
        const QList<QSlider*> sliders = children_of<QSlider>(panel); // Speed, RAD, AMP
        sliders[0]->setValue(1000);
        sliders[1]->setSliderDown(true);
        sliders[1]->setValue(437);
        sliders[1]->setSliderDown(false);
        sliders[2]->setValue(500);
        const QVariantList moved{clicked, 5u, float(10 * M_PI), 200.0f};
        QCOMPARE((QVariantList{settings.get_functions(), settings.get_delay(), settings.get_rad(),
                               settings.get_amp(), plot->functions.load(), uint(panel.get_timer().interval()),
                               plot->rad, plot->amp}),
                 moved + moved);
    }

    // Hidden at first, as behind another tab, the plot stands still; shown, it runs until the phase passes
    // the x range, then wraps round; switched off, it stands still again.
    void panelTrig_run() {
        PanelTrig panel;
        TrigComponent* plot = children_of<TrigComponent>(panel).value(0);
        QPushButton* run = children_of<QPushButton>(panel).value(0);
        run->click();
        QSignalSpy ticks(&panel.get_timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 2);
        QCOMPARE(plot->phase, 0.0f);
        panel.show();
        QTRY_VERIFY(plot->phase > 0.0f);
        for (int t = 0; t < 200 && plot->phase > 0.0f; ++t)
            plot->animation();
        QCOMPARE(plot->phase, 0.0f);
        run->click();
        plot->animation();
        QVERIFY(plot->phase == 0.0f && !run->isChecked());
    }

    void gravity_bodies_data() {
        QTest::addColumn<QStringList>("chosen"); // the stored body, the body then clicked
        QTest::addColumn<QStringList>("shown");  // checked body, stored body, the labels
        const QString energy = "Energy 010 %";
        QTest::newRow("stored") << QStringList{"Moon", ""}
                                << QStringList{"Moon", "Moon", "Gravity 01.62", energy};
        QTest::newRow("unknown stored")
            << QStringList{"Pluto", ""} << QStringList{"Earth", "Pluto", "Gravity 09.81", energy};
        QTest::newRow("clicked") << QStringList{"", "Jupiter"}
                                 << QStringList{"Jupiter", "Jupiter", "Gravity 23.00", energy};
    }
    void gravity_bodies() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, shown);
        settings.set_planet(chosen[0]);
        PanelGravity p;
        QCoreApplication::processEvents(); // a stored body is selected once the event loop runs
        if (!chosen[1].isEmpty()) p.findChild<QAbstractButton*>(chosen[1])->click();
        p.sliderEnergy->setValue(10);
        QStringList state{p.group->checkedButton()->objectName(), settings.get_planet()};
        for (const QLabel* label : p.findChildren<QLabel*>())
            if (!label->text().isEmpty()) state << label->text();
        QCOMPARE(state, shown);
    }

    void gravity_flight_data() {
        QTest::addColumn<int>("energy");
        QTest::addColumn<int>("bounces"); // before it comes to rest; 0: it never does
        QTest::newRow("speed cut, comes to rest") << 10 << 2;
        QTest::newRow("no loss, bounces on") << 100 << 0;
    }
    void gravity_flight() {
        QFETCH(int, energy);
        QFETCH(int, bounces);
        PanelGravity p;
        p.sliderEnergy->setValue(energy);
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
        p.tick(apex + 10);
        QCOMPARE(float(p.ball->y()), ya + 0.5f * g * 0.01f * 0.01f * k);

        int seen = 1 + int(!p.falling); // the last tick may have bounced already
        for (long long now = apex + 11; now < apex + 20000 && !p.stopped; ++now) {
            const bool wasFalling = p.falling;
            p.tick(now);
            seen += wasFalling && !p.falling;
        }
        QCOMPARE(p.stopped ? seen : 0, bounces);
        QVERIFY(bounces || seen > 20);
        if (p.stopped) QVERIFY(p.ball->y() > p.size.height() - r); // left where it bounced
    }

    // A late tick only skips frames: wherever a delay of 20 ms to 1 s falls, the run ends where it
    // ends with on-time ticks, within two simulated minutes; a clock set back or a suspend pauses it.
    void gravity_lateTicks_data() {
        QTest::addColumn<int>("energy");
        QTest::newRow("10") << 10;
        QTest::newRow("50") << 50;
        QTest::newRow("90") << 90;
    }
    void gravity_lateTicks() {
        QFETCH(int, energy);
        PanelGravity p;
        QResizeEvent event({400, 500}, p.view->viewport()->size());
        QCoreApplication::sendEvent(p.view->viewport(), &event);
        p.sliderEnergy->setValue(energy);
        // Where the ball comes to rest with 1 ms ticks and one tick `late` ms apart at tick `at`, and
        // after how many ticks.
        const auto rest = [&p](int at, long long late) {
            p.start_stop();
            long long now = p.last_tick_ms;
            int i = 0;
            for (; i < 120000 && !p.stopped; ++i)
                p.tick(now += i == at ? late : 1);
            return std::pair(p.stopped ? p.ball->y() : -1.0, i);
        };
        const auto [onTime, ticks] = rest(-1, 1);
        QVERIFY(onTime > 0);
        for (int at = 0; at < ticks; at += ticks / 25)
            QCOMPARE(rest(at, 20 + at * 7 % 981).first, onTime);
        for (const long long pause : {-3600000LL, 3600000LL})
            QCOMPARE(rest(ticks / 2, pause).first, onTime);
    }

    // A run goes on in a resized field; stopping rests the ball on its floor and gives the controls back.
    void gravity_resizeThenStop() {
        PanelGravity p;
        QVERIFY(p.minimumSizeHint().height() < p.size.height()); // the view need not keep its first size
        const auto state = [&] {
            return QVariantList{p.ball->pos(), p.buttonStart->text(), p.sliderEnergy->isEnabled(),
                                p.sliderGravity->isEnabled(), p.group->buttons()[1]->isEnabled()};
        };
        p.start_stop();
        const auto t0 = static_cast<long long>(p.phase_start_ms);
        p.tick(t0 + 100);
        QResizeEvent event({500, 400}, p.view->viewport()->size()); // as a layout resizes it
        QCoreApplication::sendEvent(p.view->viewport(), &event);
        const float r = p.ball->get_radius();
        QCOMPARE(state(), (QVariantList{QPointF(250, r), "Stop", false, false, false}));
        QCOMPARE(p.rect->rect(), QRectF(0, 0, 500, 400));
        p.tick(t0 + 200);
        QCOMPARE(float(p.ball->y()), r + 0.5f * p.gravity * 0.2f * 0.2f * p.pixels_per_meter);
        p.run_start_us += 3600000000ULL; // the clock was set back an hour during the run
        LogLines log;
        p.start_stop();
        const QString zero = QString::fromStdString(gen::time::formatMicrosecond_as_Sec(0));
        QVERIFY(log.only(gen::log::DEBUG, "Simulation stopped after " + zero + " sec"));
        QCOMPARE(state(), (QVariantList{QPointF(250, 400 - r), "Start", true, true, true}));
    }

    // Showing grows a window to its minimum: a stored place must not leave it past the screen's edge.
    void window_offScreenComesBack() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QRect& place : {QRect(area.bottomRight() - QPoint(100, 100), QSize(100, 100)),
                                   area.adjusted(-50, -60, 70, 80)}) {
            Started s;
            s.window.setGeometry(place);
            settings.save_win(&s.window);
            Started again;
            again.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&again.window));
            // The platform may push a window as large as the area in by the frame it adds.
            const QMargins border = again.window.windowHandle()->frameMargins();
            QVERIFY(area.marginsAdded(border).contains(again.window.geometry()));
        }
    }

    // The log switch stored off is switched on, the stored line limit reaches the log panel, icons say to a
    // screen reader what their tool tips show, and a mnemonic reaches its button. Window and splitter
    // across runs: e2e session.
    void window_controls() {
        settings.set_gui_log_enabled(false);
        settings.set_gui_log_max_lines(7);
        Started s;
        QCOMPARE(s.window.get_panel_log()->get_max_lines(), 7);
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QList<gen::qt::GButton*> icons;
        for (auto* b : children_of<gen::qt::GButton>(s.window))
            if (!b->get_icon_res().isEmpty()) icons << b;
        for (const auto* b : icons)
            QVERIFY(!b->toolTip().isEmpty() && b->accessibleName() == b->toolTip());
        auto* box = children_of<gen::qt::GCheckBox>(s.window).last();
        const auto state = [&] {
            return QList<bool>{box->isChecked(), s.window.get_panel_log()->isVisible(), icons[0]->isEnabled(),
                               icons[1]->isEnabled(), settings.is_gui_log_enabled()};
        };
        QCOMPARE(state(), QList<bool>(5, false));
        box->click();
        QCOMPARE(state(), QList<bool>(5, true));
        children_of<gen::qt::GTab>(s.window).value(0)->setCurrentIndex(1);
        LogLines log;
        // Through the platform window, the way a key press arrives, so shortcuts see it.
        QTest::keyClick(s.window.windowHandle(), Qt::Key_S, Qt::AltModifier);
        // A mnemonic clicks the way a mouse would, with the button shown pressed for a moment.
        QTRY_COMPARE(log.count("Simulation started"), 1);
    }
};

APP_TEST_MAIN(TstApp)
#include "tst_app.moc"
