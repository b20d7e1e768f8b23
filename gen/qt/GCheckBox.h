#pragma once

#include "gen/Listener.h"

#include <QCheckBox>
#include <QString>

namespace gen::qt {

/// A check box that reports every change of its checked state to a listener. GUI thread only.
class GCheckBox : public QCheckBox {
public:
    /// A check box labelled `text`.
    explicit GCheckBox(const QString& text, QWidget* parent = nullptr);
    /// A check box without a label.
    explicit GCheckBox(QWidget* parent = nullptr);
    ~GCheckBox() override;

    /// Fired with the new state on every change, by the user or by code.
    Listener<bool> listenerToggled;
};

} // namespace gen::qt
