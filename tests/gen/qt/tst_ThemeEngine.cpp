#include "gen/qt/BaseApp.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/Theme.h"
#include "gen/qt/ThemeEngine.h"

#include "LogLines.h"

#include <QtTest>

using namespace gen::qt;

class TstThemeEngine : public QObject {
    Q_OBJECT

private slots:
    void init() { theme::apply_the_theme(theme::THEME_NORMAL); }

    void makeThemePath_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("themeName");
        QTest::addColumn<QString>("path");
        QTest::newRow("default to dark") << ":/wb/icons/copy.svg"
                                         << "dark"
                                         << ":/wb/icons/dark/copy.svg";
        QTest::newRow("dark to normal") << ":/wb/icons/dark/copy.svg"
                                        << "normal"
                                        << ":/wb/icons/copy.svg";
        QTest::newRow("three parts") << ":/wb/copy.svg"
                                     << "dark"
                                     << ":/wb/copy.svg";
        QTest::newRow("six parts") << ":/wb/icons/a/b/copy.svg"
                                   << "dark"
                                   << ":/wb/icons/dark/copy.svg";
    }
    void makeThemePath() {
        QFETCH(QString, icon);
        QFETCH(QString, themeName);
        QFETCH(QString, path);
        QCOMPARE(theme::make_theme_path(icon, themeName), path);
    }

    void iconsFollowTheTheme() {
        GButton copy(":/wb/icons/copy.svg", "copy to clipboard");
        GButton missing(":/wb/icons/copy.svg");
        missing.setProperty("sIcon", ":/wb/icons/nowhere.svg"); // no themed variant either
        GButton emptyIcon("text");
        emptyIcon.setProperty("sIcon", QString());
        QPushButton plain("plain");
        const QStringList expected{":/wb/icons/dark/copy.svg", ":/wb/icons/green/copy.svg",
                                   ":/wb/icons/copy.svg"};
        const unsigned themes[] = {theme::THEME_DARK, theme::THEME_GREEN, theme::THEME_NORMAL};
        for (int i = 0; i < 3; ++i) {
            const qint64 before = copy.icon().cacheKey();
            theme::apply_the_theme(themes[i]);
            QCOMPARE(copy.get_icon_res(), expected[i]);
            QVERIFY(copy.icon().cacheKey() != before);
            QCOMPARE(missing.property("sIcon").toString(), ":/wb/icons/nowhere.svg");
            QCOMPARE(emptyIcon.property("sIcon").toString(), QString());
            QVERIFY(emptyIcon.icon().isNull() && plain.icon().isNull());
        }
    }

    void palettes_data() {
        QTest::addColumn<unsigned>("th");
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("dark window") << 1u << QPalette::Window << QColor("#353535");
        QTest::newRow("dark highlight") << 1u << QPalette::Highlight << QColor("#2a82da");
        QTest::newRow("green base") << 2u << QPalette::Base << QColor("#192819");
    }
    // The application palette, in every colour group.
    void palettes() {
        QFETCH(unsigned, th);
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QColor, colour);
        theme::apply_the_theme(th);
        const QPalette p = QApplication::palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(p.color(group, role), colour);
    }

    void normalDisabledEntries() {
        const QPalette p = theme::make_palette(theme::THEME_NORMAL);
        QCOMPARE(p.color(QPalette::Disabled, QPalette::Text), QColor("#787878"));
        QCOMPARE(p.color(QPalette::Disabled, QPalette::Button), QColor("#f0f0f0"));
    }

    // Log views are told the theme; a number beyond the last changes nothing.
    void logViewsAndBeyondTheLast() {
        GLogView view;
        theme::apply_theme("dark");
        QCOMPARE(view.get_theme(), theme::THEME_DARK);
        const QColor window = QApplication::palette().color(QPalette::Window);
        LogLines log;
        theme::apply_the_theme(3);
        QVERIFY(
            log.only(gen::log::DEBUG, "gent::qt::theme::apply_the_theme, theTheme > get_max_theme(), 3 > 2"));
        QCOMPARE(theme::get(), theme::THEME_DARK);
        QCOMPARE(QApplication::palette().color(QPalette::Window), window);
        QCOMPARE(view.get_theme(), theme::THEME_DARK);
    }

    // Only a change of the theme reaches the engine.
    void applicationSetTheme() {
        auto* app = static_cast<BaseApp*>(QCoreApplication::instance());
        app->set_theme(theme::THEME_NORMAL); // what the engine has, as far as the object knows
        QCOMPARE(app->applied_theme(), 0u);
        theme::set(theme::THEME_GREEN); // so a call to the engine would show
        app->set_theme(theme::THEME_NORMAL);
        QCOMPARE(theme::get(), theme::THEME_GREEN);
        app->set_theme(theme::THEME_DARK);
        QCOMPARE(theme::get(), theme::THEME_DARK);
        QCOMPARE(app->requested_theme(), 1u);
        QCOMPARE(app->applied_theme(), 1u);
        app->set_theme(5);
        QCOMPARE(app->requested_theme(), 5u);
        QCOMPARE(theme::get(), theme::THEME_DARK);
    }
};

int main(int argc, char** argv) {
    BaseApp app(argc, argv);
    TstThemeEngine test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ThemeEngine.moc"
