#pragma once

#include <QTabBar>

class QMouseEvent;

namespace gen::qt {

class GTab;

// The tab bar of GTab: a middle-button press on a tab asks to close it.
class CustomTabBar : public QTabBar {
public:
    // `tab` becomes the parent and receives the close requests.
    explicit CustomTabBar(GTab* tab);
    ~CustomTabBar() override;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    GTab* tabWidget;
};

} // namespace gen::qt
