#include "gen/GLog.h"
#include "gen/GStr.h"

#include <QtTest>

#include <atomic>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>

// Allocation failure on demand: the next request of at least this many bytes throws.
static std::atomic<std::size_t> failAllocFrom{0};

void* operator new(std::size_t size) {
    const std::size_t limit = failAllocFrom.load();
    if (limit != 0 && size >= limit && failAllocFrom.exchange(0) != 0) throw std::bad_alloc();
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

static QString q(const std::string& s) {
    return QString::fromStdString(s);
}

class TstGStr : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gen::log::set_log_level(gen::log::DEBUG); }

    void texts_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fill") << q(format_fill('*', 5, 42)) << "***42";
        QTest::newRow("fill too long") << q(format_fill('*', 2, 12345)) << "12345";
        QTest::newRow("fill before sign") << q(format_fill('0', 4, -7)) << "00-7";
        QTest::newRow("fill LLONG_MIN") << q(format_fill('x', 21, LLONG_MIN)) << "x-9223372036854775808";
        QTest::newRow("zero 3") << q(format_fill_zero(3, 7)) << "007";
        QTest::newRow("zero too long") << q(format_fill_zero(2, 123)) << "123";
        QTest::newRow("zero 6") << q(format_fill_zero(6, 42)) << "000042";
        QTest::newRow("zero width 0") << q(format_fill_zero(0, 5)) << "5";
        QTest::newRow("zero negative") << q(format_fill_zero(5, -42)) << "-0042";
        QTest::newRow("zero LLONG_MIN") << q(format_fill_zero(1, LLONG_MIN)) << "-9223372036854775808";
        QTest::newRow("zero LLONG_MAX") << q(format_fill_zero(20, LLONG_MAX)) << "09223372036854775807";
        QTest::newRow("micro 1234") << q(format_fill_zero_microseconds(1234)) << "001.234";
        QTest::newRow("micro 12") << q(format_fill_zero_microseconds(12)) << "000.012";
        QTest::newRow("micro 0") << q(format_fill_zero_microseconds(0)) << "000.000";
        QTest::newRow("micro >= 1e6") << q(format_fill_zero_microseconds(1234567)) << "123.456";
        QTest::newRow("float") << q(format_float(3.14159, 2)) << "3.14";
        QTest::newRow("float width 2") << q(format_float(1.0, 0)) << " 1";
        QTest::newRow("float negative") << q(format_float(-2.5, 1)) << "-2.5";
        QTest::newRow("1000 seven") << q(format_str_1000("1234567")) << "1.234.567";
        QTest::newRow("1000 six") << q(format_str_1000("123456")) << "123.456";
        QTest::newRow("1000 three") << q(format_str_1000("999")) << "999";
        QTest::newRow("1000 empty") << q(format_str_1000("")) << "";
        QTest::newRow("1000 any chars") << q(format_str_1000("-1234")) << "-1.234";
        QTest::newRow("lower") << q(to_lower("Hello WORLD 42")) << "hello world 42";
        QTest::newRow("lower edges") << q(to_lower("@AZ[`az{")) << "@az[`az{";
        QTest::newRow("lower utf8") << q(to_lower("\xC3\x84X")) << "\u00C4x";
        QTest::newRow("trim") << q(trim(" \t a b \r\n")) << "a b";
        QTest::newRow("trim all space") << q(trim(" \t\n\v\f\r")) << "";
        QTest::newRow("trim empty") << q(trim("")) << "";
        QTest::newRow("trim nbsp kept") << q(trim("\xC2\xA0x")) << "\u00A0x";
        QTest::newRow("tab") << q(replace_tab("a\tb\t")) << "a    b    ";
        QTest::newRow("utf8") << q(to_utf8(QString::fromUtf16(u"\u00E4\u20AC\U0001F600")))
                              << QString::fromUtf8("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
        QTest::newRow("to_string int") << q(to_string(-5)) << "-5";
        QTest::newRow("to_string unsigned") << q(to_string(UINT_MAX)) << "4294967295";
        QTest::newRow("to_string ll") << q(to_string(LLONG_MIN)) << "-9223372036854775808";
    }
    void texts() {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }

    void sizes_data() {
        QTest::addColumn<bool>("binary");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("500") << false << 500.0 << "0.50 KB";
        QTest::newRow("1e6 not above") << false << 1e6 << "1000.00 KB";
        QTest::newRow("1.5e9") << false << 1.5e9 << "1.50 GB";
        QTest::newRow("1e12 not above") << false << 1e12 << "1000.00 GB";
        QTest::newRow("2.5e12") << false << 2.5e12 << "2.50 TB";
        QTest::newRow("negative") << false << -1500.0 << "-1.50 KB";
        QTest::newRow("inf") << false << HUGE_VAL << "inf TB";
        QTest::newRow("1024 KiB") << true << 1536.0 << "1.50 KB";
        QTest::newRow("2^20 not above") << true << 1048576.0 << "1024.00 KB";
        QTest::newRow("3 GiB") << true << 3.0 * 1073741824.0 << "3.00 GB";
        QTest::newRow("2 TiB") << true << 2.0 * 1099511627776.0 << "2.00 TB";
    }
    void sizes() {
        QFETCH(bool, binary);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(q(binary ? format_bytes_1024(value) : format_bytes(value)), expected);
    }

    void wideInputs() {
        const std::string thousand = format_fill_zero(1000, 1);
        QCOMPARE(thousand.size(), std::size_t{1000});
        QCOMPARE(thousand.find_first_not_of('0'), std::size_t{999});
        for (const std::string& s :
             {format_fill_zero(UINT_MAX, 1), format_fill('*', UINT_MAX, 1), format_float(1e308, UINT_MAX),
              format_bytes(1e300), format_bytes(DBL_MAX)}) {
            QVERIFY(s.size() < 4096);
            QVERIFY(s.find_first_not_of("0123456789.*- TB") == std::string::npos);
        }
        QVERIFY(format_bytes(NAN).ends_with("nan KB"));
        QVERIFY(format_bytes_1024(-1e300).ends_with(" KB"));
        const std::string wrapped = format_fill_zero_microseconds(ULLONG_MAX);
        QCOMPARE(wrapped.size(), std::size_t{7});
        QCOMPARE(wrapped[3], '.');
    }

    void parts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("removed");
        QTest::newRow("first of two") << "abcabc"
                                      << "bc" << true << "aabc";
        QTest::newRow("empty in empty") << ""
                                        << "" << true << "";
        QTest::newRow("empty part") << "abc"
                                    << "" << true << "abc";
        QTest::newRow("one char") << "a-b-c"
                                  << "-" << true << "ab-c";
        QTest::newRow("absent") << "abc"
                                << "x" << false << "abc";
        QTest::newRow("longer than text") << "ab"
                                          << "abc" << false << "ab";
    }
    void parts() {
        QFETCH(QString, text);
        QFETCH(QString, part);
        QFETCH(bool, found);
        QFETCH(QString, removed);
        std::string s = text.toStdString();
        QCOMPARE(contains(s, part.toStdString()), found);
        QCOMPARE(remove_part(s, part.toStdString()), found);
        QCOMPARE(q(s), removed);
        if (part.size() == 1) QCOMPARE(contains(text.toStdString(), part.toStdString()[0]), found);
    }

    void containsChar() {
        QVERIFY(!contains(std::string(), 'a'));
        QVERIFY(contains(std::string("a\0b", 3), '\0'));
        QVERIFY(!contains(std::string("abc"), 'd'));
    }

    void lines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QStringList>("expected");
        const QByteArray mixed("a\r\nb\n\nc");
        QTest::newRow("no limit") << mixed << -1 << QStringList{"a", "b", "", "c"};
        QTest::newRow("limit 2") << mixed << 2 << QStringList{"a", "b"};
        QTest::newRow("limit 0") << QByteArray("abc") << 0 << QStringList{};
        QTest::newRow("no empty last") << QByteArray("x\n") << -1 << QStringList{"x"};
        QTest::newRow("empty text") << QByteArray() << -1 << QStringList{};
        QTest::newRow("lone feed") << QByteArray("\n") << -1 << QStringList{""};
        QTest::newRow("last keeps CR") << QByteArray("a\nb\r") << -1 << QStringList{"a", "b\r"};
        QTest::newRow("one CR removed") << QByteArray("a\r\r\n") << -1 << QStringList{"a\r"};
        QTest::newRow("last within limit") << QByteArray("a\nb") << 2 << QStringList{"a", "b"};
        QTest::newRow("limit above count") << QByteArray("a\nb\n") << 5 << QStringList{"a", "b"};
    }
    void lines() {
        QFETCH(QByteArray, text);
        QFETCH(int, maxLines);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const std::string& line : split_lines(text.toStdString(), maxLines))
            got << q(line);
        QCOMPARE(got, expected);
    }

    void hex_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<qulonglong>("head");
        QTest::addColumn<qulonglong>("tail");
        QTest::addColumn<QString>("expected");
        const QByteArray ten("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10);
        QTest::newRow("cut") << ten << 2ULL << 2ULL << "[10] = {00 01  .. 08 09}";
        QTest::newRow("all") << ten << 5ULL << 5ULL << "[10] = {00 01 02 03 04 05 06 07 08 09}";
        QTest::newRow("empty") << QByteArray() << 0ULL << 0ULL << "[0] = {}";
        QTest::newRow("no head") << ten << 0ULL << 1ULL << "[10] = { .. 09}";
        QTest::newRow("no tail") << ten << 9ULL << 0ULL << "[10] = {00 01 02 03 04 05 06 07 08  .. }";
        QTest::newRow("head beyond") << ten << 11ULL << 0ULL << "[10] = {00 01 02 03 04 05 06 07 08 09}";
        QTest::newRow("sum overflows")
            << ten << ULLONG_MAX << 2ULL << "[10] = {00 01 02 03 04 05 06 07 08 09}";
        QTest::newRow("upper case") << QByteArray("\xAB\xFF") << 1ULL << 1ULL << "[2] = {AB FF}";
        QTest::newRow("grouped size") << QByteArray(1234, 'A') << 1ULL << 0ULL << "[1.234] = {41  .. }";
    }
    void hex() {
        QFETCH(QByteArray, data);
        QFETCH(qulonglong, head);
        QFETCH(qulonglong, tail);
        QFETCH(QString, expected);
        const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
        QCOMPARE(q(format_array_as_hex(p, unsigned(data.size()), head, tail)), expected);
    }

    void hexNull() {
        QCOMPARE(q(format_array_as_hex(nullptr, 0, 0, 0)), "[0] = {}");
        QCOMPARE(q(format_array_as_hex(nullptr, 5, 1, 1)), "[5] = {}");
    }

    void stream_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<unsigned>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two") << "hello" << 2u << "hel";
        QTest::newRow("all") << "abc" << 3u << "";
        QTest::newRow("none") << "abc" << 0u << "abc";
        QTest::newRow("more than content") << "hi" << 5u << "hi";
        QTest::newRow("huge n") << "hi" << UINT_MAX << "hi";
    }
    void stream() {
        QFETCH(QString, content);
        QFETCH(unsigned, n);
        QFETCH(QString, expected);
        std::stringstream ss;
        ss << content.toStdString();
        remove_last_chars(ss, n);
        QCOMPARE(count_chars(ss), static_cast<unsigned long long>(expected.size()));
        ss << "|";
        QCOMPARE(q(ss.str()), expected + "|");
    }

    void lowerOutOfMemory() {
        QStringList logged;
        gen::log::set_gui_appender([&logged](const QString& line) { logged << line; });
        const std::string big(1 << 20, 'A');
        failAllocFrom = big.size();
        const std::string lowered = to_lower(big);
        const bool threw = failAllocFrom.exchange(0) == 0;
        gen::log::set_gui_appender({});
        QVERIFY(threw);
        QVERIFY(lowered.empty());
        QCOMPARE(logged.size(), 1);
        QVERIFY(logged.first().endsWith("Str::to_lower, exception ?"));
    }
};

QTEST_MAIN(TstGStr)
#include "tst_GStr.moc"
