#include "gen/GTime.h"

#include <QtTest>

#include <climits>
#include <ctime>

using namespace gen::time;

// A time point with a chosen value, reached through the public interface.
static GTime at(long long us) {
    GTime t;
    t.add_microseconds(-t.getMicroseconds());
    t.add_microseconds(us);
    return t;
}

class TstGTime : public QObject {
    Q_OBJECT

private slots:
    // A fixed zone five and three quarter hours east of UTC, so that local
    // fields differ from UTC ones and no tz database is needed.
    void initTestCase() {
        qputenv("TZ", "XST-5:45");
        tzset();
    }

    void clockAndSleep() {
        gen::time::sleep(0);
        gen::time::sleep(ULLONG_MAX); // negative as signed: must return at once
        gen::time::sleep(1ULL << 63);
        const long long us = get_micro_seconds();
        const long long ms = get_milli_seconds();
        const long long s = get_seconds();
        QVERIFY(us > 1600000000LL * 1000000); // after 2020
        QVERIFY(ms >= us / 1000);
        QVERIFY(s >= ms / 1000);
    }

    void copies() {
        GTime a;
        const long long original = a.getMicroseconds();
        GTime b(a);
        QVERIFY(a == b);
        b.add_microseconds(5);
        QCOMPARE(a.getMicroseconds(), original);
        QCOMPARE(b.getMicroseconds(), original + 5);
        GTime c = at(0);
        QCOMPARE(c.tm_min(), 45);
        c = a;
        QVERIFY(c == a);
        c.add_microseconds(-3);
        QCOMPARE(a.getMicroseconds(), original);
        QCOMPARE(c.tm_sec(), at(original - 3).tm_sec());
        const GTime& same = c;
        c = same;
        QCOMPARE(c.getMicroseconds(), original - 3);
    }

    void ordering_data() {
        QTest::addColumn<long long>("first");
        QTest::addColumn<long long>("second");
        QTest::addColumn<int>("expected");
        QTest::newRow("equal") << 1000LL << 1000LL << 0;
        QTest::newRow("earlier") << 1000LL << 1001LL << -1;
        QTest::newRow("later") << 1001LL << 1000LL << 1;
        QTest::newRow("before epoch") << -1LL << 0LL << -1;
        QTest::newRow("extremes") << LLONG_MAX << LLONG_MIN + 1 << 1;
    }
    void ordering() {
        QFETCH(long long, first);
        QFETCH(long long, second);
        QFETCH(int, expected);
        const GTime a = at(first), b = at(second);
        QCOMPARE(a.compare(b), expected);
        QCOMPARE(b.compare(a), -expected);
        QCOMPARE(a == b, expected == 0);
        QCOMPARE(a != b, expected != 0);
        QCOMPARE(a < b, expected < 0);
        QCOMPARE(a <= b, expected <= 0);
        QCOMPARE(a > b, expected > 0);
        QCOMPARE(a >= b, expected >= 0);
    }

    void saturates() {
        GTime t = at(LLONG_MAX - 1);
        t.add_microseconds(LLONG_MAX);
        QCOMPARE(t.getMicroseconds(), LLONG_MAX);
        t.add_microseconds(LLONG_MIN);
        t.add_microseconds(LLONG_MIN);
        QCOMPARE(t.getMicroseconds(), LLONG_MIN);
        t.tm_year(); // a year far outside any calendar must not crash
    }

    void fields_data() {
        QTest::addColumn<long long>("us");
        QTest::addColumn<long long>("ms");
        QTest::addColumn<long long>("s");
        QTest::addColumn<long long>("localSeconds"); // the second the point lies in
        QTest::newRow("epoch") << 0LL << 0LL << 0LL << 0LL;
        QTest::newRow("2023") << 1700000000999999LL << 1700000000999LL << 1700000000LL << 1700000000LL;
        QTest::newRow("leap day") << 951782400500000LL << 951782400500LL << 951782400LL << 951782400LL;
        QTest::newRow("before epoch") << -1500000LL << -1500LL << -1LL << -2LL;
    }
    void fields() {
        QFETCH(long long, us);
        QFETCH(long long, ms);
        QFETCH(long long, s);
        QFETCH(long long, localSeconds);
        const GTime t = at(us);
        QCOMPARE(t.getMicroseconds(), us);
        QCOMPARE(t.getMilliseconds(), ms);
        QCOMPARE(t.getSeconds(), s);
        const std::time_t secs = static_cast<std::time_t>(localSeconds);
        std::tm local{};
        QVERIFY(localtime_r(&secs, &local));
        QCOMPARE(t.tm_year(), local.tm_year);
        QCOMPARE(t.tm_month(), local.tm_mon);
        QCOMPARE(t.tm_day(), local.tm_mday);
        QCOMPARE(t.tm_hour(), local.tm_hour);
        QCOMPARE(t.tm_min(), local.tm_min);
        QCOMPARE(t.tm_sec(), local.tm_sec);
        QCOMPARE(t.tm_day_of_week(), local.tm_wday);
        QCOMPARE(t.tm_yearDay(), local.tm_yday);
    }

