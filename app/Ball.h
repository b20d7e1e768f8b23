#pragma once

#include <QGraphicsItem>
#include <QString>

// The ball of the gravity demo: a shaded circle whose item origin is its centre.
class Ball : public QGraphicsItem {
public:
    static constexpr float DEFAULT_RADIUS = 20.0f;

    explicit Ball(float radius = DEFAULT_RADIUS);
    ~Ball() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    float get_radius() const { return radius; }
    // Highest and lowest point of the ball in parent coordinates.
    double top() const;
    double bottom() const;
    QString to_string() const;

private:
    float radius;
};
