// Lines per second through gen::log::log_string into a file, side by side with
// spdlog writing the same line layout into a file, and the cost of a call
// below the threshold. Prints the ratio ours/spdlog at the end.

#include "gen/GLog.h"

#include <benchmark/benchmark.h>
#include <spdlog/details/fmt_helper.h>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>

#include <QDir>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <map>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kMessage = "Simulation finished after 3,141.592 sec";
constexpr unsigned int kDigits = 4;

std::string benchFile(const char* name) {
    return (QDir::tempPath() + "/" + name).toStdString();
}

// Our logger writes to standard output, so standard output becomes the file.
void redirectStdoutTo(const std::string& path) {
    std::fflush(stdout);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    ::dup2(fd, STDOUT_FILENO);
    ::close(fd);
}

// spdlog counterparts of our zero-filled line and thread numbers.
class LineNumberFlag : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg&, const std::tm&, spdlog::memory_buf_t& dest) override {
        spdlog::details::fmt_helper::pad_uint(counter.fetch_add(1, std::memory_order_relaxed), kDigits, dest);
    }
    std::unique_ptr<custom_flag_formatter> clone() const override {
        return std::make_unique<LineNumberFlag>();
    }

private:
    static inline std::atomic<unsigned int> counter{0};
};

class ThreadNumberFlag : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg&, const std::tm&, spdlog::memory_buf_t& dest) override {
        static std::atomic<unsigned int> next{1};
        thread_local const unsigned int number = next.fetch_add(1, std::memory_order_relaxed);
        spdlog::details::fmt_helper::pad_uint(number, 4, dest);
    }
    std::unique_ptr<custom_flag_formatter> clone() const override {
        return std::make_unique<ThreadNumberFlag>();
    }
};

std::shared_ptr<spdlog::logger> spdlogFileLogger() {
    static std::shared_ptr<spdlog::logger> logger = [] {
        auto sink = std::make_shared<spdlog::sinks::basic_file_sink_mt>(benchFile("bench_spdlog.log"), true);
        auto result = std::make_shared<spdlog::logger>("bench", sink);
        auto formatter = std::make_unique<spdlog::pattern_formatter>();
        // The same layout as our stored default: [0012] [14:05:09,042] [0001] message
        formatter->add_flag<LineNumberFlag>('*').add_flag<ThreadNumberFlag>('Q').set_pattern(
            "[%*] [%H:%M:%S,%e] [%Q] %v");
        result->set_formatter(std::move(formatter));
        result->set_level(spdlog::level::debug);
        return result;
    }();
    return logger;
}

void BM_gen_log_string(benchmark::State& state) {
    if (state.thread_index() == 0) {
        gen::log::set_control_bits(gen::log::LOG_CONTROL_DEFAULT);
        gen::log::set_log_digits(kDigits);
        gen::log::set_log_level(gen::log::DEBUG);
    }
    for (auto _ : state)
        gen::log::log_string(gen::log::INFO, kMessage);
    state.SetItemsProcessed(state.iterations());
    if (state.thread_index() == 0) std::fflush(stdout);
}

// One line per trailer layout, single-threaded; the argument is the control bits.
void BM_gen_layout(benchmark::State& state) {
    gen::log::set_control_bits(static_cast<unsigned int>(state.range(0)));
    gen::log::set_log_digits(kDigits);
    gen::log::set_log_level(gen::log::DEBUG);
    for (auto _ : state)
        gen::log::log_string(gen::log::INFO, kMessage);
    state.SetItemsProcessed(state.iterations());
    std::fflush(stdout);
    gen::log::set_control_bits(gen::log::LOG_CONTROL_DEFAULT);
}

void BM_spdlog_file(benchmark::State& state) {
    auto logger = spdlogFileLogger();
    for (auto _ : state)
        logger->log(spdlog::level::info, spdlog::string_view_t(kMessage));
    state.SetItemsProcessed(state.iterations());
    if (state.thread_index() == 0) logger->flush();
}

// Every front form below the threshold, on a message that already exists.
template <typename Message, void (*front)(const Message&)>
void BM_gen_below_threshold(benchmark::State& state) {
    const Message message(kMessage);
    gen::log::set_log_level(gen::log::ERROR);
    for (auto _ : state) {
        benchmark::DoNotOptimize(message);
        front(message);
    }
    gen::log::set_log_level(gen::log::DEBUG);
}

