// Uses the real hello-qt6 as a person at a desktop would: on the X server of
// xvfb-run with a window manager, it opens, is resized and rearranged, closed
// through the window manager and opened again, on a store of its own.

#include <QtTest>

#include <QImage>

namespace {
const QString kStore = QStringLiteral("gen/hello-qt6.conf");
// Generous, for the sanitizer build on a busy machine; only ever waited for in full on failure.
constexpr int kWaitMs = 60000;
// A column this far inside the window's right edge holds the frames but none of the content.
constexpr int kRightInset = 15;
// Where the user puts the window: on screen, and larger than it opens the first time.
const QRect kPlace(120, 90, 720, 760);

// Runs an X tool; its output, or nothing when it failed.
QByteArray tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(kWaitMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return p.readAllStandardOutput().trimmed();
}

bool blank(const QImage& shot) {
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != shot.pixel(0, 0)) return false;
    return true;
}

// The splitter handle is the one band of window colour between the tab widget's frame and the
// log view's; the middle of that band, or -1 when the log view (and so the handle) is hidden.
int handleRow(const QImage& shot) {
    const int x = shot.width() - kRightInset;
    const QRgb window = shot.pixel(x, 0);
    int top = 0;
    int bottom = shot.height() - 1;
    while (top < bottom && shot.pixel(x, top) == window)
        ++top;
    while (bottom > top && shot.pixel(x, bottom) == window)
        --bottom;
    for (int y = top; y < bottom; ++y) {
        if (shot.pixel(x, y) != window) continue;
        int end = y;
        while (shot.pixel(x, end + 1) == window)
            ++end;
        return (y + end) / 2;
    }
    return -1;
}

// One run of the program on a store of its own.
struct Run {
    QProcess program;
    QByteArray out;
    QByteArray err;
    QString window; // X id of the main window

    explicit Run(const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home);
        env.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(env);
        program.start(HELLO_QT6, {});
        program.waitForStarted();
    }
    ~Run() {
        program.kill();
        program.waitForFinished();
    }

    // The visible window of this process, once there is one.
    bool shown() {
        window = QString::fromLatin1(tool(
            "xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(program.processId())}));
        return !window.isEmpty() && !window.contains('\n');
    }
    // What the window shows, once it has painted something.
    QImage shot() const {
        const QString file = QDir::temp().filePath(QString("hello-shot-%1.png").arg(program.processId()));
        QImage image;
        for (const QDeadlineTimer deadline(kWaitMs);
             !deadline.hasExpired() && (image.isNull() || blank(image)); QThread::msleep(100)) {
            QFile::remove(file);
            tool(GRAB_WINDOW, {window, file});
            image.load(file);
        }
        QFile::remove(file);
        return image;
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
    // Closed as the title bar's close button does, the program ends in order and reports no error.
    bool closed() {
        tool("wmctrl", {"-i", "-c", window});
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

class TstSession : public QObject {
    Q_OBJECT

    QTemporaryDir wmHome;
    QProcess wm;

private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X server: run it through ctest");
        for (const char* needed : {"openbox", "wmctrl", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(needed).isEmpty(),
                     "missing tools: run scripts/setup.sh");
        // The window manager gets a configuration home of its own too.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", wmHome.path());
        env.insert("XDG_CACHE_HOME", wmHome.path());
        wm.setProcessEnvironment(env);
        wm.start("openbox", {"--sm-disable"});
        const QDeadlineTimer deadline(kWaitMs);
        while (tool("wmctrl", {"-m"}).isEmpty() && !deadline.hasExpired())
            QThread::msleep(100);
        QVERIFY2(!tool("wmctrl", {"-m"}).isEmpty(), "no window manager came up");
    }
    void cleanupTestCase() {
        wm.terminate();
        wm.waitForFinished();
    }

    // One store through three runs: set up anew and rearranged, found as it was left while threads are
    // started and the window closed under them, then opened with the "log" switch stored off.
    void sessionsKeepWhatWasLeft() {
        QTemporaryDir home;
        QString left;
        int handle = -1;
        {
            Run run(home.path());
            QVERIFY2(run.shown(), run.report());
            tool("wmctrl", {"-i", "-r", run.window, "-e",
                            QString::asprintf("0,%d,%d,%d,%d", kPlace.x(), kPlace.y(), kPlace.width(),
                                              kPlace.height())});
            const QString size = QString::asprintf("WIDTH=%d\nHEIGHT=%d", kPlace.width(), kPlace.height());
            for (const QDeadlineTimer deadline(kWaitMs); !run.geometry().contains(size); QThread::msleep(100))
                QVERIFY2(!deadline.hasExpired(), "the window manager did not resize the window");
            left = run.geometry();
            const int before = handleRow(run.shot());
            QVERIFY(before > 0);
            const QString x = QString::number(kPlace.width() - kRightInset);
            tool("xdotool", {"mousemove", "--window", run.window, x, QString::number(before), "sleep", "0.2",
                             "mousedown", "1", "mousemove", "--window", run.window, x,
                             QString::number(before / 2), "sleep", "0.2", "mouseup", "1"});
            for (const QDeadlineTimer deadline(kWaitMs); (handle = handleRow(run.shot())) == before;
                 QThread::msleep(100))
                QVERIFY2(!deadline.hasExpired(), "the splitter handle did not move");
            QVERIFY(handle > 0 && handle < before);
            QVERIFY2(run.closed(), run.report());
            QVERIFY2(run.out.startsWith("CLEAR CONFIG\n"), run.out);
            QVERIFY2(run.out.contains("gen::qt::theme::apply_the_theme:1, dark\n"), run.out);
        }
        {
            Run again(home.path());
            QVERIFY2(again.shown(), again.report());
            QCOMPARE(again.geometry(), left);
            QCOMPARE(handleRow(again.shot()), handle);
            // Two tabs on to "Threads", into the page, on to "Th 2" and start it, back to "Th 1" and start
            // it.
            tool("xdotool", {"windowactivate", "--sync", again.window});
            tool("xdotool", {"key", "--delay", "100", "ctrl+Tab", "ctrl+Tab", "Tab", "Tab", "space",
                             "shift+Tab", "space"});
            QVERIFY2(again.logged("START THREAD", 2), again.report());
            QVERIFY2(again.closed(), again.report());
            QVERIFY2(!again.out.contains("CLEAR CONFIG"), again.out);
        }
        const QString store = home.filePath(kStore);
        QSettings(store, QSettings::IniFormat).setValue("log/gui/enabled", false);
        Run third(home.path());
        QVERIFY2(third.shown(), third.report());
        QCOMPARE(handleRow(third.shot()), -1);
        QVERIFY2(third.logged("Qt version"), third.report()); // standard output keeps every line
        QVERIFY2(third.closed(), third.report());
        QVERIFY(!QSettings(store, QSettings::IniFormat).value("log/gui/enabled").toBool());
    }
};

QTEST_GUILESS_MAIN(TstSession)
#include "tst_session.moc"
