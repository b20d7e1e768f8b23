#include "gen/qt/GRadioButton.h"

namespace gen::qt {

GRadioButton::GRadioButton(const QString& text, const QString& name) : QRadioButton(text, nullptr) {
    setObjectName(name.isEmpty() ? text : name);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!listenerToggled.is_empty()) listenerToggled.fire_event(checked, FIRE_EVENT::DIRECT);
    });
}

GRadioButton::~GRadioButton() = default;

} // namespace gen::qt
