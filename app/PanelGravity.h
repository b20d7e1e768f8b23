#pragma once

#include "gen/qt/GPanel.h"
#include "gen/qt/GTimer.h"

#include <QSize>

#include <cstdint>

class Ball;
class BallView;
class MyScene;
class QAbstractButton;
class QGraphicsRectItem;

namespace gen::qt {
class GButton;
class GButtonGroup;
class GRadioButton;
class GSlider;
} // namespace gen::qt

// The "Gravity" tab: a ball dropped under the gravity of a chosen body, bouncing
// with a chosen share of its speed kept until it comes to rest. Positions come in
// closed form from the time since the current fall or rise began.
class PanelGravity : public gen::qt::GPanel {
public:
    PanelGravity();
    ~PanelGravity() override;

    // Starts a run when stopped, otherwise stops it with the ball resting on the floor.
    void start_stop();
    // One step of a run at the clock reading `nowMs`; the timer passes the system clock.
    void tick(long long nowMs);

    // Public, so the state of a run can be looked at from outside. `size` and `rect`
    // hide QWidget::size() and QWidget::rect(); reach those through a QWidget*.
    BallView* view = nullptr;
    QSize size{300, 300}; // of the view, as last reported
    int border = 0;
    float ball_top_y;
    MyScene* scene = nullptr;
    QGraphicsRectItem* rect = nullptr;         // leaving it is a bounce
    gen::qt::GSlider* sliderGravity = nullptr; // hundredths of m/s²
    gen::qt::GSlider* sliderEnergy = nullptr;  // percent of speed kept per bounce
    Ball* ball = nullptr;
    std::uint64_t phase_start_ms = 0; // start of the current fall or rise
    std::uint64_t run_start_us = 0;
    long long last_tick_ms = 0; // clock reading of the last tick of the run
    gen::qt::GTimer timer;
    gen::qt::GButton* buttonStart = nullptr;
    float pixels_per_meter = 1000.0f;
    float gravity = 9.81f;
    bool falling = true;
    float launch_y;      // centre at the start of the current rise
    float speed = 1.0f;  // upward, m/s, at the start of the current rise
    bool inside = false; // seen inside `rect` since the last bounce
    int energy = 90;
    float apex_offset = 0.0f; // apex of the current fall below ball_top_y
    bool stopped = true;
    gen::qt::GButtonGroup* group = nullptr;
    gen::qt::GRadioButton* radioPhoebe = nullptr;
    gen::qt::GRadioButton* radioMoon = nullptr;
    gen::qt::GRadioButton* radioMars = nullptr;
    gen::qt::GRadioButton* radioEarth = nullptr;
    gen::qt::GRadioButton* radioJupiter = nullptr;

private:
    // One millisecond of a run: the height at `nowMs`, and a bounce or the apex when one happens.
    float step(long long nowMs);
    void select_body(QAbstractButton* button);
    void set_controls_enabled(bool enabled);
};
