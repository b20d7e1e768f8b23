#pragma once

// A plain menu, kept so menus are built from the toolkit's own types.

#include <QMenu>

namespace gen::qt {

class GMenu : public QMenu {
public:
    explicit GMenu(QWidget* parent = nullptr);
    ~GMenu() override;
};

} // namespace gen::qt
