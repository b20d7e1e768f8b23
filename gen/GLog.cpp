#include "gen/GLog.h"

#include "gen/GStr.h"
#include "gen/tools/LogConfig.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

#include <sys/stat.h>
#if defined(_WIN32)
#include <io.h>
#define HELLO_FILENO _fileno
#define HELLO_FSTAT _fstat
#define HELLO_STAT_T struct _stat
#else
#include <unistd.h>
#define HELLO_FILENO fileno
#define HELLO_FSTAT fstat
#define HELLO_STAT_T struct stat
#endif

namespace gen {

std::mutex mutexWorker;
std::atomic<std::uint32_t> th_id_main{0};
std::atomic<std::uint32_t> g_tid_counter{1};

namespace {

thread_local std::uint32_t tlsThreadId = 0; // 0: not given yet

std::uint32_t counterDebugLine = 0;
std::uint32_t counterInfoLine = 0;

} // namespace

namespace log {

std::atomic<int> logLevel{DEBUG};
std::atomic<std::uint32_t> atomicLogBits{LOG_CONTROL_DEFAULT};

namespace {

constexpr const char* kNullText = "nullptr";
constexpr const char* kClockFormat = "%H:%M:%S";
constexpr std::size_t kStrftimeBuffer = 512;
constexpr unsigned int kDefaultDigits = 6;
// A stored width far past anything useful (the options offer 3 to 9) would
// make printf fail or cut the line short; wider numbers are written this wide.
constexpr unsigned int kMaxNumberWidth = 255;
constexpr unsigned int kThreadDigits = 4;
constexpr std::size_t kScratchBytes = 2048;

// The printf format of the line number, "[%0<digits>d] ", kept with the width;
// lines are numbered directly, which gives the same text without printf's
// limits. A fixed array keeps it usable during static initialisation of other
// translation units.
struct NumberFormat {
    std::array<char, 32> text{"[%06d] "};
};
NumberFormat sNumberFormat;
std::atomic<unsigned int> digits{kDefaultDigits};
std::atomic<std::uint32_t> counter{0};
std::atomic<long long> mcStart{0};
std::atomic<bool> flushEachLine{true};
// Whether an appender is set, read before the lock; changed under it.
std::atomic<bool> anyAppender{false};

struct Appenders {
    GuiAppender gui;
    GuiAppenderExt guiExt;
    const void* guiOwner = nullptr;
    const void* guiExtOwner = nullptr;
};
// Never destroyed: a detached worker that logs while the process exits must
// not reach a destroyed callable.
Appenders& appenders() {
    static Appenders* instance = new Appenders;
    return *instance;
}

const char* level_tag(LOG_LEVEL level) {
    switch (level) {
    case ERROR:
        return "ERR";
    case WARN:
        return "WRN";
    case INFO:
        return "INF";
    case DEBUG:
        return "DEB";
    }
    return "NOP";
}

// Where a line is built before the logger's mutex is taken, so writers on
// different threads format in parallel. Trivially destructible on purpose: it
// lives until its thread ends, also on the main thread while static objects
// are destroyed, when a thread_local std::string would already be gone.
struct Scratch {
    char bytes[kScratchBytes];
};
thread_local Scratch tlsScratch;

// A line in the calling thread's scratch array, moved to the heap only when
// it outgrows it. Room is kept in front for the line number, which is known
// only under the mutex, so the whole line still leaves in one write. Not
// reentrant per thread, which holds because nothing that builds a line logs.
class LineBuffer {
public:
    LineBuffer() = default;
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

    void append(const char* s, std::size_t n) {
        reserve_more(n);
        std::memcpy(text + length, s, n);
        length += n;
    }
    void append(std::size_t n, char c) {
        reserve_more(n);
        std::memset(text + length, c, n);
        length += n;
    }
    void push_back(char c) { append(1, c); }
    LineBuffer& operator+=(char c) {
        push_back(c);
        return *this;
    }
    LineBuffer& operator+=(const char* s) {
        append(s, std::strlen(s));
        return *this;
    }
    void assign(const char* s, std::size_t n) {
        length = 0;
        append(s, n);
    }
    // Puts `n` bytes (at most kHeadroom) in front of the text.
    void prepend(const char* s, std::size_t n) {
        text -= n;
        length += n;
        std::memcpy(text, s, n);
    }
    const char* data() const { return text; }
    std::size_t size() const { return length; }

