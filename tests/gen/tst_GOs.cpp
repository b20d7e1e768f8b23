#include "gen/GOs.h"

#include <QtTest>

class TstGOs : public QObject {
    Q_OBJECT

private slots:
    void programNameFromPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* path, const char* name) { QTest::newRow(path) << path << name; };
        row("C:\\Program Files\\Hello\\hello.exe", "hello");
        row("C:/bin\\a.ExE", "a");
        row("C:\\bin\\.exe", ".exe");
        row("/opt/my.exe.tool", "my.exe.tool");
        row("/usr/bin/", "");
        row("no directory", "no directory");
    }
    void programNameFromPath() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(gen::os::program_name_from_path(path.toStdString())), name);
    }

    // Decided when the library is compiled, for the platform it is built for.
    void platform() {
        using namespace gen::os;
        QCOMPARE(get_os_bit_system(), 64);
        QVERIFY(is_64_bit() && !is_32_bit());
        QVERIFY(is_linux() && is_desktop() && !is_sandboxed() && !is_windows() && !is_android() &&
                !is_wasm());
    }
};

QTEST_GUILESS_MAIN(TstGOs)
#include "tst_GOs.moc"
