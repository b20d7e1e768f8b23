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
    // The parent listens too: the child consumes its events even when nobody listens to it.
    void mouse_data() {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("expected");
        QTest::newRow("listening") << true << "press 30,40 1, release 30,40 0, move 20,10 0";
        QTest::newRow("unheard") << false << "";
    }
    void mouse() {
        QFETCH(bool, listening);
        QFETCH(QString, expected);
        GWidget parent;
        auto* child = new GWidget(&parent);
        child->setGeometry(50, 50, 100, 100);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QStringList seen;
        const auto record = [&seen](const char* kind) {
            return [&seen, kind](QMouseEvent* const& e) {
                const QPointF p = e->position();
                seen << QString("%1 %2,%3 %4").arg(kind).arg(p.x()).arg(p.y()).arg(int(e->buttons()));
            };
        };
        for (GWidget* w : {&parent, listening ? child : &parent}) {
            w->listenerMousePress = record("press");
            w->listenerMouseRelease = record("release");
            w->listenerMouseMove = record("move");
        }
        QTest::mouseClick(child, Qt::LeftButton, {}, {30, 40});
        QTest::mouseMove(child, {20, 10});
        QCOMPARE(seen.join(", "), expected);
    }

    void paletteChange_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // none: an image view repaints by itself
        QTest::newRow("unnamed") << QString() << " GWidget::on_change_theme() - overwrite me";
        QTest::newRow("named") << "plot"
                               << " GWidget@plot::on_change_theme() - overwrite me";
        QTest::newRow("image view") << "pictures" << QString();
    }
    void paletteChange() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        std::unique_ptr<GWidget> widget(message.isEmpty() ? new GImageView : new GWidget);
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
