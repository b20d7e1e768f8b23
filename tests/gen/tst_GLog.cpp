#include "gen/GLog.h"
#include "gen/tools/GSettings.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <climits>

using namespace gen;

namespace {

const QString kWallClock = R"(\[\d\d:\d\d:\d\d,\d{3}\] )";
const QString kDebugTag = R"(\[DEB\] )";

bool matches(const QString& pattern, const QByteArray& text) {
    return QRegularExpression(pattern).match(QString::fromUtf8(text)).hasMatch();
}

// Runs `write` with standard output captured and returns the lines written.
template <typename F>
QList<QByteArray> captured(F write) {
    StdoutCapture capture;
    write();
    return capture.lines();
}

// Threshold, control bits, digits.
QList<unsigned> state() {
    return {unsigned(log::get_log_level()), log::get_control_bits(), log::get_log_digits()};
}

} // namespace

class TstGLog : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        log::set_log_level(log::DEBUG);
        log::set_control_bits(log::LOG_CONTROL_DEFAULT);
        log::set_log_digits(6);
    }

    // Must run first: it looks at the logger before anything configured it.
    void configure() {
        QCOMPARE(state(), (QList<unsigned>{3, 862, 6}));
        QVERIFY(!is_main_thread());
        QCOMPARE(get_fast_thread_id(), 1);
        const QByteArray first = captured([] { pp("first"); }).value(0);
        QVERIFY2(matches("^\\[000000\\] " + kWallClock + "\\[0001\\] first$", first), first);

        log::configure(0, nullptr); // no store: a fresh record's values
        QCOMPARE(state(), (QList<unsigned>{3, 990, 6}));
        QVERIFY(is_main_thread());
        QTemporaryDir dir;
        qt::GSettings store(dir.filePath("empty.ini"), QSettings::IniFormat);
        qt::baseSettings = &store;
        log::configure(); // an empty store: the stored settings' defaults
        qt::baseSettings = nullptr;
        QCOMPARE(state(), (QList<unsigned>{3, 862, 4}));
    }

    void trailer_data() {
        QTest::addColumn<unsigned>("bits");
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("digits");
        QTest::addColumn<QString>("pattern");
        const QString number = R"(\[\d{6}\] )", thread = R"(\[0001\])";
        const QString wallMicro = R"(\[\d\d:\d\d:\d\d,\d{6}\] )";
        const QString elapsed = R"(\[\d\d:\d\d,\d\d,\d{3}\.\d{3}\] )";
        const auto row = [](const char* name, unsigned bits, const QString& pattern, int level = 3,
                            unsigned digits = 6) {
            QTest::newRow(name) << bits << level << digits << pattern;
        };
        row("none", 0, "");
        row("unused bits, abs and micro without time", 2 | 4 | 8 | 16 | 32, "");
        row("number, 0 digits: flags only, no fill", 64, R"(\[(0|[1-9]\d*)\] )", 3, 0);
        row("number, 4 digits", 64, R"(\[\d{4}\] )", 3, 4);
        row("number, 100 digits", 64, R"(\[\d{100}\] )", 3, 100);
        row("number, a million digits: cut to 255", 64, R"(\[\d{255}\] )", 3, 1000000);
        row("number, UINT_MAX digits: cut to 255", 64, R"(\[\d{255}\] )", 3, UINT_MAX);
        row("tag out of range", 128, R"(\[NOP\] )", 7);
        row("tag negative", 128, R"(\[NOP\] )", -1);
        row("time since start", 256, elapsed);
        row("time since start ignores micro", 256 | 32, elapsed);
        row("wall clock, milliseconds", 256 | 16, kWallClock);
        row("wall clock, microseconds", 256 | 16 | 32, wallMicro);
        row("thread", 512, thread);
        row("stored default 862", 862, number + kWallClock + thread);
        row("fresh record 990", 990, number + kDebugTag + kWallClock + thread);
        row("everything", 1023, number + kDebugTag + wallMicro + thread);
    }
    void trailer() {
        QFETCH(unsigned, bits);
        QFETCH(int, level);
        QFETCH(unsigned, digits);
        QFETCH(QString, pattern);
        log::start_log_time(); // elapsed time is counted from here, with or without configure
        log::set_control_bits(bits);
        log::set_log_digits(digits);
        log::set_log_level(INT_MAX);
        const auto lines = captured([level] { log::log_string(static_cast<log::LOG_LEVEL>(level), "msg"); });
        const QByteArray alone = log::qtrailler(static_cast<log::LOG_LEVEL>(level)).toUtf8();
        QVERIFY2(lines.size() == 1 && matches("^" + pattern + " msg$", lines[0]) &&
                     matches("^" + pattern + " $", alone),
                 lines.value(0) + " / " + alone);
    }

    // Lines above the threshold reach neither an appender nor the console and use up no numbers.
    void thresholdAndAppenders() {
        QStringList plain;
        QList<QPair<QString, int>> extended;
        log::set_gui_appender([&](QString line) { plain << line; });
        log::set_gui_appender_ext(
            [&](QString line, log::LOG_LEVEL level) { extended << qMakePair(line, int(level)); });
        log::set_control_bits(log::LOG_NUMBER | log::LOG_LEVEL_TAG);
        log::set_log_level(log::INFO);
        const auto lines = captured([] {
            pp("hidden");
            pp("hidden $", 5LL);
            pp_info("i");
            log::set_gui_appender({});
            pp_warn("w");
            log::set_gui_appender_ext({});
            pp_error(std::string(3000, 'e')); // longer than a line built in place
            log::set_log_level(-1);
            pp_error("nothing passes a negative threshold");
        });
        const int first = lines.value(0).mid(1, 6).toInt();
        QList<QByteArray> expected;
        for (const QString& text : {QString("[INF]  i"), QString("[WRN]  w"), "[ERR]  " + QString(3000, 'e')})
            expected << QString("[%1] %2").arg(first + expected.size(), 6, 10, QChar('0')).arg(text).toUtf8();
        QCOMPARE(lines, expected);
        QCOMPARE(plain, QStringList{QString(lines[0])});
        QCOMPARE(extended, (QList<QPair<QString, int>>{{QString(lines[0]), 2}, {QString(lines[1]), 1}}));
    }

    void messageFormsAndSeparators() {
        log::set_control_bits(log::LOG_LEVEL_TAG);
        const auto lines = captured([] {
            pp_warn();
            pp_info(QStringLiteral("\u00e4 q"));
            pp_error(std::string("x\0y", 3));
            pp(static_cast<const char*>(nullptr));
            pp_warn(2u, "a");
            pp("n=$", -7LL);
            pp_info("a\xff");         // malformed UTF-8 is read as UTF-8: the bad byte becomes U+FFFD
            pp_info("s\xed\xa0\x80"); // a UTF-16 surrogate is no code point
            pp_line();
            pp_line();
            pp_info_line();
        });
        QCOMPARE(lines, (QList<QByteArray>{
                            "[WRN]  ", "[INF]  \xc3\xa4 q", QByteArray("[ERR]  x\0y", 10), "[DEB]  nullptr",
                            "[WRN]    a", "[DEB]  n=-7", "[INF]  a\xef\xbf\xbd",
                            "[INF]  s\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd", "[DEB]  ---- [ 1 ] ------",
                            "[DEB]  ---- [ 2 ] ------", "[INF]  === [ 1 ] ======"}));
    }

    void timeStamps() {
        gSleep(static_cast<unsigned long long>(LLONG_MIN)); // negative as signed: must not sleep for ages
        const QTime before = QTime::currentTime();
        // An unknown fraction form adds no fraction; a format too long for strftime leaves only the fraction.
        const std::string stamp = log::get_time_stamp(true, "%H:%M:%S", static_cast<time::FORM_SECOND>(5));
        const QTime read = QTime::fromString(QString::fromStdString(stamp), "HH:mm:ss");
        const int drift = qAbs(before.secsTo(read)); // local time, not UTC; allow for midnight
        QVERIFY2(read.isValid() && (drift <= 2 || drift >= 86398), stamp.c_str());
        QCOMPARE(log::get_time_stamp(true, std::string(600, 'x'), time::MILLI_SECONDS).size(),
                 std::size_t(4));
    }

    void fatalHandlersEndTheProcess_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QByteArray>("output");
        const QByteArray exit = "program will exit in 5 sec\n";
        QTest::newRow("null pointer") << "null"
                                      << "nullptr:widget == NULL\ngen/qt/GPanel\nLINE:42\n" + exit;
        QTest::newRow("bool expression")
            << "bool"
            << "bool expression failure:\ncount > 0\nLINE:7\n" + exit + "program exit !\n";
    }
    void fatalHandlersEndTheProcess() {
        QFETCH(QString, which);
        QFETCH(QByteArray, output);
        QProcess child;
        child.start(FATAL_PROBE, {which});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(child.readAllStandardOutput(), output);
    }
};

QTEST_GUILESS_MAIN(TstGLog)
#include "tst_GLog.moc"
