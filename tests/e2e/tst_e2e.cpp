// The real hello-qt6 on the X server of xvfb-run, on stores of its own: started on broken ones and ended as
// a desktop session ends it; with a window manager, rearranged, closed through the window manager under
// running workers and opened again, as a person at a desktop would; and natively on Wayland.

#include <QtTest>

namespace {
// Generous, for the sanitizer build on a busy machine; only ever waited for in full on failure.
constexpr int kWaitMs = 60000;
// A column this far inside the window's right edge holds the frames but none of the content.
constexpr int kRightInset = 15;
// Where the user puts the window, as wmctrl takes it (gravity, x, y, width, height): on screen, and larger
// than it opens the first time.
const QString kPlace = QStringLiteral("0,120,90,720,760");
const QString kPlacedSize = QStringLiteral("WIDTH=720\nHEIGHT=760");
const QString kDeep(250, 'd');
// The screen of xvfb-run as the test registration sets it, and what a window manager's frame may shift a
// window by.
const QSize kScreen(1280, 1024);
constexpr int kFrameSlack = 60;
// The Wayland compositor's screen, and the size a user left the window at on it.
constexpr int kScreenWidth = 1600;
const QSize kStoredSize(900, 700);

// X: the program draws on the X server, whatever the test uses. Deep: so, from a folder below `home` whose
// path is too long for the program to learn its own name. Wayland: a client of the compositor whose socket
// is in `home`/runtime.
enum class Mode { X, Deep, Wayland };

// Everything a child writes goes below `home`.
QProcessEnvironment environment(const QString& home, Mode mode = Mode::X) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home);
    env.insert("XDG_CACHE_HOME", home);
    env.insert("QT_QPA_PLATFORM", "xcb");
    if (mode == Mode::Wayland) {
        env.remove("DISPLAY");
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("XDG_RUNTIME_DIR", home + "/runtime");
        env.insert("WAYLAND_DISPLAY", "wayland-test");
        // Qt's Wayland client keeps allocations until exit that LeakSanitizer's short stacks cannot tell
        // apart from leaks; the X runs check for leaks, this one for everything else.
        const QString asan = env.value("ASAN_OPTIONS");
        env.insert("ASAN_OPTIONS", asan.isEmpty() ? "detect_leaks=0" : asan + ":detect_leaks=0");
    }
    return env;
}

// A window's stored geometry in Qt's format 3.0: magic, version, the frame and the normal rectangle, screen
// number, maximised, full screen, the width of the screen it was on (Qt refuses a geometry from a screen of
// another width), the rectangle again.
QByteArray geometry(const QSize& size) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    const QRect rect({}, size);
    out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << rect << rect << qint32(0) << quint8(0)
        << quint8(0) << qint32(kScreenWidth) << rect;
    return data;
}
// Where a stored geometry keeps the normal rectangle, which a Wayland client saves at the origin.
constexpr qsizetype kNormalAt = 24, kRectBytes = 16;

// Runs an X tool; its output, or nothing when it failed.
QByteArray tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(kWaitMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return p.readAllStandardOutput().trimmed();
}

// The splitter handle is the one band of window colour between the tab widget's frame and the log view's;
// the middle of that band, or -1 when nothing is painted yet or the log view (and so the handle) is hidden.
int handleRow(const QImage& shot) {
    if (shot.isNull()) return -1;
    const int x = shot.width() - kRightInset;
    const QRgb window = shot.pixel(x, 0);
    int y = 0;
    while (y < shot.height() && shot.pixel(x, y) == window)
        ++y;
    while (y < shot.height() && shot.pixel(x, y) != window)
        ++y;
    const int top = y;
    while (y < shot.height() && shot.pixel(x, y) == window)
        ++y;
    return y < shot.height() ? (top + y - 1) / 2 : -1;
}

// One run of the program on the store in `home`.
struct Run {
    QProcess program;
    QByteArray out;
    QByteArray err;
    QString window; // X id of the main window, once looked for

