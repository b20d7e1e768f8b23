#include "../LogLines.h"

#include "gen/qt/components/GTab.h"
#include "gen/qt/GPanel.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QTabBar>
#include <QTest>

using namespace gen::qt;

namespace {

// Three GPanel pages p0..p2 and a plain widget; every listener writes to `events`.
struct Tabs {
    Tabs() {
        for (int i = 0; i < 3; ++i) {
            auto* page = new GPanel(VERT);
            page->setObjectName(QString("p%1").arg(i));
            tab.addTab(page, page->objectName());
        }
        tab.addTab(new QWidget, "plain");
        tab.resize(600, 300);
        tab.show();
        wire(tab.listenerCurrentChanged, tab.listenerPanelChanged, "changed");
        wire(tab.listenerTabCloseRequested, tab.listenerPanelCloseRequested, "close");
        wire(tab.listenerTabBarClicked, tab.listenerPanelClicked, "clicked");
        wire(tab.listenerTabBarDoubleClicked, tab.listenerPanelDoubleClicked, "double");
    }
    void wire(gen::Listener<int>& byIndex, gen::Listener<GPanel*>& byPanel, const char* what) {
        byIndex = [this, what](const int& i) { events << QString("%1 %2").arg(what).arg(i); };
        byPanel = [this, what](GPanel* const& p) { events << QString("%1 %2").arg(what, p->objectName()); };
    }
    GTab tab;
    QStringList events;
};

} // namespace

class TstGTab : public QObject {
    Q_OBJECT

private slots:
    // Tab -1 is a point in the bar beside the tabs.
    void userActions_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("click") << "click" << 2
                               << QStringList{"clicked 2", "clicked p2", "changed 2", "changed p2"};
        QTest::newRow("click plain") << "click" << 3 << QStringList{"clicked 3", "changed 3"};
        QTest::newRow("middle") << "middle" << 1 << QStringList{"close 1", "clicked 1", "clicked p1"};
        QTest::newRow("middle in bar") << "middle" << -1 << QStringList{"clicked -1"};
        QTest::newRow("close button") << "close" << 2 << QStringList{"close 2", "close p2"};
        QTest::newRow("double click")
            << "double" << 2 << QStringList{"clicked 2", "clicked p2", "changed 2", "changed p2",
                                            "double 2",  "double p2",  "clicked 2", "clicked p2"};
    }
    void userActions() {
        QFETCH(QString, action);
        QFETCH(int, index);
        QFETCH(QStringList, events);
        Tabs t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.tab));
        QTabBar* bar = t.tab.tabBar();
        bar->setExpanding(false);
        bar->resize(bar->width() + 100, bar->height());
        const QPoint at =
            index < 0 ? QPoint(bar->width() - 20, bar->height() / 2) : bar->tabRect(index).center();
        if (action == "middle") QTest::mouseClick(bar, Qt::MiddleButton, {}, at);
        if (action == "click" || action == "double") QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        if (action == "double") {
            QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
            QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        }
        if (action == "close") {
            t.tab.setTabsClosable(true);
            QWidget* button = bar->tabButton(index, QTabBar::RightSide);
            QTest::mouseClick(button ? button : bar->tabButton(index, QTabBar::LeftSide), Qt::LeftButton);
        }
        QCOMPARE(t.events, events);
    }

    // A tab's close button may close the whole tab widget.
    void closeListenerMayDeleteTheTabs() {
        auto* tab = new GTab;
        tab->addTab(new GPanel(VERT), "p");
        tab->setTabsClosable(true);
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab));
        QPointer<GTab> alive(tab);
        bool panelListenerRan = false;
        tab->listenerTabCloseRequested = [tab](const int&) { delete tab; };
        tab->listenerPanelCloseRequested = [&](GPanel* const&) { panelListenerRan = true; };
        QTabBar* bar = tab->tabBar();
        QWidget* button = bar->tabButton(0, QTabBar::RightSide);
        QTest::mouseClick(button ? button : bar->tabButton(0, QTabBar::LeftSide), Qt::LeftButton);
        QVERIFY(!alive);
        QVERIFY(!panelListenerRan);
    }

    void enableTab_data() {
        QTest::addColumn<bool>("own");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::addColumn<QString>("message");
        QTest::newRow("own page") << true << QList<bool>{true, false, true, true} << "";
        QTest::newRow("foreign page")
            << false << QList<bool>{true, true, true, true} << " XTabWidget::enable_panel, pan not found !";
    }
    void enableTab() {
        QFETCH(bool, own);
        QFETCH(QList<bool>, enabled);
        QFETCH(QString, message);
        Tabs t;
        GPanel foreign;
        GPanel* pan = own ? static_cast<GPanel*>(t.tab.widget(1)) : &foreign;
        QCOMPARE(t.tab.index_from_panel(pan), own ? 1 : -1);
        LogLines log;
        t.tab.enable_tab(pan, false);
        QList<bool> states;
        for (int i = 0; i < t.tab.count(); ++i)
            states << t.tab.isTabEnabled(i);
        QCOMPARE(states, enabled);
        QVERIFY(log.only(gen::log::DEBUG, message));
    }

    // The handler waits five seconds before it ends the process, so a copy of this program makes the call.
    void nullPageEndsTheProcess() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--null-page"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY(
            child.readAllStandardOutput().startsWith("nullptr:pan == NULL\ngen/qt/components/GTab\nLINE:"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--null-page") return GTab().index_from_panel(nullptr);
    TstGTab test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GTab.moc"
