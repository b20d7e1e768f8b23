#pragma once

// A check box that reports every change of its checked state to a listener.

#include "gen/Listener.h"

#include <QCheckBox>
#include <QString>

namespace gen::qt {

class GCheckBox : public QCheckBox {
public:
    explicit GCheckBox(const QString& text, QWidget* parent = nullptr);
    explicit GCheckBox(QWidget* parent = nullptr);
    ~GCheckBox() override;

    Listener<bool> listenerToggled;
};

} // namespace gen::qt
