#pragma once

#include "gen/qt/GWidget.h"

#include <QColor>
#include <QPointF>

#include <atomic>
#include <cstdint>
#include <vector>

class QPaintEvent;

// The trigonometry panel's plot: up to six functions sampled once per device
// pixel column over a window `rad` radians wide, scrolled by animation ticks.
// GUI thread only.
class TrigComponent : public gen::qt::GWidget {
public:
    static constexpr std::uint32_t FUNC_SIN = 2;
    static constexpr std::uint32_t FUNC_CSC = 4;
    static constexpr std::uint32_t FUNC_COS = 8;
    static constexpr std::uint32_t FUNC_SEC = 16;
    static constexpr std::uint32_t FUNC_TAN = 32;
    static constexpr std::uint32_t FUNC_COT = 64;

    TrigComponent();
    ~TrigComponent() override;

    void set_animate(bool on) { animate = on; }
    bool is_animate() const { return animate; }
    // One tick: advances `phase`, or wraps it once it has reached `rad`.
    void animation();
    void on_change_theme() override;

    float rad = 6.2831855f; // 2 pi as a float
    float amp = 100.0f;
    std::atomic<std::uint32_t> functions{FUNC_SIN};
    QColor color_background{Qt::lightGray};
    QColor color_sin{Qt::black};
    QColor color_cos{Qt::blue};
    QColor color_tan{Qt::red};
    QColor color_axis{180, 180, 180};
    int grid_step = 100;
    float phase = 0.0f;
    bool animate = false;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Reused between frames, so painting a frame allocates nothing.
    std::vector<float> bases;
    std::vector<QPointF> points;
};
