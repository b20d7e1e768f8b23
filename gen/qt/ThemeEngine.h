#pragma once

/// \file
/// Applies a colour theme to the whole application: the palette, every log
/// view, and the icons of buttons that carry an "sIcon" resource path. GUI
/// thread only.

#include <QString>

class QPalette;

namespace gen::qt::theme {

/// apply_the_theme() by name: "normal", "dark" or "green"; any other name does nothing.
void apply_theme(const QString& name);
/// Records the theme as in force, sets the application's palette, recolours
/// every GLogView and switches the icon of each button that has an "sIcon"
/// path to the theme's set, where the bundle has that icon. A number above
/// get_max_theme() is logged at DEBUG and changes nothing. Needs the application object.
void apply_the_theme(unsigned th);
/// The theme's palette: 1 dark, 2 green, anything else normal.
QPalette make_palette(unsigned th);
/// The icon path of `themeName`'s set for an icon path of any set:
/// `:/wb/icons/dark/copy.svg` for `:/wb/icons/copy.svg` and "dark". The
/// "normal" set has no folder of its own; a path of fewer than four parts
/// comes back unchanged.
QString make_theme_path(const QString& sIcon, const QString& themeName);

} // namespace gen::qt::theme