    explicit Run(const QString& home, Mode mode = Mode::X) {
        program.setProcessEnvironment(environment(home, mode));
        program.setWorkingDirectory(home);
        if (mode == Mode::Deep)
            program.start("perl", {"-e",
                                   "for (1..20) { mkdir $ARGV[0]; chdir $ARGV[0] or exit 3 } "
                                   "system('cp', $ARGV[1], '.') == 0 or exit 4; exec './hello-qt6'",
                                   kDeep, HELLO_QT6});
        else
            program.start(HELLO_QT6, {});
        program.waitForStarted();
    }

    // The visible window of this process, once there is one.
    bool shown() {
        window = QString::fromLatin1(tool(
            "xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(program.processId())}));
        return !window.isEmpty() && !window.contains('\n');
    }
    // Where the window shows the splitter handle, once it does.
    int handle() const {
        const QString file = QDir::temp().filePath(QString("hello-shot-%1.png").arg(program.processId()));
        int row = -1;
        for (const QDeadlineTimer deadline(kWaitMs); !deadline.hasExpired() && row < 0;
             QThread::msleep(100)) {
            QFile::remove(file);
            tool(GRAB_WINDOW, {window, file});
            row = handleRow(QImage(file));
        }
        QFile::remove(file);
        return row;
    }
    // Its place and size, as "X=…", "Y=…", "WIDTH=…", "HEIGHT=…" and "SCREEN=…" lines.
    QString geometry() const {
        return QString::fromLatin1(tool("xdotool", {"getwindowgeometry", "--shell", window}))
            .section('\n', 1);
    }
    bool logged(const QByteArray& text, int times = 1) {
        for (const QDeadlineTimer deadline(kWaitMs);
             out.count(text) < times && !deadline.hasExpired() && program.state() == QProcess::Running;
             program.waitForReadyRead(100))
            out += program.readAllStandardOutput();
        out += program.readAllStandardOutput();
        return out.count(text) >= times;
    }
    // Closed by the title bar's close button, or without a window manager by the session's SIGTERM, the
    // program ends in order and reports no error.
    bool closed() {
        window.isEmpty() ? program.terminate() : void(tool("wmctrl", {"-i", "-c", window}));
        const bool ended = program.waitForFinished(kWaitMs);
        out += program.readAllStandardOutput();
        err += program.readAllStandardError();
        return ended && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0 &&
               out.contains("CLOSE WIN") && !err.contains("Sanitizer") && !err.contains("runtime error:");
    }
    // The ends of both outputs, where what went wrong shows; a failure message has little room.
    QByteArray report() const { return "stdout: ..." + out.right(300) + "\nstderr: ..." + err.right(600); }
};
} // namespace

class TstE2e : public QObject {
    Q_OBJECT

private slots:

