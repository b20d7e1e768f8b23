#include "gen/qt/GSplitter.h"

namespace gen::qt {

GSplitter::GSplitter(Qt::Orientation o, QWidget* parent) : QSplitter(o, parent) {
    connect(this, &QSplitter::splitterMoved, this, [this](int pos, int) {
        if (!listenerSplitterMoved.is_empty()) listenerSplitterMoved.fire_event(pos, FIRE_EVENT::DIRECT);
    });
}

GSplitter::GSplitter(QWidget* parent) : GSplitter(Qt::Vertical, parent) {}

GSplitter::~GSplitter() = default;

} // namespace gen::qt
