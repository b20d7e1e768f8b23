#include "gen/qt/Theme.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace gen::qt::theme {

namespace {

std::uint32_t maxTheme = THEME_GREEN;
std::uint32_t theTheme = THEME_NORMAL;

// Indexed by theme number.
const std::array<QString, 3> kNames = {QStringLiteral("normal"), QStringLiteral("dark"),
                                       QStringLiteral("green")};

} // namespace

unsigned get_max_theme() {
    return maxTheme;
}

void set(unsigned th) {
    if (th > maxTheme) {
        pp_error(str::xprintF(0, "gen::qt::theme::set, th > maxTheme, $ > $", th, maxTheme));
        return;
    }
    theTheme = th;
}

unsigned get() {
    return theTheme;
}

int string_to_theme(const QString& s) {
    for (std::size_t th = 0; th < kNames.size(); ++th)
        if (kNames[th] == s) return static_cast<int>(th);
    return -1;
}

QString theme_to_string(unsigned th) {
    return th < kNames.size() ? kNames[th] : QString();
}

} // namespace gen::qt::theme
