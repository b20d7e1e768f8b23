// GTab and its CustomTabBar, driven with mouse and keyboard like a user.
#include "../SliderTestSupport.h" // LogCapture

#include "gen/qt/components/GTab.h"
#include "gen/qt/GPanel.h"

#include <QApplication>
#include <QProcess>
#include <QTabBar>
#include <QTest>

using namespace gen::qt;

namespace {

const char* const nullCallVariable = "TST_GTAB_NULL_CALL";

// Three GPanel pages p0..p2 and a plain widget; every listener writes to `events`.
struct Tabs {
    Tabs() {
        for (int i = 0; i < 3; ++i) {
            auto* page = new GPanel(VERT);
            page->setObjectName(QString("p%1").arg(i));
            tab.addTab(page, QString("page %1").arg(i));
        }
        tab.addTab(new QWidget, "plain");
        tab.resize(600, 300);
        tab.show();
        const auto byIndex = [this](const char* what) {
            return [this, what](const int& i) { events << QString("%1 %2").arg(what).arg(i); };
        };
        const auto byPanel = [this](const char* what) {
            return [this, what](GPanel* const& p) { events << QString("%1 %2").arg(what, p->objectName()); };
        };
        tab.listenerCurrentChanged = byIndex("changed");
        tab.listenerPanelChanged = byPanel("changed");
        tab.listenerTabCloseRequested = byIndex("close");
        tab.listenerPanelCloseRequested = byPanel("close");
        tab.listenerTabBarClicked = byIndex("clicked");
        tab.listenerPanelClicked = byPanel("clicked");
        tab.listenerTabBarDoubleClicked = byIndex("double");
        tab.listenerPanelDoubleClicked = byPanel("double");
    }
    GPanel* page(int i) const { return dynamic_cast<GPanel*>(tab.widget(i)); }

    GTab tab;
    QStringList events;
};

} // namespace

class TstGTab : public QObject {
    Q_OBJECT

private slots:
    void userActions_data();
    void userActions();
    void pageLookup_data();
    void pageLookup();
    void nullPageEndsTheProcess();
};

void TstGTab::userActions_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("left click on a panel tab")
        << "click" << 2 << QStringList{"clicked 2", "clicked p2", "changed 2", "changed p2"};
    QTest::newRow("left click on a plain tab") << "click" << 3 << QStringList{"clicked 3", "changed 3"};
    QTest::newRow("arrow key") << "key" << 1 << QStringList{"changed 1", "changed p1"};
    QTest::newRow("middle press on a tab")
        << "middle" << 1 << QStringList{"close 1", "clicked 1", "clicked p1"};
    QTest::newRow("middle press in the bar beside the tabs")
        << "middle in bar" << -1 << QStringList{"clicked -1"};
    QTest::newRow("middle press beside the bar") << "middle beside bar" << -1 << QStringList{};
    QTest::newRow("close button") << "close" << 2 << QStringList{"close 2", "close p2"};
    QTest::newRow("double click") << "double" << 2
                                  << QStringList{"clicked 2", "clicked p2", "changed 2", "changed p2",
                                                 "double 2",  "double p2",  "clicked 2", "clicked p2"};
}

void TstGTab::userActions() {
    QFETCH(QString, action);
    QFETCH(int, index);
    QFETCH(QStringList, events);
    Tabs t;
    QVERIFY(QTest::qWaitForWindowExposed(&t.tab));
    QTabBar* bar = t.tab.tabBar();
    QWidget* target = bar;
    QPoint at = bar->tabRect(index).center();
    if (action == "middle in bar") {
        // The tab widget sizes its bar to the tabs; make room beside them.
        bar->setExpanding(false);
        bar->resize(bar->width() + 100, bar->height());
        at = QPoint(bar->width() - 20, bar->height() / 2);
        QCOMPARE(bar->tabAt(at), -1);
    }
    if (action == "middle beside bar") {
        target = &t.tab;
        at = QPoint(bar->geometry().right() + 20, bar->geometry().center().y());
    }
    if (action.startsWith("middle")) {
        QTest::mousePress(target, Qt::MiddleButton, {}, at);
        QTest::mouseRelease(target, Qt::MiddleButton, {}, at);
    }
    if (action == "click") QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    if (action == "key") QTest::keyClick(bar, Qt::Key_Right);
    if (action == "close") {
        t.tab.setTabsClosable(true);
        QWidget* button = bar->tabButton(index, QTabBar::RightSide);
        if (!button) button = bar->tabButton(index, QTabBar::LeftSide);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    if (action == "double") {
        // A real double click: a click, then the second press arrives as a double click.
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    }
    QCOMPARE(t.events.join(", "), events.join(", "));
}

void TstGTab::pageLookup_data() {
    QTest::addColumn<int>("page"); // -1: a panel that was never added
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("own page") << 1 << QList<bool>{true, false, true, true} << QStringList{};
    QTest::newRow("foreign page") << -1 << QList<bool>{true, true, true, true}
                                  << QStringList{"XTabWidget::enable_panel, pan not found !"};
}

void TstGTab::pageLookup() {
    QFETCH(int, page);
    QFETCH(QList<bool>, enabled);
    QFETCH(QStringList, messages);
    Tabs t;
    GPanel foreign;
    GPanel* pan = page >= 0 ? t.page(page) : &foreign;
    QCOMPARE(t.tab.index_from_panel(pan), page);
    LogCapture log("XTabWidget::");
    t.tab.enable_tab(pan, false);
    QList<bool> states;
    for (int i = 0; i < t.tab.count(); ++i)
        states << t.tab.isTabEnabled(i);
    QCOMPARE(states, enabled);
    QCOMPARE(log.lines, messages);
}

// The handler ends the process after five seconds, so the call runs in a copy of this program.
void TstGTab::nullPageEndsTheProcess() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(nullCallVariable, "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QByteArray out = child.readAllStandardOutput();
    QVERIFY2(out.startsWith("nullptr:pan == NULL\ngen/qt/components/GTab\nLINE:"), out.constData());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(nullCallVariable)) return GTab().index_from_panel(nullptr);
    TstGTab test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GTab.moc"
