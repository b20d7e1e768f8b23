#pragma once

#include "gen/Listener.h"

#include <QMetaObject>

#include <array>

class QAbstractSlider;

namespace gen::qt {

/// Hands the value, press and release signals of a slider on to listeners.
///
/// It does not own the slider; either may go first. GUI thread only.
class SliderEvents {
public:
    /// A null slider leaves the listeners unconnected until setupListener().
    explicit SliderEvents(QAbstractSlider* sl);
    /// Lets the slider go, so its later signals reach nothing.
    ~SliderEvents();
    SliderEvents(const SliderEvents&) = delete;
    SliderEvents& operator=(const SliderEvents&) = delete;

    /// Watches `sl` from now on; a slider watched before is let go. A null
    /// slider ends the process through nullPointerHandling().
    void setupListener(QAbstractSlider* sl);
    /// The slider watched last, null when none was given; it may have been destroyed since.
    QAbstractSlider* getSlider() const { return slider; }

    Listener<int> listenerValueChanged;   ///< the new position
    Listener<int> listenerSliderPressed;  ///< always 0
    Listener<int> listenerSliderReleased; ///< always 0

private:
    void disconnect_all();

    QAbstractSlider* slider = nullptr;
    std::array<QMetaObject::Connection, 3> connections;
};

} // namespace gen::qt
