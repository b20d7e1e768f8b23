#include "gen/GDelimiter.h"
#include "gen/GLog.h"
#include "gen/GTokenizer.h"

#include <QtTest>

#include <limits>

using gen::GTokenizer;

namespace {

// Collects the DEBUG lines written while it lives, without their trailer.
class LogCapture {
public:
    LogCapture() {
        gen::log::set_gui_appender([this](QString line) { lines << line.mid(prefix.size()); });
    }
    ~LogCapture() { gen::log::set_gui_appender({}); }
    QStringList lines;

private:
    const QString prefix = gen::log::qtrailler(gen::log::DEBUG);
};

QStringList texts(const GTokenizer& tok) {
    QStringList out;
    for (const QStringView t : tok.tokens)
        out << t.toString();
    return out;
}

} // namespace

class TstGTokenizer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        gen::log::set_log_level(gen::log::DEBUG);
        gen::log::set_control_bits(0); // the trailer is then a single blank
    }

    void split_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiters");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("quotes");
        QTest::addColumn<QStringList>("expected");

        const QString surrogate = QString("a") + QChar(0xD800) + ",b";
        const auto row = [](const char* name, const QString& text, const QString& delimiters, bool keep,
                            bool quotes, const QStringList& expected) {
            QTest::newRow(name) << text << delimiters << keep << quotes << expected;
        };
        row("empty delimiters skipped", "a,,b", ",", false, false, {"a", "b"});
        row("delimiters kept", "a,,b", ",", true, false, {"a", ",", ",", "b"});
        row("quoted string whole", "x = \"a b\" ;", " ;=", false, true, {"x", "\"a b\""});
        row("resource path", ":/wb/icons/copy.svg", "/", false, false, {":", "wb", "icons", "copy.svg"});
        row("empty text", "", ",", true, true, {});
        row("no delimiters", "a b,c", "", true, false, {"a b,c"});
        row("only delimiters", ",,,", ",", false, false, {});
        row("quote ends pending token", "ab\"c d\"e", " ", false, true, {"ab", "\"c d\"", "e"});
        row("unclosed quote", "a \"b c", " ", false, true, {"a", "\"b c"});
        row("quote last", "ab\"", " ", false, true, {"ab", "\""});
        row("quotes not special", "\"a b\"", " ", false, false, {"\"a", "b\""});
        row("quote beats delimiter", "x\"y\"", gen::GDelimiter::sDelimAscii, true, true, {"x", "\"y\""});
        row("lone surrogate", surrogate, ",", false, false, {surrogate.left(2), "b"});
        row("chinese", "你好。世界（x）", gen::GDelimiter::sDelimChinese, false, false,
            {"你好", "世界", "x"});
    }
    void split() {
        QFETCH(QString, text);
        QFETCH(QString, delimiters);
        QFETCH(bool, keep);
        QFETCH(bool, quotes);
        QFETCH(QStringList, expected);

        GTokenizer tok(text, delimiters, keep, quotes);
        QCOMPARE(texts(tok), expected);
        QCOMPARE(tok.cursor, 0u);
        for (const QStringView t : tok.tokens) {
            QVERIFY(t.data() >= text.constData());
            QVERIFY(t.data() + t.size() <= text.constData() + text.size());
        }
        QCOMPARE(tok.buildToken(text, delimiters, keep, quotes), unsigned(expected.size()));
    }

    void delimiterSets() {
        QCOMPARE(gen::GDelimiter::sDelimAscii.size(), 33);
        QCOMPARE(gen::GDelimiter::sDelimChinese.size(), 15);
        QCOMPARE(gen::GDelimiter::sDelimChinese.front(), QChar(0x3002));
        QCOMPARE(gen::GDelimiter::sDelimChinese.back(), QChar(0x3000));
        QCOMPARE(gen::GDelimiter::sDelimAll, gen::GDelimiter::sDelimAscii + gen::GDelimiter::sDelimChinese);
        QCOMPARE(gen::GDelimiter::sDelimAll_Sentence, ".!?" + gen::GDelimiter::sDelimChinese);
    }

    void reading_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<double>("asReal");
        QTest::addColumn<bool>("intOk");
        QTest::addColumn<bool>("realOk");
        const auto row = [](const char* token, int asInt, double asReal, bool intOk, bool realOk) {
            QTest::newRow(token) << QString(token) << asInt << asReal << intOk << realOk;
        };
        row("42", 42, 42.0, true, true);
        row("-7", -7, -7.0, true, true);
        row("2147483647", std::numeric_limits<int>::max(), 2147483647.0, true, true);
        row("2147483648", 0, 2147483648.0, false, true);
        row("-2e3", 0, -2000.0, false, true);
        row("x1", 0, 0.0, false, false);
    }
    void reading() {
        QFETCH(QString, token);
        QFETCH(int, asInt);
        QFETCH(double, asReal);
        QFETCH(bool, intOk);
        QFETCH(bool, realOk);

        const GTokenizer tok(token, "", false, false);
        LogCapture log;
        QCOMPARE(tok.nextInt(), asInt);
        QCOMPARE(tok.putBack(), 0);
        QCOMPARE(tok.nextDouble(), asReal);
        // Past the end both read the empty token.
        QCOMPARE(tok.nextInt(), 0);
        QCOMPARE(tok.nextDouble(), 0.0);
        QCOMPARE(tok.cursor, 3u);

        const QString notInt = "XTokenizer::nextInt, token '%1' is not a number";
        const QString notReal = "XTokenizer::nextDouble, token '%1' is not a 'real' number";
        QStringList expected;
        if (!intOk) expected << notInt.arg(token);
        if (!realOk) expected << notReal.arg(token);
        expected << notInt.arg("") << notReal.arg("");
        QCOMPARE(log.lines, expected);
    }

    void cursorMoves() {
        const QString text = "1 + 2";
        const GTokenizer tok(text, " ", false, false);
        QCOMPARE(tok.putBack(), 0);
        QCOMPARE(tok.cursor, 0u);
        QVERIFY(tok.is_Next_Token("1"));
        QVERIFY(!tok.is_Next_Token("1 "));
        QVERIFY(tok.is_Operator(1, "+-"));
        QCOMPARE(tok.nextInt(), 1);
        QVERIFY(tok.is_Next_Token("+"));
        QVERIFY(tok.is_Number(1));
        QCOMPARE(tok.putBack(), 0);
        QVERIFY(tok.is_Next_Token("1"));

        tok.cursor = std::numeric_limits<std::uint32_t>::max();
        QVERIFY(tok.is_Next_Token("")); // cursor + i must not wrap round to the first token
        QVERIFY(!tok.is_Number(1));
        LogCapture log;
        QCOMPARE(tok.nextInt(), 0);
        QCOMPARE(tok.cursor, std::numeric_limits<std::uint32_t>::max());
    }

    void byIndex() {
        const QString text = "a \t b";
        GTokenizer tok(text, " ", true, false);
        QCOMPARE(texts(tok), (QStringList{"a", " ", "\t", " ", "b"}));
        tok.cursor = 3;
        QVERIFY(tok.is_WhiteSpace(1u)); // absolute index, not cursor + 1
        QVERIFY(!tok.is_WhiteSpace(4u));
        QVERIFY(tok.is_WhiteSpace(99u)); // the empty token
        QVERIFY(tok.tokenAt(99).isEmpty());
        tok.tokenAt(99) = QStringView(text);
        QVERIFY(tok.tokenAt(100).isEmpty()); // a write into the shared empty token does not stick

        std::set<QString> all;
        tok.fill(all);
        QCOMPARE(all, (std::set<QString>{"a", " ", "\t", "b"}));
        tok.remove_White_Space_Token();
        QCOMPARE(texts(tok), (QStringList{"a", "b"}));
        QCOMPARE(tok.cursor, 0u);
    }

    void viewTests_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("string");
        QTest::addColumn<bool>("number");
        QTest::addColumn<bool>("real");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char* t, bool string, bool number, bool real, const char* inner,
                            const char* kind) {
            QTest::newRow(t) << QString(t) << string << number << real << QString(inner) << QString(kind);
        };
        row("12", false, true, true, "12", "NUMBER");
        row("1.5", false, false, true, "1.5", "REAL NUMBER");
        row("99999999999", false, false, true, "99999999999", "REAL NUMBER");
        row("(", false, false, false, "(", "BRACKET OPEN");
        row("]", false, false, false, "]", "BRACKET CLOSE");
        row("^", false, false, false, "^", "OPERATOR");
        row("abc", false, false, false, "abc", "OTHER");
        row("\"a b\"", true, false, false, "a b", "STRING");
        row("\"", true, false, false, "", "STRING");
        row("\"ab", false, false, false, "\"ab", "OTHER");
    }
    void viewTests() {
        QFETCH(QString, token);
        QFETCH(bool, string);
        QFETCH(bool, number);
        QFETCH(bool, real);
        QFETCH(QString, inner);
        QFETCH(QString, kind);

        QCOMPARE(GTokenizer::is_String(token), string);
        QCOMPARE(GTokenizer::is_Number(token), number);
        QCOMPARE(GTokenizer::is_RealNumber(token), real);
        QCOMPARE(GTokenizer::get_String(token).toString(), inner);

        const GTokenizer tok(token, "", false, false);
        LogCapture log;
        tok.show(0, true);
        QCOMPARE(log.lines, (QStringList{"Token:1", QString("    [00] = '%1' -  %2").arg(token, kind)}));
    }

    void singleChars() {
        QVERIFY(GTokenizer::is_One_of_these_Chars(u"x", "xyz"));
        QVERIFY(!GTokenizer::is_One_of_these_Chars(u"x", ""));
        QVERIFY(!GTokenizer::is_One_of_these_Chars(u"xy", "xyz"));
        QVERIFY(!GTokenizer::is_Bracket_open(u"", "("));
        QVERIFY(!GTokenizer::is_Bracket_close(u")", ""));
        QVERIFY(GTokenizer::is_WhiteSpace(u""));
        QVERIFY(!GTokenizer::is_WhiteSpace(u" \n"));
        QCOMPARE(GTokenizer::removeWhitespace(" a\tb\r\nc "), "abc");
    }

    void showWithoutType() {
        const QString text = "p q";
        LogCapture log;
        GTokenizer(text, " ", false, false).show(2, false);
        QCOMPARE(log.lines, (QStringList{"  Token:2", "    [0] = 'p'", "    [1] = 'q'"}));
    }
};

QTEST_MAIN(TstGTokenizer)
#include "tst_GTokenizer.moc"
