#include "Window.h"

#include "gen/qt/components/GTab.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GPanelLog.h"
#include "gen/qt/GSplitter.h"

#include "AppTestMain.h"
#include "ChildrenOf.h"
#include "LogLines.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
const char* const kProbe = "HELLO_WINDOW_PROBE";

// The window as start-up makes it.
struct Started {
    Started() { window.ini(); }
    Window window;
    gen::qt::GTab* tab() const { return children_of<gen::qt::GTab>(window).value(0); }
    gen::qt::GCheckBox* logBox() const { return children_of<gen::qt::GCheckBox>(window).last(); }
    QList<gen::qt::GButton*> iconButtons() const {
        QList<gen::qt::GButton*> icons;
        for (auto* b : children_of<gen::qt::GButton>(window))
            if (!b->get_icon_res().isEmpty()) icons << b;
        return icons;
    }
};
} // namespace

class TstWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { gen::qt::baseSettings = MySettings::get(); }
    void init() { MySettings::get()->clear(); }

    void content() {
        const Started s;
        QCOMPARE(s.window.windowTitle(), "Hello Qt6 - 12");
        QStringList tabs;
        for (int i = 0; i < s.tab()->count(); ++i)
            tabs << s.tab()->tabText(i) + ": " + s.tab()->tabToolTip(i);
        QCOMPARE(tabs, (QStringList{"Trigonometry: Trigonometric Functions", "Gravity: Gravity Simulation",
                                    "Threads: Multithread Test", "About: About this Program"}));
        // A screen reader says what the tool tip shows.
        QCOMPARE(s.iconButtons().size(), 5);
        for (const auto* b : s.iconButtons())
            QVERIFY(!b->toolTip().isEmpty() && b->accessibleName() == b->toolTip());
    }

    // The log panel, its two buttons and the stored switch move together.
    void logSwitch_data() {
        QTest::addColumn<bool>("stored");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void logSwitch() {
        QFETCH(bool, stored);
        MySettings::get()->set_gui_log_enabled(stored);
        Started s;
        s.window.show();
        const auto state = [&] {
            const auto buttons = s.iconButtons();
            return QList<bool>{s.logBox()->isChecked(), s.window.get_panel_log()->isVisible(),
                               buttons[0]->isEnabled(), buttons[1]->isEnabled(),
                               MySettings::get()->is_gui_log_enabled()};
        };
        QCOMPARE(state(), QList<bool>(5, stored));
        s.logBox()->click();
        QCOMPARE(state(), QList<bool>(5, !stored));
    }

    void closeStoresGeometryAndSplitterComesBack() {
        QList<int> sizes;
        QRect geometry;
        {
            Started s;
            s.window.setGeometry(40, 20, 700, 570);
            s.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&s.window));
            auto* splitter = children_of<gen::qt::GSplitter>(s.window).value(0);
            const QList<int> before = splitter->sizes();
            splitter->setSizes({100, 1000}); // the handle as high as the tabs let it go
            // What a drag of the handle reports.
            splitter->listenerSplitterMoved.fire_event(300, gen::FIRE_EVENT::DIRECT);
            sizes = splitter->sizes();
            QVERIFY(sizes != before); // else a window that forgot them would show them too
            geometry = s.window.geometry();
            s.window.close();
        }
        Started again;
        again.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again.window));
        QCOMPARE(again.window.geometry(), geometry);
        QCOMPARE(children_of<gen::qt::GSplitter>(again.window).value(0)->sizes(), sizes);
    }

    // Saved in a screen's corner, smaller than the window can be: showing grows it past the screen's edge
    // unless it is moved back.
    void geometryOffScreenComesBack() {
        {
            Started s;
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            s.window.setGeometry(QRect(area.bottomRight() - QPoint(100, 100), QSize(100, 100)));
            MySettings::get()->save_win(&s.window);
        }
        Started again;
        again.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again.window));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(again.window.geometry()));
    }

    void keyboard() {
        Started s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        s.tab()->setFocus();
        QTest::keyClick(s.tab(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(s.tab()->currentIndex(), 1);
        LogLines log;
        // Through the platform window, the way a key press arrives, so shortcuts see it.
        QTest::keyClick(s.window.windowHandle(), Qt::Key_S, Qt::AltModifier);
        // A mnemonic clicks the way a mouse would, with the button shown pressed for a moment.
        QTRY_VERIFY(std::any_of(log.lines.cbegin(), log.lines.cend(),
                                [](const auto& l) { return l.second.endsWith("Simulation started"); }));
    }

    // This program again, as a child that builds a window without settings; the handler waits five seconds.
    void withoutSettingsTheProcessEnds() {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kProbe, "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(child.readAllStandardOutput(),
                 QByteArray("nullptr:settings == NULL\nWindow\nLINE:39\nprogram will exit in 5 sec\n"));
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet(kProbe)) {
        QApplication app(argc, argv);
        const Window window;
        return 0;
    }
    return run_with_app_settings<TstWindow>(argc, argv, "TstWindow");
}
#include "tst_Window.moc"
