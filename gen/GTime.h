#pragma once

// Clock readings, durations and their texts. All times are signed 64-bit
// microseconds; clock readings count from the system clock's epoch.

#include <ctime>
#include <string>

namespace gen::time {

// Fraction of a second appended to a time stamp.
enum FORM_SECOND { MICRO_SECONDS = 0, MILLI_SECONDS = 1 };

inline constexpr unsigned long long US_PER_SECOND = 1000000ULL;
inline constexpr unsigned long long US_PER_MINUTE = 60ULL * US_PER_SECOND;
inline constexpr unsigned long long US_PER_HOUR = 60ULL * US_PER_MINUTE;
inline constexpr unsigned long long US_PER_DAY = 24ULL * US_PER_HOUR;
inline constexpr unsigned long long US_PER_MONTH = 28ULL * US_PER_DAY;
inline constexpr unsigned long long US_PER_YEAR = 365ULL * US_PER_DAY;
// The Gregorian mean year of 365.2425 days.
inline constexpr unsigned long long US_PER_YEAR_GREGORIAN = 31556952000000ULL;

long long get_micro_seconds();
long long get_milli_seconds();
long long get_seconds();
void sleep(unsigned long long ms);

unsigned long long from_seconds(unsigned long long n);
unsigned long long from_minutes(unsigned long long n);
unsigned long long from_hours(unsigned long long n);
unsigned long long from_days(unsigned long long n);
unsigned long long from_months(unsigned long long n);
unsigned long long from_years(unsigned long long n);
unsigned long long from_time_reverse(unsigned long long seconds, unsigned long long minutes,
                                     unsigned long long hours, unsigned long long days,
                                     unsigned long long years);
unsigned long long get_seconds(unsigned long long duration);
unsigned long long get_minutes(unsigned long long duration);
unsigned long long get_hours(unsigned long long duration);
unsigned long long get_days(unsigned long long duration);
unsigned long long get_years(unsigned long long duration);
bool is_timeout_second(unsigned long long duration, unsigned long long limitSeconds);

std::string formatMicrosecond_as_Sec(unsigned long long us);
std::string formatMicrosecond_as_Minute(unsigned long long us);
std::string formatMicrosecond_as_Minute_compact(unsigned long long us);
std::string formatMicrosecond_as_Minute_compact_milli(unsigned long long us);
std::string formatMicrosecond_as_Hour(unsigned long long us);
std::string formatMicrosecond_as_Hour_compact(unsigned long long us);
std::string formatMicrosecond_as_Hour_compact_mc(unsigned long long us);
std::string formatMicrosecond_as_Day(unsigned long long us);
std::string formatMicrosecond_as_Year(unsigned long long us, bool gregorian);

// A point in time with its broken-down local time filled on demand.
class GTime {
public:
    explicit GTime(bool now = true);
    GTime(const GTime& other);
    GTime& operator=(const GTime& other);
    virtual ~GTime();

    long long getMicroseconds() const;
    long long getMilliseconds() const;
    long long getSeconds() const;

    int tm_hour() const;
    int tm_min() const;
    int tm_sec() const;
    int tm_year() const;
    int tm_month() const;
    int tm_day() const;
    int tm_day_of_week() const;
    int tm_yearDay() const;

    int compare(const GTime& other) const;
    bool operator==(const GTime& other) const { return compare(other) == 0; }
    bool operator!=(const GTime& other) const { return compare(other) != 0; }
    bool operator<(const GTime& other) const { return compare(other) < 0; }
    bool operator<=(const GTime& other) const { return compare(other) <= 0; }
    bool operator>(const GTime& other) const { return compare(other) > 0; }
    bool operator>=(const GTime& other) const { return compare(other) >= 0; }

    // Shifts the time point; arithmetic stays in 64-bit microseconds.
    void add_microseconds(long long us);

private:
    struct State;
    const std::tm& broken_down() const;
    State* d;
};

} // namespace gen::time
