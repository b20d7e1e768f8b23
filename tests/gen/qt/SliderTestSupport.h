#pragma once

// Helpers for the slider and tab tests: log capture and where a slider's parts are on screen.

#include "gen/GLog.h"

#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSlider>

// The messages logged while alive that contain `part`, without their trailers.
struct LogCapture {
    explicit LogCapture(const QString& part) {
        // Runs under the logger's lock: collect only, never log.
        gen::log::set_gui_appender([this, part](QString line) {
            if (line.contains(part)) lines << line.mid(line.indexOf(part));
        });
    }
    ~LogCapture() { gen::log::set_gui_appender({}); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    QStringList lines;
};

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
