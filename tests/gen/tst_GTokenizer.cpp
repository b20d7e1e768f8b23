#include "gen/GDelimiter.h"
#include "gen/GLog.h"
#include "gen/GTokenizer.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <cstdint>
#include <limits>
#include <set>

using gen::GTokenizer;

static QStringList texts(const GTokenizer& tok) {
    QStringList out;
    for (const QStringView t : tok.tokens)
        out << t.toString();
    return out;
}

// The tokens of `text`, marked when buildToken reports another count for them.
static QStringList tokens(const QString& text, const QString& delimiters, bool keep, bool quotes) {
    GTokenizer tok(text, delimiters, keep, quotes);
    QStringList out = texts(tok);
    if (tok.buildToken(text, delimiters, keep, quotes) != unsigned(out.size())) out << "<wrong count>";
    return out;
}

class TstGTokenizer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gen::log::set_control_bits(0); } // a log line is one blank and the message

    void split_data() {
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const QStringList& tokens, const QStringList& expected) {
            QTest::newRow(name) << tokens << expected;
        };
        row("a,,b", tokens("a,,b", ",", false, false), {"a", "b"});
        row("a,,b kept", tokens("a,,b", ",", true, false), {"a", ",", ",", "b"});
        row("quoted string", tokens("x = \"a b\" ;", " ;=", false, true), {"x", "\"a b\""});
        row("quote ends pending token", tokens("ab\"c d\"e", " ", false, true), {"ab", "\"c d\"", "e"});
        row("unclosed quote", tokens("a \"b c", " ", false, true), {"a", "\"b c"});
        row("quote last after pending token", tokens("ab\"", " ", false, true), {"ab", "\""});
        row("quotes off", tokens("\"a b\"", " ", false, false), {"\"a", "b\""});
        row("quote beats delimiter", tokens("x\"y\"", gen::GDelimiter::sDelimAscii, true, true),
            {"x", "\"y\""});
        row("all delimiters", tokens("a b。c（d", gen::GDelimiter::sDelimAll, false, false),
            {"a", "b", "c", "d"});
        row("no delimiters", tokens("a b", "", true, false), {"a b"});
    }
    void split() {
        QFETCH(QStringList, tokens);
        QFETCH(QStringList, expected);
        QCOMPARE(tokens, expected);
    }

    // Operators and brackets are single characters of their set, never longer tokens.
    void singleCharacterKinds_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("kind");
        QTest::newRow("one of the set") << "+" << true;
        QTest::newRow("two of the set") << "+=" << false;
        QTest::newRow("starts with one of the set") << "(a" << false;
        QTest::newRow("not in the set") << "*" << false;
        QTest::newRow("empty") << "" << false;
    }
    void singleCharacterKinds() {
        QFETCH(QString, token);
        QFETCH(bool, kind);
        const QString set = "+=(";
        QCOMPARE((QList<bool>{GTokenizer::is_Operator(token, set), GTokenizer::is_Bracket_open(token, set),
                              GTokenizer::is_Bracket_close(token, set),
                              GTokenizer::is_One_of_these_Chars(token, set)}),
                 QList<bool>(4, kind));
    }

    void kindsAndReading() {
        const QString text = "12 1.5 ( ) + abc \"a b\"";
        const GTokenizer tok(text, " ", false, true);
        StdoutCapture capture;
        tok.show(1, true);
        QCOMPARE(tok.nextInt(), 12);
        QCOMPARE(tok.nextDouble(), 1.5);
        QCOMPARE(tok.nextInt(), 0);
        QCOMPARE(tok.putBack(), 2);
        QCOMPARE(tok.nextDouble(), 0.0);
        tok.cursor = 7;
        QCOMPARE(tok.nextInt(), 0); // past the end: the empty token
        QCOMPARE(tok.cursor, 8u);
        QCOMPARE(capture.lines(),
                 (QList<QByteArray>{"  Token:7", "     [00] = '12' -  NUMBER",
                                    "     [01] = '1.5' -  REAL NUMBER", "     [02] = '(' -  BRACKET OPEN",
                                    "     [03] = ')' -  BRACKET CLOSE", "     [04] = '+' -  OPERATOR",
                                    "     [05] = 'abc' -  OTHER", "     [06] = '\"a b\"' -  STRING",
                                    " XTokenizer::nextInt, token '(' is not a number",
                                    " XTokenizer::nextDouble, token '(' is not a 'real' number",
                                    " XTokenizer::nextInt, token '' is not a number"}));
        const auto inner = [](const char* t) { return GTokenizer::get_String(QString(t)).toString(); };
        QCOMPARE((QStringList{inner("\"a b\""), inner("\""), inner("\"ab"), inner("abc")}),
                 (QStringList{"a b", "", "\"ab", "abc"}));
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
        QCOMPARE(tok.nextDouble(), 0.0);
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
        StdoutCapture capture;
        tok.show(2, false);
        QCOMPARE(capture.lines(), (QList<QByteArray>{"   Token:2", "     [0] = '1'", "     [1] = '+'"}));
    }
};

QTEST_MAIN(TstGTokenizer)
#include "tst_GTokenizer.moc"