    static constexpr std::size_t kHeadroom = kMaxNumberWidth + 8;

private:
    void reserve_more(std::size_t n) {
        if (n <= capacity - length) return;
        const std::size_t wanted = std::max(length + n, 2 * capacity);
        const bool onHeap = !heap.empty() && text == heap.data() + kHeadroom;
        heap.resize(kHeadroom + wanted);
        if (!onHeap) std::memcpy(heap.data() + kHeadroom, text, length);
        text = heap.data() + kHeadroom;
        capacity = wanted;
    }

    char* text = tlsScratch.bytes + kHeadroom;
    std::size_t length = 0;
    std::size_t capacity = kScratchBytes - kHeadroom;
    std::string heap;
};

// The number field, built under the mutex; the widest one fits.
class NumberText {
public:
    void append(const char* s, std::size_t n) {
        std::memcpy(text + length, s, n);
        length += n;
    }
    void append(std::size_t n, char c) {
        std::memset(text + length, c, n);
        length += n;
    }
    NumberText& operator+=(char c) {
        text[length++] = c;
        return *this;
    }
    NumberText& operator+=(const char* s) {
        append(s, std::strlen(s));
        return *this;
    }
    const char* data() const { return text; }
    std::size_t size() const { return length; }

private:
    // "[", a sign, the digits, "] ".
    char text[kMaxNumberWidth + 8];
    std::size_t length = 0;
};

// What printf's "%0<width>d" writes for `value`: the sign first, zeros up to
// `width` characters in all.
template <typename Out>
void append_zero_filled(Out& out, long long value, unsigned int width) {
    char digitsText[24];
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    const auto end = std::to_chars(digitsText, digitsText + sizeof digitsText, magnitude).ptr;
    const std::size_t length = static_cast<std::size_t>(end - digitsText) + (value < 0 ? 1 : 0);
    if (value < 0) out += '-';
    if (width > length) out.append(width - length, '0');
    out.append(digitsText, static_cast<std::size_t>(end - digitsText));
}

// The number field; call with the mutex held, so numbers follow the order in
// which lines are written.
template <typename Out>
void append_line_number(Out& out) {
    // The format takes an int, so numbers past INT_MAX print as printf prints them.
    const int number = static_cast<int>(counter.fetch_add(1, std::memory_order_relaxed));
    out += '[';
    append_zero_filled(out, number, std::min(digits.load(std::memory_order_relaxed), kMaxNumberWidth));
    out += "] ";
}

// Formatting the whole seconds is the expensive part of a stamp and changes
// once a second, so each thread keeps its last result for the trailer's clock
// format. Trivially destructible for the same reason as the scratch array.
struct SecondsCache {
    long long seconds = -1;
    std::size_t size = 0;
    char text[kStrftimeBuffer];
};
thread_local SecondsCache tlsSeconds;

std::size_t local_seconds_text(long long seconds, const char* format, char* buffer) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return std::strftime(buffer, kStrftimeBuffer, format, &local);
}

// "hh:mm,ss,mmm.uuu": the hours take more places once past 99.
template <typename Out>
void append_elapsed(Out& out, unsigned long long us) {
    const auto perSecond = static_cast<unsigned long long>(time::US_PER_SECOND);
    const unsigned long long seconds = us / perSecond;
    const unsigned long long micros = us % perSecond;
    constexpr unsigned long long kSixty = 60;
    constexpr unsigned long long kThousand = 1000;
    append_zero_filled(out, static_cast<long long>(seconds / (kSixty * kSixty)), 2);
    out += ':';
    append_zero_filled(out, static_cast<long long>(seconds / kSixty % kSixty), 2);
    out += ',';
    append_zero_filled(out, static_cast<long long>(seconds % kSixty), 2);
    out += ',';
    append_zero_filled(out, static_cast<long long>(micros / kThousand), 3);
    out += '.';
    append_zero_filled(out, static_cast<long long>(micros % kThousand), 3);
}

template <typename Out>
void append_time_stamp(Out& out, bool absolute, const char* format, time::FORM_SECOND fraction, bool cached) {
    const long long now = time::get_micro_seconds();
    if (!absolute) {
        const long long elapsed = now - mcStart.load(std::memory_order_relaxed);
        // A clock set back must not turn into a huge unsigned duration.
        append_elapsed(out, static_cast<unsigned long long>(elapsed < 0 ? 0 : elapsed));
        return;
    }
    long long seconds = now / static_cast<long long>(time::US_PER_SECOND);
    long long micros = now % static_cast<long long>(time::US_PER_SECOND);
    if (micros < 0) { // before the epoch: keep the fraction positive
        micros += static_cast<long long>(time::US_PER_SECOND);
        --seconds;
    }
    if (cached) {
        SecondsCache& cache = tlsSeconds;
        if (cache.seconds != seconds) {
            cache.size = local_seconds_text(seconds, format, cache.text);
            cache.seconds = seconds;
        }
        out.append(cache.text, cache.size);
    } else {
        char buffer[kStrftimeBuffer];
        out.append(buffer, local_seconds_text(seconds, format, buffer));
    }
    if (fraction == time::MILLI_SECONDS) {
        out += ',';
        append_zero_filled(out, micros / 1000, 3);
    } else if (fraction == time::MICRO_SECONDS) {
        out += ',';
        append_zero_filled(out, micros, 6);
    }
}

// Every field of the trailer after the line number, and the closing blank.
// Each bit is read when its field is reached, as a concurrent change would expect.
template <typename Out>
void append_trailer_rest(Out& out, LOG_LEVEL level) {
    if (atomicLogBits.load(std::memory_order_relaxed) & LOG_LEVEL_TAG) {
        out += '[';
        out += level_tag(level);
        out += "] ";
    }
    if (atomicLogBits.load(std::memory_order_relaxed) & LOG_TIME) {
        const std::uint32_t bits = atomicLogBits.load(std::memory_order_relaxed);
        out += '[';
        append_time_stamp(out, bits & LOG_ABS_TIME, kClockFormat,
                          (bits & LOG_MICRO) ? time::MICRO_SECONDS : time::MILLI_SECONDS, true);
        out += "] ";
    }
    if (atomicLogBits.load(std::memory_order_relaxed) & LOG_THREAD) {
        out += '[';
        append_zero_filled(out, get_fast_thread_id(), kThreadDigits);
        out += ']';
    }
    out += ' ';
}

// Strict UTF-8 check (no overlongs, surrogates or code points past U+10FFFF);
// only text that fails it pays for the round trip through QString.
bool is_valid_utf8(const char* data, std::size_t size) {
    const auto* s = reinterpret_cast<const unsigned char*>(data);
    std::size_t i = 0;
    while (i < size) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (size - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Lines to a terminal or a pipe are flushed one by one so that a reader such
// as `tee` sees them at once; a regular file keeps stdio's buffering.
void update_flush_mode() {
    HELLO_STAT_T st{};
    const bool regularFile = HELLO_FSTAT(HELLO_FILENO(stdout), &st) == 0 && (st.st_mode & S_IFMT) == S_IFREG;
    flushEachLine.store(!regularFile, std::memory_order_relaxed);
}

} // namespace

namespace detail {

void write_line(LOG_LEVEL level, const char* text, std::size_t size) {
    // Everything but the line number is built before the lock, so that a
    // writer holds the mutex only to number, hand over and write its line.
    const bool numbered = atomicLogBits.load(std::memory_order_relaxed) & LOG_NUMBER;
    LineBuffer line;
    append_trailer_rest(line, level);
    if (text)
        line.append(text, size);
    else
        line += kNullText;

    // The line is read as UTF-8: malformed bytes become U+FFFD everywhere.
    // The number field is ASCII, so checking the rest is checking the line.
    if (!is_valid_utf8(line.data(), line.size())) {
        const QByteArray clean = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).toUtf8();
        line.assign(clean.constData(), static_cast<std::size_t>(clean.size()));
    }
    // Only a hint: an appender set in between gets its text under the lock.
    QString rest;
    if (anyAppender.load(std::memory_order_relaxed))
        rest = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    line += '\n';

    std::lock_guard lock(mutexWorker);
    NumberText number;
    if (numbered) append_line_number(number);

    Appenders& sinks = appenders();
    if (sinks.gui || sinks.guiExt) {
        if (rest.isNull()) rest = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size() - 1));
        const QString qline =
            number.size() ? QLatin1String(number.data(), static_cast<qsizetype>(number.size())) + rest : rest;
        if (sinks.gui) sinks.gui(qline);
        if (sinks.guiExt) sinks.guiExt(qline, level);
    }

