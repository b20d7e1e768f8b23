// What a windowed program costs from outside, against a baseline, on the X
// server named by DISPLAY (an Xvfb of its own, so nothing else maps windows):
//  start: time from fork() to the first Expose of the program's window (found
//         by its title), and the resident memory (VmRSS) then and 1 s later;
//  idle:  CPU time (user + system, all threads) the program spends in a given
//         number of seconds once its window has been shown for 2 s.
// Each round starts both programs, one after the other, the order swapped every
// round. The start measurement begins with one unmeasured start of each (it also
// prepares a program's settings store). Medians, ranges and ratios go to standard output; the
// programs' own output goes to /dev/null.
//
// Usage: bench_startup start ROUNDS TITLE PROGRAM BASE_TITLE BASE_PROGRAM
//        bench_startup idle ROUNDS SECONDS TITLE PROGRAM BASE_TITLE BASE_PROGRAM

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr auto kShowTimeout = std::chrono::seconds(30);
constexpr auto kRssLater = std::chrono::seconds(1);
constexpr auto kIdleSettle = std::chrono::seconds(2);
constexpr auto kExitTimeout = std::chrono::seconds(10);
constexpr auto kExitPoll = std::chrono::milliseconds(10);

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "bench_startup: %s\n", why.c_str());
    std::exit(1);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Takes over the mapping of top-level windows, as a window manager does, so
// that Expose is selected on a window before it is mapped: selecting it after
// a CreateNotify would race with the program's own MapWindow and could miss
// the first Expose. Geometry requests are passed on unchanged.
class WindowWatch {
public:
    WindowWatch() {
        conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn)) fail("cannot open the display named by DISPLAY");
        ::fcntl(xcb_get_file_descriptor(conn), F_SETFD, FD_CLOEXEC);
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
        xcb_generic_error_t* error = xcb_request_check(
            conn, xcb_change_window_attributes_checked(conn, root, XCB_CW_EVENT_MASK, &mask));
        if (error) {
            std::free(error);
            fail("another window manager runs on this display");
        }
        netWmName = atom("_NET_WM_NAME");
        utf8String = atom("UTF8_STRING");
    }
    ~WindowWatch() { xcb_disconnect(conn); }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Serves the display until `until`, or until a window titled `title` gets
    // its first Expose; returns the moment that Expose was read.
    std::optional<Clock::time_point> serve(Clock::time_point until, const std::string& title = {}) {
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(conn)) {
                const auto seen = Clock::now();
                const bool shown = handle(*event, title);
                std::free(event);
                if (shown) return seen;
            }
            if (xcb_connection_has_error(conn)) fail("lost the display");
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
            if (left.count() <= 0) return std::nullopt;
            pollfd readable{xcb_get_file_descriptor(conn), POLLIN, 0};
            ::poll(&readable, 1, static_cast<int>(left.count()));
        }
    }

private:
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            conn, xcb_intern_atom(conn, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        if (!reply) fail(std::string("cannot intern ") + name);
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    std::string title_of(xcb_window_t window) {
        constexpr std::uint32_t kMaxTitleWords = 256;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            conn, xcb_get_property(conn, 0, window, netWmName, utf8String, 0, kMaxTitleWords), nullptr);
        if (!reply) return {};
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                          static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        return title;
    }

    bool handle(const xcb_generic_event_t& event, const std::string& title) {
        constexpr std::uint8_t kSentByClient = 0x80;
        switch (event.response_type & ~kSentByClient) {
        case XCB_MAP_REQUEST: {
            const auto& request = reinterpret_cast<const xcb_map_request_event_t&>(event);
            const std::uint32_t mask = XCB_EVENT_MASK_EXPOSURE;
            xcb_change_window_attributes(conn, request.window, XCB_CW_EVENT_MASK, &mask);
            xcb_map_window(conn, request.window);
            xcb_flush(conn);
            unexposed.insert(request.window);
            return false;
        }
        case XCB_CONFIGURE_REQUEST:
            pass_on(reinterpret_cast<const xcb_configure_request_event_t&>(event));
            return false;
        case XCB_EXPOSE: {
            const xcb_window_t window = reinterpret_cast<const xcb_expose_event_t&>(event).window;
            if (unexposed.erase(window) == 0) return false;
            return !title.empty() && title_of(window) == title;
        }
        default:
            return false;
        }
    }

    void pass_on(const xcb_configure_request_event_t& request) {
        // Value order and the signed fields as the protocol lays them out.
        std::array<std::uint32_t, 7> values{};
        std::size_t n = 0;
        const std::uint16_t mask = request.value_mask;
        if (mask & XCB_CONFIG_WINDOW_X) values[n++] = static_cast<std::uint32_t>(std::int32_t{request.x});
        if (mask & XCB_CONFIG_WINDOW_Y) values[n++] = static_cast<std::uint32_t>(std::int32_t{request.y});
        if (mask & XCB_CONFIG_WINDOW_WIDTH) values[n++] = request.width;
        if (mask & XCB_CONFIG_WINDOW_HEIGHT) values[n++] = request.height;
        if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH) values[n++] = request.border_width;
        if (mask & XCB_CONFIG_WINDOW_SIBLING) values[n++] = request.sibling;
        if (mask & XCB_CONFIG_WINDOW_STACK_MODE) values[n++] = request.stack_mode;
        xcb_configure_window(conn, request.window, mask, values.data());
        xcb_flush(conn);
    }

    xcb_connection_t* conn = nullptr;
    xcb_atom_t netWmName = 0;
    xcb_atom_t utf8String = 0;
    std::set<xcb_window_t> unexposed;
};

