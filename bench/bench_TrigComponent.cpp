// One frame of the trigonometric plot, 1920 x 400 with all six functions,
// rendered into an image through the widget's paint event, against the same
// frame painted the plain way with one drawPoint per sample. Before timing,
// both are rendered for a few parameter sets and must give identical pixels;
// the program fails otherwise.

#include "TrigComponent.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr QSize kFrame(1920, 400);
constexpr std::uint32_t kAllFunctions = 126;

// The straightforward painting: every sample is its own drawPoint call.
class PointByPoint : public QWidget {
public:
    explicit PointByPoint(const TrigComponent& plot) : plot(plot) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override {
        const int w = width();
        const int h = height();
        QPainter p(this);
        p.fillRect(rect(), plot.color_background);
        p.setPen(plot.color_axis);
        p.drawLine(0, (h - 1) / 2, w - 1, (h - 1) / 2);
        if (w - 1 != 0)
            for (int x = 0; x < w - 1; x += plot.grid_step)
                p.drawLine(x, 0, x, h);
        const float step = plot.rad / static_cast<float>(w);
        const float centre = static_cast<float>(h / 2);
        const float end = plot.rad + plot.phase;
        const auto draw = [&](std::uint32_t bit, const QColor& pen, float (*f)(float), bool reciprocal) {
            if ((plot.functions.load() & bit) == 0) return;
            p.setPen(pen);
            float x = plot.phase;
            for (float i = 0.0f; end > x; i += 1.0f, x += step) {
                const float y = reciprocal ? static_cast<float>(plot.amp * (1.0 / f(x)) + centre)
                                           : f(x) * plot.amp + centre;
                if (std::isfinite(y) && std::fabs(y) < static_cast<float>(std::numeric_limits<int>::max()))
                    p.drawPoint(static_cast<int>(i), static_cast<int>(y));
            }
        };
        const auto sin = [](float x) { return std::sin(x); };
        const auto cos = [](float x) { return std::cos(x); };
        const auto tan = [](float x) { return std::tan(x); };
        draw(TrigComponent::FUNC_SIN, plot.color_sin, sin, false);
        draw(TrigComponent::FUNC_CSC, plot.color_sin, sin, true);
        draw(TrigComponent::FUNC_COS, plot.color_cos, cos, false);
        draw(TrigComponent::FUNC_SEC, plot.color_cos, cos, true);
        draw(TrigComponent::FUNC_TAN, plot.color_tan, tan, false);
        draw(TrigComponent::FUNC_COT, plot.color_tan, tan, true);
    }

private:
    const TrigComponent& plot;
};

QImage frame_image() {
    QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void setup(TrigComponent& plot, float phase, float amp) {
    plot.resize(kFrame);
    plot.functions = kAllFunctions;
    plot.phase = phase;
    plot.amp = amp;
}

bool same_pixels() {
    TrigComponent plot;
    PointByPoint plain(plot);
    plain.resize(kFrame);
    for (const float phase : {0.0f, 1.3f, 5.9f})
        for (const float amp : {100.0f, 37.5f}) {
            setup(plot, phase, amp);
            QImage batched = frame_image();
            QImage single = frame_image();
            plot.render(&batched);
            plain.render(&single);
            if (batched != single) {
                std::fprintf(stderr, "pixels differ at phase %g, amp %g\n", phase, amp);
                return false;
            }
        }
    return true;
}

void BM_TrigComponent_render(benchmark::State& state) {
    TrigComponent plot;
    setup(plot, 0.0f, 100.0f);
    QImage image = frame_image();
    for (auto _ : state) {
        plot.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_PointByPoint_render(benchmark::State& state) {
    TrigComponent plot;
    setup(plot, 0.0f, 100.0f);
    PointByPoint plain(plot);
    plain.resize(kFrame);
    QImage image = frame_image();
    for (auto _ : state) {
        plain.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_TrigComponent_render)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PointByPoint_render)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Headless machines have no display to open a window on; rendering into images needs none.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!same_pixels()) return EXIT_FAILURE;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
