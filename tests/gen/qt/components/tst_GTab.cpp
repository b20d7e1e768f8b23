#include "LogLines.h"

#include "gen/qt/components/GTab.h"
#include "gen/qt/GPanel.h"

#include <QPointer>
#include <QTabBar>
#include <QTest>

using namespace gen::qt;

class TstGTab : public QObject {
    Q_OBJECT

private slots:
    // Pages 0..2 are panels, page 3 is not; tab -1 is a point in the bar beside the tabs. With
    // `deleting` the index close listener deletes the whole tab widget, which must not crash.
    void userActions_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("events");
        QTest::newRow("click") << "click" << 2 << false << "clicked 2, clicked p2, changed 2, changed p2";
        QTest::newRow("click plain") << "click" << 3 << false << "clicked 3, changed 3";
        QTest::newRow("middle") << "middle" << 1 << false << "close 1, clicked 1, clicked p1";
        QTest::newRow("middle beside") << "middle" << -1 << false << "clicked -1";
        QTest::newRow("close button") << "close" << 2 << false << "close 2, close p2";
        QTest::newRow("double click") << "double" << 1 << false
                                      << "clicked 1, clicked p1, changed 1, changed p1, double 1, double p1, "
                                         "clicked 1, clicked p1";
        QTest::newRow("middle deletes") << "middle" << 1 << true << "close 1";
        QTest::newRow("close button deletes") << "close" << 2 << true << "close 2";
    }
    void userActions() {
        QFETCH(QString, action);
        QFETCH(int, index);
        QFETCH(bool, deleting);
        QFETCH(QString, events);
        QPointer<GTab> tab = new GTab;
        for (int i = 0; i < 3; ++i)
            tab->addTab(new GPanel(VERT), "panel");
        tab->addTab(new QWidget, "plain");
        tab->setTabsClosable(true);
        tab->resize(800, 300);
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab));
        QStringList seen;
        const auto wire = [&](gen::Listener<int>& byIndex, gen::Listener<GPanel*>& byPanel, QString what) {
            byIndex = [&, what](const int& i) {
                seen << QString("%1 %2").arg(what).arg(i);
                if (deleting && what == "close") delete tab.data();
            };
            byPanel = [&, what](GPanel* const& p) {
                seen << QString("%1 p%2").arg(what).arg(tab->indexOf(p));
            };
        };
        wire(tab->listenerCurrentChanged, tab->listenerPanelChanged, "changed");
        wire(tab->listenerTabCloseRequested, tab->listenerPanelCloseRequested, "close");
        wire(tab->listenerTabBarClicked, tab->listenerPanelClicked, "clicked");
        wire(tab->listenerTabBarDoubleClicked, tab->listenerPanelDoubleClicked, "double");
        QTabBar* bar = tab->tabBar();
        bar->setExpanding(false);
        bar->resize(bar->width() + 100, bar->height()); // room beside the tabs
        const QPoint at =
            index < 0 ? QPoint(bar->width() - 5, bar->height() / 2) : bar->tabRect(index).center();
        if (action == "middle") QTest::mousePress(bar, Qt::MiddleButton, {}, at);
        if (action == "close") QTest::mouseClick(bar->tabButton(index, QTabBar::RightSide), Qt::LeftButton);
        if (action == "click" || action == "double") QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        if (action == "double") QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
        QCOMPARE(seen.join(", "), events);
        QCOMPARE(tab.isNull(), deleting);
        delete tab.data();
    }

    void enableTab() {
        GTab tab;
        GPanel foreign;
        tab.addTab(new GPanel, "page");
        auto* second = new GPanel;
        tab.addTab(second, "second");
        LogLines log;
        tab.enable_tab(&foreign, false);
        QVERIFY(tab.isTabEnabled(0) &&
                log.only(gen::log::DEBUG, " XTabWidget::enable_panel, pan not found !"));
        tab.enable_tab(static_cast<GPanel*>(tab.widget(0)), false);
        QVERIFY(!tab.isTabEnabled(0));
        QCOMPARE(tab.index_from_panel(&foreign), -1);
        QCOMPARE(tab.index_from_panel(second), 1);
    }
};

QTEST_MAIN(TstGTab)
#include "tst_GTab.moc"
