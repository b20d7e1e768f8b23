#pragma once

/// \file
/// Button groups that report user releases and look their buttons up by name.

#include "gen/Listener.h"

#include <QButtonGroup>
#include <QString>

#include <initializer_list>

class QAbstractButton;

namespace gen::qt {

/// What a button group fires: the released button and its state after the release.
struct ButtonToggled {
    /// The released button, a member of the group.
    QAbstractButton* button = nullptr;
    /// Its checked state after the release.
    bool checked = false;
};

/// A button group that reports each user release and finds, checks and enables buttons by object name.
///
/// The group does not own its buttons. GUI thread only.
class GButtonGroup : public QButtonGroup {
public:
    /// An exclusive group owned by `parent` as Qt's parent; null buttons are
    /// skipped with a DEBUG line.
    GButtonGroup(QObject* parent, std::initializer_list<QAbstractButton*> buttons);
    ~GButtonGroup() override;

    /// Clears every button; the group is exclusive afterwards, even if it was not before.
    void uncheck();
    /// Checks and returns the button of that object name; null when there is none, with an
    /// ERROR line unless the name is empty.
    QAbstractButton* button_by_name(const QString& name);
    /// Checks the button of that object name, as button_by_name() does.
    void set_checked(const QString& name);
    /// Enables or disables every button.
    void set_enabled(bool enabled);

    /// Fired when the user releases a button of the group; changes made by code are not reported.
    Listener<ButtonToggled> listenerToggled;
};

} // namespace gen::qt
