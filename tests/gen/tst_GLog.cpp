#include "gen/GLog.h"
#include "gen/tools/GSettings.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <climits>

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

} // namespace

class TstGLog : public QObject {
    Q_OBJECT

private slots:
    // Must run first: it looks at the logger before anything configured it.
    void staticDefaultsBeforeConfigure();
    void configureAppliesTheStoredRecord();
    void trailerFields_data();
    void trailerFields();
    void levelTags_data();
    void levelTags();
    void lineNumberWidths_data();
    void lineNumberWidths();
    void thresholdFiltersWithoutUsingNumbers();
    void messageForms_data();
    void messageForms();
    void separatorLinesCount();
    void appendersSeeTheConsoleLine();
    void timeStamps_data();
    void timeStamps();
    void sleepReturnsAtOnceForZeroAndNegative();
    void fatalHandlersEndTheProcess_data();
    void fatalHandlersEndTheProcess();

    void cleanup() {
        log::set_log_level(log::DEBUG);
        log::set_control_bits(log::LOG_CONTROL_DEFAULT);
        log::set_log_digits(6);
        log::set_gui_appender({});
        log::set_gui_appender_ext({});
    }
};

void TstGLog::staticDefaultsBeforeConfigure() {
    QCOMPARE(log::get_log_level(), int(log::DEBUG));
    QCOMPARE(log::get_control_bits(), 862u);
    QCOMPARE(log::get_log_digits(), 6u);
    QCOMPARE(get_fast_thread_id(), 1);
    const auto lines = captured([] {
        pp("first");
        pp("second");
    });
    QCOMPARE(lines.size(), 2);
    QVERIFY2(matches("^\\[000000\\] " + kWallClock + "\\[0001\\] first$", lines[0]), lines[0]);
    QVERIFY(lines[1].startsWith("[000001] "));
}

void TstGLog::configureAppliesTheStoredRecord() {
    QVERIFY(!qt::baseSettings);
    log::configure(0, nullptr); // no store: a fresh record's values
    QCOMPARE(log::get_control_bits(), 990u);
    QCOMPARE(log::get_log_digits(), 6u);
    QVERIFY(is_main_thread());

    QTemporaryDir dir;
    qt::GSettings store(dir.filePath("empty.ini"), QSettings::IniFormat);
    qt::baseSettings = &store;
    log::configure(); // an empty store: the store's defaults
    qt::baseSettings = nullptr;
    QCOMPARE(log::get_control_bits(), 862u);
    QCOMPARE(log::get_log_digits(), 4u);
    QCOMPARE(log::get_log_level(), int(log::DEBUG));
}

void TstGLog::trailerFields_data() {
    QTest::addColumn<unsigned int>("bits");
    QTest::addColumn<QString>("pattern");
    const QString number = R"(\[\d{6}\] )";
    const QString tag = R"(\[DEB\] )";
    const QString wallMicro = R"(\[\d\d:\d\d:\d\d,\d{6}\] )";
    const QString elapsed = R"(\[\d\d:\d\d,\d\d,\d{3}\.\d{3}\] )";
    const QString thread = R"(\[0001\])";
    QTest::newRow("none") << 0u << QString();
    QTest::newRow("unused bits only") << 14u << QString();
    QTest::newRow("number") << 64u << number;
    QTest::newRow("level") << 128u << tag;
    QTest::newRow("time since start") << 256u << elapsed;
    QTest::newRow("time since start ignores micro") << (256u | 32u) << elapsed;
    QTest::newRow("wall clock, milliseconds") << (256u | 16u) << kWallClock;
    QTest::newRow("wall clock, microseconds") << (256u | 16u | 32u) << wallMicro;
    QTest::newRow("abs and micro without time") << (16u | 32u) << QString();
    QTest::newRow("thread") << 512u << thread;
    QTest::newRow("stored default 862") << 862u << number + kWallClock + thread;
    QTest::newRow("fresh record 990") << 990u << number + tag + kWallClock + thread;
    QTest::newRow("everything") << 1023u << number + tag + wallMicro + thread;
}

void TstGLog::trailerFields() {
    QFETCH(unsigned int, bits);
    QFETCH(QString, pattern);
    log::set_control_bits(bits);
    const auto lines = captured([] { pp("msg"); });
    QVERIFY2(matches("^" + pattern + " msg$", lines.value(0)), lines.value(0));
    QVERIFY(matches("^" + pattern + " $", QByteArray::fromStdString(log::trailler(log::DEBUG))));
}

