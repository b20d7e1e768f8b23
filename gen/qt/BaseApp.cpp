#include "gen/qt/BaseApp.h"

#include "gen/qt/ThemeEngine.h"

#include <QCoreApplication>

#include <clocale>

#if defined(Q_OS_UNIX)
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace gen::qt {

BaseApp* gAppBase = nullptr;

#if defined(Q_OS_UNIX)
namespace {
int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void forward_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace
#endif

BaseApp::BaseApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt switched the C library to the user's locale; numbers in log lines
    // and "$" texts keep the decimal point whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    gAppBase = this;
}

BaseApp::~BaseApp() {
#if defined(Q_OS_UNIX)
    // Nobody reads the pipe once the application is gone: let the signals
    // end the process again, and let a later application install its own.
    if (signalPipe[0] >= 0) {
        delete terminationNotifier;
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
        for (int& fd : signalPipe) {
            ::close(fd);
            fd = -1;
        }
    }
#endif
    if (gAppBase == this) gAppBase = nullptr;
}

void BaseApp::prepare_settings(const QString& organisation, const QString& application) {
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
}

void BaseApp::set_theme(unsigned int theme) {
    requestedTheme = theme;
    if (theme == appliedTheme) return;
    theme::apply_the_theme(theme);
    appliedTheme = theme;
}

void BaseApp::close_windows_on_termination() {
#if defined(Q_OS_UNIX)
    if (signalPipe[0] >= 0) return;
    if (::pipe(signalPipe) != 0) return;
    for (int fd : signalPipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    terminationNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    QObject::connect(terminationNotifier, &QSocketNotifier::activated, this, [] {
        char drain[16];
        while (::read(signalPipe[0], drain, sizeof drain) > 0) {
        }
        QApplication::closeAllWindows();
    });
    struct sigaction action {};
    action.sa_handler = forward_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
#endif
}

} // namespace gen::qt
