#pragma once

#include "gen/Listener.h"

#include <QWidget>

class QEvent;
class QMouseEvent;

namespace gen::qt {

// Base of widgets that paint themselves: mouse events become listener events
// and a theme change becomes a call of on_change_theme().
class GWidget : public QWidget {
public:
    explicit GWidget(QWidget* parent = nullptr);
    ~GWidget() override;

    // Called on every palette change, which is how a new theme arrives.
    virtual void on_change_theme();

    // The event is valid only during the call.
    Listener<QMouseEvent*> listenerMousePress;
    Listener<QMouseEvent*> listenerMouseRelease;
    Listener<QMouseEvent*> listenerMouseMove;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
};

} // namespace gen::qt
