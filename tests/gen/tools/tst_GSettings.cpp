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
    void init();

    void defaultsOnFreshStore();
    void namedSettingsRoundTrip();
    void objectKeys_data();
    void objectKeys();
    void conversions_data();
    void conversions();
    void colors_data();
    void colors();
    void geometryValues();
    void valuesSurviveTheObject();
    void versionCheck_data();
    void versionCheck();
    void versionCheckSecondCallDoesNothing();
    void windowStateRoundTrip();
    void restoreWithoutStoredStateChangesNothing();
    void splitterStateRoundTrip();

private:
    QTemporaryDir configHome;
};

void TstGSettings::initTestCase() {
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication::setOrganizationName("gen-tests");
    QCoreApplication::setApplicationName("tst_GSettings");
    // Never the user's real store.
    QVERIFY(GSettings().fileName().startsWith(configHome.path()));
}

void TstGSettings::init() {
    GSettings settings;
    settings.clear();
}

void TstGSettings::defaultsOnFreshStore() {
    const GSettings settings;
    QCOMPARE(settings.get_theme(), 1u);
    QCOMPARE(settings.get_config_version(), 99u);
    QCOMPARE(settings.is_gui_log_enabled(), true);
    QCOMPARE(settings.get_gui_log_font_size(), 9u);
    QCOMPARE(settings.get_log_level(), 0u);
    QCOMPARE(settings.get_log_digits(), 6u);
    QCOMPARE(settings.get_uint("nothing", 17u), 17u);
    QCOMPARE(settings.get_rect("nothing", QRect(1, 2, 3, 4)), QRect(1, 2, 3, 4));
}

void TstGSettings::namedSettingsRoundTrip() {
    GSettings settings;
    settings.set_theme(2);
    settings.set_config_version(5);
    settings.set_gui_log_enabled(false);
    settings.set_gui_log_font_size(14);
    settings.set_log_level(3);
    settings.set_log_digits(2);
    settings.sync();
    const GSettings reread;
    QCOMPARE(reread.get_theme(), 2u);
    QCOMPARE(reread.get_config_version(), 5u);
    QCOMPARE(reread.is_gui_log_enabled(), false);
    QCOMPARE(reread.get_gui_log_font_size(), 14u);
    QCOMPARE(reread.get_log_level(), 3u);
    QCOMPARE(reread.get_log_digits(), 2u);
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
    if (withObject) QCOMPARE(settings.get_uint("k/v", 7u), 7u);
}

void TstGSettings::conversions_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QVariant>("def");

    // Texts as an INI file holds them.
    QTest::newRow("uint from text number") << QVariant("42") << QVariant(42u) << QVariant(25u);
    QTest::newRow("uint from text non-number") << QVariant("abc") << QVariant(0u) << QVariant(25u);
    QTest::newRow("uint from negative text") << QVariant("-5") << QVariant(0u) << QVariant(25u);
    QTest::newRow("uint from a list") << QVariant(QStringList{"1", "2"}) << QVariant(25u) << QVariant(25u);
    QTest::newRow("int from negative text") << QVariant("-5") << QVariant(-5) << QVariant(1);
    QTest::newRow("int from huge text") << QVariant("99999999999999") << QVariant(0) << QVariant(1);
    QTest::newRow("uint just past range") << QVariant("4294967296") << QVariant(0u) << QVariant(1u);
    QTest::newRow("uint at its maximum") << QVariant("4294967295") << QVariant(4294967295u) << QVariant(1u);
    QTest::newRow("int at its minimum") << QVariant("-2147483648") << QVariant(INT_MIN) << QVariant(1);
    QTest::newRow("uint from stored double") << QVariant(3.0) << QVariant(3u) << QVariant(1u);
    QTest::newRow("float from text") << QVariant("2.5") << QVariant(2.5f) << QVariant(100.0f);
    QTest::newRow("float from garbage") << QVariant("x2.5") << QVariant(0.0f) << QVariant(100.0f);
    QTest::newRow("double stored") << QVariant(0.125) << QVariant(0.125) << QVariant(1.0);
    QTest::newRow("bool from text") << QVariant("true") << QVariant(true) << QVariant(false);
    QTest::newRow("bytes from text") << QVariant("ab") << QVariant(QByteArray("ab"))
                                     << QVariant(QByteArray());
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
    case QMetaType::QByteArray:
        actual = settings.get<QByteArray>("value", def.toByteArray());
        break;
    default:
        QFAIL("unexpected type");
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
    QTest::newRow("stored colour") << QVariant(QColor(Qt::green)) << QColor(Qt::green);
}

void TstGSettings::colors() {
    QFETCH(QVariant, stored);
    QFETCH(QColor, expected);
    GSettings settings;
    if (stored.isValid()) settings.set("colour", stored);
    QCOMPARE(settings.get_color("colour", Qt::blue), expected);
    settings.set("global", Qt::darkCyan);
    QCOMPARE(settings.get_color("global", Qt::blue), QColor(Qt::darkCyan));
}

