#include "gen/qt/GImageView.h"

#include "LogLines.h"

#include <QMouseEvent>
#include <QtTest>

#include <memory>

using gen::qt::GImageView;
using gen::qt::GWidget;

class TstGWidget : public QObject {
    Q_OBJECT

private slots:
    void mouse_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("expected");
        for (const bool listening : {true, false}) {
            const char* unheard = listening ? "" : " unheard";
            QTest::addRow("press%s", unheard) << int(QTest::MousePress) << listening << "press 30,40 1";
            QTest::addRow("release%s", unheard) << int(QTest::MouseRelease) << listening << "release 30,40 0";
            QTest::addRow("move%s", unheard) << int(QTest::MouseMove) << listening << "move 30,40 0";
        }
    }
    // The parent listens too: an event the child lets through shows up there.
    void mouse() {
        QFETCH(int, action);
        QFETCH(bool, listening);
        QFETCH(QString, expected);
        GWidget parent;
        auto* child = new GWidget(&parent);
        child->setGeometry(50, 50, 100, 100);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        const QPoint at(30, 40);
        QTest::mouseMove(child, {10, 10});
        if (action == QTest::MouseRelease) QTest::mousePress(child, Qt::LeftButton, {}, at);
        QStringList seen;
        const auto record = [&seen](const char* kind) {
            return [&seen, kind](QMouseEvent* const& e) {
                const QPointF p = e->position();
                seen << QString("%1 %2,%3 %4").arg(kind).arg(p.x()).arg(p.y()).arg(int(e->buttons()));
            };
        };
        for (GWidget* w : {&parent, child})
            if (w != child || listening) {
                w->listenerMousePress = record("press");
                w->listenerMouseRelease = record("release");
                w->listenerMouseMove = record("move");
            }
        QTest::mouseEvent(QTest::MouseAction(action), child, Qt::LeftButton, {}, at);
        QCOMPARE(seen, listening ? QStringList{expected} : QStringList{});
    }

    void paletteChange_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("imageView");
        QTest::addColumn<QString>("message");
        QTest::newRow("unnamed") << QString() << false << " GWidget::on_change_theme() - overwrite me";
        QTest::newRow("named") << "plot" << false << " GWidget@plot::on_change_theme() - overwrite me";
        QTest::newRow("image view") << "pictures" << true << QString();
    }
    void paletteChange() {
        QFETCH(QString, name);
        QFETCH(bool, imageView);
        QFETCH(QString, message);
        std::unique_ptr<GWidget> widget(imageView ? new GImageView : new GWidget);
        widget->setObjectName(name);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, Qt::darkGreen);
        LogLines log;
        widget->setPalette(palette);
        QVERIFY(log.only(gen::log::DEBUG, message));
    }
};

QTEST_MAIN(TstGWidget)
#include "tst_GWidget.moc"
