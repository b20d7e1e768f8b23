#pragma once

#include "gen/Listener.h"

#include <QSplitter>

namespace gen::qt {

/// A splitter that reports each move of a handle, by the handle's new position. GUI thread only.
class GSplitter : public QSplitter {
public:
    /// A splitter of orientation `o`.
    explicit GSplitter(Qt::Orientation o, QWidget* parent = nullptr);
    /// A vertical splitter: the panes lie one above the other.
    explicit GSplitter(QWidget* parent = nullptr);
    ~GSplitter() override;

    /// Fired with the moved handle's new position when the user drags it; which handle is not said.
    Listener<int> listenerSplitterMoved;
};

} // namespace gen::qt
