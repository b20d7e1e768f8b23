#pragma once

// Carries the logger's three settings between the logger, the settings store
// and the options dialog.

#include <atomic>
#include <cstdint>

namespace gen::log {

struct LogConfig {
    std::uint32_t digits = 6;
    std::uint32_t logLevel = 3;
    std::atomic<std::uint32_t> logControl{990};

    void read_from_logger();
    void write_to_logger() const;
    // Both do nothing while there is no settings store.
    void read_from_settings();
    void write_to_settings() const;
    void show() const;
};

} // namespace gen::log
