#pragma once

// The application object typed with the application's settings class, so
// application code reaches its own settings without a cast.

#include "gen/qt/BaseApp.h"

namespace gen::qt {

template <typename T>
class GApp;

// The one GApp<T>; set when it is constructed, owns nothing.
template <typename T>
inline GApp<T>* gApp = nullptr;

template <typename T>
class GApp : public BaseApp {
public:
    GApp(int& argc, char** argv, T* settings) : BaseApp(argc, argv), settings(settings) { gApp<T> = this; }
    ~GApp() override {
        if (gApp<T> == this) gApp<T> = nullptr;
    }

    T* get_settings() const { return settings; }

private:
    T* settings = nullptr;
};

} // namespace gen::qt
