// The settings store and the log configuration that travels through it.
#include "gen/GLog.h"
#include "gen/tools/GSettings.h"
#include "gen/tools/LogConfig.h"

#include "StdoutCapture.h"
#include "TestSupport.h"

#include <QtTest>

#include <QMainWindow>
#include <QSplitter>

using gen::log::LogConfig;
using gen::qt::GSettings;

namespace {
// Every named setting and a rectangle, with defaults that are no zero value.
QVariantList named(const GSettings& s) {
    return {s.get_theme(),
            s.get_config_version(),
            s.is_gui_log_enabled(),
            s.get_gui_log_font_size(),
            s.get_log_level(),
            s.get_log_digits(),
            s.get_rect("r", QRect(1, 1, 1, 1))};
}
QList<uint> fields(const LogConfig& config) {
    return {config.logControl.load(), config.digits, config.logLevel};
}
// The file's own text: stores of one process share their changes before any
// of them writes, so another QSettings would not tell.
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TstTools : public QObject {
    Q_OBJECT

    ConfigHome home; // a store of its own, never the user's

private slots:
    void init() { GSettings().clear(); }

    void settings_defaultsAndPersistence() {
        QCOMPARE(named(GSettings()), (QVariantList{1u, 99u, true, 9u, 0u, 6u, QRect(1, 1, 1, 1)}));
        QByteArray afterTurn;
        {
            GSettings settings;
            settings.set_theme(2);
            settings.set_config_version(5);
            settings.set_gui_log_enabled(false);
            settings.set_gui_log_font_size(14);
            settings.set_log_level(3);
            settings.set_log_digits(2);
            settings.set_rect("r", QRect(1, 2, 30, 40));
            QCoreApplication::processEvents();
            afterTurn = contents(settings.fileName());
        }
        // Not written a turn of the event loop later, but nothing is lost: the values are in the file once
        // the object is gone.
        QVERIFY(!afterTurn.contains("theme=2") && contents(GSettings().fileName()).contains("theme=2"));
        QCOMPARE(named(GSettings()), (QVariantList{2u, 5u, false, 14u, 3u, 2u, QRect(1, 2, 30, 40)}));
    }

    // Changes every 10 ms for 1.5 s reach the file now and then, and already while they go on.
    void settings_fileWritesThrottled() {
        constexpr int kChanges = 150;
        GSettings settings;
        QByteArrayList written{contents(settings.fileName())};
        for (int i = 1; i <= kChanges; ++i) {
            settings.set("v", i);
            QTest::qWait(10);
            if (const QByteArray now = contents(settings.fileName()); now != written.last()) written << now;
        }
        QVERIFY2(written.size() > 1 && written.size() <= kChanges / 10, written.join('|'));
    }

    // Texts, as an INI file holds them, read as unsigned, int, float, double and colour; a number out of
    // range is zero, never wrapped round.
    void settings_conversions_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("non-number") << QVariant("abc") << "0 0 0 0 #0000ff";
        QTest::newRow("negative") << QVariant("-5") << "0 -5 -5 -5 #0000ff";
        QTest::newRow("fraction") << QVariant("0.125") << "0 0 0.125 0.125 #0000ff";
        QTest::newRow("unsigned maximum")
            << QVariant("4294967295") << "4294967295 0 4294967296 4294967295 #0000ff";
        QTest::newRow("past unsigned range") << QVariant("4294967296") << "0 0 4294967296 4294967296 #0000ff";
        QTest::newRow("below int range") << QVariant("-3000000000") << "0 0 -3000000000 -3000000000 #0000ff";
        QTest::newRow("colour name") << QVariant("#ff0000") << "0 0 0 0 #ff0000";
        QTest::newRow("a list: no number at all")
            << QVariant(QStringList{"1", "2"}) << "25 -25 2.5 2.5 #0000ff";
    }
    void settings_conversions() {
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        GSettings s;
        s.set("v", stored);
        QCOMPARE(
            QStringList({QString::number(s.get_uint("v", 25u)), QString::number(s.get_int("v", -25)),
                         QString::number(s.get_float("v", 2.5f), 'g', 12),
                         QString::number(s.get_double("v", 2.5), 'g', 12), s.get_color("v", Qt::blue).name()})
                .join(' '),
            read);
    }

    // An older stored version (the default 99 of an empty store, then 10811) is replaced by the required
    // one, the store wiped first on request, in the file at once; the same version changes nothing.
    void settings_versionCheck() {
        GSettings settings;
        settings.set_theme(2);
        settings.sync();
        StdoutCapture capture;
        const bool fromEmpty = settings.check_update_config(10811, false);
        const bool same = settings.check_update_config(10811, true);
        const QStringList kept = settings.allKeys();
        const bool older = settings.check_update_config(10812, true);
        QCOMPARE(capture.text() + contents(settings.fileName()), QByteArray("CLEAR CONFIG\n"));
        QCOMPARE((QList<bool>{fromEmpty, same, older}), (QList<bool>{true, false, true}));
        QCOMPARE(kept + settings.allKeys(), (QStringList{"config/version", "ui/theme", "config/version"}));
        QCOMPARE(settings.get_config_version(), 10812u);
    }

    void settings_windowAndSplitter() {
        GSettings settings;
        QMainWindow window;
        QSplitter splitter;
        window.setObjectName("main");
        splitter.setObjectName("split");
        splitter.addWidget(new QWidget);
        splitter.addWidget(new QWidget);
        window.setGeometry(40, 50, 420, 310);
        splitter.setSizes({100, 300});
        const QByteArray state = splitter.saveState();
        settings.save_win(&window);
        settings.save_splitter_state(&splitter);
        QCOMPARE(settings.allKeys(),
                 (QStringList{"ui/win/geometry@main", "ui/win/splitter@split", "ui/win/state@main"}));
        window.resize(100, 100);
        splitter.setSizes({300, 100});
        settings.restore_win(&window);
        settings.restore_splitter_state(&splitter);
        QVERIFY(window.size() == QSize(420, 310) && splitter.saveState() == state);
    }

    // Digits 2, level 1, control 64, none of them a default, through the store and the logger. Without a
    // store nothing is written or read; an empty store gives its own defaults, not a fresh record's.
    void logConfig_roundTrips() {
        const LogConfig custom{2, 1, {64}};
        LogConfig fresh, fromEmpty, fromStore, fromLogger;
        GSettings store(home.path() + "/log.ini", QSettings::IniFormat);
        store.clear();
        custom.write_to_settings();
        fresh.read_from_settings();
        gen::qt::baseSettings = &store;
        fromEmpty.read_from_settings();
        const QStringList keysBefore = store.allKeys();
        custom.write_to_settings();
        fromStore.read_from_settings();
        gen::qt::baseSettings = nullptr;
        custom.write_to_logger();
        fromLogger.read_from_logger();
        LogConfig().write_to_logger();
        QCOMPARE(keysBefore + store.allKeys(), (QStringList{"log/control", "log/digits", "log/level"}));
        QCOMPARE(fields(fresh) + fields(fromEmpty) + fields(fromStore) + fields(fromLogger),
                 (QList<uint>{990, 6, 3, 862, 4, 3, 64, 2, 1, 64, 2, 1}));
    }
};

QTEST_MAIN(TstTools)
#include "tst_tools.moc"
