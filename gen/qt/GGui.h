#pragma once

/// \file
/// Small GUI helpers shared by the toolkit and the application: type names,
/// resource and property tests, clipboard, full screen, screen size and
/// device pixels. GUI thread only.

#include <QColor>
#include <QSizePolicy>
#include <QString>

class QObject;
class QWidget;

namespace gen::qt {

/// The class name of the nearest meta-object; "nullptr" for a null object.
QString get_qtype_name(QObject* obj);
/// True when `name` is a dynamic property of `obj`; declared properties don't count.
/// False for a null object or name.
bool has_property(QObject* obj, const char* name);
/// True when the object went through set_icon and so carries "sIcon".
bool has_icon_res(QObject* obj);
/// Whether a file or resource exists at `path`; a missing path is logged at DEBUG.
bool does_res_exist(const QString& path);

/// Puts UTF-8 `sText` on the clipboard; a null text ends the process through nullPointerHandling().
void copy_to_clipboard(const char* sText);
/// The whole text, U+0000 included. Without a clipboard, a DEBUG line and nothing else.
void copy_to_clipboard(const QString& text);

/// A size policy with its stretch factors, in one expression.
QSizePolicy size_policy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int hStretch,
                        int vStretch);

/// Whether the window is full screen; a null widget stands for the active
/// window, and without one the answer is false.
bool is_fullscreen(QWidget* w);
/// Switches the window between full screen and normal; a null widget stands
/// for the active window, and without one nothing happens.
void toggle_full_screen(QWidget* w);

/// Fills the widget's background with `color` through its Base role; a null
/// widget ends the process through nullPointerHandling().
void set_background(QWidget* widget, QColor color);

/// The primary screen's width in pixels, or 600 without a usable screen.
int get_max_screen_width();
/// The primary screen's height in pixels, or 600 without a usable screen.
int get_max_screen_height();
/// Device-independent pixels to device pixels, truncated toward zero, at the
/// highest pixel ratio of the screens; 1 without an application object.
int dp_to_px(int dp);
/// Always false: the library is built for desktop systems.
bool is_mobile_device();
/// Always true: the library is built for desktop systems.
bool is_pc_desktop();

} // namespace gen::qt
