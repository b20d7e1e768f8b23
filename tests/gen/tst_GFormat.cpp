#include "gen/GFormat.h"

#include <QtTest>

#include <climits>
#include <cmath>
#include <limits>

using gen::str::sprintF;
using gen::str::xprintF;

namespace {

// Anything with a to_string() member prints through it, as panels do.
struct Named {
    std::string to_string() const { return "GPanel@left"; }
};

enum class Kind : int { Second = 2 };

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

class TstGFormat : public QObject {
    Q_OBJECT

private slots:
    void rendering_data();
    void rendering();
    void hugeFloatsAreWidenedNotCut_data();
    void hugeFloatsAreWidenedNotCut();
    void printfStyle_data();
    void printfStyle();
};

void TstGFormat::rendering_data() {
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");

    const char* nullText = nullptr;
    const char unterminated[3] = {'a', 'b', 'c'};
    std::stringstream streamed;
    gen::str::streamIt(streamed, "x=$ y=$ z", 1, std::string("two"));
    char mutableText[] = "mutable";
    const std::string std = "std";
    const QString umlaut = QStringLiteral("Gr\u00f6\u00dfe");

    QTest::newRow("int") << bytes(xprintF(0, "Simulation stopped after $ sec", 5))
                         << QByteArray("Simulation stopped after 5 sec");
    QTest::newRow("unsigned max") << bytes(xprintF(0, "$", UINT_MAX)) << QByteArray::number(UINT_MAX);
    QTest::newRow("long long min") << bytes(xprintF(0, "$", LLONG_MIN)) << QByteArray::number(LLONG_MIN);
    QTest::newRow("unsigned long long max")
        << bytes(xprintF(0, "$", ULLONG_MAX)) << QByteArray::number(ULLONG_MAX);
    QTest::newRow("double 0.1") << bytes(xprintF(0, "$", 0.1)) << QByteArray("0.100000");
    QTest::newRow("double half") << bytes(xprintF(0, "$", 0.5)) << QByteArray("0.500000");
    QTest::newRow("double minus three") << bytes(xprintF(0, "$", -3.0)) << QByteArray("-3.000000");
    QTest::newRow("float widened") << bytes(xprintF(0, "$", 2.5f)) << QByteArray("2.500000");
    QTest::newRow("infinity") << bytes(xprintF(0, "$", std::numeric_limits<double>::infinity()))
                              << QByteArray("inf");
    QTest::newRow("const char*") << bytes(xprintF(0, "<$>", static_cast<const char*>("abc")))
                                 << QByteArray("<abc>");
    QTest::newRow("char*") << bytes(xprintF(0, "<$>", static_cast<char*>(mutableText)))
                           << QByteArray("<mutable>");
    QTest::newRow("literal") << bytes(xprintF(0, "$ $ $", 1u, "widget", 2u)) << QByteArray("1 widget 2");
    QTest::newRow("unterminated char array") << bytes(xprintF(0, "[$]", unterminated)) << QByteArray("[abc]");
    QTest::newRow("unterminated char array, later argument")
        << bytes(xprintF(0, "$[$]", 1, unterminated)) << QByteArray("1[abc]");
    QTest::newRow("streamIt") << bytes(streamed.str()) << QByteArray("x=1 y=two z");
    QTest::newRow("null char pointer") << bytes(xprintF(0, "[$]", nullText)) << QByteArray("[nullptr]");
    QTest::newRow("std::string") << bytes(xprintF(0, "$-$", std, std::string("x\ty")))
                                 << QByteArray("std-x\ty");
    QTest::newRow("QString utf-8") << bytes(xprintF(0, "$", umlaut)) << umlaut.toUtf8();
    QTest::newRow("QStringView") << bytes(xprintF(0, "$", QStringView(umlaut).mid(2)))
                                 << umlaut.mid(2).toUtf8();
    QTest::newRow("QPointF") << bytes(xprintF(0, "$", QPointF(1.5, -2))) << QByteArray("1.500000,-2.000000");
    QTest::newRow("QRectF") << bytes(xprintF(0, "$", QRectF(1, 2, 3, 4)))
                            << QByteArray("1.000000,2.000000,3.000000,4.000000");
    QTest::newRow("to_string member") << bytes(xprintF(0, "pan:$", Named{})) << QByteArray("pan:GPanel@left");
    QTest::newRow("enum as number") << bytes(xprintF(0, "$", Kind::Second)) << QByteArray("2");

    QTest::newRow("indent") << bytes(xprintF(3, "$", std::string("t"))) << QByteArray("   t");
    QTest::newRow("more $ than arguments") << bytes(xprintF(0, "a$b$c", 1)) << QByteArray("a1b$c");
    QTest::newRow("no $: argument dropped") << bytes(xprintF(0, "plain", 1)) << QByteArray("plain");
    QTest::newRow("fewer $ than arguments") << bytes(xprintF(0, "$,", 1, 2, 3)) << QByteArray("1,");
    QTest::newRow("dollar after last argument stays")
        << bytes(xprintF(0, "$ costs $$", std::string("it"))) << QByteArray("it costs $$");
    QTest::newRow("null format") << bytes(xprintF(4, nullptr, 1)) << QByteArray();
    QTest::newRow("utf-8 format byte for byte")
        << bytes(xprintF(0, "\xe2\x82\xac $ \xc3\xa4", 1)) << QByteArray("\xe2\x82\xac 1 \xc3\xa4");
}

void TstGFormat::rendering() {
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual, expected);
}

void TstGFormat::hugeFloatsAreWidenedNotCut_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("1e23") << 1e23;
    QTest::newRow("1e300") << 1e300;
    QTest::newRow("-1e300") << -1e300;
    QTest::newRow("max") << std::numeric_limits<double>::max();
    QTest::newRow("min subnormal") << std::numeric_limits<double>::denorm_min();
}

void TstGFormat::hugeFloatsAreWidenedNotCut() {
    QFETCH(double, value);
    const QByteArray text = bytes(xprintF(0, "$", value));
    QCOMPARE(text, QString::number(value, 'f', 6).toLatin1());
}

void TstGFormat::printfStyle_data() {
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");

    const std::string longFormat(4096, 'a');
    const std::string justFits(4095, 'b');
    const std::string numberFormat = xprintF(0, "[%0$d] ", 4u);

    QTest::newRow("null format") << bytes(sprintF(nullptr)) << QByteArray("<<<sprintF,nullpointer>>>");
    QTest::newRow("4096 characters") << bytes(sprintF(longFormat.c_str())) << QByteArray();
    QTest::newRow("4095 characters") << bytes(sprintF(justFits.c_str())) << QByteArray(justFits.c_str());
    QTest::newRow("built line-number format")
        << bytes(sprintF(numberFormat.c_str(), 12)) << QByteArray("[0012] ");
    QTest::newRow("fixed decimals") << bytes(sprintF(xprintF(0, "%2.$f", 3u).c_str(), 3.14159))
                                    << QByteArray("3.142");
    QTest::newRow("zero fill long") << bytes(sprintF(xprintF(0, "%0$ld", 6u).c_str(), 42L))
                                    << QByteArray("000042");
    QTest::newRow("result cut at 4095")
        << QByteArray::number(qsizetype(sprintF("%5000d", 1).size())) << QByteArray("4095");
    QTest::newRow("width overflow is empty")
        << bytes(sprintF(xprintF(0, "%0$ld", UINT_MAX).c_str(), 1L)) << QByteArray();
}

void TstGFormat::printfStyle() {
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual, expected);
}

QTEST_APPLESS_MAIN(TstGFormat)
#include "tst_GFormat.moc"
