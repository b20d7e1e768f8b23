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
    void freshRecord();
    void fromStore_data();
    void fromStore();
    void withoutStoreNothingChanges();
    void storeRoundTrip();
    void loggerRoundTrip();
    void show_data();
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

void TstLogConfig::freshRecord() {
    const LogConfig config;
    QCOMPARE(config.digits, 6u);
    QCOMPARE(config.logLevel, 3u);
    QCOMPARE(config.logControl.load(), 990u);
}

void TstLogConfig::fromStore_data() {
    QTest::addColumn<QVariant>("control");
    QTest::addColumn<QVariant>("digits");
    QTest::addColumn<QVariant>("level");
    QTest::addColumn<uint>("expectedControl");
    QTest::addColumn<uint>("expectedDigits");
    QTest::addColumn<uint>("expectedLevel");
    QTest::newRow("empty store") << QVariant() << QVariant() << QVariant() << 862u << 4u << 3u;
    QTest::newRow("stored values") << QVariant(64u) << QVariant(2u) << QVariant(1u) << 64u << 2u << 1u;
    QTest::newRow("texts") << QVariant("128") << QVariant("x") << QVariant("2") << 128u << 0u << 2u;
    QTest::newRow("lists") << QVariant(QStringList{"a", "b"}) << QVariant(QStringList{}) << QVariant() << 862u
                           << 4u << 3u;
}

void TstLogConfig::fromStore() {
    QFETCH(QVariant, control);
    QFETCH(QVariant, digits);
    QFETCH(QVariant, level);
    QFETCH(uint, expectedControl);
    QFETCH(uint, expectedDigits);
    QFETCH(uint, expectedLevel);
    if (control.isValid()) store->setValue("log/control", control);
    if (digits.isValid()) store->setValue("log/digits", digits);
    if (level.isValid()) store->setValue("log/level", level);
    LogConfig config;
    config.read_from_settings();
    QCOMPARE(config.logControl.load(), expectedControl);
    QCOMPARE(config.digits, expectedDigits);
    QCOMPARE(config.logLevel, expectedLevel);
}

void TstLogConfig::withoutStoreNothingChanges() {
    gen::qt::baseSettings = nullptr;
    LogConfig config;
    config.digits = 9;
    config.read_from_settings();
    QCOMPARE(config.digits, 9u);
    config.write_to_settings();
    QVERIFY(store->allKeys().isEmpty());
}

void TstLogConfig::storeRoundTrip() {
    LogConfig written;
    written.digits = 3;
    written.logLevel = 1;
    written.logControl = 512;
    written.write_to_settings();
    QCOMPARE(store->value("log/control").toUInt(), 512u);
    LogConfig read;
    read.read_from_settings();
    QCOMPARE(read.digits, written.digits);
    QCOMPARE(read.logLevel, written.logLevel);
    QCOMPARE(read.logControl.load(), written.logControl.load());
}

void TstLogConfig::loggerRoundTrip() {
    LogConfig config;
    config.digits = 2;
    config.logLevel = 1;
    config.logControl = 64;
    config.write_to_logger();
    QCOMPARE(gen::log::get_log_digits(), 2u);
    QCOMPARE(gen::log::get_log_level(), 1);
    QCOMPARE(gen::log::get_control_bits(), 64u);

    StdoutCapture capture;
    gen::pp_warn("w");
    QVERIFY(QRegularExpression(R"(^\[\d{2,}\]  w\n$)").match(QString::fromUtf8(capture.text())).hasMatch());

    LogConfig back;
    back.read_from_logger();
    QCOMPARE(back.digits, 2u);
    QCOMPARE(back.logLevel, 1u);
    QCOMPARE(back.logControl.load(), 64u);
    LogConfig().write_to_logger();
}

void TstLogConfig::show_data() {
    QTest::addColumn<uint>("control");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("bits set") << 990u
                              << QByteArray("LogConfig:\n   logControl:1\n   digits:6\n   logLevel:3\n");
    QTest::newRow("no bits") << 0u << QByteArray("LogConfig:\n   logControl:0\n   digits:6\n   logLevel:3\n");
}

void TstLogConfig::show() {
    QFETCH(uint, control);
    QFETCH(QByteArray, printed);
    LogConfig config;
    config.logControl = control;
    StdoutCapture capture;
    config.show();
    QCOMPARE(capture.text(), printed);
}

QTEST_GUILESS_MAIN(TstLogConfig)
#include "tst_LogConfig.moc"
