#pragma once

#include <QGraphicsScene>
#include <QString>

class QGraphicsSceneMouseEvent;

// The scene of the gravity demo; it logs its life so the scene's lifetime shows in the log.
class MyScene : public QGraphicsScene {
public:
    MyScene(double x, double y, double w, double h, QObject* parent);
    explicit MyScene(QObject* parent);
    ~MyScene() override;

    // "{x,y,width,height}" of the scene rectangle.
    QString to_string() const;

protected:
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
};
