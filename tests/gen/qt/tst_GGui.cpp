#include "gen/qt/GAction.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GPadding.h"
#include "gen/qt/GSplitter.h"
#include "gen/qt/GTimer.h"

#include "LogLines.h"

#include <QtTest>

#include <QPlainTextEdit>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace gen::qt;

namespace {

// First argument of a child run of this executable.
constexpr const char* kChild = "--child";

// Exit code and standard output of a child run.
QByteArray run_child(const QStringList& args, const QString& scaleFactor = "1") {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scaleFactor);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList{kChild} + args);
    if (!child.waitForFinished(60000)) return "timeout";
    return QByteArray::number(child.exitCode()) + ":" + child.readAllStandardOutput();
}

int child_main(int argc, char** argv) {
    if (std::strcmp(argv[2], "set_background") == 0) set_background(nullptr, Qt::red);
    QApplication app(argc, argv);
    std::printf("%d", dp_to_px(std::atoi(argv[2])));
    return 0;
}

QString text(const GPadding& p) {
    return QString::fromStdString(p.to_string());
}

} // namespace

class TstGGui : public QObject {
    Q_OBJECT

private slots:
    void typeAndPropertyQueries() {
        GButton button;
        QCOMPARE(get_qtype_name(nullptr), "nullptr");
        QCOMPARE(get_qtype_name(&button), "QPushButton");
        QCOMPARE(get_qtype_name(static_cast<QObject*>(new QPlainTextEdit(&button))), "QPlainTextEdit");
        QVERIFY(!has_property(&button, "sIcon"));
        button.set_icon_res(":/wb/icons/missing.svg");
        QVERIFY(has_property(&button, "sIcon"));
        QVERIFY(!has_property(&button, "sicon") && !has_property(&button, "objectName"));
        QVERIFY(!has_property(&button, nullptr) && !has_property(nullptr, "sIcon"));
    }

    void resourceExists_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        QTest::newRow("bundled icon") << ":/wb/icons/copy.svg" << true;
        QTest::newRow("missing icon") << ":/wb/icons/dark/copy.svg" << false;
    }
    void resourceExists() {
        QFETCH(QString, path);
        QFETCH(bool, exists);
        LogLines log;
        QCOMPARE(does_res_exist(path), exists);
        QCOMPARE(log.lines.size(), int(!exists));
        QCOMPARE(log.count(gen::log::DEBUG, "resource does not exist: " + path), int(!exists));
    }

    // The first toggle names the window, the second finds it as the active one.
    void toggleFullScreenTwiceRestores() {
        QWidget window;
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        toggle_full_screen(&window);
        QVERIFY(is_fullscreen(nullptr) && window.isFullScreen());
        QTRY_COMPARE(window.size(), QSize(get_max_screen_width(), get_max_screen_height()));
        toggle_full_screen(nullptr);
        QVERIFY(!is_fullscreen(&window));
        QCOMPARE(window.windowState(), Qt::WindowNoState);
        QTRY_COMPARE(window.size(), QSize(200, 100));
    }

    void backgroundFillsBase() {
        const QColor green(20, 200, 40);
        QPlainTextEdit edit;
        set_background(&edit, green);
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(edit.palette().color(group, QPalette::Base), green);
        const QImage image = edit.grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), green);
    }

    // The device pixel ratio is fixed at start, so each ratio needs its own process.
    void dpToPx_data() {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("dp");
        QTest::addColumn<int>("px");
        QTest::newRow("1.5") << "1.5" << 10 << 15;
        QTest::newRow("1.25 truncates") << "1.25" << 10 << 12;
        QTest::newRow("toward zero") << "1.5" << -3 << -4;
    }
    void dpToPx() {
        QFETCH(QString, scale);
        QFETCH(int, dp);
        QFETCH(int, px);
        QCOMPARE(run_child({QString::number(dp)}, scale), "0:" + QByteArray::number(px));
    }

    // The child waits the handler's five seconds before it ends.
    void nullWidgetEndsTheProcess() {
        QCOMPARE(run_child({"set_background"}),
                 "1:nullptr:widget == NULL\ngen/qt/GGui\nLINE:161\nprogram will exit in 5 sec\n");
    }

    void paddingOfPlainWidget_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QString>("padding");
        QTest::newRow("no margins") << QMargins() << "0,0,0,0";
        QTest::newRow("margins") << QMargins(1, 2, 3, 4) << "1,3,2,4";
    }
    void paddingOfPlainWidget() {
        QFETCH(QMargins, margins);
        QFETCH(QString, padding);
        QWidget widget;
        widget.setContentsMargins(margins);
        QCOMPARE(text(GPadding::from_QWidget(&widget)), padding);
        QCOMPARE(text(GPadding::from_QWidget(nullptr)), "0,0,0,0");
    }

    // The style's frame stays, so the padding is the difference to a zero padding.
    void paddingAppliesThroughStyleSheet() {
        GButton button("text");
        button.resize(100, 60);
        button.show(); // an unpolished widget keeps the rules of its first style sheet
        GPadding{}.set_padding(&button);
        const GPadding frame = GPadding::from_QWidget(&button);
        GPadding{3, 5, 7, 9}.set_padding(&button);
        const GPadding p = GPadding::from_QWidget(&button);
        QCOMPARE(
            text({p.left - frame.left, p.right - frame.right, p.top - frame.top, p.bottom - frame.bottom}),
            "3,5,7,9");
    }

    void timerFiresListener() {
        GTimer timer;
        QList<int> seen;
        timer.listenerTimeout = [&](const int& v) { seen << v; };
        timer.setSingleShot(true);
        timer.start(0);
        QTRY_COMPARE(seen, QList<int>{0});
    }

    void splitterReportsHandlePosition() {
        GSplitter splitter;
        QCOMPARE(splitter.orientation(), Qt::Vertical);
        splitter.addWidget(new QWidget);
        splitter.addWidget(new QWidget);
        splitter.resize(100, 300);
        splitter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splitter));
        QList<int> seen;
        splitter.listenerSplitterMoved = [&](const int& pos) { seen << pos; };
        QWidget* handle = splitter.handle(1);
        const QPoint start = handle->rect().center(), end = start + QPoint(0, 40);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, end);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), splitter.sizes().first());
    }

    void actionFiresZeroWhateverItsState() {
        GAction action("Copy");
        action.setCheckable(true);
        QList<int> seen;
        action.listenerAction = [&](const int& v) { seen << v; };
        action.trigger();
        action.trigger();
        QCOMPARE(seen, (QList<int>{0, 0}));
    }
};

// A child run calls one helper and exits; everything else is the test.
int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], kChild) == 0) return child_main(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TstGGui test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GGui.moc"
