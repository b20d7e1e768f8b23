#pragma once

// A splitter that reports each move of a handle, by the handle's new position.

#include "gen/Listener.h"

#include <QSplitter>

namespace gen::qt {

class GSplitter : public QSplitter {
public:
    explicit GSplitter(Qt::Orientation o, QWidget* parent = nullptr);
    explicit GSplitter(QWidget* parent = nullptr);
    ~GSplitter() override;

    Listener<int> listenerSplitterMoved;
};

} // namespace gen::qt
