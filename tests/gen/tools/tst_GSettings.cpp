#include "gen/tools/GSettings.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <QMainWindow>

using gen::qt::GSettings;

namespace {
// Every named setting plus one of each geometry type and a colour, with defaults that are no zero value.
QVariantList named(const GSettings& s) {
    return QVariantList() << s.get_theme() << s.get_config_version() << s.is_gui_log_enabled()
                          << s.get_gui_log_font_size() << s.get_log_level() << s.get_log_digits()
                          << s.get_rect("r", QRect(1, 1, 1, 1)) << s.get_point("p", QPoint(1, 1))
                          << s.get_size("s", QSize(1, 1)) << s.get_color("c", Qt::blue);
}
} // namespace

class TstGSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { GSettings().clear(); }
    void defaultsAndPersistence();
    void objectKeys_data();
    void objectKeys();
    void conversions_data();
    void conversions();
    void versionCheck_data();
    void versionCheck();
    void windowState();

private:
    QTemporaryDir configHome;
};

void TstGSettings::initTestCase() {
    // A store of its own, never the user's.
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication::setOrganizationName("gen-tests");
    QCoreApplication::setApplicationName("tst_GSettings");
    QVERIFY(configHome.isValid() && GSettings().fileName().startsWith(configHome.path()));
}

void TstGSettings::defaultsAndPersistence() {
    {
        GSettings settings;
        QCOMPARE(named(settings), (QVariantList{1u, 99u, true, 9u, 0u, 6u, QRect(1, 1, 1, 1), QPoint(1, 1),
                                                QSize(1, 1), QColor(Qt::blue)}));
        settings.set_theme(2);
        settings.set_config_version(5);
        settings.set_gui_log_enabled(false);
        settings.set_gui_log_font_size(14);
        settings.set_log_level(3);
        settings.set_log_digits(2);
        settings.set_rect("r", QRect(1, 2, 30, 40));
        settings.set_point("p", QPoint(-5, 6));
        settings.set_size("s", QSize(7, 8));
        settings.set("c", Qt::darkCyan);
    }
    // Nothing is lost: the values are in the file once the object is gone.
    QFile raw(GSettings().fileName());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("theme=2"));
    QCOMPARE(named(GSettings()), (QVariantList{2u, 5u, false, 14u, 3u, 2u, QRect(1, 2, 30, 40), QPoint(-5, 6),
                                               QSize(7, 8), QColor(Qt::darkCyan)}));
}

void TstGSettings::objectKeys_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<bool>("withObject");
    QTest::addColumn<QString>("storedKey");
    QTest::newRow("named widget") << "panel" << true << "k/v@panel";
    QTest::newRow("unnamed widget") << "" << true << "k/v@";
    QTest::newRow("no widget") << "" << false << "k/v";
}

void TstGSettings::objectKeys() {
    QFETCH(QString, objectName);
    QFETCH(bool, withObject);
    QFETCH(QString, storedKey);
    QObject widget;
    widget.setObjectName(objectName);
    const QObject* object = withObject ? &widget : nullptr;
    GSettings settings;
    settings.set("k/v", 42u, object);
    QCOMPARE(settings.allKeys(), QStringList{storedKey});
    QCOMPARE(settings.get_uint("k/v", 7u, object), 42u);
    QCOMPARE(settings.get_uint("k/v", 7u), withObject ? 7u : 42u);
}

void TstGSettings::conversions_data() {
    QTest::addColumn<QVariant>("stored");   // texts, as an INI file holds them
    QTest::addColumn<QVariantList>("read"); // as unsigned, int, float, double, colour
    const QColor blue(Qt::blue);
    QTest::newRow("non-number") << QVariant("abc") << QVariantList{0u, 0, 0.0f, 0.0, blue};
    QTest::newRow("negative") << QVariant("-5") << QVariantList{0u, -5, -5.0f, -5.0, blue};
    QTest::newRow("fraction") << QVariant("0.125") << QVariantList{0u, 0, 0.125f, 0.125, blue};
    QTest::newRow("unsigned maximum")
        << QVariant("4294967295") << QVariantList{4294967295u, 0, 4294967295.0f, 4294967295.0, blue};
    QTest::newRow("past unsigned range")
        << QVariant("4294967296") << QVariantList{0u, 0, 4294967296.0f, 4294967296.0, blue};
    QTest::newRow("below int range") << QVariant("-3000000000")
                                     << QVariantList{0u, 0, -3000000000.0f, -3000000000.0, blue};
    QTest::newRow("colour name") << QVariant("#ff0000") << QVariantList{0u, 0, 0.0f, 0.0, QColor(Qt::red)};
    QTest::newRow("a list: no number at all")
        << QVariant(QStringList{"1", "2"}) << QVariantList{25u, -25, 2.5f, 2.5, blue};
}

void TstGSettings::conversions() {
    QFETCH(QVariant, stored);
    QFETCH(QVariantList, read);
    GSettings settings;
    settings.set("v", stored);
    QCOMPARE(
        (QVariantList{settings.get_uint("v", 25u), settings.get_int("v", -25), settings.get_float("v", 2.5f),
                      settings.get_double("v", 2.5), settings.get_color("v", Qt::blue)}),
        read);
}

void TstGSettings::versionCheck_data() {
    QTest::addColumn<QVariant>("storedVersion");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("older");
    QTest::newRow("empty store") << QVariant() << true << true;
    QTest::newRow("older, clearing") << QVariant(10000u) << true << true;
    QTest::newRow("older, keeping") << QVariant(10000u) << false << true;
    QTest::newRow("same version") << QVariant(10811u) << true << false;
}

void TstGSettings::versionCheck() {
    QFETCH(QVariant, storedVersion);
    QFETCH(bool, clear);
    QFETCH(bool, older);
    GSettings settings;
    if (storedVersion.isValid()) settings.setValue("config/version", storedVersion);
    settings.set_theme(2);
    StdoutCapture capture;
    QCOMPARE(settings.check_update_config(10811, clear), older);
    QCOMPARE(capture.text(), QByteArray(older && clear ? "CLEAR CONFIG\n" : ""));
    QCOMPARE(settings.get_config_version(), 10811u);
    QCOMPARE(settings.allKeys(),
             older && clear ? QStringList{"config/version"} : (QStringList{"config/version", "ui/theme"}));

    StdoutCapture second; // a second check finds the version it just stored
    QVERIFY(!settings.check_update_config(10811, clear));
    QVERIFY(second.text().isEmpty());
}

void TstGSettings::windowState() {
    GSettings settings;
    QMainWindow window;
    window.setObjectName("main");
    window.setGeometry(40, 50, 420, 310);
    settings.restore_win(&window); // nothing stored: nothing changes
    QCOMPARE(window.geometry(), QRect(40, 50, 420, 310));
    settings.save_win(&window);
    QCOMPARE(settings.allKeys(), (QStringList{"ui/win/geometry@main", "ui/win/state@main"}));
    window.resize(100, 100);
    settings.restore_win(&window);
    QCOMPARE(window.size(), QSize(420, 310));
}

QTEST_MAIN(TstGSettings)
#include "tst_GSettings.moc"
