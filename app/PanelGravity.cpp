#include "PanelGravity.h"

#include "Ball.h"
#include "BallView.h"
#include "MyScene.h"
#include "MySettings.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GTime.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GRadioButton.h"
#include "gen/qt/GSlider.h"
#include "gen/qt/Theme.h"

#include <QBrush>
#include <QColor>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QMetaObject>
#include <QPen>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

using namespace gen::qt;

namespace {

// Slider values (hundredths of m/s²) of Phoebe, Moon, Mars, Earth and Jupiter, in button order.
constexpr std::array<int, 5> kBodyGravity{5, 162, 369, 981, 2300};
constexpr int kEnergyMin = 10;
constexpr int kEnergyMax = 100;
constexpr float kPercent = 100.0f;
constexpr float kMsPerSecond = 1000.0f;
// A floor rebound slower than g / 50 m/s counts as the ball coming to rest.
constexpr float kRestSpeedDivisor = 50.0f;
const QColor kFieldGreen(QStringLiteral("#172417"));
constexpr QSize kViewMinimum(100, 100);
// The longest stall whose skipped milliseconds are replayed; longer ones pause the run.
constexpr long long kMaxReplayMs = 5 * 60 * 1000;

QString gravity_text(float g) {
    // Two integer places, so the label does not jump between 9.81 and 23.00.
    QString s = QString::fromStdString(gen::str::sprintF("%.2f", static_cast<double>(g)));
    if (s.size() == 4) s.prepend(QLatin1Char('0'));
    return QString::fromStdString(gen::str::xprintF(0, "Gravity $", s));
}

// The duration text of the log lines that end a run; a clock set back during the run gives 0.
std::string seconds_since(std::uint64_t startUs) {
    const long long elapsed = gen::time::get_micro_seconds() - static_cast<long long>(startUs);
    return gen::time::formatMicrosecond_as_Sec(static_cast<std::uint64_t>(std::max(elapsed, 0LL)));
}

} // namespace

