#include "gen/tools/GSettings.h"

#include "StdoutCapture.h"

#include <QtTest>

#include <QLabel>
#include <QMainWindow>
#include <QSplitter>

using gen::qt::GSettings;

class TstGSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { GSettings().clear(); }

    void namedSettingsDefaultAndPersist();
    void objectKeys_data();
    void objectKeys();
    void conversions_data();
    void conversions();
    void colors_data();
    void colors();
    void versionCheck_data();
    void versionCheck();
    void windowAndSplitterState();

private:
    QTemporaryDir configHome;
};

void TstGSettings::initTestCase() {
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication::setOrganizationName("gen-tests");
    QCoreApplication::setApplicationName("tst_GSettings");
    QVERIFY(GSettings().fileName().startsWith(configHome.path())); // never the user's real store
}

void TstGSettings::namedSettingsDefaultAndPersist() {
    QString file;
    {
        GSettings settings;
        file = settings.fileName();
        QCOMPARE(settings.get_theme(), 1u);
        QCOMPARE(settings.get_config_version(), 99u);
        QCOMPARE(settings.is_gui_log_enabled(), true);
        QCOMPARE(settings.get_gui_log_font_size(), 9u);
        QCOMPARE(settings.get_log_level(), 0u);
        QCOMPARE(settings.get_log_digits(), 6u);
        QCOMPARE(settings.get_size("absent", QSize(1, 1)), QSize(1, 1));
        settings.set_theme(2);
        settings.set_config_version(5);
        settings.set_gui_log_enabled(false);
        settings.set_gui_log_font_size(14);
        settings.set_log_level(3);
        settings.set_log_digits(2);
        settings.set_rect("r", QRect(1, 2, 30, 40));
        settings.set_point("p", QPoint(-5, 6));
        settings.set_size("s", QSize(7, 8));
    }
    // Nothing is lost: the values are in the file once the object is gone.
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("theme=2"));

    const GSettings settings;
    QCOMPARE(settings.get_theme(), 2u);
    QCOMPARE(settings.get_config_version(), 5u);
    QCOMPARE(settings.is_gui_log_enabled(), false);
    QCOMPARE(settings.get_gui_log_font_size(), 14u);
    QCOMPARE(settings.get_log_level(), 3u);
    QCOMPARE(settings.get_log_digits(), 2u);
    QCOMPARE(settings.get_rect("r", {}), QRect(1, 2, 30, 40));
    QCOMPARE(settings.get_point("p", {}), QPoint(-5, 6));
    QCOMPARE(settings.get_size("s", {}), QSize(7, 8));
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
    QLabel widget;
    widget.setObjectName(objectName);
    const QObject* object = withObject ? &widget : nullptr;
    GSettings settings;
    settings.set("k/v", 42u, object);
    QCOMPARE(settings.allKeys(), QStringList{storedKey});
    QCOMPARE(settings.get_uint("k/v", 7u, object), 42u);
    QCOMPARE(settings.get_uint("k/v", 7u), withObject ? 7u : 42u);
}

void TstGSettings::conversions_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QVariant>("def");
    // Texts, as an INI file holds them.
    QTest::newRow("uint from text number") << QVariant("42") << QVariant(42u) << QVariant(25u);
    QTest::newRow("uint from non-number") << QVariant("abc") << QVariant(0u) << QVariant(25u);
    QTest::newRow("uint from negative text") << QVariant("-5") << QVariant(0u) << QVariant(25u);
    QTest::newRow("uint from a list") << QVariant(QStringList{"1", "2"}) << QVariant(25u) << QVariant(25u);
    QTest::newRow("uint just past range") << QVariant("4294967296") << QVariant(0u) << QVariant(1u);
    QTest::newRow("uint at its maximum") << QVariant("4294967295") << QVariant(4294967295u) << QVariant(1u);
    QTest::newRow("uint from stored double") << QVariant(3.0) << QVariant(3u) << QVariant(1u);
    QTest::newRow("int from negative text") << QVariant("-5") << QVariant(-5) << QVariant(1);
    QTest::newRow("int from huge text") << QVariant("99999999999999") << QVariant(0) << QVariant(1);
    QTest::newRow("float from text") << QVariant("2.5") << QVariant(2.5f) << QVariant(100.0f);
    QTest::newRow("float from garbage") << QVariant("x2.5") << QVariant(0.0f) << QVariant(100.0f);
    QTest::newRow("double stored") << QVariant(0.125) << QVariant(0.125) << QVariant(1.0);
    QTest::newRow("bool from text") << QVariant("true") << QVariant(true) << QVariant(false);
    QTest::newRow("bytes from a size")
        << QVariant(QSize(1, 2)) << QVariant(QByteArray("x")) << QVariant(QByteArray("x"));
}

