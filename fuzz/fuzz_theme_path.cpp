// The icon path rule of the themes on any path and theme name, against the
// rule written with QString::split, and the promise that switching themes in
// any order always lands on the new theme's set.
//
// Input: one byte choosing the theme name (the three themes, empty, or the
// text after the first line feed), then the icon path as UTF-8.
#include "gen/GLog.h"
#include "gen/qt/ThemeEngine.h"

#include <QStringList>

#include <cstdlib>

using gen::qt::theme::make_theme_path;

namespace {

const QString kThemes[] = {QStringLiteral("normal"), QStringLiteral("dark"), QStringLiteral("green")};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Short paths are logged at DEBUG; the rule is what is checked here.
    gen::log::set_log_level(gen::log::ERROR);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    QString icon =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    QString theme = data[0] % 5 < 3 ? kThemes[data[0] % 5] : QString();
    if (data[0] % 5 == 4 && icon.contains(u'\n')) {
        theme = icon.sliced(icon.indexOf(u'\n') + 1);
        icon.truncate(icon.indexOf(u'\n'));
    }

    const QStringList parts = icon.split(u'/', Qt::SkipEmptyParts);
    QString want = icon;
    if (parts.size() >= 4) {
        want = parts[0] + u'/' + parts[1] + u'/' + parts[2] + u'/';
        if (!theme.isEmpty() && theme != kThemes[0]) want += theme + u'/';
        want += parts.back();
    }
    if (make_theme_path(icon, theme) != want) std::abort();

    if (parts.size() >= 4)
        for (const QString& from : kThemes)
            for (const QString& to : kThemes)
                if (make_theme_path(make_theme_path(icon, from), to) != make_theme_path(icon, to))
                    std::abort();
    return 0;
}
