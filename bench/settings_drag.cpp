// A drag of the main window's splitter handle, as a user's hand at 60 Hz
// makes it, then the window closed: the workload under which
// scripts/settings-writes.sh counts the settings file's syncs and renames.
// Prints the moves the splitter reported and whether the file holds the last
// splitter state once everything is gone.

#include "MySettings.h"
#include "Window.h"

#include "gen/GLog.h"
#include "gen/qt/GApp.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDefaultSteps = 200;
// One mouse move per frame of a 60 Hz display.
constexpr int kStepMs = 16;
// Pixels per step; the handle goes down and back up so it never hits an end.
constexpr int kStepPixels = 2;
constexpr int kStepsPerSweep = 50;

void send_mouse(QWidget* handle, QEvent::Type type, QPoint offset, Qt::MouseButtons buttons) {
    const QPoint local = handle->rect().center() + offset;
    QMouseEvent event(type, local, handle->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &event);
}

// The value of `key` as the file on disk holds it: a copy under a name no
// store of this process has opened, since stores share what they read.
QByteArray stored_value(const QString& fileName, const QString& key) {
    // Written by hand: QFile::copy syncs, and the script counts syncs.
    QFile original(fileName);
    QFile copy(fileName + QStringLiteral(".copy"));
    if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)) return {};
    copy.write(original.readAll());
    copy.close();
    return QSettings(copy.fileName(), QSettings::IniFormat).value(key).toByteArray();
}

} // namespace

int main(int argc, char** argv) {
    const int steps = argc > 1 ? std::atoi(argv[1]) : kDefaultSteps;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never the user's store.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    gen::qt::BaseApp::prepare_settings("gen-bench", "settings_drag");

    QString fileName, key;
    QByteArray lastState;
    int moves = 0;
    qint64 dragMs = 0;
    {
        MySettings settings;
        gen::qt::GApp<MySettings> app(argc, argv, &settings);
        gen::qt::baseSettings = &settings;
        gen::log::set_log_level(gen::log::WARN);
        fileName = settings.fileName();
        Window window;
        window.ini();
        window.show();

        auto* splitter = window.findChild<QSplitter*>();
        QWidget* handle = splitter->handle(1);
        key = gen::qt::GSettings::effective_key(QStringLiteral("ui/win/splitter"), splitter);
        QObject::connect(splitter, &QSplitter::splitterMoved, [&moves] { ++moves; });

        int step = 0;
        QElapsedTimer drag;
        QTimer frames;
        // A coarse timer may fire its 16 ms early or late by several ms.
        frames.setTimerType(Qt::PreciseTimer);
        frames.setInterval(kStepMs);
        QObject::connect(&frames, &QTimer::timeout, [&] {
            if (step == steps) {
                frames.stop();
                send_mouse(handle, QEvent::MouseButtonRelease, {}, Qt::NoButton);
                lastState = splitter->saveState();
                dragMs = drag.elapsed();
                window.close();
                return;
            }
            ++step;
            const int sweep = step % (2 * kStepsPerSweep);
            const int y = kStepPixels * (sweep <= kStepsPerSweep ? sweep : 2 * kStepsPerSweep - sweep);
            send_mouse(handle, QEvent::MouseMove, {0, y}, Qt::LeftButton);
        });
        send_mouse(handle, QEvent::MouseButtonPress, {}, Qt::LeftButton);
        drag.start();
        frames.start();
        QApplication::exec();
        gen::qt::baseSettings = nullptr;
    }
    const bool kept = !lastState.isEmpty() && stored_value(fileName, key) == lastState;
    std::printf("steps %d in %lld ms, splitter moves %d, last state in the file: %s\n", steps,
                static_cast<long long>(dragMs), moves, kept ? "yes" : "NO");
    return kept ? 0 : 1;
}
