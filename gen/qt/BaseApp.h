#pragma once

// The application object of every program built on the library; it records
// which colour theme was asked for and which one is applied.

#include <QApplication>
#include <QString>

#include <cstdint>

class QSocketNotifier;

namespace gen::qt {

class BaseApp : public QApplication {
public:
    BaseApp(int& argc, char** argv);
    ~BaseApp() override;

    // The organisation and application names locate the settings store, so
    // this runs before any settings object exists.
    static void prepare_settings(const QString& organisation, const QString& application);

    // Closes every window on SIGTERM or SIGINT, so a logout or Ctrl+C ends
    // the program the same orderly way as closing its window (state saved,
    // exit code 0). Does nothing on platforms without POSIX signals.
    void close_windows_on_termination();

    // Hands `theme` to the theme engine unless it is the one applied last;
    // the first applied theme counts as 0, so asking for 0 first does nothing.
    void set_theme(unsigned int theme);

    std::uint32_t requested_theme() const { return requestedTheme; }
    std::uint32_t applied_theme() const { return appliedTheme; }

protected:
    std::uint32_t requestedTheme = 0;
    std::uint32_t appliedTheme = 0;

private:
    QSocketNotifier* terminationNotifier = nullptr;
};

// The one application object; set by its constructor, owns nothing.
extern BaseApp* gAppBase;

} // namespace gen::qt
