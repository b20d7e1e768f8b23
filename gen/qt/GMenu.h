#pragma once

#include <QMenu>

namespace gen::qt {

/// A plain menu, kept so menus are built from the toolkit's own types.
class GMenu : public QMenu {
public:
    /// An empty menu owned by `parent` as Qt's parent.
    explicit GMenu(QWidget* parent = nullptr);
    ~GMenu() override;
};

} // namespace gen::qt
