#include "gen/GLog.h"
#include "gen/tools/GSettings.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <climits>

using namespace gen;

namespace {

constexpr const char* kWallClock = R"(\[\d\d:\d\d:\d\d,\d{3}\] )";

QString lineOf(const QByteArray& raw) {
    return QString::fromUtf8(raw);
}

// Logs one DEBUG line with standard output captured and returns it.
QByteArray logged(const char* text) {
    StdoutCapture capture;
    pp(text);
    const auto lines = capture.lines();
    return lines.isEmpty() ? QByteArray() : lines.last();
}

void restoreDefaults() {
    log::set_log_level(log::DEBUG);
    log::set_control_bits(log::LOG_CONTROL_DEFAULT);
    log::set_log_digits(6);
    log::set_gui_appender({});
    log::set_gui_appender_ext({});
}

} // namespace

class TstGLog : public QObject {
    Q_OBJECT

private slots:
    // Must run first: it looks at the logger before anything configured it.
    void staticDefaultsBeforeConfigure();
    void configureWithoutStoreAppliesFreshRecord();
    void configureWithEmptyStoreAppliesStoredDefaults();

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
    void wallClockIsLocalTime();
    void sleepReturnsAtOnceForZeroAndNegative();
    void fatalHandlersEndTheProcess_data();
    void fatalHandlersEndTheProcess();

    void cleanup() { restoreDefaults(); }
};

void TstGLog::staticDefaultsBeforeConfigure() {
    QCOMPARE(log::get_log_level(), int(log::DEBUG));
    QCOMPARE(log::get_control_bits(), 862u);
    QCOMPARE(log::get_log_digits(), 6u);
    QCOMPARE(get_fast_thread_id(), 1);

    StdoutCapture capture;
    pp("first");
    pp("second");
    const auto lines = capture.lines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(QRegularExpression(QString("^\\[000000\\] %1\\[0001\\] first$").arg(kWallClock))
                 .match(lineOf(lines[0]))
                 .hasMatch(),
             lines[0].constData());
    QVERIFY(lines[1].startsWith("[000001] "));
}

void TstGLog::configureWithoutStoreAppliesFreshRecord() {
    QVERIFY(!qt::baseSettings);
    log::configure(0, nullptr);
    QCOMPARE(log::get_control_bits(), 990u);
    QCOMPARE(log::get_log_digits(), 6u);
    QCOMPARE(log::get_log_level(), int(log::DEBUG));
    QVERIFY(is_main_thread());
    QVERIFY(logged("x").contains("[DEB] "));
}

void TstGLog::configureWithEmptyStoreAppliesStoredDefaults() {
    QTemporaryDir dir;
    qt::GSettings store(dir.filePath("empty.ini"), QSettings::IniFormat);
    qt::baseSettings = &store;
    log::configure();
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
    const QString wallMilli = kWallClock;
    const QString wallMicro = R"(\[\d\d:\d\d:\d\d,\d{6}\] )";
    const QString elapsed = R"(\[\d\d:\d\d,\d\d,\d{3}\.\d{3}\] )";
    const QString thread = R"(\[0001\])";

    QTest::newRow("none") << 0u << QString();
    QTest::newRow("unused bits only") << 14u << QString();
    QTest::newRow("number") << 64u << number;
    QTest::newRow("level") << 128u << tag;
    QTest::newRow("time since start") << 256u << elapsed;
    QTest::newRow("time since start ignores micro bit") << (256u | 32u) << elapsed;
    QTest::newRow("wall clock, milliseconds") << (256u | 16u) << wallMilli;
    QTest::newRow("wall clock, microseconds") << (256u | 16u | 32u) << wallMicro;
    QTest::newRow("abs and micro without time") << (16u | 32u) << QString();
    QTest::newRow("thread") << 512u << thread;
    QTest::newRow("number and thread") << (64u | 512u) << number + thread;
    QTest::newRow("stored default 862") << 862u << number + wallMilli + thread;
    QTest::newRow("fresh record 990") << 990u << number + tag + wallMilli + thread;
    QTest::newRow("everything") << 1023u << number + tag + wallMicro + thread;
}

void TstGLog::trailerFields() {
    QFETCH(unsigned int, bits);
    QFETCH(QString, pattern);
    log::set_control_bits(bits);
    const QRegularExpression expected("^" + pattern + " msg$");
    const QByteArray line = logged("msg");
    QVERIFY2(expected.match(lineOf(line)).hasMatch(), line.constData());
    QVERIFY(expected.match(QString::fromStdString(log::trailler(log::DEBUG) + "msg")).hasMatch());
}

