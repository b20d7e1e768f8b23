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
        QCOMPARE(theme::string_to_theme("green"), 2);
        QCOMPARE(theme::string_to_theme("Dark"), -1);
        QCOMPARE(theme::theme_to_string(1), "dark");
        QCOMPARE(theme::theme_to_string(3), QString());
    }
};

QTEST_GUILESS_MAIN(TstTheme)
#include "tst_Theme.moc"
