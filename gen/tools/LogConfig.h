#pragma once

#include <atomic>
#include <cstdint>

namespace gen::log {

/// Carries the logger's three settings between the logger, the settings store
/// and the options dialog. A fresh record holds six digits, DEBUG and
/// LOG_CONTROL_FULL. The settings functions belong to the GUI thread, as the
/// store does.
struct LogConfig {
    /// The width of the line number, as set_log_digits() takes it.
    std::uint32_t digits = 6;
    /// The threshold, a LOG_LEVEL value.
    std::uint32_t logLevel = 3;
    /// The LOG_* trailer bits.
    std::atomic<std::uint32_t> logControl{990};

    /// Takes the logger's current values.
    void read_from_logger();
    /// Hands the values to the logger; it takes the logger's mutex, so never from an appender.
    void write_to_logger() const;
    /// Reads "log/control", "log/digits" and "log/level" from baseSettings; a
    /// missing key gives LOG_CONTROL_DEFAULT, four digits or DEBUG, not the
    /// fresh record's values. Both settings functions do nothing while there
    /// is no settings store.
    void read_from_settings();
    /// Stores the three values under the same keys.
    void write_to_settings() const;
    /// Prints the record to standard output, bypassing the logger; logControl
    /// shows as 1 when any bit is set and 0 otherwise.
    void show() const;
};

} // namespace gen::log
