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
    QTest::addColumn<QString>("linePattern"); // the "Qt version" line

    const QByteArray current = "[config]\nversion=10811\n";
    // Other lines may come first, so the line number is only checked for its width.
    const QString defaults = R"(^\[\d{4}\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version \d+\.\d+\.\d+$)";

    // Works as root too, where file permissions would not stop a write.
    QTest::newRow("unwritable") << QByteArray("<dir>") << defaults;
    // A width past any use is written 255 wide, and the field still closes.
    QTest::newRow("huge digits") << current + "[log]\ndigits=4000000000\n"
                                 << R"(^\[\d{255}\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version)";
    // Window keys carry the object's name after "@", which an INI file writes as %40.
    QTest::newRow("every other key wrong")
        << current + "[ui]\ntheme=abc\nwin\\geometry%40=xyz\nwin\\state%40=@ByteArray(\\0\\x1)\n"
                     "win\\splitter%40=1, 2\n"
                     "[log]\ngui\\enabled=maybe\ngui\\fontSize=-1\n"
                     "[app]\nplanet=1, 2\nfunctions=-7\ndelay=99999999999\namp=loud\nrad=nan\n"
        << defaults;
    // The formats' own headers followed by too little.
    QTest::newRow("window keys cut short")
        << current + "[ui]\nwin\\geometry%40=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0)\n"
                     "win\\state%40=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\0\\xfd)\n"
                     "win\\splitter%40=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\x1\\0\\0\\0\\x2)\n"
        << defaults;
    // Saved on a screen that is gone: magic and version 3.0, then the frame and the normal rectangle
    // (left, top, right, bottom) far off and larger than any screen, screen 0, neither maximised nor
    // full screen, screen width 1280, and the screen's rectangle.
    const QByteArray farRect = R"(\0\x1\0\0\0\x1\0\0\x7f\xff\xff\xff\x7f\xff\xff\xff)";
    QTest::newRow("window far off screen and huge")
        << current + "[ui]\nwin\\geometry%40=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0" + farRect +
               farRect + R"(\0\0\0\0\0\0\0\0\x5\0)" + farRect + ")\n"
        << defaults;
}

void TstStartup::startsAndClosesCleanly() {
    QFETCH(QByteArray, file);
    QFETCH(QString, linePattern);
    // Nothing is read from a directory, so the store starts over and says once that it keeps nothing.
    const bool unwritable = file == "<dir>";
    QTemporaryDir home;
    const QString path = home.filePath("gen/hello-qt6.conf");
    QVERIFY(QDir().mkpath(unwritable ? path : home.filePath("gen")));
    QFile settings(path);
    if (!unwritable) QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(file));
    settings.close();

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(env);
    program.start(HELLO_QT6, {});
    QVERIFY(program.waitForStarted());
    const QDeadlineTimer deadline(30000);
    QByteArray output;
    while (program.state() == QProcess::Running && !deadline.hasExpired() && !output.contains("Qt version")) {
        program.waitForReadyRead(100);
        output += program.readAllStandardOutput();
    }
    QVERIFY2(program.state() == QProcess::Running, output.constData()); // no crash, no early exit
    program.terminate();
    QVERIFY(program.waitForFinished(30000));
    output += program.readAllStandardOutput();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(output.startsWith("CLEAR CONFIG\n"), unwritable);
    const QRegularExpression line(linePattern, QRegularExpression::MultilineOption);
    QVERIFY2(line.match(QString::fromUtf8(output)).hasMatch(), output.constData());
    QVERIFY2(output.count("settings cannot be written") == int(unwritable), output.constData());
    // What it found is kept, or replaced by the current version.
    if (!unwritable) {
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("version=10811"));
    }
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