    line.prepend(number.data(), number.size());
    std::fwrite(line.data(), 1, line.size(), stdout);
    if (flushEachLine.load(std::memory_order_relaxed)) std::fflush(stdout);
}

} // namespace detail

void set_log_level(int level) {
    logLevel.store(level, std::memory_order_relaxed);
}
int get_log_level() {
    return logLevel.load(std::memory_order_relaxed);
}

void set_control_bits(unsigned int bits) {
    atomicLogBits.store(bits, std::memory_order_relaxed);
}
unsigned int get_control_bits() {
    return atomicLogBits.load(std::memory_order_relaxed);
}

void set_log_digits(unsigned int n) {
    const std::string format = str::xprintF(0, "[%0$d] ", n);
    std::lock_guard lock(mutexWorker);
    std::strncpy(sNumberFormat.text.data(), format.c_str(), sNumberFormat.text.size() - 1);
    digits.store(n, std::memory_order_relaxed);
}

unsigned int get_log_digits() {
    return digits.load(std::memory_order_relaxed);
}

void configure(int /*argc*/, char** /*argv*/) {
    configure();
}

void configure() {
    mcStart.store(time::get_micro_seconds(), std::memory_order_relaxed);
    th_id_main.store(static_cast<std::uint32_t>(get_fast_thread_id()), std::memory_order_relaxed);
    update_flush_mode();
    LogConfig config;
    config.read_from_settings();
    config.write_to_logger();
}

