#pragma once

#include <QBasicTimer>
#include <QByteArray>
#include <QColor>
#include <QMetaType>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QVariant>

#include <limits>
#include <type_traits>

class QEvent;
class QMainWindow;
class QSplitter;
class QTimerEvent;

namespace gen::qt {

/// The library's persistent key-value store: QSettings with typed getters that
/// always carry a default, optional per-object keys, window and splitter state.
/// Lives on the GUI thread only; a change is visible at once but reaches the
/// file at most once a second, and for certain when the store goes.
class GSettings : public QSettings {
public:
    /// The application's store: default format and scope for the organisation
    /// and application names set beforehand.
    GSettings();
    /// A store in an explicit file, for tools and tests.
    GSettings(const QString& fileName, QSettings::Format format);
    /// Writes a change still waiting for its turn.
    ~GSettings() override;

    /// `key`, or `key@objectName` when an object is given.
    static QString effective_key(const QString& key, const QObject* object);

    /// Stores `value` under effective_key().
    void set(const QString& key, const QVariant& value, const QObject* object = nullptr);
    /// Stores the colour as a QColor, which get_color() reads back.
    void set(const QString& key, const Qt::GlobalColor& color, const QObject* object = nullptr);

    /// The stored value converted to T; `def` when nothing is stored or the
    /// stored type cannot be converted to T at all, T's zero value when the
    /// conversion is possible in principle but fails for this value. A number
    /// outside T's range counts as failed rather than wrapping around.
    template <typename T>
    T get(const QString& key, const T& def, const QObject* object = nullptr) const {
        const QVariant stored = value(effective_key(key, object));
        if (!stored.isValid()) return def;
        const QMetaType target = QMetaType::fromType<T>();
        if (!QMetaType::canConvert(stored.metaType(), target)) return def;
        if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>) {
            bool ok = false;
            if constexpr (std::is_signed_v<T>) {
                const qlonglong v = stored.toLongLong(&ok);
                if (!ok || v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) return T{};
                return static_cast<T>(v);
            } else {
                const qulonglong v = stored.toULongLong(&ok);
                if (!ok || v > std::numeric_limits<T>::max()) return T{};
                return static_cast<T>(v);
            }
        } else {
            QVariant converted = stored;
            if (!converted.convert(target)) return T{};
            return converted.value<T>();
        }
    }

    /// get() as unsigned int.
    unsigned int get_uint(const QString& key, unsigned int def, const QObject* object = nullptr) const;
    /// get() as int.
    int get_int(const QString& key, int def, const QObject* object = nullptr) const;
    /// get() as float.
    float get_float(const QString& key, float def, const QObject* object = nullptr) const;
    /// get() as double.
    double get_double(const QString& key, double def, const QObject* object = nullptr) const;
    /// The stored colour; `def` when nothing is stored or the value is not a valid colour.
    QColor get_color(const QString& key, QColor def, const QObject* object = nullptr) const;

    /// Stores a rectangle under `key`, which takes no object.
    void set_rect(const QString& key, const QRect& rect);
    /// The rectangle under `key`, as get() reads it.
    QRect get_rect(const QString& key, const QRect& def) const;
    /// Stores a point under `key`.
    void set_point(const QString& key, const QPoint& point);
    /// The point under `key`, as get() reads it.
    QPoint get_point(const QString& key, const QPoint& def) const;
    /// Stores a size under `key`.
    void set_size(const QString& key, const QSize& size);
    /// The size under `key`, as get() reads it.
    QSize get_size(const QString& key, const QSize& def) const;

    /// "ui/theme", the theme number to apply at start-up.
    void set_theme(unsigned int theme);
    /// "ui/theme"; the dark theme, 1, when none is stored.
    unsigned int get_theme() const;
    /// "config/version", what check_update_config() compares.
    void set_config_version(unsigned int version);
    /// "config/version"; 99 when none is stored.
    unsigned int get_config_version() const;
    /// "log/gui/enabled", whether the program shows its log panel.
    void set_gui_log_enabled(bool enabled);
    /// "log/gui/enabled"; true when nothing is stored.
    bool is_gui_log_enabled() const;
    /// "log/gui/fontSize", the log panel's font size in points.
    void set_gui_log_font_size(unsigned int points);
    /// "log/gui/fontSize"; 9 when nothing is stored.
    unsigned int get_gui_log_font_size() const;
    /// Lines the log panel keeps before the oldest leave; 0 keeps every line.
    void set_gui_log_max_lines(unsigned int lines);
    /// "log/gui/maxLines"; GPanelLog::kDefaultMaxLines when nothing is stored.
    unsigned int get_gui_log_max_lines() const;
    /// "log/level", the key LogConfig reads for the logger's threshold.
    void set_log_level(unsigned int level);
    /// "log/level"; 0 (ERROR) when nothing is stored, where LogConfig assumes DEBUG.
    unsigned int get_log_level() const;
    /// "log/digits", the key LogConfig reads for the line number's width.
    void set_log_digits(unsigned int digits);
    /// "log/digits"; 6 when nothing is stored, where LogConfig assumes 4.
    unsigned int get_log_digits() const;

    /// Wipes the store (when `clear`) and records `required` if the stored
    /// configuration version is older; returns whether it was older. Wiping
    /// also writes "CLEAR CONFIG" to standard output.
    bool check_update_config(unsigned int required, bool clear);

    /// Stores the window's geometry and its tool bars' and docks' state under
    /// keys of its object name; a null window ends the process through nullPointerHandling().
    void save_win(const QMainWindow* win);
    /// Restores what save_win() stored for a window of this object name; what
    /// is missing stays as it is. Returns whether a stored geometry was taken:
    /// false when none is stored or Qt refuses it (one saved on a screen of
    /// another size). A null window ends the process.
    bool restore_win(QMainWindow* win);
    /// Stores the splitter's sizes under a key of its object name; a null
    /// splitter ends the process.
    void save_splitter_state(QSplitter* splitter);
    /// Restores what save_splitter_state() stored; nothing when nothing is. A
    /// null splitter ends the process.
    void restore_splitter_state(QSplitter* splitter);

protected:
    /// Holds back QSettings' request to write the file until the write timer
    /// fires, so a drag that never pauses still reaches the file once a second.
    bool event(QEvent* e) override;
    /// Writes the file when the write timer fires.
    void timerEvent(QTimerEvent* e) override;

private:
    QBasicTimer writeTimer;
};

/// The application's store for library code that does not know its class;
/// null until start-up sets it, and library code then skips its settings work.
/// Not owned: clear it before the store goes.
extern GSettings* baseSettings;

} // namespace gen::qt
