#include "gen/qt/ThemeEngine.h"

#include "gen/GLog.h"
#include "gen/GTokenizer.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/Theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace gen::qt::theme {

namespace {

// ":", "wb", "icons" and the file name: a path shorter than that has no set folder.
constexpr std::size_t kMinIconParts = 4;
constexpr std::size_t kSetFolderParts = 3;

QPalette normal_palette() {
    const QColor window(0xef, 0xef, 0xef);
    const QColor disabledText(0x78, 0x78, 0x78);
    const QColor disabledBase(0xf0, 0xf0, 0xf0);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    p.setColor(QPalette::ToolTipBase, Qt::white);
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x4c, 0xa3, 0xe0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, disabledBase);
    p.setColor(QPalette::Disabled, QPalette::Button, disabledBase);
    return p;
}

QPalette dark_palette() {
    const QColor window(0x35, 0x35, 0x35);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

QPalette green_palette() {
    const QColor text(0xdc, 0xff, 0xdc);
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x1e, 0x32, 0x1e));
    p.setColor(QPalette::WindowText, QColor(0xc8, 0xff, 0xc8));
    p.setColor(QPalette::Base, QColor(0x19, 0x28, 0x19));
    p.setColor(QPalette::AlternateBase, QColor(0x23, 0x3c, 0x23));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x28, 0x46, 0x28));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x3c, 0xa0, 0x3c));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

} // namespace

void apply_theme(const QString& name) {
    const int th = string_to_theme(name);
    if (th >= 0) apply_the_theme(static_cast<unsigned>(th));
}

QPalette make_palette(unsigned th) {
    switch (th) {
    case THEME_GREEN:
        return green_palette();
    case THEME_DARK:
        return dark_palette();
    default:
        return normal_palette();
    }
}

void apply_the_theme(unsigned th) {
    if (th > get_max_theme()) {
        pp("gent::qt::theme::apply_the_theme, theTheme > get_max_theme(), $ > $", th, get_max_theme());
        return;
    }
    set(th);
    const QString name = theme_to_string(th);
    pp("gen::qt::theme::apply_the_theme:$, $", get(), name);

    // Widgets learn of the new palette through their palette-change events.
    QApplication::setPalette(make_palette(th));

    for (QWidget* w : QApplication::allWidgets())
        if (auto* view = dynamic_cast<GLogView*>(w)) view->adapt_to_settings(th);

    // Taken again: the palette change may have made or removed widgets.
    for (QWidget* w : QApplication::allWidgets()) {
        if (!has_icon_res(w)) continue;
        const QString sIcon = w->property("sIcon").toString();
        if (sIcon.isEmpty()) continue;
        const QString path = make_theme_path(sIcon, name);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && does_res_exist(path)) set_icon(button, path);
    }
}

QString make_theme_path(const QString& sIcon, const QString& themeName) {
    const GTokenizer tok(sIcon, QStringLiteral("/"), false, false);
    const std::vector<QStringView>& parts = tok.tokens;
    if (parts.size() < kMinIconParts) {
        pp("make_theme_path, toks.size() < 4");
        return sIcon;
    }
    QString path;
    for (std::size_t i = 0; i < kSetFolderParts; ++i) {
        path += parts[i];
        path += QLatin1Char('/');
    }
    if (!themeName.isEmpty() && themeName != QLatin1String("normal")) {
        path += themeName;
        path += QLatin1Char('/');
    }
    path += parts.back();
    return path;
}

} // namespace gen::qt::theme
