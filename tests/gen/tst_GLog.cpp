#include "gen/GLog.h"
#include "gen/tools/GSettings.h"
#include "gen/tools/LogConfig.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <climits>
#include <map>
#include <memory>

using namespace gen;

namespace {

const QString kWallClock = R"(\[\d\d:\d\d:\d\d,\d{3}\] )";

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

// Threshold, control bits, digits, whether this is the main thread.
QList<unsigned> state() {
    return {unsigned(log::get_log_level()), log::get_control_bits(), log::get_log_digits(), is_main_thread()};
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
        QCOMPARE(state(), (QList<unsigned>{3, 862, 6, 0}));
        const QByteArray first = captured([] { pp("first"); }).value(0);
        QVERIFY2(matches("^\\[000000\\] " + kWallClock + "\\[0001\\] first$", first), first);

        log::configure(0, nullptr); // no store: a fresh record's values
        QCOMPARE(state(), (QList<unsigned>{3, 990, 6, 1}));
        QTemporaryDir dir;
        qt::GSettings store(dir.filePath("log.ini"), QSettings::IniFormat);
        qt::baseSettings = &store;
        log::LogConfig{2, 1, {64}}.write_to_settings();
        log::configure(); // the stored values
        qt::baseSettings = nullptr;
        QCOMPARE(state(), (QList<unsigned>{1, 64, 2, 1}));
    }

    void trailer_data() {
        QTest::addColumn<unsigned>("bits");
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("digits");
        QTest::addColumn<QString>("pattern");
        const QString wallMicro = R"(\[\d\d:\d\d:\d\d,\d{6}\] )";
        const QString elapsed = R"(\[\d\d:\d\d,\d\d,\d{3}\.\d{3}\] )";
        const auto row = [](const char* name, unsigned bits, const QString& pattern, int level = 3,
                            unsigned digits = 6) {
            QTest::newRow(name) << bits << level << digits << pattern;
        };
        row("none; unused bits, abs and micro without time", 2 | 4 | 8 | 16 | 32, "");
        row("number, 0 digits: flags only, no fill", 64, R"(\[(0|[1-9]\d*)\] )", 3, 0);
        row("number, UINT_MAX digits: cut to 255", 64, R"(\[\d{255}\] )", 3, UINT_MAX);
        row("tag out of range", 128, R"(\[NOP\] )", -1);
        row("time since start", 256, elapsed);
        row("time since start ignores micro", 256 | 32, elapsed);
        row("wall clock, microseconds", 256 | 16 | 32, wallMicro);
        row("everything", 1023, R"(\[\d{6}\] \[DEB\] )" + wallMicro + R"(\[0001\])");
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

    // Every front function, the threshold and both appenders in one script. Lines above the threshold
    // reach neither an appender nor the console and use up no numbers; separators count all the same.
    void messages() {
        QStringList plain;
        QList<QPair<QString, int>> extended;
        log::set_control_bits(log::LOG_NUMBER | log::LOG_LEVEL_TAG);
        const auto lines = captured([&] {
            pp_warn();
            pp_info(QStringLiteral("\u00e4 q"));
            pp_error(std::string("x\0y", 3));
            pp(static_cast<const char*>(nullptr));
            pp_warn(2u, "a");
            pp("n=$", -7LL);
            pp_info("a\xff");         // malformed UTF-8 is read as UTF-8: the bad byte becomes U+FFFD
            pp_info("s\xed\xa0\x80"); // a UTF-16 surrogate is no code point
            pp_line();
            log::set_log_level(log::INFO);
            pp("hidden");
            pp("hidden $", 5LL);
            pp_line();
            pp_info_line();
            log::set_gui_appender([&](QString line) { plain << line; });
            log::set_gui_appender_ext(
                [&](QString line, log::LOG_LEVEL level) { extended << qMakePair(line, int(level)); });
            pp_info("i");
            log::set_gui_appender({});
            pp_warn("w");
            log::set_gui_appender_ext({});
            pp_error(std::string(3000, 'e')); // longer than a line built in place
            log::set_log_level(-1);
            pp_error("nothing passes a negative threshold");
            log::set_log_level(log::DEBUG);
            pp_line();
        });
        const auto texts = QList<QByteArray>(
            {"[WRN]  ", "[INF]  \xc3\xa4 q", QByteArray("[ERR]  x\0y", 10), "[DEB]  nullptr", "[WRN]    a",
             "[DEB]  n=-7", "[INF]  a\xef\xbf\xbd", "[INF]  s\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd",
             "[DEB]  ---- [ 1 ] ------", "[INF]  === [ 1 ] ======", "[INF]  i", "[WRN]  w",
             "[ERR]  " + QByteArray(3000, 'e'), "[DEB]  ---- [ 3 ] ------"});
        QList<QByteArray> expected;
        const int first = lines.value(0).mid(1, 6).toInt();
        for (const QByteArray& text : texts)
            expected << "[" + QByteArray::number(first + expected.size()).rightJustified(6, '0') + "] " +
                            text;
        QCOMPARE(lines, expected);
        QCOMPARE(plain, QStringList{QString(lines[10])});
        QCOMPARE(extended, (QList<QPair<QString, int>>{{QString(lines[10]), 2}, {QString(lines[11]), 1}}));
    }

    // Every fatal check of the program, each in a child of its own. A handler waits five seconds before
    // it ends the process, so all children start at once and each row waits for its own.
    void fatalHandlersEndTheProcess_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QByteArray>("output");
        const QByteArray exit = "program will exit in 5 sec\n";
        const auto row = [this](const char* which, const QByteArray& output) {
            children[which] = std::make_unique<QProcess>();
            children[which]->start(FATAL_PROBE, {which});
            QTest::newRow(which) << which << output;
        };
        qputenv("QT_QPA_PLATFORM", "offscreen");
        row("null", "nullptr:widget == NULL\ngen/qt/GPanel\nLINE:42\n" + exit);
        row("bool", "bool expression failure:\ncount > 0\nLINE:7\n" + exit + "program exit !\n");
        row("options", "nullptr:baseSettings == NULL\ngen/qt/dialogs/GDialogOption\nLINE:43\n" + exit);
        row("no-layout", "nullptr:lay == NULL\ngen/qt/GPanel\nLINE:75\n" + exit);
        row("null-widget", "nullptr:widget == NULL\ngen/qt/GPanel\nLINE:152\n" + exit);
        row("window", "nullptr:settings == NULL\nWindow\nLINE:39\n" + exit);
    }
    void fatalHandlersEndTheProcess() {
        QFETCH(QString, which);
        QFETCH(QByteArray, output);
        QProcess& child = *children[which];
        QVERIFY(child.waitForFinished(30000));
        const int exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
        QCOMPARE(QByteArray::number(exitCode) + " " + child.readAllStandardOutput(), "1 " + output);
    }

private:
    std::map<QString, std::unique_ptr<QProcess>> children;
};

QTEST_GUILESS_MAIN(TstGLog)
#include "tst_GLog.moc"
