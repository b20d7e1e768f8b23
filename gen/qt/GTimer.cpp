#include "gen/qt/GTimer.h"

namespace gen::qt {

GTimer::GTimer(QObject* parent) : QTimer(parent) {
    connect(
        this, &QTimer::timeout, this,
        [this] {
            if (!listenerTimeout.is_empty()) listenerTimeout.fire_event(0, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
}

GTimer::~GTimer() = default;

} // namespace gen::qt
