#include "gen/GLog.h"
#include "gen/tools/GSettings.h"
#include "gen/tools/LogConfig.h"

#include "StdoutCapture.h"

#include <QtTest>

using gen::log::LogConfig;
using gen::qt::GSettings;

class TstLogConfig : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fromStore_data();
    void fromStore();
    void roundTrips();
    void show();

private:
    QTemporaryDir dir;
    std::unique_ptr<GSettings> store;
};

void TstLogConfig::init() {
    store = std::make_unique<GSettings>(dir.filePath("log.ini"), QSettings::IniFormat);
    store->clear();
    gen::qt::baseSettings = store.get();
}

void TstLogConfig::cleanup() {
    gen::qt::baseSettings = nullptr;
    store.reset();
}

void TstLogConfig::fromStore_data() {
    QTest::addColumn<bool>("haveStore");
    QTest::addColumn<QVariantList>("stored"); // control, digits, level; invalid: absent
    QTest::addColumn<QList<uint>>("expected");
    QTest::newRow("no store: the fresh record")
        << false << QVariantList{7u, 7u, 7u} << QList<uint>{990, 6, 3};
    QTest::newRow("empty store") << true << QVariantList{{}, {}, {}} << QList<uint>{862, 4, 3};
    QTest::newRow("stored values") << true << QVariantList{64u, 2u, 1u} << QList<uint>{64, 2, 1};
    QTest::newRow("texts") << true << QVariantList{"128", "x", "2"} << QList<uint>{128, 0, 2};
    QTest::newRow("lists") << true << QVariantList{QStringList{"a"}, QStringList{}, {}}
                           << QList<uint>{862, 4, 3};
}

void TstLogConfig::fromStore() {
    QFETCH(bool, haveStore);
    QFETCH(QVariantList, stored);
    QFETCH(QList<uint>, expected);
    const QStringList keys{"log/control", "log/digits", "log/level"};
    for (int i = 0; i < keys.size(); ++i)
        if (stored[i].isValid()) store->setValue(keys[i], stored[i]);
    if (!haveStore) gen::qt::baseSettings = nullptr;
    LogConfig config;
    config.read_from_settings();
    QCOMPARE((QList<uint>{config.logControl.load(), config.digits, config.logLevel}), expected);
}

void TstLogConfig::roundTrips() {
    LogConfig written;
    written.digits = 2;
    written.logLevel = 1;
    written.logControl = 64;
    written.write_to_settings();
    QCOMPARE(store->value("log/control").toUInt(), 64u);
    written.write_to_logger();
    QCOMPARE(gen::log::get_log_digits(), 2u);
    QCOMPARE(gen::log::get_log_level(), 1);
    QCOMPARE(gen::log::get_control_bits(), 64u);
    StdoutCapture capture;
    gen::pp_warn("w");
    QVERIFY(QRegularExpression(R"(^\[\d{2,}\]  w\n$)").match(QString(capture.text())).hasMatch());

    LogConfig fromSettings, fromLogger;
    fromSettings.read_from_settings();
    fromLogger.read_from_logger();
    for (const LogConfig* read : {&fromSettings, &fromLogger}) {
        QCOMPARE(read->digits, 2u);
        QCOMPARE(read->logLevel, 1u);
        QCOMPARE(read->logControl.load(), 64u);
    }
    LogConfig().write_to_logger();

    gen::qt::baseSettings = nullptr; // without a store nothing is written
    store->clear();
    written.write_to_settings();
    QVERIFY(store->allKeys().isEmpty());
}

void TstLogConfig::show() {
    LogConfig config;
    StdoutCapture some;
    config.show();
    QCOMPARE(some.text(), QByteArray("LogConfig:\n   logControl:1\n   digits:6\n   logLevel:3\n"));
    config.logControl = 0;
    StdoutCapture none;
    config.show();
    QCOMPARE(none.text(), QByteArray("LogConfig:\n   logControl:0\n   digits:6\n   logLevel:3\n"));
}

QTEST_GUILESS_MAIN(TstLogConfig)
#include "tst_LogConfig.moc"
