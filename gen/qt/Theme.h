#pragma once

#include <QString>

/// The numbers and names of the colour themes, the theme in force, and the
/// engine that applies one. GUI thread only.
namespace gen::qt::theme {

inline constexpr unsigned THEME_NORMAL = 0; ///< light, "normal"
inline constexpr unsigned THEME_DARK = 1;   ///< "dark"
inline constexpr unsigned THEME_GREEN = 2;  ///< green on black, "green"

/// The largest theme number, THEME_GREEN.
unsigned get_max_theme();
/// Records `th` as the theme in force (no palette change); larger numbers are refused with an ERROR line.
void set(unsigned th);
/// The theme in force, THEME_NORMAL before any was set.
unsigned get();
/// The number of a theme name ("normal", "dark" or "green", case matters), -1 for any other.
int string_to_theme(const QString& s);
/// The name of a theme number, empty for an unknown one.
QString theme_to_string(unsigned th);

} // namespace gen::qt::theme
