#pragma once

// The log panel: a GLogView that shows every line the logger writes, from any
// thread, plus font size, clearing and copying. Build and use it on the GUI
// thread; the appender it registers may be called from any thread.

#include "gen/qt/GPanel.h"

class QFont;
class QPlainTextEdit;

namespace gen::qt {

class GLogView;
class LogInbox;

class GPanelLog : public GPanel {
public:
    GPanelLog();
    ~GPanelLog() override;

    // Sizes below one point are refused.
    void set_font_size(int points);
    int get_font_size() const { return fontSize; }
    void clear();
    void copy_to_clipboard();

    GLogView* get_view() const { return view; }

private:
    GLogView* view = nullptr;
    int fontSize = 9;
};

// A plain, uncoloured log component in a new horizontal sub-panel of `parent`;
// returns the text view. It stops receiving lines when the view is destroyed.
QPlainTextEdit* create_log_component(GPanel* parent);

// The font of the log views: the family "Monospace" at `points`.
QFont log_font(int points);

} // namespace gen::qt