    void durations_data() {
        QTest::addColumn<qulonglong>("got");
        QTest::addColumn<qulonglong>("expected");
        QTest::newRow("from_seconds") << from_seconds(3) << 3000000ULL;
        QTest::newRow("from_minutes") << from_minutes(2) << 120000000ULL;
        QTest::newRow("from_hours") << from_hours(1) << 3600000000ULL;
        QTest::newRow("from_days") << from_days(1) << 86400000000ULL;
        QTest::newRow("from_months") << from_months(1) << 2419200000000ULL;
        QTest::newRow("from_years") << from_years(1) << 31536000000000ULL;
        QTest::newRow("from_time_reverse") << from_time_reverse(1, 2, 3, 4, 5) << 158036521000000ULL;
        QTest::newRow("get_seconds") << get_seconds(1999999ULL) << 1ULL;
        QTest::newRow("get_minutes") << get_minutes(119999999ULL) << 1ULL;
        QTest::newRow("get_hours") << get_hours(7200000000ULL) << 2ULL;
        QTest::newRow("get_days") << get_days(86399999999ULL) << 0ULL;
        QTest::newRow("get_years") << get_years(63072000000000ULL) << 2ULL;
        QTest::newRow("timeout below") << qulonglong(is_timeout_second(2999999, 3)) << 0ULL;
        QTest::newRow("timeout at") << qulonglong(is_timeout_second(3000000, 3)) << 1ULL;
    }
    void durations() {
        QFETCH(qulonglong, got);
        QFETCH(qulonglong, expected);
        QCOMPARE(got, expected);
    }

    void formatters_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        const unsigned long long hms = 3723004005ULL; // 1 h 2 min 3 s 4005 us
        const unsigned long long day = 86400000000ULL;
        auto row = [](const char* name, const std::string& got, const char* expected) {
            QTest::newRow(name) << QString::fromStdString(got) << QString::fromUtf8(expected);
        };
        row("Sec", formatMicrosecond_as_Sec(1234567), "1,234.567");
        row("Sec small", formatMicrosecond_as_Sec(5), "0,000.005");
        row("Sec max", formatMicrosecond_as_Sec(ULLONG_MAX), "18446744073709,551.615");
        row("Minute", formatMicrosecond_as_Minute(125004005), "2 min, 5 sec, 4.005 microseconds");
        row("Minute_compact", formatMicrosecond_as_Minute_compact(125000000), "02,05 min");
        row("Minute_compact_milli", formatMicrosecond_as_Minute_compact_milli(125004005), "02,05.004 min");
        row("Minute_compact_milli long", formatMicrosecond_as_Minute_compact_milli(hms), "62,03.004 min");
        row("Hour", formatMicrosecond_as_Hour(hms), "1 hour, 2 minute, 3 second, 4.005 microseconds");
        row("Hour_compact", formatMicrosecond_as_Hour_compact(hms), "01:02,03 hour");
        row("Hour_compact 100 h", formatMicrosecond_as_Hour_compact(100 * 3600000000ULL), "100:00,00 hour");
        row("Hour_compact_mc", formatMicrosecond_as_Hour_compact_mc(hms), "01:02,03,004.005");
        row("Day", formatMicrosecond_as_Day(day + hms + 1234567),
            "1 day, 1 hour, 2 minute, 4 second, 238.572 microseconds");
        row("Year 365 d", formatMicrosecond_as_Year(365 * day, false),
            "1 year, 0 day, 0 hour, 0 minute, 0 second, 0 microseconds");
        row("Year 365 d gregorian", formatMicrosecond_as_Year(365 * day, true),
            "0 year, 365 day, 0 hour, 0 minute, 0 second, 0 microseconds");
        // 366 days less 365.2425 days leave 18 h 10 min 48 s.
        row("Year 366 d gregorian", formatMicrosecond_as_Year(366 * day, true),
            "1 year, 0 day, 18 hour, 10 minute, 48 second, 0 microseconds");
        row("Year small", formatMicrosecond_as_Year(1234567, false),
            "0 year, 0 day, 0 hour, 0 minute, 1 second, 234.567 microseconds");
    }
    void formatters() {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }
};

QTEST_MAIN(TstGTime)
#include "tst_GTime.moc"
