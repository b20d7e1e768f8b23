// The library core without widgets: formatting, text helpers, time, the
// tokenizer, random names, paths, conversions and listeners.
#include "gen/GConvert.h"
#include "gen/GDelimiter.h"
#include "gen/GOs.h"
#include "gen/GStr.h"
#include "gen/GTokenizer.h"
#include "gen/Listener.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>
#include <set>

using namespace gen;
using namespace gen::str;
using namespace gen::time;

namespace {

// Most tables here hold texts: what the code gave and what it should give.
void textColumns() {
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");
}
void row(const char* name, const std::string& actual, const QByteArray& expected) {
    QTest::newRow(name) << QByteArray::fromStdString(actual) << expected;
}
void compareTexts() {
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual, expected);
}
// Several results in one row.
std::string join(const std::vector<std::string>& parts) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? "|" : "") + parts[i];
    return out;
}
template <typename T>
std::string n(T v) {
    return std::to_string(v);
}

// Anything with a to_string() member prints through it, as panels do.
struct Named {
    std::string to_string() const { return "GPanel@left"; }
};
enum class Kind : int { Second = 2 };

std::string escaped(std::u16string_view s) {
    return to_utf8(escape_controls(QString::fromUtf16(s.data(), s.size())));
}

std::string hex(std::string_view d, unsigned long long head, unsigned long long tail) {
    return format_array_as_hex(reinterpret_cast<const unsigned char*>(d.data()), unsigned(d.size()), head,
                               tail);
}
// A time point with a chosen value, reached through the public interface.
GTime at(long long us) {
    GTime t;
    t.add_microseconds(-t.getMicroseconds());
    t.add_microseconds(us);
    return t;
}
// us, ms, s, then year, month, day, hour, minute, second, weekday and day of the year in local time.
std::string fields(long long us) {
    const GTime t = at(us);
    std::string out = n(t.getMicroseconds()) + " " + n(t.getMilliseconds()) + " " + n(t.getSeconds());
    for (int v : {t.tm_year(), t.tm_month(), t.tm_day(), t.tm_hour(), t.tm_min(), t.tm_sec(),
                  t.tm_day_of_week(), t.tm_yearDay()})
        out += " " + n(v);
    return out;
}

// The tokens of `text`, marked when buildToken reports another count for them.
std::string tokens(const QString& text, const QString& delimiters, bool keep, bool quotes) {
    GTokenizer tok(text, delimiters, keep, quotes);
    QStringList out;
    for (const QStringView t : tok.tokens)
        out << t.toString();
    if (tok.buildToken(text, delimiters, keep, quotes) != unsigned(out.size())) out << "<wrong count>";
    return out.join('|').toStdString();
}

} // namespace