    void startup_data() {
        QTest::addColumn<QByteArray>("file"); // the store; "<dir>" puts a directory in its place
        QTest::addColumn<int>("digits");      // of the line numbers
        QTest::addColumn<bool>("deep");       // run where it cannot learn its own name
        const QByteArray current = "[config]\nversion=10811\n";
        // Works as root too, where file permissions would not stop a write.
        QTest::newRow("unwritable") << QByteArray("<dir>") << 4 << false;
        QTest::newRow("no name of its own") << current << 4 << true;
        // Window keys carry the object's name after "@", which an INI file writes as %40. The geometry was
        // saved on a screen that is gone: magic and version 3.0, then the frame and the normal rectangle far
        // off and larger than any screen, screen 0, neither maximised nor full screen, screen width 1280, and
        // the screen's rectangle. State and splitter are their formats' own headers followed by too little. A
        // line number width past any use is written 255 wide; with the log panel off, standard output keeps
        // every line.
        const QByteArray farRect = R"(\0\x1\0\0\0\x1\0\0\x7f\xff\xff\xff\x7f\xff\xff\xff)";
        QTest::newRow("every key wrong")
            << current + "[ui]\ntheme=abc\nwin\\geometry%40=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0" +
                   farRect + farRect + R"(\0\0\0\0\0\0\0\0\x5\0)" + farRect + ")\n" +
                   "win\\state%40=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\0\\xfd)\n"
                   "win\\splitter%40=@ByteArray(\\0\\0\\0\\xff\\0\\0\\0\\x1\\0\\0\\0\\x2)\n"
                   "[log]\ndigits=4000000000\ngui\\enabled=false\ngui\\fontSize=-1\n"
                   "[app]\nplanet=1, 2\nfunctions=-7\ndelay=99999999999\namp=loud\nrad=nan\n"
            << 255 << false;
        QTest::newRow("geometry cut short, switch unreadable")
            << current +
                   "[ui]\nwin\\geometry%40=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0)\nwin\\splitter%40=1, 2\n"
                   "[log]\ngui\\enabled=maybe\n"
            << 4 << false;
    }
    void startup() {
        QFETCH(QByteArray, file);
        QFETCH(int, digits);
        QFETCH(bool, deep);
        const bool unwritable = file == "<dir>";
        QTemporaryDir home;
        // Deeper than QTemporaryDir can remove.
        const auto removeDeep = qScopeGuard([&] { QProcess::execute("rm", {"-rf", home.filePath(kDeep)}); });
        QFile store(home.filePath("gen/hello-qt6.conf"));
        QVERIFY(QDir().mkpath(unwritable ? store.fileName() : home.filePath("gen")));
        if (!unwritable) QVERIFY(store.open(QIODevice::WriteOnly) && store.write(file) && store.flush());
        // The store another program of the organisation might keep; never this program's to touch.
        QSettings(home.filePath("gen.conf"), QSettings::IniFormat).setValue("kept", 1);
        Run run(home.path(), deep ? Mode::Deep : Mode::X);
        QVERIFY2(run.logged("Qt version"), run.report());
        QVERIFY2(run.closed(), run.report());
        // Other lines may come first, so the line number is only checked for its width.
        const QRegularExpression line(
            QString(R"(^\[\d{%1}\] \[\d\d:\d\d:\d\d,\d{3}\] \[0001\] Qt version \d)").arg(digits),
            QRegularExpression::MultilineOption);
        QVERIFY2(line.match(QString::fromUtf8(run.out)).hasMatch(), run.out);
        // Nothing is read from a directory: the store starts over and says once that it keeps nothing.
        QCOMPARE(run.out.count("settings cannot be written"), int(unwritable));
        // What it found is kept, or replaced by the current version; a directory stays one.
        QCOMPARE(QSettings(store.fileName(), QSettings::IniFormat).value("config/version").toUInt(),
                 unwritable ? 0 : 10811);
        QCOMPARE(QSettings(home.filePath("gen.conf"), QSettings::IniFormat).allKeys(), QStringList("kept"));
    }

