#include "gen/GTime.h"

#include "gen/GFormat.h"
#include "gen/GStr.h"

#include <chrono>
#include <limits>
#include <thread>

namespace gen::time {

namespace {

constexpr unsigned long long MINUTES_PER_HOUR = 60;
constexpr unsigned long long SECONDS_PER_MINUTE = 60;
constexpr unsigned long long HOURS_PER_DAY = 24;
constexpr unsigned long long US_PER_MS = 1000;
constexpr const char* MICRO_MISSING = "?MICRO?";
constexpr std::size_t FILLED_MICRO_DIGITS = 6;

// Widths of the zero-filled fields of the compact texts.
constexpr unsigned TWO_PLACES = 2;
constexpr unsigned THREE_PLACES = 3;

std::string two_places(unsigned long long v) {
    return str::format_fill_zero(TWO_PLACES, static_cast<long long>(v));
}

unsigned long long micro_part(unsigned long long us) {
    return us % US_PER_SECOND;
}
unsigned long long seconds_in_minute(unsigned long long us) {
    return us / US_PER_SECOND % SECONDS_PER_MINUTE;
}
unsigned long long minutes_in_hour(unsigned long long us) {
    return us / US_PER_MINUTE % MINUTES_PER_HOUR;
}
unsigned long long hours_in_day(unsigned long long us) {
    return us / US_PER_HOUR % HOURS_PER_DAY;
}

std::string grouped_micro(unsigned long long us) {
    return str::format_str_1000(std::to_string(micro_part(us)));
}

std::string fraction(unsigned long long us) {
    const unsigned long long micro = micro_part(us);
    // Checked before the split: with its "." the text is seven characters long.
    if (str::format_fill_zero(FILLED_MICRO_DIGITS, static_cast<long long>(micro)).size() !=
        FILLED_MICRO_DIGITS)
        return MICRO_MISSING;
    return str::format_fill_zero_microseconds(micro);
}

// Floor division, so that a time point before the epoch falls into the
// second it lies in rather than the one after it.
std::time_t whole_seconds(long long us) {
    const long long perSecond = static_cast<long long>(US_PER_SECOND);
    long long s = us / perSecond;
    if (us % perSecond < 0) --s;
    return static_cast<std::time_t>(s);
}

} // namespace

long long get_micro_seconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

long long get_milli_seconds() {
    return get_micro_seconds() / static_cast<long long>(US_PER_MS);
}

long long get_seconds() {
    return get_micro_seconds() / static_cast<long long>(US_PER_SECOND);
}

void sleep(unsigned long long ms) {
    if (ms == 0 || static_cast<long long>(ms) < 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<long long>(ms)));
}

unsigned long long from_seconds(unsigned long long n) {
    return n * US_PER_SECOND;
}
unsigned long long from_minutes(unsigned long long n) {
    return n * US_PER_MINUTE;
}
unsigned long long from_hours(unsigned long long n) {
    return n * US_PER_HOUR;
}
unsigned long long from_days(unsigned long long n) {
    return n * US_PER_DAY;
}
unsigned long long from_months(unsigned long long n) {
    return n * US_PER_MONTH;
}
unsigned long long from_years(unsigned long long n) {
    return n * US_PER_YEAR;
}

unsigned long long from_time_reverse(unsigned long long seconds, unsigned long long minutes,
                                     unsigned long long hours, unsigned long long days,
                                     unsigned long long years) {
    return from_seconds(seconds) + from_minutes(minutes) + from_hours(hours) + from_days(days) +
           from_years(years);
}

unsigned long long get_seconds(unsigned long long duration) {
    return duration / US_PER_SECOND;
}
unsigned long long get_minutes(unsigned long long duration) {
    return duration / US_PER_MINUTE;
}
unsigned long long get_hours(unsigned long long duration) {
    return duration / US_PER_HOUR;
}
unsigned long long get_days(unsigned long long duration) {
    return duration / US_PER_DAY;
}
unsigned long long get_years(unsigned long long duration) {
    return duration / US_PER_YEAR;
}

bool is_timeout_second(unsigned long long duration, unsigned long long limitSeconds) {
    return get_seconds(duration) >= limitSeconds;
}

std::string formatMicrosecond_as_Sec(unsigned long long us) {
    return str::xprintF(0, "$,$", get_seconds(us), fraction(us));
}

std::string formatMicrosecond_as_Minute(unsigned long long us) {
    return str::xprintF(0, "$ min, $ sec, $ microseconds", get_minutes(us), seconds_in_minute(us),
                        grouped_micro(us));
}

