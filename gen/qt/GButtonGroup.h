#pragma once

// Button groups that report user releases and look their buttons up by name.

#include "gen/Listener.h"

#include <QButtonGroup>
#include <QString>

#include <initializer_list>

class QAbstractButton;

namespace gen::qt {

// What a button group fires: the released button and its state after the release.
struct ButtonToggled {
    QAbstractButton* button = nullptr;
    bool checked = false;
};

// A button group that reports each user release and finds, checks and enables buttons by object name.
class GButtonGroup : public QButtonGroup {
public:
    GButtonGroup(QObject* parent, std::initializer_list<QAbstractButton*> buttons);
    ~GButtonGroup() override;

    // Clears every button; the group stays exclusive.
    void uncheck();
    // Checks and returns the button of that object name; null when there is none.
    QAbstractButton* button_by_name(const QString& name);
    void set_checked(const QString& name);
    void set_enabled(bool enabled);

    Listener<ButtonToggled> listenerToggled;
};

} // namespace gen::qt
