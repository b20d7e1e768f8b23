#include "gen/GDelimiter.h"
#include "gen/GLog.h"
#include "gen/GTokenizer.h"

#include <QtTest>

#include <cstdint>
#include <limits>
#include <set>

using gen::GTokenizer;

// Collects the DEBUG lines written while it lives, without their trailer.
struct LogCapture {
    LogCapture() {
        gen::log::set_gui_appender([this](QString s) { lines << s.mid(prefix.size()); });
    }
    ~LogCapture() { gen::log::set_gui_appender({}); }
    const QString prefix = gen::log::qtrailler(gen::log::DEBUG);
    QStringList lines;
};
static QStringList texts(const GTokenizer& tok) {
    QStringList out;
    for (const QStringView t : tok.tokens)
        out << t.toString();
    return out;
}

class TstGTokenizer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gen::log::set_control_bits(0); } // keeps the trailer short and fixed

    void split_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiters");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("quotes");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QString& text, const QString& delimiters, bool keep,
                            bool quotes, const QStringList& expected) {
            QTest::newRow(name) << text << delimiters << keep << quotes << expected;
        };
        row("a,,b", "a,,b", ",", false, false, {"a", "b"});
        row("a,,b kept", "a,,b", ",", true, false, {"a", ",", ",", "b"});
        row("quoted string", "x = \"a b\" ;", " ;=", false, true, {"x", "\"a b\""});
        row("quote ends pending token", "ab\"c d\"e", " ", false, true, {"ab", "\"c d\"", "e"});
        row("unclosed quote", "a \"b c", " ", false, true, {"a", "\"b c"});
        row("quote last after pending token", "ab\"", " ", false, true, {"ab", "\""});
        row("quotes off", "\"a b\"", " ", false, false, {"\"a", "b\""});
        row("quote beats delimiter", "x\"y\"", gen::GDelimiter::sDelimAscii, true, true, {"x", "\"y\""});
        row("all delimiters", "a b。c（d", gen::GDelimiter::sDelimAll, false, false, {"a", "b", "c", "d"});
    }
    void split() {
        QFETCH(QString, text);
        QFETCH(QString, delimiters);
        QFETCH(bool, keep);
        QFETCH(bool, quotes);
        QFETCH(QStringList, expected);
        GTokenizer tok(text, delimiters, keep, quotes);
        QCOMPARE(texts(tok), expected);
        QCOMPARE(tok.buildToken(text, delimiters, keep, quotes), unsigned(expected.size()));
    }

    // value: what the token reads as, 0 when it is no number.
    void kinds_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        const auto row = [](const char* token, const char* inner, const char* kind, double value) {
            QTest::newRow(token) << QString(token) << QString(inner) << QString(kind) << value;
        };
        row("12", "12", "NUMBER", 12);
        row("1.5", "1.5", "REAL NUMBER", 1.5);
        row("(", "(", "BRACKET OPEN", 0);
        row("abc", "abc", "OTHER", 0);
        row("\"a b\"", "a b", "STRING", 0);
        row("\"", "", "STRING", 0);
        row("\"ab", "\"ab", "OTHER", 0);
    }
    void kinds() {
        QFETCH(QString, token);
        QFETCH(QString, inner);
        QFETCH(QString, kind);
        QFETCH(double, value);
        const bool isInt = kind == "NUMBER", isReal = kind.endsWith("NUMBER");
        QCOMPARE(GTokenizer::get_String(token).toString(), inner);
        const GTokenizer tok(token, "", false, false);
        LogCapture log;
        tok.show(0, true);
        QCOMPARE(tok.nextInt(), isInt ? int(value) : 0);
        QCOMPARE(tok.putBack(), 0);
        QCOMPARE(tok.nextDouble(), value);
        QCOMPARE(tok.nextInt(), 0); // past the end both read the empty token
        QCOMPARE(tok.nextDouble(), 0.0);
        QCOMPARE(tok.cursor, 3u);
        const QString notInt = "XTokenizer::nextInt, token '%1' is not a number";
        const QString notReal = "XTokenizer::nextDouble, token '%1' is not a 'real' number";
        QStringList expected{"Token:1", QString("    [00] = '%1' -  %2").arg(token, kind)};
        if (!isInt) expected << notInt.arg(token);
        if (!isReal) expected << notReal.arg(token);
        QCOMPARE(log.lines, expected << notInt.arg("") << notReal.arg(""));
    }

    void cursorAndIndex() {
        constexpr std::uint32_t kLast = std::numeric_limits<std::uint32_t>::max();
        const QString text = "1 \t +";
        GTokenizer tok(text, " ", true, false);
        QCOMPARE(tok.putBack(), 0);
        QVERIFY(tok.is_Next_Token("1") && tok.is_Operator(4, "+-"));
        QCOMPARE(tok.nextInt(), 1);
        QVERIFY(tok.is_Next_Token(" ") && tok.is_Operator(3, "+"));
        QVERIFY(!tok.is_WhiteSpace(0u)); // an absolute index, unlike the others
        tok.cursor = kLast;
        QVERIFY(!tok.is_Number(1)); // cursor + 1 must not wrap round to "1"
        QCOMPARE(tok.nextInt(), 0);
        QCOMPARE(tok.cursor, kLast);
        tok.tokenAt(99) = QStringView(text);
        QVERIFY(tok.tokenAt(100).isEmpty()); // a write into the shared empty token does not stick
        std::set<QString> all;
        tok.fill(all);
        QCOMPARE(all, (std::set<QString>{"1", " ", "\t", "+"}));
        tok.remove_White_Space_Token();
        QCOMPARE(texts(tok), (QStringList{"1", "+"}));
        QCOMPARE(tok.cursor, 0u);
        QVERIFY(GTokenizer::is_WhiteSpace(u" \t") && !GTokenizer::is_WhiteSpace(u" \n"));
        QCOMPARE(GTokenizer::removeWhitespace(" a\tb\r\nc "), "abc");
        LogCapture log;
        tok.show(2, false);
        QCOMPARE(log.lines, (QStringList{"  Token:2", "    [0] = '1'", "    [1] = '+'"}));
    }
};

QTEST_MAIN(TstGTokenizer)
#include "tst_GTokenizer.moc"
