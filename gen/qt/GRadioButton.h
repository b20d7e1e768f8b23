#pragma once

#include "gen/Listener.h"

#include <QRadioButton>
#include <QString>

namespace gen::qt {

/// A radio button that reports every change of its checked state to a
/// listener; its object name is what a button group finds it by. GUI thread only.
class GRadioButton : public QRadioButton {
public:
    /// Without a `name` the text doubles as the object name. Made without a
    /// parent; the layout it is added to gives it one.
    explicit GRadioButton(const QString& text, const QString& name = QString());
    ~GRadioButton() override;

    /// Fired with the new state on every change, by the user or by code.
    Listener<bool> listenerToggled;
};

} // namespace gen::qt
