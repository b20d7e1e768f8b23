#include "gen/qt/GenericSlider.h"

#include "gen/qt/GStyles.h"

#include <QObject>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace gen::qt {

namespace {

constexpr int positions = 1000;

template <typename T>
T from_double(double v) {
    if constexpr (std::is_integral_v<T>)
        return static_cast<T>(std::round(v));
    else
        return static_cast<T>(v);
}

} // namespace

template <typename T>
GenericSlider<T>::GenericSlider(QWidget* parent) : QSlider(parent) {
    setup_event();
    styles::set_slider_handle(this);
}

template <typename T>
GenericSlider<T>::~GenericSlider() = default;

template <typename T>
void GenericSlider<T>::set_args(Qt::Orientation o, T min, T max, T val) {
    minVal = min;
    maxVal = max;
    value = val;
    reversed = min > max;
    lo = std::min(min, max);
    hi = std::max(min, max);
    setOrientation(o);
    posMin = 0;
    if (lo == hi) {
        posMax = 0;
        setMinimum(0);
        setMaximum(0);
        QAbstractSlider::setValue(0);
        return;
    }
    posMax = positions;
    setMinimum(0);
    setMaximum(positions);
    value = std::clamp(val, lo, hi);
    const double f = std::clamp((static_cast<double>(value) - lo) / (static_cast<double>(hi) - lo), 0.0, 1.0);
    const double span = posMax - posMin;
    const double pos = reversed ? posMax - f * span : f * span + posMin;
    QAbstractSlider::setValue(static_cast<int>(std::lround(pos)));
}

template <typename T>
void GenericSlider<T>::setup_event() {
    connect(
        this, &QAbstractSlider::valueChanged, this, [this](int pos) { on_value_changed(pos); },
        Qt::DirectConnection);
    connect(
        this, &QAbstractSlider::sliderReleased, this, [this] { on_released(); }, Qt::DirectConnection);
}

template <typename T>
void GenericSlider<T>::on_value_changed(int pos) {
    if (lo == hi || posMax == posMin) {
        value = lo;
    } else {
        const int p = std::clamp(pos, posMin, posMax);
        const int n = reversed ? posMax - p : p - posMin;
        const double span = posMax - posMin;
        value = from_double<T>((static_cast<double>(hi) - static_cast<double>(lo)) * (n / span) +
                               static_cast<double>(lo));
    }
    if (!listenerValueChanged.is_empty()) listenerValueChanged.fire_event(value, FIRE_EVENT::DIRECT);
}

template <typename T>
void GenericSlider<T>::on_released() {
    if (snapPercent == 0) return;
    const double step = snapPercent / 100.0;
    const double range = posMax - posMin;
    if (range == 0) return; // nothing to snap to, and the quotient below would not be a number
    // The handle's position, not value(): without tracking the value catches up only after release.
    const double rel = (sliderPosition() - posMin) / range;
    // Evaluated in this order on purpose: a release at 950 of 0..1000 gives 9.4999... and lands on 900.
    const int snapped = static_cast<int>(std::round(rel / step) * step * range) + posMin;
    QAbstractSlider::setValue(snapped);
}

template class GenericSlider<unsigned int>;
template class GenericSlider<float>;

} // namespace gen::qt
