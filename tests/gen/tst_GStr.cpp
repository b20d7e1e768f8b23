#include "gen/GStr.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <string_view>

using namespace gen::str;

static void row(const char* name, const QVariant& got, const QVariant& expected) {
    QTest::newRow(name) << got << expected;
}
// Several results in one row, each followed by "|".
static void row(const char* name, const std::vector<std::string>& got, const QString& expected) {
    std::string out;
    for (const std::string& part : got)
        out += part + "|";
    row(name, QString::fromStdString(out), expected);
}
// Texts from huge widths or values: cut below 4096 characters, with the right end.
static bool bounded(const std::string& s, const std::string& tail) {
    return s.size() < 4096 && s.ends_with(tail);
}
static std::string hex(std::string_view d, unsigned long long h, unsigned long long t) {
    return format_array_as_hex(reinterpret_cast<const unsigned char*>(d.data()), unsigned(d.size()), h, t);
}
// The stream after remove_last_chars and one more "|", then count_chars.
static std::string cutStream(const std::string& content, unsigned n) {
    std::stringstream ss;
    ss << content;
    remove_last_chars(ss, n);
    ss << "|";
    return ss.str() + std::to_string(count_chars(ss));
}

class TstGStr : public QObject {
    Q_OBJECT

private slots:
    void outputs_data() {
        QTest::addColumn<QVariant>("got");
        QTest::addColumn<QVariant>("expected");
        const auto removed = [](std::string s, const std::string& part) {
            return (remove_part(s, part) ? "true:" : "false:") + s;
        };
        row("fill", {format_fill('0', 4, -7), format_fill('*', 2, 12345), format_fill_zero(2, 123)},
            "00-7|12345|123|");
        row("zero width 1000", {format_fill_zero(1000, 1)}, QString(999, '0') + "1|");
        row("micro", {format_fill_zero_microseconds(1234), format_fill_zero_microseconds(1234567)},
            "001.234|123.456|");
        row("float, thousands", {format_float(7.0, 0), format_str_1000("1234567"), format_str_1000("123456")},
            " 7|1.234.567|123.456|");
        row("huge widths",
            bounded(format_fill('*', UINT_MAX, 1), "*1") && bounded(format_fill_zero(UINT_MAX, 1), "01") &&
                bounded(format_float(1e308, UINT_MAX), "00"),
            true);
        row("bytes not above", {format_bytes(1e6), format_bytes(1e9), format_bytes(1e12)},
            "1000.00 KB|1000.00 MB|1000.00 GB|");
        row("bytes", {format_bytes(2.5e12), format_bytes(-1500)}, "2.50 TB|-1.50 KB|");
        row("bytes 1e300", bounded(format_bytes(1e300), ".00 TB"), true);
        // The thresholds are shared with format_bytes: the binary units are what is left to check.
        row("1024",
            {format_bytes_1024(std::ldexp(1, 20)), format_bytes_1024(3 * std::ldexp(1, 30)),
             format_bytes_1024(std::ldexp(1, 41))},
            "1024.00 KB|3.00 GB|2.00 TB|");
        row("hex cut", {hex("\x0A\x1F\x02\x03\x04\x05\x06\x07\xAB\xFF", 2, 2)}, "[10] = {0A 1F  .. AB FF}|");
        row("hex head+tail = size", {hex("\x01\x02\x03\x04", 2, 2)}, "[4] = {01 02 03 04}|");
        row("hex head+tail overflows", {hex("\x01\x02\x03", ULLONG_MAX, 2)}, "[3] = {01 02 03}|");
        row("hex grouped size, no tail", {hex(std::string(1234, 'A'), 1, 0)}, "[1.234] = {41  .. }|");
        row("hex empty, null", {hex("", 0, 0), format_array_as_hex(nullptr, 5, 1, 1)}, "[0] = {}|[5] = {}|");
        row("lower ASCII only, trim",
            {to_lower("Hi @AZ[`az{ \xC3\x84"), trim(" \t\xC2\xA0 a b \v\f\r\n"), trim(" \t\n\v\f\r")},
            "hi @az[`az{ \xC3\x84|\xC2\xA0 a b||");
        row("replace_tab", {replace_tab("a\tb\t")}, "a    b    |");
        row("contains", contains("a-bc", "bc") && contains("a-bc", '-') && contains("", ""), true);
        row("contains not", contains("abc", "bd") || contains("abc", 'd') || contains("", 'a'), false);
        row("remove_part", {removed("abcabc", "bc"), removed("abc", ""), removed("abc", "x")},
            "true:aabc|true:abc|false:abc|");
        row("lines", split_lines("a\r\nb\n\nc", -1), "a|b||c|");
        row("lines limit 2", split_lines("a\r\nb\n\nc", 2), "a|b|");
        row("lines limit 0", split_lines("abc", 0), "");
        row("lines no empty last", split_lines("x\n", -1), "x|");
        row("lines one CR removed", split_lines("a\r\r\nb\r", -1), "a\r|b\r|");
        row("remove_last_chars", {cutStream("hello", 2), cutStream("abc", 3), cutStream("hi", 5)},
            "hel|4||1|hi|3|");
    }
    void outputs() {
        QFETCH(QVariant, got);
        QFETCH(QVariant, expected);
        QCOMPARE(got, expected);
    }
};

QTEST_APPLESS_MAIN(TstGStr)
#include "tst_GStr.moc"
