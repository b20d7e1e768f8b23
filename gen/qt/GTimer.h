#pragma once

#include "gen/Listener.h"

#include <QTimer>

namespace gen::qt {

/// A timer that reports each timeout to a listener, on the thread the timer lives in.
class GTimer : public QTimer {
public:
    /// A stopped timer owned by `parent` as Qt's parent.
    explicit GTimer(QObject* parent = nullptr);
    ~GTimer() override;

    /// Fired with 0 on each timeout.
    Listener<int> listenerTimeout;
};

} // namespace gen::qt
