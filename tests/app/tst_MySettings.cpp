#include "MySettings.h"

#include "gen/qt/GApp.h"

#include "StdoutCapture.h"

#include <QtTest>

namespace {
QVariantList values(const MySettings& s) {
    return {s.get_planet(), s.get_functions(), s.get_delay(), s.get_amp(), s.get_rad()};
}
} // namespace

class TstMySettings : public QObject {
    Q_OBJECT

    QTemporaryDir configHome;

private slots:
    void initTestCase() {
        // As at start-up the store is named before any settings object exists; never the user's store.
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
        gen::qt::BaseApp::prepare_settings("gen-tests", "tst_MySettings");
        QVERIFY(configHome.isValid() && MySettings().fileName().startsWith(configHome.path()));
    }
    void init() { QSettings().clear(); }

    void construction_data() {
        QTest::addColumn<QVariantMap>("stored"); // in the store before the settings object is made
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<QVariantList>("read"); // planet, functions, delay, amp, rad
        const QVariantList defaults{QString(), 10u, 25u, 100.0f, 6.2831855f};
        QTest::newRow("fresh store") << QVariantMap() << true << defaults;
        QTest::newRow("older version")
            << QVariantMap{{"config/version", 10810u}, {"app/delay", 7u}} << true << defaults;
        // Texts, as a hand-edited file holds them.
        QTest::newRow("current version")
            << QVariantMap{{"config/version", 10811u}, {"app/planet", "Venus"}, {"app/functions", "7"},
                           {"app/delay", "soon"},      {"app/amp", "loud"},     {"app/rad", "1e30"}}
            << false << QVariantList{"Venus", 7u, 0u, 0.0f, 1e30f};
    }
    void construction() {
        QFETCH(QVariantMap, stored);
        QFETCH(bool, cleared);
        QFETCH(QVariantList, read);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            QSettings().setValue(it.key(), it.value());
        StdoutCapture capture;
        const MySettings settings;
        QCOMPARE(capture.text(), QByteArray(cleared ? "CLEAR CONFIG\n" : ""));
        QCOMPARE(values(settings), read);
    }

    // The getters' keys are pinned above, so a setter writing another key shows here.
    void settersRoundTrip() {
        {
            MySettings settings;
            settings.set_planet("Mars");
            settings.set_functions(63);
            settings.set_delay(5);
            settings.set_amp(2.5f);
            settings.set_rad(1.25f);
        }
        QCOMPARE(values(MySettings()), (QVariantList{"Mars", 63u, 5u, 2.5f, 1.25f}));
    }
};

QTEST_APPLESS_MAIN(TstMySettings)
#include "tst_MySettings.moc"
