#pragma once

// Push buttons with icons from the resource bundle, and the icon loader that
// theme switching relies on.

#include "gen/Listener.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QVariant>

#include <type_traits>

namespace gen::qt {

// Loads `path` as the button's icon and records it in the "sIcon" property,
// which theme switching reads to find the themed variant. A path that loads
// nothing empties the property and leaves the current icon alone.
template <typename T>
void set_icon(T* button, const QString& path) {
    static_assert(std::is_base_of_v<QAbstractButton, T>, "set_icon needs a button");
    if (!button) return;
    const QIcon icon(path);
    if (icon.isNull()) {
        button->setProperty("sIcon", QString());
        return;
    }
    button->setIcon(icon);
    button->setProperty("sIcon", path);
}

// A push button showing a caption or a bundled icon that reports clicks to a listener.
class GButton : public QPushButton {
public:
    // A text that starts with ":/" is an icon path, anything else the caption.
    GButton(const QString& text, const QString& toolTip, QWidget* parent = nullptr);
    explicit GButton(const QString& text, QWidget* parent = nullptr);
    explicit GButton(QWidget* parent = nullptr);
    ~GButton() override;

    void set_icon_res(const QString& path);
    // The resource path of the icon, empty when there is none.
    QString get_icon_res() const;

    Listener<int> listenerClicked;
};

extern template void set_icon<GButton>(GButton*, const QString&);
extern template void set_icon<QAbstractButton>(QAbstractButton*, const QString&);

} // namespace gen::qt
