#include "gen/qt/GWidget.h"

#include "gen/GLog.h"

#include <QEvent>
#include <QMouseEvent>

namespace gen::qt {

GWidget::GWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_MouseTracking, true);
}

GWidget::~GWidget() = default;

void GWidget::on_change_theme() {
    QString name = objectName();
    if (!name.isEmpty()) name.prepend('@');
    pp("GWidget$::on_change_theme() - overwrite me", name);
}

// The mouse handlers consume the event whether or not anyone listens, so a
// press on a painted widget never reaches the widget below it.
void GWidget::mousePressEvent(QMouseEvent* e) {
    if (!listenerMousePress.is_empty()) listenerMousePress.fire_event(e, FIRE_EVENT::DIRECT);
}

void GWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!listenerMouseRelease.is_empty()) listenerMouseRelease.fire_event(e, FIRE_EVENT::DIRECT);
}

void GWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!listenerMouseMove.is_empty()) listenerMouseMove.fire_event(e, FIRE_EVENT::DIRECT);
}

void GWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange) on_change_theme();
}

} // namespace gen::qt
