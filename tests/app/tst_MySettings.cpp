#include "MySettings.h"

#include "gen/qt/GApp.h"

#include "StdoutCapture.h"

#include <QtTest>

namespace {
MySettings* appSettings = nullptr;
} // namespace

class TstMySettings : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void defaultsAndRoundTrip();
    void storedValues_data();
    void storedValues();
    void versionCheckOnConstruction_data();
    void versionCheckOnConstruction();
    void getReachesTheApplicationsSettings();
};

void TstMySettings::defaultsAndRoundTrip() {
    {
        const MySettings settings;
        QCOMPARE(settings.get_functions(), 10u);
        QCOMPARE(settings.get_delay(), 25u);
        QCOMPARE(settings.get_amp(), 100.0f);
        QCOMPARE(settings.get_rad(), 6.2831855f);
        QCOMPARE(settings.get_planet(), QString());
    }
    {
        MySettings settings;
        settings.set_planet("Mars");
        settings.set_functions(63);
        settings.set_delay(5);
        settings.set_amp(2.5f);
        settings.set_rad(1.25f);
    }
    const MySettings settings;
    QCOMPARE(settings.get_planet(), QString("Mars"));
    QCOMPARE(settings.get_functions(), 63u);
    QCOMPARE(settings.get_delay(), 5u);
    QCOMPARE(settings.get_amp(), 2.5f);
    QCOMPARE(settings.get_rad(), 1.25f);
    QVERIFY(settings.contains("app/planet") && settings.contains("app/delay")); // plain keys
}

void TstMySettings::storedValues_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("delay not a number") << "app/delay" << QVariant("soon") << QVariant(0u);
    QTest::newRow("delay negative") << "app/delay" << QVariant("-3") << QVariant(0u);
    QTest::newRow("delay list") << "app/delay" << QVariant(QStringList{"1", "2"}) << QVariant(25u);
    QTest::newRow("functions text number") << "app/functions" << QVariant("7") << QVariant(7u);
    QTest::newRow("amp not a number") << "app/amp" << QVariant("loud") << QVariant(0.0f);
    QTest::newRow("rad huge") << "app/rad" << QVariant("1e30") << QVariant(1e30f);
    QTest::newRow("planet list") << "app/planet" << QVariant(QStringList{"a"}) << QVariant(QString("a"));
}

void TstMySettings::storedValues() {
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    MySettings settings;
    settings.setValue(key, stored);
    const QMap<QString, QVariant> read{{"app/delay", settings.get_delay()},
                                       {"app/functions", settings.get_functions()},
                                       {"app/amp", settings.get_amp()},
                                       {"app/rad", settings.get_rad()},
                                       {"app/planet", settings.get_planet()}};
    QCOMPARE(read.value(key), expected);
}

void TstMySettings::versionCheckOnConstruction_data() {
    QTest::addColumn<QVariant>("version");
    QTest::addColumn<bool>("wiped");
    QTest::newRow("fresh store") << QVariant() << true;
    QTest::newRow("older version") << QVariant(10810u) << true;
    QTest::newRow("current version") << QVariant(10811u) << false;
}

void TstMySettings::versionCheckOnConstruction() {
    QFETCH(QVariant, version);
    QFETCH(bool, wiped);
    {
        QSettings raw;
        if (version.isValid()) raw.setValue("config/version", version);
        raw.setValue("app/delay", 77u);
    }
    StdoutCapture capture;
    const MySettings settings;
    QCOMPARE(capture.text(), QByteArray(wiped ? "CLEAR CONFIG\n" : ""));
    QCOMPARE(settings.get_delay(), wiped ? 25u : 77u);
    QCOMPARE(settings.get_config_version(), MySettings::CONFIG_VERSION);
}

void TstMySettings::getReachesTheApplicationsSettings() {
    QCOMPARE(MySettings::get(), appSettings);
    QCOMPARE(static_cast<QObject*>(gen::qt::gAppBase), static_cast<QObject*>(qApp));
    QCOMPARE(gen::qt::baseSettings, static_cast<gen::qt::GSettings*>(appSettings));
}

int main(int argc, char** argv) {
    // As at start-up: the store is named and created before the application object.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    gen::qt::BaseApp::prepare_settings("gen-tests", "tst_MySettings");
    MySettings settings;
    if (!settings.fileName().startsWith(configHome.path())) return 1; // never the user's real store
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    gen::qt::baseSettings = &settings;
    appSettings = &settings;
    TstMySettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MySettings.moc"
