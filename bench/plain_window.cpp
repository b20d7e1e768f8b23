// The plainest Qt program that shows a main window: the baseline for the
// start-up time and memory of hello-qt6 (scripts/bench-startup.sh).

#include <QApplication>
#include <QMainWindow>

namespace {
// hello-qt6's window on a first start, so both programs paint the same area.
constexpr QSize kWindowSize(503, 700);
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plain Qt6 window"));
    window.resize(kWindowSize);
    window.show();
    return QApplication::exec();
}
