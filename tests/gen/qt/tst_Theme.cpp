#include "gen/qt/Theme.h"

#include "LogLines.h"

#include <QtTest>

namespace theme = gen::qt::theme;

class TstTheme : public QObject {
    Q_OBJECT

private slots:
    void setRefusesTooLarge() {
        QCOMPARE(theme::get(), theme::THEME_NORMAL);
        LogLines log;
        theme::set(theme::THEME_GREEN);
        theme::set(3);
        QCOMPARE(theme::get(), theme::THEME_GREEN);
        QVERIFY(log.only(gen::log::ERROR, "gen::qt::theme::set, th > maxTheme, 3 > 2"));
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("th");
        QTest::newRow("normal") << "normal" << 0;
        QTest::newRow("green") << "green" << 2;
        QTest::newRow("Dark") << "Dark" << -1;
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(int, th);
        QCOMPARE(theme::string_to_theme(name), th);
        QCOMPARE(theme::theme_to_string(unsigned(th)), th < 0 ? QString() : name);
    }
};

QTEST_GUILESS_MAIN(TstTheme)
#include "tst_Theme.moc"