void pp_char(const char* const& text) {
    gen::pp(text);
}
void pp_formatted(const char* const& text) {
    gen::pp("$ $", text, 42);
}
void pp_info_qstring(const QString& text) {
    gen::pp_info(text);
}
void pp_warn_string(const std::string& text) {
    gen::pp_warn(text);
}

void BM_spdlog_below_threshold(benchmark::State& state) {
    auto logger = spdlogFileLogger();
    logger->set_level(spdlog::level::info);
    for (auto _ : state)
        logger->log(spdlog::level::debug, spdlog::string_view_t(kMessage));
    state.SetItemsProcessed(state.iterations());
    logger->set_level(spdlog::level::debug);
}

// The layouts compared with the default 862: the same with the level tag (990),
// time since start instead of the wall clock, microseconds, everything, nothing.
BENCHMARK(BM_gen_layout)
    ->ArgName("bits")
    ->Arg(gen::log::LOG_CONTROL_DEFAULT)
    ->Arg(gen::log::LOG_CONTROL_FULL)
    ->Arg(gen::log::LOG_CONTROL_DEFAULT & ~gen::log::LOG_ABS_TIME)
    ->Arg(gen::log::LOG_CONTROL_DEFAULT | gen::log::LOG_MICRO)
    ->Arg(1023)
    ->Arg(0);
BENCHMARK(BM_gen_log_string)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(BM_spdlog_file)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(BM_gen_below_threshold<const char*, pp_char>)->Name("BM_gen_below_threshold/pp(const char*)");
BENCHMARK(BM_gen_below_threshold<const char*, pp_formatted>)->Name("BM_gen_below_threshold/pp(format, args)");
BENCHMARK(BM_gen_below_threshold<QString, pp_info_qstring>)->Name("BM_gen_below_threshold/pp_info(QString)");
BENCHMARK(BM_gen_below_threshold<std::string, pp_warn_string>)
    ->Name("BM_gen_below_threshold/pp_warn(std::string)");
BENCHMARK(BM_spdlog_below_threshold);

// Collects lines per second so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end()) rates[run.benchmark_name()] = items->second.value;
            nanos[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* out = stderr;
        for (const char* threads : {"threads:1", "threads:4"}) {
            const std::string ours = std::string("BM_gen_log_string/real_time/") + threads;
            const std::string theirs = std::string("BM_spdlog_file/real_time/") + threads;
            if (rate(ours) > 0 && rate(theirs) > 0)
                std::fprintf(out, "ratio ours/spdlog lines per second, %s: %.2f (%.0f vs %.0f)\n", threads,
                             rate(ours) / rate(theirs), rate(ours), rate(theirs));
        }
        const std::string layout = "BM_gen_layout/bits:";
        const double base = nano(layout + std::to_string(gen::log::LOG_CONTROL_DEFAULT));
        for (const auto& [name, ns] : nanos)
            if (base > 0 && name.rfind(layout, 0) == 0 && !is_spread(name))
                std::fprintf(out, "layout %s: %.0f ns, %.2f x the default\n", name.c_str(), ns, ns / base);
        for (const auto& [name, ns] : nanos)
            if (name.rfind("BM_gen_below_threshold", 0) == 0 && !is_spread(name))
                std::fprintf(out, "below the threshold, %s: %.2f ns per call\n", name.c_str(), ns);
    }

private:
    // With repetitions, only the medians are compared.
    static bool is_spread(const std::string& name) {
        return name.find("_mean") != std::string::npos || name.find("_stddev") != std::string::npos ||
               name.find("_cv") != std::string::npos;
    }
    double rate(const std::string& name) const {
        auto it = rates.find(name + "_median");
        if (it == rates.end()) it = rates.find(name);
        return it == rates.end() ? 0 : it->second;
    }
    double nano(const std::string& name) const {
        auto it = nanos.find(name + "_median");
        if (it == nanos.end()) it = nanos.find(name);
        return it == nanos.end() ? 0 : it->second;
    }

    std::map<std::string, double> rates;
    std::map<std::string, double> nanos;
};

} // namespace

int main(int argc, char** argv) {
    // The table goes to standard error: standard output is the log file.
    redirectStdoutTo(benchFile("bench_gen.log"));
    gen::log::configure();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // The files only served as sinks; they grow to hundreds of megabytes.
    std::remove(benchFile("bench_gen.log").c_str());
    std::remove(benchFile("bench_spdlog.log").c_str());
    return 0;
}
