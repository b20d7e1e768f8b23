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
// us, ms, s, then year, month, day, hour, minute, second, weekday and day of the year in local time.
static QString fields(long long us) {
    const GTime t = at(us);
    QStringList out;
    for (long long v : QList<long long>{t.getMicroseconds(), t.getMilliseconds(), t.getSeconds(), t.tm_year(),
                                        t.tm_month(), t.tm_day(), t.tm_hour(), t.tm_min(), t.tm_sec(),
                                        t.tm_day_of_week(), t.tm_yearDay()})
        out << QString::number(v);
    return out.join(' ');
}
static void row(const char* name, const QVariant& got, const QVariant& expected) {
    QTest::newRow(name) << got << expected;
}
static void row(const char* name, const std::string& got, const char* expected) {
    row(name, QString::fromStdString(got), expected);
}

class TstGTime : public QObject {
    Q_OBJECT

private slots:
    // Each copy owns its state: changing one never changes the other (self-assignment included).
    void copiesAreIndependent() {
        GTime a = at(1000), b(a), c;
        c = a;
        b.add_microseconds(5);
        c.add_microseconds(-3);
        const GTime& same = c;
        c = same;
        QCOMPARE((QList<long long>{a.getMicroseconds(), b.getMicroseconds(), c.getMicroseconds()}),
                 (QList<long long>{1000, 1005, 997}));
        QVERIFY(a < b && !(b < a) && a <= a && !(b <= a) && b > a && !(a > b) && b >= b && !(a >= b));
        QVERIFY(a == a && !(a == b) && a != b && !(a != a));
    }

    void values_data() {
        QTest::addColumn<QVariant>("got");
        QTest::addColumn<QVariant>("expected");
        // Five and three quarter hours east of UTC: local fields differ from UTC ones, no tz database needed.
        qputenv("TZ", "XST-5:45");
        tzset();
        const unsigned long long hms = 3723004005ULL; // 1 h 2 min 3 s 4005 us
        const unsigned long long day = 86400000000ULL;
        row("fields 2023-11-15 03:58:20.999999", fields(1700000000999999LL),
            "1700000000999999 1700000000999 1700000000 123 10 15 3 58 20 3 318");
        // Floor, not truncation, to the second.
        row("fields 1970-01-01 05:44:58.5", fields(-1500000LL), "-1500000 -1500 -1 70 0 1 5 44 58 4 0");
        row("fields 1970-01-01 05:44:58, a whole second", fields(-2000000LL),
            "-2000000 -2000 -2 70 0 1 5 44 58 4 0");
        const long long us = get_micro_seconds(), ms = get_milli_seconds(), s = get_seconds();
        row("clock units",
            us > 1600000000LL * 1000000 && qAbs(ms - us / 1000) < 1000 && qAbs(s - ms / 1000) < 2, true);
        row("compare",
            QVariant::fromValue(QList<int>{at(1).compare(at(2)), at(2).compare(at(2)),
                                           at(LLONG_MAX).compare(at(LLONG_MIN + 1))}),
            QVariant::fromValue(QList<int>{-1, 0, 1}));
        GTime high = at(LLONG_MAX), low = at(LLONG_MIN);
        high.add_microseconds(LLONG_MAX);
        low.add_microseconds(LLONG_MIN);
        row("adding saturates",
            QVariant::fromValue(QList<long long>{high.getMicroseconds(), low.getMicroseconds()}),
            QVariant::fromValue(QList<long long>{LLONG_MAX, LLONG_MIN}));
        row("from_time_reverse", from_time_reverse(1, 2, 3, 4, 5), 158036521000000ULL);
        row("from_months", from_months(1), 28 * day);
        row("get_years", get_years(730 * day), 2ULL);
        row("timeout at, not below", is_timeout_second(3000000, 3) && !is_timeout_second(2999999, 3), true);
        row("Sec", formatMicrosecond_as_Sec(1000005), "1,000.005");
        row("Minute", formatMicrosecond_as_Minute(hms), "62 min, 3 sec, 4.005 microseconds");
        row("Minute_compact", formatMicrosecond_as_Minute_compact(hms), "62,03 min");
        row("Minute_compact_milli", formatMicrosecond_as_Minute_compact_milli(hms), "62,03.004 min");
        row("Hour", formatMicrosecond_as_Hour(day + hms), "25 hour, 2 minute, 3 second, 4.005 microseconds");
        row("Hour_compact", formatMicrosecond_as_Hour_compact(day + hms), "25:02,03 hour");
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
    }
    void values() {
        QFETCH(QVariant, got);
        QFETCH(QVariant, expected);
        QCOMPARE(got, expected);
    }
};

QTEST_MAIN(TstGTime)
#include "tst_GTime.moc"
