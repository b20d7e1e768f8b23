#include "gen/qt/GButtonGroup.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"

#include <QAbstractButton>

namespace gen::qt {

GButtonGroup::GButtonGroup(QObject* parent, std::initializer_list<QAbstractButton*> buttons)
    : QButtonGroup(parent) {
    for (QAbstractButton* button : buttons) {
        if (!button) {
            pp("GButtonGroup::GButtonGroup, null button ignored");
            continue;
        }
        addButton(button, -1);
    }
    // Qt refuses a connection without a context object, so a group without a
    // parent is its own context.
    QObject* context = parent ? parent : this;
    connect(this, &QButtonGroup::buttonReleased, context, [this](QAbstractButton* button) {
        if (listenerToggled.is_empty()) return;
        listenerToggled.fire_event(ButtonToggled{button, button->isChecked()}, FIRE_EVENT::DIRECT);
    });
}

GButtonGroup::~GButtonGroup() = default;

void GButtonGroup::uncheck() {
    // An exclusive group will not let its checked button go.
    setExclusive(false);
    for (QAbstractButton* button : buttons())
        button->setChecked(false);
    setExclusive(true);
}

QAbstractButton* GButtonGroup::button_by_name(const QString& name) {
    if (name.isEmpty()) return nullptr;
    for (QAbstractButton* button : buttons()) {
        if (button->objectName() == name) {
            button->setChecked(true);
            return button;
        }
    }
    pp_error(str::xprintF(0, "GButtonGroup::button_by_name, name '$' not found", name));
    return nullptr;
}

void GButtonGroup::set_checked(const QString& name) {
    if (QAbstractButton* button = button_by_name(name)) button->setChecked(true);
}

void GButtonGroup::set_enabled(bool enabled) {
    for (QAbstractButton* button : buttons())
        button->setEnabled(enabled);
}

} // namespace gen::qt
