#pragma once

#include "gen/qt/components/SliderEvents.h"

#include <QSlider>

namespace gen::qt {

/// An integer slider whose setters refuse values outside its range and whose events reach listeners.
///
/// It watches itself through SliderEvents and gets a handle large enough for
/// a finger. GUI thread only.
class GSlider : public QSlider, public SliderEvents {
public:
    /// A vertical slider, QSlider's default, without a parent.
    GSlider();
    /// A slider of orientation `o`, without a parent.
    explicit GSlider(Qt::Orientation o);
    ~GSlider() override;

    /// A value outside minimum()..maximum() is logged at DEBUG and ignored. `flag` is
    /// accepted for callers that pass one and changes nothing. It hides, not
    /// overrides, QAbstractSlider::setValue(): called through a base pointer
    /// nothing is refused.
    void setValue(int val, bool flag = false);
    /// Sets maximum() - val, so the handle runs the other way. `val` outside
    /// the range is logged and ignored, and so is a result below minimum().
    void set_value_revers(int val, bool flag = false);
    /// Sets orientation, range and value at once and returns the slider; a
    /// value outside the range is refused as by setValue().
    GSlider* set_args(Qt::Orientation o, int min, int max, int val);
};

} // namespace gen::qt
