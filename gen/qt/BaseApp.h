#pragma once

#include <QApplication>
#include <QString>

#include <cstdint>

class QSocketNotifier;

namespace gen::qt {

/// The application object of every program built on the library; it records
/// which colour theme was asked for and which one is applied. GUI thread only.
class BaseApp : public QApplication {
public:
    /// Sets gAppBase. Numbers keep the decimal point: the C library's numeric
    /// locale goes back to "C" after Qt switched it to the user's.
    BaseApp(int& argc, char** argv);
    /// Clears gAppBase; after close_windows_on_termination(), SIGTERM and
    /// SIGINT get their default action again.
    ~BaseApp() override;

    /// The organisation and application names locate the settings store, so
    /// this runs before any settings object exists.
    static void prepare_settings(const QString& organisation, const QString& application);

    /// Closes every window on SIGTERM or SIGINT, so a logout or Ctrl+C ends
    /// the program the same orderly way as closing its window (state saved,
    /// exit code 0). Does nothing on platforms without POSIX signals, and
    /// after the first call.
    void close_windows_on_termination();

    /// Hands `theme` to the theme engine unless it is the one applied last;
    /// the first applied theme counts as 0, so asking for 0 first does nothing.
    void set_theme(unsigned int theme);

    /// The theme set_theme() was asked for last.
    std::uint32_t requested_theme() const { return requestedTheme; }
    /// The theme set_theme() handed to the engine last, even one the engine
    /// refused as unknown; 0 before the first.
    std::uint32_t applied_theme() const { return appliedTheme; }

protected:
    /// What requested_theme() returns.
    std::uint32_t requestedTheme = 0;
    /// What applied_theme() returns.
    std::uint32_t appliedTheme = 0;

private:
    QSocketNotifier* terminationNotifier = nullptr;
};

/// The one application object; set by its constructor, owns nothing.
extern BaseApp* gAppBase;

} // namespace gen::qt
