#pragma once

#include <QTabBar>

class QMouseEvent;

namespace gen::qt {

class GTab;

/// The tab bar of GTab: a middle-button press on a tab asks to close it. GUI thread only.
class CustomTabBar : public QTabBar {
public:
    /// `tab` becomes the parent and receives the close requests.
    explicit CustomTabBar(GTab* tab);
    ~CustomTabBar() override;

protected:
    /// A middle-button press on a tab fires GTab::listenerTabCloseRequested
    /// with its index; QTabBar's own handling follows unless a listener
    /// destroyed the bar.
    void mousePressEvent(QMouseEvent* e) override;
    /// QTabBar's own handling, unchanged.
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    GTab* tabWidget;
};

} // namespace gen::qt
