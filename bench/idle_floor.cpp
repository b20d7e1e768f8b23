// The least an idle hello-qt6 can cost: a shown main window and the two timers
// its panels keep running while nothing moves (the gravity panel's 1 ms tick
// and the plot's 25 ms tick), with empty slots. The floor for the idle CPU
// measurement of scripts/bench-startup.sh.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {
// hello-qt6's window on a first start.
constexpr QSize kWindowSize(503, 700);
constexpr int kGravityTickMs = 1;
constexpr int kPlotTickMs = 25;
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Idle floor"));
    window.resize(kWindowSize);

    QTimer gravityTick;
    gravityTick.setInterval(kGravityTickMs);
    QObject::connect(&gravityTick, &QTimer::timeout, [] {});
    gravityTick.start();
    QTimer plotTick;
    plotTick.setInterval(kPlotTickMs);
    QObject::connect(&plotTick, &QTimer::timeout, [] {});
    plotTick.start();

    window.show();
    return QApplication::exec();
}
