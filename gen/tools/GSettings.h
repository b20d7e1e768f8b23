#pragma once

// The library's persistent key-value store: QSettings with typed getters that
// always carry a default, optional per-object keys, window and splitter state.
// Lives on the GUI thread only; a change is visible at once but reaches the
// file at most once a second, and for certain when the store goes.

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

class GSettings : public QSettings {
public:
    // The application's store: default format and scope for the organisation
    // and application names set beforehand.
    GSettings();
    // A store in an explicit file, for tools and tests.
    GSettings(const QString& fileName, QSettings::Format format);
    ~GSettings() override;

    // `key`, or `key@objectName` when an object is given.
    static QString effective_key(const QString& key, const QObject* object);

    void set(const QString& key, const QVariant& value, const QObject* object = nullptr);
    void set(const QString& key, const Qt::GlobalColor& color, const QObject* object = nullptr);

    // The stored value converted to T; `def` when nothing is stored or the
    // stored type cannot be converted to T at all, T's zero value when the
    // conversion is possible in principle but fails for this value. A number
    // outside T's range counts as failed rather than wrapping around.
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

    unsigned int get_uint(const QString& key, unsigned int def, const QObject* object = nullptr) const;
    int get_int(const QString& key, int def, const QObject* object = nullptr) const;
    float get_float(const QString& key, float def, const QObject* object = nullptr) const;
    double get_double(const QString& key, double def, const QObject* object = nullptr) const;
    QColor get_color(const QString& key, QColor def, const QObject* object = nullptr) const;

    void set_rect(const QString& key, const QRect& rect);
    QRect get_rect(const QString& key, const QRect& def) const;
    void set_point(const QString& key, const QPoint& point);
    QPoint get_point(const QString& key, const QPoint& def) const;
    void set_size(const QString& key, const QSize& size);
    QSize get_size(const QString& key, const QSize& def) const;

    void set_theme(unsigned int theme);
    unsigned int get_theme() const;
    void set_config_version(unsigned int version);
    unsigned int get_config_version() const;
    void set_gui_log_enabled(bool enabled);
    bool is_gui_log_enabled() const;
    void set_gui_log_font_size(unsigned int points);
    unsigned int get_gui_log_font_size() const;
    // Lines the log panel keeps before the oldest leave; 0 keeps every line.
    void set_gui_log_max_lines(unsigned int lines);
    unsigned int get_gui_log_max_lines() const;
    void set_log_level(unsigned int level);
    unsigned int get_log_level() const;
    void set_log_digits(unsigned int digits);
    unsigned int get_log_digits() const;

    // Wipes the store (when `clear`) and records `required` if the stored
    // configuration version is older; returns whether it was older.
    bool check_update_config(unsigned int required, bool clear);

    void save_win(const QMainWindow* win);
    // Returns whether a stored geometry was taken: false when none is stored
    // or Qt refuses it (one saved on a screen of another size).
    bool restore_win(QMainWindow* win);
    void save_splitter_state(QSplitter* splitter);
    void restore_splitter_state(QSplitter* splitter);

protected:
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    QBasicTimer writeTimer;
};

// The application's store for library code that does not know its class;
// null until start-up sets it, and library code then skips its settings work.
extern GSettings* baseSettings;

} // namespace gen::qt
