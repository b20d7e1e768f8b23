#pragma once

#include "gen/Listener.h"

#include <QTabWidget>

class QWidget;

namespace gen::qt {

class GPanel;

/// The tab widget of the main window: each tab event is reported once by index
/// and once by page; a middle-button press on a tab asks to close it.
///
/// A listener may remove pages or destroy the tab widget: the page listener
/// is skipped then. GUI thread only.
class GTab : public QTabWidget {
public:
    /// An empty tab widget with a CustomTabBar.
    explicit GTab(QWidget* parent = nullptr);
    ~GTab() override;

    /// -1 when `pan` is not a page here; a null panel ends the process through nullPointerHandling().
    int index_from_panel(const GPanel* pan) const;
    /// A page that is not here is logged at DEBUG and ignored; a null panel ends the process.
    void enable_tab(GPanel* pan, bool enable);

    /// Panel listeners fire only for pages that are GPanels, after the index listener.
    Listener<GPanel*> listenerPanelChanged;
    /// Fired by a tab's close button; a middle-button press reaches only listenerTabCloseRequested.
    Listener<GPanel*> listenerPanelCloseRequested;
    /// Fired by a click on a tab.
    Listener<GPanel*> listenerPanelClicked;
    /// Fired by a double click on a tab.
    Listener<GPanel*> listenerPanelDoubleClicked;
    /// Fired with the new current index, -1 when the last page went.
    Listener<int> listenerCurrentChanged;
    /// Fired by a tab's close button or a middle-button press on a tab; nothing closes by itself.
    Listener<int> listenerTabCloseRequested;
    /// Fired with the index of a clicked tab, -1 for a click beside the tabs.
    Listener<int> listenerTabBarClicked;
    /// Fired with the index of a double-clicked tab, -1 beside the tabs.
    Listener<int> listenerTabBarDoubleClicked;
};

} // namespace gen::qt