void TstGLog::levelTags_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("tag");
    QTest::newRow("error") << 0 << QByteArray("[ERR] ");
    QTest::newRow("warn") << 1 << QByteArray("[WRN] ");
    QTest::newRow("info") << 2 << QByteArray("[INF] ");
    QTest::newRow("debug") << 3 << QByteArray("[DEB] ");
    QTest::newRow("out of range") << 7 << QByteArray("[NOP] ");
    QTest::newRow("negative") << -1 << QByteArray("[NOP] ");
}

void TstGLog::levelTags() {
    QFETCH(int, level);
    QFETCH(QByteArray, tag);
    log::set_control_bits(log::LOG_LEVEL_TAG);
    log::set_log_level(INT_MAX);
    QCOMPARE(log::qtrailler(static_cast<log::LOG_LEVEL>(level)).toUtf8(), tag + " ");
    const auto lines = captured([level] { log::log_string(static_cast<log::LOG_LEVEL>(level), "m"); });
    QCOMPARE(lines, QList<QByteArray>{tag + " m"});
}

void TstGLog::lineNumberWidths_data() {
    QTest::addColumn<unsigned int>("digits");
    QTest::newRow("0: flags only, no fill") << 0u;
    QTest::newRow("1") << 1u;
    QTest::newRow("4") << 4u;
    QTest::newRow("100, past the direct path") << 100u;
}

void TstGLog::lineNumberWidths() {
    QFETCH(unsigned int, digits);
    log::set_log_digits(digits);
    log::set_control_bits(log::LOG_NUMBER);
    QCOMPARE(log::get_log_digits(), digits);
    const QByteArray line = captured([] { pp("m"); }).value(0);
    const auto m = QRegularExpression(R"(^\[(\d+)\]  m$)").match(QString::fromUtf8(line));
    QVERIFY2(m.hasMatch(), line);
    const qulonglong number = m.captured(1).toULongLong();
    const int width = qMax(QString::number(number).size(), int(digits));
    QCOMPARE(m.captured(1), QString("%1").arg(number, width, 10, QChar('0')));
}

void TstGLog::thresholdFiltersWithoutUsingNumbers() {
    log::set_control_bits(log::LOG_NUMBER | log::LOG_LEVEL_TAG);
    log::set_log_level(log::INFO);
    const auto lines = captured([] {
        pp("hidden");
        pp("hidden $", 5LL);
        pp_info("i");
        pp_warn("w");
        pp_error("e");
    });
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith("[INF]  i") && lines[1].endsWith("[WRN]  w") && lines[2].endsWith("[ERR]  e"));
    const int first = lines[0].mid(1, 6).toInt();
    QCOMPARE(lines[1].mid(1, 6).toInt(), first + 1);
    QCOMPARE(lines[2].mid(1, 6).toInt(), first + 2);

    log::set_log_level(-1);
    QVERIFY(captured([] { pp_error("nothing passes a negative threshold"); }).isEmpty());
}

void TstGLog::messageForms_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no argument") << 0 << QByteArray();
    QTest::newRow("QString") << 1 << QByteArray("\xc3\xa4 q");
    QTest::newRow("std::string with a zero byte") << 2 << QByteArray("x\0y", 3);
    QTest::newRow("null const char*") << 3 << QByteArray("nullptr");
    QTest::newRow("indent") << 4 << QByteArray("  a");
    QTest::newRow("formatted") << 5 << QByteArray("n=-7");
    // Malformed UTF-8 is read as UTF-8: the bad byte becomes U+FFFD.
    QTest::newRow("invalid utf-8") << 6
                                   << QByteArray("a\xef\xbf\xbd"
                                                 "b");
}

void TstGLog::messageForms() {
    QFETCH(int, form);
    QFETCH(QByteArray, message);
    log::set_control_bits(0);
    const auto lines = captured([form] {
        switch (form) {
        case 0:
            pp_warn();
            break;
        case 1:
            pp_warn(QStringLiteral("\u00e4 q"));
            break;
        case 2:
            pp_warn(std::string("x\0y", 3));
            break;
        case 3:
            pp_warn(static_cast<const char*>(nullptr));
            break;
        case 4:
            pp_warn(2u, "a");
            break;
        case 5:
            pp("n=$", -7LL);
            break;
        case 6:
            pp_warn("a\xff"
                    "b");
            break;
        }
    });
    QCOMPARE(lines, QList<QByteArray>{" " + message});
}

