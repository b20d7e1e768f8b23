#pragma once

// A radio button that reports every change of its checked state to a
// listener; its object name is what a button group finds it by.

#include "gen/Listener.h"

#include <QRadioButton>
#include <QString>

namespace gen::qt {

class GRadioButton : public QRadioButton {
public:
    // Without a `name` the text doubles as the object name.
    explicit GRadioButton(const QString& text, const QString& name = QString());
    ~GRadioButton() override;

    Listener<bool> listenerToggled;
};

} // namespace gen::qt
