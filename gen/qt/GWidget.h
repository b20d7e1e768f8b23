#pragma once

#include "gen/Listener.h"

#include <QWidget>

class QEvent;
class QMouseEvent;

namespace gen::qt {

/// Base of widgets that paint themselves: mouse events become listener events
/// and a theme change becomes a call of on_change_theme(). GUI thread only.
class GWidget : public QWidget {
public:
    /// A widget with mouse tracking on, so moves arrive without a button held.
    explicit GWidget(QWidget* parent = nullptr);
    ~GWidget() override;

    /// Called on every palette change, which is how a new theme arrives. The
    /// base version logs a reminder to override it at DEBUG.
    virtual void on_change_theme();

    /// Fired on a press. The event is valid only during the call.
    Listener<QMouseEvent*> listenerMousePress;
    /// Fired on a release. The event is valid only during the call.
    Listener<QMouseEvent*> listenerMouseRelease;
    /// Fired on every move over the widget. The event is valid only during the call.
    Listener<QMouseEvent*> listenerMouseMove;

protected:
    /// Fires listenerMousePress and consumes the event, listened to or not, so
    /// it never reaches the widget below.
    void mousePressEvent(QMouseEvent* e) override;
    /// Fires listenerMouseRelease and consumes the event.
    void mouseReleaseEvent(QMouseEvent* e) override;
    /// Fires listenerMouseMove and consumes the event.
    void mouseMoveEvent(QMouseEvent* e) override;
    /// Calls on_change_theme() on a palette change, after QWidget's own handling.
    void changeEvent(QEvent* e) override;
};

} // namespace gen::qt
