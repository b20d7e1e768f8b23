#include "gen/qt/GGui.h"

#include "gen/GLog.h"

#include <QApplication>
#include <QBrush>
#include <QByteArray>
#include <QClipboard>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace gen::qt {

namespace {

constexpr const char* kSource = "gen/qt/GGui";
// The documented line of the set_background check, kept so reports stay comparable.
constexpr int kSetBackgroundLine = 161;
// What a screen query answers when there is no usable screen.
constexpr int kFallbackScreenSize = 600;

QWidget* window_or_active(QWidget* w) {
    return w ? w : QApplication::activeWindow();
}

int screen_size_or_fallback(int size) {
    return size > 0 ? size : kFallbackScreenSize;
}

} // namespace

QString get_qtype_name(QObject* obj) {
    if (!obj) return QStringLiteral("nullptr");
    const char* name = obj->metaObject()->className();
    return name ? QString::fromLatin1(name) : QString();
}

bool has_property(QObject* obj, const char* name) {
    if (!obj || !name) return false;
    return obj->dynamicPropertyNames().contains(QByteArray(name));
}

bool has_icon_res(QObject* obj) {
    return has_property(obj, "sIcon");
}

bool does_res_exist(const QString& path) {
    if (QFile(path).exists()) return true;
    pp("resource does not exist: $", path);
    return false;
}

void copy_to_clipboard(const char* sText) {
    if (!sText) nullPointerHandling(kSource, __LINE__, QStringLiteral("sText == NULL"));
    copy_to_clipboard(QString::fromUtf8(sText));
}

// Not through the const char* overload: a U+0000 in the text would end it there.
void copy_to_clipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        pp("copy_to_clipboard, no clipboard");
        return;
    }
    clipboard->setText(text, QClipboard::Clipboard);
}

QSizePolicy size_policy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int hStretch,
                        int vStretch) {
    QSizePolicy p(horizontal, vertical);
    p.setHorizontalStretch(hStretch);
    p.setVerticalStretch(vStretch);
    return p;
}

bool is_fullscreen(QWidget* w) {
    QWidget* window = window_or_active(w);
    return window && window->isFullScreen();
}

void toggle_full_screen(QWidget* w) {
    pp("toggle_full_screen");
    QWidget* window = window_or_active(w);
    if (!window) return;
    if (window->isFullScreen())
        window->showNormal();
    else
        window->showFullScreen();
}

void set_background(QWidget* widget, QColor color) {
    if (!widget) nullPointerHandling(kSource, kSetBackgroundLine, QStringLiteral("widget == NULL"));
    QPalette palette = widget->palette();
    widget->setAutoFillBackground(true);
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(color, Qt::SolidPattern));
    widget->setPalette(palette);
}

int get_max_screen_width() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen_size_or_fallback(screen ? screen->geometry().width() : 0);
}

int get_max_screen_height() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen_size_or_fallback(screen ? screen->geometry().height() : 0);
}

int dp_to_px(int dp) {
    const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Converting a double outside int's range is undefined, so clamp first.
    const double px = std::clamp(dp * ratio, double(std::numeric_limits<int>::min()),
                                 double(std::numeric_limits<int>::max()));
    return static_cast<int>(px);
}

bool is_mobile_device() {
    return false;
}

bool is_pc_desktop() {
    return true;
}

} // namespace gen::qt
