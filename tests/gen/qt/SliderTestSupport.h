#pragma once

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

// A sub-control's rectangle as QSlider asks its style for it (QSlider keeps its own option to itself).
inline QRect slider_rect(const QSlider* s, QStyle::SubControl control) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.sliderValue = s->value();
    opt.upsideDown = s->orientation() == Qt::Vertical; // neither inverted nor right to left
    if (s->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, control, s);
}
