#include "MySettings.h"
#include "Window.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GOs.h"
#include "gen/qt/GApp.h"

#if !defined(_WIN32)
#include <csignal>
#endif

namespace {
// Together with the program name this selects where the settings live.
const QString kOrganisation = QStringLiteral("gen");
const QString kProgramName = QStringLiteral("hello-qt6");

// Without a name of its own the store would be the organisation's file, shared by all of its
// programs, and the version check would wipe it.
QString store_name() {
    const QString queried = gen::os::get_qprogram_name();
    return queried.isEmpty() ? kProgramName : queried;
}

// A store that cannot be written would lose every change without a word.
void warn_if_store_is_read_only(MySettings& settings) {
    settings.sync();
    if (settings.isWritable() && settings.status() != QSettings::AccessError) return;
    gen::pp_warn(gen::str::xprintF(0, "settings cannot be written to $, changes will not be kept",
                                   settings.fileName()));
}
} // namespace

int main(int argc, char** argv) {
#if !defined(_WIN32)
    // A log reader that goes away (`hello-qt6 | head`) must not kill the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    gen::qt::BaseApp::prepare_settings(kOrganisation, store_name());
    MySettings settings;
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(kProgramName);
    gen::qt::baseSettings = &settings;
    app.close_windows_on_termination();
    gen::log::configure(argc, argv);
    warn_if_store_is_read_only(settings);

    int result = 0;
    {
        Window window;
        window.ini();
        app.set_theme(settings.get_theme());
        window.show();
        result = QApplication::exec();
    }
    gen::qt::baseSettings = nullptr;
    return result;
}
