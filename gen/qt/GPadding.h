#pragma once

#include <string>

class QWidget;

namespace gen::qt {

// A widget's padding as a value: read from one widget, applied to another.
struct GPadding {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    // All zeros for a null widget.
    static GPadding from_QWidget(QWidget* w);
    // Replaces the widget's style sheet; a null widget ends the process.
    void set_padding(QWidget* w) const;
    // "left,right,top,bottom"
    std::string to_string() const;
};

} // namespace gen::qt