    // One store through two runs: set up anew and rearranged, then found as it was left while threads are
    // started and the window is closed under them.
    void session() {
#ifndef HELLO_DESKTOP_TOOLS
        QSKIP("needs openbox, wmctrl and xdotool: run scripts/setup.sh");
#endif
        // The window manager gets a configuration home of its own too.
        const QTemporaryDir home;
        QProcess wm;
        const auto stop = qScopeGuard([&] {
            wm.terminate();
            wm.waitForFinished();
        });
        wm.setProcessEnvironment(environment(home.path()));
        wm.start("openbox", {"--sm-disable"});
        for (const QDeadlineTimer deadline(kWaitMs); tool("wmctrl", {"-m"}).isEmpty(); QThread::msleep(100))
            QVERIFY2(!deadline.hasExpired(), "no window manager came up");
        int handle = -1;
        Run run(home.path());
        QVERIFY2(run.shown(), run.report());
        // The first window is centred at a comfortable size, as far as the frame lets the test tell.
        QMap<QString, int> first;
        for (const QString& line : run.geometry().split('\n'))
            first[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        QVERIFY2(first["WIDTH"] >= 800 && first["HEIGHT"] >= 560 &&
                     qAbs(2 * first["X"] + first["WIDTH"] - kScreen.width()) <= kFrameSlack &&
                     qAbs(2 * first["Y"] + first["HEIGHT"] - kScreen.height()) <= kFrameSlack,
                 qPrintable(run.geometry()));
        tool("wmctrl", {"-i", "-r", run.window, "-e", kPlace});
        for (const QDeadlineTimer deadline(kWaitMs); !run.geometry().contains(kPlacedSize);
             QThread::msleep(100))
            QVERIFY2(!deadline.hasExpired(), "the window manager did not resize the window");
        const QString left = run.geometry();
        const int before = run.handle();
        const QString x = QString::number(720 - kRightInset);
        tool("xdotool", {"mousemove", "--window", run.window, x, QString::number(before), "sleep", "0.2",
                         "mousedown", "1", "mousemove", "--window", run.window, x,
                         QString::number(before / 2), "sleep", "0.2", "mouseup", "1"});
        for (const QDeadlineTimer deadline(kWaitMs); (handle = run.handle()) == before; QThread::msleep(100))
            QVERIFY2(!deadline.hasExpired(), "the splitter handle did not move");
        QVERIFY(handle > 0 && handle < before);
        QVERIFY2(run.closed(), run.report());
        QVERIFY2(run.out.startsWith("CLEAR CONFIG\n"), run.out);
        QVERIFY2(run.out.contains("gen::qt::theme::apply_the_theme:1, dark\n"), run.out);
        Run again(home.path());
        QVERIFY2(again.shown(), again.report());
        QCOMPARE(again.geometry(), left);
        QCOMPARE(again.handle(), handle);
        // Two tabs on to "Threads", into the page, on to "Th 2" and start it, back to "Th 1" and start it.
        tool("xdotool", {"windowactivate", "--sync", again.window, "key", "--delay", "100", "ctrl+Tab",
                         "ctrl+Tab", "Tab", "Tab", "space", "shift+Tab", "space"});
        QVERIFY2(again.logged("START THREAD", 2), again.report());
        QVERIFY2(again.closed(), again.report());
    }

    // Natively on Wayland, on a headless weston of its own: a first run ended as a session ends it, and a
    // second that finds the store and the window's size as the user left them; a Wayland client is given
    // no position.
    void wayland() {
#ifndef WESTON
        QSKIP("needs weston and qt6-wayland: run scripts/setup.sh");
#else
        const QTemporaryDir home;
        const QString runtime = home.filePath("runtime");
        QVERIFY(QDir().mkdir(runtime) &&
                QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcess weston;
        const auto stop = qScopeGuard([&] {
            weston.terminate();
            weston.waitForFinished();
        });
        weston.setProcessEnvironment(environment(home.path(), Mode::Wayland));
        weston.start(WESTON, {"--backend=headless-backend.so", "--use-pixman", "--socket=wayland-test",
                              "--width=" + QString::number(kScreenWidth), "--height=1000"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime + "/wayland-test"), kWaitMs);
        const QString store = home.filePath("gen/hello-qt6.conf");
        for (const bool first : {true, false}) {
            Run run(home.path(), Mode::Wayland);
            // Logged once the shown window's widgets take the theme's palette.
            QVERIFY2(run.logged("on_change_theme") && run.closed() && run.err.isEmpty(), run.report());
            QCOMPARE(run.out.startsWith("CLEAR CONFIG\n"), first);
            if (first)
                QSettings(store, QSettings::IniFormat).setValue("ui/win/geometry@", geometry(kStoredSize));
        }
        QCOMPARE(QSettings(store, QSettings::IniFormat)
                     .value("ui/win/geometry@")
                     .toByteArray()
                     .mid(kNormalAt, kRectBytes),
                 geometry(kStoredSize).mid(kNormalAt, kRectBytes));
#endif
    }
};

QTEST_GUILESS_MAIN(TstE2e)
#include "tst_e2e.moc"
