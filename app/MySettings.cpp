#include "MySettings.h"

#include "gen/qt/GApp.h"

namespace {
const QString kPlanet = QStringLiteral("app/planet");
const QString kFunctions = QStringLiteral("app/functions");
const QString kDelay = QStringLiteral("app/delay");
const QString kAmp = QStringLiteral("app/amp");
const QString kRad = QStringLiteral("app/rad");

constexpr unsigned int kDefaultFunctions = 10;
constexpr unsigned int kDefaultDelay = 25;
constexpr float kDefaultAmp = 100.0f;
constexpr float kDefaultRad = 6.2831855f; // 2 pi as a float
} // namespace

MySettings::MySettings() : GSettings() {
    check_update_config(CONFIG_VERSION, true);
}

MySettings::~MySettings() = default;

MySettings* MySettings::get() {
    auto* app = gen::qt::gApp<MySettings>;
    return app ? app->get_settings() : nullptr;
}

QString MySettings::get_planet() const {
    return value(kPlanet).toString();
}
void MySettings::set_planet(const QString& planet) {
    setValue(kPlanet, planet);
}

unsigned int MySettings::get_functions() const {
    return get_uint(kFunctions, kDefaultFunctions);
}
void MySettings::set_functions(unsigned int functions) {
    setValue(kFunctions, functions);
}

unsigned int MySettings::get_delay() const {
    return get_uint(kDelay, kDefaultDelay);
}
void MySettings::set_delay(unsigned int delay) {
    setValue(kDelay, delay);
}

float MySettings::get_amp() const {
    return get_float(kAmp, kDefaultAmp);
}
void MySettings::set_amp(float amp) {
    setValue(kAmp, amp);
}

float MySettings::get_rad() const {
    return get_float(kRad, kDefaultRad);
}
void MySettings::set_rad(float rad) {
    setValue(kRad, rad);
}
