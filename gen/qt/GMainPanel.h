#pragma once

#include "gen/qt/GPanel.h"

namespace gen::qt {

// The central panel a main window or a dialog makes for itself.
class GMainPanel : public GPanel {
public:
    GMainPanel();
    explicit GMainPanel(GLAYOUT l);
    ~GMainPanel() override;
};

} // namespace gen::qt