class TstGen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        log::set_control_bits(0); // a log line is one blank and the message
        // Five and three quarter hours east of UTC: local fields differ from UTC ones, no tz database needed.
        qputenv("TZ", "XST-5:45");
        tzset();
    }

    void format_data() {
        textColumns();
        const char* nullText = nullptr;
        const char unterminated[3] = {'a', 'b', 'c'};
        const QString umlaut = QStringLiteral("Gr\u00f6\u00dfe");
        const auto fixed = [](double v) { return QString::number(v, 'f', 6).toLatin1(); }; // not our buffers
        // 1e23 just fits the fixed buffer, -1e24 is the first that does not; those are widened, not cut.
        row("floating", xprintF(0, "$ $ $ $ $ $", 0.1, 2.5f, HUGE_VAL, 1e23, -1e24, -DBL_MAX),
            "0.100000 2.500000 inf " + fixed(1e23) + " " + fixed(-1e24) + " " + fixed(-DBL_MAX));
        // A char array need not be terminated, also when it is not the first argument.
        row("texts",
            xprintF(0, "$|$|$|$[$]", "abc", nullText, std::string("x\0y", 3), std::string_view("v"),
                    unterminated),
            QByteArray("abc|nullptr|x\0y|v[abc]", 22));
        row("Qt and own types, bool, char",
            xprintF(0, "$|$ $ $ $ $ $ $", umlaut, QStringView(umlaut).mid(2), QPointF(1.5, -2),
                    QRectF(1, 2, 3, 4), Named{}, Kind::Second, true, 'c'),
            umlaut.toUtf8() + "|" + umlaut.mid(2).toUtf8() +
                " 1.500000,-2.000000 1.000000,2.000000,3.000000,4.000000 GPanel@left 2 true c");
        row("placeholders",
            join({xprintF(3, "\xe2\x82\xac $", 1), xprintF(0, "a$b$c", 1), xprintF(0, "plain", 1),
                  xprintF(0, "$,", 1, 2, 3), xprintF(4, nullptr, 1)}),
            "   \xe2\x82\xac 1|a1b$c|plain|1,|");
        // Formats of 4096 characters or more give nothing, longer results are cut at 4095.
        row("sprintF",
            join({sprintF(nullptr), sprintF(std::string(4096, 'a').c_str()),
                  sprintF(xprintF(0, "[%0$d] ", 4u).c_str(), 12),
                  sprintF(xprintF(0, "%0$ld", UINT_MAX).c_str(), 1L),
                  n(sprintF(std::string(4095, 'b').c_str()) == std::string(4095, 'b')),
                  n(sprintF("%5000d", 1) == std::string(4095, ' '))}),
            "<<<sprintF,nullpointer>>>||[0012] ||1|1");
    }
    void format() { compareTexts(); }

    void str_data() {
        textColumns();
        // Texts from huge widths or values: cut below 4096 characters, with the right end.
        const auto bounded = [](const std::string& s, const std::string& tail) {
            return n(s.size() < 4096 && s.ends_with(tail));
        };
        row("fill",
            join({format_fill('0', 4, -7), format_fill('*', 2, 12345), format_fill_zero(2, 123),
                  format_fill_zero_microseconds(1234), format_fill_zero_microseconds(1234567)}),
            "00-7|12345|123|001.234|123.456");
        row("huge widths",
            join({bounded(format_fill('*', UINT_MAX, 1), "*1"), bounded(format_fill_zero(UINT_MAX, 1), "01"),
                  bounded(format_float(1e308, UINT_MAX), "00"), bounded(format_bytes(1e300), ".00 TB"),
                  n(format_fill_zero(1000, 1) == std::string(999, '0') + "1")}),
            "1|1|1|1|1");
        // The thresholds are shared: the binary units are what is left to check with format_bytes_1024.
        row("bytes",
            join({format_bytes(1e6), format_bytes(1e9), format_bytes(1e12), format_bytes(2.5e12),
                  format_bytes(-1500), format_bytes_1024(std::ldexp(1, 20)),
                  format_bytes_1024(3 * std::ldexp(1, 30)), format_bytes_1024(std::ldexp(1, 41))}),
            "1000.00 KB|1000.00 MB|1000.00 GB|2.50 TB|-1.50 KB|1024.00 KB|3.00 GB|2.00 TB");
        row("hex",
            join({hex("\x0A\x1F\x02\x03\x04\x05\x06\x07\xAB\xFF", 2, 2), hex("\x01\x02\x03\x04", 2, 2),
                  hex("\x01\x02\x03", ULLONG_MAX, 2)}),
            "[10] = {0A 1F  .. AB FF}|[4] = {01 02 03 04}|[3] = {01 02 03}");
        row("hex grouped, empty, null",
            join({hex(std::string(1234, 'A'), 1, 0), hex("", 0, 0), format_array_as_hex(nullptr, 5, 1, 1)}),
            "[1.234] = {41  .. }|[0] = {}|[5] = {}");
        row("lower ASCII only, trim",
            join({to_lower("Hi @AZ[`az{ \xC3\x84"), trim(" \t\xC2\xA0 a b \v\f\r\n"), trim(" \t\n\v\f\r")}),
            "hi @az[`az{ \xC3\x84|\xC2\xA0 a b|");
        row("lines",
            join(split_lines("a\r\nb\n\nc", -1)) + "/" + join(split_lines("a\r\nb\n\nc", 2)) + "/" +
                join(split_lines("abc", 0)) + "/" + join(split_lines("x\n", -1)) + "/" +
                join(split_lines("a\r\r\nb\r", -1)),
            "a|b||c/a|b//x/a\r|b\r");
        // Each class of control is escaped, and the backslash, so an escape cannot be forged; the
        // blank, '~', U+00A0 and a surrogate pair are not.
        row("escape, unchanged", escaped(u"~ \u00E4\u00A0\U0001F600"), "~ \xC3\xA4\xC2\xA0\xF0\x9F\x98\x80");
        row("escape, by name", escaped(u"a\nb\rc\td\\n"), "a\\nb\\rc\\td\\\\n");
        row("escape, C0 DEL C1", escaped({u"\0\x01\x1f\x7f\x80\x9f", 6}), "\\x00\\x01\\x1f\\x7f\\x80\\x9f");
        row("escape, separators", escaped(u"a\u2028b\u2029"), "a\\u2028b\\u2029");
    }
    void str() { compareTexts(); }

    void time_data() {
        textColumns();
        const unsigned long long hms = 3723004005ULL, day = 86400000000ULL; // 1 h 2 min 3 s 4005 us
        row("fields 2023-11-15 03:58:20.999999", fields(1700000000999999LL),
            "1700000000999999 1700000000999 1700000000 123 10 15 3 58 20 3 318");
        // Floor, not truncation, to the second: 05:44:58.5 and a whole 05:44:58 on the first day.
        row("fields before the epoch", join({fields(-1500000LL), fields(-2000000LL)}),
            "-1500000 -1500 -1 70 0 1 5 44 58 4 0|-2000000 -2000 -2 70 0 1 5 44 58 4 0");
        gen::time::sleep(
            static_cast<unsigned long long>(LLONG_MIN)); // negative as signed: must not sleep for ages
        const long long us = get_micro_seconds(), ms = get_milli_seconds(), s = get_seconds();
        GTime high = at(LLONG_MAX), low = at(LLONG_MIN);
        high.add_microseconds(LLONG_MAX);
        low.add_microseconds(LLONG_MIN);
        row("clock, compare, saturation",
            join({n(us > 1600000000LL * 1000000 && qAbs(ms - us / 1000) < 1000 && qAbs(s - ms / 1000) < 2),
                  n(at(1).compare(at(2))), n(at(2).compare(at(2))),
                  n(at(LLONG_MAX).compare(at(LLONG_MIN + 1))), n(high.getMicroseconds()),
                  n(low.getMicroseconds())}),
            "1|-1|0|1|9223372036854775807|-9223372036854775808");
        // Each copy owns its state: changing one never changes the other (self-assignment included).
        GTime a = at(1000), b(a), c;
        c = a;
        b.add_microseconds(5);
        c = static_cast<const GTime&>(c);
        c.add_microseconds(-3);
        row("copies", join({n(a.getMicroseconds()), n(b.getMicroseconds()), n(c.getMicroseconds())}),
            "1000|1005|997");
        // One of each helper: the others only put the same parts into other texts.
        row("durations as text",
            join({formatMicrosecond_as_Sec(1000005), formatMicrosecond_as_Hour_compact_mc(day + hms),
                  formatMicrosecond_as_Day(day + hms + 1234567)}),
            "1,000.005|25:02,03,004.005|1 day, 1 hour, 2 minute, 4 second, 238.572 microseconds");
        // 366 days less 365.2425 days leave 18 h 10 min 48 s.
        row("years",
            join({formatMicrosecond_as_Year(365 * day, false), formatMicrosecond_as_Year(366 * day, true)}),
            "1 year, 0 day, 0 hour, 0 minute, 0 second, 0 microseconds|"
            "1 year, 0 day, 18 hour, 10 minute, 48 second, 0 microseconds");
    }
    void time() { compareTexts(); }

    void tokenizer_data() {
        textColumns();
        row("a,,b", tokens("a,,b", ",", false, false), "a|b");
        row("a,,b kept", tokens("a,,b", ",", true, false), "a|,|,|b");
        row("quoted string", tokens("x = \"a b\" ;", " ;=", false, true), "x|\"a b\"");
        row("quote ends pending token", tokens("ab\"c d\"e", " ", false, true), "ab|\"c d\"|e");
        row("unclosed quote", tokens("a \"b c", " ", false, true), "a|\"b c");
        row("quote last after pending token", tokens("ab\"", " ", false, true), "ab|\"");
        row("quotes off", tokens("\"a b\"", " ", false, false), "\"a|b\"");
        row("quote beats delimiter", tokens("x\"y\"", GDelimiter::sDelimAscii, true, true), "x|\"y\"");
        row("all delimiters", tokens("a b。c（d", GDelimiter::sDelimAll, false, false), "a|b|c|d");
        row("no delimiters", tokens("a b", "", true, false), "a b");
    }
    void tokenizer() { compareTexts(); }

    // Reading with the cursor, told through the log: the tokenizer's own lines, then what each call returned.
    void tokenizer_reading() {
        constexpr std::uint32_t kLast = std::numeric_limits<std::uint32_t>::max();
        const QString text = "12 1.5 ( ) + abc \"a b\"", spaced = "1 \t +", set = "+=(";
        const GTokenizer tok(text, " ", false, true);
        GTokenizer kept(spaced, " ", true, false);
        StdoutCapture capture;
        tok.show(1, true);
        std::stringstream read; // C++17 orders the operands of <<
        read << tok.nextInt() << ' ' << tok.nextDouble() << ' ' << tok.nextInt() << ' ' << tok.putBack()
             << ' ' << tok.nextDouble();
        tok.cursor = 7;
        read << ' ' << tok.nextInt() << ' ' << tok.cursor << ' ' << kept.putBack() << ' '
             << kept.is_Next_Token("1") << kept.is_Operator(4, "+-") << kept.nextInt()
             << kept.is_Next_Token(" ") << kept.is_Operator(3, "+")
             << kept.is_WhiteSpace(0u); // an absolute index, unlike the others
        kept.cursor = kLast;
        read << ' ' << kept.is_Number(1) << kept.nextDouble()
             << (kept.cursor == kLast); // must not wrap to "1"
        kept.tokenAt(99) = QStringView(text);
        read << ' ' << kept.tokenAt(100).isEmpty(); // a write into the shared empty token does not stick
        std::set<QString> all;
        kept.fill(all);
        kept.remove_White_Space_Token();
        read << ' ' << all.size() << kept.tokens.size() << kept.cursor << ' ';
        // Operators and brackets are single characters of their set, never longer tokens.
        for (const QString t : {"+", "+=", "(a", "*", ""})
            read << GTokenizer::is_Operator(t, set) << GTokenizer::is_Bracket_open(t, set)
                 << GTokenizer::is_Bracket_close(t, set) << GTokenizer::is_One_of_these_Chars(t, set);
        pp(read.str());
        kept.show(2, false);
        QCOMPARE(capture.lines(),
                 (QList<QByteArray>{"  Token:7", "     [00] = '12' -  NUMBER",
                                    "     [01] = '1.5' -  REAL NUMBER", "     [02] = '(' -  BRACKET OPEN",
                                    "     [03] = ')' -  BRACKET CLOSE", "     [04] = '+' -  OPERATOR",
                                    "     [05] = 'abc' -  OTHER", "     [06] = '\"a b\"' -  STRING",
                                    " XTokenizer::nextInt, token '(' is not a number",
                                    " XTokenizer::nextDouble, token '(' is not a 'real' number",
                                    " XTokenizer::nextInt, token '' is not a number",
                                    " XTokenizer::nextDouble, token '' is not a 'real' number",
                                    " 12 1.5 0 2 0 0 8 0 111110 001 1 420 11110000000000000000", "   Token:2",
                                    "     [0] = '1'", "     [1] = '+'"}));
    }

    void os_convert_data() {
        textColumns();
        std::vector<std::string> names;
        for (const char* path : {"C:\\Program Files\\Hello\\hello.exe", "C:/bin\\a.ExE", "C:\\bin\\.exe",
                                 "/usr/bin/", "no directory"})
            names.push_back(os::program_name_from_path(path));
        row("program names", join(names), "hello|a|.exe||no directory");
        const QString text = QChar(0) + QString::fromUcs4(U"\u00FC\U0001F600");
        const std::string bytes = convert::to_string(text);
        row("utf-8 round trip", join({bytes, n(convert::to_qstring(bytes) == text)}),
            QByteArray("\0\xC3\xBC\xF0\x9F\x98\x80|1", 9));
        const QByteArray ten("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A");
        // Up to max bytes whole, else the first and last max/2 (odd max: one less in all).
        row("dumps",
            join({convert::to_string(QByteArray("\x01\x02\xFF"), 10),
                  convert::to_string(QByteArray("\x7F\x80"), 2), convert::to_string(ten, 5),
                  convert::to_string(ten, 1)}),
            "[3] = {1, 2, -1}|[2] = {127, -128}|[10] = {1, 2, ..., 9, 10}|[10] = {...}");
    }
    void os_convert() { compareTexts(); }

    void listener_registration() {
        QStringList seen;
        Listener<int> listener;
        QStringList calls;
        auto entry = [&calls](const QString& tag) {
            return [&calls, tag](const int& v) { calls << tag + QString::number(v); };
        };
        auto fire = [&](int v) {
            calls.clear();
            listener.fire_event(v, FIRE_EVENT::DIRECT);
            calls.sort(); // no promised order
            seen << calls.join(' ');
        };
        const std::string added = listener += entry("a");
        listener += [&calls] { calls << "b"; }; // called without the value
        fire(1);
        listener = entry("c");
        const std::string assigned = listener = entry("d");
        fire(2);
        seen << QString::fromStdString(listener.append("mine", entry("e")));
        listener.append("mine", entry("f"));
        fire(3);
        listener.set("h", entry("h"));
        fire(4);
        QVERIFY(added.size() == 8 && assigned.size() == 8 && added != assigned); // fresh random names
        QCOMPARE(seen, (QStringList{"a1 b", "d2", "mine", "d3 f3", "h4"}));
    }

    // A queued firing runs later, with the value of its firing, and never once its context or its listener
    // is gone; a direct one runs at once. An entry appended after firing shows a call still queued.
    void listener_firing() {
        QStringList calls;
        auto context = std::make_unique<QObject>(), doomedContext = std::make_unique<QObject>();
        const auto make = [&](QObject* owner, const QString& tag) {
            auto listener = std::make_unique<Listener<int>>();
            listener->set_context(owner);
            *listener = [&calls, tag](const int& v) { calls << tag + QString::number(v); };
            return listener;
        };
        auto direct = make(context.get(), "direct"), queued = make(context.get(), "queued");
        auto contextGone = make(doomedContext.get(), "context gone"), gone = make(context.get(), "gone");
        auto none = make(nullptr, "no context");
        int value = 1;
        direct->fire_event(value, FIRE_EVENT::DIRECT);
        for (Listener<int>* listener : {queued.get(), contextGone.get(), gone.get(), none.get()})
            listener->fire_event(value, FIRE_EVENT::QUEUED);
        value = 2;
        calls << "|";
        queued->append("late", [&](const int& v) { calls << "late" + QString::number(v); });
        doomedContext.reset();
        gone.reset();
        QCoreApplication::processEvents();
        std::sort(calls.begin() + 2, calls.end());
        QCOMPARE(calls, (QStringList{"direct1", "|", "late1", "queued1"}));
        QCOMPARE(contextGone->get_context(), nullptr); // forgotten, never dangling
    }

    void listener_changedWhileFiring() {
        Listener<int> listener;
        int replacement = 0, added = 0;
        const auto adder = [&] {
            for (int i = 0; i < 50; ++i) // enough to make the map rehash
                listener += [&] { ++added; };
        };
        // Adders around the remover: one before it rehashes the map mid-walk, one after it must be skipped.
        listener.append("a", adder);
        listener.append("b", [&] { listener.set("z", [&] { ++replacement; }); });
        listener.append("c", adder);
        listener.fire_event(0, FIRE_EVENT::DIRECT);
        // Entries removed meanwhile are never reached; entries added wait for the next firing.
        const int atFirst = replacement + added;
        listener.fire_event(0, FIRE_EVENT::DIRECT);
        QCOMPARE((QList<int>{atFirst, int(listener.size()), int(listener.contains("z")), replacement}),
                 (QList<int>{0, 1, 1, 1}));

        // Whichever entry runs first destroys the listener and builds one in its place with the same
        // names, which a walk that went on would find: nothing may run after the destroying entry.
        std::optional<Listener<int>> doomed;
        QStringList calls;
        std::function<void()> fill = [&] {
            for (const std::string name : {"a", "b", "c"})
                doomed->append(name, [&, name] {
                    calls << QString::fromStdString(name);
                    if (calls.size() > 1) return;
                    doomed.emplace();
                    fill();
                });
        };
        doomed.emplace();
        fill();
        doomed->fire_event(0, FIRE_EVENT::DIRECT);
        QCOMPARE(calls.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstGen)
#include "tst_gen.moc"
