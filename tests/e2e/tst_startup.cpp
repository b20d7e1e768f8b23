// Starts the real hello-qt6 on the X server of xvfb-run with a prepared
// settings file, closes it again as a desktop session would, and checks what
// it printed, what it stored and how it ended.

#include <QtTest>

class TstStartup : public QObject {
    Q_OBJECT

private slots:
    void startsAndClosesCleanly_data();
    void startsAndClosesCleanly();
};

void TstStartup::startsAndClosesCleanly_data() {
    QTest::addColumn<QByteArray>("file");     // the settings file; "<dir>" puts a directory in its place
    QTest::addColumn<bool>("clearsConfig");   // "CLEAR CONFIG" expected
    QTest::addColumn<QString>("linePattern"); // the "Qt version" line; empty: no line may appear

    const QByteArray current = "[config]\nversion=10811\n";
    const QString defaults = R"(^\[0000\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version \d+\.\d+\.\d+$)";
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);

    QTest::newRow("no file") << QByteArray() << true << defaults;
    QTest::newRow("binary garbage") << garbage << true << defaults;
    QTest::newRow("truncated") << QByteArray("[config]\nversion=108") << true << defaults;
    QTest::newRow("truncated mid-section") << current + "[lo" << false << defaults;
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
    const QString path = home.filePath("gen/hello-qt6.conf");
    QVERIFY(QDir().mkpath(file == "<dir>" ? path : home.filePath("gen")));
    QFile settings(path);
    if (!file.isEmpty() && file != "<dir>")
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(file));
    settings.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    program.start(HELLO_QT6, {});
    QVERIFY(program.waitForStarted());
    // Closed once it has logged its start, or after a fixed time when its threshold hides that line.
    const QDeadlineTimer deadline(linePattern.isEmpty() ? 3000 : 30000);
    QByteArray output;
    while (program.state() == QProcess::Running && !deadline.hasExpired() && !output.contains("Qt version")) {
        program.waitForReadyRead(100);
        output += program.readAllStandardOutput();
    }
    QVERIFY2(program.state() == QProcess::Running, output.constData()); // no crash, no early exit
    program.terminate();
    QVERIFY2(program.waitForFinished(30000), "still running after SIGTERM");
    output += program.readAllStandardOutput();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(output.startsWith("CLEAR CONFIG\n"), clearsConfig);
    const QRegularExpression line(linePattern.isEmpty() ? "Qt version" : linePattern,
                                  QRegularExpression::MultilineOption);
    QVERIFY2(line.match(QString::fromUtf8(output)).hasMatch() != linePattern.isEmpty(), output.constData());
    // What it found is kept, or replaced by the current version.
    if (file != "<dir>") {
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY2(settings.readAll().contains("version=10811"), qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
