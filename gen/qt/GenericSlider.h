#pragma once

#include "gen/Listener.h"

#include <QSlider>

class QWidget;

namespace gen::qt {

/// A slider whose positions 0..1000 stand for a range of T, which may run
/// backwards; optionally snaps to a percentage grid when the user lets go.
/// Instantiated for unsigned int and float. GUI thread only.
///
/// The public fields are the state set_args() computes; read them, but change
/// them only through set_args().
template <typename T>
class GenericSlider : public QSlider {
public:
    /// A vertical slider with a handle large enough for a finger; call set_args() before use.
    explicit GenericSlider(QWidget* parent = nullptr);
    ~GenericSlider() override;

    /// `min` may be larger than `max`; the handle then runs from `min` at the
    /// start to `max` at the end. `val` is clamped into the range. When the
    /// handle moves, listenerValueChanged fires and `value` becomes the value
    /// of the new position, which may differ slightly from `val`. With `min`
    /// equal to `max` the slider has the single position 0.
    void set_args(Qt::Orientation o, T min, T max, T val);

    T minVal = 0;          ///< the `min` given to set_args()
    T maxVal = 100;        ///< the `max` given to set_args()
    T value = 0;           ///< the value of the current position
    T lo = 0;              ///< the smaller end of the range
    T hi = 100;            ///< the larger end of the range
    int posMin = 0;        ///< the first position
    int posMax = 1000;     ///< the last position; 0 for an empty range
    bool reversed = false; ///< whether `min` was larger than `max`
    /// Grid step in percent of the position range, applied on release; 0 is off.
    unsigned int snapPercent = 0;
    /// Fired with `value` whenever the position changes, by the user or by code.
    Listener<T> listenerValueChanged;

private:
    void setup_event();
    void on_value_changed(int pos);
    void on_released();
};

/// Compiled once in the library.
extern template class GenericSlider<unsigned int>;
/// Compiled once in the library.
extern template class GenericSlider<float>;

} // namespace gen::qt