PanelGravity::PanelGravity()
    : GPanel(VERT), ball_top_y(static_cast<float>(border) + Ball::DEFAULT_RADIUS),
      launch_y(static_cast<float>(size.height() - border)) {
    MySettings* settings = MySettings::get();
    if (!settings)
        gen::nullPointerHandling("app/PanelGravity", __LINE__, QStringLiteral("MySettings::get() == NULL"));
    set_margins(0);

    view = new BallView;
    add_widget(view);
    view->setSizePolicy(size_policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding, 1, 1));
    // The scene follows the view's size and the view's size hint follows the scene,
    // which would make every size the window grows to its new minimum.
    view->setMinimumSize(kViewMinimum);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    scene = new MyScene(0, 0, size.width(), size.height(), view);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setScene(scene);
    view->setBackgroundBrush(QBrush(Qt::lightGray));

    rect = scene->addRect(QRectF(border, border, size.width() - 2 * border, size.height() - 2 * border),
                          QPen(), QBrush());
    const auto paint_field = [this](unsigned int number) {
        switch (number) {
        case theme::THEME_NORMAL:
            rect->setBrush(QBrush(Qt::lightGray));
            break;
        case theme::THEME_DARK:
            rect->setBrush(QBrush(Qt::black));
            break;
        case theme::THEME_GREEN:
            rect->setBrush(QBrush(kFieldGreen));
            break;
        default:
            break;
        }
    };
    // Started in its stored theme, the program gets no palette change: begin in the theme in force.
    paint_field(theme::get());
    listenerThemeChanged += paint_field;
    rect->setPen(QPen(QBrush(Qt::transparent), 0, Qt::SolidLine));

    // A run in progress goes on: the next tick puts the ball back on its computed height.
    view->listenerResize = [this](const QSize& s) {
        scene->setSceneRect(0, 0, s.width(), s.height());
        size = s;
        ball_top_y = static_cast<float>(border) + ball->get_radius();
        ball->setPos(s.width() / 2, ball_top_y);
        rect->setRect(border, border, s.width() - 2 * border, s.height() - 2 * border);
    };

    ball = new Ball(Ball::DEFAULT_RADIUS);
    ball_top_y = static_cast<float>(border) + ball->get_radius();
    ball->setPos(size.width() / 2, ball_top_y);
    scene->addItem(ball);
    ball->setFlag(QGraphicsItem::ItemIsFocusable);

    phase_start_ms = static_cast<std::uint64_t>(gen::time::get_milli_seconds());
    timer.setInterval(1);

    GPanel* gravityRow = create_pan_horz();
    GPanel* energyRow = create_pan_horz();
    GPanel* buttonRow = create_pan_flow();

    QLabel* gravityLabel = gravityRow->create<QLabel>(QString::fromStdString(
        gen::str::xprintF(0, "Gravity $", gen::str::sprintF("0%.2f", static_cast<double>(gravity)))));
    sliderGravity = gravityRow->create<GSlider>();
    sliderGravity->set_args(Qt::Horizontal, kBodyGravity.front(), kBodyGravity.back(),
                            static_cast<int>(gravity * kPercent));

    QLabel* energyLabel =
        energyRow->create<QLabel>(QString::fromStdString(gen::str::xprintF(0, "Energy 0$ %", energy)));
    sliderEnergy = energyRow->create<GSlider>();
    sliderEnergy->set_args(Qt::Horizontal, kEnergyMin, kEnergyMax, energy);

    buttonStart = buttonRow->create<GButton>("&Start");
    radioPhoebe = buttonRow->create<GRadioButton>("Phoebe");
    radioMoon = buttonRow->create<GRadioButton>("Moon");
    radioMars = buttonRow->create<GRadioButton>("Mars");
    radioEarth = buttonRow->create<GRadioButton>("Earth");
    radioJupiter = buttonRow->create<GRadioButton>("Jupiter");
    radioEarth->setChecked(true);

    group = new GButtonGroup(buttonRow, {radioPhoebe, radioMoon, radioMars, radioEarth, radioJupiter});
    group->listenerToggled = [this, settings](const ButtonToggled& toggled) {
        settings->set_planet(toggled.button->objectName());
        select_body(toggled.button);
    };

    const QString planet = settings->get_planet();
    if (!planet.isEmpty()) {
        group->set_checked(planet);
        // The slider's callbacks are attached below; the selection runs once the event loop does.
        if (QAbstractButton* stored = group->button_by_name(planet))
            QMetaObject::invokeMethod(
                this, [this, stored] { select_body(stored); }, Qt::QueuedConnection);
    }
    buttonRow->create_spacer_horz();

    // While stopped a tick must not even read the clock: it runs every millisecond.
    timer.listenerTimeout += [this] {
        if (!stopped) tick(gen::time::get_milli_seconds());
    };
    timer.start();

    sliderGravity->listenerValueChanged += [this, gravityLabel](int value) {
        gravity = static_cast<float>(value) / kPercent;
        gen::pp("sliderGravity->listenerValueChanged, g:$", gravity);
        gravityLabel->setText(gravity_text(gravity));
    };
    sliderEnergy->listenerValueChanged += [this, energyLabel](int value) {
        energy = value;
        energyLabel->setText(QString::fromStdString(gen::str::sprintF("Energy %03d %%", value)));
    };
    buttonStart->listenerClicked += [this] { start_stop(); };
}

PanelGravity::~PanelGravity() = default;

