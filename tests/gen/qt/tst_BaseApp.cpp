#include "gen/GStr.h"
#include "gen/qt/BaseApp.h"

#include <QFileInfo>
#include <QtTest>

#include <clocale>
#include <csignal>

using namespace gen;

namespace {

int argc = 1;
char arg0[] = "tst_BaseApp";
char* argv[] = {arg0, nullptr};

QString signal_handler(int sig) {
    struct sigaction current {};
    ::sigaction(sig, nullptr, &current);
    return current.sa_handler == SIG_DFL ? "default" : "installed";
}

} // namespace

// Each case builds its own application object, as a program does once.
class TstBaseApp : public QObject {
    Q_OBJECT

private slots:
    void numbersKeepTheDecimalPointInAGermanLocale() {
        // CTest compiles it first (fixture.locale_de_DE) when localedef and the locale sources are there.
        if (!QFileInfo::exists(QStringLiteral(HELLO_LOCALE_DIR "/de_DE.UTF-8")))
            QSKIP("no German locale compiled yet: the locales package brings its sources");
        qputenv("LOCPATH", HELLO_LOCALE_DIR);
        qputenv("LC_ALL", "de_DE.UTF-8");
        // The locale compiled for this test must really bring the decimal comma.
        QVERIFY(std::setlocale(LC_ALL, ""));
        QCOMPARE(str::xprintF(0, "$", 0.5), std::string("0,500000"));
        std::setlocale(LC_ALL, "C");

        qt::BaseApp app(argc, argv);
        QCOMPARE(str::xprintF(0, "$", 0.5), std::string("0.500000"));
        // Only numbers: the rest of the user's locale stays as Qt set it.
        QCOMPARE(QByteArray(std::setlocale(LC_CTYPE, nullptr)), QByteArray("de_DE.UTF-8"));
        std::setlocale(LC_ALL, "C");
    }

    void terminationClosesWindowsWhileTheAppLives_data() {
        QTest::addColumn<int>("sig");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void terminationClosesWindowsWhileTheAppLives() {
        QFETCH(int, sig);
        {
            qt::BaseApp app(argc, argv);
            app.close_windows_on_termination();
            QCOMPARE(signal_handler(sig), QString("installed"));
            QWidget window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            ::raise(sig);
            QTRY_VERIFY(!window.isVisible());
        }
        // With the application gone the signal ends the process again, and the
        // next application object (the next row) can take it over.
        QCOMPARE(signal_handler(sig), QString("default"));
    }
};

QTEST_APPLESS_MAIN(TstBaseApp)
#include "tst_BaseApp.moc"
