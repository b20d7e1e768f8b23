#include "gen/tools/GSettings.h"

#include "gen/GLog.h"
#include "gen/qt/GPanelLog.h"

#include <QEvent>
#include <QMainWindow>
#include <QSplitter>
#include <QTimerEvent>

#include <cstdio>

namespace gen::qt {

GSettings* baseSettings = nullptr;

namespace {

constexpr const char* kSource = "gen/tools/GSettings";

const QString kTheme = QStringLiteral("ui/theme");
const QString kConfigVersion = QStringLiteral("config/version");
const QString kGuiLogEnabled = QStringLiteral("log/gui/enabled");
const QString kGuiLogFontSize = QStringLiteral("log/gui/fontSize");
const QString kGuiLogMaxLines = QStringLiteral("log/gui/maxLines");
const QString kLogLevel = QStringLiteral("log/level");
const QString kLogDigits = QStringLiteral("log/digits");
const QString kWinGeometry = QStringLiteral("ui/win/geometry");
const QString kWinState = QStringLiteral("ui/win/state");
const QString kWinSplitter = QStringLiteral("ui/win/splitter");

constexpr unsigned int kDefaultTheme = 1; // the dark theme
constexpr unsigned int kDefaultConfigVersion = 99;
constexpr bool kDefaultGuiLogEnabled = true;
constexpr unsigned int kDefaultGuiLogFontSize = 9;
// The panel's own default, so a panel without a stored limit and one with it agree.
constexpr unsigned int kDefaultGuiLogMaxLines = GPanelLog::kDefaultMaxLines;
constexpr unsigned int kDefaultLogLevel = 0;
constexpr unsigned int kDefaultLogDigits = 6;

// A drag changes a value on every mouse move; the file, rewritten and synced
// whole each time, is written at most this often while it goes on.
constexpr int kWriteIntervalMs = 1000;

} // namespace

GSettings::GSettings() : QSettings() {}

GSettings::GSettings(const QString& fileName, QSettings::Format format) : QSettings(fileName, format) {}

GSettings::~GSettings() {
    // A change whose write request has not been delivered yet is written by
    // QSettings' own destructor.
    if (writeTimer.isActive()) sync();
}

// QSettings posts itself one update request after the first change since its
// last sync and writes the file when it arrives. Holding that request back
// until the timer fires makes the write a throttle, not a debounce: a drag
// that never pauses still reaches the file every interval. Until sync() runs
// QSettings posts no further request, so the timer is armed once per write.
bool GSettings::event(QEvent* e) {
    if (e->type() != QEvent::UpdateRequest) return QSettings::event(e);
    if (!writeTimer.isActive()) writeTimer.start(kWriteIntervalMs, this);
    return true;
}

void GSettings::timerEvent(QTimerEvent* e) {
    if (e->timerId() != writeTimer.timerId()) return QSettings::timerEvent(e);
    writeTimer.stop();
    sync();
}

QString GSettings::effective_key(const QString& key, const QObject* object) {
    if (!object) return key;
    return key + QLatin1Char('@') + object->objectName();
}

void GSettings::set(const QString& key, const QVariant& value, const QObject* object) {
    setValue(effective_key(key, object), value);
}

void GSettings::set(const QString& key, const Qt::GlobalColor& color, const QObject* object) {
    setValue(effective_key(key, object), QColor(color));
}

unsigned int GSettings::get_uint(const QString& key, unsigned int def, const QObject* object) const {
    return get<unsigned int>(key, def, object);
}

int GSettings::get_int(const QString& key, int def, const QObject* object) const {
    return get<int>(key, def, object);
}

float GSettings::get_float(const QString& key, float def, const QObject* object) const {
    return get<float>(key, def, object);
}

double GSettings::get_double(const QString& key, double def, const QObject* object) const {
    return get<double>(key, def, object);
}

QColor GSettings::get_color(const QString& key, QColor def, const QObject* object) const {
    const QVariant stored = value(effective_key(key, object));
    if (!stored.isValid()) return def;
    const QColor color = stored.value<QColor>();
    return color.isValid() ? color : def;
}

void GSettings::set_rect(const QString& key, const QRect& rect) {
    setValue(key, rect);
}
QRect GSettings::get_rect(const QString& key, const QRect& def) const {
    return get<QRect>(key, def);
}
void GSettings::set_point(const QString& key, const QPoint& point) {
    setValue(key, point);
}
QPoint GSettings::get_point(const QString& key, const QPoint& def) const {
    return get<QPoint>(key, def);
}
void GSettings::set_size(const QString& key, const QSize& size) {
    setValue(key, size);
}
QSize GSettings::get_size(const QString& key, const QSize& def) const {
    return get<QSize>(key, def);
}

void GSettings::set_theme(unsigned int theme) {
    setValue(kTheme, theme);
}
unsigned int GSettings::get_theme() const {
    return get<unsigned int>(kTheme, kDefaultTheme);
}

void GSettings::set_config_version(unsigned int version) {
    setValue(kConfigVersion, version);
}
unsigned int GSettings::get_config_version() const {
    return get<unsigned int>(kConfigVersion, kDefaultConfigVersion);
}

void GSettings::set_gui_log_enabled(bool enabled) {
    setValue(kGuiLogEnabled, enabled);
}
bool GSettings::is_gui_log_enabled() const {
    return get<bool>(kGuiLogEnabled, kDefaultGuiLogEnabled);
}

void GSettings::set_gui_log_font_size(unsigned int points) {
    setValue(kGuiLogFontSize, points);
}
unsigned int GSettings::get_gui_log_font_size() const {
    return get<unsigned int>(kGuiLogFontSize, kDefaultGuiLogFontSize);
}

void GSettings::set_gui_log_max_lines(unsigned int lines) {
    setValue(kGuiLogMaxLines, lines);
}
unsigned int GSettings::get_gui_log_max_lines() const {
    return get<unsigned int>(kGuiLogMaxLines, kDefaultGuiLogMaxLines);
}

void GSettings::set_log_level(unsigned int level) {
    setValue(kLogLevel, level);
}
unsigned int GSettings::get_log_level() const {
    return get<unsigned int>(kLogLevel, kDefaultLogLevel);
}

void GSettings::set_log_digits(unsigned int digits) {
    setValue(kLogDigits, digits);
}
unsigned int GSettings::get_log_digits() const {
    return get<unsigned int>(kLogDigits, kDefaultLogDigits);
}

bool GSettings::check_update_config(unsigned int required, bool clear) {
    if (get_config_version() >= required) return false;
    if (clear) {
        std::fputs("CLEAR CONFIG\n", stdout);
        std::fflush(stdout);
        QSettings::clear();
        sync();
    }
    set_config_version(required);
    return true;
}

void GSettings::save_win(const QMainWindow* win) {
    if (!win) nullPointerHandling(kSource, __LINE__, QStringLiteral("win == NULL"));
    setValue(effective_key(kWinGeometry, win), win->saveGeometry());
    setValue(effective_key(kWinState, win), win->saveState(0));
}

bool GSettings::restore_win(QMainWindow* win) {
    if (!win) nullPointerHandling(kSource, __LINE__, QStringLiteral("win == NULL"));
    const QByteArray geometry = get<QByteArray>(kWinGeometry, {}, win);
    const QByteArray state = get<QByteArray>(kWinState, {}, win);
    const bool placed = !geometry.isEmpty() && win->restoreGeometry(geometry);
    if (!state.isEmpty()) win->restoreState(state, 0);
    return placed;
}

void GSettings::save_splitter_state(QSplitter* splitter) {
    if (!splitter) nullPointerHandling(kSource, __LINE__, QStringLiteral("splitter == NULL"));
    setValue(effective_key(kWinSplitter, splitter), splitter->saveState());
}

void GSettings::restore_splitter_state(QSplitter* splitter) {
    if (!splitter) nullPointerHandling(kSource, __LINE__, QStringLiteral("splitter == NULL"));
    const QByteArray state = get<QByteArray>(kWinSplitter, {}, splitter);
    if (!state.isEmpty()) splitter->restoreState(state);
}

} // namespace gen::qt
