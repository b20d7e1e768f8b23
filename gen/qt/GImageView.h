#pragma once

#include "gen/qt/GWidget.h"

#include <QImage>

class QPaintEvent;

namespace gen::qt {

/// Shows one image, scaled with its aspect ratio kept and centred. GUI thread only.
class GImageView : public GWidget {
public:
    /// A view without an image, which paints nothing.
    explicit GImageView(QWidget* parent = nullptr);
    ~GImageView() override;

    /// Shows a copy of `img` (Qt shares the pixels until one side changes them) and repaints.
    void set_image(const QImage& img);

    /// Does nothing: the colours of a picture do not follow the theme.
    void on_change_theme() override;

    /// True: the whole image fits inside; false: the image covers the widget and is clipped.
    /// A change shows at the next repaint.
    bool fitInside = true;
    /// The image shown; a change shows at the next repaint, so prefer set_image().
    QImage image;

protected:
    /// Draws the image over the whole widget, whatever part was exposed, so it never shifts.
    void paintEvent(QPaintEvent* e) override;
};

} // namespace gen::qt
