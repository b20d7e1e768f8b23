#include "Ball.h"

#include "gen/GFormat.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
// The light falls from the upper left, so the shading centres below right of the middle.
const QPointF kShadeCentre(3, 3);
constexpr int kLighterPercent = 120;
} // namespace

Ball::Ball(float radius) : radius(radius) {}

Ball::~Ball() = default;

QRectF Ball::boundingRect() const {
    return QRectF(-radius, -radius, 2 * radius, 2 * radius);
}

QPainterPath Ball::shape() const {
    // Through the virtual call, so a subclass with other bounds keeps a matching shape.
    QPainterPath path;
    path.addEllipse(boundingRect());
    return path;
}

void Ball::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/) {
    QRadialGradient gradient(kShadeCentre, radius, kShadeCentre);
    gradient.setColorAt(0.0, QColor(Qt::darkRed).lighter(kLighterPercent));
    gradient.setColorAt(1.0, QColor(Qt::red).lighter(kLighterPercent));
    // The pen is left as it is: the painter's current pen draws the outline.
    painter->setBrush(gradient);
    painter->drawEllipse(QRectF(-radius, -radius, 2 * radius, 2 * radius));
}

double Ball::top() const {
    return y() - radius;
}

double Ball::bottom() const {
    return y() + radius;
}

QString Ball::to_string() const {
    return QString::fromStdString(
        gen::str::xprintF(0, "bounds:$, posMemory:$, scenePos:$", boundingRect(), pos(), scenePos()));
}
