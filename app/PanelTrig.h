#pragma once

#include "gen/qt/GPanel.h"
#include "gen/qt/GTimer.h"

// The "Trigonometry" tab: the animated plot above its run button, sliders for
// speed, x range and amplitude, and one check box per function. Every change
// is applied at once and kept in the application settings. GUI thread only.
class PanelTrig : public gen::qt::GPanel {
public:
    PanelTrig();
    ~PanelTrig() override;

    // Drives the animation; its interval follows the Speed slider.
    const gen::qt::GTimer& get_timer() const { return timer; }

private:
    gen::qt::GTimer timer;
};
