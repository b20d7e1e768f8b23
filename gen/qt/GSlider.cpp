#include "gen/qt/GSlider.h"

#include "gen/GLog.h"
#include "gen/qt/GStyles.h"

namespace gen::qt {

GSlider::GSlider() : QSlider(nullptr), SliderEvents(this) {
    styles::set_slider_handle(this);
}

// Watches itself like GSlider() does; otherwise its listeners would never fire.
GSlider::GSlider(Qt::Orientation o) : QSlider(o, nullptr), SliderEvents(this) {
    styles::set_slider_handle(this);
}

GSlider::~GSlider() = default;

void GSlider::setValue(int val, bool /*flag*/) {
    if (val < minimum() || val > maximum()) {
        pp("GSlider::setValue, val:$ out of bounds $....$", val, minimum(), maximum());
        return;
    }
    QAbstractSlider::setValue(val);
}

void GSlider::set_value_revers(int val, bool /*flag*/) {
    if (val < minimum() || val > maximum()) {
        pp("GSlider::set_value_revers, val:$ out of bounds $....$", val, minimum(), maximum());
        return;
    }
    // Mirrored at the maximum alone: with a minimum above 0 the result may be
    // out of bounds, and setValue() then says so.
    setValue(maximum() - val, false);
}

GSlider* GSlider::set_args(Qt::Orientation o, int min, int max, int val) {
    setOrientation(o);
    setMinimum(min);
    setMaximum(max);
    setValue(val, false);
    return this;
}

} // namespace gen::qt