void TstGSettings::conversions() {
    QFETCH(QVariant, stored);
    QFETCH(QVariant, expected);
    QFETCH(QVariant, def);
    GSettings settings;
    settings.set("value", stored);
    QVariant actual;
    switch (expected.typeId()) {
    case QMetaType::UInt:
        actual = settings.get<unsigned int>("value", def.toUInt());
        break;
    case QMetaType::Int:
        actual = settings.get<int>("value", def.toInt());
        break;
    case QMetaType::Float:
        actual = settings.get<float>("value", def.toFloat());
        break;
    case QMetaType::Double:
        actual = settings.get<double>("value", def.toDouble());
        break;
    case QMetaType::Bool:
        actual = settings.get<bool>("value", def.toBool());
        break;
    default:
        actual = settings.get<QByteArray>("value", def.toByteArray());
        break;
    }
    QCOMPARE(actual, expected);
}

void TstGSettings::colors_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("nothing stored") << QVariant() << QColor(Qt::blue);
    QTest::newRow("colour name") << QVariant("#ff0000") << QColor(Qt::red);
    QTest::newRow("not a colour") << QVariant("no colour at all") << QColor(Qt::blue);
    QTest::newRow("a number") << QVariant(12) << QColor(Qt::blue);
    QTest::newRow("global colour") << QVariant::fromValue(Qt::darkCyan) << QColor(Qt::darkCyan);
}

void TstGSettings::colors() {
    QFETCH(QVariant, stored);
    QFETCH(QColor, expected);
    GSettings settings;
    if (stored.typeId() == QMetaType::fromType<Qt::GlobalColor>().id())
        settings.set("colour", stored.value<Qt::GlobalColor>());
    else if (stored.isValid())
        settings.set("colour", stored);
    QCOMPARE(settings.get_color("colour", Qt::blue), expected);
}

void TstGSettings::versionCheck_data() {
    QTest::addColumn<QVariant>("storedVersion");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("keptOtherKeys");
    QTest::newRow("empty store") << QVariant() << true << true << false;
    QTest::newRow("older, clearing") << QVariant(10000u) << true << true << false;
    QTest::newRow("older, keeping") << QVariant(10000u) << false << true << true;
    QTest::newRow("same version") << QVariant(10811u) << true << false << true;
    QTest::newRow("newer version") << QVariant(20000u) << true << false << true;
    QTest::newRow("garbage version") << QVariant("garbage") << true << true << false;
}

void TstGSettings::versionCheck() {
    QFETCH(QVariant, storedVersion);
    QFETCH(bool, clear);
    QFETCH(bool, result);
    QFETCH(bool, keptOtherKeys);
    GSettings settings;
    if (storedVersion.isValid()) settings.setValue("config/version", storedVersion);
    settings.set_theme(2);
    StdoutCapture capture;
    QCOMPARE(settings.check_update_config(10811, clear), result);
    QCOMPARE(capture.text(), QByteArray(result && clear ? "CLEAR CONFIG\n" : ""));
    QCOMPARE(settings.get_config_version(), result ? 10811u : storedVersion.toUInt());
    QCOMPARE(settings.contains("ui/theme"), keptOtherKeys);
    if (!keptOtherKeys) QCOMPARE(settings.allKeys(), QStringList{"config/version"});

    StdoutCapture second; // a second check finds the version it just stored
    QVERIFY(!settings.check_update_config(10811, clear));
    QVERIFY(second.text().isEmpty());
}

void TstGSettings::windowAndSplitterState() {
    GSettings settings;
    QMainWindow untouched;
    untouched.setGeometry(10, 20, 300, 200);
    settings.restore_win(&untouched); // nothing stored: nothing changes
    QCOMPARE(untouched.geometry(), QRect(10, 20, 300, 200));

    QMainWindow saved;
    saved.setObjectName("main");
    saved.setGeometry(40, 50, 420, 310);
    settings.save_win(&saved);
    QVERIFY(settings.contains("ui/win/geometry@main") && settings.contains("ui/win/state@main"));
    QMainWindow restored;
    restored.setObjectName("main");
    restored.setGeometry(0, 0, 100, 100);
    settings.restore_win(&restored);
    QCOMPARE(restored.size(), QSize(420, 310));
    untouched.setObjectName("other"); // another object name finds nothing
    settings.restore_win(&untouched);
    QCOMPARE(untouched.size(), QSize(300, 200));

    auto makeSplitter = [](QWidget* host) {
        auto* splitter = new QSplitter(Qt::Vertical, host);
        splitter->setObjectName("split");
        splitter->addWidget(new QLabel("top"));
        splitter->addWidget(new QLabel("bottom"));
        splitter->resize(200, 400);
        return splitter;
    };
    QWidget hostA, hostB;
    QSplitter* a = makeSplitter(&hostA);
    QSplitter* b = makeSplitter(&hostB);
    const QByteArray initial = b->saveState();
    settings.restore_splitter_state(b);
    QCOMPARE(b->saveState(), initial);
    a->setSizes({300, 100});
    settings.save_splitter_state(a);
    QVERIFY(settings.contains("ui/win/splitter@split"));
    settings.restore_splitter_state(b);
    QCOMPARE(b->saveState(), a->saveState());
}

QTEST_MAIN(TstGSettings)
#include "tst_GSettings.moc"
