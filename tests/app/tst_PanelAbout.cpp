#include "PanelAbout.h"

#include "gen/qt/GImageView.h"

#include "ChildrenOf.h"
#include "LogLines.h"

#include <QLabel>
#include <QtTest>

using gen::log::DEBUG;
using gen::log::INFO;

namespace {
QString picture(int hour) {
    return QStringLiteral(":/wb/img/o-%1.jpg").arg(hour, 2, 10, QLatin1Char('0'));
}

gen::qt::GImageView* view_of(const PanelAbout& panel) {
    return children_of<gen::qt::GImageView>(panel).value(0);
}

bool shows(const PanelAbout& panel, int hour) {
    return view_of(panel)->image == QImage(picture(hour));
}
} // namespace

class TstPanelAbout : public QObject {
    Q_OBJECT

private slots:
    void initialState() {
        const PanelAbout panel;
        QStringList texts;
        for (const QLabel* label : panel.findChildren<QLabel*>())
            if (label->textFormat() == Qt::RichText) texts << label->text();
        QCOMPARE(texts, (QStringList{
                            "<div style='font-size:22px;'> C++20 / Qt " QT_VERSION_STR " - Demo 64 Bit</div>",
                            "<div style='font-size:22px;'><u>Linux</u> &middot;Android &middot;Windows "
                            "&middot;WASM</div>"}));
        QVERIFY(shows(panel, 0));
        QVERIFY(!panel.is_running());
    }

    void clicksStartAndStopTheShow() {
        PanelAbout panel;
        panel.show();
        LogLines log;
        QTest::mouseClick(view_of(panel), Qt::LeftButton);
        QVERIFY(log.only(DEBUG, "mouse pressed") && panel.is_running());
        log.lines.clear();
        panel.tick();
        QVERIFY(log.only(DEBUG, "showing:" + picture(9)));
        panel.tick();
        QVERIFY(shows(panel, 12));

        log.lines.clear();
        QTest::mouseClick(view_of(panel), Qt::LeftButton);
        QVERIFY(!panel.is_running());
        QCOMPARE(log.lines.size(), 2);
        QVERIFY(log.lines[1].first == INFO && log.lines[1].second.endsWith("current:" + picture(12)));
    }

    // Five hidden steps after o-09 wrap round to o-00; without them the next would be o-12.
    void hiddenTicksOnlyAdvance() {
        PanelAbout panel;
        panel.show();
        panel.tick();
        panel.hide();
        LogLines log;
        for (int i = 0; i < 5; ++i)
            panel.tick();
        QVERIFY(log.lines.isEmpty());
        QVERIFY(shows(panel, 9));
        panel.show();
        panel.tick();
        QVERIFY(log.only(DEBUG, "showing:" + picture(9)) && shows(panel, 9));
    }
};

QTEST_MAIN(TstPanelAbout)
#include "tst_PanelAbout.moc"
