#include "gen/qt/components/GTab.h"

#include "gen/GLog.h"
#include "gen/qt/components/CustomTabBar.h"
#include "gen/qt/GPanel.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace gen::qt {

namespace {

using TabSignal = void (QTabWidget::*)(int);

void fire(GTab* tab, int i, Listener<int>& byIndex, Listener<GPanel*>& byPanel) {
    const QPointer<GTab> alive(tab);
    if (!byIndex.is_empty()) byIndex.fire_event(i, FIRE_EVENT::DIRECT);
    // The index listener may have closed the whole tab widget, or removed the
    // page, so look the page up afterwards.
    if (!alive) return;
    auto* pan = dynamic_cast<GPanel*>(tab->widget(i));
    if (pan && !byPanel.is_empty()) byPanel.fire_event(pan, FIRE_EVENT::DIRECT);
}

} // namespace

GTab::GTab(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new CustomTabBar(this));
    const auto wire = [this](TabSignal signal, Listener<int>& byIndex, Listener<GPanel*>& byPanel) {
        connect(
            this, signal, this, [this, &byIndex, &byPanel](int i) { fire(this, i, byIndex, byPanel); },
            Qt::DirectConnection);
    };
    wire(&QTabWidget::currentChanged, listenerCurrentChanged, listenerPanelChanged);
    wire(&QTabWidget::tabCloseRequested, listenerTabCloseRequested, listenerPanelCloseRequested);
    wire(&QTabWidget::tabBarClicked, listenerTabBarClicked, listenerPanelClicked);
    wire(&QTabWidget::tabBarDoubleClicked, listenerTabBarDoubleClicked, listenerPanelDoubleClicked);
}

GTab::~GTab() = default;

int GTab::index_from_panel(const GPanel* pan) const {
    if (!pan) nullPointerHandling("gen/qt/components/GTab", __LINE__, QStringLiteral("pan == NULL"));
    return indexOf(const_cast<GPanel*>(pan));
}

void GTab::enable_tab(GPanel* pan, bool enable) {
    if (!pan) nullPointerHandling("gen/qt/components/GTab", __LINE__, QStringLiteral("pan == NULL"));
    const int i = indexOf(pan);
    if (i < 0) {
        pp("XTabWidget::enable_panel, pan not found !");
        return;
    }
    setTabEnabled(i, enable);
}

} // namespace gen::qt
