#pragma once

#include "gen/qt/GPanel.h"

namespace gen::qt {

/// The central panel a main window or a dialog makes for itself.
class GMainPanel : public GPanel {
public:
    /// A panel without a layout; set_layout() must come before widgets are added.
    GMainPanel();
    /// A panel with a layout of kind `l`.
    explicit GMainPanel(GLAYOUT l);
    ~GMainPanel() override;
};

} // namespace gen::qt
