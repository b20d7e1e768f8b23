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
        QTest::newRow("windows path") << "C:\\Program Files\\Hello\\hello.exe"
                                      << "hello";
        QTest::newRow("mixed case exe") << "C:/bin/Hello.ExE"
                                        << "Hello";
        QTest::newRow("exe alone") << "C:\\bin\\.exe"
                                   << ".exe";
        QTest::newRow("shortest cut") << "a.EXE"
                                      << "a";
        QTest::newRow("exe inside") << "/opt/my.exe.tool"
                                    << "my.exe.tool";
        QTest::newRow("no extension") << "/usr/bin/hello-qt6"
                                      << "hello-qt6";
        QTest::newRow("mixed slashes") << "C:\\x/y\\z.bin"
                                       << "z.bin";
        QTest::newRow("trailing slash") << "/usr/bin/"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("utf-8") << "/home/jörg/prüf.exe"
                               << "prüf";
    }
    void programNameFromPath() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        const QByteArray utf8 = path.toUtf8();
        const std::string got = gen::os::program_name_from_path({utf8.constData(), std::size_t(utf8.size())});
        QCOMPARE(QString::fromStdString(got), name);
    }

    void runningProgram() {
        const QString expected = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QCOMPARE(QString::fromStdString(gen::os::get_program_name()), expected);
        QCOMPARE(gen::os::get_qprogram_name(), expected);
    }

    void platform() {
        QCOMPARE(gen::os::get_os_bit_system(), QSysInfo::WordSize);
        QVERIFY(gen::os::is_64_bit() != gen::os::is_32_bit());
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
        QVERIFY(gen::os::is_linux());
        QVERIFY(gen::os::is_desktop());
        QVERIFY(!gen::os::is_windows() && !gen::os::is_android() && !gen::os::is_wasm());
        QVERIFY(!gen::os::is_sandboxed());
#endif
    }
};

QTEST_MAIN(TstGOs)
#include "tst_GOs.moc"
