#pragma once

// The main function of a test that needs the application's settings object.
// As at start-up, the store is named before the settings object exists and is
// the one the library's widgets use; it lives in a private configuration home,
// never the user's.

#include "MySettings.h"

#include "gen/qt/GApp.h"

#include "TestSupport.h"

#include <QtTest>

template <typename Test>
int run_with_app_settings(int argc, char** argv, const char* name) {
    const ConfigHome home;
    gen::qt::BaseApp::prepare_settings("gen-tests", name);
    MySettings settings;
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    gen::qt::baseSettings = &settings;
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#define APP_TEST_MAIN(Test)                                                                                  \
    int main(int argc, char** argv) {                                                                        \
        return run_with_app_settings<Test>(argc, argv, #Test);                                               \
    }
