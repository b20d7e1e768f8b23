#pragma once

#include "gen/qt/BaseApp.h"

namespace gen::qt {

template <typename T>
class GApp;

/// The one GApp<T>; set when it is constructed, owns nothing.
template <typename T>
inline GApp<T>* gApp = nullptr;

/// The application object typed with the application's settings class, so
/// application code reaches its own settings without a cast. GUI thread only.
template <typename T>
class GApp : public BaseApp {
public:
    /// Sets gApp<T>. `settings` is not owned and must outlive the application object.
    GApp(int& argc, char** argv, T* settings) : BaseApp(argc, argv), settings(settings) { gApp<T> = this; }
    /// Clears gApp<T> if it still points here.
    ~GApp() override {
        if (gApp<T> == this) gApp<T> = nullptr;
    }

    /// The settings object given to the constructor.
    T* get_settings() const { return settings; }

private:
    T* settings = nullptr;
};

} // namespace gen::qt
