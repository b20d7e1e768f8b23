#include "gen/GFormat.h"

#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>

using gen::str::sprintF;
using gen::str::xprintF;

namespace {

// Anything with a to_string() member prints through it, as panels do.
struct Named {
    std::string to_string() const { return "GPanel@left"; }
};

enum class Kind : int { Second = 2 };

void row(const char* name, const std::string& actual, const QByteArray& expected) {
    QTest::newRow(name) << QByteArray(actual.data(), qsizetype(actual.size())) << expected;
}

// The "%f" text, as Qt writes it: independent of the formatter's buffers.
QByteArray fixed(double v) {
    return QString::number(v, 'f', 6).toLatin1();
}

} // namespace

class TstGFormat : public QObject {
    Q_OBJECT

private slots:
    void rendering_data() {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        const char* nullText = nullptr;
        const char unterminated[3] = {'a', 'b', 'c'};
        char mutableText[] = "mutable";
        const QString umlaut = QStringLiteral("Gr\u00f6\u00dfe");
        std::stringstream streamed;
        gen::str::streamIt(streamed, "x=$ y=$ z", 1, std::string("two"));

        row("int", xprintF(0, "Simulation stopped after $ sec", 5), "Simulation stopped after 5 sec");
        row("integer extremes", xprintF(0, "$ $ $", UINT_MAX, LLONG_MIN, ULLONG_MAX),
            "4294967295 -9223372036854775808 18446744073709551615");
        row("bool, char, string_view", xprintF(0, "$ $ $", true, 'c', std::string_view("sv")), "true c sv");
        row("floating", xprintF(0, "$ $ $ $", 0.1, -3.0, 2.5f, HUGE_VAL), "0.100000 -3.000000 2.500000 inf");
        // 1e23 just fits the fixed buffer, -1e24 is the first that does not; those are widened, not cut.
        row("floating, wide", xprintF(0, "$ $ $ $", 1e23, -1e24, 1e300, -DBL_MAX),
            fixed(1e23) + " " + fixed(-1e24) + " " + fixed(1e300) + " " + fixed(-DBL_MAX));
        row("char pointers", xprintF(0, "<$|$>", static_cast<const char*>("abc"), mutableText),
            "<abc|mutable>");
        row("null char pointer", xprintF(0, "[$]", nullText), "[nullptr]");
        row("literal between numbers", xprintF(0, "$ $ $", 1u, "widget", 2u), "1 widget 2");
        row("unterminated char array", xprintF(0, "[$]", unterminated), "[abc]");
        row("unterminated char array, later argument", xprintF(0, "$[$]", 1, unterminated), "1[abc]");
        row("std::string", xprintF(0, "$-$", std::string("std"), std::string("x\ty")), "std-x\ty");
        row("QString, QStringView", xprintF(0, "$|$", umlaut, QStringView(umlaut).mid(2)),
            umlaut.toUtf8() + "|" + umlaut.mid(2).toUtf8());
        row("QPointF, QRectF", xprintF(0, "$ $", QPointF(1.5, -2), QRectF(1, 2, 3, 4)),
            "1.500000,-2.000000 1.000000,2.000000,3.000000,4.000000");
        row("to_string member, enum", xprintF(0, "pan:$ $", Named{}, Kind::Second), "pan:GPanel@left 2");
        row("streamIt", streamed.str(), "x=1 y=two z");
        row("indent", xprintF(3, "$", std::string("t")), "   t");
        row("more $ than arguments", xprintF(0, "a$b$c", 1), "a1b$c");
        row("no $: argument dropped", xprintF(0, "plain", 1), "plain");
        row("fewer $ than arguments", xprintF(0, "$,", 1, 2, 3), "1,");
        row("null format", xprintF(4, nullptr, 1), "");
        row("utf-8 format byte for byte", xprintF(0, "\xe2\x82\xac $ \xc3\xa4", 1),
            "\xe2\x82\xac 1 \xc3\xa4");

        row("sprintF null format", sprintF(nullptr), "<<<sprintF,nullpointer>>>");
        row("sprintF 4096 characters", sprintF(std::string(4096, 'a').c_str()), "");
        row("sprintF 4095 characters", sprintF(std::string(4095, 'b').c_str()), QByteArray(4095, 'b'));
        row("sprintF result cut at 4095", sprintF("%5000d", 1), QByteArray(4095, ' '));
        row("sprintF built format", sprintF(xprintF(0, "[%0$d] ", 4u).c_str(), 12), "[0012] ");
        row("sprintF width overflow", sprintF(xprintF(0, "%0$ld", UINT_MAX).c_str(), 1L), "");
    }
    void rendering() {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_APPLESS_MAIN(TstGFormat)
#include "tst_GFormat.moc"