namespace {

// Call with the mutex held.
void note_appenders() {
    const Appenders& sinks = appenders();
    anyAppender.store(sinks.gui || sinks.guiExt, std::memory_order_relaxed);
}

// Swaps under the mutex; the previous callable is destroyed after the unlock
// (parameters outlive the lock), so whatever it owns may take its time going
// away without holding up writers.
template <typename F>
void replace_appender(F& slot, const void*& slotOwner, F appender, const void* owner) {
    std::lock_guard lock(mutexWorker);
    std::swap(slot, appender);
    slotOwner = slot ? owner : nullptr;
    note_appenders();
}

template <typename F>
void remove_appender(F& slot, const void*& slotOwner, const void* owner) {
    F previous;
    {
        std::lock_guard lock(mutexWorker);
        if (!owner || slotOwner != owner) return;
        std::swap(slot, previous);
        slotOwner = nullptr;
        note_appenders();
    }
}

} // namespace

void set_gui_appender(GuiAppender appender, const void* owner) {
    Appenders& sinks = appenders();
    replace_appender(sinks.gui, sinks.guiOwner, std::move(appender), owner);
}
void set_gui_appender_ext(GuiAppenderExt appender, const void* owner) {
    Appenders& sinks = appenders();
    replace_appender(sinks.guiExt, sinks.guiExtOwner, std::move(appender), owner);
}
void remove_gui_appender(const void* owner) {
    Appenders& sinks = appenders();
    remove_appender(sinks.gui, sinks.guiOwner, owner);
}
void remove_gui_appender_ext(const void* owner) {
    Appenders& sinks = appenders();
    remove_appender(sinks.guiExt, sinks.guiExtOwner, owner);
}

long long start_log_time() {
    const long long now = time::get_micro_seconds();
    mcStart.store(now, std::memory_order_relaxed);
    return now;
}

long long get_time_since_start() {
    return time::get_micro_seconds() - mcStart.load(std::memory_order_relaxed);
}

std::string trailler(LOG_LEVEL level) {
    std::string out;
    std::lock_guard lock(mutexWorker); // numbers are handed out under it
    if (atomicLogBits.load(std::memory_order_relaxed) & LOG_NUMBER) append_line_number(out);
    append_trailer_rest(out, level);
    return out;
}

QString qtrailler(LOG_LEVEL level) {
    return QString::fromStdString(trailler(level));
}

std::string get_time_stamp(bool absolute, const std::string& format, time::FORM_SECOND fraction) {
    std::string out;
    append_time_stamp(out, absolute, format.c_str(), fraction, false);
    return out;
}

int get_current_threadID() {
    return get_fast_thread_id();
}

} // namespace log

