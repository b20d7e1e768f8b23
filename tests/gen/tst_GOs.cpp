#include "gen/GOs.h"

#include <QCoreApplication>
#include <QFileInfo>
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

    void platformAndProgram() {
        QCOMPARE(gen::os::get_os_bit_system(), QSysInfo::WordSize);
        QVERIFY(gen::os::is_64_bit() != gen::os::is_32_bit());
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
        QVERIFY(gen::os::is_linux() && gen::os::is_desktop() && !gen::os::is_sandboxed());
        QVERIFY(!gen::os::is_windows() && !gen::os::is_android() && !gen::os::is_wasm());
#endif
        const QFileInfo self(QCoreApplication::applicationFilePath());
        QCOMPARE(gen::os::get_qprogram_name(), self.completeBaseName());
    }
};

QTEST_MAIN(TstGOs)
#include "tst_GOs.moc"
