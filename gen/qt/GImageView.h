#pragma once

#include "gen/qt/GWidget.h"

#include <QImage>

class QPaintEvent;

namespace gen::qt {

// Shows one image, scaled with its aspect ratio kept and centred.
class GImageView : public GWidget {
public:
    explicit GImageView(QWidget* parent = nullptr);
    ~GImageView() override;

    void set_image(const QImage& img);

    // The colours of a picture do not follow the theme.
    void on_change_theme() override;

    // True: the whole image fits inside; false: the image covers the widget and is clipped.
    bool fitInside = true;
    QImage image;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace gen::qt
