#include "TrigComponent.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/qt/Theme.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPen>

#include <array>
#include <cmath>

namespace {

// Radians added to the phase per animation tick.
constexpr double kPhaseStep = 0.05;

enum class Base { Sin, Cos, Tan };

// One plotted function: a reciprocal one draws 1 / base(x).
struct Curve {
    std::uint32_t bit;
    Base base;
    bool reciprocal;
    QColor TrigComponent::*color;
};

// In drawing order; each reciprocal follows the function it inverts.
constexpr std::array<Curve, 6> kCurves{{
    {TrigComponent::FUNC_SIN, Base::Sin, false, &TrigComponent::color_sin},
    {TrigComponent::FUNC_CSC, Base::Sin, true, &TrigComponent::color_sin},
    {TrigComponent::FUNC_COS, Base::Cos, false, &TrigComponent::color_cos},
    {TrigComponent::FUNC_SEC, Base::Cos, true, &TrigComponent::color_cos},
    {TrigComponent::FUNC_TAN, Base::Tan, false, &TrigComponent::color_tan},
    {TrigComponent::FUNC_COT, Base::Tan, true, &TrigComponent::color_tan},
}};

struct ThemeColours {
    QColor background, sin, cos, axis;
};

// Indexed by theme number; the tangent keeps its red in every theme.
const std::array<ThemeColours, 3> kThemeColours{{
    {Qt::lightGray, Qt::black, Qt::blue, QColor(180, 180, 180)},
    {Qt::black, Qt::white, Qt::yellow, QColor(40, 40, 40)},
    {QColor(30, 50, 30), Qt::white, Qt::yellow, QColor(35, 58, 35)},
}};

// What one frame samples, fixed before the first function is drawn. Columns and
// rows are device pixels, `ratio` of them to a logical pixel, so a curve stays
// solid on a scaled screen; width and height are logical.
struct Frame {
    float phase, end, step, amp, centre, width, height, ratio, columns;
};

QPen plain_pen(const QColor& color) {
    QPen pen(color);
    pen.setCosmetic(true);
    return pen;
}

float evaluate(Base base, float x) {
    switch (base) {
    case Base::Sin:
        return std::sin(x);
    case Base::Cos:
        return std::cos(x);
    case Base::Tan:
        break;
    }
    return std::tan(x);
}

// The base function at x of each device pixel column. The column bound also ends the
// walk when x + step no longer moves x (a tiny rad beside a large phase) or the
// step is not finite (a widget zero pixels wide).
void sample(std::vector<float>& out, Base base, const Frame& f) {
    out.clear();
    float x = f.phase;
    for (float i = 0.0f; f.end > x && i < f.columns; i += 1.0f, x += f.step)
        out.push_back(evaluate(base, x));
}

// A point this far into a device pixel fills that pixel whether the painter
// rounds or truncates its coordinates; on a pixel's edge it might fill the next.
constexpr float kIntoPixel = 0.25f;

// One point per device column, on a device row, as far as it lands inside the
// widget: points outside would not show anyway, and a y that is infinite, not a
// number or beyond int must never be converted.
void collect(std::vector<QPointF>& out, const std::vector<float>& bases, bool reciprocal, const Frame& f) {
    out.clear();
    for (std::size_t column = 0; column < bases.size(); ++column) {
        const float base = bases[column];
        const float y =
            reciprocal ? static_cast<float>(f.amp * (1.0 / base) + f.centre) : base * f.amp + f.centre;
        if (y > -1.0f && y < f.height)
            out.emplace_back((static_cast<float>(column) + kIntoPixel) / f.ratio,
                             (static_cast<float>(static_cast<int>(y * f.ratio)) + kIntoPixel) / f.ratio);
    }
}

} // namespace

TrigComponent::TrigComponent() {
    // Every frame covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TrigComponent::~TrigComponent() = default;

void TrigComponent::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(rect(), color_background);
    painter.setPen(plain_pen(color_axis));
    const int axis = (h - 1) / 2;
    painter.drawLine(0, axis, w - 1, axis);
    if (w - 1 != 0) {
        // A step that is not positive would never get past the first line.
        const qint64 step = grid_step > 0 ? grid_step : w;
        for (qint64 x = 0; x < w - 1; x += step)
            painter.drawLine(static_cast<int>(x), 0, static_cast<int>(x), h);
    }
    Frame frame{};
    frame.phase = phase;
    frame.end = rad + phase;
    frame.width = static_cast<float>(w);
    // The device's, not the widget's: a grab or a print may have another ratio than the screen.
    frame.ratio = static_cast<float>(painter.paintEngine()->paintDevice()->devicePixelRatioF());
    frame.columns = std::round(frame.width * frame.ratio);
    frame.step = rad / frame.columns;
    frame.amp = amp;
    frame.centre = static_cast<float>(h / 2);
    frame.height = static_cast<float>(h);
    // A reciprocal reuses the values of the function before it when that one was drawn too.
    const Curve* sampled = nullptr;
    for (const Curve& curve : kCurves) {
        if ((functions.load() & curve.bit) == 0) continue;
        if (!sampled || sampled->base != curve.base) sample(bases, curve.base, frame);
        sampled = &curve;
        collect(points, bases, curve.reciprocal, frame);
        painter.setPen(plain_pen(this->*curve.color));
        if (!points.empty()) painter.drawPoints(points.data(), static_cast<int>(points.size()));
    }
}

void TrigComponent::animation() {
    if (!animate) return;
    if (rad > phase) {
        phase = static_cast<float>(static_cast<double>(phase) + kPhaseStep);
    } else {
        gen::pp_info(gen::str::xprintF(0, "$ RAD DONE", rad));
        phase = 0.0f;
    }
    update();
}

void TrigComponent::on_change_theme() {
    gen::pp("TrigComponent::on_change_theme");
    const unsigned theme = gen::qt::theme::get();
    if (theme >= kThemeColours.size()) return;
    const ThemeColours& c = kThemeColours[theme];
    color_background = c.background;
    color_sin = c.sin;
    color_cos = c.cos;
    color_axis = c.axis;
}
