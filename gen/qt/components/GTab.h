#pragma once

#include "gen/Listener.h"

#include <QTabWidget>

class QWidget;

namespace gen::qt {

class GPanel;

// The tab widget of the main window: each tab event is reported once by index
// and once by page; a middle-button press on a tab asks to close it.
class GTab : public QTabWidget {
public:
    explicit GTab(QWidget* parent = nullptr);
    ~GTab() override;

    // -1 when `pan` is not a page here.
    int index_from_panel(const GPanel* pan) const;
    // A page that is not here is logged and ignored.
    void enable_tab(GPanel* pan, bool enable);

    // Panel listeners fire only for pages that are GPanels, after the index listener.
    Listener<GPanel*> listenerPanelChanged;
    Listener<GPanel*> listenerPanelCloseRequested;
    Listener<GPanel*> listenerPanelClicked;
    Listener<GPanel*> listenerPanelDoubleClicked;
    Listener<int> listenerCurrentChanged;
    Listener<int> listenerTabCloseRequested;
    Listener<int> listenerTabBarClicked;
    Listener<int> listenerTabBarDoubleClicked;
};

} // namespace gen::qt
