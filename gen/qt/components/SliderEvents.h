#pragma once

#include "gen/Listener.h"

#include <QMetaObject>

#include <array>

class QAbstractSlider;

namespace gen::qt {

// Hands the value, press and release signals of a slider on to listeners.
class SliderEvents {
public:
    // A null slider leaves the listeners unconnected until setupListener().
    explicit SliderEvents(QAbstractSlider* sl);
    ~SliderEvents();
    SliderEvents(const SliderEvents&) = delete;
    SliderEvents& operator=(const SliderEvents&) = delete;

    // Watches `sl` from now on; a slider watched before is let go.
    void setupListener(QAbstractSlider* sl);
    QAbstractSlider* getSlider() const { return slider; }

    Listener<int> listenerValueChanged;   // the new position
    Listener<int> listenerSliderPressed;  // always 0
    Listener<int> listenerSliderReleased; // always 0

private:
    void disconnect_all();

    QAbstractSlider* slider = nullptr;
    std::array<QMetaObject::Connection, 3> connections;
};

} // namespace gen::qt
