#include "gen/qt/Theme.h"

#include "LogLines.h"

#include <QtTest>

namespace theme = gen::qt::theme;

class TstTheme : public QObject {
    Q_OBJECT

private slots:
    // Runs first: nothing has set a theme yet.
    void startsAtNormal() { QCOMPARE(theme::get(), 0u); }

    void set_data() {
        QTest::addColumn<unsigned>("th");
        QTest::addColumn<unsigned>("expected");
        QTest::addColumn<QString>("error");
        QTest::newRow("normal") << 0u << 0u << "";
        QTest::newRow("green, the last") << 2u << 2u << "";
        QTest::newRow("one too many") << 3u << 1u << "gen::qt::theme::set, th > maxTheme, 3 > 2";
    }
    void set() {
        QFETCH(unsigned, th);
        QFETCH(unsigned, expected);
        QFETCH(QString, error);
        theme::set(theme::THEME_DARK);
        LogLines log;
        theme::set(th);
        QCOMPARE(theme::get(), expected);
        QCOMPARE(log.lines.size(), int(!error.isEmpty()));
        if (!error.isEmpty()) QCOMPARE(log.count(gen::log::ERROR, error), 1);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("normal") << "normal" << 0;
        QTest::newRow("dark") << "dark" << 1;
        QTest::newRow("green") << "green" << 2;
        QTest::newRow("capital D") << "Dark" << -1;
        QTest::newRow("unknown") << "blue" << -1;
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(theme::string_to_theme(name), number);
        if (number >= 0) QCOMPARE(theme::theme_to_string(unsigned(number)), name);
        QVERIFY(theme::theme_to_string(theme::get_max_theme() + 1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstTheme)
#include "tst_Theme.moc"
