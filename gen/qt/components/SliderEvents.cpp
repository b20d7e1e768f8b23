#include "gen/qt/components/SliderEvents.h"

#include "gen/GLog.h"

#include <QAbstractSlider>
#include <QObject>
#include <QString>

namespace gen::qt {

SliderEvents::SliderEvents(QAbstractSlider* sl) : slider(sl) {
    if (sl) setupListener(sl);
}

// A slider watched from outside may outlive us; its signals must not reach listeners that are gone.
SliderEvents::~SliderEvents() {
    disconnect_all();
}

void SliderEvents::setupListener(QAbstractSlider* sl) {
    if (!sl) nullPointerHandling("gen/qt/components/SliderEvents", __LINE__, QStringLiteral("sl == NULL"));
    disconnect_all();
    slider = sl;
    connections[0] = QObject::connect(
        sl, &QAbstractSlider::valueChanged, sl,
        [this](int v) {
            if (!listenerValueChanged.is_empty()) listenerValueChanged.fire_event(v, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
    connections[1] = QObject::connect(
        sl, &QAbstractSlider::sliderPressed, sl,
        [this] {
            if (!listenerSliderPressed.is_empty()) listenerSliderPressed.fire_event(0, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
    connections[2] = QObject::connect(
        sl, &QAbstractSlider::sliderReleased, sl,
        [this] {
            if (!listenerSliderReleased.is_empty()) listenerSliderReleased.fire_event(0, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
}

void SliderEvents::disconnect_all() {
    for (QMetaObject::Connection& connection : connections)
        QObject::disconnect(connection);
}

} // namespace gen::qt