void TstGSettings::geometryValues() {
    {
        GSettings settings;
        settings.set_rect("r", QRect(1, 2, 30, 40));
        settings.set_point("p", QPoint(-5, 6));
        settings.set_size("s", QSize(7, 8));
    }
    const GSettings settings;
    QCOMPARE(settings.get_rect("r", {}), QRect(1, 2, 30, 40));
    QCOMPARE(settings.get_point("p", {}), QPoint(-5, 6));
    QCOMPARE(settings.get_size("s", {}), QSize(7, 8));
    QCOMPARE(settings.get_size("absent", QSize(1, 1)), QSize(1, 1));
}

void TstGSettings::valuesSurviveTheObject() {
    QString file;
    {
        GSettings settings;
        file = settings.fileName();
        settings.set_theme(2);
        settings.set("app/x", 3.5);
    }
    // Read the file itself, not through any cache of the library.
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray content = raw.readAll();
    QVERIFY2(content.contains("theme=2"), content.constData());
    QVERIFY2(content.contains("x=3.5"), content.constData());
}

void TstGSettings::versionCheck_data() {
    QTest::addColumn<QVariant>("storedVersion");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("keptOtherKeys");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("empty store") << QVariant() << true << true << false << QByteArray("CLEAR CONFIG\n");
    QTest::newRow("older, clearing") << QVariant(10000u) << true << true << false
                                     << QByteArray("CLEAR CONFIG\n");
    QTest::newRow("older, keeping") << QVariant(10000u) << false << true << true << QByteArray();
    QTest::newRow("same version") << QVariant(10811u) << true << false << true << QByteArray();
    QTest::newRow("newer version") << QVariant(20000u) << true << false << true << QByteArray();
    QTest::newRow("garbage version") << QVariant("garbage") << true << true << false
                                     << QByteArray("CLEAR CONFIG\n");
}

void TstGSettings::versionCheck() {
    QFETCH(QVariant, storedVersion);
    QFETCH(bool, clear);
    QFETCH(bool, result);
    QFETCH(bool, keptOtherKeys);
    QFETCH(QByteArray, printed);
    GSettings settings;
    if (storedVersion.isValid()) {
        settings.setValue("config/version", storedVersion);
        settings.set_theme(2);
    }
    StdoutCapture capture;
    QCOMPARE(settings.check_update_config(10811, clear), result);
    QCOMPARE(capture.text(), printed);
    const unsigned int expectedVersion = result ? 10811u : storedVersion.toUInt();
    QCOMPARE(settings.get_config_version(), expectedVersion);
    if (storedVersion.isValid()) QCOMPARE(settings.contains("ui/theme"), keptOtherKeys);
    if (!keptOtherKeys) QCOMPARE(settings.allKeys(), QStringList{"config/version"});
}

void TstGSettings::versionCheckSecondCallDoesNothing() {
    GSettings settings;
    StdoutCapture first;
    QVERIFY(settings.check_update_config(10811, true));
    QCOMPARE(first.text(), QByteArray("CLEAR CONFIG\n"));
    settings.set_theme(0);
    StdoutCapture second;
    QVERIFY(!settings.check_update_config(10811, true));
    QVERIFY(second.text().isEmpty());
    QCOMPARE(settings.get_theme(), 0u);
}

void TstGSettings::windowStateRoundTrip() {
    QMainWindow saved;
    saved.setObjectName("main");
    saved.setGeometry(40, 50, 420, 310);
    GSettings settings;
    settings.save_win(&saved);
    QVERIFY(settings.contains("ui/win/geometry@main"));
    QVERIFY(settings.contains("ui/win/state@main"));

    QMainWindow restored;
    restored.setObjectName("main");
    restored.setGeometry(0, 0, 100, 100);
    settings.restore_win(&restored);
    QCOMPARE(restored.size(), QSize(420, 310));

    QMainWindow other; // another object name finds nothing
    other.setObjectName("other");
    other.resize(123, 124);
    settings.restore_win(&other);
    QCOMPARE(other.size(), QSize(123, 124));
}

void TstGSettings::restoreWithoutStoredStateChangesNothing() {
    QMainWindow window;
    window.setGeometry(10, 20, 300, 200);
    const QRect before = window.geometry();
    GSettings settings;
    settings.restore_win(&window);
    QCOMPARE(window.geometry(), before);

    QSplitter splitter;
    splitter.addWidget(new QLabel("a"));
    splitter.addWidget(new QLabel("b"));
    const QByteArray state = splitter.saveState();
    settings.restore_splitter_state(&splitter);
    QCOMPARE(splitter.saveState(), state);
}

void TstGSettings::splitterStateRoundTrip() {
    auto makeSplitter = [](QWidget* host) {
        auto* splitter = new QSplitter(Qt::Vertical, host);
        splitter->setObjectName("split");
        splitter->addWidget(new QLabel("top"));
        splitter->addWidget(new QLabel("bottom"));
        splitter->resize(200, 400);
        return splitter;
    };
    QWidget hostA;
    QSplitter* a = makeSplitter(&hostA);
    a->setSizes({300, 100});
    GSettings settings;
    settings.save_splitter_state(a);
    QVERIFY(settings.contains("ui/win/splitter@split"));

    QWidget hostB;
    QSplitter* b = makeSplitter(&hostB);
    settings.restore_splitter_state(b);
    QCOMPARE(b->saveState(), a->saveState());
}

QTEST_MAIN(TstGSettings)
#include "tst_GSettings.moc"
