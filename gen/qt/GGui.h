#pragma once

// Small GUI helpers shared by the toolkit and the application: type names,
// resource and property tests, clipboard, full screen, screen size and
// device pixels.

#include <QColor>
#include <QSizePolicy>
#include <QString>

class QObject;
class QWidget;

namespace gen::qt {

// The class name of the nearest meta-object; "nullptr" for a null object.
QString get_qtype_name(QObject* obj);
// True when `name` is a dynamic property of `obj`; declared properties don't count.
bool has_property(QObject* obj, const char* name);
// True when the object went through set_icon and so carries "sIcon".
bool has_icon_res(QObject* obj);
// A missing path is logged at DEBUG.
bool does_res_exist(const QString& path);

// A null text ends the process.
void copy_to_clipboard(const char* sText);
// The whole text, U+0000 included.
void copy_to_clipboard(const QString& text);

// A null widget stands for the active window.
// A size policy with its stretch factors, in one expression.
QSizePolicy size_policy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int hStretch,
                        int vStretch);

bool is_fullscreen(QWidget* w);
void toggle_full_screen(QWidget* w);

// Fills the widget's background with `color` through its Base role; a null
// widget ends the process.
void set_background(QWidget* widget, QColor color);

int get_max_screen_width();
int get_max_screen_height();
// Device-independent pixels to device pixels, truncated toward zero.
int dp_to_px(int dp);
bool is_mobile_device();
bool is_pc_desktop();

} // namespace gen::qt