void TstGLog::levelTags_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("tag");
    QTest::newRow("error") << 0 << "[ERR] ";
    QTest::newRow("warn") << 1 << "[WRN] ";
    QTest::newRow("info") << 2 << "[INF] ";
    QTest::newRow("debug") << 3 << "[DEB] ";
    QTest::newRow("out of range") << 7 << "[NOP] ";
    QTest::newRow("negative") << -1 << "[NOP] ";
}

void TstGLog::levelTags() {
    QFETCH(int, level);
    QFETCH(QString, tag);
    log::set_control_bits(log::LOG_LEVEL_TAG);
    log::set_log_level(INT_MAX);
    QCOMPARE(log::qtrailler(static_cast<log::LOG_LEVEL>(level)), tag + " ");

    StdoutCapture capture;
    log::log_string(static_cast<log::LOG_LEVEL>(level), "m");
    QCOMPARE(lineOf(capture.text()), tag + " m\n");
}

void TstGLog::lineNumberWidths_data() {
    QTest::addColumn<unsigned int>("digits");
    QTest::addColumn<int>("expectedWidth");
    QTest::newRow("0: flags only, no fill") << 0u << -1;
    QTest::newRow("1") << 1u << 1;
    QTest::newRow("4") << 4u << 4;
    QTest::newRow("10") << 10u << 10;
    QTest::newRow("100, past the direct path") << 100u << 100;
}

void TstGLog::lineNumberWidths() {
    QFETCH(unsigned int, digits);
    QFETCH(int, expectedWidth);
    log::set_log_digits(digits);
    log::set_control_bits(log::LOG_NUMBER);
    QCOMPARE(log::get_log_digits(), digits);

    const QByteArray line = logged("m");
    const QRegularExpressionMatch m = QRegularExpression(R"(^\[(\d+)\]  m$)").match(lineOf(line));
    QVERIFY2(m.hasMatch(), line.constData());
    const QString number = m.captured(1);
    const int natural = QString::number(number.toULongLong()).size();
    const int width = qMax(natural, expectedWidth);
    QCOMPARE(number.size(), width);
    // The fill is zeros in front of the plain number.
    QCOMPARE(number, QString("%1").arg(number.toULongLong(), width, 10, QChar('0')));
}

void TstGLog::thresholdFiltersWithoutUsingNumbers() {
    log::set_control_bits(log::LOG_NUMBER | log::LOG_LEVEL_TAG);
    log::set_log_level(log::INFO);
    StdoutCapture capture;
    pp("hidden debug");
    pp("hidden $", 5LL);
    pp_line();
    pp_info("i");
    pp_warn("w");
    pp_error("e");
    pp("hidden again");
    const auto lines = capture.lines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith("[INF]  i"));
    QVERIFY(lines[1].endsWith("[WRN]  w"));
    QVERIFY(lines[2].endsWith("[ERR]  e"));
    const int first = lines[0].mid(1, 6).toInt();
    QCOMPARE(lines[1].mid(1, 6).toInt(), first + 1);
    QCOMPARE(lines[2].mid(1, 6).toInt(), first + 2);

    log::set_log_level(-1);
    StdoutCapture silent;
    pp_error("nothing passes a negative threshold");
    QVERIFY(silent.text().isEmpty());
}

void TstGLog::messageForms_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no argument") << 0 << QByteArray();
    QTest::newRow("QString") << 1 << QByteArray("\xc3\xa4 q");
    QTest::newRow("std::string") << 2 << QByteArray("s");
    QTest::newRow("const char*") << 3 << QByteArray("c");
    QTest::newRow("null const char*") << 4 << QByteArray("nullptr");
    QTest::newRow("indent") << 5 << QByteArray("  a");
    QTest::newRow("formatted") << 6 << QByteArray("n=-7");
    // Malformed UTF-8 is read as UTF-8: each bad byte becomes U+FFFD.
    QTest::newRow("invalid utf-8") << 7
                                   << QByteArray("a\xef\xbf\xbd"
                                                 "b");
    QTest::newRow("embedded zero in std::string") << 8 << QByteArray("x\0y", 3);
}