int get_fast_thread_id() {
    if (tlsThreadId == 0) tlsThreadId = g_tid_counter.fetch_add(1, std::memory_order_relaxed);
    return static_cast<int>(tlsThreadId);
}

int get_thread_id() {
    return get_fast_thread_id();
}

bool is_main_thread() {
    return static_cast<std::uint32_t>(get_fast_thread_id()) == th_id_main.load(std::memory_order_relaxed);
}

void gSleep(unsigned long long ms) {
    time::sleep(ms);
}

namespace {

constexpr unsigned long long kFatalPauseMs = 5000;

// _Exit rather than exit: the check may fire with widgets alive on main's
// stack or workers still running, where static destructors could crash.
[[noreturn]] void end_process(const std::string& message, const char* farewell) {
    std::fputs(message.c_str(), stdout);
    std::fflush(stdout);
    gSleep(kFatalPauseMs);
    if (farewell) std::fputs(farewell, stdout);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void nullPointerHandling(const char* file, int line, const QString& text) {
    std::string message = "nullptr:";
    message += text.toLocal8Bit().toStdString();
    message += "\n";
    message += file ? file : "nullptr";
    message += "\nLINE:" + std::to_string(line) + "\n";
    message += "program will exit in 5 sec\n";
    end_process(message, nullptr);
}

void boolExpressionHandling(const char* text, int line) {
    std::string message = "bool expression failure:\n";
    message += text ? text : "nullptr";
    message += "\nLINE:" + std::to_string(line) + "\n";
    message += "program will exit in 5 sec\n";
    end_process(message, "program exit !\n");
}

// ---- front functions -------------------------------------------------------

namespace {

void log_qstring(log::LOG_LEVEL level, const QString& text) {
    // Encoding costs more than the whole call below the threshold.
    if (static_cast<int>(level) > log::logLevel.load(std::memory_order_relaxed)) return;
    const QByteArray utf8 = text.toUtf8();
    log::detail::write_line(level, utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

void log_indented(log::LOG_LEVEL level, unsigned int indent, const char* text) {
    if (static_cast<int>(level) > log::logLevel.load(std::memory_order_relaxed)) return;
    log::log_string(level, str::xprintF(indent, "$", text));
}

} // namespace

void pp() {
    log::log_string(log::DEBUG, "");
}
void pp(const QString& text) {
    log_qstring(log::DEBUG, text);
}
void pp(const std::string& text) {
    log::log_string(log::DEBUG, text);
}
void pp(const char* text) {
    log::log_string(log::DEBUG, text);
}
void pp(unsigned int indent, const char* text) {
    log_indented(log::DEBUG, indent, text);
}

void pp_info() {
    log::log_string(log::INFO, "");
}
void pp_info(const QString& text) {
    log_qstring(log::INFO, text);
}
void pp_info(const std::string& text) {
    log::log_string(log::INFO, text);
}
void pp_info(const char* text) {
    log::log_string(log::INFO, text);
}
void pp_info(unsigned int indent, const char* text) {
    log_indented(log::INFO, indent, text);
}

void pp_warn() {
    log::log_string(log::WARN, "");
}
void pp_warn(const QString& text) {
    log_qstring(log::WARN, text);
}
void pp_warn(const std::string& text) {
    log::log_string(log::WARN, text);
}
void pp_warn(const char* text) {
    log::log_string(log::WARN, text);
}
void pp_warn(unsigned int indent, const char* text) {
    log_indented(log::WARN, indent, text);
}

void pp_error() {
    log::log_string(log::ERROR, "");
}
void pp_error(const QString& text) {
    log_qstring(log::ERROR, text);
}
void pp_error(const std::string& text) {
    log::log_string(log::ERROR, text);
}
void pp_error(const char* text) {
    log::log_string(log::ERROR, text);
}
void pp_error(unsigned int indent, const char* text) {
    log_indented(log::ERROR, indent, text);
}

void pp_line() {
    unsigned int n;
    {
        std::lock_guard lock(mutexWorker);
        n = ++counterDebugLine;
    }
    log::log_string(log::DEBUG, str::xprintF(0, "---- [ $ ] ------", n));
}

void pp_info_line() {
    unsigned int n;
    {
        std::lock_guard lock(mutexWorker);
        n = ++counterInfoLine;
    }
    log::log_string(log::INFO, str::xprintF(0, "=== [ $ ] ======", n));
}

} // namespace gen
