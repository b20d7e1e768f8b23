#include "gen/qt/GImageView.h"

#include <QPainter>
#include <QPaintEvent>
#include <QRectF>
#include <QSize>

namespace gen::qt {

GImageView::GImageView(QWidget* parent) : GWidget(parent) {}

GImageView::~GImageView() = default;

void GImageView::set_image(const QImage& img) {
    image = img;
    update();
}

void GImageView::on_change_theme() {}

void GImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (image.isNull()) return;
    // The whole widget, not the exposed part: the image must not move when only a strip is repainted.
    const QSize area = size();
    const QSize scaled =
        image.size().scaled(area, fitInside ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    const int dx = (area.width() - scaled.width()) / 2;
    const int dy = (area.height() - scaled.height()) / 2;
    painter.drawImage(QRectF(dx, dy, scaled.width(), scaled.height()), image,
                      QRectF(0, 0, image.width(), image.height()));
}

} // namespace gen::qt
