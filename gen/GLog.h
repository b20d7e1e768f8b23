#pragma once

// The process-wide logger: a level test, a configurable trailer (line number,
// level tag, time stamp, thread number), up to two GUI appenders and standard
// output. Thread-safe: each writer builds its line on its own thread, then
// numbers, hands over and writes it under one mutex, so lines never interleave
// and their numbers follow the output order.

#include "gen/GFormat.h"
#include "gen/GTime.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace gen {

namespace log {

// A fixed underlying type: callers may pass any int, which the trailer tags "NOP".
enum LOG_LEVEL : int { ERROR = 0, WARN = 1, INFO = 2, DEBUG = 3 };

// Control bits selecting the fields of a line's trailer.
inline constexpr unsigned int LOG_ABS_TIME = 16;   // wall-clock time instead of time since start
inline constexpr unsigned int LOG_MICRO = 32;      // microsecond instead of millisecond fraction
inline constexpr unsigned int LOG_NUMBER = 64;     // line number
inline constexpr unsigned int LOG_LEVEL_TAG = 128; // level tag
inline constexpr unsigned int LOG_TIME = 256;      // time stamp
inline constexpr unsigned int LOG_THREAD = 512;    // thread number
// Number, time, thread, wall clock (and the unused bits 2, 4, 8): the
// value before configuration and the default of the stored setting.
inline constexpr unsigned int LOG_CONTROL_DEFAULT = 862;
// The same plus the level tag: the default of a fresh configuration record.
inline constexpr unsigned int LOG_CONTROL_FULL = 990;

extern std::atomic<int> logLevel;
extern std::atomic<std::uint32_t> atomicLogBits;

using GuiAppender = std::function<void(QString)>;
using GuiAppenderExt = std::function<void(QString, LOG_LEVEL)>;

namespace detail {
void write_line(LOG_LEVEL level, const char* text, std::size_t size);
}

// The one writer. A message above the threshold costs one atomic load.
inline void log_string(LOG_LEVEL level, const char* text) {
    if (static_cast<int>(level) > logLevel.load(std::memory_order_relaxed)) return;
    detail::write_line(level, text, text ? std::char_traits<char>::length(text) : 0);
}

inline void log_string(LOG_LEVEL level, const std::string& text) {
    if (static_cast<int>(level) > logLevel.load(std::memory_order_relaxed)) return;
    detail::write_line(level, text.data(), text.size());
}

void set_log_level(int level);
int get_log_level();
void set_control_bits(unsigned int bits);
unsigned int get_control_bits();
void set_log_digits(unsigned int n);
unsigned int get_log_digits();

// Records the start time and the main thread, then applies the stored log
// configuration. The arguments are not read.
void configure(int argc, char** argv);
void configure();

// Replace the stored appender; an empty callable switches it off. Appenders run
// on the logging thread with the logger's mutex held, so they must not log.
// Thread-safe: the setters take the same mutex, so once one returns no line is
// still being handed to the previous appender. Never call them from an appender.
// An appender set on behalf of an `owner` is switched off by the matching
// remove only while it is still the one in place, so a component going away
// never silences a newer one that took its place.
void set_gui_appender(GuiAppender appender, const void* owner = nullptr);
void set_gui_appender_ext(GuiAppenderExt appender, const void* owner = nullptr);
void remove_gui_appender(const void* owner);
void remove_gui_appender_ext(const void* owner);

long long start_log_time();
long long get_time_since_start();

// The prefix of one line; each call with the number bit set uses up a line
// number. Takes the logger's mutex, so an appender must not call it.
std::string trailler(LOG_LEVEL level);
QString qtrailler(LOG_LEVEL level);
std::string get_time_stamp(bool absolute, const std::string& format, gen::time::FORM_SECOND fraction);

int get_current_threadID();

} // namespace log

// Serialises line building, the appenders and the console write.
extern std::mutex mutexWorker;
extern std::atomic<std::uint32_t> th_id_main;
extern std::atomic<std::uint32_t> g_tid_counter;

// Small sequential thread numbers starting at 1, never reused.
int get_fast_thread_id();
int get_thread_id();
bool is_main_thread();
void gSleep(unsigned long long ms);

// Fatal checks: print the failed check, wait five seconds, exit with code 1.
[[noreturn]] void nullPointerHandling(const char* file, int line, const QString& text);
[[noreturn]] void boolExpressionHandling(const char* text, int line);

// DEBUG
void pp();
void pp(const QString& text);
void pp(const std::string& text);
void pp(const char* text);
void pp(unsigned int indent, const char* text);
// INFO
void pp_info();
void pp_info(const QString& text);
void pp_info(const std::string& text);
void pp_info(const char* text);
void pp_info(unsigned int indent, const char* text);
// WARN
void pp_warn();
void pp_warn(const QString& text);
void pp_warn(const std::string& text);
void pp_warn(const char* text);
void pp_warn(unsigned int indent, const char* text);
// ERROR
void pp_error();
void pp_error(const QString& text);
void pp_error(const std::string& text);
void pp_error(const char* text);
void pp_error(unsigned int indent, const char* text);

// Numbered separator lines: "---- [ n ] ------" at DEBUG, "=== [ n ] ======" at INFO.
void pp_line();
void pp_info_line();

// Formats with the "$" formatter and logs at DEBUG. Skips the formatting
// entirely when DEBUG lines are not written.
template <typename... Args>
requires(sizeof...(Args) > 0) void pp(const char* format, const Args&... args) {
    if (static_cast<int>(log::DEBUG) > log::logLevel.load(std::memory_order_relaxed)) return;
    log::log_string(log::DEBUG, str::xprintF(0, format, args...));
}

} // namespace gen
