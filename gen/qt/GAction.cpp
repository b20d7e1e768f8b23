#include "gen/qt/GAction.h"

namespace gen::qt {

GAction::GAction(QObject* parent) : GAction(QString(), parent) {}

GAction::GAction(const QString& text, QObject* parent) : QAction(text, parent) {
    connect(this, &QAction::triggered, this, [this](bool checked) { doAction(checked); });
}

GAction::~GAction() = default;

void GAction::doAction(bool) {
    if (!listenerAction.is_empty()) listenerAction.fire_event(0, FIRE_EVENT::DIRECT);
}

} // namespace gen::qt
