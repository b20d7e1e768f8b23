#include "gen/tools/LogConfig.h"

#include "gen/GLog.h"
#include "gen/tools/GSettings.h"

#include <cstdio>

namespace gen::log {

namespace {
const QString kControl = QStringLiteral("log/control");
const QString kDigits = QStringLiteral("log/digits");
const QString kLevel = QStringLiteral("log/level");

// What an empty store yields; a fresh record's own values differ on purpose.
constexpr unsigned int kStoredControl = LOG_CONTROL_DEFAULT;
constexpr unsigned int kStoredDigits = 4;
constexpr unsigned int kStoredLevel = DEBUG;
} // namespace

void LogConfig::read_from_logger() {
    logControl = get_control_bits();
    digits = get_log_digits();
    logLevel = static_cast<std::uint32_t>(get_log_level());
}

void LogConfig::write_to_logger() const {
    set_control_bits(logControl);
    set_log_digits(digits);
    set_log_level(static_cast<int>(logLevel));
}

void LogConfig::read_from_settings() {
    const qt::GSettings* settings = qt::baseSettings;
    if (!settings) return;
    logControl = settings->get_uint(kControl, kStoredControl);
    digits = settings->get_uint(kDigits, kStoredDigits);
    logLevel = settings->get_uint(kLevel, kStoredLevel);
}

void LogConfig::write_to_settings() const {
    qt::GSettings* settings = qt::baseSettings;
    if (!settings) return;
    settings->setValue(kControl, static_cast<unsigned int>(logControl));
    settings->setValue(kDigits, static_cast<unsigned int>(digits));
    settings->setValue(kLevel, static_cast<unsigned int>(logLevel));
}

void LogConfig::show() const {
    std::printf("LogConfig:\n   logControl:%d\n   digits:%u\n   logLevel:%u\n", logControl != 0 ? 1 : 0,
                static_cast<unsigned int>(digits), static_cast<unsigned int>(logLevel));
    std::fflush(stdout);
}

} // namespace gen::log
