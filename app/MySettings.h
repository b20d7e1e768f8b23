#pragma once

// The application's settings: the library store plus the demonstration
// panels' parameters under "app/".

#include "gen/tools/GSettings.h"

#include <QString>

class MySettings : public gen::qt::GSettings {
public:
    // Settings written by an older configuration are wiped on construction.
    static constexpr unsigned int CONFIG_VERSION = 10811;

    MySettings();
    ~MySettings() override;

    // The running application's settings; null before the application object exists.
    static MySettings* get();
    // The typed getter of the store stays reachable beside the static get().
    using gen::qt::GSettings::get;

    QString get_planet() const;
    void set_planet(const QString& planet);
    unsigned int get_functions() const;
    void set_functions(unsigned int functions);
    unsigned int get_delay() const;
    void set_delay(unsigned int delay);
    float get_amp() const;
    void set_amp(float amp);
    float get_rad() const;
    void set_rad(float rad);
};