// A program under measurement, started with no arguments and its output discarded.
struct Program {
    std::string title;
    std::string path;
};

struct Running {
    pid_t pid = 0;
    Clock::time_point forked;
};

Running launch(const Program& program) {
    Running run;
    run.forked = Clock::now();
    run.pid = ::fork();
    if (run.pid < 0) fail("fork failed");
    if (run.pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return run;
}

// Serves the display while the program closes, so nothing it waits for stalls.
void terminate(WindowWatch& watch, const Running& run) {
    ::kill(run.pid, SIGTERM);
    const auto deadline = Clock::now() + kExitTimeout;
    int status = 0;
    while (::waitpid(run.pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(run.pid, SIGKILL);
            ::waitpid(run.pid, &status, 0);
            std::fprintf(stderr, "bench_startup: pid %d ignored SIGTERM and was killed\n", run.pid);
            return;
        }
        watch.serve(Clock::now() + kExitPoll);
    }
}

Clock::time_point wait_shown(WindowWatch& watch, const Program& program, const Running& run) {
    const auto shown = watch.serve(run.forked + kShowTimeout, program.title);
    if (shown) return *shown;
    int status = 0;
    if (::waitpid(run.pid, &status, WNOHANG) == run.pid)
        fail(program.path + " ended (status " + std::to_string(status) + ") before showing \"" +
             program.title + "\"");
    terminate(watch, run);
    fail(program.path + " showed no window titled \"" + program.title + "\"");
}

std::string proc_file(pid_t pid, const char* name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

double rss_mib(pid_t pid) {
    constexpr double kKibPerMib = 1024;
    constexpr std::string_view kKey = "VmRSS:";
    std::istringstream status(proc_file(pid, "status"));
    for (std::string line; std::getline(status, line);)
        if (line.rfind(kKey, 0) == 0) return std::strtod(line.c_str() + kKey.size(), nullptr) / kKibPerMib;
    fail("no VmRSS for pid " + std::to_string(pid));
}

// utime + stime of all threads, from /proc/<pid>/stat (fields 14 and 15).
double cpu_ms(pid_t pid) {
    const std::string stat = proc_file(pid, "stat");
    // The command name may hold spaces; the fields that follow it start at the last ')'.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    constexpr int kFieldsBeforeUtime = 11;
    std::string skipped;
    for (int i = 0; i < kFieldsBeforeUtime; ++i)
        fields >> skipped;
    unsigned long long utime = 0, stime = 0;
    if (!(fields >> utime >> stime)) fail("cannot read /proc/" + std::to_string(pid) + "/stat");
    constexpr double kMsPerS = 1000;
    return static_cast<double>(utime + stime) * kMsPerS / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

struct StartFigures {
    double ms;
    double rss;
    double rssLater;
};

StartFigures measure_start(WindowWatch& watch, const Program& program) {
    const Running run = launch(program);
    const auto shown = wait_shown(watch, program, run);
    StartFigures f{Ms(shown - run.forked).count(), rss_mib(run.pid), 0};
    watch.serve(shown + kRssLater);
    f.rssLater = rss_mib(run.pid);
    terminate(watch, run);
    return f;
}

double measure_idle(WindowWatch& watch, const Program& program, std::chrono::seconds period) {
    const Running run = launch(program);
    const auto shown = wait_shown(watch, program, run);
    watch.serve(shown + kIdleSettle);
    const double before = cpu_ms(run.pid);
    watch.serve(Clock::now() + period);
    const double used = cpu_ms(run.pid) - before;
    terminate(watch, run);
    return used;
}

// One column of figures: median and range.
struct Column {
    std::vector<double> values;
    void print(const char* name, const char* unit) const {
        const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
        std::printf("  %-22s median %8.1f %s   range %8.1f to %8.1f\n", name, median(values), unit, *lo, *hi);
    }
};

void print_ratio(const char* what, const Column& ours, const Column& base) {
    std::printf("  ratio %-16s %.2f\n", what, median(ours.values) / median(base.values));
}

int run_start(int rounds, const Program& ours, const Program& base) {
    WindowWatch watch;
    for (const Program* p : {&ours, &base}) {
        const StartFigures f = measure_start(watch, *p);
        std::printf("warm-up %-18s %7.1f ms %7.1f MiB\n", p->title.c_str(), f.ms, f.rss);
    }
    Column oursMs, oursRss, oursLater, baseMs, baseRss, baseLater;
    for (int round = 0; round < rounds; ++round) {
        const bool oursFirst = round % 2 == 0;
        StartFigures a{}, b{};
        if (oursFirst) a = measure_start(watch, ours);
        b = measure_start(watch, base);
        if (!oursFirst) a = measure_start(watch, ours);
        oursMs.values.push_back(a.ms);
        oursRss.values.push_back(a.rss);
        oursLater.values.push_back(a.rssLater);
        baseMs.values.push_back(b.ms);
        baseRss.values.push_back(b.rss);
        baseLater.values.push_back(b.rssLater);
        std::printf("round %2d: %s %7.1f ms %6.1f/%6.1f MiB   %s %7.1f ms %6.1f/%6.1f MiB\n", round + 1,
                    ours.title.c_str(), a.ms, a.rss, a.rssLater, base.title.c_str(), b.ms, b.rss, b.rssLater);
        std::fflush(stdout);
    }
    std::printf("%s (%d starts)\n", ours.title.c_str(), rounds);
    oursMs.print("to first Expose", "ms");
    oursRss.print("VmRSS at Expose", "MiB");
    oursLater.print("VmRSS 1 s later", "MiB");
    std::printf("%s (%d starts)\n", base.title.c_str(), rounds);
    baseMs.print("to first Expose", "ms");
    baseRss.print("VmRSS at Expose", "MiB");
    baseLater.print("VmRSS 1 s later", "MiB");
    std::printf("%s / %s\n", ours.title.c_str(), base.title.c_str());
    print_ratio("time", oursMs, baseMs);
    print_ratio("VmRSS at Expose", oursRss, baseRss);
    print_ratio("VmRSS 1 s later", oursLater, baseLater);
    return 0;
}

int run_idle(int rounds, std::chrono::seconds period, const Program& ours, const Program& base) {
    WindowWatch watch;
    constexpr double kPercentPerMsPerS = 0.1; // 1 ms of CPU per second is 0.1 % of a core
    const double seconds = static_cast<double>(period.count());
    Column oursCpu, baseCpu;
    for (int round = 0; round < rounds; ++round) {
        const bool oursFirst = round % 2 == 0;
        double a = 0, b = 0;
        if (oursFirst) a = measure_idle(watch, ours, period);
        b = measure_idle(watch, base, period);
        if (!oursFirst) a = measure_idle(watch, ours, period);
        oursCpu.values.push_back(a);
        baseCpu.values.push_back(b);
        std::printf("round %2d: %s %7.0f ms   %s %7.0f ms   (CPU per %.0f s)\n", round + 1,
                    ours.title.c_str(), a, base.title.c_str(), b, seconds);
        std::fflush(stdout);
    }
    std::printf("CPU time per %.0f s idle, %d rounds\n", seconds, rounds);
    oursCpu.print(ours.title.c_str(), "ms");
    baseCpu.print(base.title.c_str(), "ms");
    std::printf("  as share of one core: %.2f %% and %.2f %%\n",
                median(oursCpu.values) / seconds * kPercentPerMsPerS,
                median(baseCpu.values) / seconds * kPercentPerMsPerS);
    print_ratio("CPU", oursCpu, baseCpu);
    return 0;
}

int positive(const char* text) {
    const int value = std::atoi(text);
    if (value <= 0) fail(std::string("not a positive number: ") + text);
    return value;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 6 && args[0] == "start")
        return run_start(positive(argv[2]), {args[2], args[3]}, {args[4], args[5]});
    if (args.size() == 7 && args[0] == "idle")
        return run_idle(positive(argv[2]), std::chrono::seconds(positive(argv[3])), {args[3], args[4]},
                        {args[5], args[6]});
    std::fprintf(stderr, "usage: bench_startup start ROUNDS TITLE PROGRAM BASE_TITLE BASE_PROGRAM\n"
                         "       bench_startup idle ROUNDS SECONDS TITLE PROGRAM BASE_TITLE BASE_PROGRAM\n");
    return 2;
}
