#pragma once

#include "gen/qt/components/SliderEvents.h"

#include <QSlider>

namespace gen::qt {

// An integer slider whose setters refuse values outside its range and whose events reach listeners.
class GSlider : public QSlider, public SliderEvents {
public:
    GSlider();
    explicit GSlider(Qt::Orientation o);
    ~GSlider() override;

    // A value outside minimum()..maximum() is logged and ignored. `flag` is
    // accepted for callers that pass one and changes nothing.
    void setValue(int val, bool flag = false);
    // Sets maximum() - val, so the handle runs the other way.
    void set_value_revers(int val, bool flag = false);
    GSlider* set_args(Qt::Orientation o, int min, int max, int val);
};

} // namespace gen::qt
