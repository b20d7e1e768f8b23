#include "MySettings.h"
#include "PanelTrig.h"
#include "TrigComponent.h"

#include "gen/qt/GApp.h"

#include "AppTestMain.h"
#include "ChildrenOf.h"
#include "LogLines.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

// The function mask, then what the Speed, RAD and AMP sliders store.
const QStringList kKeys{"app/functions", "app/delay", "app/rad", "app/amp"};

MySettings& settings() {
    return *MySettings::get();
}

} // namespace

class TstPanelTrig : public QObject {
    Q_OBJECT

private slots:
    void init() { settings().clear(); }

    // Stored values in the order of kKeys; an invalid one is not stored. Building the panel writes nothing
    // back, not even a value a slider had to clamp.
    void construction_data() {
        QTest::addColumn<QVariantList>("stored");
        QTest::addColumn<uint>("functions");
        QTest::addColumn<float>("rad");
        QTest::addColumn<float>("amp");
        QTest::addColumn<QList<int>>("positions"); // Speed, RAD, AMP
        QTest::newRow("empty store") << QVariantList(4) << 10u << 6.2831855f << 100.0f
                                     << QList<int>{789, 0, 250};
        QTest::newRow("stored") << QVariantList{36u, 100u, 12.566371f, 200.0f} << 36u << 12.566371f << 200.0f
                                << QList<int>{0, 100, 500};
        QTest::newRow("out of range")
            << QVariantList{0u, 4000000000u, -1.0f, -5.0f} << 0u << -1.0f << -5.0f << QList<int>{0, 0, 0};
    }
    void construction() {
        QFETCH(QVariantList, stored);
        QFETCH(uint, functions);
        QFETCH(float, rad);
        QFETCH(float, amp);
        QFETCH(QList<int>, positions);
        for (qsizetype i = 0; i < kKeys.size(); ++i)
            if (stored[i].isValid()) settings().setValue(kKeys[i], stored[i]);
        const QStringList before = settings().allKeys();
        LogLines log;
        const PanelTrig panel;
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(settings().allKeys(), before);
        const TrigComponent* trig = children_of<TrigComponent>(panel).value(0);
        QCOMPARE(trig->functions.load(), functions);
        QCOMPARE(trig->rad, rad);
        QCOMPARE(trig->amp, amp);
        const QList<QCheckBox*> boxes = children_of<QCheckBox>(panel);
        QCOMPARE(boxes.size(), 6);
        for (qsizetype i = 0; i < boxes.size(); ++i)
            QCOMPARE(boxes[i]->isChecked(), bool(functions & (2u << i)));
        QList<int> at;
        for (const QSlider* slider : children_of<QSlider>(panel))
            at << slider->sliderPosition();
        QCOMPARE(at, positions);
        const QPushButton* run = children_of<QPushButton>(panel).value(0);
        QVERIFY(!trig->is_animate() && run->isCheckable() && !run->isChecked());
        QCOMPARE(panel.get_timer().interval(), 25);
        QVERIFY(panel.get_timer().isActive());
    }

    void functionBoxes() {
        const PanelTrig panel;
        const QList<QCheckBox*> boxes = children_of<QCheckBox>(panel);
        const QList<uint> masks{8, 12, 4, 20, 52, 116};
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            LogLines log;
            boxes[i]->click();
            QVERIFY(
                log.only(gen::log::INFO, boxes[i]->text() + (boxes[i]->isChecked() ? "() :ON" : "() :OFF")));
            QCOMPARE(settings().get_functions(), masks[i]);
            QCOMPARE(children_of<TrigComponent>(panel).value(0)->functions.load(), masks[i]);
        }
    }

    // Each slider's value must reach what it drives and the store alike.
    void sliders_data() {
        QTest::addColumn<int>("slider"); // Speed, RAD, AMP
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("dragged"); // let go afterwards, which snaps
        QTest::addColumn<QString>("message");
        QTest::addColumn<float>("value");
        QTest::newRow("Speed right end") << 0 << 1000 << false << "delay:5" << 5.0f;
        QTest::newRow("RAD") << 1 << 100 << false << "rad:12.566371" << 12.566371f;
        QTest::newRow("RAD released") << 1 << 437 << true << "rad:31.415926" << float(10 * M_PI);
        QTest::newRow("AMP") << 2 << 500 << false << "amp:200.000000" << 200.0f;
    }
    void sliders() {
        QFETCH(int, slider);
        QFETCH(int, position);
        QFETCH(bool, dragged);
        QFETCH(QString, message);
        QFETCH(float, value);
        const PanelTrig panel;
        const TrigComponent* trig = children_of<TrigComponent>(panel).value(0);
        QSlider* s = children_of<QSlider>(panel).value(slider);
        LogLines log;
        s->setSliderDown(dragged);
        s->setValue(position);
        s->setSliderDown(false);
        QCOMPARE(log.lines.size(), 1 + int(dragged));
        QVERIFY(log.lines.last().first == gen::log::DEBUG && log.lines.last().second.endsWith(message));
        QCOMPARE(settings().value(kKeys[slider + 1]).toFloat(), value);
        QCOMPARE((QList<float>{float(panel.get_timer().interval()), trig->rad, trig->amp}).value(slider),
                 value);
    }

    // Hidden at first, as behind another tab: ticks then leave the phase alone.
    void runAndTicks() {
        PanelTrig panel;
        const TrigComponent* trig = children_of<TrigComponent>(panel).value(0);
        QPushButton* run = children_of<QPushButton>(panel).value(0);
        const auto click = [&](bool on) {
            LogLines log;
            run->click();
            return log.only(gen::log::INFO, on ? "animation ON" : "animation OFF") &&
                   trig->is_animate() == on && run->isChecked() == on;
        };
        QVERIFY(click(true));
        QSignalSpy ticks(&panel.get_timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 2);
        QCOMPARE(trig->phase, 0.0f);
        panel.show();
        QTRY_VERIFY(trig->phase > 0.0f);
        QVERIFY(click(false));
    }
};

APP_TEST_MAIN(TstPanelTrig)
#include "tst_PanelTrig.moc"
