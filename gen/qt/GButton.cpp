#include "gen/qt/GButton.h"

#include <QCoreApplication>

namespace gen::qt {

template void set_icon<GButton>(GButton*, const QString&);
template void set_icon<QAbstractButton>(QAbstractButton*, const QString&);

namespace {
// A text with this start names an icon in the resource bundle.
constexpr QLatin1String kResourcePrefix(":/");
} // namespace

GButton::GButton(const QString& text, const QString& toolTip, QWidget* parent) : QPushButton(parent) {
    listenerClicked.set_context(this);
    if (text.startsWith(kResourcePrefix))
        set_icon(this, text);
    else
        setText(text);
    if (!toolTip.isEmpty()) setToolTip(toolTip);
    connect(this, &QAbstractButton::clicked, QCoreApplication::instance(), [this] {
        if (!listenerClicked.is_empty()) listenerClicked.fire_event(0, FIRE_EVENT::DIRECT);
    });
}

GButton::GButton(const QString& text, QWidget* parent) : GButton(text, QString(), parent) {}

GButton::GButton(QWidget* parent) : GButton(QString(), QString(), parent) {}

GButton::~GButton() = default;

void GButton::set_icon_res(const QString& path) {
    set_icon(this, path);
}

QString GButton::get_icon_res() const {
    return property("sIcon").toString();
}

} // namespace gen::qt
