#include "BallView.h"

#include <QResizeEvent>

BallView::BallView(QWidget* parent) : QGraphicsView(parent) {}

BallView::~BallView() = default;

void BallView::resizeEvent(QResizeEvent* event) {
    // First, so the scene already has its new size when the view recomputes its scroll range.
    if (!listenerResize.is_empty()) listenerResize.fire_event(event->size(), gen::FIRE_EVENT::DIRECT);
    QGraphicsView::resizeEvent(event);
}
