#pragma once

#include "gen/Listener.h"

#include <QComboBox>
#include <QString>

namespace gen::qt {

/// A combo box that reports changes of its current text and index to listeners. GUI thread only.
class GComboBox : public QComboBox {
public:
    /// An empty combo box.
    explicit GComboBox(QWidget* parent = nullptr);
    ~GComboBox() override;

    /// Fired with the new current text on every change, by the user or by code.
    Listener<QString> listenerCurrentTextChanged;
    /// Fired with the new current index, -1 when none, on every change, by the user or by code.
    Listener<int> listenerCurrentIndexChanged;
};

} // namespace gen::qt
