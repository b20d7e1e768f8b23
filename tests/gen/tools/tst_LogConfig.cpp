#include "gen/GLog.h"
#include "gen/tools/GSettings.h"
#include "gen/tools/LogConfig.h"

#include <QtTest>

using gen::log::LogConfig;

namespace {
QList<uint> fields(const LogConfig& config) {
    return {config.logControl.load(), config.digits, config.logLevel};
}

// Digits 2, level 1, control 64: none of them a default.
const LogConfig custom{2, 1, {64}};
} // namespace

class TstLogConfig : public QObject {
    Q_OBJECT

private slots:
    void throughTheStore_data();
    void throughTheStore();
    void throughTheLogger();
};

void TstLogConfig::throughTheStore_data() {
    QTest::addColumn<bool>("haveStore");
    QTest::addColumn<bool>("written"); // the custom record, first
    QTest::addColumn<QList<uint>>("read");
    QTest::newRow("no store: the fresh record") << false << true << QList<uint>{990, 6, 3};
    QTest::newRow("empty store: its own defaults") << true << false << QList<uint>{862, 4, 3};
    QTest::newRow("round trip") << true << true << QList<uint>{64, 2, 1};
}

void TstLogConfig::throughTheStore() {
    QFETCH(bool, haveStore);
    QFETCH(bool, written);
    QFETCH(QList<uint>, read);
    QTemporaryDir dir;
    gen::qt::GSettings store(dir.filePath("log.ini"), QSettings::IniFormat);
    gen::qt::baseSettings = haveStore ? &store : nullptr;
    if (written) custom.write_to_settings();
    LogConfig config;
    config.read_from_settings();
    gen::qt::baseSettings = nullptr;
    const QStringList keys{"log/control", "log/digits", "log/level"};
    QCOMPARE(store.allKeys(), haveStore && written ? keys : QStringList());
    QCOMPARE(fields(config), read);
}

void TstLogConfig::throughTheLogger() {
    custom.write_to_logger();
    const QList<uint> applied{gen::log::get_control_bits(), gen::log::get_log_digits(),
                              uint(gen::log::get_log_level())};
    LogConfig config;
    config.read_from_logger();
    LogConfig().write_to_logger();
    QCOMPARE(applied, (QList<uint>{64, 2, 1}));
    QCOMPARE(fields(config), applied);
}

QTEST_GUILESS_MAIN(TstLogConfig)
#include "tst_LogConfig.moc"