void PanelGravity::start_stop() {
    if (stopped) {
        gen::pp_info("Simulation started");
        buttonStart->setText(QStringLiteral("Stop"));
        ball->setPos(size.width() / 2, ball_top_y);
        phase_start_ms = static_cast<std::uint64_t>(gen::time::get_milli_seconds());
        last_tick_ms = static_cast<long long>(phase_start_ms);
        run_start_us = static_cast<std::uint64_t>(gen::time::get_micro_seconds());
        inside = false;
        falling = true;
        apex_offset = 0.0f;
        set_controls_enabled(false);
        stopped = false;
        return;
    }
    gen::pp("Simulation stopped after $ sec", seconds_since(run_start_us));
    buttonStart->setText(QStringLiteral("Start"));
    launch_y = static_cast<float>(size.height() - border) - ball->get_radius();
    ball->setPos(size.width() / 2, launch_y);
    inside = false;
    falling = true;
    apex_offset = 0.0f;
    set_controls_enabled(true);
    stopped = true;
}

void PanelGravity::tick(long long nowMs) {
    if (stopped) return;
    const long long gap = nowMs - last_tick_ms;
    // A clock set back, or a stall of minutes (a suspend), pauses the run where it was instead
    // of replaying up to hours of bounces on the GUI thread.
    if (gap < 0 || gap > kMaxReplayMs) {
        phase_start_ms = static_cast<std::uint64_t>(static_cast<long long>(phase_start_ms) + gap);
        last_tick_ms = nowMs;
    }
    // The milliseconds a late tick skipped are replayed without drawing, so a bounce or the
    // apex is taken at the moment it happened, not where the late tick finds the ball: the
    // run takes the same course as with on-time ticks, only frames are skipped.
    float y = static_cast<float>(ball->y());
    for (long long ms = last_tick_ms + 1; ms < nowMs && !stopped; ++ms)
        y = step(ms);
    if (!stopped) y = step(nowMs);
    last_tick_ms = nowMs;
    ball->setY(y);
}

float PanelGravity::step(long long nowMs) {
    const float g = gravity;
    const float k = pixels_per_meter;
    const float r = ball->get_radius();
    const float t = static_cast<float>(nowMs - static_cast<long long>(phase_start_ms)) / kMsPerSecond;

    float y;
    if (falling) {
        y = ball_top_y + apex_offset + 0.5f * g * t * t * k;
    } else {
        y = launch_y - (speed * t - 0.5f * g * t * t) * k;
        if (speed - g * t <= 0.0f) {
            apex_offset = y - ball_top_y;
            falling = true;
            phase_start_ms = static_cast<std::uint64_t>(nowMs);
            return y;
        }
    }

    const QRectF field = rect->rect();
    QPointF probe(ball->x(), y);
    if (!inside) {
        // A bounce counts only once the ball has been back inside the field.
        if (field.contains(probe)) inside = true;
        return y;
    }
    if (falling) probe.ry() += r;
    if (field.contains(probe)) return y;

    inside = false;
    launch_y = y;
    speed = g * t;
    if (energy < kEnergyMax) speed = speed * static_cast<float>(energy) / kPercent;
    falling = !falling;
    phase_start_ms = static_cast<std::uint64_t>(nowMs);

    const bool atFloor = y > static_cast<float>(size.height() - border) - r;
    if (!atFloor || speed >= g / kRestSpeedDivisor) return y;
    stopped = true;
    buttonStart->setText(QStringLiteral("Start"));
    set_controls_enabled(true);
    gen::pp_info(gen::str::xprintF(0, "Simulation finished after $ sec", seconds_since(run_start_us)));
    return y;
}

void PanelGravity::select_body(QAbstractButton* button) {
    gen::pp("Selected Planet $", button->text());
    const std::array<QAbstractButton*, kBodyGravity.size()> bodies{radioPhoebe, radioMoon, radioMars,
                                                                   radioEarth, radioJupiter};
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        if (bodies[i] != button) continue;
        // The slider's callback then takes over gravity and its label.
        sliderGravity->setValue(kBodyGravity[i], true);
        return;
    }
    gen::pp_error("slider, bt map problem");
}

void PanelGravity::set_controls_enabled(bool enabled) {
    sliderEnergy->setEnabled(enabled);
    sliderGravity->setEnabled(enabled);
    group->set_enabled(enabled);
}
