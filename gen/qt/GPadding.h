#pragma once

#include <string>

class QWidget;

namespace gen::qt {

/// A widget's padding as a value: read from one widget, applied to another. GUI thread only.
struct GPadding {
    int left = 0;   ///< pixels between the left edge and the content
    int right = 0;  ///< pixels between the content and the right edge
    int top = 0;    ///< pixels between the top edge and the content
    int bottom = 0; ///< pixels between the content and the bottom edge

    /// The space around the content at the widget's current size, the style's
    /// frame included for push buttons and combo boxes. All zeros for a null widget.
    static GPadding from_QWidget(QWidget* w);
    /// Replaces the widget's style sheet by one that sets these paddings for its
    /// class; a null widget ends the process through nullPointerHandling().
    void set_padding(QWidget* w) const;
    /// "left,right,top,bottom"
    std::string to_string() const;
};

} // namespace gen::qt
