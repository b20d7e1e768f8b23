#pragma once

#include "gen/qt/GPanel.h"

class QFont;
class QPlainTextEdit;

namespace gen::qt {

class GLogView;
class LogInbox;

/// The log panel: a GLogView that shows the latest lines the logger writes, from
/// any thread, plus a line limit, font size, clearing and copying. A panel keeps
/// kDefaultMaxLines lines until set_max_lines() says otherwise. Build and use it
/// on the GUI thread; the appender it registers may be called from any thread.
class GPanelLog : public GPanel {
public:
    /// About eight hours of the fastest animation's lines, in a few MiB; the
    /// settings store's default for "log/gui/maxLines" is the same.
    static constexpr int kDefaultMaxLines = 50000;

    /// Registers the panel as the logger's appender with levels, in place of
    /// any earlier GPanelLog's: only the newest panel receives lines, and only
    /// those logged after it was built. They arrive through the event loop.
    GPanelLog();
    /// Unregisters the appender; once it returns, no thread reaches the view.
    ~GPanelLog() override;

    /// The oldest lines leave once there are more than `lines`; 0 keeps every
    /// line. Negatives are refused. Standard output gets every line regardless.
    void set_max_lines(int lines);
    /// The line limit, 0 for none.
    int get_max_lines() const;

    /// Sizes below one point are refused.
    void set_font_size(int points);
    /// The font size in points, 9 until set_font_size() changes it.
    int get_font_size() const { return fontSize; }
    /// Empties the view; lines still on their way appear afterwards.
    void clear();
    /// Puts every line the view shows on the clipboard.
    void copy_to_clipboard();

    /// The view, owned by the panel.
    GLogView* get_view() const { return view; }

private:
    GLogView* view = nullptr;
    LogInbox* inbox = nullptr;
    int fontSize = 9;
};

/// A plain, uncoloured log component in a new horizontal sub-panel of `parent`;
/// returns the text view. It stops receiving lines when the view is destroyed.
/// It takes the logger's plain appender, in place of any earlier one, and keeps
/// every line: it has no line limit. A null parent ends the process through
/// nullPointerHandling().
QPlainTextEdit* create_log_component(GPanel* parent);

/// The font of the log views: the family "Monospace" at `points`, or another
/// fixed-pitch family where that one is missing.
QFont log_font(int points);

} // namespace gen::qt
