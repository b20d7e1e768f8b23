#include "gen/qt/GComboBox.h"

namespace gen::qt {

GComboBox::GComboBox(QWidget* parent) : QComboBox(parent) {
    connect(
        this, &QComboBox::currentTextChanged, this,
        [this](const QString& text) {
            if (!listenerCurrentTextChanged.is_empty())
                listenerCurrentTextChanged.fire_event(text, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
    connect(
        this, &QComboBox::currentIndexChanged, this,
        [this](int index) {
            if (!listenerCurrentIndexChanged.is_empty())
                listenerCurrentIndexChanged.fire_event(index, FIRE_EVENT::DIRECT);
        },
        Qt::DirectConnection);
}

GComboBox::~GComboBox() = default;

} // namespace gen::qt
