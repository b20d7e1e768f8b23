// Starts the real hello-qt6 on the X server of xvfb-run with a prepared
// settings file, closes it again as a desktop session would, and checks what
// it wrote and how it ended.

#include <QtTest>

#include <csignal>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kQuietWaitMs = 3000; // for runs whose threshold hides every line
const QString kOrganisation = QStringLiteral("gen");
const QString kProgram = QStringLiteral("hello-qt6");

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray output;
};

// Starts the program, waits until `readyLine` shows (or a fixed time when it
// is empty), then asks it to close with SIGTERM.
Run runProgram(const QString& configHome, const QByteArray& readyLine) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(HELLO_QT6, {});
    Run run;
    if (!process.waitForStarted()) return run;

    QElapsedTimer clock;
    clock.start();
    if (readyLine.isEmpty()) {
        process.waitForFinished(kQuietWaitMs);
    } else {
        while (!run.output.contains(readyLine) && clock.elapsed() < kStartTimeoutMs &&
               process.state() == QProcess::Running) {
            process.waitForReadyRead(200);
            run.output += process.readAllStandardOutput();
        }
    }
    if (process.state() == QProcess::Running) process.terminate();
    if (!process.waitForFinished(kStartTimeoutMs)) process.kill();
    process.waitForFinished();
    run.output += process.readAllStandardOutput();
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    return run;
}

QString settingsFile(const QString& configHome) {
    return configHome + "/" + kOrganisation + "/" + kProgram + ".conf";
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT

private slots:
    void startsAndClosesCleanly_data();
    void startsAndClosesCleanly();
    void settingsSurviveTheRun();
};

void TstStartup::startsAndClosesCleanly_data() {
    QTest::addColumn<QByteArray>("file");     // content of the settings file; "<dir>" makes it unreadable
    QTest::addColumn<bool>("clearsConfig");   // "CLEAR CONFIG" expected
    QTest::addColumn<QString>("linePattern"); // the "Qt version" line; empty: no line may appear

    const QByteArray current = "[config]\nversion=10811\n";
    const QString defaults = R"(^\[0000\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version \d+\.\d+\.\d+$)";

    QTest::newRow("no file") << QByteArray() << true << defaults;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    QTest::newRow("binary garbage") << garbage << true << defaults;
    QTest::newRow("truncated") << QByteArray("[config]\nversion=108") << true << defaults;
    QTest::newRow("truncated mid-section") << QByteArray("[config]\nversion=10811\n[lo") << false << defaults;
    QTest::newRow("unreadable") << QByteArray("<dir>") << true << defaults;
    QTest::newRow("stored log layout") << current + "[log]\ncontrol=576\ndigits=2\n"
                                       << false << R"(^\[00\] \[0001\] Qt version)";
    QTest::newRow("control not a number") << current + "[log]\ncontrol=abc\n" << false << R"(^ Qt version)";
    QTest::newRow("negative digits") << current + "[log]\ndigits=-5\n"
                                     << false << R"(^\[0\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version)";
    QTest::newRow("huge digits") << current + "[log]\ndigits=4000000000\n"
                                 << false << R"(^\[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version)";
    QTest::newRow("level is a list") << current + "[log]\nlevel=1, 2\n" << false << defaults;
    QTest::newRow("level out of range hides INFO") << current + "[log]\nlevel=99999999999\n"
                                                   << false << QString();
    QTest::newRow("every other key wrong")
        << current + "[ui]\ntheme=abc\nwin\\geometry=xyz\nwin\\state=@ByteArray(\\0\\x1)\n"
                     "[log]\ngui\\enabled=maybe\ngui\\fontSize=-1\n"
                     "[app]\nplanet=1, 2\nfunctions=-7\ndelay=99999999999\namp=loud\nrad=nan\n"
        << false << defaults;
}

void TstStartup::startsAndClosesCleanly() {
    QFETCH(QByteArray, file);
    QFETCH(bool, clearsConfig);
    QFETCH(QString, linePattern);

    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(kOrganisation));
    const QString path = settingsFile(home.path());
    if (file == "<dir>") {
        QVERIFY(QDir().mkpath(path));
    } else if (!file.isEmpty()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }

    const Run run = runProgram(home.path(), linePattern.isEmpty() ? QByteArray() : QByteArray("Qt version"));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output.startsWith("CLEAR CONFIG\n"), clearsConfig);

    const QList<QByteArray> lines = run.output.split('\n');
    QByteArray versionLine;
    for (const QByteArray& line : lines)
        if (line.contains("Qt version")) versionLine = line;
    if (linePattern.isEmpty()) {
        QVERIFY2(versionLine.isEmpty(), versionLine.constData());
    } else {
        QVERIFY2(QRegularExpression(linePattern).match(QString::fromUtf8(versionLine)).hasMatch(),
                 run.output.constData());
    }
}

void TstStartup::settingsSurviveTheRun() {
    QTemporaryDir home;
    const Run run = runProgram(home.path(), "Qt version");
    QCOMPARE(run.exitCode, 0);
    QFile stored(settingsFile(home.path()));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray content = stored.readAll();
    QVERIFY2(content.contains("version=10811"), content.constData());

    // A second start finds the current version and wipes nothing.
    const Run again = runProgram(home.path(), "Qt version");
    QCOMPARE(again.exitCode, 0);
    QVERIFY(!again.output.contains("CLEAR CONFIG"));
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
