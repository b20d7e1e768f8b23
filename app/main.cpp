#include "MySettings.h"

#include "gen/GLog.h"
#include "gen/GOs.h"
#include "gen/qt/GApp.h"

#include <QLabel>
#include <QMainWindow>

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {
// Together with the program name this selects where the settings live.
const QString kOrganisation = QStringLiteral("gen");
} // namespace

int main(int argc, char** argv) {
#if !defined(_WIN32)
    // A log reader that goes away (`hello-qt6 | head`) must not kill the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    gen::qt::BaseApp::prepare_settings(kOrganisation, gen::os::get_qprogram_name());
    MySettings settings;
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    gen::qt::baseSettings = &settings;
    app.close_windows_on_termination();
    gen::log::configure(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hello Qt6 - 12"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello Qt6")));
    window.resize(800, 600);
    window.show();
    gen::pp_info(gen::str::xprintF(0, "Qt version $", QT_VERSION_STR));

    const int result = QApplication::exec();
    gen::qt::baseSettings = nullptr;
    return result;
}
