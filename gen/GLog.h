#pragma once

/// \file
/// The process-wide logger: a level test, a configurable trailer (line number,
/// level tag, time stamp, thread number), up to two GUI appenders and standard
/// output. Thread-safe: each writer builds its line on its own thread, then
/// numbers, hands over and writes it under one mutex, so lines never interleave
/// and their numbers follow the output order.

#include "gen/GFormat.h"
#include "gen/GTime.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

/// The library: logging, listeners, "$" formatting, string and time helpers,
/// and in gen::qt a widget toolkit.
namespace gen {

/// The logger's settings, its appenders and the parts of a line's trailer.
namespace log {

/// The level of a line; a line is written when its level is at most the threshold.
/// A fixed underlying type: callers may pass any int, which the trailer tags "NOP".
enum LOG_LEVEL : int {
    ERROR = 0, ///< tagged "ERR"
    WARN = 1,  ///< tagged "WRN"
    INFO = 2,  ///< tagged "INF"
    DEBUG = 3  ///< tagged "DEB"; the threshold before configuration
};

// Control bits selecting the fields of a line's trailer.
inline constexpr unsigned int LOG_ABS_TIME = 16;   ///< wall-clock time instead of time since start
inline constexpr unsigned int LOG_MICRO = 32;      ///< microsecond instead of millisecond fraction
inline constexpr unsigned int LOG_NUMBER = 64;     ///< line number
inline constexpr unsigned int LOG_LEVEL_TAG = 128; ///< level tag
inline constexpr unsigned int LOG_TIME = 256;      ///< time stamp
inline constexpr unsigned int LOG_THREAD = 512;    ///< thread number
/// Number, time, thread, wall clock (and the unused bits 2, 4, 8): the
/// value before configuration and the default of the stored setting.
inline constexpr unsigned int LOG_CONTROL_DEFAULT = 862;
/// The same plus the level tag: the default of a fresh configuration record.
inline constexpr unsigned int LOG_CONTROL_FULL = 990;

/// The threshold that set_log_level() writes; read without a lock by every line.
extern std::atomic<int> logLevel;
/// The trailer bits that set_control_bits() writes; read without a lock by every line.
extern std::atomic<std::uint32_t> atomicLogBits;

/// A GUI sink: gets each written line, trailer included, without its line feed.
using GuiAppender = std::function<void(QString)>;
/// A GUI sink that also gets the line's level.
using GuiAppenderExt = std::function<void(QString, LOG_LEVEL)>;

namespace detail {
void write_line(LOG_LEVEL level, const char* text, std::size_t size);
}

/// The one writer; any thread may call it, an appender never. A message above
/// the threshold costs one atomic load. A null text is logged as "nullptr";
/// bytes that are not UTF-8 become U+FFFD.
inline void log_string(LOG_LEVEL level, const char* text) {
    if (static_cast<int>(level) > logLevel.load(std::memory_order_relaxed)) return;
    detail::write_line(level, text, text ? std::char_traits<char>::length(text) : 0);
}

/// The same for a string, which may hold U+0000.
inline void log_string(LOG_LEVEL level, const std::string& text) {
    if (static_cast<int>(level) > logLevel.load(std::memory_order_relaxed)) return;
    detail::write_line(level, text.data(), text.size());
}

/// Lines above `level` are skipped: -1 silences the logger, DEBUG or more
/// writes everything. Any thread; lines already past the test are still written.
void set_log_level(int level);
/// The threshold set last.
int get_log_level();
/// The LOG_* bits that select the trailer's fields; other bits are kept and
/// ignored. Any thread; each field reads the bits when it is written.
void set_control_bits(unsigned int bits);
/// The bits set last, unknown ones included.
unsigned int get_control_bits();
/// The width of the zero-filled line number; wider than 255 is written 255
/// wide. Takes the logger's mutex, so never from an appender.
void set_log_digits(unsigned int n);
/// The width set last, as given.
unsigned int get_log_digits();

/// Records the start time and the main thread, then applies the stored log
/// configuration. The arguments are not read. Call it once on the main
/// thread after the settings store exists: it overwrites the level, digits
/// and bits, and without a store gives them a fresh LogConfig's values.
void configure(int argc, char** argv);
/// The same without the unused arguments.
void configure();

/// Replaces the stored appender; an empty callable switches it off. Appenders run
/// on the logging thread with the logger's mutex held, so they must not log.
/// Thread-safe: the setters take the same mutex, so once one returns no line is
/// still being handed to the previous appender. Never call them from an appender.
/// An appender set on behalf of an `owner` is switched off by the matching
/// remove only while it is still the one in place, so a component going away
/// never silences a newer one that took its place. The previous appender is
/// destroyed after the mutex is released.
void set_gui_appender(GuiAppender appender, const void* owner = nullptr);
/// The same for the appender that also gets the level; the two slots are independent.
void set_gui_appender_ext(GuiAppenderExt appender, const void* owner = nullptr);
/// Switches the appender off if `owner` set the one in place; a null owner does nothing.
void remove_gui_appender(const void* owner);
/// The same for the appender that also gets the level.
void remove_gui_appender_ext(const void* owner);

/// Makes now the zero of the relative time stamps and returns it, in
/// microseconds since the epoch. configure() does the same.
long long start_log_time();
/// Microseconds since that zero; before the first configure() or
/// start_log_time(), since the epoch.
long long get_time_since_start();

/// The prefix of one line; each call with the number bit set uses up a line
/// number. Takes the logger's mutex, so an appender must not call it.
std::string trailler(LOG_LEVEL level);
/// The same as a QString.
QString qtrailler(LOG_LEVEL level);
/// The local time formatted by strftime's `format`, then a comma and three
/// or six digits of the second by `fraction`. Not `absolute`: the time since
/// the zero as "hh:mm,ss,mmm.uuu", and `format` and `fraction` are ignored.
std::string get_time_stamp(bool absolute, const std::string& format, gen::time::FORM_SECOND fraction);

/// The same number as gen::get_fast_thread_id().
int get_current_threadID();

} // namespace log

/// The logger's lock, held while a line is numbered, handed to the appenders
/// and written. Code outside the logger has no reason to take it; whoever
/// holds it must not log.
extern std::mutex mutexWorker;
/// The main thread's number, recorded by log::configure(); 0 before.
extern std::atomic<std::uint32_t> th_id_main;
/// The next thread number to hand out.
extern std::atomic<std::uint32_t> g_tid_counter;

/// Small sequential thread numbers starting at 1, never reused; a thread
/// gets its number the first time it asks or logs with the thread field.
int get_fast_thread_id();
/// The same number as get_fast_thread_id().
int get_thread_id();
/// Whether the calling thread called log::configure() last; false on every
/// thread before that.
bool is_main_thread();
/// Sleeps the calling thread; 0 and values past the largest signed 64-bit number return at once.
void gSleep(unsigned long long ms);

/// Fatal check: writes "nullptr:" and `text`, the `file` and `line` to
/// standard output, bypassing the logger, waits five seconds and ends the
/// process with exit code 1 without running destructors, so unsaved settings
/// are lost. Any thread.
[[noreturn]] void nullPointerHandling(const char* file, int line, const QString& text);
/// The same for a failed condition described by `text`.
[[noreturn]] void boolExpressionHandling(const char* text, int line);

/// An empty DEBUG line, trailer only.
void pp();
/// A DEBUG line; the text is not even encoded when DEBUG lines are skipped.
void pp(const QString& text);
/// A DEBUG line.
void pp(const std::string& text);
/// A DEBUG line; a null text is logged as "nullptr".
void pp(const char* text);
/// A DEBUG line after `indent` blanks.
void pp(unsigned int indent, const char* text);
/// An empty INFO line, trailer only.
void pp_info();
/// An INFO line; the text is not even encoded when INFO lines are skipped.
void pp_info(const QString& text);
/// An INFO line.
void pp_info(const std::string& text);
/// An INFO line; a null text is logged as "nullptr".
void pp_info(const char* text);
/// An INFO line after `indent` blanks.
void pp_info(unsigned int indent, const char* text);
/// An empty WARN line, trailer only.
void pp_warn();
/// A WARN line; the text is not even encoded when WARN lines are skipped.
void pp_warn(const QString& text);
/// A WARN line.
void pp_warn(const std::string& text);
/// A WARN line; a null text is logged as "nullptr".
void pp_warn(const char* text);
/// A WARN line after `indent` blanks.
void pp_warn(unsigned int indent, const char* text);
/// An empty ERROR line, trailer only.
void pp_error();
/// An ERROR line; the text is not even encoded when ERROR lines are skipped.
void pp_error(const QString& text);
/// An ERROR line.
void pp_error(const std::string& text);
/// An ERROR line; a null text is logged as "nullptr".
void pp_error(const char* text);
/// An ERROR line after `indent` blanks.
void pp_error(unsigned int indent, const char* text);

/// A numbered separator line "---- [ n ] ------" at DEBUG; each call uses up a
/// number, written or not.
void pp_line();
/// A numbered separator line "=== [ n ] ======" at INFO, counted apart from pp_line().
void pp_info_line();

/// Formats with the "$" formatter (str::xprintF()) and logs at DEBUG. Skips
/// the formatting entirely when DEBUG lines are not written.
template <typename... Args>
requires(sizeof...(Args) > 0) void pp(const char* format, const Args&... args) {
    if (static_cast<int>(log::DEBUG) > log::logLevel.load(std::memory_order_relaxed)) return;
    log::log_string(log::DEBUG, str::xprintF(0, format, args...));
}

} // namespace gen