void TstGLog::messageForms() {
    QFETCH(int, form);
    QFETCH(QByteArray, message);
    log::set_control_bits(0);
    StdoutCapture capture;
    switch (form) {
    case 0:
        pp_warn();
        break;
    case 1:
        pp_warn(QStringLiteral("\u00e4 q"));
        break;
    case 2:
        pp_warn(std::string("s"));
        break;
    case 3:
        pp_warn("c");
        break;
    case 4:
        pp_warn(static_cast<const char*>(nullptr));
        break;
    case 5:
        pp_warn(2u, "a");
        break;
    case 6:
        pp("n=$", -7LL);
        break;
    case 7:
        pp_warn("a\xff"
                "b");
        break;
    case 8:
        pp_warn(std::string("x\0y", 3));
        break;
    }
    QCOMPARE(capture.text(), " " + message + "\n");
}

void TstGLog::separatorLinesCount() {
    log::set_control_bits(log::LOG_LEVEL_TAG);
    StdoutCapture capture;
    pp_line();
    pp_line();
    pp_info_line();
    const auto lines = capture.lines();
    QCOMPARE(lines.size(), 3);
    // Earlier tests may have used the debug counter while DEBUG was filtered.
    const QRegularExpressionMatch first =
        QRegularExpression(R"(^\[DEB\]  ---- \[ (\d+) \] ------$)").match(lineOf(lines[0]));
    QVERIFY2(first.hasMatch(), lines[0].constData());
    const int n = first.captured(1).toInt();
    QVERIFY(n >= 1);
    QCOMPARE(lines[1], QString("[DEB]  ---- [ %1 ] ------").arg(n + 1).toUtf8());
    QCOMPARE(lines[2], QByteArray("[INF]  === [ 1 ] ======"));
}

void TstGLog::appendersSeeTheConsoleLine() {
    QStringList plain;
    QList<QPair<QString, int>> extended;
    log::set_gui_appender([&](QString line) { plain << line; });
    log::set_gui_appender_ext(
        [&](QString line, log::LOG_LEVEL level) { extended << qMakePair(line, int(level)); });

    StdoutCapture capture;
    pp_error("boom");
    log::set_gui_appender({});
    pp_info("only extended");
    log::set_gui_appender_ext({});
    pp("nobody");
    const auto lines = capture.lines();

    QCOMPARE(lines.size(), 3);
    QCOMPARE(plain, QStringList{lineOf(lines[0])});
    QCOMPARE(extended.size(), 2);
    QCOMPARE(extended[0], qMakePair(lineOf(lines[0]), int(log::ERROR)));
    QCOMPARE(extended[1], qMakePair(lineOf(lines[1]), int(log::INFO)));
}

void TstGLog::timeStamps_data() {
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("fraction");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("wall, milli") << true << "%H:%M:%S" << 1 << R"(^\d\d:\d\d:\d\d,\d{3}$)";
    QTest::newRow("wall, micro") << true << "%H:%M:%S" << 0 << R"(^\d\d:\d\d:\d\d,\d{6}$)";
    QTest::newRow("wall, unknown fraction") << true << "%H:%M:%S" << 5 << R"(^\d\d:\d\d:\d\d$)";
    QTest::newRow("wall, own format") << true << "%Y" << 1 << R"(^\d{4},\d{3}$)";
    QTest::newRow("wall, too long for the buffer") << true << QString(600, 'x') << 1 << R"(^,\d{3}$)";
    QTest::newRow("since start") << false << "ignored" << 1 << R"(^\d\d:\d\d,\d\d,\d{3}\.\d{3}$)";
}

void TstGLog::timeStamps() {
    QFETCH(bool, absolute);
    QFETCH(QString, format);
    QFETCH(int, fraction);
    QFETCH(QString, pattern);
    const std::string stamp =
        log::get_time_stamp(absolute, format.toStdString(), static_cast<time::FORM_SECOND>(fraction));
    QVERIFY2(QRegularExpression(pattern).match(QString::fromStdString(stamp)).hasMatch(), stamp.c_str());
}

void TstGLog::wallClockIsLocalTime() {
    const QTime before = QTime::currentTime();
    const std::string stamp = log::get_time_stamp(true, "%H:%M:%S", time::MILLI_SECONDS);
    const QTime logged = QTime::fromString(QString::fromStdString(stamp.substr(0, 8)), "HH:mm:ss");
    QVERIFY(logged.isValid());
    const int drift = qAbs(before.secsTo(logged));
    QVERIFY2(drift <= 2 || drift >= 86398, stamp.c_str()); // allow for midnight
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
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QCOMPARE(child.readAllStandardOutput(), output);
}

QTEST_GUILESS_MAIN(TstGLog)
#include "tst_GLog.moc"