std::string formatMicrosecond_as_Minute_compact(unsigned long long us) {
    return str::xprintF(0, "$,$ min", two_places(get_minutes(us)), two_places(seconds_in_minute(us)));
}

std::string formatMicrosecond_as_Minute_compact_milli(unsigned long long us) {
    const std::string milli =
        str::format_fill_zero(THREE_PLACES, static_cast<long long>(micro_part(us) / US_PER_MS));
    return str::xprintF(0, "$,$.$ min", two_places(get_minutes(us)), two_places(seconds_in_minute(us)),
                        milli);
}

std::string formatMicrosecond_as_Hour(unsigned long long us) {
    return str::xprintF(0, "$ hour, $ minute, $ second, $ microseconds", get_hours(us), minutes_in_hour(us),
                        seconds_in_minute(us), grouped_micro(us));
}

std::string formatMicrosecond_as_Hour_compact(unsigned long long us) {
    return str::xprintF(0, "$:$,$ hour", two_places(get_hours(us)), two_places(minutes_in_hour(us)),
                        two_places(seconds_in_minute(us)));
}

std::string formatMicrosecond_as_Hour_compact_mc(unsigned long long us) {
    return str::xprintF(0, "$:$,$,$", two_places(get_hours(us)), two_places(minutes_in_hour(us)),
                        two_places(seconds_in_minute(us)), fraction(us));
}

std::string formatMicrosecond_as_Day(unsigned long long us) {
    return str::xprintF(0, "$ day, $ hour, $ minute, $ second, $ microseconds", get_days(us),
                        hours_in_day(us), minutes_in_hour(us), seconds_in_minute(us), grouped_micro(us));
}

std::string formatMicrosecond_as_Year(unsigned long long us, bool gregorian) {
    const unsigned long long year = gregorian ? US_PER_YEAR_GREGORIAN : US_PER_YEAR;
    // A Gregorian year is not a whole number of days, so the smaller units are
    // taken from what is left after the years, not from the whole duration.
    const unsigned long long rest = us % year;
    return str::xprintF(0, "$ year, $ day, $ hour, $ minute, $ second, $ microseconds", us / year,
                        get_days(rest), hours_in_day(rest), minutes_in_hour(rest), seconds_in_minute(rest),
                        grouped_micro(rest));
}

struct GTime::State {
    long long us = 0;
    std::tm local{};
};

GTime::GTime(bool) : d(new State) {
    d->us = get_micro_seconds();
}

GTime::GTime(const GTime& other) : d(new State(*other.d)) {}

GTime& GTime::operator=(const GTime& other) {
    *d = *other.d;
    return *this;
}

GTime::~GTime() {
    delete d;
}

long long GTime::getMicroseconds() const {
    return d->us;
}
long long GTime::getMilliseconds() const {
    return d->us / static_cast<long long>(US_PER_MS);
}
long long GTime::getSeconds() const {
    return d->us / static_cast<long long>(US_PER_SECOND);
}

const std::tm& GTime::broken_down() const {
    const std::time_t seconds = whole_seconds(d->us);
#if defined(_WIN32)
    if (localtime_s(&d->local, &seconds) != 0) d->local = std::tm{};
#else
    if (!localtime_r(&seconds, &d->local)) d->local = std::tm{};
#endif
    return d->local;
}

int GTime::tm_hour() const {
    return broken_down().tm_hour;
}
int GTime::tm_min() const {
    return broken_down().tm_min;
}
int GTime::tm_sec() const {
    return broken_down().tm_sec;
}
int GTime::tm_year() const {
    return broken_down().tm_year;
}
int GTime::tm_month() const {
    return broken_down().tm_mon;
}
int GTime::tm_day() const {
    return broken_down().tm_mday;
}
int GTime::tm_day_of_week() const {
    return broken_down().tm_wday;
}
int GTime::tm_yearDay() const {
    return broken_down().tm_yday;
}

int GTime::compare(const GTime& other) const {
    if (d->us < other.d->us) return -1;
    return d->us > other.d->us ? 1 : 0;
}

void GTime::add_microseconds(long long us) {
    // Saturate instead of overflowing the signed time point.
    constexpr long long lowest = std::numeric_limits<long long>::min();
    constexpr long long highest = std::numeric_limits<long long>::max();
    if (us > 0 && d->us > highest - us)
        d->us = highest;
    else if (us < 0 && d->us < lowest - us)
        d->us = lowest;
    else
        d->us += us;
}

} // namespace gen::time
