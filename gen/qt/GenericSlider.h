#pragma once

#include "gen/Listener.h"

#include <QSlider>

class QWidget;

namespace gen::qt {

// A slider whose positions 0..1000 stand for a range of T, which may run
// backwards; optionally snaps to a percentage grid when the user lets go.
// Instantiated for unsigned int and float.
template <typename T>
class GenericSlider : public QSlider {
public:
    explicit GenericSlider(QWidget* parent = nullptr);
    ~GenericSlider() override;

    // `min` may be larger than `max`; the handle then runs from `min` at the
    // start to `max` at the end. `val` is clamped into the range.
    void set_args(Qt::Orientation o, T min, T max, T val);

    T minVal = 0;
    T maxVal = 100;
    T value = 0;
    T lo = 0;
    T hi = 100;
    int posMin = 0;
    int posMax = 1000;
    bool reversed = false;
    // Grid step in percent of the position range, applied on release; 0 is off.
    unsigned int snapPercent = 0;
    Listener<T> listenerValueChanged;

private:
    void setup_event();
    void on_value_changed(int pos);
    void on_released();
};

extern template class GenericSlider<unsigned int>;
extern template class GenericSlider<float>;

} // namespace gen::qt