void TstGLog::separatorLinesCount() {
    log::set_control_bits(log::LOG_LEVEL_TAG);
    const auto lines = captured([] {
        pp_line();
        pp_line();
        pp_info_line();
    });
    QCOMPARE(lines.size(), 3);
    // Earlier tests may have used the debug counter while DEBUG was filtered.
    const auto m = QRegularExpression(R"(^\[DEB\]  ---- \[ (\d+) \] ------$)").match(QString(lines[0]));
    QVERIFY2(m.hasMatch(), lines[0]);
    QCOMPARE(lines[1], QString("[DEB]  ---- [ %1 ] ------").arg(m.captured(1).toInt() + 1).toUtf8());
    QCOMPARE(lines[2], QByteArray("[INF]  === [ 1 ] ======"));
}

void TstGLog::appendersSeeTheConsoleLine() {
    QStringList plain;
    QList<QPair<QString, int>> extended;
    log::set_gui_appender([&](QString line) { plain << line; });
    log::set_gui_appender_ext(
        [&](QString line, log::LOG_LEVEL level) { extended << qMakePair(line, int(level)); });
    const auto lines = captured([] {
        pp_error("boom");
        log::set_gui_appender({});
        pp_info("only extended");
        log::set_gui_appender_ext({});
        pp("nobody");
    });
    QCOMPARE(lines.size(), 3);
    QCOMPARE(plain, QStringList{QString(lines[0])});
    QCOMPARE(extended, (QList<QPair<QString, int>>{{QString(lines[0]), 0}, {QString(lines[1]), 2}}));
}

void TstGLog::timeStamps_data() {
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("fraction");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("wall, milli") << true << "%H:%M:%S" << 1 << R"(^\d\d:\d\d:\d\d,\d{3}$)";
    QTest::newRow("wall, micro") << true << "%H:%M:%S" << 0 << R"(^\d\d:\d\d:\d\d,\d{6}$)";
    QTest::newRow("wall, unknown fraction") << true << "%H:%M:%S" << 5 << R"(^\d\d:\d\d:\d\d$)";
    QTest::newRow("wall, too long for the buffer") << true << QString(600, 'x') << 1 << R"(^,\d{3}$)";
    QTest::newRow("since start") << false << "ignored" << 1 << R"(^\d\d:\d\d,\d\d,\d{3}\.\d{3}$)";
}

void TstGLog::timeStamps() {
    QFETCH(bool, absolute);
    QFETCH(QString, format);
    QFETCH(int, fraction);
    QFETCH(QString, pattern);
    const QTime before = QTime::currentTime();
    const auto stamp = QByteArray::fromStdString(
        log::get_time_stamp(absolute, format.toStdString(), static_cast<time::FORM_SECOND>(fraction)));
    QVERIFY2(matches(pattern, stamp), stamp);
    if (absolute && format.startsWith('%')) { // local time, not UTC; allow for midnight
        const int drift = qAbs(before.secsTo(QTime::fromString(stamp.left(8), "HH:mm:ss")));
        QVERIFY2(drift <= 2 || drift >= 86398, stamp);
    }
}

void TstGLog::sleepReturnsAtOnceForZeroAndNegative() {
    QElapsedTimer timer;
    timer.start();
    gSleep(0);
    gSleep(static_cast<unsigned long long>(-1LL));
    gSleep(static_cast<unsigned long long>(LLONG_MIN));
    QVERIFY(timer.elapsed() < 2000); // a real sleep here would last for ages
}

void TstGLog::fatalHandlersEndTheProcess_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("null pointer") << "null"
                                  << QByteArray("nullptr:widget == NULL\ngen/qt/GPanel\nLINE:42\n"
                                                "program will exit in 5 sec\n");
    QTest::newRow("bool expression") << "bool"
                                     << QByteArray("bool expression failure:\ncount > 0\nLINE:7\n"
                                                   "program will exit in 5 sec\nprogram exit !\n");
}

void TstGLog::fatalHandlersEndTheProcess() {
    QFETCH(QString, which);
    QFETCH(QByteArray, output);
    QProcess child;
    child.start(FATAL_PROBE, {which});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QCOMPARE(child.readAllStandardOutput(), output);
}

QTEST_GUILESS_MAIN(TstGLog)
#include "tst_GLog.moc"
