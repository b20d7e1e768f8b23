#pragma once

/// \file
/// Clock readings, durations and their texts. All times are signed 64-bit
/// microseconds; clock readings count from the system clock's epoch.

#include <ctime>
#include <string>

/// Clock readings, durations in microseconds and their texts. The free
/// functions may be called from any thread; the durations wrap silently past
/// 2^64 microseconds (about 584 000 years).
namespace gen::time {

/// Fraction of a second appended to a time stamp.
enum FORM_SECOND {
    MICRO_SECONDS = 0, ///< six digits
    MILLI_SECONDS = 1  ///< three digits
};

inline constexpr unsigned long long US_PER_SECOND = 1000000ULL;            ///< microseconds in a second
inline constexpr unsigned long long US_PER_MINUTE = 60ULL * US_PER_SECOND; ///< microseconds in a minute
inline constexpr unsigned long long US_PER_HOUR = 60ULL * US_PER_MINUTE;   ///< microseconds in an hour
inline constexpr unsigned long long US_PER_DAY = 24ULL * US_PER_HOUR;      ///< microseconds in a day
/// A month of four weeks, what from_months() counts.
inline constexpr unsigned long long US_PER_MONTH = 28ULL * US_PER_DAY;
/// A year of 365 days, what the year functions count unless told otherwise.
inline constexpr unsigned long long US_PER_YEAR = 365ULL * US_PER_DAY;
/// The Gregorian mean year of 365.2425 days.
inline constexpr unsigned long long US_PER_YEAR_GREGORIAN = 31556952000000ULL;

/// The system clock in microseconds since the epoch; it may jump when the clock is set.
long long get_micro_seconds();
/// The same in milliseconds.
long long get_milli_seconds();
/// The same in seconds.
long long get_seconds();
/// Sleeps the calling thread; 0 and values past the largest signed 64-bit number return at once.
void sleep(unsigned long long ms);

/// `n` seconds as a duration.
unsigned long long from_seconds(unsigned long long n);
/// `n` minutes as a duration.
unsigned long long from_minutes(unsigned long long n);
/// `n` hours as a duration.
unsigned long long from_hours(unsigned long long n);
/// `n` days as a duration.
unsigned long long from_days(unsigned long long n);
/// `n` months of 28 days as a duration.
unsigned long long from_months(unsigned long long n);
/// `n` years of 365 days as a duration.
unsigned long long from_years(unsigned long long n);
/// The sum of the parts as one duration; a year counts 365 days.
unsigned long long from_time_reverse(unsigned long long seconds, unsigned long long minutes,
                                     unsigned long long hours, unsigned long long days,
                                     unsigned long long years);
/// Whole seconds in `duration`.
unsigned long long get_seconds(unsigned long long duration);
/// Whole minutes in `duration`.
unsigned long long get_minutes(unsigned long long duration);
/// Whole hours in `duration`.
unsigned long long get_hours(unsigned long long duration);
/// Whole days in `duration`.
unsigned long long get_days(unsigned long long duration);
/// Whole years of 365 days in `duration`.
unsigned long long get_years(unsigned long long duration);
/// Whether `duration` holds at least `limitSeconds` whole seconds.
bool is_timeout_second(unsigned long long duration, unsigned long long limitSeconds);

/// "s,mmm.uuu": whole seconds, then the fraction as milliseconds "." microseconds.
std::string formatMicrosecond_as_Sec(unsigned long long us);
/// "m min, s sec, u microseconds", the microseconds grouped by ".".
std::string formatMicrosecond_as_Minute(unsigned long long us);
/// "mm,ss min", the minutes unbounded.
std::string formatMicrosecond_as_Minute_compact(unsigned long long us);
/// "mm,ss.mmm min", the minutes unbounded.
std::string formatMicrosecond_as_Minute_compact_milli(unsigned long long us);
/// "h hour, m minute, s second, u microseconds", the microseconds grouped by ".".
std::string formatMicrosecond_as_Hour(unsigned long long us);
/// "hh:mm,ss hour", the hours unbounded.
std::string formatMicrosecond_as_Hour_compact(unsigned long long us);
/// "hh:mm,ss,mmm.uuu", the hours unbounded.
std::string formatMicrosecond_as_Hour_compact_mc(unsigned long long us);
/// "d day, h hour, m minute, s second, u microseconds".
std::string formatMicrosecond_as_Day(unsigned long long us);
/// "y year, d day, h hour, m minute, s second, u microseconds", with years of
/// 365 days or, when `gregorian`, of 365.2425 days.
std::string formatMicrosecond_as_Year(unsigned long long us, bool gregorian);

/// A point in time with its broken-down local time filled on demand.
///
/// A value type; one object must not be used from two threads at once, since
/// even the const readers of the local time write into it.
class GTime {
public:
    /// The current time. The argument is ignored: false reads the clock too.
    explicit GTime(bool now = true);
    /// A copy of the same time point.
    GTime(const GTime& other);
    /// Takes the other's time point.
    GTime& operator=(const GTime& other);
    virtual ~GTime();

    /// Microseconds since the epoch.
    long long getMicroseconds() const;
    /// Milliseconds since the epoch, rounded toward zero.
    long long getMilliseconds() const;
    /// Seconds since the epoch, rounded toward zero.
    long long getSeconds() const;

    /// The local hour, 0 to 23; the tm_ readers give all zeros when the time
    /// cannot be converted.
    int tm_hour() const;
    /// The local minute, 0 to 59.
    int tm_min() const;
    /// The local second, 0 to 60.
    int tm_sec() const;
    /// Years since 1900, as in std::tm.
    int tm_year() const;
    /// The month, 0 for January, as in std::tm.
    int tm_month() const;
    /// The day of the month, 1 to 31.
    int tm_day() const;
    /// Days since Sunday, 0 to 6.
    int tm_day_of_week() const;
    /// Days since 1 January, 0 to 365.
    int tm_yearDay() const;

    /// -1, 0 or 1 as this time point is earlier than, equal to or later than the other.
    int compare(const GTime& other) const;
    /// Same time point.
    bool operator==(const GTime& other) const { return compare(other) == 0; }
    /// Different time points.
    bool operator!=(const GTime& other) const { return compare(other) != 0; }
    /// Earlier.
    bool operator<(const GTime& other) const { return compare(other) < 0; }
    /// Earlier or the same.
    bool operator<=(const GTime& other) const { return compare(other) <= 0; }
    /// Later.
    bool operator>(const GTime& other) const { return compare(other) > 0; }
    /// Later or the same.
    bool operator>=(const GTime& other) const { return compare(other) >= 0; }

    /// Shifts the time point; arithmetic stays in 64-bit microseconds and
    /// stops at the smallest and largest value instead of overflowing.
    void add_microseconds(long long us);

private:
    struct State;
    const std::tm& broken_down() const;
    State* d;
};

} // namespace gen::time
