#pragma once

// The log panel: a GLogView that shows the latest lines the logger writes, from
// any thread, plus a line limit, font size, clearing and copying. A panel keeps
// kDefaultMaxLines lines until set_max_lines() says otherwise. Build and use it
// on the GUI thread; the appender it registers may be called from any thread.

#include "gen/qt/GPanel.h"

class QFont;
class QPlainTextEdit;

namespace gen::qt {

class GLogView;
class LogInbox;

class GPanelLog : public GPanel {
public:
    // About eight hours of the fastest animation's lines, in a few MiB; the
    // settings store's default for "log/gui/maxLines" is the same.
    static constexpr int kDefaultMaxLines = 50000;

    GPanelLog();
    ~GPanelLog() override;

    // The oldest lines leave once there are more than `lines`; 0 keeps every
    // line. Negatives are refused. Standard output gets every line regardless.
    void set_max_lines(int lines);
    int get_max_lines() const;

    // Sizes below one point are refused.
    void set_font_size(int points);
    int get_font_size() const { return fontSize; }
    void clear();
    void copy_to_clipboard();

    GLogView* get_view() const { return view; }

private:
    GLogView* view = nullptr;
    LogInbox* inbox = nullptr;
    int fontSize = 9;
};

// A plain, uncoloured log component in a new horizontal sub-panel of `parent`;
// returns the text view. It stops receiving lines when the view is destroyed.
QPlainTextEdit* create_log_component(GPanel* parent);

// The font of the log views: the family "Monospace" at `points`.
QFont log_font(int points);

} // namespace gen::qt
