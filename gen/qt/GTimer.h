#pragma once

// A timer that reports each timeout to a listener.

#include "gen/Listener.h"

#include <QTimer>

namespace gen::qt {

class GTimer : public QTimer {
public:
    explicit GTimer(QObject* parent = nullptr);
    ~GTimer() override;

    Listener<int> listenerTimeout;
};

} // namespace gen::qt
