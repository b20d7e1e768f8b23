#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QPlainTextEdit>
#include <QString>

#include <array>

class QTextCursor;

namespace gen::qt {

/// One line waiting for the view: its text and its LOG_LEVEL value.
struct LogEntry {
    QString line;  ///< the whole line, trailer included, without a line feed
    int level = 0; ///< a gen::log::LOG_LEVEL value
};

/// A read-only text view of log lines, each coloured by its level and the theme.
/// With a maximum block count the oldest lines leave first. GUI thread only;
/// other threads reach it through GPanelLog's appender.
class GLogView : public QPlainTextEdit {
public:
    /// An empty view without line wrapping or undo, and without a line limit.
    explicit GLogView(QWidget* parent = nullptr);
    ~GLogView() override;

    /// Appends one line in the colours of `level` and moves the cursor to it,
    /// so the view follows the newest line.
    void append_line(const QString& line, int level);
    /// The same for many lines at once, laid out and scrolled once.
    void append_lines(const QList<LogEntry>& entries);

    /// Records the theme for the lines to come and paints the background to match;
    /// lines already shown keep their colours.
    void adapt_to_settings(unsigned int theme);
    /// The theme recorded last, 0 before any.
    unsigned int get_theme() const { return theme; }

    /// Gives the memory of the lines dropped since the last release back to the
    /// system, once they add up to enough to matter; the panel calls it when a
    /// burst of lines has been shown.
    void release_dropped();

    /// The colours a line at `level` gets in the current theme: white for an
    /// unknown level or theme.
    QColor text_color(int level) const;
    /// The background of a line at `level`: black for an unknown level or theme.
    QColor line_background(int level) const;

private:
    void append_one(QTextCursor& cursor, const QString& line, int level);
    // Drops the oldest lines so that `lines` more fit under the block limit.
    void make_room(int lines);

    unsigned int theme = 0;
    qint64 droppedChars = 0;
    // Indexed by theme, then keyed by LOG_LEVEL.
    std::array<QMap<int, QColor>, 3> textColors;
    std::array<QMap<int, QColor>, 3> lineColors;
};

} // namespace gen::qt
