#include "MySettings.h"

#include "gen/qt/GApp.h"

#include "StdoutCapture.h"

#include <QtTest>

namespace {
QTemporaryDir* configHome = nullptr;
MySettings* appSettings = nullptr;

// Runs before QApplication exists, as start-up names the store before anything reads it.
void isolateStore() {
    static QTemporaryDir dir;
    configHome = &dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    gen::qt::BaseApp::prepare_settings("gen-tests", "tst_MySettings");
}
} // namespace

class TstMySettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void defaultsOnFreshStore();
    void roundTrip();
    void storedValues_data();
    void storedValues();
    void olderStoreIsWipedOnConstruction();
    void currentStoreIsKept();
    void getReachesTheApplicationsSettings();
};

void TstMySettings::initTestCase() {
    QVERIFY(MySettings().fileName().startsWith(configHome->path()));
}

void TstMySettings::init() {
    QSettings raw;
    raw.clear();
    raw.sync();
}

void TstMySettings::defaultsOnFreshStore() {
    StdoutCapture capture;
    const MySettings settings;
    QCOMPARE(capture.text(), QByteArray("CLEAR CONFIG\n"));
    QCOMPARE(settings.get_functions(), 10u);
    QCOMPARE(settings.get_delay(), 25u);
    QCOMPARE(settings.get_amp(), 100.0f);
    QCOMPARE(settings.get_rad(), 6.2831855f);
    QCOMPARE(settings.get_planet(), QString());
    QCOMPARE(settings.get_config_version(), MySettings::CONFIG_VERSION);
}

void TstMySettings::roundTrip() {
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
    // Plain keys: no object suffix.
    QVERIFY(settings.contains("app/planet"));
    QVERIFY(settings.contains("app/delay"));
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
    QTest::newRow("planet number") << "app/planet" << QVariant(3) << QVariant(QString("3"));
    QTest::newRow("planet list") << "app/planet" << QVariant(QStringList{"a"}) << QVariant(QString("a"));
}

void TstMySettings::storedValues() {
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    {
        MySettings settings;
        settings.setValue(key, stored);
    }
    const MySettings settings;
    QVariant actual;
    if (key == "app/delay") actual = settings.get_delay();
    if (key == "app/functions") actual = settings.get_functions();
    if (key == "app/amp") actual = settings.get_amp();
    if (key == "app/rad") actual = settings.get_rad();
    if (key == "app/planet") actual = settings.get_planet();
    QCOMPARE(actual, expected);
}

void TstMySettings::olderStoreIsWipedOnConstruction() {
    {
        QSettings raw;
        raw.setValue("config/version", 10810u);
        raw.setValue("app/delay", 77u);
        raw.setValue("app/planet", "Moon");
    }
    StdoutCapture capture;
    const MySettings settings;
    QCOMPARE(capture.text(), QByteArray("CLEAR CONFIG\n"));
    QCOMPARE(settings.get_delay(), 25u);
    QCOMPARE(settings.get_planet(), QString());
}

void TstMySettings::currentStoreIsKept() {
    {
        QSettings raw;
        raw.setValue("config/version", MySettings::CONFIG_VERSION);
        raw.setValue("app/delay", 77u);
    }
    StdoutCapture capture;
    const MySettings settings;
    QVERIFY(capture.text().isEmpty());
    QCOMPARE(settings.get_delay(), 77u);
}

void TstMySettings::getReachesTheApplicationsSettings() {
    QVERIFY(appSettings);
    QCOMPARE(MySettings::get(), appSettings);
    QCOMPARE(static_cast<QObject*>(gen::qt::gAppBase), static_cast<QObject*>(qApp));
    QCOMPARE(gen::qt::baseSettings, static_cast<gen::qt::GSettings*>(appSettings));
}

int main(int argc, char** argv) {
    isolateStore();
    MySettings settings; // the store exists before the application object, as at start-up
    gen::qt::GApp<MySettings> app(argc, argv, &settings);
    gen::qt::baseSettings = &settings;
    appSettings = &settings;
    TstMySettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MySettings.moc"
