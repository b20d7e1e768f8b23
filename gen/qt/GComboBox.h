#pragma once

// A combo box that reports changes of its current text and index to listeners.

#include "gen/Listener.h"

#include <QComboBox>
#include <QString>

namespace gen::qt {

class GComboBox : public QComboBox {
public:
    explicit GComboBox(QWidget* parent = nullptr);
    ~GComboBox() override;

    Listener<QString> listenerCurrentTextChanged;
    Listener<int> listenerCurrentIndexChanged;
};

} // namespace gen::qt
