#pragma once

// The application's main window: the four demonstration panels in tabs above
// the log panel, and a row of controls for the log and the window.

#include "gen/qt/GMainWindow.h"

class MySettings;

namespace gen::qt {
class GPanelLog;
class GSplitter;
class GTab;
} // namespace gen::qt

class Window : public gen::qt::GMainWindow {
public:
    Window();
    ~Window() override;

    // Builds the content; once, before the window is shown.
    void ini();
    gen::qt::GPanelLog* get_panel_log() override;
    void test_transparent_dialog();

private:
    gen::qt::GTab* tab = nullptr;
    gen::qt::GSplitter* splitter = nullptr;
    MySettings* settings = nullptr;
    gen::qt::GPanelLog* panelLog = nullptr;
};
