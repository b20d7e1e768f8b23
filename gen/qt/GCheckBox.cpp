#include "gen/qt/GCheckBox.h"

namespace gen::qt {

GCheckBox::GCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!listenerToggled.is_empty()) listenerToggled.fire_event(checked, FIRE_EVENT::DIRECT);
    });
}

GCheckBox::GCheckBox(QWidget* parent) : GCheckBox(QString(), parent) {}

GCheckBox::~GCheckBox() = default;

} // namespace gen::qt
