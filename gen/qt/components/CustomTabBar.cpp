#include "gen/qt/components/CustomTabBar.h"

#include "gen/qt/components/GTab.h"

#include <QMouseEvent>
#include <QPointer>

namespace gen::qt {

CustomTabBar::CustomTabBar(GTab* tab) : QTabBar(tab), tabWidget(tab) {}

CustomTabBar::~CustomTabBar() = default;

void CustomTabBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        const int i = tabAt(e->position().toPoint());
        if (i >= 0 && tabWidget && !tabWidget->listenerTabCloseRequested.is_empty()) {
            // A handler may close the whole tab widget, and us with it.
            const QPointer<CustomTabBar> alive(this);
            tabWidget->listenerTabCloseRequested.fire_event(i, FIRE_EVENT::DIRECT);
            if (!alive) return;
        }
    }
    QTabBar::mousePressEvent(e);
}

void CustomTabBar::mouseMoveEvent(QMouseEvent* e) {
    QTabBar::mouseMoveEvent(e);
}

} // namespace gen::qt
