#pragma once

/// \file
/// Push buttons with icons from the resource bundle, and the icon loader that
/// theme switching relies on.

#include "gen/Listener.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPushButton>
#include <QString>
#include <QVariant>

#include <type_traits>

namespace gen::qt {

/// Loads `path` as the button's icon and records it in the "sIcon" property,
/// which theme switching reads to find the themed variant. A path that loads
/// nothing empties the property and leaves the current icon alone. A null
/// button is ignored; T must be a button, or it does not compile.
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

/// A push button showing a caption or a bundled icon that reports clicks to a listener. GUI thread only.
class GButton : public QPushButton {
public:
    /// A text that starts with ":/" is an icon path, anything else the caption;
    /// an empty tool tip sets none.
    GButton(const QString& text, const QString& toolTip, QWidget* parent = nullptr);
    /// The same without a tool tip.
    explicit GButton(const QString& text, QWidget* parent = nullptr);
    /// A button without caption or icon.
    explicit GButton(QWidget* parent = nullptr);
    ~GButton() override;

    /// set_icon() on this button.
    void set_icon_res(const QString& path);
    /// The resource path of the icon, empty when there is none.
    QString get_icon_res() const;

    /// Fired with 0 on every click, by the user or by click().
    Listener<int> listenerClicked;
};

/// Compiled once in the library.
extern template void set_icon<GButton>(GButton*, const QString&);
/// Compiled once in the library.
extern template void set_icon<QAbstractButton>(QAbstractButton*, const QString&);

} // namespace gen::qt
