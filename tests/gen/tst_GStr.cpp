#include "gen/GLog.h"
#include "gen/GStr.h"

#include <QtTest>

#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string_view>

// The next allocation of at least this many bytes throws (0: never).
static std::atomic<std::size_t> failAllocFrom{0};

void* operator new(std::size_t size) {
    if (size >= failAllocFrom.load() && failAllocFrom.exchange(0) != 0) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace gen::str;

static void row(const char* name, const QVariant& got, const QVariant& expected) {
    QTest::newRow(name) << got << expected;
}
static void row(const char* name, const std::string& got, const QString& expected) {
    row(name, QString::fromStdString(got), expected);
}
// Texts from huge widths or values: cut below 4096 characters, with the right end.
static bool bounded(const std::string& s, const std::string& tail) {
    return s.size() < 4096 && s.ends_with(tail);
}
static std::string hex(std::string_view d, unsigned long long h, unsigned long long t) {
    return format_array_as_hex(reinterpret_cast<const unsigned char*>(d.data()), unsigned(d.size()), h, t);
}
// Each line followed by "|".
static std::string lines(const std::string& s, int maxLines) {
    std::string out;
    for (const std::string& line : split_lines(s, maxLines))
        out += line + "|";
    return out;
}
// remove_part's result, then the text it leaves.
static std::string removed(std::string s, const std::string& part) {
    return remove_part(s, part) ? "true:" + s : "false:" + s;
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
        row("fill before sign", format_fill('0', 4, -7), "00-7");
        row("fill too long", format_fill('*', 2, 12345), "12345");
        row("fill UINT_MAX", bounded(format_fill('*', UINT_MAX, 1), "*1"), true);
        row("zero 3,7", format_fill_zero(3, 7), "007");
        row("zero 2,123", format_fill_zero(2, 123), "123");
        row("zero width 1000", format_fill_zero(1000, 1), QString(999, '0') + "1");
        row("zero UINT_MAX", bounded(format_fill_zero(UINT_MAX, 1), "01"), true);
        row("micro", format_fill_zero_microseconds(1234), "001.234");
        row("micro above 1e6", format_fill_zero_microseconds(1234567), "123.456");
        row("float width 2", format_float(7.0, 0), " 7");
        row("float UINT_MAX digits", bounded(format_float(1e308, UINT_MAX), "00"), true);
        row("1000 seven", format_str_1000("1234567"), "1.234.567");
        row("1000 six", format_str_1000("123456"), "123.456");
        row("bytes 1e6 not above", format_bytes(1e6), "1000.00 KB");
        row("bytes 1e9 not above", format_bytes(1e9), "1000.00 MB");
        row("bytes 1e12 not above", format_bytes(1e12), "1000.00 GB");
        row("bytes TB", format_bytes(2.5e12), "2.50 TB");
        row("bytes 1e300", bounded(format_bytes(1e300), ".00 TB"), true);
        row("bytes negative", format_bytes(-1500), "-1.50 KB");
        row("bytes inf", format_bytes(HUGE_VAL), "inf TB");
        row("bytes nan", format_bytes(NAN), "nan KB");
        row("1024 2^20 not above", format_bytes_1024(std::ldexp(1, 20)), "1024.00 KB");
        row("1024 2^30 not above", format_bytes_1024(std::ldexp(1, 30)), "1024.00 MB");
        row("1024 2^40 not above", format_bytes_1024(std::ldexp(1, 40)), "1024.00 GB");
        row("1024 TB", format_bytes_1024(std::ldexp(1, 41)), "2.00 TB");
        row("hex cut", hex("\x0A\x1F\x02\x03\x04\x05\x06\x07\xAB\xFF", 2, 2), "[10] = {0A 1F  .. AB FF}");
        row("hex head+tail = size", hex("\x01\x02\x03\x04", 2, 2), "[4] = {01 02 03 04}");
        row("hex head+tail overflows", hex("\x01\x02\x03", ULLONG_MAX, 2), "[3] = {01 02 03}");
        row("hex grouped size, no tail", hex(std::string(1234, 'A'), 1, 0), "[1.234] = {41  .. }");
        row("hex size 0", hex("", 0, 0), "[0] = {}");
        row("hex null data", format_array_as_hex(nullptr, 5, 1, 1), "[5] = {}");
        row("lower ASCII only", to_lower("Hi @AZ[`az{ \xC3\x84"), "hi @az[`az{ \xC3\x84");
        row("trim", trim(" \t\xC2\xA0 a b \v\f\r\n"), "\xC2\xA0 a b");
        row("trim only space", trim(" \t\n\v\f\r"), "");
        row("replace_tab", replace_tab("a\tb\t"), "a    b    ");
        row("contains part and char", contains("a-bc", "bc") && contains("a-bc", '-'), true);
        row("contains neither", contains("abc", "bd") || contains("abc", 'd'), false);
        row("remove first of two", removed("abcabc", "bc"), "true:aabc");
        row("remove empty part", removed("abc", ""), "true:abc");
        row("remove absent", removed("abc", "x"), "false:abc");
        row("lines", lines("a\r\nb\n\nc", -1), "a|b||c|");
        row("lines limit 2", lines("a\r\nb\n\nc", 2), "a|b|");
        row("lines limit 0", lines("abc", 0), "");
        row("lines no empty last", lines("x\n", -1), "x|");
        row("lines one CR removed", lines("a\r\r\nb\r", -1), "a\r|b\r|");
        row("remove_last_chars", cutStream("hello", 2), "hel|4");
        row("remove_last_chars all", cutStream("abc", 3), "|1");
        row("remove_last_chars too many", cutStream("hi", 5), "hi|3");
    }
    void outputs() {
        QFETCH(QVariant, got);
        QFETCH(QVariant, expected);
        QCOMPARE(got, expected);
    }

    void lowerOutOfMemory() {
        QStringList logged;
        gen::log::set_gui_appender([&logged](const QString& line) { logged << line; });
        const std::string big(1 << 20, 'A');
        failAllocFrom = big.size();
        const std::string lowered = to_lower(big);
        const bool threw = failAllocFrom.exchange(0) == 0;
        gen::log::set_gui_appender({});
        QVERIFY(threw && lowered.empty());
        QVERIFY(logged.size() == 1 && logged[0].endsWith("Str::to_lower, exception ?"));
    }
};

QTEST_MAIN(TstGStr)
#include "tst_GStr.moc"
