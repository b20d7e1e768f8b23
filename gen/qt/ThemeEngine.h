#pragma once

// Applies a colour theme to the whole application: the palette, every log
// view, and the icons of buttons that carry an "sIcon" resource path. GUI
// thread only.

#include <QString>

class QPalette;

namespace gen::qt::theme {

// "normal", "dark" or "green"; any other name does nothing.
void apply_theme(const QString& name);
// A number above get_max_theme() is logged and changes nothing.
void apply_the_theme(unsigned th);
// The theme's palette: 1 dark, 2 green, anything else normal.
QPalette make_palette(unsigned th);
// The icon path of `themeName`'s set for an icon path of any set.
QString make_theme_path(const QString& sIcon, const QString& themeName);

} // namespace gen::qt::theme
