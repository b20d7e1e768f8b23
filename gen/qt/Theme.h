#pragma once

// The numbers and names of the colour themes and the theme in force.

#include <QString>

namespace gen::qt::theme {

inline constexpr unsigned THEME_NORMAL = 0;
inline constexpr unsigned THEME_DARK = 1;
inline constexpr unsigned THEME_GREEN = 2;

unsigned get_max_theme();
// Records `th` as the theme in force (no palette change); larger numbers are refused with an ERROR line.
void set(unsigned th);
unsigned get();
int string_to_theme(const QString& s);
QString theme_to_string(unsigned th);

} // namespace gen::qt::theme
