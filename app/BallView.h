#pragma once

#include "gen/Listener.h"

#include <QGraphicsView>
#include <QSize>

class QResizeEvent;

// The view of the gravity demo; it reports its new size so the owner can fit the scene to it.
class BallView : public QGraphicsView {
public:
    explicit BallView(QWidget* parent = nullptr);
    ~BallView() override;

    // Fired with the new size before the view's own resize handling.
    gen::Listener<QSize> listenerResize;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
