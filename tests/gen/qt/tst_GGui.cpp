#include "gen/qt/GAction.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GPadding.h"
#include "gen/qt/GSplitter.h"
#include "gen/qt/GTimer.h"

#include "LogLines.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitterHandle>
#include <QtTest>

using namespace gen::qt;

namespace {

QString text(const GPadding& p) {
    return QString::fromStdString(p.to_string());
}

} // namespace

class TstGGui : public QObject {
    Q_OBJECT

private slots:
    void typeAndProperty() {
        GButton button;
        QCOMPARE(get_qtype_name(nullptr), "nullptr");
        QCOMPARE(get_qtype_name(&button), "QPushButton");
        QVERIFY(!has_property(&button, "sIcon"));
        button.set_icon_res(":/wb/icons/missing.svg");
        QVERIFY(has_property(&button, "sIcon") && !has_property(&button, "objectName"));
        QVERIFY(!has_property(nullptr, "sIcon"));
    }

    void resourceExists_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        QTest::newRow("bundled") << ":/wb/icons/copy.svg" << true;
        QTest::newRow("missing") << ":/wb/icons/dark/copy.svg" << false;
    }
    void resourceExists() {
        QFETCH(QString, path);
        QFETCH(bool, exists);
        LogLines log;
        QCOMPARE(does_res_exist(path), exists);
        QVERIFY(log.only(gen::log::DEBUG, exists ? QString() : "resource does not exist: " + path));
    }

    // The first toggle names the window, the second finds it as the active one.
    void toggleFullScreenTwice() {
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
        QTRY_COMPARE(window.size(), QSize(200, 100));
    }

    void backgroundFillsBase() {
        QPlainTextEdit edit;
        set_background(&edit, Qt::darkCyan);
        QCOMPARE(edit.palette().color(QPalette::Inactive, QPalette::Base), QColor(Qt::darkCyan));
        const QImage image = edit.grab().toImage();
        QCOMPARE(image.pixelColor(image.rect().center()), QColor(Qt::darkCyan));
    }

    // main() starts the application at a device pixel ratio of 1.5.
    void dpToPx_data() {
        QTest::addColumn<int>("dp");
        QTest::addColumn<int>("px");
        QTest::newRow("3 truncates") << 3 << 4;
        QTest::newRow("-3 toward zero") << -3 << -4;
    }
    void dpToPx() {
        QFETCH(int, dp);
        QFETCH(int, px);
        QCOMPARE(dp_to_px(dp), px);
    }

    // The handler waits five seconds before it ends the process, so a copy of this program makes the call.
    void nullWidgetEndsTheProcess() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--null-background"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(child.readAllStandardOutput(),
                 "nullptr:widget == NULL\ngen/qt/GGui\nLINE:161\nprogram will exit in 5 sec\n");
    }

    void padding() {
        QWidget widget;
        widget.setContentsMargins(1, 2, 3, 4);
        QCOMPARE(text(GPadding::from_QWidget(&widget)), "1,3,2,4");
        QCOMPARE(text(GPadding::from_QWidget(nullptr)), "0,0,0,0");
        // Shown, as an unpolished widget keeps its first style sheet; the style's frame is not padding.
        GButton button("text");
        button.show();
        GPadding{}.set_padding(&button);
        const GPadding frame = GPadding::from_QWidget(&button);
        GPadding{3, 5, 7, 9}.set_padding(&button);
        const GPadding p = GPadding::from_QWidget(&button);
        QCOMPARE(
            text({p.left - frame.left, p.right - frame.right, p.top - frame.top, p.bottom - frame.bottom}),
            "3,5,7,9");
    }

    void timerAndActionFireZero() {
        QList<int> seen;
        GTimer timer;
        timer.listenerTimeout = [&](const int& v) { seen << v; };
        timer.setSingleShot(true);
        timer.start(0);
        QTRY_COMPARE(seen, QList<int>{0});
        GAction action("Copy");
        action.setCheckable(true);
        action.listenerAction = [&](const int& v) { seen << v; };
        action.trigger();
        QCOMPARE(seen, (QList<int>{0, 0}));
    }

    void splitterReportsTheDraggedPosition() {
        GSplitter splitter(Qt::Horizontal);
        splitter.addWidget(new QLabel("left"));
        splitter.addWidget(new QLabel("right"));
        splitter.resize(300, 60);
        splitter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splitter));
        QList<int> positions;
        splitter.listenerSplitterMoved = [&](const int& pos) { positions << pos; };
        QSplitterHandle* handle = splitter.handle(1);
        const QPoint from = handle->rect().center();
        const QPoint to = from - QPoint(40, 0);
        const int before = splitter.sizes().at(0);
        QTest::mousePress(handle, Qt::LeftButton, {}, from);
        // QTest::mouseMove carries no buttons, and a drag needs the left one held.
        QMouseEvent drag(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(handle, &drag);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
        QVERIFY(splitter.sizes().at(0) < before);
        QCOMPARE(positions, QList<int>{splitter.sizes().at(0)});
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--null-background") set_background(nullptr, Qt::red);
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TstGGui test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GGui.moc"
