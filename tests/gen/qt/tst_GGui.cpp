#include "gen/qt/GButton.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GPadding.h"

#include "LogLines.h"

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
        QCOMPARE(button.get_icon_res(), QString()); // a missing icon records no path
        button.set_icon_res(":/wb/icons/copy.svg");
        QCOMPARE(button.get_icon_res(), ":/wb/icons/copy.svg");
    }

    void resourceExists_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        QTest::newRow("bundled") << ":/wb/icons/copy.svg" << true;
        QTest::newRow("missing") << ":/wb/icons/dark/missing.svg" << false;
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

    // main() starts the application at a device pixel ratio of 1.5; conversion truncates toward zero.
    void dpToPx() {
        QCOMPARE(dp_to_px(3), 4);
        QCOMPARE(dp_to_px(-3), -4);
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
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TstGGui test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GGui.moc"
